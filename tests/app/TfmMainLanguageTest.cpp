#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "link/LinkTransportFactory.h"

TEST(TfmMainLanguage, LookUpText_readsTheTableOfLanguageName) {
  LinkTransportFactory factory;
  TfmMain window(factory, nullptr);
  const struct {
    const char* language;
    const char* key;
    const char* text;
  } cases[] = {
      {TfmMain::LanguageEnglish, "SID_PROCESS", "Process"},
      {TfmMain::LanguageChineseGB, "SID_PROCESS", "处理"},
      {TfmMain::LanguageChineseGB, "sid_fir_taps", "阶数"},
      {TfmMain::LanguageEnglish, "SID_FIR_TAPS", "Taps"},
      {TfmMain::LanguageChineseGB, "SID_NO_SUCH_KEY", "//---------------------- Menu ------------------------"},
  };
  for (const auto& c : cases) {
    window.State().LanguageName = QString::fromLatin1(c.language);
    EXPECT_EQ(window.LookUpText(QString::fromLatin1(c.key)), QString::fromUtf8(c.text)) << c.language << " " << c.key;
  }
}
