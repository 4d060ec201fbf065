#pragma once

#include <vector>

#include "platform/drawing/TColor.h"

/// The colour a new channel gets, given the colours of every channel in the
/// channel manager with the new one included (still at its constructor
/// colour clRed): clRed for one channel or none; otherwise the first entry
/// of the 30-colour palette whose count among the channels is smallest.
/// Any thread.
TColor NextChannelColor(const std::vector<TColor>& channelColors);
