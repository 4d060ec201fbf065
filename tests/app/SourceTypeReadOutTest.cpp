#include <chrono>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmInOutSelect.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CommandCodes.h"
#include "tests/app/PtyUnitWindow.h"
#include "tools/unitsim/SimUnitImage.h"
#include "tools/unitsim/SimUnitState.h"
#include "tools/unitsim/UnitSim.h"

using namespace std::chrono_literals;

namespace {

// A unit whose Out1/2 and InC pairs are AES/EBU: after the read-out the
// type dialog shows what the unit holds, and showing it sends nothing.
TEST(SourceTypeReadOut, theTypeDialogShowsTheUnitsTypesAndSendsNothing) {
  PtyUnitWindow unit;
  TfmMain& window = unit.Window();
  auto* types = unit.Add<TfmInOutSelect>(window);
  ASSERT_TRUE(unit.StartUnit());
  unit.Sim().ModifyState([](SimUnitState& state) {
    state.image[SimImageLayout::kOutputPairSource] = 0x01;
    state.image[SimImageLayout::kInputPairSource] = 0;
    state.image[SimImageLayout::kInputPairSource + 1] = 1;
  });
  ASSERT_TRUE(unit.LinkAndReadOut(60s));

  EXPECT_EQ(types->cbOut12Sel->Text(), QStringLiteral("AES/EBU"));
  EXPECT_EQ(types->cbOut34Sel->Text(), QStringLiteral("Analog"));
  EXPECT_EQ(types->cbOut56Sel->Text(), QStringLiteral("Analog"));
  EXPECT_EQ(types->cbInABSel->Text(), QStringLiteral("Analog"));
  EXPECT_EQ(types->cbInCDSel->Text(), QStringLiteral("AES/EBU"));
  EXPECT_EQ(window.Controls().Find<TLabel>(QStringLiteral("lbSelDigitalOut1"))->Caption(),
            QStringLiteral("AES/EBU"));

  // Showing rebuilds the input lists for the unit's option; the types stay.
  types->Show();
  EXPECT_EQ(types->cbInCDSel->Text(), QStringLiteral("AES/EBU"));
  EXPECT_EQ(types->cbOut12Sel->Text(), QStringLiteral("AES/EBU"));
  types->Close();
  EXPECT_EQ(unit.Sim().ReceivedCount(CMD_SOURCE_TYPE), 0u);
}

}  // namespace
