#pragma once

#include <QByteArray>
#include <QString>

/// A memory stream of 8-bit text: strings go in converted to the system's
/// code page, characters come out one byte at a time. Owned by its user;
/// any one thread at a time.
class TiMemoryStream {
public:
  virtual ~TiMemoryStream() = default;

  /// Writes the text's bytes at the position (no length, no terminator).
  /// Throws EPlotError "String Exceeds 255 Characters" for 256 characters
  /// or more, writing nothing.
  void WriteString(const QString& value);
  void WriteCRLF();
  void WriteStringCRLF(const QString& value);
  /// The byte at the position as a character code 0..255. Throws
  /// EPlotError "EOF" when the position is at the end.
  QChar ReadChar();

  qint64 Position() const { return m_position; }
  void SetPosition(qint64 position) { m_position = position; }
  qint64 Size() const { return m_data.size(); }
  const QByteArray& Data() const { return m_data; }
  /// Replaces the content and moves to its start.
  void SetData(const QByteArray& data);

protected:
  void WriteBytes(const QByteArray& bytes);

private:
  QByteArray m_data;
  qint64 m_position = 0;
};
