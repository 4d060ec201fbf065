// The splash screen's markup renderer: any text laid out and drawn on a
// page, measured, and hit-tested at a point, with the options the first
// bytes pick.
#include <cstddef>
#include <cstdint>

#include <QString>

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzGuiApplication.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/text/TFont.h"
#include "platform/core/TRect.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/smooth/html/RenderHTMLText.h"

namespace {

constexpr std::size_t kSplashSetupBytes = 3;
constexpr int kSplashWidth = 240;
constexpr int kSplashHeight = 160;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSplashSetupBytes) {
    return 0;
  }
  EnsureFuzzGuiApplication();
  TBitmap page(kSplashWidth, kSplashHeight);
  TGPGraphics surface(page.Canvas());
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetSize(8 + data[0] % 8);
  THTMLRenderOptions options;
  options.WordWrap = (data[0] & 0x80) != 0;
  options.ShadowOffset = (data[0] >> 3) & 7;
  options.LineSpacing = data[0] & 3;
  options.HitX = data[1];
  options.HitY = data[2];
  options.HoverLink = (data[1] & 1) != 0 ? data[2] % 4 : -1;
  options.FocusLink = (data[2] & 1) != 0 ? data[1] % 4 : -1;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + kSplashSetupBytes),
                                         static_cast<qsizetype>(size - kSplashSetupBytes));
  const TRect bounds{2, 2, kSplashWidth - 2, kSplashHeight - 2};

  const THTMLRenderResult drawn = RenderHTMLText(surface, font, text, bounds, options);
  options.MeasureOnly = true;
  const THTMLRenderResult measured = RenderHTMLText(surface, font, text, bounds, options);
  KRV_FUZZ_CHECK("splash_markup", measured.TotalWidth >= 0 && measured.TotalHeight >= 0);
  // Drawing stops at the first line below the page; measuring goes on.
  KRV_FUZZ_CHECK("splash_markup", measured.PlainText.startsWith(drawn.PlainText));
  options.MeasureOnly = false;
  options.HitTestOnly = true;
  RenderHTMLText(surface, font, text, bounds, options);
  return 0;
}
