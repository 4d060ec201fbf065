#pragma once

#include <vector>

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

/// The plot's data file layouts as text lines and bytes, apart from any
/// plot: the per-channel text layout of a saved file, the shared-X text
/// layout of a log and the "Compact Interval" layout of 4-byte singles.
/// Numbers are written by FloatToText ("." always) and read with a decimal
/// comma too. Stateless, any thread.

/// A point as a data file holds it.
/// Missing: a channel that has no point in a row (empty fields in text,
/// the 1e38 gap in the compact layout).
struct TiDataFilePoint {
  enum TKind { Value, Null, Empty, Missing };
  double X = 0;
  double Y = 0;
  TKind Kind = Value;
  friend bool operator==(const TiDataFilePoint&, const TiDataFilePoint&) = default;
};

/// A channel's column of a data file: its title and its points.
struct TiDataFileChannel {
  QString Title;
  std::vector<TiDataFilePoint> Points;
};

/// What a reader found: the points of each channel below the channel
/// count it was given (columns beyond are ignored), and whether the file
/// ended inside a row, which was then left out (a log not closed).
struct TiDataFileContents {
  std::vector<std::vector<TiDataFilePoint>> Channels;
  bool LastRowIncomplete = false;
};

/// Titles in a header line have each line break (CR LF, CR or LF), tab and
/// column separator written as one blank, so the plot reads its header back.

/// The per-channel text layout: a line of title + "(X)" and title + "(Y)"
/// per channel, then a line per point index up to the longest channel,
/// two empty fields where a channel has no such point.
QStringList DataFileTextLines(const std::vector<TiDataFileChannel>& channels, QChar separator);

/// The shared-X header line: "(X)", then title + "(Y)" per channel.
QString DataFileSharedXHeader(const QStringList& titles, QChar separator);
/// A shared-X row: X, then "Null", "Empty" or the Y of each point.
QString DataFileSharedXRow(double x, const std::vector<TiDataFilePoint>& points, QChar separator);

/// The compact header: "Compact Interval", CR LF, the channel count, CR LF.
QByteArray DataFileCompactHeader(int channelCount);
/// A compact row of one point per channel; firstRows when the row is one of
/// the file's first two, which alone carry X.
QByteArray DataFileCompactRow(const std::vector<TiDataFilePoint>& points, bool firstRows);
/// A saved compact file: header, rows (1e38 for X and Y where a channel has
/// no such point) and the end value 2e38.
QByteArray DataFileCompactBytes(const std::vector<TiDataFileChannel>& channels);
/// A channel's data file: "X<sep>Y" per point, "X<sep>Null" for a null
/// point; empty points are left out.
QStringList ChannelDataFileLines(const std::vector<TiDataFilePoint>& points, QChar separator);
/// A channel's log line: "X<sep>Y" (the stored Y of null and empty points
/// too) and CR LF, in the code page.
QByteArray ChannelLogLine(double x, double y, QChar separator);
/// Reads a channel's data or log file: the separator is TAB when the first
/// line holds one, else ","; each line splits at its first separator; a
/// line with nothing left of it is skipped. Channels[0] holds the points;
/// an empty file, which a channel without points saves, holds none.
/// Throws EPlotError for a value that is no number; a last line without
/// a line end that does not read is left out as LastRowIncomplete.
TiDataFileContents ReadChannelDataFile(const QByteArray& bytes);

/// Checks the start (head) and last bytes (tail) of a log of size bytes
/// before rows are appended to it: a shared-X text log whose "(X)" line has
/// channelCount + 1 fields and that ends with a line end, or a compact log
/// of channelCount channels holding whole rows and no end value. Answers
/// the rows a compact log holds (0 for text). Throws EPlotError otherwise.
qint64 DataFileLogRows(const QByteArray& head, const QByteArray& tail, qint64 size, bool compact, int channelCount,
                       QChar separator);

/// Reads a whole data file of any layout. The X of compact rows from the
/// third on follow from a channel's first two rows: X0 + r × (X1 − X0).
/// Throws EPlotError with the reason (a bad number, "Invalid Data") and
/// then gives nothing.
TiDataFileContents ReadDataFile(const QByteArray& bytes, int channelCount);
