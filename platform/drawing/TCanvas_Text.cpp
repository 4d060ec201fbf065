#include "platform/drawing/TCanvas.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

#include "platform/text/GlyphRuns.h"

namespace {
// Drawing on no image, or on an empty one, does nothing (and opens no painter).
bool NoTextPixels(const QImage* image) { return image == nullptr || image->isNull(); }

struct Line {
  QString text;
  int underline = -1;  // index of the prefixed character, or -1
};

// Removes "&" marks: "&&" -> "&", "&x" -> x underlined; a trailing "&" stays.
Line StripPrefix(const QString& text, bool hidePrefix) {
  Line line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
      ++i;
      if (text[i] != QLatin1Char('&') && line.underline < 0 && !hidePrefix) {
        line.underline = int(line.text.size());
      }
    }
    line.text += text[i];
  }
  return line;
}

QString ExpandTabs(const QString& text, const QFont& font, int tabWidth) {
  if (!text.contains(QLatin1Char('\t'))) {
    return text;
  }
  QString out;
  const int space = std::max(1, QFontMetrics(font).horizontalAdvance(QLatin1Char(' ')));
  for (QChar c : text) {
    if (c == QLatin1Char('\t')) {
      const int width = GlyphRunsAdvance(font, out);
      const int next = (width / tabWidth + 1) * tabWidth;
      out += QString((next - width + space - 1) / space, QLatin1Char(' '));
    } else {
      out += c;
    }
  }
  return out;
}

// Breaks one paragraph at blanks so each line fits width; a word longer than
// the width keeps a line of its own.
QStringList WrapWords(const QString& paragraph, const QFont& font, int width) {
  QStringList lines;
  QString current;
  const QStringList words = paragraph.split(QLatin1Char(' '));
  for (const QString& word : words) {
    const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
    if (!current.isEmpty() && GlyphRunsAdvance(font, candidate) > width) {
      lines << current;
      current = word;
    } else {
      current = candidate;
    }
  }
  lines << current;
  return lines;
}

QString Ellipsize(const QString& text, const QFont& font, int width, unsigned flags) {
  const QString dots = QStringLiteral("...");
  if (GlyphRunsAdvance(font, text) <= width) {
    return text;
  }
  if (flags & DT_PATH_ELLIPSIS) {
    const qsizetype slash = std::max(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/')));
    if (slash > 0) {
      const QString tail = text.mid(slash);
      QString head = text.left(slash);
      while (!head.isEmpty() && GlyphRunsAdvance(font, head + dots + tail) > width) {
        head.chop(1);
      }
      return head + dots + tail;
    }
  }
  QString head = text;
  while (!head.isEmpty() && GlyphRunsAdvance(font, head + dots) > width) {
    head.chop(1);
    if (flags & DT_WORD_ELLIPSIS) {
      const qsizetype blank = head.lastIndexOf(QLatin1Char(' '));
      head = blank >= 0 ? head.left(blank) : QString();
    }
  }
  return head + dots;
}
}  // namespace

TSize TCanvas::TextExtent(const QString& text) const {
  return {GlyphRunsAdvance(m_font.ToQFont(), text), m_font.TextMetrics().tmHeight};
}

