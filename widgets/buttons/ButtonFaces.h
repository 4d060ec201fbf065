#pragma once

#include "platform/drawing/TColor.h"

class TBitmap;
class TRzButtonBitmaps;

/// The program's own bitmap-button artwork, drawn in code so every run and
/// every machine gets the same pixels: label-less rounded faces (the caption
/// is drawn by the button) in a black outline, with the corners in the key
/// colour that the button leaves out. GUI thread.
namespace ButtonFaces {

enum class TFace { Up, Hot, Down, StayDown };

/// Draws one face of width x height into bitmap.
void Paint(TBitmap& bitmap, TFace face, int width, int height, TColor key);

/// Fills Up, Hot, Down and StayDown and sets the transparent colour; the
/// Disabled face is left empty, so the button embosses one from Up.
void Fill(TRzButtonBitmaps& bitmaps, int width, int height, TColor key);

}  // namespace ButtonFaces
