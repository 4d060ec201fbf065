#include <gtest/gtest.h>

#include <QByteArray>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/ImageListStream.h"
#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TImageList.h"

namespace {
/// A w x h picture in `color` with its top-left pixel in the mask colour.
void AddStreamPicture(TImageList& list, int w, int h, TColor color, TColor mask = clFuchsia) {
  TBitmap bitmap(w, h);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, w, h));
  bitmap.Canvas().SetPixel(0, 0, mask);
  list.AddMasked(bitmap, mask);
}

/// What the list shows at (x, y) of picture index, drawn over white.
TColor ShownPixel(const TImageList& list, int index, int x, int y) {
  TBitmap paper(list.Width(), list.Height());
  paper.Canvas().Brush().SetColor(clWhite);
  paper.Canvas().FillRect(Rect(0, 0, list.Width(), list.Height()));
  list.Draw(paper.Canvas(), 0, 0, index);
  return paper.Canvas().Pixel(x, y);
}
}  // namespace

TEST(ImageListStream, WriteThenRead_givesTheSamePicturesAndTransparentPixels) {
  TImageList list;
  list.SetSize(6, 5);
  const TColor colors[] = {clRed, clLime, clBlue, clYellow, clFuchsia};  // five: a second row of four
  for (TColor c : colors) {
    AddStreamPicture(list, 6, 5, c, c == clFuchsia ? clOlive : clFuchsia);
  }
  const QByteArray bytes = ImageListStream::Write(list);
  ASSERT_GE(bytes.size(), 28);
  EXPECT_EQ(bytes.left(2), QByteArray("IL"));
  TImageList read;
  ASSERT_TRUE(ImageListStream::Read(bytes, read));
  ASSERT_EQ(read.Count(), 5);
  EXPECT_EQ(read.Width(), 6);
  EXPECT_EQ(read.Height(), 5);
  for (int i = 0; i < 5; ++i) {
    // Shown fuchsia pixels stay shown: the read list marks the hidden ones with another colour.
    EXPECT_EQ(ShownPixel(read, i, 3, 3), colors[i]) << i;
    EXPECT_EQ(ShownPixel(read, i, 0, 0), clWhite) << i;
  }
}

TEST(ImageListStream, Read_refusesABrokenStreamAndKeepsTheList) {
  TImageList source;
  source.SetSize(4, 4);
  AddStreamPicture(source, 4, 4, clRed);
  const QByteArray good = ImageListStream::Write(source);
  auto withByte = [&good](int at, char value) {
    QByteArray b = good;
    b[at] = value;
    return b;
  };
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"header only", good.left(28)},
      {"cut in the mask", good.left(good.size() - 10)},
      {"not IL", withByte(0, 'X')},
      {"more pictures than room", withByte(6, 0)},
      {"wider than its pictures", withByte(10, 5)},
  };
  for (const auto& c : cases) {
    TImageList kept;
    kept.SetSize(4, 4);
    AddStreamPicture(kept, 4, 4, clBlue);
    EXPECT_FALSE(ImageListStream::Read(c.bytes, kept)) << c.what;
    EXPECT_EQ(kept.Count(), 1) << c.what;
    EXPECT_EQ(ShownPixel(kept, 0, 2, 2), clBlue) << c.what;
  }
}
