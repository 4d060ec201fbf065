#include <chrono>
#include <functional>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "dialogs/TfmInOutSelect.h"
#include "dialogs/TfmSourceSelect.h"
#include "dialogs/TfmTest.h"
#include "dialogs/remote/TfmRs232Cmd.h"
#include "dialogs/remote/TfmRs232CmdEnglish.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPopupMenu.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "tests/app/PtyUnitWindow.h"
#include "tests/dialogs/ComboPick.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"

using namespace std::chrono_literals;

namespace {

using Payloads = std::vector<std::vector<std::uint8_t>>;

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

/// A left click in the middle of a control.
void ClickOn(QWidget* widget) {
  const QPoint at(widget->width() / 2, widget->height() / 2);
  SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

/// The main window with the dialogs of the unit's test signal, names,
/// sources and types, linked over a pty to a simulated unit for the whole
/// suite; each test starts with the unit's frames forgotten.
class UnitDialogsUnitSim : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    unit = new PtyUnitWindow;
    window = &unit->Window();
    sim = &unit->Sim();
    test = unit->Add<TfmTest>(*window);
    channelName = unit->Add<TfmChannelName>(*window);
    nameList = unit->Add<TfmChNameList>(*window);
    sources = unit->Add<TfmSourceSelect>(*window);
    types = unit->Add<TfmInOutSelect>(*window);
    english = unit->Add<TfmRs232CmdEnglish>();
    chinese = unit->Add<TfmRs232Cmd>();
    ASSERT_TRUE(unit->StartUnit());
    ASSERT_TRUE(unit->LinkAndReadOut(60s));
  }
  static void TearDownTestSuite() {
    delete unit;
    unit = nullptr;
    window = nullptr;
    sim = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->IsUnitOnline());
    sim->ClearReceivedFrames();
  }

  /// Opens a modal dialog by `open` and runs `act` inside its modal loop,
  /// then closes it. `act` only acts as a user would and looks; it never
  /// waits for the unit, which answers once the dialog's loop runs again.
  static void InDialog(TForm& form, const std::function<void()>& open, const std::function<void()>& act) {
    QTimer::singleShot(0, &form, [&form, act] {
      act();
      form.Close();
    });
    open();
    EXPECT_FALSE(form.isVisible());
  }
  static void OpenMenu(const char* entry) { window->Controls().Find<TMenuItem>(QLatin1String(entry))->Click(); }

  /// Waits until the unit has every frame sent so far.
  static void Settle() { ASSERT_TRUE(unit->Settle()); }
  /// Payloads of the frames with `code` the unit received, markers left out.
  static Payloads Received(std::uint8_t code) {
    Payloads payloads;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code == code && !PtyUnitWindow::IsSettleMarker(frame)) {
        payloads.push_back(frame.frame.payload);
      }
    }
    return payloads;
  }
  static std::uint8_t SimByte(std::size_t offset) { return sim->Image()[offset]; }

  static inline PtyUnitWindow* unit = nullptr;
  static inline TfmMain* window = nullptr;
  static inline UnitSim* sim = nullptr;
  static inline TfmTest* test = nullptr;
  static inline TfmChannelName* channelName = nullptr;
  static inline TfmChNameList* nameList = nullptr;
  static inline TfmSourceSelect* sources = nullptr;
  static inline TfmInOutSelect* types = nullptr;
  static inline TfmRs232CmdEnglish* english = nullptr;
  static inline TfmRs232Cmd* chinese = nullptr;
};

