#include "widgets/smooth/html/HtmlMarkup.h"

#include <array>
#include <limits>

namespace HtmlMarkup {
namespace {

struct Entity {
  const char* name;
  char16_t character;
};

constexpr std::array<Entity, 9> kEntities{{
    {"&amp;", u'&'},
    {"&quot;", u'"'},
    {"&sect;", u'\u00A7'},
    {"&permil;", u'\u2030'},
    {"&reg;", u'\u00AE'},
    {"&copy;", u'\u00A9'},
    {"&para;", u'\u00B6'},
    {"&trade;", u'\u2122'},
    {"&euro;", u'\u20AC'},
}};

bool EndsWithEntity(const QString& out, const Entity& entity) {
  const QLatin1StringView name(entity.name);
  return out.endsWith(name, Qt::CaseInsensitive);
}

// Decoding the entity that a ";" completes, again and again as long as the
// decoded "&" completes another, gives what replacing entities until none is
// left gives: only "&" starts an entity, so a decoded character can only
// begin a new one, never end one that lies before it.
QString DecodeEntities(const QString& text) {
  if (!text.contains(QLatin1Char('&'))) {
    return text;
  }
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    out.append(c);
    if (c != QLatin1Char(';')) {
      continue;
    }
    for (const Entity& entity : kEntities) {
      if (EndsWithEntity(out, entity)) {
        out.chop(qsizetype(qstrlen(entity.name)));
        out.append(QChar(entity.character));
        break;
      }
    }
  }
  return out;
}

void RemoveFirstFieldTag(QString& text) {
  const qsizetype open = text.indexOf(QLatin1String("<#"));
  if (open < 0) {
    return;
  }
  const qsizetype close = text.indexOf(QLatin1Char('>'), open + 2);
  if (close >= 0) {
    text.remove(close, 1);
  }
  text.remove(open, 2);
}

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = -1;
  if (u >= u'0' && u <= u'9') {
    v = u - u'0';
  } else if (u >= u'A' && u <= u'F') {
    v = u - u'A' + 10;
  } else if (u >= u'a' && u <= u'f') {
    v = u - u'a' + 10;
  }
  return v < base ? v : -1;
}

int HexPairDigit(QChar c) {
  const int code = c.unicode();
  return code < 'A' ? code - '0' : code - 55;
}

struct NamedColor {
  const char* name;
  TColor color;
};

constexpr std::array<NamedColor, 40> kNames{{
    {"clred", RGB(255, 0, 0)},        {"clblack", RGB(0, 0, 0)},        {"clblue", RGB(0, 0, 255)},
    {"clgreen", RGB(0, 128, 0)},      {"claqua", RGB(0, 255, 255)},     {"clyellow", RGB(255, 255, 0)},
    {"clfuchsia", RGB(255, 0, 255)},  {"clwhite", RGB(255, 255, 255)},  {"cllime", RGB(0, 255, 0)},
    {"clsilver", RGB(192, 192, 192)}, {"clgray", RGB(128, 128, 128)},   {"clolive", RGB(128, 128, 0)},
    {"clnavy", RGB(0, 0, 128)},       {"clpurple", RGB(128, 0, 128)},   {"clteal", RGB(0, 128, 128)},
    {"clmaroon", RGB(128, 0, 0)},     {"clbackground", 1},              {"clactivecaption", 2},
    {"clinactivecaption", 3},         {"clmenu", 4},                    {"clwindow", 5},
    {"clwindowframe", 6},             {"clmenutext", 7},                {"clwindowtext", 8},
    {"clcaptiontext", 9},             {"clactiveborder", 10},           {"clinactiveborder", 11},
    {"clappworkspace", 12},           {"clhighlight", 13},              {"clhighlighttext", 14},
    {"clbtnface", 15},                {"clbtnshadow", 16},              {"clgraytext", 17},
    {"clbtntext", 18},                {"clinactivecaptiontext", 19},    {"clbtnhighlight", 20},
    {"cl3ddkshadow", 21},             {"cl3dlight", 22},                {"clinfotext", 23},
    {"clinfobk", 24},
}};
constexpr std::size_t kFirstSystemName = 16;

}  // namespace

