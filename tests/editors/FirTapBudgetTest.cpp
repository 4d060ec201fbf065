#include <gtest/gtest.h>

#include "editors/fir/FirTapBudget.h"
#include "protocol/LUnitControl.h"
#include "tests/protocol/RecordingUnitHost.h"

namespace {

TEST(FirTapBudget, chargesUpToTheBudgetAndAlwaysTakesTapsBack) {
  EXPECT_TRUE(FirTapBudget::Fits(4000, 96));
  EXPECT_FALSE(FirTapBudget::Fits(4000, 97));
  EXPECT_TRUE(FirTapBudget::Fits(0, 4096));
  EXPECT_FALSE(FirTapBudget::Fits(0, 4097));
  // A recount may stand above the budget; giving taps back must still work.
  EXPECT_TRUE(FirTapBudget::Fits(6000, -512));
  EXPECT_TRUE(FirTapBudget::Fits(6000, 0));
}

TEST(FirTapBudget, countsWhatEachChannelRuns) {
  RecordingUnitHost host;
  LUnitControl unit(host);
  host.refreshing = true;

  unit.SetInputFirTaps(0, 1000);
  unit.SetInputFirBypass(0, 0);
  unit.SetInputFirBypass(2, 0);
  unit.SetInputFirBypass(1, 1);
  OutputFilterRecord fileSet = unit.GetOutputFilters(3);
  fileSet.fir.firType = 4;
  fileSet.fir.taps = 300;
  fileSet.mode = 0;
  unit.SetOutputFirRecord(3, fileSet);  // IIR mode: a coefficient set runs nothing
  OutputFilterRecord designed = unit.GetOutputFilters(4);
  designed.fir.firType = 2;
  designed.fir.taps = 8;
  unit.SetOutputFirRecord(4, designed);  // a designed FIR is charged in any mode
  OutputFilterRecord firMode = fileSet;
  firMode.mode = 1;
  unit.SetOutputFirRecord(5, firMode);

  EXPECT_EQ(FirTapBudget::ChannelTaps(unit, 0), 1000);
  EXPECT_EQ(FirTapBudget::ChannelTaps(unit, 1), 0);
  EXPECT_EQ(FirTapBudget::ChannelTaps(unit, 3), 0);
  EXPECT_EQ(FirTapBudget::ChannelTaps(unit, 4), 512);
  EXPECT_EQ(FirTapBudget::ChannelTaps(unit, 5), 300);
  unit.SetInputFirTaps(2, 100);
  for (int off = 6; off < 9; ++off) {
    OutputFilterRecord record = unit.GetOutputFilters(off);
    record.fir.firType = 0;
    unit.SetOutputFirRecord(off, record);
  }
  EXPECT_EQ(FirTapBudget::CountInUse(unit), 1000 + 100 + 512 + 300);
}

}  // namespace