TEST_F(UnitDialogsUnitSim, testSignalModesFrequencyAndLevelReachTheUnit) {
  EXPECT_EQ(test->cbSineFreq->Text(), QStringLiteral("20Hz"));
  EXPECT_EQ(test->lbToneGain->Caption(), QStringLiteral("-20.0 dB"));
  InDialog(*test, [] { OpenMenu("TestTone"); }, [] {
    EXPECT_EQ(test->Caption(), QStringLiteral("Input Signal Select"));
    ClickOn(test->rbPinkNoise);
  });
  Settle();
  EXPECT_EQ(Received(CMD_WORK_MODE), (Payloads{{1, 0, 40}}));
  InDialog(*test, [] { OpenMenu("TestTone"); }, [] { PickItem(*test->cbSineFreq, 17); });
  Settle();
  EXPECT_EQ(Received(CMD_WORK_MODE), (Payloads{{1, 0, 40}, {3, 17, 40}, {3, 17, 40}}));
  sim->ClearReceivedFrames();
  int moves = 0;
  InDialog(*test, [] { OpenMenu("TestTone"); }, [&moves] {
    // A drag of the thumb to the bar's low end, faster than the unit answers.
    TAdvTrackBar* bar = test->isToneGain;
    const TRect thumb = bar->GetThumbRect();
    QPoint at(thumb.Left + thumb.Width() / 2, thumb.Top + thumb.Height() / 2);
    SendMouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    while (bar->Position() > bar->Min() && at.x() > -50) {
      const int before = bar->Position();
      at.rx() -= 3;
      SendMouse(bar, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
      moves += bar->Position() != before ? 1 : 0;
    }
    SendMouse(bar, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  });
  Settle();
  EXPECT_EQ(test->isToneGain->Position(), -80);
  EXPECT_EQ(test->lbToneGain->Caption(), QStringLiteral("-40.0 dB"));
  const Payloads levels = Received(CMD_WORK_MODE);
  EXPECT_GT(moves, 5);
  EXPECT_LT(static_cast<int>(levels.size()), moves);
  ASSERT_FALSE(levels.empty());
  EXPECT_EQ(levels.back(), (std::vector<std::uint8_t>{3, 17, 80}));
  EXPECT_EQ(SimByte(SimImageLayout::kTestLevel), 80);
  EXPECT_EQ(SimByte(SimImageLayout::kTestSineFrequency), 17);
}

TEST_F(UnitDialogsUnitSim, aRefreshShowsTheImagesTestSignalAndSendsNothing) {
  UnitImage& image = window->UnitControl().Image();
  const auto setTestSignal = [&image](int mode, int index, int level) {
    image.SetWord(UnitImage::kTestSignalMode, mode);
    image.SetByte(UnitImage::kTestSineFrequency, index);
    image.SetByte(UnitImage::kTestLevel, level);
    window->RefreshAllFromUnit();
  };
  setTestSignal(2, 5, 12);
  EXPECT_TRUE(test->rbWhiteNoise->Checked());
  EXPECT_FALSE(test->rbAnalogIn->Checked());
  EXPECT_EQ(test->SignalMode, 2);
  EXPECT_EQ(test->cbSineFreq->Text(), QStringLiteral("63Hz"));
  EXPECT_EQ(test->isToneGain->Position(), -12);
  EXPECT_EQ(test->lbToneGain->Caption(), QStringLiteral("-6.0 dB"));
  setTestSignal(7, 0, 40);  // no radio button of that mode: the last stays checked
  EXPECT_TRUE(test->rbWhiteNoise->Checked());
  EXPECT_EQ(test->SignalMode, 7);
  Settle();
  EXPECT_TRUE(Received(CMD_WORK_MODE).empty());
  setTestSignal(0, 0, 40);
}

TEST_F(UnitDialogsUnitSim, aNameLabelOpensTheChannelNameDialogAndTheNameReachesTheUnit) {
  auto* label = window->Controls().Find<TLabel>(QStringLiteral("lbMatrixChNameInB"));
  InDialog(*channelName, [label] { ClickOn(label); }, [] {
    EXPECT_EQ(channelName->lbChannel->Caption(), QStringLiteral("InB :"));
    auto* line = channelName->edName->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Kick"));
    channelName->btnOK->Click();
  });
  Settle();
  EXPECT_EQ(Received(CMD_CHANNEL_NAME), (Payloads{{0x01, 0x4B, 0x69, 0x63, 0x6B, 0, 0, 0, 0}}));
  const std::size_t field = SimImageLayout::ChannelRecord(1);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(sim->Image().data()) + field, 8), QByteArrayLiteral("Kick\0\0\0\0"));
  EXPECT_EQ(label->Caption(), QStringLiteral("Kick"));
  EXPECT_EQ(window->Controls().Find<TControl>(QStringLiteral("rzbMenuInB"))->Hint(), QStringLiteral("Kick"));
}

