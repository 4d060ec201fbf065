#include <gtest/gtest.h>

#include "plot/base/TiCustomComponent.h"
#include "plot/core/TiPlot.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/streaming/PlotFileSupport.h"

namespace {

class TiTestControl : public TiCustomComponent {
public:
  QString ClassName() const override { return QStringLiteral("TiTestControl"); }
  void iPaintTo(TCanvas&) override {}
};

QStringList Dump(TiComponent& control) {
  QStringList dump;
  ForEachStoredProperty(control, control.PublishedProperties(), QString(),
                        [&](const QString& name, const TiPlotProperty& p, TObject& o) {
                          dump << name + "=" + p.Get(o);
                        });
  return dump;
}

}  // namespace

TEST(ComponentPropertiesFile, RoundTrip_withAndWithoutTheCommonProperties) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("control.txt"));
  TiTestControl saved;
  MoveEveryProperty(saved, saved.PublishedProperties());
  saved.SetOptionSaveAllProperties(false);
  saved.SavePropertiesToFile(file);
  EXPECT_EQ(FileBytes(file), QByteArray("File Type = TiTestControl\r\nOptionSaveAllProperties = 0\r\n"
                                        "AutoFrameRate = 1\r\nUpdateFrameRate = 61\r\n"));
  saved.SetOptionSaveAllProperties(true);
  saved.SavePropertiesToFile(file);
  TiTestControl loaded;
  loaded.LoadPropertiesFromFile(file);
  EXPECT_EQ(Dump(loaded), Dump(saved));
  EXPECT_FALSE(loaded.GetUpdateActive());
}

TEST(ComponentPropertiesFile, BadValue_isRefusedBeforeAnythingChanges) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("control.txt"));
  WriteBytes(file, "File Type = TiTestControl\r\nUpdateFrameRate = 30\r\nAutoFrameRate = maybe\r\n");
  TiTestControl control;
  EXPECT_EQ(ErrorOf([&] { control.LoadPropertiesFromFile(file); }),
            QStringLiteral("Error Loading Properties - 'maybe' is not a valid integer value for AutoFrameRate "
                           "(line AutoFrameRate)"));
  EXPECT_EQ(control.UpdateFrameRate(), 60);
}

TEST(ComponentPropertiesFile, PropertyKinds_throughSubObjects) {
  TiPlot plot;
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("updateframerate")), TiPropertyKind::tkInteger);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("HintsShow")), TiPropertyKind::tkEnumeration);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("PrintMarginLeft")), TiPropertyKind::tkFloat);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("TitleFont.Name")), TiPropertyKind::tkString);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("TitleFont.Style")), TiPropertyKind::tkSet);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("TitleFont")), TiPropertyKind::tkUnknown);
  EXPECT_EQ(plot.GetPropertyKind(QStringLiteral("Nothing")), TiPropertyKind::tkUnknown);
}
