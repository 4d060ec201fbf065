#include "plot/base/TiMemoryStream.h"

#include "platform/text/AnsiCodePage.h"
#include "plot/base/EPlotError.h"

void TiMemoryStream::WriteString(const QString& value) {
  if (value.size() >= 256) {
    throw EPlotError(QStringLiteral("String Exceeds 255 Characters"));
  }
  WriteBytes(WideToAnsi(value));
}

void TiMemoryStream::WriteCRLF() { WriteBytes(QByteArrayLiteral("\r\n")); }

void TiMemoryStream::WriteStringCRLF(const QString& value) {
  WriteString(value);
  WriteCRLF();
}

QChar TiMemoryStream::ReadChar() {
  if (m_position >= m_data.size()) {
    throw EPlotError(QStringLiteral("EOF"));
  }
  return QChar(static_cast<unsigned char>(m_data[m_position++]));
}

void TiMemoryStream::SetData(const QByteArray& data) {
  m_data = data;
  m_position = 0;
}

void TiMemoryStream::WriteBytes(const QByteArray& bytes) {
  const qint64 end = m_position + bytes.size();
  if (end > m_data.size()) {
    m_data.resize(end);
  }
  std::copy(bytes.begin(), bytes.end(), m_data.begin() + m_position);
  m_position = end;
}
