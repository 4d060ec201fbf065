#include <chrono>

#include <gtest/gtest.h>

#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "protocol/LUnitControl.h"
#include "tests/app/LinkedUnitWindowFixture.h"
#include "widgets/trackbar/TAdvTrackBar.h"

using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kGainCode = 0x34;
constexpr std::uint8_t kPolarityCode = 0x36;
constexpr std::uint8_t kDelayCode = 0x38;
constexpr std::uint8_t kRoutingCode = 0x3A;
constexpr std::uint8_t kMixCode = 0x41;
constexpr std::uint8_t kDelayUnitCode = 0x15;
constexpr std::uint8_t kEditCodes[] = {kGainCode, 0x35, kPolarityCode, kDelayCode, kRoutingCode, kMixCode,
                                       kDelayUnitCode};

class LevelEditing : public LinkedUnitWindow {
protected:
  void SetUp() override {
    ASSERT_TRUE(window->Session().IsUnitLinked());
    EditFramesAfterSettling();  // what an earlier test queued
    sim->ClearReceivedFrames();
  }

  /// Lets every queued frame out, then the number of edit frames received.
  static std::size_t EditFramesAfterSettling() { return FramesAfterSettling(kEditCodes); }
};

TEST_F(LevelEditing, typedGain_reachesTheUnitForTheLinkGroupAndShowsOnEveryMemberOnBothPages) {
  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdGainInA"));
  Type(box, QStringLiteral("-20.5"));
  Key(box.InnerEdit(), Qt::Key_Return);
  const Bytes expected{0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x00, 0x4F, 0x00, 0x10, 0x03, 0x7F};
  const auto frames = FramesOf(kGainCode, 1);
  ASSERT_GE(frames.size(), 1u);
  EXPECT_LE(frames.size(), 2u);
  for (const Bytes& frame : frames) {
    EXPECT_EQ(frame, expected);
  }
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(1, SimImageLayout::kInGain, 0) == 79; }, 5s));
  EXPECT_EQ(SimWord(0, SimImageLayout::kInGain, 0), 79);
  EXPECT_EQ(SimWord(2, SimImageLayout::kInGain, 0), 280);
  for (const char* s : {"InA", "InB"}) {
    EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdGain") + QLatin1String(s)).GetText(), "-20.5dB") << s;
    EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdGainBackup") + QLatin1String(s)).GetText(), "-20.5dB") << s;
    EXPECT_EQ(Get<TAdvTrackBar>(QStringLiteral("isGain") + QLatin1String(s)).Position(), -201) << s;
    EXPECT_EQ(Get<TAdvTrackBar>(QStringLiteral("isGainBackup") + QLatin1String(s)).Position(), -201) << s;
  }
  EXPECT_EQ(Get<TAdvTrackBar>(QStringLiteral("isGainInC")).Position(), 0);
  EXPECT_EQ(window->UnitControl().GetGain(1), 79);
}

TEST_F(LevelEditing, phaseOfOut2FromTheGainPage_invertsTheWholeOutputGroup) {
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbPhaseBackupOut2")));
  const auto frames = FramesOf(kPolarityCode, 1);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], (Bytes{0x10, 0x02, 0x00, 0x01, 0x03, 0x36, 0x04, 0x01, 0x10, 0x03, 0x30}));
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(5, 0, SimImageLayout::kOutPolarity) == 1; }, 5s));
  EXPECT_EQ(SimWord(3, 0, SimImageLayout::kOutPolarity), 1);
  EXPECT_EQ(SimWord(4, 0, SimImageLayout::kOutPolarity), 1);
  EXPECT_EQ(SimWord(6, 0, SimImageLayout::kOutPolarity), 0);
  for (const char* s : {"Out1", "Out2", "Out3"}) {
    for (const char* stem : {"rzbPhase", "rzbPhaseBackup"}) {
      auto& button = Get<TRzBmpButton>(QLatin1String(stem) + QLatin1String(s));
      EXPECT_TRUE(button.Down()) << stem << s;
      EXPECT_EQ(button.Caption(), "Inverse") << stem << s;
    }
  }
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbPhaseOut4")).Down());
}

