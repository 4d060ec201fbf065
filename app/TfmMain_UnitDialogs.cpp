// The main window's side of the test signal, channel name, source and type
// selection and remote code reference dialogs: the menu entries that open
// them, the source pairing they change, and their mirrors of the unit image
// that the full refresh sets.
#include "app/TfmMain.h"
#include "dialogs/TfmChNameList.h"
#include "dialogs/TfmChannelName.h"
#include "dialogs/TfmInOutSelect.h"
#include "dialogs/TfmSourceSelect.h"
#include "dialogs/TfmTest.h"
#include "dialogs/remote/TfmRs232Cmd.h"
#include "dialogs/remote/TfmRs232CmdEnglish.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/LUnitControl.h"
#include "widgets/trackbar/TAdvTrackBar.h"

void TfmMain::InOutSelectClick(TObject* /*Sender*/) {
  if (fmInOutSelect != nullptr) {
    fmInOutSelect->ShowModal();
  }
}

void TfmMain::SourceSelectClick(TObject* /*Sender*/) {
  if (fmSourceSelect != nullptr) {
    fmSourceSelect->ShowModal();
  }
}

void TfmMain::TestToneClick(TObject* /*Sender*/) {
  if (fmTest != nullptr) {
    fmTest->ShowModal();
  }
}

void TfmMain::ChNameListClick(TObject* /*Sender*/) {
  if (fmChNameList != nullptr) {
    fmChNameList->ShowModal();
  }
}

void TfmMain::Rs232CodeClick(TObject* /*Sender*/) {
  RemoteCodeForm* reference = nullptr;
  if (m_state.LanguageName == QLatin1String(LanguageEnglish)) {
    reference = fmRs232CmdEnglish;
  } else {
    reference = fmRs232Cmd;
  }
  if (reference != nullptr) {
    reference->ShowModal();
  }
}

void TfmMain::ShowChannelNameDialog(int channel, const QByteArray& name) {
  if (fmChannelName == nullptr) {
    return;
  }
  fmChannelName->SetChannel(channel);
  fmChannelName->SetNameText(name);
  fmChannelName->ShowModal();
}

bool TfmMain::GetSourcePair(int channel) const { return m_unitControl->IsSourcePaired(channel); }

void TfmMain::SetSourcePair(int channel, int flag) { m_unitControl->SetSourcePair(channel, flag); }

void TfmMain::ShowSourceTypeLists() {
  if (fmInOutSelect == nullptr) {
    return;
  }
  // Writing a list's item raises no change, so nothing goes to the unit.
  fmInOutSelect->cbInABSel->SetItemIndex(m_unitControl->GetInputPairSource(0));
  fmInOutSelect->cbInCDSel->SetItemIndex(m_unitControl->GetInputPairSource(1));
  fmInOutSelect->cbOut12Sel->SetItemIndex(m_unitControl->GetOutputPairSource(0));
  fmInOutSelect->cbOut34Sel->SetItemIndex(m_unitControl->GetOutputPairSource(1));
  fmInOutSelect->cbOut56Sel->SetItemIndex(m_unitControl->GetOutputPairSource(2));
}

void TfmMain::SetDanteAvailable(int flag) {
  if (fmInOutSelect == nullptr) {
    return;
  }
  fmInOutSelect->SetDanteAvailable(flag);
  fmInOutSelect->cbDanteOut12->SetItemIndex(m_unitControl->GetDanteOutputSource(0));
  fmInOutSelect->cbDanteOut34->SetItemIndex(m_unitControl->GetDanteOutputSource(1));
}

void TfmMain::ShowSourceTypeLabel(int group, int pair, int value) {
  TfmInOutSelect::ShowSourceTypeLabelOn(m_registry, group, pair, value);
}

void TfmMain::SetSignalMode(int mode) {
  if (fmTest == nullptr) {
    return;
  }
  TRadioButton* const radios[] = {fmTest->rbAnalogIn, fmTest->rbPinkNoise, fmTest->rbWhiteNoise,
                                  fmTest->rbSineWave};
  if (mode >= 0 && mode < 4) {
    // Checking a radio button runs its click (nothing is sent while refreshing).
    radios[mode]->SetChecked(true);
    fmTest->rbAnalogInClick(radios[mode]);
  }
  fmTest->SetSignalMode(mode);
  fmTest->cbSineFreq->SetItemIndex(m_unitControl->GetTestSineFrequency());
  fmTest->isToneGain->SetPosition(-m_unitControl->GetTestLevel());
}

void TfmMain::BindUnitDialogHandlers() {
  BindMenuEntries({{"TestTone", &TfmMain::TestToneClick},
                   {"ChNameList", &TfmMain::ChNameListClick},
                   {"Rs232Code", &TfmMain::Rs232CodeClick}});
}
