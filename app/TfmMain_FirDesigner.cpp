// The window's side of the FIR designer and of the equaliser reset and FIR
// download confirmations.
#include "app/TfmMain.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "firdesign/TfmFirDesign.h"

void TfmMain::ShowFirDesigner(int channel) {
  if (fmFirDesign != nullptr) {
    fmFirDesign->SetDesignChannel(channel);
    fmFirDesign->ShowModal();
  }
}

void TfmMain::BindFirDesignDialogs(TfmFirDesign& designer, TfmPeqRst& reset, TfmFirDownload& download) {
  reset.ResetAction = [this, &designer](int channel) {
    if (channel > 8) {
      designer.ResetDesignEq();
    } else {
      ResetChannelPeq(channel);
    }
  };
  download.DownloadAction = [&designer] { designer.ApplyDesignedFir(); };
}

void TfmMain::ShowPeqResetDialog(int channel) { m_firDesigner.ConfirmEqReset(channel); }
