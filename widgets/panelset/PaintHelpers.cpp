#include "widgets/panelset/PaintHelpers.h"

#include <QWidget>

#include "platform/core/PlatformInfo.h"
#include "platform/drawing/TCanvas.h"
#include "platform/widgets/ParentPainting.h"
#include "platform/widgets/TControl.h"
#include "platform/widgets/TCustomControl.h"
#include "platform/widgets/TForm.h"
#include "widgets/panelset/ShadeSystem.h"

namespace Rz {

void PaintParentBackground(QWidget* control, TCanvas& canvas, bool invalidateParent) {
  QWidget* parent = control != nullptr ? control->parentWidget() : nullptr;
  if (parent == nullptr) {
    return;
  }
  const int level = canvas.SaveDC();
  canvas.OffsetViewportOrg(-control->x(), -control->y());
  canvas.IntersectClipRect(0, 0, parent->width(), parent->height());
  ParentPainting::SendEraseBackground(parent, canvas);
  ParentPainting::SendPrintClient(parent, canvas);
  canvas.RestoreDC(level);
  if (invalidateParent && dynamic_cast<TCustomControl*>(parent) == nullptr && dynamic_cast<TForm*>(parent) == nullptr) {
    parent->update();
  }
}

void InvalidateTransparentChildren(QWidget* control) {
  if (control == nullptr) {
    return;
  }
  // dynamic_cast: TControl has no meta-object, and a plain Qt child is no TControl.
  for (QObject* object : control->children()) {
    auto* child = dynamic_cast<TControl*>(object);
    if (child != nullptr && child->Transparent()) {
      child->Invalidate();
    }
  }
}

int DrawTextFormatted(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags) {
  return canvas.DrawText(text, rect, flags);
}

void DrawTextCentered(TCanvas& canvas, const QString& text, const TRect& rect) {
  TRect copy = rect;
  canvas.DrawText(text, copy, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

TFont CreateAngledFont(const TFont& font, int angleDegrees) {
  TFont angled(font);
  angled.SetOrientation(angleDegrees * 10);
  return angled;
}

bool IsTrueTypeFont(const TFont& font) { return font.TextMetrics().TrueType; }

QString StripAccelerators(const QString& text) {
  QString out;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < n) {
      if (text[i + 1] == QLatin1Char('&')) {
        out += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

QChar LastCharOf(const QString& text) { return text.isEmpty() ? QChar() : text.back(); }

void PaintDropDownArrow(TCanvas& canvas, const TRect& rect, int /*arrowStyle*/, bool enabled) {
  // From Vista on every style is drawn the classic way.
  const TColor previous = canvas.Brush().Color();
  TColor color = clBtnShadow;
  if (enabled) {
    color = ColorsAlike(previous, clBlack) ? cl3DDkShadow : clBlack;
  }
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2 - (rect.Height() % 2 == 0 ? 1 : 0);
  canvas.Pen().SetStyle(TPenStyle::psClear);
  canvas.Brush().SetColor(color);
  canvas.Polygon({{cx, cy + 2}, {cx - 3, cy - 2}, {cx + 4, cy - 2}});
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetColor(previous);
}

bool WindowsVersionIs(TWindowsVersion version) {
  const int major = PlatformInfo::WindowsMajorVersion();
  const int minor = PlatformInfo::WindowsMinorVersion();
  if (!PlatformInfo::WindowsPlatformNT()) {
    return false;
  }
  return version == TWindowsVersion::XP ? (major == 5 && minor == 1) : (major == 6 && minor == 0);
}

bool WindowsVersionAtLeast(TWindowsVersion version) {
  const int major = PlatformInfo::WindowsMajorVersion();
  if (!PlatformInfo::WindowsPlatformNT()) {
    return false;
  }
  return version == TWindowsVersion::Vista ? major > 5 : (major > 5 || (major == 5 && PlatformInfo::WindowsMinorVersion() >= 1));
}

}  // namespace Rz
