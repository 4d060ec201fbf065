#include <gtest/gtest.h>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TCustomControl.h"
#include "widgets/panelset/PaintHelpers.h"

using namespace Rz;

namespace {
// A parent whose client area is yellow with one red pixel at (5, 5).
class Backdrop : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override { Canvas().SetPixel(5, 5, clRed); }
};
}  // namespace

TEST(PaintHelpers, stripAcceleratorsKeepsDoubledAndLastAmpersands) {
  const std::pair<const char*, const char*> cases[] = {
      {"&File", "File"}, {"Save && Exit", "Save & Exit"}, {"Tail&", "Tail&"}, {"&", "&"}, {"&&", "&"}, {"", ""},
      {"a&&&b", "a&b"}};
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(StripAccelerators(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
  }
  EXPECT_EQ(LastCharOf(QStringLiteral("ab")), QLatin1Char('b'));
  EXPECT_TRUE(LastCharOf(QString()).isNull());
}

TEST(PaintHelpers, parentBackgroundIsPaintedUnderTheControl) {
  TBitmap target(4, 4);
  PaintParentBackground(nullptr, target.Canvas(), true);
  TWinControl orphan;
  PaintParentBackground(&orphan, target.Canvas(), true);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite);

  Backdrop parent;
  parent.SetColor(clYellow);
  parent.SetBounds(0, 0, 20, 20);
  auto* child = new TWinControl(&parent);
  child->SetBounds(4, 4, 4, 4);
  PaintParentBackground(child, target.Canvas(), false);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clYellow);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(target.Canvas().ViewportOrg(), Point(0, 0));
  EXPECT_FALSE(target.Canvas().GetClipRgn().has_value());
}

TEST(PaintHelpers, dropDownArrowIsATriangleInTheStateColour) {
  for (bool enabled : {true, false}) {
    TBitmap sheet(16, 16);
    sheet.Canvas().Brush().SetColor(clWhite);
    PaintDropDownArrow(sheet.Canvas(), Rect(0, 0, 16, 16), 1, enabled);
    const TColor ink = enabled ? clBlack : ColorToRGB(clBtnShadow);
    EXPECT_EQ(sheet.Canvas().Pixel(8, 5), ink);  // top edge (cy - 2 with cy = 7)
    EXPECT_EQ(sheet.Canvas().Pixel(8, 7), ink);  // towards the tip
    EXPECT_EQ(sheet.Canvas().Pixel(8, 9), clWhite);
    EXPECT_EQ(sheet.Canvas().Pixel(3, 6), clWhite);
    EXPECT_EQ(sheet.Canvas().Brush().Color(), clWhite);
    EXPECT_EQ(sheet.Canvas().Pen().Style(), TPenStyle::psSolid);
  }
  TBitmap dark(16, 16);
  dark.Canvas().Brush().SetColor(RGB(10, 10, 10));
  dark.Canvas().FillRect(Rect(0, 0, 16, 16));
  PaintDropDownArrow(dark.Canvas(), Rect(0, 0, 16, 16), 0, true);
  EXPECT_EQ(dark.Canvas().Pixel(8, 5), ColorToRGB(cl3DDkShadow));
}

TEST(PaintHelpers, fontAndVersionAnswers) {
  TFont font;
  font.SetStyle({TFontStyle::fsBold});
  const TFont angled = CreateAngledFont(font, 90);
  EXPECT_EQ(angled.Orientation(), 900);
  EXPECT_EQ(angled.Style(), font.Style());
  EXPECT_EQ(angled.Height(), font.Height());
  font.SetName(QStringLiteral("Arial"));
  EXPECT_TRUE(IsTrueTypeFont(font));
  EXPECT_TRUE(WindowsVersionAtLeast(TWindowsVersion::Vista));
  EXPECT_FALSE(WindowsVersionIs(TWindowsVersion::Vista));
  EXPECT_FALSE(WindowsVersionIs(TWindowsVersion::XP));
}

TEST(PaintHelpers, centredTextLeavesTheRectangleAlone) {
  TBitmap sheet(60, 20);
  const TRect r = Rect(0, 0, 60, 20);
  DrawTextCentered(sheet.Canvas(), QStringLiteral("ab"), r);
  TRect measured = r;
  const int height = DrawTextFormatted(sheet.Canvas(), QStringLiteral("ab"), measured, DT_CALCRECT);
  EXPECT_EQ(height, sheet.Canvas().TextHeight(QStringLiteral("ab")));
  EXPECT_EQ(measured.Width(), sheet.Canvas().TextWidth(QStringLiteral("ab")));
}
