#pragma once

#include <QString>

#include "platform/widgets/InputTypes.h"

/// The kind of a plot object: which manager holds it and which of the
/// plot's per-kind events it raises. Time-series and X-Y channels are two
/// kinds of channel.
enum class TiPlotObjectKind {
  Other = 0,
  ToolBar = 1,
  Legend = 2,
  Table = 3,
  XAxis = 4,
  YAxis = 5,
  Channel = 6,
  XYChannel = 7,
  DataView = 8,
  DataCursor = 9,
  Limit = 10,
  Label = 11,
  Annotation = 12,
  LayoutMarker = 13,
};

/// Whether a kind is one of the channel kinds.
constexpr bool IsChannelKind(TiPlotObjectKind kind) {
  return kind == TiPlotObjectKind::Channel || kind == TiPlotObjectKind::XYChannel;
}

/// The mouse record every object's mouse operations receive: client
/// position, screen position, the position along the X and Y axes (X and Y,
/// swapped when the axes are reversed), shift state, button and whether the
/// press belongs to a double click.
struct TiPlotMouseData {
  int X = 0;
  int Y = 0;
  int ScreenX = 0;
  int ScreenY = 0;
  int XAxisPixels = 0;
  int YAxisPixels = 0;
  TShiftState Shift;
  TMouseButton Button = TMouseButton::mbLeft;
  bool DblClickActive = false;
};

/// The hint an object wants shown while the mouse rests over it.
struct TiHintData {
  QString Text;
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = false;
};

/// The layout of a plot's data files and log: per-channel (saved) or
/// shared-X (log) text, or "Compact Interval" 4-byte singles.
enum class TiPlotDataFileFormat { ipdffText = 0, ipdffCompactInterval = 1 };
/// The field separator of the text layouts: a TAB or ",".
enum class TiPlotDataFileColumnSeparator { ipdfcsTab = 0, ipdfcsComma = 1 };
