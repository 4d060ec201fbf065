#include <gtest/gtest.h>

#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/streaming/PlotFileSupport.h"

TEST(PlotStoredProperties, AnnotationLineAlignment_isSavedAndReadBack) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("notes.txt"));
  TiPlot saved;
  for (TiAlignmentHorizontal alignment : {TiAlignmentHorizontal::iahRight, TiAlignmentHorizontal::iahCenter,
                                          TiAlignmentHorizontal::iahLeft}) {
    TiPlotAnnotation& a = *saved.Annotation(saved.AddAnnotation());
    a.SetText(QStringLiteral("first\r\nsecond line"));
    a.SetTextLineAlignment(alignment);
  }
  saved.SaveAnnotationsToFile(file);
  // Differential, by ordinal: the centre, the declared default, has no line.
  EXPECT_TRUE(FileBytes(file).contains("\r\nAnnotation0.TextLineAlignment = 2\r\n"));
  EXPECT_FALSE(FileBytes(file).contains("Annotation1.TextLineAlignment"));
  TiPlot loaded;
  loaded.LoadAnnotationsFromFile(file);
  ASSERT_EQ(loaded.AnnotationCount(), 3);
  EXPECT_EQ(loaded.Annotation(0)->TextLineAlignment(), TiAlignmentHorizontal::iahRight);
  EXPECT_EQ(loaded.Annotation(1)->TextLineAlignment(), TiAlignmentHorizontal::iahCenter);
  EXPECT_EQ(loaded.Annotation(2)->TextLineAlignment(), TiAlignmentHorizontal::iahLeft);
}

TEST(PlotStoredProperties, PlotAlign_isSavedOnlyWithAllProperties) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  TiPlot saved;
  saved.SetAlign(TAlign::alBottom);
  saved.SavePropertiesToFile(file);
  EXPECT_FALSE(FileBytes(file).contains("\nAlign = 2\r\n"));

  saved.SetOptionSaveAllProperties(true);
  saved.SavePropertiesToFile(file);
  EXPECT_TRUE(FileBytes(file).contains("\nAlign = 2\r\n"));
  TiPlot loaded;
  loaded.LoadPropertiesFromFile(file);
  EXPECT_EQ(loaded.Align(), TAlign::alBottom);
}
