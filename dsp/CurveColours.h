#pragma once

#include <optional>

#include "platform/drawing/TColor.h"

/// Marker colour of a response section; the table repeats every 14 sections.
TColor SectionMarkerColour(int section);

/// Colour of the total curve of response plot 0..11 (the nine channels,
/// then the input gain, output gain and compressor plots); none outside.
std::optional<TColor> PlotTotalColour(int plotIndex);
