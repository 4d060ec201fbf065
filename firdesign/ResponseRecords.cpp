#include "firdesign/ResponseRecords.h"

#include <charconv>

#include <QFile>

#include "dsp/ComplexArray.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

/// The text as a sequence of white-space separated tokens. A read past the
/// last token meets the end and leaves the current token as it was.
class TokenStream {
public:
  explicit TokenStream(std::string_view text) : m_text(text) {}

  bool AtEnd() const { return m_end; }
  bool Numeric() const { return m_numeric; }
  /// The numeric token's value: its longest decimal prefix, 0 when there is
  /// none (a lone sign or point).
  double Value() const { return m_value; }

  /// Moves to the next token; false (and the token unchanged) at the end.
  bool Next() {
    while (m_at < m_text.size() && IsBlank(m_text[m_at])) {
      ++m_at;
    }
    if (m_at == m_text.size()) {
      m_end = true;
      return false;
    }
    const std::size_t start = m_at;
    while (m_at < m_text.size() && !IsBlank(m_text[m_at])) {
      ++m_at;
    }
    Take(m_text.substr(start, m_at - start));
    return true;
  }

private:
  void Take(std::string_view token) {
    m_value = 0.0;
    m_numeric = IsSignedNumber(token);
    if (!m_numeric) {
      return;
    }
    if (!token.empty() && token.front() == '+') {
      token.remove_prefix(1);
    }
    const auto result = std::from_chars(token.data(), token.data() + token.size(), m_value,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
      m_numeric = false;
    } else if (result.ec != std::errc()) {
      m_value = 0.0;
    }
  }

  std::string_view m_text;
  std::size_t m_at = 0;
  bool m_end = false;
  bool m_numeric = false;
  double m_value = 0.0;
};

bool KeptFrequenciesAscend(const ResponseRecords& records) {
  // The last record read is replaced by the flat extension, so it is not kept.
  for (int j = 1; j + 1 < records.Count(); ++j) {
    if (!(records.frequency[j] > records.frequency[j - 1])) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<ResponseRecords> ParseResponseText(std::string_view text) {
  TokenStream tokens(text);
  do {
    tokens.Next();
  } while (!tokens.AtEnd() && !tokens.Numeric());

  ResponseRecords records;
  bool bad = false;
  while (!tokens.AtEnd()) {
    bad = false;
    double fields[3] = {};
    for (int f = 0; f < 3; ++f) {
      if (f > 0 && !tokens.Next()) {
        bad = true;  // the record is cut short by the end of the text
      } else if (tokens.Numeric()) {
        fields[f] = tokens.Value();
      } else {
        bad = true;
      }
    }
    tokens.Next();
    if (tokens.Numeric()) {
      if (!bad) {
        records.frequency.push_back(fields[0]);
        records.magnitude.push_back(fields[1]);
        records.phase.push_back(fields[2]);
      }
      // A value of at most 1.0 is the record's coherence; a larger one is
      // already the next record's frequency.
      if (static_cast<float>(tokens.Value()) <= 1.0f) {
        tokens.Next();
      }
    } else {
      bad = true;
      tokens.Next();
    }
  }
  if (bad || records.Count() < 2 || !KeptFrequenciesAscend(records)) {
    return std::nullopt;
  }
  return records;
}

std::optional<ResponseRecords> ReadResponseFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxResponseFileBytes) {
    return std::nullopt;
  }
  const QByteArray bytes = file.read(kMaxResponseFileBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxResponseFileBytes) {
    return std::nullopt;
  }
  return ParseResponseText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
