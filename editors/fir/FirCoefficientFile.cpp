#include "editors/fir/FirCoefficientFile.h"

#include <array>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

constexpr const char* kCoefficientError = "SID_INFO_ERROR_FIR_COEFF";
constexpr std::size_t kMaxFieldBytes = 51;
constexpr std::size_t kChunkBytes = 64 * 1024;

bool IsAccepted(unsigned char b) {
  return (b >= 0x01 && b <= 0x45) || b == 0x65 || b == 0x7E || b == 0x7F || b == 0xFE || b == 0xFF;
}

bool IsSeparator(unsigned char b) { return b == ',' || b == '\n' || b == '\t'; }

bool IsSpace(unsigned char b) { return b == ' ' || (b >= 0x09 && b <= 0x0D); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// Length of the longest prefix of `s` that forms a decimal number, 0 if none.
std::size_t NumberPrefix(const std::string& s, std::size_t at) {
  std::size_t i = at;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i - at;
}

/// Reads the fields of the file, one byte at a time from a bounded buffer.
class FieldReader {
public:
  FieldReader(std::istream& in, int capacity) : m_in(in), m_capacity(capacity) {}
  ~FieldReader() {
    if (m_cLocale != locale_t{}) freelocale(m_cLocale);
  }
  FieldReader(const FieldReader&) = delete;
  FieldReader& operator=(const FieldReader&) = delete;

  FirCoefficientFile Read() {
    FirCoefficientFile result;
    bool atStart = true;
    bool pendingCr = false;
    while (!Full()) {
      m_in.read(m_buffer.data(), std::streamsize(m_buffer.size()));
      const std::size_t got = std::size_t(m_in.gcount());
      if (got == 0) break;
      std::size_t k = 0;
      if (atStart) {
        atStart = false;
        const auto b0 = static_cast<unsigned char>(m_buffer[0]);
        const auto b1 = got > 1 ? static_cast<unsigned char>(m_buffer[1]) : 0;
        if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) k = 2;
      }
      for (; k < got && !Full(); ++k) {
        const auto b = static_cast<unsigned char>(m_buffer[k]);
        if (pendingCr) {
          pendingCr = false;
          if (b != '\n' && !Take(0x0D)) return Refused();
        }
        if (b == 0x0D) {
          pendingCr = true;
          continue;
        }
        if (!Take(b)) return Refused();
      }
    }
    if (!Full() && ((pendingCr && !Take(0x0D)) || !EndField())) return Refused();
    if (m_values.empty()) return Refused();
    result.values = std::move(m_values);
    return result;
  }

private:
  bool Full() const { return m_values.size() > std::size_t(m_capacity); }

  FirCoefficientFile Refused() const {
    FirCoefficientFile result;
    result.refusal = kCoefficientError;
    return result;
  }

  /// One byte of the file (after CR LF folding); false refuses the file.
  bool Take(unsigned char b) {
    if (b == 0) return true;
    if (!IsAccepted(b)) return false;
    if (IsSeparator(b)) return EndField();
    if (m_field.size() == kMaxFieldBytes) return false;
    m_field.push_back(char(b));
    return true;
  }

  bool EndField() {
    const bool ok = FieldValue();
    m_field.clear();
    return ok;
  }

  bool FieldValue() {
    if (m_field.empty() || static_cast<unsigned char>(m_field[0]) == 0x7F) return true;
    std::size_t at = 0;
    while (at < m_field.size() && IsSpace(static_cast<unsigned char>(m_field[at]))) ++at;
    bool blank = true;
    for (std::size_t i = at; i < m_field.size(); ++i) {
      const auto c = static_cast<unsigned char>(m_field[i]);
      if (c > 0x20 && c != 0x7F) blank = false;
    }
    if (blank) return true;
    const std::size_t length = NumberPrefix(m_field, at);
    if (length == 0) return false;
    if (m_cLocale == locale_t{}) m_cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string number = m_field.substr(at, length);
    m_values.push_back(static_cast<float>(strtod_l(number.c_str(), nullptr, m_cLocale)));
    return true;
  }

  std::istream& m_in;
  const int m_capacity;
  std::vector<char> m_buffer = std::vector<char>(kChunkBytes);
  std::string m_field;
  std::vector<float> m_values;
  locale_t m_cLocale{};
};

}  // namespace

FirCoefficientFile ReadFirCoefficientFile(std::istream& in, int capacity) {
  FieldReader reader(in, capacity);
  return reader.Read();
}
