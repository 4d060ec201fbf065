#pragma once

#include <optional>

#include <QByteArray>

/// The one reading of a text typed into any frequency box: each of "HZ",
/// "Hz", "hZ", "hz" found in the text drops its last two characters, then
/// each of "k", "K" its last one and makes the value kilohertz; the rest
/// must be digits, points, commas and blanks with at most one point, and
/// not "." (nor "0" where `zeroRefused`). The value is the leading number
/// (C rule, so "1,5" reads 1 and a number beyond double is infinite),
/// times 1000 for kilohertz: the Hz the box's owner puts on its grid.
/// Nothing for a refused text. Pure; any thread.
std::optional<double> TypedFrequencyHertz(QByteArray text, bool zeroRefused);
