#pragma once

#include <array>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"

/// What the band overlays of a response plot draw, kept so that every
/// repaint can draw them again: up to kMarkerCount band markers, the
/// selected band (its parameters and fill curve), the overlay line and the
/// overlay text. A new state is all zero, false and empty. Part of its plot.
struct PlotOverlayState {
  static constexpr int kMarkerCount = 50;
  static constexpr int kFillPoints = 4096;

  /// Marker shapes; other values draw nothing.
  enum Shape { SquareNumber = 0, CircleNumber = 1, SquareLpf = 2, SquareHpf = 3 };

  static bool IsMarker(int index) { return index >= 0 && index < kMarkerCount; }

  std::array<double, kMarkerCount> BlockX{};
  std::array<double, kMarkerCount> BlockY{};
  std::array<double, kMarkerCount> BlockFrequency{};
  std::array<double, kMarkerCount> BlockGain{};
  std::array<double, kMarkerCount> BlockQ{};
  std::array<double, kMarkerCount> BlockFilterCode{};
  std::array<TColor, kMarkerCount> BlockColor{};
  std::array<TPoint, kMarkerCount> BlockPos{};
  std::array<bool, kMarkerCount> BlockHidden{};
  std::array<int, kMarkerCount> BlockShape{};
  /// Set once a marker has been drawn; a marker never drawn has no place.
  std::array<bool, kMarkerCount> BlockDrawn{};

  bool CurveDisplay = false;
  int ParamType = 0;
  double ParamGain = 0.0;
  double ParamX = 0.0;
  float ParamFrequency = 0.0f;
  double ParamQ = 0.0;
  TColor ParamColor = 0;
  std::array<double, kFillPoints> FillCurve{};

  bool ParameterDisplay = false;

  double LineX = 0.0;
  bool LineMarker = false;
  bool LineShown = false;

  int TextX = 0;
  int TextY = 0;
  int TextSize = 0;
  QString TextFont;
  TColor TextColor = 0;
  QString OverlayText;
};
