#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QTimer>

#include "dialogs/TfmInformation.h"
#include "dialogs/TfmLinkSel.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TMainMenu.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitImage.h"
#include "tests/app/LiveWindowFixture.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/vr/TVrPowerButton.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kLinkDialogReadOutLimit = 60s;
using Frame = std::pair<int, std::vector<std::uint8_t>>;
using Frames = std::vector<Frame>;

void Word(SimUnitState& state, int channel, std::size_t offset, std::uint16_t value) {
  WriteWord(state.image, UnitImage::ChannelRecord(channel) + offset, value);
}

void InputFir(SimUnitState& state, int input, std::uint16_t taps) {
  Word(state, input, UnitImage::kInFirTaps, taps);
  Word(state, input, UnitImage::kInFirBypass, 0);
}

/// An output running a 1024-tap coefficient set in FIR mode.
void OutputCoefficientSet(SimUnitState& state, int output) {
  Word(state, output, UnitImage::kOutFilter, 1);
  state.image[UnitImage::ChannelRecord(output) + UnitImage::kOutFilter + 8] = 4;
  Word(state, output, UnitImage::kOutFilter + 14, 1024);
}

/// The main window with its link dialog and information box, on the pty of
/// a simulated unit; the information box is acknowledged as a user would.
class LinkDialogUnitSim : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.pty = true;
    sim = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(sim->Start()) << sim->LastError();
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [this] {
      if (information.isVisible() && information.ModalResult() == mrNone) {
        messages << information.lbMessage->Caption();
        information.btnOK->Click();
      }
    });
    watch.start();
  }

  bool Connect(const std::function<void(SimUnitState&)>& prepare = {}) {
    if (prepare) {
      sim->ModifyState(prepare);
    }
    window.Session().SetComPortName(QString::fromStdString(sim->PtyPath()));
    window.Session().OpenSerialLink();
    return ReadBack();
  }

  /// Waits until the editor holds the unit's image again and polls its levels.
  bool ReadBack() {
    return ProcessEventsUntil(
        [&] {
          const SimImage unit = sim->Image();
          const auto editor = window.UnitControl().Image().Bytes();
          return window.Controls().Find<TTimer>(QStringLiteral("tmInLevelDet"))->Enabled() &&
                 window.Session().GetProcessState() == 0 &&
                 std::equal(unit.begin() + 2, unit.begin() + 1006, editor.begin() + 2);
        },
        kLinkDialogReadOutLimit);
  }

  /// Opens the dialog from the Link menu entry and runs `use` inside it.
  void InDialog(const std::function<void()>& use) {
    QTimer::singleShot(0, &window, [&] {
      use();
      // A closing modal form stays visible until its loop has ended.
      if (link.ModalResult() == mrNone) {
        ADD_FAILURE() << "the link dialog stayed open";
        link.Close();
      }
    });
    window.Controls().Find<TMenuItem>(QStringLiteral("Link"))->Click();
  }

  TRzBmpButton& Cell(const char* name) { return *link.Controls().Find<TRzBmpButton>(QLatin1String(name)); }
  /// A cell pressed as its click presses it, then its click.
  void Press(const char* name) {
    TRzBmpButton& cell = Cell(name);
    cell.SetDown(true);
    cell.Click();
  }

  void ShowPage(int page) {
    TRzBmpButton* button = window.Form().PageButtons[std::size_t(page)];
    button->Click();
    button->SetDown(true);
  }

  /// The frames the unit received, without the level polls and without the
  /// keep-alives that came before anything else.
  Frames Received() const {
    Frames frames;
    for (const SimReceivedFrame& received : sim->ReceivedFrames()) {
      const int code = received.frame.code;
      if (code == CMD_LEVELS || (frames.empty() && code == CMD_KEEP_ALIVE)) {
        continue;
      }
      frames.emplace_back(code, received.frame.payload);
    }
    return frames;
  }

  /// No frame of a link change, once the unit has seen two more level polls.
  void ExpectNoLinkChangeSent() {
    const std::size_t polls = sim->ReceivedCount(CMD_LEVELS);
    ASSERT_TRUE(ProcessEventsUntil([&] { return sim->ReceivedCount(CMD_LEVELS) >= polls + 2; }, 10s));
    for (const auto& [code, payload] : Received()) {
      EXPECT_TRUE(code != CMD_COPY_CHANNEL && code != CMD_LINK_MASK && code != CMD_READ_PRESET_DIRECTORY) << code;
    }
  }

  std::vector<std::uint8_t> SimRecordBytes(int channel, std::size_t from, std::size_t to) const {
    const SimImage image = sim->Image();
    const auto start = image.begin() + std::ptrdiff_t(UnitImage::ChannelRecord(channel) + from);
    return {start, start + std::ptrdiff_t(to - from)};
  }

  std::unique_ptr<UnitSim> sim;
  LinkTransportFactory factory;
  PromptCountingWindow window{factory, nullptr};
  TfmInformation information{window};
  TfmLinkSel link{window};
  QTimer watch;
  QStringList messages;
};