TEST_F(UnitDialogsUnitSim, badNamesAreStoredAsTheUnitCanHoldThem) {
  const struct {
    const char* what;
    std::function<void(QLineEdit*)> enter;
    QByteArray sent;
    QString shown;
  } cases[] = {
      {"empty", [](QLineEdit* line) { line->clear(); }, QByteArray(8, '\0'), QString()},
      {"pasted twelve characters",
       [](QLineEdit* line) {
         QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFGHIJKL"));
         line->selectAll();
         line->paste();
       },
       QByteArrayLiteral("ABCDEFGH"), QStringLiteral("ABCDEFGH")},
      {"a double-byte character beyond the eighth byte",
       [](QLineEdit* line) {
         line->clear();
         line->insert(QString::fromUtf8("A一二三四"));
       },
       QByteArray::fromHex("41d2bbb6fec8fd00"), QString::fromUtf8("A一二三")},
      {"a character outside the code page",
       [](QLineEdit* line) {
         line->clear();
         line->insert(QString::fromUtf8("Aกb"));
       },
       QByteArrayLiteral("A?b\0\0\0\0\0"), QStringLiteral("A?b")},
  };
  auto* label = window->Controls().Find<TLabel>(QStringLiteral("lbMatrixChNameOut2"));
  for (const auto& c : cases) {
    sim->ClearReceivedFrames();
    InDialog(*channelName, [label] { ClickOn(label); }, [&c] {
      c.enter(channelName->edName->findChild<QLineEdit*>());
      channelName->btnOK->Click();
      EXPECT_EQ(channelName->edName->Text(), c.shown) << c.what;
    });
    Settle();
    std::vector<std::uint8_t> expected{4};
    expected.insert(expected.end(), c.sent.begin(), c.sent.end());
    EXPECT_EQ(Received(CMD_CHANNEL_NAME), (Payloads{expected})) << c.what;
    EXPECT_EQ(label->Caption(), c.shown) << c.what;
  }
}

TEST_F(UnitDialogsUnitSim, theNameListSendsOnlyTheChangedNames) {
  window->SetChannelName(0, QByteArrayLiteral("ABCDEFGH"));  // all 8 bytes, no terminator
  Settle();
  sim->ClearReceivedFrames();
  InDialog(*nameList, [] { OpenMenu("ChNameList"); }, [] {
    EXPECT_EQ(nameList->NameEdit(0)->Text(), QStringLiteral("ABCDEFGH"));
    auto* line = nameList->NameEdit(5)->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Horn"));
    nameList->btnOK->Click();
  });
  Settle();
  EXPECT_EQ(Received(CMD_CHANNEL_NAME), (Payloads{{5, 'H', 'o', 'r', 'n', 0, 0, 0, 0}}));

  sim->ClearReceivedFrames();
  InDialog(*nameList, [] { OpenMenu("ChNameList"); }, [] { nameList->btnOK->Click(); });
  Settle();
  EXPECT_TRUE(Received(CMD_CHANNEL_NAME).empty());
}

TEST_F(UnitDialogsUnitSim, sourcePairsAreSetAndShownByChannel) {
  InDialog(*sources, [] { OpenMenu("SourceSelect"); }, [] {});
  Settle();
  EXPECT_TRUE(Received(CMD_SOURCE_PAIR).empty());

  InDialog(*sources, [] { OpenMenu("SourceSelect"); }, [] {
    EXPECT_FALSE(sources->SourceCombo(2)->Enabled());
    PickItem(*sources->SourceCombo(1), 1);
    PickItem(*sources->SourceCombo(5), 1);
  });
  Settle();
  EXPECT_EQ(Received(CMD_SOURCE_PAIR), (Payloads{{1, 1}, {5, 1}}));
  const std::uint16_t mask = ReadWord(sim->Image(), SimImageLayout::kSourcePairMask);
  EXPECT_EQ(mask, (1u << 1) | (1u << 5));
  InDialog(*sources, [] { OpenMenu("SourceSelect"); }, [] {
    EXPECT_EQ(sources->SourceCombo(1)->Text(), QStringLiteral("    InA + InB"));
    EXPECT_EQ(sources->SourceCombo(5)->Text(), QStringLiteral(" Out3 + Out4"));
    EXPECT_EQ(sources->SourceCombo(6)->ItemIndex(), 0);
    PickItem(*sources->SourceCombo(1), 0);
    PickItem(*sources->SourceCombo(5), 0);
  });
  Settle();
  EXPECT_EQ(ReadWord(sim->Image(), SimImageLayout::kSourcePairMask), 0);
}

