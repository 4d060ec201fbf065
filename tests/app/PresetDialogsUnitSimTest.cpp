#include <chrono>
#include <memory>
#include <optional>
#include <span>

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "dialogs/TfmInformation.h"
#include "dialogs/TfmProcess.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStoreName.h"
#include "dialogs/TfmStorePreset.h"
#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TStatusBar.h"
#include "platform/widgets/TValueListEditor.h"
#include "protocol/CommandCodes.h"
#include "protocol/UnitFile.h"
#include "tests/app/LiveWindowFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kDialogsReadOutLimit = 60s;

/// The main window with its preset dialogs and progress window, on the pty
/// of a simulated unit.
class PresetDialogsUnitSim : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    window.Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window.Session().OpenSerialLink();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Controls().Find<TTimer>("tmInLevelDet")->Enabled(); },
                                   kDialogsReadOutLimit));
  }

  /// Runs pick inside the modal loop of the list the button opens; a timer
  /// watches the progress window meanwhile.
  void InList(void (TfmMain::*open)(TObject*), const std::function<void()>& pick) {
    statuses.clear();
    const TNotifyEvent formShow = process.OnShow;
    process.OnShow = [&, formShow](TObject* sender) {
      formShow(sender);
      statuses << process.StatusBar->SimpleText();
      if (onProgress) {
        QTimer::singleShot(0, std::exchange(onProgress, nullptr));
      }
    };
    // A failure message on the way is acknowledged as a user would.
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (information.isVisible()) {
        information.btnOK->Click();
      }
    });
    watch.start();
    QTimer::singleShot(0, &window, pick);
    (window.*open)(nullptr);
    EXPECT_TRUE(ProcessEventsUntil([&] { return !process.isVisible() && !process.Modal(); }, kDialogsReadOutLimit));
    process.OnShow = formShow;
  }

  void PressEnter() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(names.edName->findChild<QLineEdit*>(), &press);
  }

  QByteArray SimPresetName(int preset) const {
    const SimUnitState state = sim->State();
    const SimImage& image = state.presets.at(static_cast<std::size_t>(preset - 1));
    return QByteArray(reinterpret_cast<const char*>(image.data()) + 2, 14);
  }

  std::unique_ptr<UnitSim> sim;
  LinkTransportFactory factory;
  PromptCountingWindow window{factory, nullptr};
  TfmInformation information{window};
  TfmStorePreset store{window};
  TfmRecallPreset recall{window};
  TfmStoreName names{window};
  TfmProcess process{window};
  QStringList statuses;  ///< the status text at each showing of the progress window
  std::function<void()> onProgress;
};

TEST_F(PresetDialogsUnitSim, storeAndRecallThroughTheListsWithTheProgressWindow) {
  InList(&TfmMain::bStoreClick, [&] {
    store.vledPresetName->PickRow(3);
    EXPECT_EQ(names.lTitle->Caption(), QStringLiteral("U03 : "));
    names.edName->SetText(QStringLiteral("ABCD"));
    PressEnter();
  });
  EXPECT_EQ(statuses.value(0), QStringLiteral("Store preset now , please wait..."));
  EXPECT_TRUE(ProcessEventsUntil([&] { return SimPresetName(3) == QByteArrayLiteral("ABCD          "); }, 10s));
  EXPECT_EQ(store.Rows().Line(2), QStringLiteral("     U03=  ABCD          "));
  EXPECT_EQ(recall.Rows().Line(3), QStringLiteral("     U03=  ABCD          "));
  EXPECT_FALSE(store.isVisible());

  for (const auto& [line, preset, title] : {std::tuple{1, 0, "F00 : "}, std::tuple{31, 30, "U30 : "}}) {
    sim->ClearReceivedFrames();
    InList(&TfmMain::bRecallClick, [&, line = line, title = title] {
      recall.vledPresetName->PickRow(line);
      EXPECT_EQ(names.lTitle->Caption(), QLatin1String(title));
      EXPECT_FALSE(names.edName->isEnabled());
      names.btnOK->Click();
    });
    EXPECT_EQ(statuses.value(0), QStringLiteral("Load preset now , please wait...")) << statuses.join('|').toStdString();
    bool recalled = false;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      recalled |= frame.frame.code == CMD_RECALL_PRESET && frame.frame.payload == std::vector<std::uint8_t>{
                                                                                      static_cast<std::uint8_t>(preset)};
    }
    EXPECT_TRUE(recalled) << preset;
    EXPECT_TRUE(window.isEnabled());
  }
}

TEST_F(PresetDialogsUnitSim, aDroppedLinkDuringAStoreLeavesNoProgressWindow) {
  onProgress = [&] { sim->DropLink(SimLink::Pty); };
  InList(&TfmMain::bStoreClick, [&] {
    store.vledPresetName->PickRow(5);
    names.btnOK->Click();
  });
  EXPECT_FALSE(statuses.isEmpty());
  // The dropped link reaches the window as a posted error.
  EXPECT_TRUE(ProcessEventsUntil([&] { return !window.IsUnitOnline(); }, 10s));
  EXPECT_FALSE(process.isVisible());
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PresetDialogsUnitSim, aDroppedLinkDuringARecallLeavesNoProgressWindow) {
  onProgress = [&] { sim->DropLink(SimLink::Pty); };
  InList(&TfmMain::bRecallClick, [&] {
    recall.vledPresetName->PickRow(2);
    names.btnOK->Click();
  });
  EXPECT_FALSE(statuses.isEmpty());
  // The dropped link reaches the window as a posted error.
  EXPECT_TRUE(ProcessEventsUntil([&] { return !window.IsUnitOnline(); }, 10s));
  EXPECT_FALSE(process.isVisible());
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(PresetDialogsUnitSim, aLinkDroppedWhileTheUploadsFileIsNamed_stillWritesTheFile) {
  // The read-out at the next link lists preset 2 as used.
  sim->SetPreset(2, MakeDefaultImage());
  window.Session().Disconnect();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !window.Session().HasAnyTransport(); }, 10s));
  window.Session().OpenSerialLink();
  ASSERT_TRUE(ProcessEventsUntil([&] { return window.Controls().Find<TTimer>("tmInLevelDet")->Enabled(); },
                                 kDialogsReadOutLimit));

  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("kept.unt"));
  int asked = 0;
  // The user is typing the name when the cable comes out.
  FileChooser::SetHook([&](const FileChoice& choice) -> std::optional<QString> {
    ++asked;
    EXPECT_EQ(choice.kind, FileChoice::Kind::Save);
    sim->DropLink(SimLink::Pty);
    EXPECT_TRUE(ProcessEventsUntil([&] { return !window.IsUnitOnline(); }, 10s));
    return path;
  });
  QTimer watch;
  watch.setInterval(5);
  QStringList messages;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (information.isVisible()) {
      messages << information.lbMessage->Caption();
      information.btnOK->Click();
    }
  });
  watch.start();
  window.UploadAllPresets();
  const bool ended = ProcessEventsUntil(
      [&] { return asked == 1 && !window.PresetExchange().IsTransferRunning(); }, kDialogsReadOutLimit);
  FileChooser::SetHook({});
  ASSERT_TRUE(ended) << asked;
  EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
  EXPECT_FALSE(window.IsUnitOnline());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const std::optional<StagedUnitFile> staged =
      ParseUnitFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
  ASSERT_TRUE(staged) << "the editor opens what it wrote";
  for (int k = 0; k < UnitFile::kRecordCount; ++k) {
    EXPECT_EQ(staged->IsUsed(k), k == 1) << k;
  }
}

}  // namespace
