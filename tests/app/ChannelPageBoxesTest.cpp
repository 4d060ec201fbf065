#include <gtest/gtest.h>

#include "link/LinkTransportFactory.h"
#include "protocol/ParameterScales.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

using ChannelPageBoxes = SharedMainWindow<LinkTransportFactory>;

const char* const kChannelSuffixes[] = {"InA", "InB", "InC", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6"};

// The nudging box beside "PEQ Parameter" only takes the focus and keys.
TEST_F(ChannelPageBoxes, theNudgingBoxOfEveryChannelIsZeroWide) {
  for (const char* suffix : kChannelSuffixes) {
    EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdEqParam") + QLatin1String(suffix)).width(), 0) << suffix;
  }
}

// After the start-up refresh every cut box shows its bar's frequency,
// before any fader has moved.
TEST_F(ChannelPageBoxes, everyCutFrequencyBoxShowsItsBarFromTheStart) {
  for (const char* suffix : kChannelSuffixes) {
    for (const char* stem : {"LowCutFreq", "HighCutFreq"}) {
      const QString tail = QLatin1String(stem) + QLatin1String(suffix);
      const auto& bar = Get<TAdvTrackBar>(QStringLiteral("is") + tail);
      const auto& box = Get<TCurvyEdit>(QStringLiteral("cvd") + tail);
      EXPECT_FALSE(box.GetText().isEmpty()) << tail.toStdString();
      EXPECT_EQ(box.GetText(), CutFrequencyText(IndexToFreq(bar.Position()))) << tail.toStdString();
    }
  }
  EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdLowCutFreqInA")).GetText(), QStringLiteral("19.7Hz"));
  EXPECT_EQ(Get<TCurvyEdit>(QStringLiteral("cvdHighCutFreqInA")).GetText(), QStringLiteral("20.16KHz"));
}

}  // namespace
