#include "dialogs/remote/RemoteCodeFrame.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

using S = RemoteSelector;
using Step = std::function<void(RemoteCodeFrame&)>;

Step Id(int index) {
  return [index](RemoteCodeFrame& f) { f.ChangeId(index); };
}
Step Type(int kind) {
  return [kind](RemoteCodeFrame& f) { f.ChangeType(kind); };
}
Step Pick(RemoteSelector selector, int index) {
  return [selector, index](RemoteCodeFrame& f) { f.ChangeSelector(selector, index); };
}

struct ComposeCase {
  const char* what;
  std::vector<Step> steps;
  const char* code;
};

TEST(RemoteCodeFrame, startsWithGainControlForUnitOne) {
  const RemoteCodeFrame frame;
  EXPECT_EQ(frame.CodeText, QStringLiteral("7B7D01410000007D7B"));
  EXPECT_EQ(frame.Front(1), S::cb1InOutSel);
  EXPECT_EQ(frame.Front(2), S::cb2InChSel);
  EXPECT_EQ(frame.Front(3), S::cb3IncDecSel);
  EXPECT_EQ(frame.ItemIndex(S::cb2Volume), 0);
  EXPECT_EQ(frame.ItemIndex(S::cb2NullSel), -1);
}

TEST(RemoteCodeFrame, composesTheCodesOfTheReferenceCases) {
  const ComposeCase cases[] = {
      {"unit 250, output volume, Output6, 0 dB",
       {Id(249), Type(4), Pick(S::cb1OutChannelSel, 5), Pick(S::cb2Volume, 280)},
       "7B7DFA450501187D7B"},
      {"load user preset U20", {Type(2), Pick(S::cb1FactoryUserSel, 1), Pick(S::cb2PresetSel, 19)}, "7B7D01430113007D7B"},
      {"mute Output3", {Type(1), Pick(S::cb1InOutSel, 1), Pick(S::cb2OutChSel, 2), Pick(S::cb3MuteSel, 1)},
       "7B7D01420102017D7B"},
      {"an id change keeps command and parameters",
       {Type(1), Pick(S::cb1InOutSel, 1), Pick(S::cb2OutChSel, 2), Pick(S::cb3MuteSel, 1), Id(9)},
       "7B7D0A420102017D7B"},
      {"input to output resets channel and step",
       {Type(0), Pick(S::cb2InChSel, 3), Pick(S::cb3IncDecSel, 1), Pick(S::cb1InOutSel, 1)},
       "7B7D01410100007D7B"},
      {"a type change resets the parameters and keeps the id",
       {Id(4), Type(9), Pick(S::cb1OutChannelSel, 7), Pick(S::cb2InChSel, 2), Pick(S::cb3OnOffSel, 1), Type(11)},
       "7B7D05540000007D7B"},
      {"user back to factory resets the preset",
       {Type(2), Pick(S::cb1FactoryUserSel, 1), Pick(S::cb2PresetSel, 7), Pick(S::cb1FactoryUserSel, 0)},
       "7B7D01430000007D7B"},
      {"the lowest and highest volume steps", {Type(3), Pick(S::cb1InChannelSel, 3), Pick(S::cb2Volume, 400)},
       "7B7D01440301907D7B"},
      {"the full matrix has no parameters", {Id(15), Type(12)}, "7B7D10610000007D7B"},
  };
  for (const ComposeCase& c : cases) {
    RemoteCodeFrame frame;
    for (const Step& step : c.steps) {
      step(frame);
    }
    EXPECT_EQ(frame.CodeText, QLatin1String(c.code)) << c.what;
  }
}

TEST(RemoteCodeFrame, keepsTheDigitsAroundTheReplacedField) {
  RemoteCodeFrame frame;
  frame.ChangeId(249);
  EXPECT_EQ(frame.CodeHead, QStringLiteral("7B7D"));
  EXPECT_EQ(frame.CodeTail, QStringLiteral("410000007D7B"));
  frame.ChangeType(4);
  frame.ChangeSelector(S::cb2Volume, 280);
  EXPECT_EQ(frame.CodeHead, QStringLiteral("7B7DFA4500"));
  EXPECT_EQ(frame.CodeTail, QStringLiteral("7D7B"));
}

TEST(RemoteCodeFrame, bringsTheDependentSelectorsInFront) {
  RemoteCodeFrame frame;
  frame.ChangeSelector(S::cb2InChSel, 2);
  frame.ChangeSelector(S::cb1InOutSel, 1);
  EXPECT_EQ(frame.Front(2), S::cb2OutChSel);
  EXPECT_EQ(frame.ItemIndex(S::cb2InChSel), 0);
  EXPECT_EQ(frame.ItemIndex(S::cb1InOutSel), 1);
  frame.ChangeSelector(S::cb1InOutSel, 0);
  EXPECT_EQ(frame.Front(2), S::cb2InChSel);

  frame.ChangeType(2);
  EXPECT_EQ(frame.Front(2), S::cb2F00Sel);
  EXPECT_EQ(frame.Front(3), S::cb3NullSel);
  frame.ChangeSelector(S::cb1FactoryUserSel, 1);
  EXPECT_EQ(frame.Front(2), S::cb2PresetSel);

  frame.ChangeType(3);
  EXPECT_EQ(frame.Front(1), S::cb1InChannelSel);
  EXPECT_EQ(frame.Front(2), S::cb2Volume);
  EXPECT_EQ(frame.Front(3), S::cb2Volume);
  frame.ChangeType(7);
  for (int place : {1, 2, 3}) {
    EXPECT_EQ(RemoteCodeTables::Items(frame.Front(place), false).size(), 0) << place;
  }
}

