#pragma once

#include <optional>

#include <QString>

/// A frequency typed into a band's frequency box, as its FreqIndex 0..300:
/// the unit suffixes "Hz" (any letter case) and "k"/"K" are dropped from
/// the end, then the text must be digits, points, commas and blanks with at
/// most one point; its leading number (C locale) times 1000 with "k" is put
/// on the grid and held within 0..300. Nothing for a refused text.
std::optional<int> ParseTypedFrequency(const QString& text);
