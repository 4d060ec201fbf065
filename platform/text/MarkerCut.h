#pragma once

#include <QByteArray>
#include <span>

/// Each marker found anywhere in the text drops the text's LAST `count`
/// characters, whatever stood there; later markers see the shorter text.
/// True when any marker was found. This is how typed values lose their unit
/// ("1.5KHz", "-3dB"): the unit is taken as trailing whatever its place.
bool CutForMarkers(QByteArray& text, std::span<const char* const> markers, qsizetype count);
