#pragma once

#include <cstdint>

/// The plot file a plot_files input holds.
enum class PlotFuzzFile : int { Description, Properties, Annotations, Data, ChannelData, ChannelProperties, Count };

/// What the first byte of a plot_files input picks: the file kind in its
/// low four bits (modulo the number of kinds), apart from it an XY plot
/// instead of a time plot (bit 6) and, for channel data, that the points
/// already held are cleared (bit 7).
struct PlotFuzzChoice {
  PlotFuzzFile kind = PlotFuzzFile::Description;
  bool xy = false;
  bool clear = false;
};

PlotFuzzChoice DecodePlotFuzzChoice(std::uint8_t first);
