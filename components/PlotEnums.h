#pragma once

#include <cstdint>

/// The enumerations both response plot classes publish.

/// Axis lines drawn by DrawAxis.
enum class TMyAxisStyle : std::int32_t { Box = 0, Centered = 1, CenteredBox = 2, LB = 3, None = 4 };

/// Value mapping of an axis.
enum class TMyAxisFormat : std::int32_t { Linear = 0, Log = 1 };

/// Number of curve positions the frequency scale spans: 2^n x 256.
enum class TFFTNumber : std::int32_t { n256 = 0, n512 = 1, n1024 = 2, n2048 = 3, n4096 = 4 };

/// Sample rate of the frequency scale; its Nyquist frequency is (ordinal + 1) x 24000 Hz.
enum class TSampleRate : std::int32_t { n48000 = 0, n96000 = 1, n192000 = 2 };

/// How the points of a curve are drawn: a line, squares filled with the
/// curve colour (1) or the control colour (2), or a line with those squares
/// (3, 4). Other values draw nothing.
enum class TMyPlotStyle : std::int32_t {
  Line = 0,
  ColorSquares = 1,
  BackgroundSquares = 2,
  LineColorSquares = 3,
  LineBackgroundSquares = 4,
};

/// Number format of the axis labels and the mouse read-out.
enum class TStringFloatFormat : std::uint8_t {
  sffGeneral = 0,
  sffExponent = 1,
  sffFixed = 2,
  sffNumber = 3,
  sffCurrency = 4,
};
