#include <QTimer>

#include "components/peq/TMyPEQType10.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "editors/filter/CurveViews.h"
#include "editors/filter/FilterEditing.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/TfmFirDesign.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"

/// The window with the designer and its confirmations as the program makes
/// them.
class TfmMainFirDesigner : public SharedMainWindow<FakeLinkTransportFactory> {
protected:
  TfmMainFirDesigner() { window.BindFirDesignDialogs(designer, reset, download); }

  TfmFirDownload download{window};
  TfmFirDesign designer{window.FirDesigner()};
  TfmPeqRst reset{window};
};

TEST_F(TfmMainFirDesigner, aChannelsResetButtonResetsItsEqualiserAfterTheConfirmation) {
  auto& panel = Get<TMyPEQType10>(QStringLiteral("peqPeqOut1"));
  panel.SetGainValue(2, 6.0);
  ASSERT_NEAR(panel.GetGainValue(2), 6.0, 1e-9);
  for (bool ok : {false, true}) {
    QTimer::singleShot(0, &reset, [this, ok] { (ok ? reset.btnOK : reset.btnCancel)->Click(); });
    auto& button = Get<TVrDemoButton>(QStringLiteral("vrbEqResetOut1"));
    button.OnClick(&button);
    EXPECT_EQ(reset.Channel(), 3);
    EXPECT_NEAR(panel.GetGainValue(2), ok ? 0.0 : 6.0, 1e-9) << ok;
  }
}

TEST_F(TfmMainFirDesigner, theDesignersResetConfirmationResetsItsOwnEqualiser) {
  QTimer::singleShot(0, &designer, [this] {
    QTimer::singleShot(0, &reset, [this] { reset.btnOK->Click(); });
    designer.vrbFirEqResetClick(designer.Form().vrbFirEqReset);
    designer.Close();
  });
  window.ShowFirDesigner(7);
  EXPECT_EQ(designer.DesignChannel(), 7);
  EXPECT_EQ(reset.Channel(), 9);
}

TEST_F(TfmMainFirDesigner, showingAnOutputPageCopiesItsDesignerSettings) {
  Get<TRzComboBox>(QStringLiteral("rzcFirTypeOut2")).SetItemIndex(3);
  Get<TRzComboBox>(QStringLiteral("rzcFirWinOut2")).SetItemIndex(5);
  Get<TRzComboBox>(QStringLiteral("rzcFirTapsOut2")).SetItemIndex(12);
  Get<TAdvTrackBar>(QStringLiteral("isFirLowCutOut2")).SetPosition(120);
  Get<TAdvTrackBar>(QStringLiteral("isFirHighCutOut2")).SetPosition(250);
  Get<TRzBmpButton>(QStringLiteral("rzbMenuOut2")).Click();
  const FirDesignRecord& pending = window.Filters().Views().PendingOutputFirDesign;
  EXPECT_EQ(pending.firType, 3);
  EXPECT_EQ(pending.window, 5);
  EXPECT_EQ(pending.taps, 12);
  EXPECT_EQ(pending.lowIndex, 120);
  EXPECT_EQ(pending.highIndex, 250);
}
