#include "platform/widgets/TImage.h"

TImage::TImage(QWidget* parent) : TGraphicControl(parent) { SetBounds(0, 0, 105, 105); }

void TImage::SetStretch(bool value) {
  if (StoreIfChanged(m_stretch, value)) {
    Invalidate();
  }
}

void TImage::SetCenter(bool value) {
  if (StoreIfChanged(m_center, value)) {
    Invalidate();
  }
}

void TImage::Paint() {
  const TGraphic* graphic = m_picture.Graphic();
  if (graphic == nullptr || graphic->Empty()) {
    return;
  }
  if (m_stretch) {
    Canvas().StretchDraw(ClientRect(), *graphic);
    return;
  }
  const int x = m_center ? (Width() - graphic->Width()) / 2 : 0;
  const int y = m_center ? (Height() - graphic->Height()) / 2 : 0;
  Canvas().Draw(x, y, *graphic);
}
