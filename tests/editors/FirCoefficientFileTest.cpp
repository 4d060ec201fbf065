#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "editors/fir/FirCoefficientFile.h"

namespace {

constexpr const char* kCoeff = "SID_INFO_ERROR_FIR_COEFF";

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<float> values;  ///< expected when not refused
  bool refused = false;
};

/// Writes the bytes to a real file and reads it back as the import does.
FirCoefficientFile ReadBytes(const std::string& bytes, int capacity) {
  const QTemporaryDir folder;
  const std::filesystem::path path = folder.filePath(QStringLiteral("fir-case.csv")).toStdString();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::ifstream in(path, std::ios::binary);
  return ReadFirCoefficientFile(in, capacity);
}

std::string Utf16(const std::string& text, bool bigEndian) {
  std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
  for (char c : text) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

std::string Repeat(const std::string& text, int count) {
  std::string out;
  for (int k = 0; k < count; ++k) out += text;
  return out;
}

TEST(FirCoefficientFile, readsFieldsAsTheUnitFilesWriteThemAndRefusesWhatItCannotRead) {
  const std::string field51 = "0.5" + std::string(48, '0');
  const ReadCase cases[] = {
      {"two lines, three values", "0.5\n0.25,0.125\n", {0.5f, 0.25f, 0.125f}},
      {"CR LF with an empty line", "0.5\r\n\r\n0.25\r\n", {0.5f, 0.25f}},
      {"tabs and blanks", " 1.5\t-2e-1 ,+3", {1.5f, -0.2f, 3.0f}},
      {"leading number counts", "1.5.3\n2e\n", {1.5f, 2.0f}},
      {"exponent letters", "1E2\n1e+1\n", {100.0f, 10.0f}},
      {"zero bytes dropped", std::string("0.\0" "5\n", 5), {0.5f}},
      {"field starting 0x7F gives nothing", "\x7F" "9\n0.5\n", {0.5f}},
      {"last field without separator", "0.5\n0.25", {0.5f, 0.25f}},
      {"trailing comma and blank", "0.5, ", {0.5f}},
      {"51-byte field", field51 + "\n", {0.5f}},
      {"UTF-16 LE", Utf16("0.5\r\n0.25\r\n", false), {0.5f, 0.25f}},
      {"UTF-16 BE", Utf16("0.5\r\n0.25\r\n", true), {0.5f, 0.25f}},
      {"50.0, 50.01 and -1000.0 are read alike", "50.0\n50.01\n-1000.0\n", {50.0f, 50.01f, -1000.0f}},
      {"header line", "Taps\n0.5\n", {}, true},
      {"52-byte field", field51 + "0\n", {}, true},
      {"quoted value", "\"0.5\"\n", {}, true},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF" "0.5\n", {}, true},
      {"byte above 0x7F", "0.5\x80\n", {}, true},
      {"letter after values", "0.5\n0.25\nf\n", {}, true},
      {"empty file", "", {}, true},
      {"only blank lines", "\n\r\n \n\t", {}, true},
      {"a bare point", ".\n", {}, true},
  };
  for (const ReadCase& c : cases) {
    const FirCoefficientFile file = ReadBytes(c.bytes, 2048);
    if (c.refused) {
      EXPECT_STREQ(file.refusal, kCoeff) << c.name;
      EXPECT_TRUE(file.values.empty()) << c.name;
    } else {
      EXPECT_EQ(file.refusal, nullptr) << c.name;
      EXPECT_EQ(file.values, c.values) << c.name;
    }
  }
}

TEST(FirCoefficientFile, overflowingValueBecomesNonFiniteForTheCheck) {
  const FirCoefficientFile file = ReadBytes("-1e39\n", 2048);
  ASSERT_EQ(file.values.size(), 1u);
  EXPECT_FALSE(std::isfinite(file.values[0]));
}

TEST(FirCoefficientFile, stopsOneValueBeyondTheChannelsPlace) {
  for (int capacity : {2048, 1024}) {
    for (int count : {capacity, capacity + 1, capacity + 50}) {
      const FirCoefficientFile file = ReadBytes(Repeat("0.001\n", count), capacity);
      EXPECT_EQ(file.refusal, nullptr);
      EXPECT_EQ(int(file.values.size()), std::min(count, capacity + 1)) << capacity << " " << count;
    }
  }
}

/// Serves `total` bytes of a repeated pattern without holding them, and
/// counts what the reader asked for.
class PatternBuffer : public std::streambuf {
public:
  PatternBuffer(std::string pattern, std::size_t total) : m_total(total) {
    while (m_chunk.size() < 65536) m_chunk += pattern;
    m_chunk.resize(65536 - 65536 % pattern.size());
  }
  std::size_t served = 0;

protected:
  int_type underflow() override {
    if (served >= m_total) return traits_type::eof();
    const std::size_t n = std::min(m_chunk.size(), m_total - served);
    served += n;
    setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + n);
    return traits_type::to_int_type(m_chunk[0]);
  }

private:
  std::string m_chunk;
  std::size_t m_total;
};

TEST(FirCoefficientFile, hugeFilesAreReadInBoundedChunks) {
  constexpr std::size_t k100MB = 100u * 1024u * 1024u;
  PatternBuffer numbers("0.25,\n", k100MB);
  std::istream numberStream(&numbers);
  const FirCoefficientFile many = ReadFirCoefficientFile(numberStream, 2048);
  EXPECT_EQ(many.values.size(), 2049u);
  EXPECT_LT(numbers.served, 1u << 20);

  PatternBuffer blanks("\r\n", k100MB);
  std::istream blankStream(&blanks);
  const FirCoefficientFile none = ReadFirCoefficientFile(blankStream, 2048);
  EXPECT_STREQ(none.refusal, kCoeff);
  EXPECT_EQ(blanks.served, k100MB);
}

}  // namespace