TEST_F(UnitDialogsUnitSim, sourceTypesAreSentAndShownOnTheMainWindow) {
  auto* in2 = window->Controls().Find<TLabel>(QStringLiteral("lbSelDigitalIn2"));
  auto* out3 = window->Controls().Find<TLabel>(QStringLiteral("lbSelDigitalOut3"));
  auto* out1 = window->Controls().Find<TLabel>(QStringLiteral("lbSelDigitalOut1"));
  InDialog(*types, [] { OpenMenu("InOutSelect"); }, [&] {
    PickItem(*types->cbInCDSel, 2);
    EXPECT_TRUE(in2->Visible());
    EXPECT_EQ(in2->Caption(), QStringLiteral("Dante"));
    PickItem(*types->cbOut56Sel, 1);
    EXPECT_TRUE(out3->Visible());
    EXPECT_EQ(out3->Caption(), QStringLiteral("AES/EBU"));
    PickItem(*types->cbOut56Sel, 0);
    EXPECT_FALSE(out3->Visible());
    const bool out1Shown = out1->Visible();
    PickItem(*types->cbDanteOut12, 1);
    EXPECT_EQ(out1->Visible(), out1Shown);
  });
  Settle();
  EXPECT_EQ(Received(CMD_SOURCE_TYPE), (Payloads{{0, 1, 2}, {1, 2, 1}, {1, 2, 0}, {2, 0, 1}}));
  EXPECT_EQ(SimByte(SimImageLayout::kInputPairSource + 1), 2);
  EXPECT_EQ(SimByte(SimImageLayout::kDanteOutputSource), 1);
}

TEST_F(UnitDialogsUnitSim, withoutTheDanteOptionTheTypeDialogOffersTwoInputTypes) {
  UnitImage& image = window->UnitControl().Image();
  image.SetByte(UnitImage::kDanteAvailable, 0);
  image.SetByte(UnitImage::kDanteOutputSource, 2);
  window->RefreshAllFromUnit();
  EXPECT_EQ(types->DanteAvailable, 0);
  EXPECT_EQ(types->cbDanteOut12->ItemIndex(), 0);
  EXPECT_EQ(types->cbDanteOut34->ItemIndex(), 1);
  InDialog(*types, [] { OpenMenu("InOutSelect"); }, [] {
    EXPECT_EQ(types->cbInABSel->Items(), (QStringList{"Analog", "AES/EBU"}));
    // The unit's InC type stays shown unless it is Dante, which is not offered.
    const int inC = window->UnitControl().GetInputPairSource(1);
    EXPECT_EQ(types->cbInCDSel->ItemIndex(), inC < 2 ? inC : -1);
    EXPECT_FALSE(types->gbDanteOutSelect->Visible());
    EXPECT_EQ(types->height() + TfmInOutSelect::kFrameHeight, 313);
  });
  image.SetByte(UnitImage::kDanteAvailable, 1);
  image.SetByte(UnitImage::kDanteOutputSource, 0);
  window->RefreshAllFromUnit();
  Settle();
  EXPECT_TRUE(Received(CMD_SOURCE_TYPE).empty());
}

TEST_F(UnitDialogsUnitSim, theCodeReferenceOpensInTheLanguageOfTheWindow) {
  InDialog(*english, [] { OpenMenu("Rs232Code"); }, [] { EXPECT_TRUE(english->isVisible()); });
  OpenMenu("ChineseSimplified");
  InDialog(*chinese, [] { OpenMenu("Rs232Code"); }, [] {
    EXPECT_TRUE(chinese->isVisible());
    EXPECT_FALSE(english->isVisible());
  });
  OpenMenu("English");
  EXPECT_EQ(window->State().LanguageName, QStringLiteral("English"));
}

}  // namespace