TEST_F(LevelEditing, muteOfOut6FromTheGainPage_mutesItWithoutItsChannelPageHandler) {
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbMuteBackupOut6")));
  const auto frames = FramesOf(0x35, 1);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(Bytes(frames[0].begin() + 6, frames[0].begin() + 8), (Bytes{0x08, 0x01}));
  EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbMuteOut6")).Down());
  EXPECT_TRUE(window->UnitControl().GetMute(8));
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbMuteBackupOut6")));
  EXPECT_EQ(FramesOf(0x35, 2).size(), 2u);
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMuteOut6")).Down());
}

// A linked channel's page shows its leader's controls: the mute button
// there mutes the channel of the page shown, with its whole group.
TEST_F(LevelEditing, channelPageMute_mutesTheChannelOfThePageShown) {
  ShowPage("rzbMenuOut3");
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbMuteOut1")));
  const auto frames = FramesOf(0x35, 1);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(Bytes(frames[0].begin() + 6, frames[0].begin() + 8), (Bytes{0x05, 0x01}));
  for (const char* s : {"Out1", "Out2", "Out3"}) {
    EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbMuteBackup") + QLatin1String(s)).Down()) << s;
  }
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMuteBackupOut4")).Down());
  ShowPage("rzbMenuGain");
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbMuteBackupOut2")));
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMuteOut1")).Down());
}

TEST_F(LevelEditing, routeAndMixLevel_changeTheEditedOutputAlone) {
  ShowPage("rzbMenuMatrix");
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbCMatrixOut1")));
  const auto routes = FramesOf(kRoutingCode, 1);
  ASSERT_EQ(routes.size(), 1u);
  EXPECT_EQ(routes[0], (Bytes{0x10, 0x02, 0x00, 0x01, 0x03, 0x3A, 0x03, 0x05, 0x10, 0x03, 0x3F}));

  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdAMatrixOut1"));
  Type(box, QStringLiteral("-21.25dB"));
  Key(box.InnerEdit(), Qt::Key_Return);
  const auto mixes = FramesOf(kMixCode, 1);
  ASSERT_EQ(mixes.size(), 1u);
  EXPECT_EQ(mixes[0], (Bytes{0x10, 0x02, 0x00, 0x01, 0x05, 0x41, 0x03, 0x00, 0x4E, 0x00, 0x10, 0x03, 0x09}));
  EXPECT_EQ(box.GetText(), "-21.0dB");
  EXPECT_EQ(Get<TUpDown>(QStringLiteral("udMixGainAOut1")).Position(), -202);

  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(3, 0, SimImageLayout::kOutMix) == 78; }, 5s));
  EXPECT_EQ(SimWord(3, 0, SimImageLayout::kOutRouting), 5);
  EXPECT_EQ(SimWord(4, 0, SimImageLayout::kOutRouting), 2);
  EXPECT_EQ(SimWord(4, 0, SimImageLayout::kOutMix), 280);
  EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdAMatrixOut2")).GetText(), "+0.0dB");
}

TEST_F(LevelEditing, mixArrows_stopAtTheEndsAndStepHalfDecibelsBelowMinus20) {
  auto& level = Get<TUpDown>(QStringLiteral("udMixGainBOut5"));
  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdBMatrixOut5"));
  level.Step(TUpDownDirection::updUp);  // at 0 dB already
  EXPECT_EQ(level.Position(), 0);
  EXPECT_EQ(EditFramesAfterSettling(), 0u);
  level.SetPosition(-200);
  level.Step(TUpDownDirection::updDown);
  EXPECT_EQ(box.GetText(), "-20.5dB");
  EXPECT_EQ(window->UnitControl().GetMixLevel(7, 1), 79);
  level.SetPosition(-280);
  level.Step(TUpDownDirection::updDown);
  EXPECT_EQ(level.Position(), -280);
  EXPECT_EQ(box.GetText(), "-60.0dB");
}