TEST(RemoteCodeFrame, ignoresItemsOutsideTheLists) {
  RemoteCodeFrame frame;
  frame.ChangeSelector(S::cb2InChSel, 4);
  frame.ChangeSelector(S::cb3NullSel, 0);
  frame.ChangeId(250);
  frame.ChangeType(13);
  EXPECT_EQ(frame.CodeText, QStringLiteral("7B7D01410000007D7B"));
}

TEST(RemoteCodeTables, volumeStepsFromTenthsOfADecibel) {
  const std::pair<int, const char*> cases[] = {{0, "-60.0dB"},  {1, "-59.5dB"},  {80, "-20.0dB"}, {81, "-19.9dB"},
                                               {181, "- 9.9dB"}, {279, "- 0.1dB"}, {280, "+0.0dB"}, {281, "+0.1dB"},
                                               {380, "+10.0dB"}, {400, "+12.0dB"}};
  for (const auto& [step, text] : cases) {
    EXPECT_EQ(RemoteCodeTables::VolumeStepText(step), QLatin1String(text)) << step;
  }
  const QStringList steps = RemoteCodeTables::Items(S::cb2Volume, true);
  ASSERT_EQ(steps.size(), kRemoteVolumeSteps);
  EXPECT_FALSE(steps.contains(QStringLiteral("- 0.0dB")));
  EXPECT_EQ(steps, RemoteCodeTables::Items(S::cb2Volume, false));
}

TEST(RemoteCodeTables, itemTextsOfBothForms) {
  struct ItemCase {
    RemoteSelector selector;
    int index;
    const char* english;
    const char* chinese;
  };
  const ItemCase cases[] = {
      {S::cb1InOutSel, 1, "Output", "输出"},          {S::cb1FactoryUserSel, 1, "User", "使用者预设"},
      {S::cb1InChannelSel, 3, "Input4", "输入通道4"}, {S::cb1OutChannelSel, 7, "Output8", "输出通道8"},
      {S::cb2InChSel, 0, "Input1", "输入通道1"},      {S::cb2OutChSel, 7, "Output8", "输出通道8"},
      {S::cb2PresetSel, 19, "U20", "U20"},           {S::cb2F00Sel, 0, "F00", "F00"},
      {S::cb3IncDecSel, 1, "Decrease", "递減"},       {S::cb3MuteSel, 0, "UnMute", "静音取消"},
      {S::cb3OnOffSel, 1, "On", "开"},
  };
  for (const ItemCase& c : cases) {
    EXPECT_EQ(RemoteCodeTables::Items(c.selector, false).value(c.index), QString::fromUtf8(c.english))
        << RemoteCodeTables::SelectorName(c.selector).toStdString();
    EXPECT_EQ(RemoteCodeTables::Items(c.selector, true).value(c.index), QString::fromUtf8(c.chinese))
        << RemoteCodeTables::SelectorName(c.selector).toStdString();
  }
  EXPECT_EQ(RemoteCodeTables::Items(S::cb1InChannelSel, false).size(), 4);
  EXPECT_EQ(RemoteCodeTables::Items(S::cb2OutChSel, true).size(), 8);
  for (RemoteSelector none : {S::cb1NullSel, S::cb2NullSel, S::cb3NullSel}) {
    EXPECT_TRUE(RemoteCodeTables::Items(none, false).isEmpty());
  }

  const QStringList english = RemoteCodeTables::KindNames(false);
  const QStringList chinese = RemoteCodeTables::KindNames(true);
  ASSERT_EQ(english.size(), kRemoteKindCount);
  EXPECT_EQ(english[8], QStringLiteral("Get Now Level "));
  EXPECT_EQ(english[12], QStringLiteral("Get Full Matrix"));
  EXPECT_EQ(chinese[0], QStringLiteral("增益控制"));
  EXPECT_EQ(chinese[11], QStringLiteral("音量增减控制"));
  const int codes[kRemoteKindCount] = {0x41, 0x42, 0x43, 0x44, 0x45, 0x48, 0x49, 0x4A, 0x4D, 0x4E, 0x4F, 0x54, 0x61};
  for (int kind = 0; kind < kRemoteKindCount; ++kind) {
    EXPECT_EQ(RemoteCodeTables::Kind(kind).code, codes[kind]) << kind;
  }
}

}  // namespace
