#include "plot/base/TiXMLMemoryStream.h"

#include "plot/base/EPlotError.h"

namespace {

[[noreturn]] void ParsingError(QChar missing) {
  throw EPlotError(QStringLiteral("XML Parsing Error - \"") + missing + QStringLiteral("\" not Found"));
}

}  // namespace

void TiXMLMemoryStream::StartElement(const QString& name) { WriteStringCRLF(QLatin1Char('<') + name + QLatin1Char('>')); }

void TiXMLMemoryStream::EndElement(const QString& name) { WriteStringCRLF(QStringLiteral("</") + name + QLatin1Char('>')); }

void TiXMLMemoryStream::WriteElement(const QString& name, const QString& value) {
  WriteStringCRLF(QLatin1Char('<') + name + QLatin1Char('>') + value + QStringLiteral("</") + name +
                  QLatin1Char('>'));
}

QString TiXMLMemoryStream::ReadTagName() {
  QString name;
  bool collecting = true;
  for (QChar c = ReadChar(); c != QLatin1Char('>'); c = ReadChar()) {
    if (c == QLatin1Char(' ')) {
      collecting = false;
    } else if (collecting) {
      name += c;
    }
  }
  return name;
}

QString TiXMLMemoryStream::GetNameElementStart() {
  while (ReadChar() != QLatin1Char('<')) {
  }
  QString name;
  bool collecting = true;
  for (QChar c = ReadChar(); c != QLatin1Char('>'); c = ReadChar()) {
    if (c == QLatin1Char('/')) {
      // A closing tag: skip to the next tag and collect its name instead.
      while (ReadChar() != QLatin1Char('<')) {
      }
      name.clear();
      collecting = true;
    } else if (c == QLatin1Char(' ')) {
      collecting = false;
    } else if (collecting) {
      name += c;
    }
  }
  return name;
}

void TiXMLMemoryStream::GotoElementStart(const QString& value) {
  while (GetNameElementStart() != value) {
  }
}

QString TiXMLMemoryStream::GetElementValue() {
  QString value;
  for (QChar c = ReadChar(); c != QLatin1Char('<'); c = ReadChar()) {
    value += c;
  }
  SetPosition(Position() - 1);
  return value;
}

QString TiXMLMemoryStream::GetNameElementStop() {
  if (ReadChar() != QLatin1Char('<')) {
    ParsingError(QLatin1Char('<'));
  }
  if (ReadChar() != QLatin1Char('/')) {
    ParsingError(QLatin1Char('/'));
  }
  return ReadTagName();
}

QString TiXMLMemoryStream::GetElement(const QString& name) {
  GotoElementStart(name);
  const QString value = GetElementValue();
  while (GetNameElementStop() != name) {
  }
  return value;
}

QString TiXMLMemoryStream::GetNextPiece() {
  QChar c = ReadChar();
  while (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
    c = ReadChar();
  }
  QString piece;
  if (c == QLatin1Char('<')) {
    for (c = ReadChar(); c != QLatin1Char('>'); c = ReadChar()) {
      piece += c;
    }
    return piece;
  }
  while (c != QLatin1Char('<')) {
    piece += c;
    c = ReadChar();
  }
  SetPosition(Position() - 1);
  return piece;
}

QString TiXMLMemoryStream::PeekNextPiece() {
  const qint64 saved = Position();
  QString piece;
  try {
    piece = GetNextPiece();
  } catch (...) {
    SetPosition(saved);
    throw;
  }
  SetPosition(saved);
  return piece;
}
