#include <gtest/gtest.h>

#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/streaming/PlotFileSupport.h"
#include "tests/support/FixturePath.h"

TEST(PlotAnnotationsFile, RoundTrip_overEveryStyleAndFrame) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("notes.txt"));
  TiPlot saved;
  for (int style = 0; style <= int(TiPlotAnnotationStyle::ipasRectangle2); ++style) {
    TiPlotAnnotation& a = *saved.Annotation(saved.AddAnnotation());
    if (style % 2 == 1) {
      MoveEveryProperty(a, TiPlotPropertyRegistry::PropertiesOf(a));
    }
    a.SetStyle(TiPlotAnnotationStyle(style));
    a.SetReference(TiPlotReferenceType(style % 4));
    a.SetReferencePositionX(TiPlotReferenceIndividual(style % 3));
    a.SetReferenceSizeY(TiPlotReferenceIndividual((style + 1) % 3));
    a.SetX(style * 1.25);
    a.SetText(QStringLiteral("line %1\r\nnext #10").arg(style));
  }
  saved.SaveAnnotationsToFile(file);
  TiPlot loaded;
  loaded.AddAnnotation();
  loaded.Annotation(0)->SetText(QStringLiteral("replaced"));
  loaded.LoadAnnotationsFromFile(file);
  EXPECT_EQ(RegistryDump(loaded), RegistryDump(saved));
  EXPECT_TRUE(FileBytes(file).startsWith("AnnotationCount = 12\r\nAnnotation0.Name = "));
  // Always differential: a default ordinal has no line, floats always do.
  EXPECT_FALSE(FileBytes(file).contains("Annotation0.Style"));
  EXPECT_TRUE(FileBytes(file).contains("\r\nAnnotation0.Width = 0\r\n"));
}

TEST(PlotAnnotationsFile, UsersFile_withDecimalCommasAndAnInterruptedSection) {
  TiPlot plot;
  plot.LoadAnnotationsFromFile(QString::fromStdString(FixturePath("plot/fixtures/userAnnotations.txt")));
  ASSERT_EQ(plot.AnnotationCount(), 2);
  const TiPlotAnnotation& first = *plot.Annotation(0);
  EXPECT_EQ(first.Style(), TiPlotAnnotationStyle::ipasTextBox);
  EXPECT_EQ(first.X(), 12.5);
  EXPECT_EQ(first.Y(), 0.25);
  EXPECT_EQ(first.Text(), QStringLiteral("Peak\r\n-3 dB"));
  EXPECT_EQ(first.PenColor(), clBtnFace);
  EXPECT_EQ(first.PenWidth(), 1);  // AddAnnotation's default, not in the file
  TiPlotAnnotation& second = *plot.Annotation(1);
  EXPECT_EQ(second.X(), 40);
  EXPECT_EQ(second.Y(), 0);  // its Y line came after another prefix
  EXPECT_EQ(second.Font().Height(), -16);
}

TEST(PlotAnnotationsFile, RefusedFile_keepsTheAnnotations) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("notes.txt"));
  TiPlot plot;
  plot.Annotation(plot.AddAnnotation())->SetText(QStringLiteral("kept"));
  const std::string before = RegistryDump(plot);
  for (const char* text : {"File Type = Plot Config\r\nChannelCount = 1\r\n",
                           "AnnotationCount = 1\r\nAnnotation0.X = far\r\n", "AnnotationCount = 10001\r\n"}) {
    WriteBytes(file, text);
    const QString error = ErrorOf([&] { plot.LoadAnnotationsFromFile(file); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error Loading Annotations - "))) << error.toStdString();
    EXPECT_EQ(RegistryDump(plot), before) << text;
    EXPECT_FALSE(plot.GetUpdateActive());
  }
  WriteBytes(file, "ChannelCount = 1\r\n");
  EXPECT_EQ(ErrorOf([&] { plot.LoadAnnotationsFromFile(file); }),
            QStringLiteral("Error Loading Annotations - The line \"AnnotationCount = \" is missing"));
  EXPECT_TRUE(ErrorOf([&] { plot.SaveAnnotationsToFile(dir.filePath(QStringLiteral("no/notes.txt"))); })
                  .startsWith(QStringLiteral("Error Saving Annotations - ")));
}
