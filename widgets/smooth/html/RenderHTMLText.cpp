#include "widgets/smooth/html/RenderHTMLText.h"

#include <algorithm>
#include <limits>

#include "platform/drawing/GdiConstants.h"
#include "platform/text/TFont.h"
#include "platform/pictures/TImageList.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"
#include "widgets/gdiplus/TGDIPPictureContainer.h"
#include "widgets/gdiplus/TGPBrush.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPPen.h"
#include "widgets/smooth/html/HtmlImages.h"
#include "widgets/smooth/html/HtmlMarkup.h"

namespace {

using namespace HtmlMarkup;

// Positions and widths are kept in 64 bits so that saturated values of
// 32767 added up over any number of runs, images and list levels cannot
// overflow; they are clamped when they become coordinates.
using Coord = qint64;

constexpr int kListIndent = 12;
constexpr int kMaxDimension = 32767;

int ToInt(Coord v) {
  return int(std::clamp<Coord>(v, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2));
}

enum class TAlignment { Left, Right, Center };

// Everything a tag can change that lasts beyond the run it stands before.
struct TState {
  TFont font;
  TColor background = clNone;
  bool subscript = false;
  bool superscript = false;
  bool shadow = false;
  bool hidden = false;
  bool errorUnderline = false;
  bool inAnchor = false;
  QString anchorTarget;
  Coord listLevel = 0;
  TAlignment alignment = TAlignment::Left;
  Coord indent = 0;
  Coord lineOffset = 0;
  TColor backgroundBeforeFont = clNone;
  TColor colorBeforeHighlight = clNone;
  TColor backgroundBeforeHighlight = clNone;
  TColor colorBeforeAnchor = clNone;
  TColor backgroundBeforeAnchor = clNone;
  int anchorCount = 0;
  int imageCount = 0;
  Coord anchorLeft = 0;
  Coord anchorTop = 0;
  int anchorLine = -1;
  int imageUnderPoint = -1;
};

enum class TPass { Layout, Second };

// One pass over one line.
struct TLine {
  qsizetype start = 0;
  qsizetype end = 0;  // markup consumed by the layout pass
  TRect rect;
  bool drawing = false;
  Coord width = 0;
  Coord height = 0;
  Coord subExtra = 0;
  Coord superExtra = 0;
  Coord imageOffset = 0;
  bool anchorHit = false;
  bool imageHit = false;
  bool offsetSet = false;
  Coord offset = 0;
};

enum class TTagEffect { Continue, EndLineAfter, EndLineBefore };

class THtmlRenderer {
public:
  THtmlRenderer(TGPGraphics& surface, const TFont& baseFont, const QString& text, const TRect& bounds,
                const THTMLRenderOptions& options)
      : m_surface(surface), m_base(baseFont), m_text(Prepare(text)), m_bounds(bounds), m_options(options) {
    m_state.font.Assign(baseFont);
  }

  THTMLRenderResult Run();

private:
  void Pass(TLine& line, TPass pass);
  void Run(TLine& line, TPass pass, qsizetype& pos, Coord& x, Coord avail, Coord left, bool& lineEndsInSpace,
           bool& stop);
  TTagEffect Tag(TLine& line, TPass pass, qsizetype pos, qsizetype tagEnd, bool closed, Coord& x, Coord avail,
                 Coord left, int& listItems);
  TTagEffect OpeningTag(TLine& line, TPass pass, QStringView upper, qsizetype pos, qsizetype tagEnd, bool closed,
                        Coord& x, Coord avail, Coord left, int& listItems);
  void ClosingTag(TLine& line, QStringView upper, Coord left);
  TTagEffect Image(TLine& line, QStringView upper, qsizetype pos, qsizetype tagEnd, Coord& x, Coord avail,
                   Coord left);
  void ListMarker(TLine& line, QStringView upper, bool closed, Coord& x);
  void DrawRun(const TLine& line, const QString& run, Coord x, Coord runWidth, qsizetype after);
  void ErrorUnderline(const TLine& line, Coord x, Coord w);
  int LineHeightOf(const TFont& font) { return m_surface.TextHeight(QStringLiteral("gh"), font); }
  bool UnderlineRunsOn(qsizetype after);
  bool Drawable(const TLine& line) const { return line.drawing; }

