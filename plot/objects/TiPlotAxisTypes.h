#pragma once

#include <QString>

/// Linear or decimal-logarithmic scale.
enum class TiPlotScaleType { ipstLinear = 0, ipstLog10 = 1 };
/// Side of the data view on which an axis stands.
enum class TiQuadSide { iqsLeft = 0, iqsTop = 1, iqsRight = 2, iqsBottom = 3 };
/// An axis beside the data view, or drawn across it at the other axis's value.
enum class TiPlotCartesianStyle { ipcsNone = 0, ipcsMaster = 1, ipcsChild = 2 };
/// How an axis writes its values.
enum class TiPlotTextFormat {
  iptfValue = 0,
  iptfExponent = 1,
  iptfPrefix = 2,
  iptfDateTime = 3,
  iptfPrice32nds = 4,
  iptfThousands = 5,
};
enum class TiPrecisionStyle { ipsSignificantDigits = 0, ipsFixedDecimalPoints = 1 };
enum class TiPlotTickType { ipttMajor = 0, ipttMinor = 1 };

/// One tick of an axis: its type, value, pixel along the scale, label
/// (majors generated automatically) and whether it lies on the scale.
struct TiPlotTickObject {
  TiPlotTickType TickType = TiPlotTickType::ipttMajor;
  double Position = 0;
  int PositionPixels = 0;
  QString Text;
  bool Show = false;
};

/// One set of value-text settings (labels, cursor or legend).
struct TiPlotTextSettings {
  TiPlotTextFormat FormatStyle = TiPlotTextFormat::iptfValue;
  QString DateTimeFormat = QStringLiteral("hh:nn:ss");
  int Precision = 3;
  TiPrecisionStyle PrecisionStyle = TiPrecisionStyle::ipsSignificantDigits;
  double MinLength = 5;
  bool MinLengthAutoAdjust = false;
};

/// How an axis follows the values its channels report.
enum class TiPlotTrackingStyle {
  iptsScaleMinMax = 0,
  iptsScaleMax = 1,
  iptsScaleMin = 2,
  iptsScrollSmooth = 3,
  iptsScrollPage = 4,
  iptsExpandCollapse = 5,
  iptsExpandCollapseFast = 6,
  iptsExpandMinMax = 7,
};
enum class TiPlotTrackingIncrementStyle { iptisMinimum = 0, iptisMajor = 1, iptisMinor = 2 };
enum class TiPlotAlignFirstStyle { ipafsMin = 0, ipafsMax = 1, ipafsAuto = 2, ipafsNone = 3 };
enum class TiPlotAxisMode { ipamScroll = 0, ipamZoom = 1 };
