#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/streaming/PlotFileSupport.h"

TEST(PlotTranslationsFile, SavedAndLoadedThroughThePlot) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("words.txt"));
  TiPlot saved;
  TiPlotTranslationObject& entry = saved.Master().TranslationManager().CreateObject();
  entry.OriginalString = QStringLiteral("Cursor");
  entry.ReplacementString = QStringLiteral("光标");
  saved.SaveTranslationsToFile(file);
  TiPlot loaded;
  loaded.LoadTranslationsFromFile(file);
  EXPECT_EQ(loaded.GetTranslationOriginalString(0), QStringLiteral("Cursor"));
  EXPECT_EQ(loaded.GetTranslationReplacementString(0), QStringLiteral("光标"));
  EXPECT_FALSE(ErrorOf([&] { loaded.GetTranslationOriginalString(1); }).isEmpty());
  EXPECT_TRUE(ErrorOf([&] { loaded.SaveTranslationsToFile(dir.filePath(QStringLiteral("no/words.txt"))); })
                  .startsWith(QStringLiteral("Error Saving Translation Data - ")));
}
