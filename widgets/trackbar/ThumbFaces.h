#pragma once

#include <QByteArray>

class TTrackBarThumb;

/// The program's own fader-knob artwork, drawn in code so every run and
/// every machine gets the same pixels: 24-bit BMP files of 16 x 29 pixels
/// (29 x 16 for a horizontal fader) whose bottom-left pixel holds the key
/// colour that the track bar leaves out. GUI thread.
namespace ThumbFaces {

enum class TThumbFace { Normal, Hot, Down, Disabled };

/// The BMP file bytes of one face.
QByteArray Bitmap(TThumbFace face, bool horizontal);

/// Loads the normal, hot, down and disabled pictures into a thumb.
void Fill(TTrackBarThumb& thumb, bool horizontal);

}  // namespace ThumbFaces