TEST_F(LevelEditing, delayInMetres_reachesTheGroupAndKeepsItsSampleWhenTheBoxIsLeft) {
  ShowPage("rzbMenuDelay");
  auto& metres = Get<TRzBmpButton>(QStringLiteral("rzbUnit1"));
  Click(&metres);
  ASSERT_EQ(FramesOf(kDelayUnitCode, 1).size(), 1u);
  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdDelayInA"));
  Type(box, QStringLiteral("1"));
  Key(box.InnerEdit(), Qt::Key_Return);
  const auto frames = FramesOf(kDelayCode, 1);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], (Bytes{0x10, 0x02, 0x00, 0x01, 0x04, 0x38, 0x00, 0x17, 0x01, 0x10, 0x03, 0x2A}));
  EXPECT_EQ(box.GetText(), "0.998m");
  EXPECT_EQ(box.InnerEdit()->cursorPosition(), 6);
  EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdDelayInB")).GetText(), "0.998m");
  EXPECT_EQ(Get<TAdvTrackBar>(QStringLiteral("isDelayInB")).Position(), 279);
  EXPECT_EQ(Get<TLabel>(QStringLiteral("lbFftDelayTimeInB")).Caption(), "0.998m");
  ASSERT_TRUE(sim->WaitUntil([] { return SimWord(1, SimImageLayout::kInDelay, 0) == 279; }, 5s));
  EXPECT_EQ(SimWord(0, SimImageLayout::kInDelay, 0), 279);

  // Leaving the box as it stands re-reads "0.998m": the delay stays 279.
  sim->ClearReceivedFrames();
  box.OnExit(&box);
  Key(box.InnerEdit(), Qt::Key_Return);
  EXPECT_EQ(EditFramesAfterSettling(), 0u);
  EXPECT_EQ(window->UnitControl().GetDelay(0), 279);
}

TEST_F(LevelEditing, unitChange_rewritesTheNineBoxesAndSendsOneFrame) {
  ShowPage("rzbMenuDelay");
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbUnit2")));
  EXPECT_EQ(FramesOf(kDelayUnitCode, 1).size(), 1u);
  EXPECT_EQ(EditFramesAfterSettling(), 1u);
  for (int c = 0; c < 9; ++c) {
    EXPECT_TRUE(Get<TCurvyEdit>(QStringLiteral("cvdDelay") + ChannelSuffix(c)).GetText().endsWith("ft")) << c;
    EXPECT_TRUE(Get<TLabel>(QStringLiteral("lbFftDelayTime") + ChannelSuffix(c)).Caption().endsWith("ft")) << c;
  }
  EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbUnit2")).Down());
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbUnit0")).Down());
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbUnit0")));
  EXPECT_EQ(window->UnitControl().GetDelayUnit(), 0);
}

TEST_F(LevelEditing, rejectedTexts_sendNothingAndPutTheCaretAtTheEnd) {
  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdGainOut4"));
  const QString shown = box.GetText();
  for (const char* text : {"abc", "12dBx", "5.", "--3", "1e3"}) {
    Type(box, QLatin1String(text));
    box.InnerEdit()->setCursorPosition(0);
    Key(box.InnerEdit(), Qt::Key_Return);
    EXPECT_EQ(box.GetText(), shown) << text;
    EXPECT_EQ(box.InnerEdit()->cursorPosition(), shown.size()) << text;
  }
  EXPECT_EQ(EditFramesAfterSettling(), 0u);
}

