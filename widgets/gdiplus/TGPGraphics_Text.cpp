// Text measuring and drawing of the GDI+ surface, and the helpers that
// take a VCL font.
#include <QFontMetricsF>
#include <QStringList>

#include "platform/drawing/GdiConstants.h"
#include "platform/core/Rounding.h"
#include "platform/text/TFont.h"
#include "widgets/gdiplus/GdipNative.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPFont.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPStringFormat.h"

namespace {

// Lines of a text as GDI+ lays them out, and their box.
struct TextLayout {
  QFont font;
  QStringList lines;
  double padding = 0;
  double lineHeight = 0;
  double ascent = 0;
  double width = 0;
  double height = 0;
  std::vector<double> lineWidths;
};

TextLayout Layout(const QString& text, int length, const Gdip::GpFont& font, const Gdip::GpStringFormat* format) {
  TextLayout layout;
  layout.font = font.ToQFont();
  const QFontMetricsF metrics(layout.font);
  layout.padding = font.PixelSize() / 6.0;
  layout.lineHeight = metrics.lineSpacing();
  layout.ascent = metrics.ascent();
  QString shown = length < 0 ? text : text.left(length);
  if (format && format->hotkeyPrefix != HotkeyPrefix::HotkeyPrefixNone) {
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
  }
  if (shown.isEmpty()) {
    return layout;
  }
  const bool trailing = format && (format->flags & StringFormatFlagsMeasureTrailingSpaces);
  layout.lines = shown.split(QLatin1Char('\n'));
  for (QString& line : layout.lines) {
    if (line.endsWith(QLatin1Char('\r'))) {
      line.chop(1);
    }
    QString measured = line;
    while (!trailing && measured.endsWith(QLatin1Char(' '))) {
      measured.chop(1);
    }
    const double w = metrics.horizontalAdvance(measured);
    layout.lineWidths.push_back(w);
    layout.width = std::max(layout.width, w + 2 * layout.padding);
  }
  layout.height = layout.lines.size() * layout.lineHeight;
  return layout;
}

double AlignedOffset(StringAlignment alignment, double room, double extent) {
  if (room <= 0) {
    return 0;
  }
  switch (alignment) {
    case StringAlignment::StringAlignmentCenter: return (room - extent) / 2;
    case StringAlignment::StringAlignmentFar: return room - extent;
    default: return 0;
  }
}

StringAlignment AlignmentOf(const Gdip::GpStringFormat* format) {
  return format ? format->alignment : StringAlignment::StringAlignmentNear;
}
StringAlignment LineAlignmentOf(const Gdip::GpStringFormat* format) {
  return format ? format->lineAlignment : StringAlignment::StringAlignmentNear;
}

}  // namespace

Status TGPGraphics::MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  const TGPStringFormat* format, TGPRectF& boundingBox, int* codepointsFitted,
                                  int* linesFilled) {
  if (!Ready() || !font || !font->NativeFont()) {
    return RecordStatus(Status::InvalidParameter);
  }
  const Gdip::GpStringFormat* native = format ? format->NativeFormat() : nullptr;
  const TextLayout layout = Layout(text, length, *font->NativeFont(), native);
  boundingBox = {float(layoutRect.X + AlignedOffset(AlignmentOf(native), layoutRect.Width, layout.width)),
                 float(layoutRect.Y + AlignedOffset(LineAlignmentOf(native), layoutRect.Height, layout.height)),
                 float(layout.width), float(layout.height)};
  if (codepointsFitted) {
    *codepointsFitted = int(length < 0 ? text.size() : std::min<qsizetype>(length, text.size()));
  }
  if (linesFilled) {
    *linesFilled = int(layout.lines.size());
  }
  return Status::Ok;
}

Status TGPGraphics::MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& boundingBox) {
  return MeasureString(text, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::MeasureString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                                  const TGPStringFormat* format, TGPRectF& boundingBox) {
  return MeasureString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, format, boundingBox);
}

