#pragma once

#include <QString>

#include "platform/drawing/TColor.h"

class LMyFFTDrawHpLp6dB;
class TAdvTrackBar;
class TImage;
class TMyPEQType10;
class TRzBmpButton;
class TRzGroupBox;
class TShape;
class TVrDemoButton;
class TiXYPlot;

/// The main window's own look: dark page groups with white captions,
/// drawn button faces and the meter colours. Everything is drawn in code,
/// so every run shows the same pixels.
namespace MainWindowLook {

constexpr TColor kPageColor = RGB(36, 42, 54);
constexpr TColor kPageColorTo = RGB(18, 22, 30);
constexpr TColor kFrameColor = RGB(92, 104, 128);
constexpr TColor kScaleText = RGB(190, 200, 215);
constexpr TColor kLampDark = 20123;
constexpr TColor kLampLit = 4629503;
/// Caption colours of the page buttons: shown page, other pages.
constexpr TColor kPageShown = RGB(0, 255, 0);
constexpr TColor kPageOther = clWhite;

void StyleGroup(TRzGroupBox& group, const QString& caption);
void StyleSlider(TAdvTrackBar& bar);
/// Caption, font and the four drawn faces (Up, Hot, Down, StayDown).
void StyleButton(TRzBmpButton& button, const QString& caption);
/// A dark push button with white text, lime under the pointer.
void StyleDemoButton(TVrDemoButton& button);
/// A band panel of `bands` rows in the window's colours.
void StyleBandPanel(TMyPEQType10& panel, int bands);
/// A response plot: the frequency grid 966..3840, -18..+18 dB.
void StylePlot(LMyFFTDrawHpLp6dB& plot);
/// The threshold marker's colour on a transfer plot: red 255, green 128, blue 128.
constexpr TColor kTransferMarkerColour = 8421631;
/// A dynamics transfer plot: both axes -100..+20 dB without tracking, no
/// toolbar, legend or title; channel 0 the white curve of width 2, channel
/// 1 the threshold marker, a dotted trace of width 5 with its marker shown.
void StyleTransferPlot(TiXYPlot& plot);
/// The delay line's moving picture: a loudspeaker in the channel's colour.
void DrawDelayPicture(TImage& image, int channel);
/// A block of the signal-flow overview: a rounded rectangle.
void StyleOverviewShape(TShape& shape, TColor colour);
TColor OverviewBlockColour(int index);
/// The caption of a meter scale mark ("Clip", "12", "N15" ...).
QString ScaleText(const QString& mark);

}  // namespace MainWindowLook