// One connection for both (a read-out costs seconds): first Set without a
// change and Exit after an edit, which send nothing; then InC joins InA.
TEST_F(LinkDialogUnitSim, unchangedSetAndExitSendNothingAndLinkingInCToInACopiesStoresAndReadsBack) {
  ASSERT_TRUE(Connect([](SimUnitState& state) {
    Word(state, 0, UnitImage::kInGain, 100);
    Word(state, 0, UnitImage::kInDelay, 960);
    InputFir(state, 0, 1024);
  }));
  ASSERT_NE(SimRecordBytes(2, UnitImage::kInGate, UnitImage::kInLinkMask),
            SimRecordBytes(0, UnitImage::kInGate, UnitImage::kInLinkMask));
  ShowPage(1);
  sim->ClearReceivedFrames();
  InDialog([&] { link.bnSet->Click(); });
  EXPECT_EQ(window.State().CurrentPage, 1);
  EXPECT_EQ(window.Session().GetProcessState(), 0);

  InDialog([&] {
    Press("rzb2LinkOut1");
    Press("rzbCLinkInB");
    link.bnExit->Click();
  });
  bool restored = false;
  InDialog([&] {
    restored = Cell("rzb2LinkOut2").Down() && Cell("rzbCLinkInC").Down() && Cell("rzb4LinkOut2").Enabled();
    link.bnExit->Click();
  });
  EXPECT_TRUE(restored);
  ExpectNoLinkChangeSent();

  sim->ClearReceivedFrames();
  InDialog([&] {
    Press("rzbCLinkInA");
    link.bnSet->Click();
  });
  const int charged = window.State().FirTapsInUse;
  ASSERT_TRUE(ReadBack());

  const Frames expected{{CMD_COPY_CHANNEL, {0, 2}}, {CMD_LINK_MASK, {0, 5}}, {CMD_LINK_MASK, {2, 0}},
                        {CMD_KEEP_ALIVE, {}}, {CMD_READ_PRESET_DIRECTORY, {}}};
  const Frames received = Received();
  ASSERT_GE(received.size(), expected.size());
  EXPECT_EQ(Frames(received.begin(), received.begin() + std::ptrdiff_t(expected.size())), expected);
  EXPECT_EQ(SimRecordBytes(2, UnitImage::kInGate, UnitImage::kInLinkMask),
            SimRecordBytes(0, UnitImage::kInGate, UnitImage::kInLinkMask));
  EXPECT_TRUE(link.Grid().IsPressed(2, 0));
  EXPECT_TRUE(Cell("rzbCLinkInA").Down());
  EXPECT_EQ(FindControl<TRzBmpButton>(window, QStringLiteral("rzbMenuInC")).Caption(), QStringLiteral("C=A"));
  for (const char* name : {"vrbShowCGain", "vrbShowCInA", "vrbShowCInB"}) {
    EXPECT_FALSE(FindControl<TVrPowerButton>(window, QLatin1String(name)).Visible()) << name;
  }
  EXPECT_TRUE(FindControl<TVrPowerButton>(window, QStringLiteral("vrbShowAInB")).Visible());
  EXPECT_EQ(window.State().CurrentPage, MainWindowState::kPageGain);
  EXPECT_TRUE(window.Form().PageButtons[MainWindowState::kPageGain]->Down());
  EXPECT_EQ(charged, 2048);
  EXPECT_EQ(window.State().FirTapsInUse, charged);
  EXPECT_TRUE(messages.isEmpty());
}


