// The window's side of the FIR designer and of the equaliser reset and FIR
// download confirmations, and the copy of an output page's own designer
// settings when the page is shown.
#include "app/TfmMain.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "editors/filter/CurveViews.h"
#include "editors/filter/FilterEditing.h"
#include "firdesign/TfmFirDesign.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"

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

void TfmMain::CopyFirDesignSettings(int channel) {
  auto* type = m_registry.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
  auto* taps = m_registry.Find<TRzComboBox>(QStringLiteral("rzcFirTaps"), channel);
  auto* window = m_registry.Find<TRzComboBox>(QStringLiteral("rzcFirWin"), channel);
  auto* low = m_registry.Find<TAdvTrackBar>(QStringLiteral("isFirLowCut"), channel);
  auto* high = m_registry.Find<TAdvTrackBar>(QStringLiteral("isFirHighCut"), channel);
  if (type == nullptr || taps == nullptr || window == nullptr || low == nullptr || high == nullptr) {
    return;
  }
  FirDesignRecord& pending = m_filterEditing->Views().PendingOutputFirDesign;
  pending.firType = static_cast<std::uint8_t>(type->ItemIndex());
  pending.taps = static_cast<std::uint16_t>(taps->ItemIndex());
  pending.window = static_cast<std::uint8_t>(window->ItemIndex());
  pending.lowIndex = static_cast<std::uint16_t>(low->Position());
  pending.highIndex = static_cast<std::uint16_t>(high->Position());
}
