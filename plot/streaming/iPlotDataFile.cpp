#include "plot/streaming/iPlotDataFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include <QtEndian>

#include "plot/base/EPlotError.h"
#include "plot/base/iPropertyText.h"
#include "plot/base/iTextFile.h"

namespace {

const QByteArray CompactTitle = QByteArrayLiteral("Compact Interval");
constexpr float CompactGap = 1e38F;
constexpr float CompactEnd = 2e38F;
constexpr double CompactEndAbove = 1.5e38;
constexpr double CompactKeptBelow = 9e37;

QString YText(const TiDataFilePoint& p) {
  switch (p.Kind) {
    case TiDataFilePoint::Null:
      return QStringLiteral("Null");
    case TiDataFilePoint::Empty:
      return QStringLiteral("Empty");
    case TiDataFilePoint::Missing:
      return QString();
    case TiDataFilePoint::Value:
      break;
  }
  return FloatToText(p.Y);
}

void AppendSingle(QByteArray& out, float value) {
  const quint32 bits = qToLittleEndian(std::bit_cast<quint32>(value));
  out.append(reinterpret_cast<const char*>(&bits), sizeof bits);
}

/// A channel title as a header field: a line break (CR LF, CR or LF), the
/// column separator and a tab (which a reader takes as the separator when
/// the first line holds one) become one blank each, so the header stays one
/// line of one field per column.
QString HeaderTitle(const QString& title, QChar separator) {
  QString text = title;
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  for (const QChar c : {QChar(QLatin1Char('\r')), QChar(QLatin1Char('\n')), QChar(QLatin1Char('\t')), separator}) {
    text.replace(c, QLatin1Char(' '));
  }
  return text;
}

size_t LongestChannel(const std::vector<TiDataFileChannel>& channels) {
  size_t longest = 0;
  for (const TiDataFileChannel& c : channels) {
    longest = std::max(longest, c.Points.size());
  }
  return longest;
}

// A value field: the first decimal comma becomes a point.
double ParseNumber(const QString& field) {
  QString text = field;
  const int comma = text.indexOf(QLatin1Char(','));
  if (comma >= 0) {
    text[comma] = QLatin1Char('.');
  }
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok) {
    throw EPlotError(QStringLiteral("'%1' is not a valid floating point value").arg(field.trimmed()));
  }
  return value;
}

void AddYField(std::vector<TiDataFilePoint>& points, double x, const QString& field) {
  const QString y = field.trimmed();
  if (y.isEmpty()) {
    return;
  }
  if (y.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
    points.push_back({x, 0, TiDataFilePoint::Null});
  } else if (y.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0) {
    points.push_back({x, 0, TiDataFilePoint::Empty});
  } else {
    points.push_back({x, ParseNumber(y), TiDataFilePoint::Value});
  }
}

QStringList SplitFields(const QString& line, QChar separator) {
  QStringList fields = line.split(separator);
  if (fields.size() > 1 && line.endsWith(separator)) {
    fields.removeLast();
  }
  return fields;
}

void ReadPerChannel(const QStringList& lines, QChar separator, TiDataFileContents& out) {
  double x = 0;
  for (qsizetype l = 1; l < lines.size(); ++l) {
    const QStringList fields = SplitFields(lines[l], separator);
    for (qsizetype i = 0; i < qsizetype(out.Channels.size()) && 2 * i < fields.size(); ++i) {
      const QString xField = fields[2 * i].trimmed();
      if (!xField.isEmpty()) {
        x = ParseNumber(xField);
      }
      if (2 * i + 1 < fields.size()) {
        AddYField(out.Channels[i], x, fields[2 * i + 1]);
      }
    }
  }
}

void ReadSharedX(const QStringList& lines, QChar separator, TiDataFileContents& out) {
  for (qsizetype l = 1; l < lines.size(); ++l) {
    const QStringList fields = SplitFields(lines[l], separator);
    const QString xField = fields[0].trimmed();
    if (xField.isEmpty()) {
      continue;
    }
    const double x = ParseNumber(xField);
    for (qsizetype k = 1; k < fields.size() && k - 1 < qsizetype(out.Channels.size()); ++k) {
      AddYField(out.Channels[k - 1], x, fields[k]);
    }
  }
}

