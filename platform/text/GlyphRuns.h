#pragma once

#include <vector>

#include <QFont>
#include <QString>

class QPainter;
class QPoint;

/// A piece of a line of text drawn from one face.
struct GlyphRun {
  QFont font;
  QString text;
};

/// Splits a line of text into runs of one face each. The Liberation faces
/// that stand in for Arial, Times New Roman and Courier New have the arrows
/// (U+2190..U+21FF), but drawn at about a third of the originals' size: at
/// label sizes they hint down to a line on the baseline and read as "_".
/// Those characters come from the DejaVu face of the same kind; everything
/// else keeps `font` (whose own family list still supplies missing glyphs).
/// Any thread.
std::vector<GlyphRun> SplitGlyphRuns(const QFont& font, const QString& text);

/// The advance of a line of text drawn as SplitGlyphRuns splits it.
int GlyphRunsAdvance(const QFont& font, const QString& text);

/// Draws a line of text as SplitGlyphRuns splits it, the runs on one
/// baseline starting at `baseline`, with the painter's pen.
void DrawGlyphRuns(QPainter& painter, const QPoint& baseline, const QFont& font, const QString& text);
