#include "platform/text/AnsiCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

#include <QList>

namespace {

constexpr char kCodePage[] = "GBK";
constexpr char kWide[] = "UTF-32LE";

/// One iconv conversion descriptor for the lifetime of a conversion.
class Converter {
public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) {
      iconv_close(m_cd);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

  /// Converts in[0..inSize) as far as it goes; returns the bytes written and
  /// leaves `consumed` at the input bytes used. errno tells why it stopped.
  std::size_t Convert(const char* in, std::size_t inSize, char* out, std::size_t outSize, std::size_t& consumed) {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    std::size_t inLeft = inSize;
    std::size_t outLeft = outSize;
    errno = 0;
    iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
    consumed = inSize - inLeft;
    return outSize - outLeft;
  }

private:
  iconv_t m_cd;
};

/// The code-page bytes of one character, or "?" when the code page has none.
QByteArray EncodeCodePoint(Converter& converter, char32_t codePoint) {
  if (codePoint < 0x80) {
    return QByteArray(1, static_cast<char>(codePoint));
  }
  const std::uint32_t value = codePoint;
  const char in[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                      static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
  char out[8];
  std::size_t consumed = 0;
  const std::size_t written = converter.Valid() ? converter.Convert(in, sizeof in, out, sizeof out, consumed) : 0;
  if (consumed != sizeof in || written == 0) {
    return QByteArray(1, '?');
  }
  return QByteArray(out, static_cast<qsizetype>(written));
}

template <typename Sink>
void ForEachEncodedCharacter(const QString& text, Sink sink) {
  Converter converter(kCodePage, kWide);
  for (const uint codePoint : text.toUcs4()) {
    if (!sink(EncodeCodePoint(converter, codePoint))) {
      return;
    }
  }
}

}  // namespace

QByteArray WideToAnsi(const QString& text) {
  QByteArray result;
  ForEachEncodedCharacter(text, [&](const QByteArray& character) {
    result += character;
    return true;
  });
  return result;
}

QByteArray WideToAnsiField(const QString& text, int width) {
  QByteArray result;
  ForEachEncodedCharacter(text, [&](const QByteArray& character) {
    if (result.size() + character.size() > width) {
      return false;
    }
    result += character;
    return true;
  });
  result.append(width - result.size(), '\0');
  return result;
}

bool CodePageHolds(const QString& text) {
  bool holds = true;
  Converter converter(kCodePage, kWide);
  for (const uint codePoint : text.toUcs4()) {
    // '?' is the stand-in for what the code page lacks, so it is the one
    // character whose encoding cannot tell.
    if (codePoint != '?' && EncodeCodePoint(converter, codePoint) == QByteArrayView("?")) {
      holds = false;
      break;
    }
  }
  return holds;
}

QString AnsiToWide(QByteArrayView bytes) {
  const qsizetype end = bytes.indexOf('\0');
  const QByteArrayView field = end < 0 ? bytes : bytes.first(end);
  Converter converter(kWide, kCodePage);
  QString result;
  qsizetype at = 0;
  while (at < field.size()) {
    const auto byte = static_cast<unsigned char>(field[at]);
    if (byte < 0x80) {
      result += QChar(byte);
      ++at;
      continue;
    }
    // A lead byte and its trail byte form one character; anything iconv
    // refuses costs one byte and shows as '?'.
    char out[4];
    std::size_t consumed = 0;
    const std::size_t pairSize = field.size() - at >= 2 ? 2 : 1;
    const std::size_t written =
        converter.Valid() ? converter.Convert(field.data() + at, pairSize, out, sizeof out, consumed) : 0;
    if (written == sizeof out && consumed > 0) {
      const auto* units = reinterpret_cast<const unsigned char*>(out);
      const char32_t codePoint = units[0] | (units[1] << 8) | (units[2] << 16) | (static_cast<char32_t>(units[3]) << 24);
      result += QString::fromUcs4(&codePoint, 1);
      at += static_cast<qsizetype>(consumed);
    } else {
      result += QLatin1Char('?');
      ++at;
    }
  }
  return result;
}