QString Prepare(const QString& text) {
  QString decoded = DecodeEntities(text);
  RemoveFirstFieldTag(decoded);
  if (!decoded.contains(QLatin1Char('\r')) && !decoded.contains(QLatin1Char('\n'))) {
    return decoded;
  }
  QString out;
  out.reserve(decoded.size());
  for (const QChar c : decoded) {
    if (c == QLatin1Char('\r')) {
      out.append(QLatin1String("<BR>"));
    } else if (c != QLatin1Char('\n')) {
      out.append(c);
    }
  }
  return out;
}

QString DecodeRunEntities(QStringView run) {
  QString out = run.toString();
  if (!out.contains(QLatin1Char('&'))) {
    return out;
  }
  out.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
  out.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
  out.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
  return out;
}

int ReadNumber(QStringView value) {
  qsizetype i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == QLatin1Char('-') || value[i] == QLatin1Char('+'))) {
    negative = value[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < value.size() && value[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i + 1 < value.size() && value[i] == QLatin1Char('0') &&
             (value[i + 1] == QLatin1Char('x') || value[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
  qint64 n = 0;
  for (; i < value.size(); ++i) {
    const int d = DigitValue(value[i], base);
    if (d < 0) {
      break;
    }
    n = std::min(limit, n * base + d);
  }
  return int(negative ? -n : n);
}

int Clamp(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

QString Attribute(QStringView upperTag, QStringView name, bool* found, Qt::CaseSensitivity cs) {
  const qsizetype at = upperTag.indexOf(name, 0, cs);
  if (found != nullptr) {
    *found = at >= 0;
  }
  if (at < 0) {
    return {};
  }
  const qsizetype open = upperTag.indexOf(QLatin1Char('"'), at + name.size());
  if (open < 0) {
    return {};
  }
  const qsizetype close = upperTag.indexOf(QLatin1Char('"'), open + 1);
  if (close < 0) {
    return {};
  }
  return upperTag.mid(open + 1, close - open - 1).toString();
}

QString SizeAttribute(QStringView upperTag) {
  const qsizetype at = upperTag.indexOf(QLatin1String("SIZE"));
  if (at < 0) {
    return {};
  }
  const qsizetype equals = upperTag.indexOf(QLatin1Char('='), at + 4);
  if (equals < 0) {
    return {};
  }
  QStringView value = upperTag.mid(equals + 1);
  const qsizetype quote = value.indexOf(QLatin1Char('"'));
  if (quote >= 0) {
    value = value.mid(quote + 1);
  }
  return value.toString();
}

QString XAttribute(QStringView upperTag) {
  const qsizetype at = upperTag.indexOf(QLatin1Char('X'));
  if (at < 0 || at + 2 > upperTag.size()) {
    return {};
  }
  const QStringView from = upperTag.mid(at + 2);
  const qsizetype open = from.indexOf(QLatin1Char('"'));
  if (open < 0) {
    return {};
  }
  const qsizetype close = from.indexOf(QLatin1Char('"'), open + 1);
  if (close < 0) {
    return {};
  }
  return from.mid(open + 1, close - open - 1).toString();
}

TColor ColorFromHex(QStringView value) {
  int parts[3] = {0, 0, 0};
  for (int p = 0; p < 3; ++p) {
    const qsizetype hi = 1 + 2 * p;
    if (hi + 1 >= value.size()) {
      break;
    }
    parts[p] = (HexPairDigit(value[hi]) * 16 + HexPairDigit(value[hi + 1])) & 0xFF;
  }
  return RGB(parts[0], parts[1], parts[2]);
}

TColor ColorFromName(QStringView name) {
  const QString lower = name.toString().toLower();
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (lower == QLatin1StringView(kNames[i].name)) {
      return i < kFirstSystemName ? kNames[i].color : GetSysColor(int(kNames[i].color));
    }
  }
  return RGB(0, 0, 0);
}

TColor ColorFromValue(QStringView value) {
  if (value.startsWith(QLatin1Char('#'))) {
    return ColorFromHex(value);
  }
  return ColorFromName(value);
}

}  // namespace HtmlMarkup
