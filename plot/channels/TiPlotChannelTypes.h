#pragma once

/// How a channel keeps its points (which point list class it owns).
enum class TiPlotDataStyle { ipdsStandard = 0, ipdsCompact = 1, ipdsCompactInterval = 2, ipdsFullFeature = 3 };

/// A point is valid, null (a gap: traces break at it) or empty (skipped).
enum class TiPlotDataPointStatus { ipdpsValid = 0, ipdpsNull = 1, ipdpsEmpty = 2 };

enum class TiPlotLineStyle { iplsSolid = 0, iplsDash = 1, iplsDot = 2, iplsDashDot = 3, iplsDashDotDot = 4 };

enum class TiPlotMarkerStyle {
  ipmsCircle = 0,
  ipmsSquare = 1,
  ipmsDiamond = 2,
  ipmsCross = 3,
  ipmsPlus = 4,
  ipmsTriangleUp = 5,
  ipmsTriangleDown = 6,
  ipmsTriangleLeft = 7,
  ipmsTriangleRight = 8,
  ipmsVerticalLine = 9,
  ipmsHorizontalLine = 10,
  ipmsCharacter = 11,
};

enum class TiPlotChannelDataPointMoveStyle { ipcdpmsXandY = 0, ipcdpmsXOnly = 1, ipcdpmsYOnly = 2 };

enum class TiPlotInterpolationStyle {
  ipistStraightLine = 0,
  ipistCubicSpline = 1,
  ipistPolynomial = 2,
  ipistRational = 3,
  ipistDifferential = 4,
  ipistDifferentialTerminated = 5,
};

enum class TiPlotDigitalReferenceStyle { ipdrScale = 0, ipdrPercent = 1 };
enum class TiPlotHighLowStyle { iphlsOpenClose = 0, iphlsCandleStick = 1 };

/// What a data cursor measures: the value under pointer 1, or the distance
/// between its two pointers (period, peak-to-peak, frequency).
enum class TiPlotDataCursorStyle {
  ipcsValueXY = 0,
  ipcsValueX = 1,
  ipcsValueY = 2,
  ipcsDeltaX = 3,
  ipcsDeltaY = 4,
  ipcsInverseDeltaX = 5,
};
