#include "platform/text/GlyphRuns.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

namespace {
bool IsArrow(QChar c) { return c.unicode() >= 0x2190 && c.unicode() <= 0x21FF; }

// The face that draws the arrows for a face whose own are unusable, or an
// empty name when the face's own are fine.
QString ArrowFace(const QFont& font) {
  const QString face = font.families().value(0, font.family());
  if (face.compare(QLatin1String("Liberation Sans"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("DejaVu Sans");
  }
  if (face.compare(QLatin1String("Liberation Serif"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("DejaVu Serif");
  }
  if (face.compare(QLatin1String("Liberation Mono"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("DejaVu Sans Mono");
  }
  return {};
}
}  // namespace

std::vector<GlyphRun> SplitGlyphRuns(const QFont& font, const QString& text) {
  const QString arrowFace = std::any_of(text.begin(), text.end(), IsArrow) ? ArrowFace(font) : QString();
  if (arrowFace.isEmpty()) {
    return {{font, text}};
  }
  QFont arrows = font;
  QStringList families = font.families();
  families[0] = arrowFace;
  arrows.setFamilies(families);
  std::vector<GlyphRun> runs;
  for (const QChar c : text) {
    const QFont& wanted = IsArrow(c) ? arrows : font;
    if (runs.empty() || runs.back().font != wanted) {
      runs.push_back({wanted, QString()});
    }
    runs.back().text += c;
  }
  return runs;
}

int GlyphRunsAdvance(const QFont& font, const QString& text) {
  int advance = 0;
  for (const GlyphRun& run : SplitGlyphRuns(font, text)) {
    advance += QFontMetrics(run.font).horizontalAdvance(run.text);
  }
  return advance;
}

void DrawGlyphRuns(QPainter& painter, const QPoint& baseline, const QFont& font, const QString& text) {
  const std::vector<GlyphRun> runs = SplitGlyphRuns(font, text);
  int x = baseline.x();
  for (std::size_t k = 0; k < runs.size(); ++k) {
    painter.setFont(runs[k].font);
    painter.drawText(QPoint(x, baseline.y()), runs[k].text);
    // Only a following run needs the advance; measuring lays the text out again.
    if (k + 1 < runs.size()) {
      x += QFontMetrics(runs[k].font).horizontalAdvance(runs[k].text);
    }
  }
  painter.setFont(font);
}
