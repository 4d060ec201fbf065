#include "firdesign/ResponseRecords.h"

#include <string>
#include <vector>

#include <QTemporaryFile>

#include <gtest/gtest.h>

#include "tests/support/FixturePath.h"

namespace {

struct ReadCase {
  const char* name;
  std::string text;
  std::vector<std::vector<double>> records;  // frequency, magnitude, phase; empty: refused
};

std::vector<std::vector<double>> RowsOf(const ResponseRecords& r) {
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < r.Count(); ++i) {
    rows.push_back({r.frequency[i], r.magnitude[i], r.phase[i]});
  }
  return rows;
}

}  // namespace

TEST(ResponseRecords, ParseResponseText_followsTheTokenRules) {
  const std::vector<std::vector<double>> three = {{20, -3, 45}, {40, -2.5, 30}, {80, -1, 10}};
  const ReadCase cases[] = {
      {"three columns", "20 -3 45\n40 -2.5 30\n80 -1 10\n", three},
      {"four columns, coherence at most 1", "20 -3 45 0.9\n40 -2.5 30 1.0\n80 -1 10 .5\n", three},
      {"tabs, CR LF and no final line end", "20\t-3\t45\r\n40\t-2.5\t30\r\n80\t-1\t10", three},
      {"a coherence above 1 is the next frequency", "20 -3 45 40 -2.5 30 80 -1 10", three},
      {"word header skipped", "Freq (Hz) Mag(dB) Phase 20Hz\n20 -3 45\n40 -2.5 30\n80 -1 10\n", three},
      {"a lone minus in the header starts the records early",
       "Level - dB\n20 -3 45\n40 -2.5 30 0.5 50 1\n", {{45, 40, -2.5}, {30, 0.5, 50}}},
      {"a number in the header shifts the records (here into descending ones)",
       "Version 1.0\n20 -3 45\n40 -2.5 30\n80 -1 10\n", {}},
      {"a header word of any length", std::string(150, 'x') + "\n20 -3 45\n40 -2.5 30\n80 -1 10\n", three},
      {"signs, bare points and the longest prefix", "+20 -.5 +1.2.3\n40 5. .\n60 0 0\n",
       {{20, -0.5, 1.2}, {40, 5, 0}, {60, 0, 0}}},
      {"a bad record in the middle is skipped", "20 -3 45\n30 x 40\n40 -2.5 30\n80 -1 10\n", three},
      {"the last record lacks its phase", "20 -3 45\n40 -2.5 30\n80 -1\n", {}},
      {"the file ends in text", "20 -3 45\n40 -2.5 30\n80 -1 10 end\n", {}},
      {"comma-separated values", "20,-3,45\n40,-2.5,30\n80,-1,10\n", {}},
      {"exponents are not numbers", "20 -3 45\n4e1 -2.5 30\n80 -1 10\n8e1 0 0\n", {}},
      {"header only", "Frequency Magnitude Phase\n", {}},
      {"empty", "", {}},
      {"a single record", "20 -3 45\n", {}},
      {"equal frequencies", "20 -3 45\n20 -2.5 30\n80 -1 10\n", {}},
      {"descending frequencies", "40 -3 45\n20 -2.5 30\n80 -1 10\n", {}},
      {"the replaced last record may lie anywhere", "20 -3 45\n40 -2.5 30\n10 -1 10\n",
       {{20, -3, 45}, {40, -2.5, 30}, {10, -1, 10}}},
      {"a value beyond the range of a double is not a number",
       "20 -3 45\n30 " + std::string(400, '9') + " 0\n40 -2.5 30\n80 -1 10\n", three},
  };
  for (const ReadCase& c : cases) {
    const std::optional<ResponseRecords> records = ParseResponseText(c.text);
    if (c.records.empty()) {
      EXPECT_FALSE(records) << c.name;
    } else {
      ASSERT_TRUE(records) << c.name;
      EXPECT_EQ(RowsOf(*records), c.records) << c.name;
    }
  }
}

TEST(ResponseRecords, ReadResponseFile_readsFixturesAndRefusesMissingFiles) {
  const std::optional<ResponseRecords> smaart = ReadResponseFile(QString::fromStdString(FixturePath("firdesign/fixtures/measurement.txt")));
  ASSERT_TRUE(smaart);
  EXPECT_EQ(smaart->Count(), 160);
  EXPECT_DOUBLE_EQ(smaart->frequency[0], 20.0);
  EXPECT_FALSE(ReadResponseFile(QString::fromStdString(FixturePath("firdesign/fixtures/measurement.csv"))));
  EXPECT_FALSE(ReadResponseFile(QString::fromStdString(FixturePath("firdesign/fixtures/no-such-file.txt"))));
}

TEST(ResponseRecords, ReadResponseFile_refusesAFileAboveTheBound) {
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  const QByteArray records("20 1 0\n30 2 0\n40 3 0\n");
  ASSERT_EQ(file.write(records), records.size());
  // Blanks after the records: the text alone would be accepted.
  ASSERT_EQ(file.write(QByteArray(kMaxResponseFileBytes + 1 - records.size(), ' ')),
            kMaxResponseFileBytes + 1 - records.size());
  file.close();

  EXPECT_FALSE(ReadResponseFile(file.fileName()).has_value());
}