/// The same, for the tap budget: suites of their own, so that they run side by side.
class LinkBudgetUnitSim : public LinkDialogUnitSim {};
class LinkChargeUnitSim : public LinkDialogUnitSim {};

TEST_F(LinkBudgetUnitSim, aGroupOverTheTapBudgetIsRefusedInEitherLanguage) {
  ASSERT_TRUE(Connect([](SimUnitState& state) {
    InputFir(state, 0, 2048);
    InputFir(state, 1, 2048);
  }));
  sim->ClearReceivedFrames();
  struct Language {
    const char* menuItem;
    const char* title;
    const char* set;
    const char* exit;
    const char* message;
  };
  const Language languages[] = {{"English", "Link Selection", "Set", "Exit", "Run Out of FIR Resource!!"},
                                {"ChineseSimplified", "联动选择", "设置", "退出", "FIR资源耗尽!!"}};
  for (const Language& language : languages) {
    window.Controls().Find<TMenuItem>(QLatin1String(language.menuItem))->Click();
    messages.clear();
    bool openAfterSet = false;
    bool putBack = false;
    InDialog([&] {
      EXPECT_EQ(link.Caption(), QString::fromUtf8(language.title));
      EXPECT_EQ(link.bnSet->Caption(), QString::fromUtf8(language.set));
      EXPECT_EQ(link.bnExit->Caption(), QString::fromUtf8(language.exit));
      Press("rzbCLinkInA");
      link.bnSet->Click();
      openAfterSet = link.ModalResult() == mrNone;
      putBack = Cell("rzbCLinkInC").Down();
      link.bnExit->Click();
    });
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(language.message)}) << language.menuItem;
    EXPECT_TRUE(openAfterSet);
    EXPECT_TRUE(putBack);
    EXPECT_EQ(link.TotalTaps(), 6144);
  }
  EXPECT_EQ(window.State().FirTapsInUse, 4096);
  ExpectNoLinkChangeSent();
}

TEST_F(LinkChargeUnitSim, groupsThatFitTogetherAreChargedOnceAndSentInColumnOrder) {
  ASSERT_TRUE(Connect([](SimUnitState& state) {
    InputFir(state, 0, 2048);
    OutputCoefficientSet(state, 3);
    OutputCoefficientSet(state, 6);
  }));
  ASSERT_EQ(window.State().FirTapsInUse, 4096);
  sim->ClearReceivedFrames();

  InDialog([&] {
    Press("rzb2LinkOut1");
    Press("rzb4LinkOut3");
    link.bnSet->Click();
  });
  const int charged = window.State().FirTapsInUse;
  ASSERT_TRUE(ReadBack());

  EXPECT_TRUE(messages.isEmpty());
  const Frames expected{{CMD_COPY_CHANNEL, {3, 4}}, {CMD_LINK_MASK, {3, 3}},  {CMD_LINK_MASK, {4, 0}},
                        {CMD_COPY_CHANNEL, {5, 6}}, {CMD_LINK_MASK, {5, 12}}, {CMD_LINK_MASK, {6, 0}},
                        {CMD_KEEP_ALIVE, {}},       {CMD_READ_PRESET_DIRECTORY, {}}};
  const Frames received = Received();
  ASSERT_GE(received.size(), expected.size());
  EXPECT_EQ(Frames(received.begin(), received.begin() + std::ptrdiff_t(expected.size())), expected);
  EXPECT_EQ(SimRecordBytes(4, UnitImage::kOutFilter, UnitImage::kOutLinkMask),
            SimRecordBytes(3, UnitImage::kOutFilter, UnitImage::kOutLinkMask));
  EXPECT_EQ(SimRecordBytes(6, UnitImage::kOutFilter, UnitImage::kOutLinkMask),
            SimRecordBytes(5, UnitImage::kOutFilter, UnitImage::kOutLinkMask));
  EXPECT_EQ(charged, 4096);
  EXPECT_EQ(window.State().FirTapsInUse, charged);
  EXPECT_EQ(FindControl<TRzBmpButton>(window, QStringLiteral("rzbMenuOut4")).Caption(), QStringLiteral("4=3"));
}

}  // namespace
