#pragma once

#include <QString>

#include "platform/drawing/TColor.h"

/// Colour arithmetic of the panel and button widget set on a hue,
/// saturation and lightness model with each channel on a 0..240 scale, and
/// the colour choices that follow the desktop's theme. Stateless functions
/// apart from the cached XP colour scheme and high-colour flag. GUI thread.
namespace Rz {

/// Hue, saturation and lightness, each 0..240 (lightness up to 255 as an
/// argument of HslToColor240).
struct THsl240 {
  int Hue = 0;
  int Saturation = 0;
  int Lightness = 0;
  friend bool operator==(const THsl240&, const THsl240&) = default;
};

THsl240 ColorToHsl240(TColor color);
/// A literal colour; hue is divided by 239, channels above 1 are cut to 1.
TColor HslToColor240(int hue, int saturation, int lightness);
int HueOfColor(TColor color);
/// Lightness lowered by amount (not below 0), hue and saturation kept.
TColor DarkerShade(TColor color, int amount);
/// Lightness raised by amount (not above 255).
TColor LighterShade(TColor color, int amount);
/// Darker for a negative adjustment, lighter for a positive one, the colour
/// itself (unresolved) for 0.
TColor AdjustedShade(TColor color, int adjustment);
/// Each channel color1 * w/255 + color2 * (1 - w/255), rounded.
TColor MixColors(TColor color1, TColor color2, int weight);
/// Hues closer than 20 and lightnesses closer than 60.
bool ColorsAlike(TColor color1, TColor color2);
/// The hue 120 steps away, full saturation, the given lightness.
TColor OppositeHueColor(TColor color, int lightness);

/// The scheme a theme colour name stands for: "HOMESTEAD" 1 (olive),
/// "METALLIC" 2 (silver), anything else 0 (case-insensitive).
int XpColorSchemeOf(const QString& colorName);
/// The process-wide scheme, read at start-up (PlatformInfo) and again by
/// RefreshXpColorScheme (a framed panel does on a theme change).
int XpColorScheme();
void RefreshXpColorScheme();
/// True when the display has more than 256 colours.
bool HighColorDisplay();

/// Light, medium and dark colour of an XP scheme (0..2; others as 0).
TColor XpSchemeColor(int scheme, int column);

enum class TRzGradientColorStyle : unsigned char { gcsSystem, gcsMSOffice, gcsCustom };

struct TColorPair {
  TColor Start = clNone;
  TColor Stop = clNone;
};
struct TBannerColors {
  TColor Start = clNone;
  TColor Stop = clNone;
  TColor Frame = clNone;
};

TColorPair OfficeGradientColors(TRzGradientColorStyle style);
TColor OfficeFrameColor(TRzGradientColorStyle style);
TBannerColors OfficeBannerColors(TRzGradientColorStyle style);
/// The same with the theme state and scheme given (for the themed paths).
TColorPair OfficeGradientColorsFor(TRzGradientColorStyle style, bool themed, int scheme);
TColor OfficeFrameColorFor(TRzGradientColorStyle style, bool themed, int scheme);
TBannerColors OfficeBannerColorsFor(TRzGradientColorStyle style, bool themed, int scheme);

/// clBtnFace: visual themes are never active here, so no element is read.
TColor ThemeElementColor(int kind);

}  // namespace Rz