// Enter, Tab and a click elsewhere take an entry; other keys and a switch
// to another window do not.
TEST_F(LevelEditing, entry_isTakenByEnterTabAndClickElsewhereOnly) {
  TCurvyEdit& box = Get<TCurvyEdit>(QStringLiteral("cvdGainOut5"));
  auto& bar = Get<TAdvTrackBar>(QStringLiteral("isGainOut5"));
  Type(box, QStringLiteral("3"));
  Key(box.InnerEdit(), Qt::Key_Escape);
  Key(box.InnerEdit(), Qt::Key_Up);
  Focus(box.InnerEdit(), QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  Focus(box.InnerEdit(), QEvent::FocusOut, Qt::PopupFocusReason);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(box.GetText(), "3");
  Key(box.InnerEdit(), Qt::Key_Return);
  EXPECT_EQ(bar.Position(), 30);

  Type(box, QStringLiteral("4"));
  Focus(box.InnerEdit(), QEvent::FocusOut, Qt::TabFocusReason);
  EXPECT_EQ(bar.Position(), 40);
  Type(box, QStringLiteral("5"));
  Focus(box.InnerEdit(), QEvent::FocusOut, Qt::MouseFocusReason);
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(box.GetText(), "+5.0dB");
  EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdGainBackupOut5")).GetText(), "+5.0dB");
}

// Tabbing through every box of every page re-reads each shown text: none
// may change a value.
TEST_F(LevelEditing, leavingEveryBoxAsShown_sendsNothing) {
  window->UnitControl().SetDelayUnit(1);
  auto& bar = Get<TAdvTrackBar>(QStringLiteral("isDelayOut6"));
  bar.SetPosition(1);  // 0.004m
  Click(&Get<TRzBmpButton>(QStringLiteral("rzbUnit1")));
  EditFramesAfterSettling();
  sim->ClearReceivedFrames();
  int boxes = 0;
  for (const QString& name : window->Controls().Names()) {
    auto* box = window->Controls().Find<TCurvyEdit>(name);
    if (box != nullptr && box->OnExit) {
      box->OnExit(box);
      ++boxes;
    }
  }
  EXPECT_GE(boxes, 9 + 18 + 9 + 9 + 9 + 6 + 7);
  EXPECT_EQ(EditFramesAfterSettling(), 0u);
  EXPECT_EQ(bar.Position(), 1);
}

TEST_F(LevelEditing, draggingADelayPicture_followsTheMouseWithinTheLine) {
  auto& line = Get<TLabel>(QStringLiteral("lbDelayLineInC"));
  auto& picture = Get<TImage>(QStringLiteral("imDelayInC"));
  auto& bar = Get<TAdvTrackBar>(QStringLiteral("isDelayInC"));
  ASSERT_EQ(line.Width(), 475);
  const int y = line.Height() / 2;
  line.OnMouseMove(&line, {}, 15, y);
  EXPECT_EQ(line.Cursor(), crHandPoint);
  line.OnMouseMove(&line, {}, 200, y);
  EXPECT_EQ(line.Cursor(), crDefault);
  line.OnMouseDown(&line, TMouseButton::mbLeft, {}, 15, y);
  line.OnMouseMove(&line, {}, 400, y);
  EXPECT_EQ(bar.Position(), 65280);
  EXPECT_EQ(picture.Left(), 425);
  EXPECT_EQ(line.Caption(), QString(64, QLatin1Char('-')));
  EXPECT_EQ(window->UnitControl().GetDelay(2), 65280);
  line.OnMouseMove(&line, {}, 470, y);
  EXPECT_EQ(bar.Position(), 65280);
  line.OnMouseMove(&line, {}, 5, y);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(picture.Left(), 40);
  EXPECT_EQ(line.Caption(), QString());
  line.OnMouseUp(&line, TMouseButton::mbLeft, {}, 5, y);
  line.OnMouseMove(&line, {}, 400, y);
  EXPECT_EQ(bar.Position(), 0);
}

// For a moment after a delay bar takes the focus, whatever moves it is
// undone: the stored delay stays.
TEST_F(LevelEditing, delayBarJustFocused_keepsTheStoredDelay) {
  auto& bar = Get<TAdvTrackBar>(QStringLiteral("isDelayOut4"));
  auto& slider = Get<TTimer>(QStringLiteral("tmSlider"));
  const int stored = window->UnitControl().GetDelay(6);
  bar.OnEnter(&bar);
  EXPECT_TRUE(slider.Enabled());
  bar.SetPosition(stored + 500);
  EXPECT_EQ(bar.Position(), stored);
  EXPECT_EQ(window->UnitControl().GetDelay(6), stored);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !slider.Enabled(); }, 5s));
  bar.SetPosition(stored + 500);
  EXPECT_EQ(window->UnitControl().GetDelay(6), stored + 500);
}

