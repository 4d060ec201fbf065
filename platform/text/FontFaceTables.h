#pragma once

#include <QFont>

/// What the platform reads from the tables of the face a Qt font resolves
/// to: the Windows line metrics (OS/2 usWinAscent/usWinDescent and the head
/// table's units per em) and whether the face has TrueType outlines.
struct FontFaceTables {
  bool hasWinMetrics = false;  ///< false for faces without usable OS/2 and head tables
  int unitsPerEm = 0;
  int winAscent = 0;
  int winDescent = 0;
  bool trueTypeOutlines = false;  ///< the face has a non-empty "glyf" table
};

/// The tables of the face `font` resolves to. Reading a table copies it whole
/// (a face's outlines run to megabytes), so the answer for each Qt font is
/// read once and kept for the process, shared by every control and thread.
/// Any thread.
FontFaceTables FaceTablesOf(const QFont& font);

/// Forgets the kept answers: a face added to the font database may change
/// what a font resolves to. The font registry calls it when it adds faces.
void ForgetFontFaceTables();
