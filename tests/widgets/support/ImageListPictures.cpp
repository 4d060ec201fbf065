#include "tests/widgets/support/ImageListPictures.h"

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TImageList.h"

void AddSquarePicture(TImageList& list, int size, TColor color) {
  TBitmap bitmap(size, size);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, size, size));
  list.AddMasked(bitmap, clFuchsia);
}
