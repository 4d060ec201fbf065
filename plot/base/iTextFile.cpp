#include "plot/base/iTextFile.h"

#include <QFile>
#include <QStringConverter>

#include "platform/text/AnsiCodePage.h"
#include "platform/files/WriteWholeFile.h"
#include "plot/base/EPlotError.h"

QString DecodeTextFile(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
      text.remove(0, 1);
    }
    return text;
  }
  QString text;
  qsizetype start = 0;
  // AnsiToWide stops at a zero byte; convert zero-separated runs so a
  // stray zero does not end the file.
  while (start <= bytes.size()) {
    qsizetype end = bytes.indexOf('\0', start);
    if (end < 0) {
      end = bytes.size();
    }
    text += AnsiToWide(QByteArrayView(bytes.constData() + start, end - start));
    start = end + 1;
  }
  return text;
}

QStringList ReadTextFileLines(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EPlotError(file.errorString());
  }
  QString text = DecodeTextFile(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) {
    lines.removeLast();
  }
  return lines;
}

void WriteTextFileLines(const QString& fileName, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += WideToAnsi(line);
    bytes += "\r\n";
  }
  QString error;
  if (!WriteWholeFile(fileName, bytes, &error)) {
    throw EPlotError(error);
  }
}
