#include "widgets/panelset/ShadeSystem.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/core/PlatformInfo.h"
#include "platform/core/Rounding.h"

namespace Rz {
namespace {
constexpr std::array<std::array<TColor, 3>, 3> kXpSchemes = {{
    {0xFFEFE3, 0xEABB99, 0xBF7F57},  // normal
    {0xEDFFFF, 0x92C7B8, 0x77A17F},  // olive
    {0xFFF9F9, 0xD0BCBD, 0xB19F9F},  // silver
}};
constexpr int kLight = 0;
constexpr int kMedium = 1;
constexpr int kDark = 2;

int& CachedScheme() {
  static int scheme = XpColorSchemeOf(PlatformInfo::ThemeColorName());
  return scheme;
}

int Channel(double value) { return Round(std::min(value, 1.0) * 255.0); }
}  // namespace

THsl240 ColorToHsl240(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const double r = GetRValue(rgb) / 255.0;
  const double g = GetGValue(rgb) / 255.0;
  const double b = GetBValue(rgb) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double l = (max + min) / 2.0;
  double h = 0;
  double s = 0;
  if (max != min) {
    const double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
    if (r == max) {
      h = (g - b) / d;
    } else if (g == max) {
      h = 2.0 + (b - r) / d;
    } else {
      h = 4.0 + (r - g) / d;
    }
    h /= 6.0;
    if (h < 0) {
      h += 1.0;
    }
  }
  return {Round(h * 240.0), Round(s * 240.0), Round(l * 240.0)};
}

TColor HslToColor240(int hue, int saturation, int lightness) {
  const double h = hue / 239.0;
  const double s = saturation / 240.0;
  const double l = lightness / 240.0;
  const double m2 = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
  if (m2 <= 0) {
    return clBlack;
  }
  const double m1 = 2.0 * l - m2;
  const int sextant = Trunc(6.0 * h);
  const double f = 6.0 * h - sextant;
  const double v = m2 * ((m2 - m1) / m2) * f;
  const double up = m1 + v;
  const double down = m2 - v;
  double r = m2;
  double g = up;
  double b = m1;
  switch (sextant) {
    case 1: r = down; g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = up; break;
    case 3: r = m1; g = down; b = m2; break;
    case 4: r = up; g = m1; b = m2; break;
    case 5: r = m2; g = m1; b = down; break;
    default: break;
  }
  return RGB(Channel(r), Channel(g), Channel(b));
}

int HueOfColor(TColor color) { return ColorToHsl240(color).Hue; }

TColor DarkerShade(TColor color, int amount) {
  const THsl240 hsl = ColorToHsl240(color);
  return HslToColor240(hsl.Hue, hsl.Saturation, std::max(hsl.Lightness - amount, 0));
}

TColor LighterShade(TColor color, int amount) {
  const THsl240 hsl = ColorToHsl240(color);
  return HslToColor240(hsl.Hue, hsl.Saturation, std::min(hsl.Lightness + amount, 255));
}

TColor AdjustedShade(TColor color, int adjustment) {
  if (adjustment < 0) {
    return DarkerShade(color, -adjustment);
  }
  return adjustment == 0 ? color : LighterShade(color, adjustment);
}

TColor MixColors(TColor color1, TColor color2, int weight) {
  const TColor a = ColorToRGB(color1);
  const TColor b = ColorToRGB(color2);
  const double x = weight / 255.0;
  auto mix = [x](int ca, int cb) { return Round(ca * x + cb * (1.0 - x)); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool ColorsAlike(TColor color1, TColor color2) {
  const THsl240 a = ColorToHsl240(color1);
  const THsl240 b = ColorToHsl240(color2);
  return std::abs(a.Hue - b.Hue) < 20 && std::abs(a.Lightness - b.Lightness) < 60;
}

TColor OppositeHueColor(TColor color, int lightness) {
  const int hue = HueOfColor(color);
  return HslToColor240(hue < 120 ? hue + 120 : hue - 120, 240, lightness);
}

int XpColorSchemeOf(const QString& colorName) {
  const QString name = colorName.toUpper();
  if (name == QLatin1String("HOMESTEAD")) {
    return 1;
  }
  return name == QLatin1String("METALLIC") ? 2 : 0;
}

int XpColorScheme() { return CachedScheme(); }

void RefreshXpColorScheme() { CachedScheme() = XpColorSchemeOf(PlatformInfo::ThemeColorName()); }

bool HighColorDisplay() { return PlatformInfo::NumColors() == -1; }

TColor XpSchemeColor(int scheme, int column) {
  const std::size_t row = (scheme >= 0 && scheme <= 2) ? std::size_t(scheme) : 0;
  return kXpSchemes[row][std::size_t(std::clamp(column, 0, 2))];
}

TColorPair OfficeGradientColorsFor(TRzGradientColorStyle style, bool themed, int scheme) {
  if (style == TRzGradientColorStyle::gcsMSOffice && themed) {
    return {XpSchemeColor(scheme, kLight), XpSchemeColor(scheme, kMedium)};
  }
  return {clWindow, DarkerShade(clBtnFace, 10)};
}

TColor OfficeFrameColorFor(TRzGradientColorStyle style, bool themed, int scheme) {
  if (style == TRzGradientColorStyle::gcsMSOffice && themed) {
    return XpSchemeColor(scheme, kDark);
  }
  return LighterShade(clBtnShadow, 30);
}

TBannerColors OfficeBannerColorsFor(TRzGradientColorStyle style, bool themed, int scheme) {
  if (style == TRzGradientColorStyle::gcsMSOffice && themed) {
    return {XpSchemeColor(scheme, kLight), XpSchemeColor(scheme, kMedium), XpSchemeColor(scheme, kMedium)};
  }
  return {clWindow, DarkerShade(clBtnFace, 20), DarkerShade(clBtnFace, 40)};
}

TColorPair OfficeGradientColors(TRzGradientColorStyle style) {
  return OfficeGradientColorsFor(style, PlatformInfo::ThemesEnabled(), XpColorScheme());
}

TColor OfficeFrameColor(TRzGradientColorStyle style) {
  return OfficeFrameColorFor(style, PlatformInfo::ThemesEnabled(), XpColorScheme());
}

TBannerColors OfficeBannerColors(TRzGradientColorStyle style) {
  return OfficeBannerColorsFor(style, PlatformInfo::ThemesEnabled(), XpColorScheme());
}

TColor ThemeElementColor(int /*kind*/) { return clBtnFace; }

}  // namespace Rz
