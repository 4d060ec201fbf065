#include <gtest/gtest.h>

#include "resources/LanguageTable.h"
#include "tests/support/FixturePath.h"

namespace {

QString Fixture(const char* name) { return QString::fromStdString(FixturePath(std::string("resources/fixtures/") + name)); }

class BuiltInTables : public ::testing::Test {
protected:
  void SetUp() override {
    QString error;
    ASSERT_TRUE(LanguageTable::LoadBuiltIn(english, simplified, &error)) << error.toStdString();
  }
  LanguageTable english;
  LanguageTable simplified;
};

struct LookUpCase {
  const char* key;
  const char* english;
  const char* simplified;
};

}  // namespace

TEST_F(BuiltInTables, LookUpText_findsFirstWholeLineMatchIgnoringCase) {
  const LookUpCase cases[] = {
      {"SID_GAIN", "Gain", "增益"},
      {"sid_gain", "Gain", "增益"},
      {"Sid_Fir_Taps", "Taps", "阶数"},
      {"SID_FIR_NAME", "Name", "名称"},
      {"SID_LOCK_MODE", "Select Lock Mode!", "请选择锁定模式!"},
      {"SID_NUMBER", "Number :", "编号 :"},
      {"SID_EXIT", "Exit", "退出"},
      {"SID_INPUT_ID", " Input ID Number", " 输入ID编号"},
      {"SID_LANGUAGE", "语言", "语言"},
      {"SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )",
       "频率  ( ← / → )      Q(＋/－)     增益 (  ↑ / ↓  )"},
      {"SID_INFO_ERROR_FIR_TAPS", "Run Out of FIR Resource!!", "FIR资源耗尽!!"},
      {"SID_INFO_ERROR_FIR_COEFF", "FIR Coefficient Error!!", "FIR参数错误!!"},
      {"SID_INFO_ERROR_TAP_OVER_2048", "Taps Over Maximum 2048!!", "TAPS超出最大值2048!!"},
      {"SID_INFO_ERROR_TAP_OVER_1024", "Taps Over Maximum 1024!!", "TAPS超出最大值1024!!"},
      {"SID_INFO_ERROR_UNIT", "Unit's Type Error !!", "机台型号不符 !!"},
      {"SID_PROCESS", "Process", "处理"},
      {"SID_INFO_FIR_DOWNLOAD", "Are you sure to Download FIR ?", "确定要下载FIR吗？"},
  };
  for (const LookUpCase& c : cases) {
    EXPECT_EQ(english.LookUpText(QString::fromUtf8(c.key)), QString::fromUtf8(c.english)) << c.key;
    EXPECT_EQ(simplified.LookUpText(QString::fromUtf8(c.key)), QString::fromUtf8(c.simplified)) << c.key;
  }
}

TEST_F(BuiltInTables, LookUpText_missingOrPartialKeyYieldsFirstLine) {
  for (const char* key : {"SID_NO_SUCH_KEY", "SID_GAIN ", "SID_GAI", ""}) {
    EXPECT_EQ(english.LookUpText(QString::fromLatin1(key)), QLatin1String(LanguageTable::FirstLine)) << key;
    EXPECT_EQ(simplified.LookUpText(QString::fromLatin1(key)), QLatin1String(LanguageTable::FirstLine)) << key;
  }
}

TEST_F(BuiltInTables, BothTables_holdTheSameKeysInTheSameOrder) {
  EXPECT_EQ(english.Keys(), simplified.Keys());
  EXPECT_EQ(english.Lines().first(), QLatin1String(LanguageTable::FirstLine));
  EXPECT_EQ(simplified.Lines().first(), QLatin1String(LanguageTable::FirstLine));
  for (const QString& key : english.Keys()) {
    EXPECT_FALSE(simplified.LookUpText(key).trimmed().isEmpty()) << key.toStdString();
  }
}

TEST(LanguageTable, Load_refusesMissingOrDamagedTableNamingFileAndLine) {
  const struct {
    const char* file;
    const char* errorPart;
  } cases[] = {
      {"does_not_exist.txt", "cannot be read"},
      {"no_title.txt", "does not begin with the line"},
      {"key_without_text.txt", "line 4: key SID_OPEN has no text line"},
      {"text_where_key_due.txt", "line 4: expected a key"},
      {"not_utf8.txt", "is not UTF-8 text"},
  };
  for (const auto& c : cases) {
    QString error;
    EXPECT_FALSE(LanguageTable::Load(Fixture(c.file), &error).has_value()) << c.file;
    EXPECT_TRUE(error.contains(QLatin1String(c.errorPart))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(c.file))) << error.toStdString();
  }
}

TEST(LanguageTable, Load_readsCrLfLinesAndSkipsComments) {
  QString error;
  const std::optional<LanguageTable> table = LanguageTable::Load(Fixture("simplified_crlf.txt"), &error);
  ASSERT_TRUE(table.has_value()) << error.toStdString();
  EXPECT_EQ(table->Keys(), QStringList({QStringLiteral("SID_FILE"), QStringLiteral("SID_OPEN")}));
  EXPECT_EQ(table->LookUpText(QStringLiteral("SID_OPEN")), QStringLiteral("打开"));
  EXPECT_TRUE(table->Contains(QStringLiteral("sid_open")));
  EXPECT_FALSE(table->Contains(QStringLiteral("打开")));
}

TEST(LanguageTable, LookUpText_matchOnTheLastLineYieldsFirstLine) {
  // The text of SID_FILE reads like a key; looking that up matches the last
  // line, which has no line after it.
  QString error;
  const std::optional<LanguageTable> table = LanguageTable::Load(Fixture("key_text_at_end.txt"), &error);
  ASSERT_TRUE(table.has_value()) << error.toStdString();
  EXPECT_EQ(table->LookUpText(QStringLiteral("SID_FILE")), QStringLiteral("SID_OPEN"));
  EXPECT_EQ(table->LookUpText(QStringLiteral("SID_OPEN")), QLatin1String(LanguageTable::FirstLine));
  EXPECT_FALSE(table->Contains(QStringLiteral("SID_OPEN")));
}

TEST(LanguageTable, LoadPair_refusesTablesWhoseKeysDifferAndKeepsTargetsUntouched) {
  LanguageTable english;
  LanguageTable simplified;
  QString error;
  EXPECT_FALSE(LanguageTable::LoadPair(Fixture("english_small.txt"), Fixture("simplified_reordered.txt"), english,
                                       simplified, &error));
  EXPECT_TRUE(error.contains(QLatin1String("expected SID_FILE, found SID_OPEN"))) << error.toStdString();
  EXPECT_TRUE(english.Lines().isEmpty());
  EXPECT_TRUE(simplified.Lines().isEmpty());

  EXPECT_TRUE(LanguageTable::LoadPair(Fixture("english_small.txt"), Fixture("simplified_crlf.txt"), english,
                                      simplified, &error));
  EXPECT_EQ(simplified.LookUpText(QStringLiteral("SID_FILE")), QStringLiteral("文件"));
}
