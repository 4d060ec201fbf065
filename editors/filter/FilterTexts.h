#pragma once

#include <array>

#include <QString>

/// The response-section type (see PlotSection) that draws each PeqType 0..10;
/// a bypassed band is drawn flat (type 10, gain 0).
inline constexpr std::array<int, 11> PeqSectionTypes{1, 2, 3, 8, 5, 9, 4, 7, 17, 6, 19};
inline constexpr int kFlatSectionType = 10;

/// The texts of the equaliser and crossover boxes, in the C locale.
/// "%4.2fKHz" of hz / 1000 from 1000 Hz, else "%4.1fHz" (with a leading
/// blank when `blankBelowKilo`, as the high-cut box shows it).
QString FilterFrequencyText(double hz, bool blankBelowKilo = false);
/// Gain code 0..240: "+%3.1f" from code 120 up, else "%4.1f", then "dB".
QString PeqGainCodeText(int code);
/// "%3.2f" of the Q table value at the QIndex.
QString PeqQIndexText(int qIndex);