/// A text file's lines; endsWithLineEnd tells whether its last line is
/// ended. An empty file has no lines when emptyAllowed, else it is
/// EPlotError "Invalid Data".
QStringList TextLines(const QByteArray& bytes, bool& endsWithLineEnd, bool emptyAllowed = false) {
  QString text = DecodeTextFile(bytes);
  if (text.isEmpty()) {
    if (emptyAllowed) {
      return {};
    }
    throw EPlotError(QStringLiteral("Invalid Data"));
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  endsWithLineEnd = text.endsWith(QLatin1Char('\n'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (endsWithLineEnd) {
    lines.removeLast();
  }
  return lines;
}

QChar FirstLineSeparator(const QStringList& lines) {
  return lines[0].contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
}

void ReadText(const QByteArray& bytes, TiDataFileContents& out) {
  bool endsWithLineEnd = false;
  QStringList lines = TextLines(bytes, endsWithLineEnd);
  const QChar separator = FirstLineSeparator(lines);
  if (lines[0].left(3).toUpper() != QLatin1String("(X)")) {
    ReadPerChannel(lines, separator, out);
    return;
  }
  // A log's rows are written whole with their line end; a last line
  // without one and short of fields was cut off while being written.
  if (!endsWithLineEnd && lines.size() > 1 &&
      SplitFields(lines.last(), separator).size() < SplitFields(lines[0], separator).size()) {
    lines.removeLast();
    out.LastRowIncomplete = true;
  }
  ReadSharedX(lines, separator, out);
}

class TCompactReader {
 public:
  explicit TCompactReader(const QByteArray& bytes) : FBytes(bytes) {}

  QByteArray ReadLine() {
    QByteArray line;
    while (FPos < FBytes.size()) {
      const char c = FBytes[FPos++];
      if (c == '\n') {
        break;
      }
      if (c != '\r') {
        line += c;
      }
    }
    return line;
  }

  bool AtEnd() const { return FPos >= FBytes.size(); }

  // False when fewer than four bytes are left.
  bool ReadSingle(double& value) {
    if (FBytes.size() - FPos < 4) {
      FPos = FBytes.size();
      return false;
    }
    quint32 bits = 0;
    std::memcpy(&bits, FBytes.constData() + FPos, sizeof bits);
    FPos += 4;
    value = std::bit_cast<float>(qFromLittleEndian(bits));
    return true;
  }

 private:
  const QByteArray& FBytes;
  qsizetype FPos = 0;
};

void ReadCompact(const QByteArray& bytes, TiDataFileContents& out) {
  TCompactReader reader(bytes);
  reader.ReadLine();
  const QByteArray countText = reader.ReadLine();
  bool ok = false;
  const int count = countText.trimmed().toInt(&ok);
  if (!ok) {
    throw EPlotError(QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(countText)));
  }
  if (count < 0) {
    throw EPlotError(QStringLiteral("Invalid Data"));
  }
  if (count == 0) {
    return;
  }
  struct TFirstX {
    double X0 = CompactGap;
    double X1 = CompactGap;
  };
  std::vector<TFirstX> firstX(count);
  for (qint64 r = 0; !reader.AtEnd(); ++r) {
    std::vector<std::pair<int, TiDataFilePoint>> row;
    const auto commitRow = [&row, &out] {
      for (auto& [channel, point] : row) {
        out.Channels[channel].push_back(point);
      }
    };
    for (int j = 0; j < count; ++j) {
      double x = 0;
      double y = 0;
      const bool xRead = r >= 2 || reader.ReadSingle(x);
      const bool ended = xRead && x > CompactEndAbove;
      if (!ended && !(xRead && reader.ReadSingle(y))) {
        // Cut off inside a row: a file without one whole row is refused;
        // a log not closed keeps its whole rows.
        if (r == 0) {
          throw EPlotError(QStringLiteral("Invalid Data"));
        }
        out.LastRowIncomplete = true;
        return;
      }
      if (ended || y > CompactEndAbove) {
        commitRow();
        return;
      }
      if (r == 0) {
        firstX[j].X0 = x;
      } else if (r == 1) {
        firstX[j].X1 = x;
      } else if (firstX[j].X0 < CompactKeptBelow) {
        const double step = firstX[j].X1 < CompactKeptBelow ? firstX[j].X1 - firstX[j].X0 : 0;
        x = firstX[j].X0 + double(r) * step;
      } else {
        x = CompactGap;
      }
      if (x < CompactKeptBelow && y < CompactKeptBelow && j < int(out.Channels.size())) {
        row.emplace_back(j, TiDataFilePoint{x, y, TiDataFilePoint::Value});
      }
    }
    commitRow();
  }
}

}  // namespace

QStringList DataFileTextLines(const std::vector<TiDataFileChannel>& channels, QChar separator) {
  QStringList header;
  for (const TiDataFileChannel& c : channels) {
    const QString title = HeaderTitle(c.Title, separator);
    header << title + QStringLiteral("(X)") << title + QStringLiteral("(Y)");
  }
  QStringList lines{header.join(separator)};
  const size_t rows = LongestChannel(channels);
  for (size_t r = 0; r < rows; ++r) {
    QStringList fields;
    for (const TiDataFileChannel& c : channels) {
      if (r < c.Points.size()) {
        fields << FloatToText(c.Points[r].X) << YText(c.Points[r]);
      } else {
        fields << QString() << QString();
      }
    }
    lines << fields.join(separator);
  }
  return lines;
}

QString DataFileSharedXHeader(const QStringList& titles, QChar separator) {
  QString line = QStringLiteral("(X)");
  for (const QString& title : titles) {
    line += separator + HeaderTitle(title, separator) + QStringLiteral("(Y)");
  }
  return line;
}

QString DataFileSharedXRow(double x, const std::vector<TiDataFilePoint>& points, QChar separator) {
  QString line = FloatToText(x);
  for (const TiDataFilePoint& p : points) {
    line += separator + YText(p);
  }
  return line;
}

QByteArray DataFileCompactHeader(int channelCount) {
  return CompactTitle + "\r\n" + QByteArray::number(channelCount) + "\r\n";
}

QByteArray DataFileCompactRow(const std::vector<TiDataFilePoint>& points, bool firstRows) {
  QByteArray row;
  for (const TiDataFilePoint& p : points) {
    const bool missing = p.Kind == TiDataFilePoint::Missing;
    if (firstRows) {
      AppendSingle(row, missing ? CompactGap : float(p.X));
    }
    AppendSingle(row, missing ? CompactGap : float(p.Y));
  }
  return row;
}

QByteArray DataFileCompactBytes(const std::vector<TiDataFileChannel>& channels) {
  QByteArray bytes = DataFileCompactHeader(int(channels.size()));
  const size_t rows = LongestChannel(channels);
  std::vector<TiDataFilePoint> row(channels.size());
  for (size_t r = 0; r < rows; ++r) {
    for (size_t c = 0; c < channels.size(); ++c) {
      row[c] = r < channels[c].Points.size() ? channels[c].Points[r] : TiDataFilePoint{0, 0, TiDataFilePoint::Missing};
    }
    bytes += DataFileCompactRow(row, r < 2);
  }
  AppendSingle(bytes, CompactEnd);
  return bytes;
}

QStringList ChannelDataFileLines(const std::vector<TiDataFilePoint>& points, QChar separator) {
  QStringList lines;
  for (const TiDataFilePoint& p : points) {
    if (p.Kind == TiDataFilePoint::Value || p.Kind == TiDataFilePoint::Null) {
      lines << FloatToText(p.X) + separator + YText(p);
    }
  }
  return lines;
}

QByteArray ChannelLogLine(double x, double y, QChar separator) {
  return (FloatToText(x) + separator + FloatToText(y)).toLatin1() + "\r\n";
}

TiDataFileContents ReadChannelDataFile(const QByteArray& bytes) {
  TiDataFileContents out;
  std::vector<TiDataFilePoint>& points = out.Channels.emplace_back();
  bool endsWithLineEnd = false;
  // A channel without points is saved as an empty file.
  const QStringList lines = TextLines(bytes, endsWithLineEnd, true);
  if (lines.isEmpty()) {
    return out;
  }
  const QChar separator = FirstLineSeparator(lines);
  for (qsizetype l = 0; l < lines.size(); ++l) {
    QString left;
    QString right;
    SplitAtSeparator(lines[l], separator, left, right);
    if (left.isEmpty()) {
      continue;
    }
    try {
      const double x = ParseNumber(left);
      if (right.toUpper() == QLatin1String("NULL")) {
        points.push_back({x, 0, TiDataFilePoint::Null});
      } else {
        points.push_back({x, ParseNumber(right), TiDataFilePoint::Value});
      }
    } catch (const EPlotError&) {
      if (l + 1 < lines.size() || endsWithLineEnd) {
        throw;
      }
      out.LastRowIncomplete = true;
    }
  }
  return out;
}

qint64 DataFileLogRows(const QByteArray& head, const QByteArray& tail, qint64 size, bool compact, int channelCount,
                       QChar separator) {
  const EPlotError mismatch(QStringLiteral("Log File does not match the Data File Format and Channel Count"));
  const QList<QByteArray> lines = head.split('\n');
  const auto line = [&lines](int i) { return lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i]; };
  if (!compact) {
    const QString first = DecodeTextFile(line(0));
    if (lines.size() < 2 || first.left(3).toUpper() != QLatin1String("(X)") ||
        SplitFields(first, separator).size() != channelCount + 1) {
      throw mismatch;
    }
    if (!tail.endsWith('\n')) {
      throw EPlotError(QStringLiteral("Log File ends inside a row"));
    }
    return 0;
  }
  if (lines.size() < 3 || line(0).compare(CompactTitle, Qt::CaseInsensitive) != 0 ||
      line(1).trimmed() != QByteArray::number(channelCount) || channelCount < 1) {
    throw mismatch;
  }
  const qint64 dataBytes = size - (lines[0].size() + lines[1].size() + 2);
  const qint64 firstRowBytes = 8LL * channelCount;
  const qint64 rowBytes = 4LL * channelCount;
  const qint64 rows = dataBytes <= 2 * firstRowBytes ? dataBytes / firstRowBytes
                                                     : 2 + (dataBytes - 2 * firstRowBytes) / rowBytes;
  const qint64 wholeBytes = rows <= 2 ? rows * firstRowBytes : 2 * firstRowBytes + (rows - 2) * rowBytes;
  if (dataBytes != wholeBytes) {
    throw EPlotError(QStringLiteral("Log File ends inside a row"));
  }
  if (rows > 0 && tail.size() >= 4) {
    quint32 bits = 0;
    std::memcpy(&bits, tail.constData() + tail.size() - 4, sizeof bits);
    if (std::bit_cast<float>(qFromLittleEndian(bits)) > CompactEndAbove) {
      throw EPlotError(QStringLiteral("Log File is a saved data file with an end value"));
    }
  }
  return rows;
}

TiDataFileContents ReadDataFile(const QByteArray& bytes, int channelCount) {
  TiDataFileContents out;
  out.Channels.resize(size_t(std::max(channelCount, 0)));
  const qsizetype lineEnd = bytes.indexOf('\n');
  QByteArray first = bytes.left(lineEnd < 0 ? bytes.size() : lineEnd);
  if (first.endsWith('\r')) {
    first.chop(1);
  }
  if (first.compare(CompactTitle, Qt::CaseInsensitive) == 0) {
    ReadCompact(bytes, out);
  } else {
    ReadText(bytes, out);
  }
  return out;
}
