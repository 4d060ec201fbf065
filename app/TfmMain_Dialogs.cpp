// The main window's side of its dialogs: the progress window that the
// transfers show, advance and close, the preset lists that the read-out
// fills, and the entries that open the preset lists, the program box and
// the channel copy dialog.
#include "app/TfmMain.h"
#include "dialogs/TfmAbout.h"
#include "dialogs/TfmCopy.h"
#include "dialogs/TfmRecallPreset.h"
#include "dialogs/TfmStorePreset.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzButton.h"
#include "link/LUnitSession.h"
#include "dialogs/TfmProcess.h"
#include "platform/widgets/TStatusBar.h"
#include "widgets/smooth/TAdvProgressBar.h"

void TfmMain::ShowProgressModal() {
  if (fmProcess != nullptr) {
    fmProcess->ShowModal();
  }
}

void TfmMain::ShowProgressModeless() {
  if (fmProcess != nullptr) {
    fmProcess->ShowModeless();
  }
}

void TfmMain::CloseProgress() {
  if (fmProcess != nullptr) {
    fmProcess->CloseProgress();
  }
}

void TfmMain::SetProgressStatus(const QString& text) {
  if (fmProcess != nullptr) {
    fmProcess->StatusBar->SetSimpleText(text);
  }
}

int TfmMain::ProgressPosition() const { return fmProcess != nullptr ? fmProcess->ProgressBar->Position() : 0; }

void TfmMain::SetProgressPosition(int position) {
  if (fmProcess != nullptr) {
    fmProcess->ProgressBar->SetPosition(position);
  }
}

int TfmMain::ProgressMax() const { return fmProcess != nullptr ? fmProcess->ProgressBar->Max() : 0; }

void TfmMain::SetProgressMax(int max) {
  if (fmProcess != nullptr) {
    fmProcess->ProgressBar->SetMax(max);
  }
}

bool TfmMain::IsUnitOnline() const { return m_session->IsUnitOnline(); }

void TfmMain::SetRecallPresetRow(int row, const QByteArray& name) {
  if (fmRecallPreset != nullptr) {
    fmRecallPreset->SetPresetRow(row, name);
  }
}

void TfmMain::SetStorePresetRow(int row, const QByteArray& name) {
  if (fmStorePreset != nullptr) {
    fmStorePreset->SetPresetRow(row, name);
  }
}

void TfmMain::bStoreClick(TObject* /*Sender*/) {
  if (fmStorePreset != nullptr) {
    fmStorePreset->lPresetSelect->SetCaption(QStringLiteral("Store Preset"));
    fmStorePreset->ShowModal();
  }
}

void TfmMain::bRecallClick(TObject* /*Sender*/) {
  if (fmRecallPreset != nullptr) {
    fmRecallPreset->lPresetSelect->SetCaption(QStringLiteral("Recall Preset"));
    fmRecallPreset->ShowModal();
  }
}

void TfmMain::AboutClick(TObject* /*Sender*/) {
  if (fmAbout != nullptr) {
    fmAbout->ShowModal();
  }
}

void TfmMain::CopyClick(TObject* /*Sender*/) {
  if (fmCopy != nullptr) {
    fmCopy->ShowModal();
  }
}

void TfmMain::ExitClick(TObject* /*Sender*/) {
  // The same close as the window frame's: the quit confirmation asks first.
  Close();
}

void TfmMain::BindDialogHandlers() {
  for (const auto& [name, handler] : {std::pair{"bStore", &TfmMain::bStoreClick}, std::pair{"bRecall", &TfmMain::bRecallClick}}) {
    if (auto* button = Named<TRzButton>(QLatin1String(name))) {
      button->OnClick = [this, handler = handler](TObject* sender) { (this->*handler)(sender); };
    }
  }
  BindMenuEntries({{"About", &TfmMain::AboutClick}, {"Copy", &TfmMain::CopyClick}, {"Exit", &TfmMain::ExitClick}});
}