Status TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPRectF& layoutRect,
                               const TGPStringFormat* format, const TGPBrush* brush) {
  if (!Ready() || !font || !font->NativeFont() || !brush || !brush->NativeBrush()) {
    return RecordStatus(Status::InvalidParameter);
  }
  const Gdip::GpStringFormat* native = format ? format->NativeFormat() : nullptr;
  const TextLayout layout = Layout(text, length, *font->NativeFont(), native);
  Gdip::GpGraphics& g = *NativeGraphics();
  QPainter& p = *g.painter;
  p.save();
  ApplyTransform(Drawing::Image);
  const bool smooth = g.textHint != TextRenderingHint::TextRenderingHintSingleBitPerPixel &&
                      g.textHint != TextRenderingHint::TextRenderingHintSingleBitPerPixelGridFit;
  p.setRenderHint(QPainter::TextAntialiasing, smooth);
  QFont qfont = layout.font;
  if (!smooth) {
    qfont.setStyleStrategy(QFont::NoAntialias);
  }
  p.setFont(qfont);
  p.setPen(QPen(Gdip::ToQBrush(*brush->NativeBrush(), g.PaintArea()), 1));
  if (layoutRect.Width > 0 && layoutRect.Height > 0 && !(native && (native->flags & StringFormatFlagsNoWrap))) {
    p.setClipRect(QRectF(layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height), Qt::IntersectClip);
  }
  const double top = layoutRect.Y + AlignedOffset(LineAlignmentOf(native), layoutRect.Height, layout.height);
  for (qsizetype i = 0; i < layout.lines.size(); ++i) {
    const double lineBox = layout.lineWidths[std::size_t(i)] + 2 * layout.padding;
    const double x = layoutRect.X + AlignedOffset(AlignmentOf(native), layoutRect.Width, lineBox) + layout.padding;
    p.drawText(QPointF(x, top + i * layout.lineHeight + layout.ascent), layout.lines[i]);
  }
  p.restore();
  return Status::Ok;
}

Status TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPBrush* brush) {
  return DrawString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}

Status TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPStringFormat* format, const TGPBrush* brush) {
  return DrawString(text, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, format, brush);
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont& font) {
  auto family = std::make_unique<TGPFontFamily>(font.Name());
  const Status status = family->GetLastStatus();
  if (status == Status::FontFamilyNotFound || status == Status::FontStyleNotFound) {
    family = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
  }
  int style = FontStyleRegular;
  if (font.Style().Contains(TFontStyle::fsBold)) {
    style |= FontStyleBold;
  }
  if (font.Style().Contains(TFontStyle::fsItalic)) {
    style |= FontStyleItalic;
  }
  if (font.Style().Contains(TFontStyle::fsUnderline)) {
    style |= FontStyleUnderline;
  }
  return std::make_unique<TGPFont>(family.get(), float(font.Size()), style, Unit_::UnitPoint);
}

int TGPGraphics::TextWidth(const QString& text, const TFont& font) {
  const auto gpFont = MakeFont(font);
  TGPRectF box;
  MeasureString(text, int(text.size()), gpFont.get(), TGPRectF{0, 0, 10000, 10000}, box);
  return Round(box.Width);
}

int TGPGraphics::TextHeight(const QString& text, const TFont& font) {
  const auto gpFont = MakeFont(font);
  TGPRectF box;
  MeasureString(text, int(text.size()), gpFont.get(), TGPRectF{0, 0, 10000, 10000}, box);
  return Round(box.Height);
}

int TGPGraphics::DrawText(const QString& text, int length, TRect& rect, const TFont& font, unsigned style,
                          TColor bkColor) {
  const auto gpFont = MakeFont(font);
  if ((style & DT_CALCRECT) || bkColor != clNone) {
    QString copy = text;
    // GDI+ measures no trailing space: a last space is measured as an "i".
    if (copy.size() > 1 && copy.back() == QLatin1Char(' ')) {
      copy.back() = QLatin1Char('i');
    }
    // MeasureString's padding, less the pixel the drawing needs.
    int extra = 2;
    if (font.Size() > 8) {
      extra += Round((font.Size() - 8) / 1.5);
    }
    TGPRectF box;
    MeasureString(copy, length, gpFont.get(),
                  TGPRectF{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                           float(rect.Bottom - rect.Top)},
                  box);
    rect.Right = Round(rect.Left + (box.Width - extra));
    rect.Bottom = Round(rect.Top + box.Height);
    if (bkColor != clNone) {
      const TGPSolidBrush background(OpaqueArgbFromColor(bkColor));
      FillRectangle(background, float(rect.Left + 1), float(rect.Top), box.Width - extra + 1, box.Height);
    }
  }
  if (!(style & DT_CALCRECT)) {
    const TGPSolidBrush brush(OpaqueArgbFromColor(font.Color()));
    DrawString(text, length, gpFont.get(), TGPPointF{float(rect.Left), float(rect.Top)}, &brush);
  }
  return rect.Bottom - rect.Top;
}
