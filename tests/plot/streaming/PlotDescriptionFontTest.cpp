#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/streaming/TiPlotFormStream.h"
#include "tests/plot/ErrorOf.h"

TEST(PlotDescriptionFont, FontsStreamByDottedNamesWhereTheyDifferFromANewObject) {
  TiPlot plot;
  plot.XAxis(0)->TitleFont().SetHeight(-20);
  plot.XAxis(0)->TitleFont().SetStyle(TFontStyles{TFontStyle::fsItalic, TFontStyle::fsUnderline});
  const QString text = WritePlotDescription(plot);
  EXPECT_TRUE(text.contains(QStringLiteral("\nXAxisManager[0].TitleFont.Height = -20\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\nXAxisManager[0].TitleFont.Style = [fsItalic,fsUnderline]\n")));
  EXPECT_FALSE(text.contains(QStringLiteral("LabelsFont")));
  TiPlot loaded;
  ReadPlotDescription(loaded, text);
  EXPECT_EQ(loaded.XAxis(0)->TitleFont().Height(), -20);
  EXPECT_EQ(WritePlotDescription(loaded), text);
  const QString before = WritePlotDescription(loaded);
  for (const char* line : {"XAxisManager[0].Title.Height = 3", "XAxisManager[0].TitleFont.Style = [fsWide]",
                           "XAxisManager[0].TitleFont.Nothing = 1"}) {
    EXPECT_EQ(ErrorOf([&] { ReadPlotDescription(loaded, QString::fromLatin1(line)); }),
              QStringLiteral("Invalid plot description line 1: %1").arg(QString::fromLatin1(line)));
  }
  EXPECT_EQ(WritePlotDescription(loaded), before);
}
