#include "plot/objects/TiPlotLabel.h"

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/core/TiPlotComponent.h"

TiPlotLabel::TiPlotLabel(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                         TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)) {
  m_font.SetName(QStringLiteral("Arial"));
  m_font.SetSize(14);
  m_font.SetStyle({TFontStyle::fsBold});
  m_font.SetColor(clWhite);
  m_font.OnChange = [this](TObject*) { DoChange(); };
  SetHorizontal(true);
}

TiPlotLabel::~TiPlotLabel() { m_font.OnChange = nullptr; }

void TiPlotLabel::Measure(TCanvas& canvas) {
  canvas.Font().Assign(m_font);
  const QString zero = QStringLiteral("0");
  const int w0 = MultiLineTextWidth(canvas, zero);
  const int h0 = TextExtentHeight(canvas, zero);
  m_marginTopPixels = Round(h0 * m_marginTop);
  m_marginBottomPixels = Round(h0 * m_marginBottom);
  m_marginLeftPixels = Round(w0 * m_marginLeft);
  m_marginRightPixels = Round(w0 * m_marginRight);
  m_requiredWidth = TextExtentHeight(canvas, m_caption) + m_marginTopPixels + m_marginBottomPixels;
}

int TiPlotLabel::GetRequiredWidth(TCanvas& canvas) {
  Measure(canvas);
  return m_requiredWidth;
}

void TiPlotLabel::Draw(TCanvas& canvas, TColor) {
  if (!Visible()) {
    return;
  }
  Measure(canvas);
  if (TBitmap* picture = m_image.Get()) {
    m_image.TakeCornerTransparency();
    picture->SetTransparent(true);
    canvas.Draw(ImageLeft(picture->Width()), DrawRect().Top + m_marginTopPixels, *picture);
    return;
  }
  if (m_imageListIndex >= 0 && m_imageListIndex <= 2) {
    const TImageList& list = Owner()->ImageList(m_imageListIndex);
    if (m_imageIndex >= 0 && m_imageIndex < list.Count()) {
      list.Draw(canvas, ImageLeft(list.Width()), DrawRect().Top + m_marginTopPixels, m_imageIndex, Enabled());
      return;
    }
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TRect d = DrawRect();
  if (Horizontal()) {
    TRect r{d.Left + m_marginLeftPixels, d.Top + m_marginTopPixels, d.Right - m_marginRightPixels,
            d.Bottom - m_marginBottomPixels};
    const TextFlags align = m_alignment == TiAlignmentHorizontal::iahLeft    ? iTextFlag::Left
                            : m_alignment == TiAlignmentHorizontal::iahRight ? iTextFlag::Right
                                                                             : iTextFlag::Center;
    iDrawText(canvas, m_caption, r, m_font.Color(), Enabled(), TextFlags(align | iTextFlag::VCenter));
    return;
  }
  const int width = MultiLineTextWidth(canvas, m_caption);
  int centre = (d.Top + d.Bottom) / 2;
  if (m_alignment == TiAlignmentHorizontal::iahLeft) {
    centre = d.Bottom - m_marginLeftPixels - width / 2;
  } else if (m_alignment == TiAlignmentHorizontal::iahRight) {
    centre = d.Top + m_marginRightPixels + width / 2;
  }
  const TRect r{d.Left + m_marginTopPixels, centre - width / 2, d.Right - m_marginBottomPixels,
                centre - width / 2 + width};
  TRect bounds;
  iDrawRotatedText(canvas, m_caption, r, bounds, m_font.Color(), Enabled(), TiAlignmentHorizontal::iahCenter,
                   TiRotationAngle::ira090);
}

int TiPlotLabel::ImageLeft(int width) const {
  const TRect d = DrawRect();
  if (m_alignment == TiAlignmentHorizontal::iahLeft) {
    return d.Left + m_marginLeftPixels;
  }
  if (m_alignment == TiAlignmentHorizontal::iahRight) {
    return d.Right - m_marginRightPixels - width;
  }
  return (d.Left + d.Right) / 2 - width / 2;
}

void TiPlotLabel::SetImage(const TBitmap* value) {
  m_image.Assign(value);
  DoChange();
}

void TiPlotLabel::ImageClear() {
  if (m_image.Clear()) {
    DoChange();
  }
}

void TiPlotLabel::ImageLoadFromFile(const QString& fileName) {
  TiOwnedPicture loaded;
  loaded.LoadFromFile(fileName);
  SetImage(loaded.Get());
}
