#include "app/FirDesignerGlue.h"

#include <span>

#include "app/TfmMain.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmPeqRst.h"
#include "editors/fir/FirEditing.h"

QString FirDesignerGlue::LookUpText(const QString& key) const { return m_window.LookUpText(key); }

void FirDesignerGlue::ShowInformation(const QString& text) { m_window.ShowInformation(text); }

void FirDesignerGlue::ConfirmEqReset(int channel) {
  if (fmPeqRst != nullptr) {
    fmPeqRst->SetChannel(channel);
    fmPeqRst->ShowModal();
  }
}

void FirDesignerGlue::ConfirmFirDownload() {
  if (fmFirDownload != nullptr) {
    fmFirDownload->ShowModal();
  }
}

void FirDesignerGlue::ApplyInputFir(int channel, int taps, const QByteArray& name, const double* coefficients) {
  m_window.Fir().ApplyInputFir(channel, taps, name, std::span<const double>(coefficients, std::size_t(taps)));
}

void FirDesignerGlue::ApplyOutputFir(int channel, int taps, const QByteArray& name, const double* coefficients) {
  m_window.Fir().ApplyOutputFir(channel, taps, name, std::span<const double>(coefficients, std::size_t(taps)));
}
