// The main window's side of the preset exchanges: the file menu's entries,
// the preset dialogs' calls, the file dialogs and the preset labels.
#include "app/TfmMain.h"
#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"

namespace {

constexpr int kMenuTimeoutMs = 5000;

}  // namespace

void TfmMain::StorePreset(int row, const QByteArray& name) { m_presetExchange->StorePreset(row, name); }

void TfmMain::RecallPreset(int row) { m_presetExchange->RecallPreset(row); }

void TfmMain::UploadAllPresets() { m_presetExchange->UploadAllPresets(); }

void TfmMain::DownloadUnitFile() { m_presetExchange->DownloadUnitFile(); }

void TfmMain::SaveSettingFile() { m_presetExchange->SaveSettingFile(); }

void TfmMain::OpenSettingFile() { m_presetExchange->OpenSettingFile(); }

void TfmMain::OpenClick(TObject* /*Sender*/) {
  SetRefreshingControls(true);
  OpenSettingFile();
  SetRefreshingControls(false);
  for (const QString& stem : {QStringLiteral("fftDrawIn"), QStringLiteral("fftDrawOut")}) {
    const bool inputs = stem.endsWith(QLatin1String("In"));
    for (int n = 0; n < (inputs ? 3 : 6); ++n) {
      const QString suffix = inputs ? QString(QChar('A' + n)) : QString::number(n + 1);
      auto* plot = Named<TControl>(stem + suffix);
      if (plot == nullptr) {
        m_session->SetLinkTimeout(kMenuTimeoutMs);
        return;
      }
      plot->Repaint();
    }
  }
  m_session->SetLinkTimeout(kMenuTimeoutMs);
}

void TfmMain::SaveClick(TObject* /*Sender*/) { SaveSettingFile(); }

void TfmMain::UploadClick(TObject* /*Sender*/) { UploadAllPresets(); }

void TfmMain::DownloadClick(TObject* /*Sender*/) { DownloadUnitFile(); }

void TfmMain::BindPresetHandlers() {
  BindMenuEntries({{"Open", &TfmMain::OpenClick},
                   {"Save", &TfmMain::SaveClick},
                   {"Upload", &TfmMain::UploadClick},
                   {"Download", &TfmMain::DownloadClick}});
}

std::optional<QString> TfmMain::ChoosePresetFile(PresetFileKind kind, bool save) {
  FileChoice choice;
  choice.kind = save ? FileChoice::Kind::Save : FileChoice::Kind::Open;
  choice.filter = kind == PresetFileKind::Setting ? QStringLiteral("*.prs|*.prs") : QStringLiteral("*.unt|*.unt");
  return FileChooser::Choose(this, choice);
}

void TfmMain::SetMainWindowEnabled(bool enabled) {
  SetEnabled(enabled);
  if (enabled) {
    activateWindow();
    SetFocus();
  }
}

void TfmMain::ShowPresetLabels(const QString& number, const QByteArray& name) {
  if (auto* label = Named<TLabel>(QStringLiteral("lbPstNum"))) {
    label->SetCaption(number);
  }
  if (auto* label = Named<TLabel>(QStringLiteral("lbPstName"))) {
    label->SetCaption(AnsiToWide(name));
  }
}
