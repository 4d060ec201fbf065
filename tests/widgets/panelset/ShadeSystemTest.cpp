#include <gtest/gtest.h>

#include "widgets/panelset/ShadeSystem.h"

using namespace Rz;

TEST(ShadeSystem, convertsColoursToHslOn240Scale) {
  EXPECT_EQ(ColorToHsl240(clRed), (THsl240{0, 240, 120}));
  EXPECT_EQ(ColorToHsl240(clWhite), (THsl240{0, 0, 240}));
  EXPECT_EQ(ColorToHsl240(clBlue), (THsl240{160, 240, 120}));
  EXPECT_EQ(ColorToHsl240(clBtnFace), (THsl240{0, 0, 226}));  // resolved through the palette
  EXPECT_EQ(HueOfColor(clLime), 80);
}

TEST(ShadeSystem, composesColoursFromHsl) {
  EXPECT_EQ(HslToColor240(0, 240, 120), clRed);
  EXPECT_EQ(HslToColor240(77, 200, 0), clBlack);
  const TColor grey = HslToColor240(50, 0, 100);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  // hue / 239 passes 1: the seventh sextant is drawn like the first
  EXPECT_EQ(HslToColor240(240, 240, 120), RGB(255, 6, 0));
}

TEST(ShadeSystem, shadesKeepTheirLimits) {
  EXPECT_EQ(DarkerShade(clBlack, 50), clBlack);
  for (TColor c : {clRed, clNavy, clBtnFace, TColor(0x123456)}) {
    EXPECT_EQ(LighterShade(c, 255), clWhite) << std::hex << c;
  }
  EXPECT_EQ(AdjustedShade(clBtnFace, 0), clBtnFace);
  EXPECT_EQ(AdjustedShade(clGray, -20), DarkerShade(clGray, 20));
  EXPECT_EQ(AdjustedShade(clGray, 20), LighterShade(clGray, 20));
  EXPECT_FALSE(IsSystemColor(DarkerShade(clBtnFace, 10)));
}

TEST(ShadeSystem, mixesComparesAndOpposesColours) {
  EXPECT_EQ(MixColors(clWhite, clBlack, 255), clWhite);
  EXPECT_EQ(MixColors(clWhite, clBlack, 0), clBlack);
  EXPECT_EQ(MixColors(RGB(200, 0, 0), RGB(0, 0, 100), 51), RGB(40, 0, 80));
  EXPECT_TRUE(ColorsAlike(HslToColor240(40, 240, 120), HslToColor240(40, 60, 120)));
  EXPECT_FALSE(ColorsAlike(clBlack, clWhite));
  EXPECT_EQ(OppositeHueColor(clRed, 120), RGB(0, 252, 255));
}

TEST(ShadeSystem, schemeAndOfficeColoursFollowTheTheme) {
  EXPECT_EQ(XpColorSchemeOf(QStringLiteral("HomeStead")), 1);
  EXPECT_EQ(XpColorSchemeOf(QStringLiteral("Metallic")), 2);
  EXPECT_EQ(XpColorSchemeOf(QStringLiteral("NormalColor")), 0);
  EXPECT_EQ(XpColorSchemeOf(QString()), 0);
  EXPECT_EQ(XpColorScheme(), 0);
  EXPECT_TRUE(HighColorDisplay());

  for (auto style : {TRzGradientColorStyle::gcsSystem, TRzGradientColorStyle::gcsMSOffice}) {
    const TColorPair pair = OfficeGradientColors(style);
    EXPECT_EQ(pair.Start, clWindow);
    EXPECT_EQ(pair.Stop, DarkerShade(clBtnFace, 10));
    EXPECT_EQ(OfficeFrameColor(style), LighterShade(clBtnShadow, 30));
    const TBannerColors banner = OfficeBannerColors(style);
    EXPECT_EQ(banner.Start, clWindow);
    EXPECT_EQ(banner.Stop, DarkerShade(clBtnFace, 20));
    EXPECT_EQ(banner.Frame, DarkerShade(clBtnFace, 40));
  }
  const TColorPair themed = OfficeGradientColorsFor(TRzGradientColorStyle::gcsMSOffice, true, 1);
  EXPECT_EQ(themed.Start, TColor(0xEDFFFF));
  EXPECT_EQ(themed.Stop, TColor(0x92C7B8));
  EXPECT_EQ(OfficeFrameColorFor(TRzGradientColorStyle::gcsMSOffice, true, 2), TColor(0xB19F9F));
  EXPECT_EQ(OfficeBannerColorsFor(TRzGradientColorStyle::gcsMSOffice, true, 0).Frame, TColor(0xEABB99));
  for (int kind = -1; kind <= 8; ++kind) {
    EXPECT_EQ(ThemeElementColor(kind), clBtnFace);
  }
}