  TGPGraphics& m_surface;
  const TFont& m_base;
  const QString m_text;
  const TRect m_bounds;
  const THTMLRenderOptions& m_options;
  TState m_state;
  THTMLRenderResult m_result;
  int m_lineIndex = 0;
  // The first "</A" and the first blank at or after a position, kept while
  // the walk moves forwards so that underlined runs do not rescan the text.
  qsizetype m_closeAnchorFrom = -1;
  qsizetype m_closeAnchorAt = -1;
  qsizetype m_blankFrom = -1;
  qsizetype m_blankAt = -1;
  int m_hitAnchor = -1;  // the anchor whose text lies under the point
};

bool THtmlRenderer::UnderlineRunsOn(qsizetype after) {
  if (after >= m_text.size() || m_text[after] == QLatin1Char(' ') || m_text[after] == QLatin1Char('<')) {
    return false;
  }
  if (m_closeAnchorFrom < 0 || after < m_closeAnchorFrom || (m_closeAnchorAt >= 0 && after > m_closeAnchorAt)) {
    m_closeAnchorFrom = after;
    m_closeAnchorAt = m_text.indexOf(QLatin1String("</A"), after, Qt::CaseInsensitive);
  }
  if (m_closeAnchorAt < 0) {
    return false;
  }
  if (m_blankFrom < 0 || after < m_blankFrom || (m_blankAt >= 0 && after > m_blankAt)) {
    m_blankFrom = after;
    m_blankAt = m_text.indexOf(QLatin1Char(' '), after);
  }
  return m_blankAt >= 0 && m_blankAt < m_closeAnchorAt;
}

void THtmlRenderer::ErrorUnderline(const TLine& line, Coord x, Coord w) {
  const TGPPen pen(OpaqueArgbFromColor(clRed), 1);
  const Coord b = line.rect.Bottom - line.subExtra;
  Coord px = x - (x % 2);
  bool down = px % 4 == 0;
  const Coord right = x + w;
  // At most one segment per two pixels of the run, plus one.
  while (true) {
    const Coord y1 = down ? b - 4 : b - 2;
    const Coord y2 = down ? b - 2 : b - 4;
    m_surface.DrawLine(pen, float(px), float(y1), float(px + 2), float(y2));
    down = !down;
    const bool last = px >= right;
    px += 2;
    if (last) {
      break;
    }
  }
}

void THtmlRenderer::DrawRun(const TLine& line, const QString& run, Coord x, Coord runWidth, qsizetype after) {
  Coord top = line.rect.Top;
  if (m_state.superscript) {
    top -= line.superExtra / 2;
  } else if (m_state.subscript) {
    top += line.subExtra / 2;
  }
  QString shown = run;
  if (m_state.font.Style().Contains(TFontStyle::fsUnderline) && UnderlineRunsOn(after)) {
    shown.append(QLatin1Char('_'));
  }
  if (m_state.shadow) {
    TFont shadowFont;
    shadowFont.Assign(m_state.font);
    shadowFont.SetColor(m_options.ShadowColor);
    TRect r{ToInt(x + m_options.ShadowOffset), ToInt(top + m_options.ShadowOffset), ToInt(x + runWidth),
            line.rect.Bottom};
    m_surface.DrawText(shown, int(shown.size()), r, shadowFont, 0, m_state.background);
  }
  TRect r{ToInt(x), ToInt(top), ToInt(x + runWidth), line.rect.Bottom};
  m_surface.DrawText(shown, int(shown.size()), r, m_state.font, 0, m_state.background);
  if (m_state.errorUnderline) {
    ErrorUnderline(line, x, runWidth);
  }
}

void THtmlRenderer::Run(TLine& line, TPass pass, qsizetype& pos, Coord& x, Coord avail, Coord left,
                        bool& lineEndsInSpace, bool& stop) {
  const qsizetype limit = pass == TPass::Layout ? m_text.size() : line.end;
  qsizetype end = pos;
  while (end < limit && m_text[end] != QLatin1Char('<')) {
    ++end;
    if (m_options.WordWrap && m_text[end - 1] == QLatin1Char(' ')) {
      break;
    }
  }
  const QString run = DecodeRunEntities(QStringView(m_text).mid(pos, end - pos));
  if (m_state.hidden) {
    if (pass == TPass::Layout) {
      m_result.PlainText.append(run);
    }
    pos = end;
    return;
  }
  const bool blank = run == QLatin1String(" ");
  const bool measuring = !line.drawing;
  Coord w = 0;
  if (!(blank && measuring)) {
    TRect r{ToInt(x), line.rect.Top, ToInt(x) + 1, line.rect.Bottom};
    const int runHeight = m_surface.DrawText(run, int(run.size()), r, m_state.font, DT_CALCRECT, clNone);
    w = Coord(r.Right) - r.Left;
    line.height = std::max<Coord>(line.height, runHeight);
    if (m_state.subscript && line.subExtra < runHeight / 4.0) {
      line.subExtra = runHeight / 2;
    }
    if (m_state.superscript && line.superExtra < runHeight / 4.0) {
      line.superExtra = runHeight / 2;
    }
  }
  const Coord before = line.width;
  line.width += w;
  if (pass == TPass::Layout && m_options.WordWrap) {
    const bool fits = avail >= line.width || avail <= w || !lineEndsInSpace;
    if (!fits) {
      line.width -= w;
      stop = true;
      return;
    }
  }
  if (pass == TPass::Layout) {
    m_result.PlainText.append(run);
  }
  if (line.drawing && !blank) {
    DrawRun(line, run, x, w, end);
  }
  if (measuring && m_state.inAnchor) {
    const Coord hx = m_options.HitX - left;
    if (hx >= before && hx <= line.width) {
      line.anchorHit = true;
      if (m_options.HitY > line.rect.Top && m_options.HitY < line.rect.Top + LineHeightOf(m_state.font)) {
        m_result.AnchorValue = m_state.anchorTarget;
        m_hitAnchor = m_state.anchorCount;
      }
    }
  }
  if (!run.isEmpty()) {
    lineEndsInSpace = run.back() == QLatin1Char(' ');
  }
  x += w;
  pos = end;
}

TTagEffect THtmlRenderer::Image(TLine& line, QStringView upper, qsizetype pos, qsizetype tagEnd, Coord& x,
                                Coord avail, Coord left) {
  const int number = m_state.imageCount + 1;
  bool hasAlt = false;
  Attribute(upper, u"ALT", &hasAlt);
  // SRC and ALT keep their letter case: read them from the original text at
  // the offsets found in the upper-cased copy.
  // SRC and ALT keep their letter case.
  const QStringView original = QStringView(m_text).mid(pos, tagEnd - pos);
  QString source = Attribute(original, u"SRC", nullptr, Qt::CaseInsensitive);
  if (hasAlt && number == m_state.imageUnderPoint) {
    source = Attribute(original, u"ALT", nullptr, Qt::CaseInsensitive);
  }
  const Coord givenWidth = Clamp(ReadNumber(Attribute(upper, u"WIDTH")), 0, kMaxDimension);
  const Coord givenHeight = Clamp(ReadNumber(Attribute(upper, u"HEIGHT")), 0, kMaxDimension);
  Coord iw = 0;
  Coord ih = 0;
  const Coord top = line.rect.Top;
  if (source.startsWith(QLatin1String("IDX:"), Qt::CaseInsensitive)) {
    const int n = ReadNumber(QStringView(source).mid(4));
    if (m_options.Images != nullptr && n >= 0 && n < m_options.Images->Count()) {
      iw = m_options.Images->Width();
      ih = m_options.Images->Height();
      if (line.drawing && !m_options.Print) {
        HtmlImages::DrawListImage(m_surface, *m_options.Images, n, ToInt(x), ToInt(top));
      }
    }
  } else if (source.startsWith(QLatin1String("SSYS:"), Qt::CaseInsensitive) ||
             source.startsWith(QLatin1String("LSYS:"), Qt::CaseInsensitive)) {
    const bool large = source.front().toUpper() == QLatin1Char('L');
    const TSize size = HtmlImages::DrawShellIcon(m_surface, ToInt(x), ToInt(top), m_options.ResFactor,
                                                 m_options.Print, line.drawing, large, source.mid(5));
    iw = size.cx;
    ih = size.cy;
  } else if (!source.contains(QLatin1Char(':')) && m_options.PictureContainer != nullptr) {
    TAdvGDIPPicture* picture = m_options.PictureContainer->FindPicture(source);
    if (picture != nullptr && !picture->Empty()) {
      const bool sized = givenWidth >= 1 && givenHeight >= 1;
      if (!sized) {
        picture->GetImageSizes();
      }
      iw = sized ? givenWidth : picture->Width();
      ih = sized ? givenHeight : picture->Height();
      if (line.drawing) {
        picture->GDIPDraw(m_surface, TGPRectF{float(x), float(top), float(iw), float(ih)});
      }
    }
  }
  m_state.imageCount = number;
  if (m_state.inAnchor) {
    const Coord hx = m_options.HitX - left;
    if (line.width < hx && hx < line.width + iw && top < m_options.HitY && m_options.HitY < top + ih) {
      line.imageHit = true;
      m_result.AnchorValue = m_state.anchorTarget;
      m_state.imageUnderPoint = number;
    }
  }
  if (line.width + iw > avail && iw < avail) {
    --m_state.imageCount;
    return TTagEffect::EndLineBefore;
  }
  line.width += iw;
  x += iw;
  line.height = std::max(line.height, ih);
  const QString align = Attribute(upper, u"ALIGN");
  const int gh = LineHeightOf(m_state.font);
  if (align.startsWith(QLatin1String("TOP"))) {
    line.imageOffset = line.height - gh;
  } else if (align.startsWith(QLatin1String("MIDDLE"))) {
    line.imageOffset = (line.height - gh) / 2;
  }
  if (upper.contains(QLatin1String("WRAP"))) {
    line.height = gh;
    line.imageOffset = 0;
  }
  return TTagEffect::Continue;
}

void THtmlRenderer::ListMarker(TLine& line, QStringView upper, bool closed, Coord& x) {
  QString type;
  QString colorValue;
  QString name;
  if (closed) {
    type = Attribute(upper, u"TYPE");
    colorValue = Attribute(upper, u"COLOR");
    name = Attribute(upper, u"NAME");
  }
  line.width += m_state.listLevel * kListIndent;
  x += m_state.listLevel * kListIndent - kListIndent;
  if (line.drawing && !m_state.hidden) {
    const Coord top = line.rect.Top;
    const TColor color = colorValue.isEmpty() ? clWhite : ColorFromValue(colorValue);
    if (type == QLatin1String("SQUARE")) {
      m_surface.FillRectangle(TGPSolidBrush(OpaqueArgbFromColor(color)), float(x), float(top + 2), 8, 8);
    } else if (type == QLatin1String("CIRCLE")) {
      m_surface.FillEllipse(TGPSolidBrush(OpaqueArgbFromColor(color)), float(x), float(top + 2), 8.0f, 8.0f);
    } else if (type == QLatin1String("IMAGE")) {
      TAdvGDIPPicture* picture =
          m_options.PictureContainer != nullptr ? m_options.PictureContainer->FindPicture(name) : nullptr;
      if (picture != nullptr && !picture->Empty()) {
        picture->GetImageSizes();
        picture->GDIPDraw(m_surface, TGPRectF{float(x), float(top + 2), float(picture->Width()),
                                              float(picture->Height())});
        if (picture->Width() > kListIndent) {
          x += picture->Width() - kListIndent;
        }
      }
    } else if (type.isEmpty()) {
      // The marker keeps the text's face: a face named "Symbol" is read in
      // the symbol encoding here and would turn the bullet into another sign.
      TFont marker;
      marker.Assign(m_state.font);
      if (!colorValue.isEmpty()) {
        marker.SetColor(ColorFromValue(colorValue));
      }
      const QString glyph = m_state.listLevel % 2 == 0 ? QStringLiteral("o") : QStringLiteral("\u2022");
      TRect r{ToInt(x), ToInt(top), ToInt(x) + kListIndent, line.rect.Bottom};
      m_surface.DrawText(glyph, int(glyph.size()), r, marker, 0, clNone);
    }
  }
  x += kListIndent;
}

TTagEffect THtmlRenderer::OpeningTag(TLine& line, TPass pass, QStringView upper, qsizetype pos, qsizetype tagEnd,
                                     bool closed, Coord& x, Coord avail, Coord left, int& listItems) {
  const QChar c1 = upper[1];
  const QChar c2 = upper.size() > 2 ? upper[2] : QChar();
  const bool drawing = line.drawing;
  TFontStyles style = m_state.font.Style();
  switch (c1.unicode()) {
  case u'A': {
    ++m_state.anchorCount;
    m_state.inAnchor = true;
    const QStringView original = QStringView(m_text).mid(pos, tagEnd - pos);
    const qsizetype open = original.indexOf(QLatin1Char('"'));
    const qsizetype close = open < 0 ? -1 : original.indexOf(QLatin1Char('"'), open + 1);
    m_state.anchorTarget = close < 0 ? QString() : original.mid(open + 1, close - open - 1).toString();
    const bool styled = !m_options.HoverOnly || m_state.anchorCount == m_options.HoverLink;
    if (styled && drawing) {
      style.Include(TFontStyle::fsUnderline);
      m_state.font.SetStyle(style);
      if (m_options.LinkBackColor != clNone) {
        m_state.backgroundBeforeAnchor = m_state.background;
        m_state.background = m_options.LinkBackColor;
      }
      if (m_options.LinkFontColor != clNone) {
        m_state.colorBeforeAnchor = m_state.font.Color();
        m_state.font.SetColor(m_options.LinkFontColor);
      }
    }
    const bool hoveredKeepsColor = m_options.HoverOnly && m_state.anchorCount == m_options.HoverLink &&
                                   m_options.LinkFontColor != clNone;
    if (!m_options.Selected && !hoveredKeepsColor) {
      m_state.font.SetColor(m_options.URLColor);
    }
    if (drawing && m_state.anchorCount == m_options.FocusLink + 1) {
      m_result.FocusAnchor = m_state.anchorTarget;
    }
    m_state.anchorLeft = left + line.width;
    m_state.anchorTop = line.rect.Top;
    m_state.anchorLine = m_lineIndex;
    return TTagEffect::Continue;
  }
  case u'B':
    if (c2 == QLatin1Char('>')) {
      style.Include(TFontStyle::fsBold);
      m_state.font.SetStyle(style);
    } else if (c2 == QLatin1Char('L')) {
      if (!m_options.BlinkOn) {
        m_state.font.SetColor(clWhite);
      }
    } else if (c2 == QLatin1Char('O')) {
      bool hasColor = false;
      const QString color = Attribute(upper, u"BGCOLOR", &hasColor);
      if (drawing && !m_options.Selected && hasColor) {
        if (upper.contains(QLatin1String("BGCOLORTO"))) {
          m_state.background = clNone;
        } else {
          m_state.backgroundBeforeFont = m_state.background;
          m_state.background = color.isEmpty() ? clNone : ColorFromValue(color);
        }
      }
    } else if (c2 == QLatin1Char('R')) {
      if (pass == TPass::Layout) {
        m_result.PlainText.append(QLatin1Char('\r'));
      }
      return TTagEffect::EndLineAfter;
    }
    return TTagEffect::Continue;
  case u'E':
    if (drawing) {
      m_state.errorUnderline = true;
    }
    return TTagEffect::Continue;
  case u'F': {
    if (!closed) {
      return TTagEffect::Continue;
    }
    const QString face = Attribute(upper, u"FACE");
    if (!face.isEmpty()) {
      m_state.font.SetName(face);
    }
    const QString color = Attribute(upper, u" COLOR");
    if (!color.isEmpty() && !m_options.Selected) {
      m_state.font.SetColor(ColorFromValue(color));
    }
    bool hasBackground = false;
    const QString background = Attribute(upper, u"BGCOLOR", &hasBackground);
    if (hasBackground && drawing && !m_options.Selected) {
      m_state.backgroundBeforeFont = m_state.background;
      m_state.background = background.isEmpty() ? clNone : ColorFromValue(background);
    }
    if (upper.contains(QLatin1String("SIZE"))) {
      static constexpr int kSizes[] = {8, 10, 12, 14, 16};
      const int n = ReadNumber(SizeAttribute(upper));
      if (n >= 1 && n <= 5) {
        m_state.font.SetSize(kSizes[n - 1]);
      } else if (n >= 1) {
        m_state.font.SetSize(std::min(n, 1000));
      }
    }
    return TTagEffect::Continue;
  }
  case u'H':
    if (c2 == QLatin1Char('I')) {
      if (drawing) {
        m_state.colorBeforeHighlight = m_state.font.Color();
        m_state.backgroundBeforeHighlight = m_state.background;
        m_state.background = clHighlight;
        m_state.font.SetColor(clHighlightText);
      }
    } else if (c2 == QLatin1Char('R')) {
      if (drawing) {
        const TGPPen pen(OpaqueArgbFromColor(clBlack), 1);
        const float y = float(line.rect.Bottom + 1);
        m_surface.DrawLine(pen, float(line.rect.Left), y, float(line.rect.Right), y);
      }
      return TTagEffect::EndLineAfter;
    }
    return TTagEffect::Continue;
  case u'I':
    if (c2 == QLatin1Char('>')) {
      style.Include(TFontStyle::fsItalic);
      m_state.font.SetStyle(style);
    } else if (c2 == QLatin1Char('N')) {
      const QString value = XAttribute(upper);
      bool valid = false;
      const int n = value.toInt(&valid);
      if (valid && n > line.width) {
        line.width = Clamp(n, -kMaxDimension, kMaxDimension);
        x = m_bounds.Left + line.width;
      }
    } else if (c2 == QLatin1Char('M')) {
      return Image(line, upper, pos, tagEnd, x, avail, left);
    }
    return TTagEffect::Continue;
  case u'L':
    if (pass == TPass::Layout && listItems > 0) {
      return TTagEffect::EndLineBefore;
    }
    ++listItems;
    ListMarker(line, upper, closed, x);
    return TTagEffect::Continue;
  case u'O':
    if (c2 == QLatin1Char('F')) {
      const Coord n = Clamp(ReadNumber(XAttribute(upper)), -kMaxDimension, kMaxDimension);
      x = n;
      line.width = n;
      line.offsetSet = true;
      line.offset = n;
    }
    return TTagEffect::Continue;
  case u'P': {
    if (!closed) {
      return TTagEffect::Continue;
    }
    const QString align = Attribute(upper, u"ALIGN");
    if (align.contains(QLatin1String("RIGHT"))) {
      m_state.alignment = TAlignment::Right;
    }
    if (align.contains(QLatin1String("LEFT"))) {
      m_state.alignment = TAlignment::Left;
    }
    if (align.contains(QLatin1String("CENTER"))) {
      m_state.alignment = TAlignment::Center;
    }
    bool hasIndent = false;
    const QString indent = Attribute(upper, u"INDENT", &hasIndent);
    if (hasIndent) {
      m_state.indent = Clamp(ReadNumber(indent), -kMaxDimension, kMaxDimension);
    }
    if (drawing && upper.contains(QLatin1String("BGCOLOR")) && upper.contains(QLatin1String("BGCOLORTO"))) {
      m_state.background = clNone;
    }
    return TTagEffect::Continue;
  }
  case u'S':
    if (c2 == QLatin1Char('>')) {
      style.Include(TFontStyle::fsStrikeOut);
      m_state.font.SetStyle(style);
    } else if (c2 == QLatin1Char('H')) {
      m_state.shadow = true;
    } else if (upper.startsWith(QLatin1String("<SUB>"))) {
      m_state.subscript = true;
    } else if (upper.startsWith(QLatin1String("<SUP>"))) {
      m_state.superscript = true;
    }
    return TTagEffect::Continue;
  case u'U':
    if (c2 == QLatin1Char('>')) {
      style.Include(TFontStyle::fsUnderline);
      m_state.font.SetStyle(style);
      return TTagEffect::Continue;
    }
    ++m_state.listLevel;
    return TTagEffect::EndLineAfter;
  case u'Z':
    m_state.hidden = true;
    return TTagEffect::Continue;
  default:
    return TTagEffect::Continue;
  }
}

void THtmlRenderer::ClosingTag(TLine& line, QStringView upper, Coord left) {
  const QChar c2 = upper[2];
  const QChar c3 = upper.size() > 3 ? upper[3] : QChar();
  const bool drawing = line.drawing;
  TFontStyles style = m_state.font.Style();
  switch (c2.unicode()) {
  case u'A': {
    const bool styled = !m_options.HoverOnly || m_state.anchorCount == m_options.HoverLink;
    if (styled && drawing) {
      style.Exclude(TFontStyle::fsUnderline);
      m_state.font.SetStyle(style);
      if (m_options.LinkBackColor != clNone) {
        m_state.background = m_state.backgroundBeforeAnchor;
      }
      if (m_options.LinkFontColor != clNone) {
        m_state.font.SetColor(m_state.colorBeforeAnchor);
      }
    }
    if (!m_options.Selected) {
      m_state.font.SetColor(m_base.Color());
    }
    m_state.inAnchor = false;
    if (m_hitAnchor >= 0 && m_hitAnchor == m_state.anchorCount) {
      const bool sameLine = m_state.anchorLine == m_lineIndex;
      m_result.HoverRect = TRect{ToInt(sameLine ? m_state.anchorLeft : left),
                                 ToInt(sameLine ? m_state.anchorTop : line.rect.Top), ToInt(left + line.width),
                                 line.rect.Bottom};
      m_result.HoverLinkIndex = m_state.anchorCount;
    }
    break;
  }
  case u'B':
    if (c3 == QLatin1Char('>')) {
      style.Exclude(TFontStyle::fsBold);
      m_state.font.SetStyle(style);
    } else {
      m_state.font.SetColor(m_base.Color());
    }
    break;
  case u'E':
    if (drawing) {
      m_state.errorUnderline = false;
    }
    break;
  case u'F':
    m_state.font.SetName(m_base.Name());
    m_state.font.SetHeight(m_base.Height());
    if (drawing && !m_options.Selected) {
      m_state.font.SetColor(m_base.Color());
      m_state.background = m_state.backgroundBeforeFont;
    }
    break;
  case u'H':
    if (drawing) {
      m_state.font.SetColor(m_state.colorBeforeHighlight);
      m_state.background = m_state.backgroundBeforeHighlight;
    }
    break;
  case u'I':
    style.Exclude(TFontStyle::fsItalic);
    m_state.font.SetStyle(style);
    break;
  case u'O':
    line.offsetSet = true;
    line.offset = 0;
    break;
  case u'P':
    if (drawing) {
      m_state.background = clNone;
    }
    break;
  case u'S':
    if (c3 == QLatin1Char('U')) {
      m_state.subscript = false;
      m_state.superscript = false;
    } else if (c3 == QLatin1Char('H')) {
      m_state.shadow = false;
    } else {
      style.Exclude(TFontStyle::fsStrikeOut);
      m_state.font.SetStyle(style);
    }
    break;
  case u'U':
    if (c3 == QLatin1Char('>')) {
      style.Exclude(TFontStyle::fsUnderline);
      m_state.font.SetStyle(style);
    } else if (m_state.listLevel > 0) {
      --m_state.listLevel;
    } else {
      style.Exclude(TFontStyle::fsUnderline);
      m_state.font.SetStyle(style);
    }
    break;
  case u'Z':
    m_state.hidden = false;
    break;
  default:
    break;
  }
}

TTagEffect THtmlRenderer::Tag(TLine& line, TPass pass, qsizetype pos, qsizetype tagEnd, bool closed, Coord& x,
                              Coord avail, Coord left, int& listItems) {
  const QString upper = QStringView(m_text).mid(pos, tagEnd - pos).toString().toUpper();
  if (upper[1] != QLatin1Char('/')) {
    return OpeningTag(line, pass, upper, pos, tagEnd, closed, x, avail, left, listItems);
  }
  ClosingTag(line, upper, left);
  const QChar c2 = upper[2];
  const bool endsLine = c2 == QLatin1Char('L') || c2 == QLatin1Char('P');
  return endsLine ? TTagEffect::EndLineAfter : TTagEffect::Continue;
}

void THtmlRenderer::Pass(TLine& line, TPass pass) {
  m_state.subscript = false;
  m_state.superscript = false;
  const Coord left = line.rect.Left + (line.drawing ? m_state.lineOffset : 0);
  const Coord avail = Coord(line.rect.Right) - (line.rect.Left + m_state.lineOffset);
  Coord x = left;
  line.width = 0;
  qsizetype pos = line.start;
  const qsizetype limit = pass == TPass::Layout ? m_text.size() : line.end;
  bool lineEndsInSpace = false;
  int listItems = 0;
  while (pos < limit) {
    if (m_text[pos] != QLatin1Char('<')) {
      bool stop = false;
      Run(line, pass, pos, x, avail, left, lineEndsInSpace, stop);
      if (stop) {
        break;
      }
      continue;
    }
    if (m_text.size() - pos < 3) {
      pos = m_text.size();  // "<" or "<x" at the very end
      break;
    }
    const qsizetype close = m_text.indexOf(QLatin1Char('>'), pos + 1);
    const qsizetype tagEnd = close < 0 ? m_text.size() : close + 1;
    const TTagEffect effect = Tag(line, pass, pos, tagEnd, close >= 0, x, avail, left, listItems);
    if (effect == TTagEffect::EndLineBefore) {
      break;
    }
    pos = tagEnd;
    if (effect == TTagEffect::EndLineAfter) {
      break;
    }
  }
  if (pass == TPass::Layout) {
    line.end = pos;
  }
  if (m_result.TotalWidth < line.width) {
    m_result.TotalWidth = ToInt(line.width + 2);
  }
}

THTMLRenderResult THtmlRenderer::Run() {
  TRect lineRect = m_bounds;
  lineRect.Left += 1;
  Coord totalHeight = 0;
  qsizetype pos = 0;
  while (pos < m_text.size()) {
    const Coord startH = LineHeightOf(m_state.font);
    TLine layout;
    layout.start = pos;
    layout.rect = lineRect;
    layout.height = startH;
    const TState before = m_state;
    Pass(layout, TPass::Layout);
    // A line that consumed nothing (only possible with markup the layout
    // cannot place) gives up its first character, so every line moves on.
    if (layout.end == pos) {
      layout.end = pos + 1;
    }
    if (layout.end < m_text.size()) {
      layout.height += m_options.LineSpacing;
    }
    TRect drawRect = lineRect;
    const Coord lineWidth = Coord(drawRect.Right) - drawRect.Left;
    if (m_state.alignment == TAlignment::Right && drawRect.Right - layout.width > drawRect.Left) {
      drawRect.Left = ToInt(drawRect.Right - layout.width);
    } else if (m_state.alignment == TAlignment::Center && lineWidth - layout.width > 0) {
      drawRect.Left = ToInt(drawRect.Left + (lineWidth - layout.width) / 2);
    }
    drawRect.Left = ToInt(drawRect.Left + m_state.indent);
    drawRect.Bottom = ToInt(drawRect.Top + layout.height + layout.subExtra + layout.superExtra);
    if (!m_options.MeasureOnly) {
      m_state = before;
      TLine second = layout;
      second.rect = drawRect;
      second.drawing = !m_options.HitTestOnly;
      second.anchorHit = false;
      second.imageHit = false;
      second.offsetSet = false;
      Pass(second, TPass::Second);
      const Coord gh = LineHeightOf(m_state.font);
      const Coord bottom = drawRect.Bottom - layout.imageOffset;
      if ((second.anchorHit && m_options.HitY > bottom - gh && m_options.HitY < bottom) || second.imageHit) {
        m_result.Hit = true;
      }
      if (second.offsetSet) {
        m_state.lineOffset = second.offset;
      }
    }
    const Coord advance = layout.height + layout.subExtra + layout.superExtra;
    lineRect.Top = ToInt(lineRect.Top + advance);
    totalHeight += advance;
    pos = layout.end;
    ++m_lineIndex;
    if (!m_options.MeasureOnly && Coord(lineRect.Top) + startH > m_bounds.Bottom) {
      break;
    }
  }
  if (totalHeight == 0) {
    totalHeight = LineHeightOf(m_state.font);
  }
  m_result.TotalHeight = ToInt(totalHeight + 2);
  m_result.LinkCount = m_state.anchorCount;
  return m_result;
}

}  // namespace

THTMLRenderResult RenderHTMLText(TGPGraphics& surface, const TFont& baseFont, const QString& text,
                                 const TRect& bounds, const THTMLRenderOptions& options) {
  return THtmlRenderer(surface, baseFont, text, bounds, options).Run();
}