TEST_F(LevelEditing, nudgingKeys_moveTheSelectedBandsBarsWithinTheirRange) {
  TCurvyEdit& param = Get<TCurvyEdit>(QStringLiteral("cvdEqParamOut1"));
  auto& freq = Get<TAdvTrackBar>(QStringLiteral("isEqFreqOut1"));
  auto& bw = Get<TAdvTrackBar>(QStringLiteral("isEqBwOut1"));
  auto& gain = Get<TAdvTrackBar>(QStringLiteral("isEqGainOut1"));
  int changes = 0;
  const TNotifyEvent kept = freq.OnChange;
  freq.OnChange = [&](TObject*) { ++changes; };
  freq.SetPosition(300);
  changes = 0;
  Key(param.InnerEdit(), Qt::Key_Right);
  EXPECT_EQ(freq.Position(), 300);
  EXPECT_EQ(changes, 0);
  Key(param.InnerEdit(), Qt::Key_Left);
  EXPECT_EQ(freq.Position(), 299);
  EXPECT_EQ(changes, 1);
  freq.OnChange = kept;
  const int q = bw.Position();
  Key(param.InnerEdit(), Qt::Key_Plus, QStringLiteral("+"));
  EXPECT_EQ(bw.Position(), q + 1);
  Key(param.InnerEdit(), Qt::Key_Minus, QStringLiteral("-"));
  EXPECT_EQ(bw.Position(), q);
  Key(param.InnerEdit(), Qt::Key_Up);
  EXPECT_EQ(gain.Position(), 121);
  Key(param.InnerEdit(), Qt::Key_Down);
  Key(param.InnerEdit(), Qt::Key_Shift);
  EXPECT_EQ(gain.Position(), 120);
}

TEST_F(LevelEditing, typedEqualiserAndCutValues_moveTheirBars) {
  const struct {
    const char* box;
    const char* bar;
    const char* text;
    int position;
    const char* shown;
  } cases[] = {{"cvdEqBwInB", "isEqBwInB", "10", 56, "10.10"},
               {"cvdEqGainOut3", "isEqGainOut3", "3.75", 157, "+3.7dB"},
               {"cvdLowCutFreqOut2", "isLowCutFreqOut2", "1.5kHz", 188, "1.52KHz"},
               {"cvdHighCutFreqOut6", "isHighCutFreqOut6", "100", 70, "99.2Hz"}};
  for (const auto& c : cases) {
    TCurvyEdit& box = Get<TCurvyEdit>(QLatin1String(c.box));
    Type(box, QLatin1String(c.text));
    Key(box.InnerEdit(), Qt::Key_Return);
    EXPECT_EQ(Get<TAdvTrackBar>(QLatin1String(c.bar)).Position(), c.position) << c.box;
    EXPECT_EQ(box.GetText(), c.shown) << c.box;
  }
  // An input's cut box shows only: its entry names no control.
  TCurvyEdit& readOnly = Get<TCurvyEdit>(QStringLiteral("cvdHighCutFreqInA"));
  readOnly.SetText(QStringLiteral("1k"));
  readOnly.OnExit(&readOnly);
  EXPECT_EQ(readOnly.GetText(), "1k");
}

TEST_F(LevelEditing, limitLabel_opensTheLimiterPage) {
  Get<TLabel>(QStringLiteral("lbMatrixLimitOut3")).Click();
  EXPECT_EQ(window->State().CurrentPage, MainWindowState::kPageLimit);
  EXPECT_TRUE(Get<TRzBmpButton>(QStringLiteral("rzbMenuLimit")).Down());
  EXPECT_FALSE(Get<TRzBmpButton>(QStringLiteral("rzbMenuMatrix")).Down());
  ShowPage("rzbMenuGain");
}

}  // namespace
