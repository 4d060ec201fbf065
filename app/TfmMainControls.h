#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/threads/TTimer.h"
#include "platform/widgets/TMainMenu.h"

class LMyFFTDrawHpLp6dB;
class TiXYPlot;
class TPaintBox;
class TRzBmpButton;
class TRzGroupBox;

/// The controls of the main window that the window itself works with; every
/// control (these included) is also registered under its name. The page
/// arrays are indexed by page number (0-8 the channels, 9 Comp, 10 Delay,
/// 11 Gain, 12 Matrix, 13 Gate, 14 Limit), the plots by their response-curve
/// index (0-8 the channels, 9 input gain, 10 output gain, 11 compressor EQ).
struct TfmMainControls {
  static constexpr int kPages = 15;
  static constexpr int kResponsePlots = 12;

  TMainMenu MainMenu;
  std::vector<std::unique_ptr<TTimer>> Timers;

  TRzGroupBox* rzgFunction = nullptr;
  TRzGroupBox* rzgMain = nullptr;
  TRzGroupBox* rzgPreset = nullptr;
  TRzBmpButton* rzbMenuLink = nullptr;
  std::array<TRzBmpButton*, kPages> PageButtons{};
  std::array<TRzGroupBox*, kPages> UpperGroups{};
  std::array<TRzGroupBox*, kPages> LowerGroups{};
  std::array<LMyFFTDrawHpLp6dB*, kResponsePlots> ResponsePlots{};
  TiXYPlot* ipComp = nullptr;
  TiXYPlot* ipGate = nullptr;
  TiXYPlot* ipLimit = nullptr;
  TPaintBox* pbMatrix = nullptr;
};
