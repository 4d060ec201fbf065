#include "widgets/gdiplus/TGDIPPicture.h"

#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"

void TGDIPPicture::DrawImage(TGPGraphics& graphics, int x, int y) const {
  if (const auto image = Decode()) {
    graphics.DrawImage(image.get(), x, y);
  }
}

void TGDIPPicture::DrawImageRect(TGPGraphics& graphics, int x, int y, int w, int h) const {
  if (const auto image = Decode()) {
    graphics.DrawImageRect(image.get(), x, y, w, h);
  }
}

std::unique_ptr<TGraphic> TGDIPPicture::Clone() const {
  auto copy = std::make_unique<TGDIPPicture>();
  copy->Assign(this);
  return copy;
}

bool TGDIPPicture::SameClass(const TObject* source) const { return dynamic_cast<const TGDIPPicture*>(source); }