void TCanvas::DrawTextLine(int x, int top, const QString& text, int underlineIndex, const TRect* clip) {
  auto painter = BeginPainter();
  QFont font = m_font.ToQFont();
  if (m_monochrome) {
    font.setStyleStrategy(QFont::NoAntialias);
  }
  if (clip != nullptr) {
    painter->setClipRect(clip->ToQRect(), Qt::IntersectClip);
  }
  const TTextMetric tm = m_font.TextMetrics();
  if (m_state.bkMode == OPAQUE) {
    const int width = GlyphRunsAdvance(font, text);
    painter->fillRect(QRect(x, top, width, tm.tmHeight), QColor::fromRgb(Realize(ColorToQRgb(m_state.bkColor))));
  }
  const QColor color = QColor::fromRgb(Realize(ColorToQRgb(m_state.textColor)));
  painter->setPen(color);
  DrawGlyphRuns(*painter, QPoint(x, top + tm.tmAscent), font, text);
  if (underlineIndex >= 0 && underlineIndex < text.size()) {
    const int ux = x + GlyphRunsAdvance(font, text.left(underlineIndex));
    const int uw = GlyphRunsAdvance(font, text.mid(underlineIndex, 1));
    painter->fillRect(QRect(ux, top + tm.tmAscent + 1, uw, 1), color);
  }
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  if (NoTextPixels(m_target)) {
    return;
  }
  const unsigned align = m_state.textAlign;
  if (align & TA_UPDATECP) {
    x = m_penPos.X;
    y = m_penPos.Y;
  }
  QFont font = m_font.ToQFont();
  if (m_monochrome) {
    font.setStyleStrategy(QFont::NoAntialias);
  }
  const TTextMetric tm = m_font.TextMetrics();
  // Laying the text out is the costly part; a left-aligned line drawn
  // upright on a transparent background never needs its width.
  const bool needsWidth = (align & (TA_CENTER | TA_RIGHT | TA_UPDATECP)) != 0 ||
                          (m_font.Orientation() != 0 && m_state.bkMode == OPAQUE);
  const int width = needsWidth ? GlyphRunsAdvance(font, text) : 0;
  const int height = tm.tmHeight;
  // Offsets of the text's top-left from the reference point.
  int ox = 0;
  if ((align & TA_CENTER) == TA_CENTER) {
    ox = -width / 2;
  } else if (align & TA_RIGHT) {
    ox = -width;
  }
  int oy = 0;
  if ((align & TA_BASELINE) == TA_BASELINE) {
    oy = -tm.tmAscent;
  } else if (align & TA_BOTTOM) {
    oy = -height;
  }
  if (align & TA_UPDATECP) {
    m_penPos.X = x + ((align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -width : width);
  }
  if (m_font.Orientation() == 0) {
    DrawTextLine(x + ox, y + oy, text, -1, nullptr);
    return;
  }
  auto painter = BeginPainter();
  painter->translate(x, y);
  painter->rotate(-m_font.Orientation() / 10.0);
  if (m_state.bkMode == OPAQUE) {
    painter->fillRect(QRect(ox, oy, width, height), QColor::fromRgb(Realize(ColorToQRgb(m_state.bkColor))));
  }
  painter->setPen(QColor::fromRgb(Realize(ColorToQRgb(m_state.textColor))));
  DrawGlyphRuns(*painter, QPoint(ox, oy + tm.tmAscent), font, text);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  if (NoTextPixels(m_target)) {
    return;
  }
  if (m_state.bkMode == OPAQUE) {
    FillRect(r);
  }
  const int mode = SetBkMode(TRANSPARENT);
  const unsigned align = m_state.textAlign;
  const int ox = ((align & TA_CENTER) == TA_CENTER) ? -TextWidth(text) / 2 : (align & TA_RIGHT) ? -TextWidth(text) : 0;
  const TTextMetric tm = m_font.TextMetrics();
  const int oy = ((align & TA_BASELINE) == TA_BASELINE) ? -tm.tmAscent : (align & TA_BOTTOM) ? -tm.tmHeight : 0;
  DrawTextLine(x + ox, y + oy, text, -1, &r);
  SetBkMode(mode);
}

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned flags) {
  const QFont font = m_font.ToQFont();
  const TTextMetric tm = m_font.TextMetrics();
  const int lineHeight = tm.tmHeight + ((flags & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  const int width = rect.Width();
  const int tabWidth = 8 * std::max(1, QFontMetrics(font).horizontalAdvance(QLatin1Char('x')));
  const bool single = (flags & DT_SINGLELINE) != 0;

  QStringList paragraphs;
  if (single) {
    QString joined = text;
    joined.remove(QLatin1Char('\r'));
    joined.remove(QLatin1Char('\n'));
    paragraphs << joined;
  } else {
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    paragraphs = normalized.split(QLatin1Char('\n'));
  }
  std::vector<Line> lines;
  for (const QString& paragraph : paragraphs) {
    Line stripped = (flags & DT_NOPREFIX) ? Line{paragraph, -1} : StripPrefix(paragraph, flags & DT_HIDEPREFIX);
    if (flags & DT_EXPANDTABS) {
      stripped.text = ExpandTabs(stripped.text, font, tabWidth);
    }
    if ((flags & DT_WORDBREAK) && !single) {
      const QStringList wrapped = WrapWords(stripped.text, font, width);
      int consumed = 0;
      for (const QString& piece : wrapped) {
        const int underline = stripped.underline >= consumed && stripped.underline < consumed + int(piece.size())
                                  ? stripped.underline - consumed
                                  : -1;
        lines.push_back({piece, underline});
        consumed += int(piece.size()) + 1;
      }
    } else {
      lines.push_back(stripped);
    }
  }
  if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) {
    for (Line& line : lines) {
      const QString shortened = Ellipsize(line.text, font, width, flags);
      if (shortened != line.text) {
        line.text = shortened;
        line.underline = -1;
      }
    }
  }

  const int textHeight = lineHeight * int(lines.size());
  int top = rect.Top;
  if (single && (flags & DT_VCENTER)) {
    top = rect.Top + (rect.Height() - lineHeight) / 2;
  } else if (single && (flags & DT_BOTTOM)) {
    top = rect.Bottom - lineHeight;
  }
  const int result = (single && (flags & (DT_VCENTER | DT_BOTTOM))) ? top - rect.Top + textHeight : textHeight;

  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) {
      widest = std::max(widest, GlyphRunsAdvance(font, line.text));
    }
    if (!(flags & DT_WORDBREAK) || widest > width) {
      rect.Right = rect.Left + widest;
    }
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }
  if (NoTextPixels(m_target)) {
    return result;
  }
  const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &rect;
  int y = top;
  for (const Line& line : lines) {
    const int lineWidth = GlyphRunsAdvance(font, line.text);
    int x = rect.Left;
    if (flags & DT_CENTER) {
      x = rect.Left + (width - lineWidth) / 2;
    } else if (flags & DT_RIGHT) {
      x = rect.Right - lineWidth;
    }
    DrawTextLine(x, y, line.text, line.underline, clip);
    y += lineHeight;
  }
  return result;
}
