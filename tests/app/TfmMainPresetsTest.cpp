#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "link/LinkTransportFactory.h"
#include "protocol/LUnitControl.h"
#include "protocol/SettingFile.h"
#include "tests/app/MainWindowFixture.h"

namespace {

class TfmMainPresetsTest : public SharedMainWindow<LinkTransportFactory> {
protected:
  void TearDown() override { FileChooser::SetHook({}); }

  void Click(const char* entry) { window.Form().MainMenu.Find(QLatin1String(entry))->Click(); }

  QTemporaryDir folder;
  std::vector<FileChoice> asked;
};

// One window for the whole suite's checks: building one is slow under the sanitizers.
TEST_F(TfmMainPresetsTest, FileMenuAndLabels_settingFilesThroughTheFileDialogPresetLabelsByName) {
  ASSERT_TRUE(folder.isValid());
  FileChooser::SetHook([&](const FileChoice& choice) -> std::optional<QString> {
    asked.push_back(choice);
    return folder.filePath("stage.PRS");
  });
  window.UnitControl().Image().SetByte(UnitImage::kPresetName, 'Q');

  Click("Save");

  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].kind, FileChoice::Kind::Save);
  EXPECT_EQ(asked[0].filter, "*.prs|*.prs");
  QFile saved(folder.filePath("stage.prs"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.size(), static_cast<qint64>(SettingFile::kSize));

  window.UnitControl().Image().SetByte(UnitImage::kPresetName, 'X');
  FileChooser::SetHook([&](const FileChoice& choice) -> std::optional<QString> {
    asked.push_back(choice);
    return folder.filePath("stage.prs");
  });
  Click("Open");

  EXPECT_EQ(asked.back().kind, FileChoice::Kind::Open);
  EXPECT_EQ(window.UnitControl().Image().Byte(UnitImage::kPresetName), 'Q');
  EXPECT_FALSE(window.IsRefreshingControls());

  window.ShowPresetLabels("U05", QByteArray("Stage         "));
  EXPECT_EQ(Get<TLabel>("lbPstNum").Caption(), "U05");
  EXPECT_EQ(Get<TLabel>("lbPstName").Caption(), "Stage         ");
}

}  // namespace
