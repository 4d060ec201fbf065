// The designer's typed values, its switches and the smoothing list.
#include "firdesign/TfmFirDesign.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignEntry.h"
#include "firdesign/FirDesignForm.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TEdit.h"
#include "plot/core/TiPlot.h"
#include "firdesign/NestedPlotUpdate.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr double kImportDelayLimitMs = 10.0;
constexpr double kSamplesPerMillisecond = 96.0;

}  // namespace

void TfmFirDesign::CaretToEnd(TEdit& edit) {
  QLineEdit* line = edit.findChild<QLineEdit*>();
  if (line == nullptr) {
    return;
  }
  QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
  QCoreApplication::sendEvent(line, &press);
  QCoreApplication::sendEvent(line, &release);
}

void TfmFirDesign::edFirImportGainExit(TObject*) {
  FirDesignForm& c = *m_form;
  NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
  const std::optional<int> step = FirDesignEntry::GainStep(c.edFirImportGain->Text());
  c.edFirImportGain->SetText(QString());
  if (step && *step != c.isFirImportGain->Position()) {
    m_engine->SetImportGainPosition(*step);
  } else {
    c.edFirImportGain->SetText(FirDesignEntry::GainText(c.isFirImportGain->Position()));
    CaretToEnd(*c.edFirImportGain);
  }
  RunDesignChain();
}

void TfmFirDesign::CommitDelay(TEdit& edit, TAdvTrackBar& holder, bool import) {
  const double lowest = import ? -kImportDelayLimitMs : 0.0;
  const double highest = import ? kImportDelayLimitMs : holder.Max() / kSamplesPerMillisecond;
  const std::optional<int> step = FirDesignEntry::DelayStep(edit.Text(), lowest, highest);
  edit.SetText(QString());
  if (!step || *step == holder.Position()) {
    edit.SetText(FirDesignEntry::DelayText(holder.Position()));
    CaretToEnd(edit);
    return;
  }
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  if (import) {
    m_engine->SetImportDelay(*step);
    m_engine->CompensateImportDelay();
    RunDesignChain();
    return;
  }
  holder.SetPosition(*step);
  m_engine->SetDesignOutputDelay(holder.Position());
  edit.SetText(FirDesignEntry::DelayText(holder.Position()));
  Resynthesize();
}

void TfmFirDesign::edFirImportDelayExit(TObject*) {
  CommitDelay(*m_form->edFirImportDelay, *m_form->isFirImportDelay, true);
}

void TfmFirDesign::edFirOutSetDelayExit(TObject*) {
  CommitDelay(*m_form->edFirOutSetDelay, *m_form->isFirOutSetDelay, false);
}

void TfmFirDesign::edFirOutSetTapsExit(TObject*) {
  FirDesignForm& c = *m_form;
  const int step = FirDesignEntry::TapsStep(c.edFirOutSetTaps->Text());
  c.edFirOutSetTaps->SetText(QString());
  TAdvTrackBar& holder = *c.isFirOutSetTaps;
  if (step == holder.Position()) {
    c.edFirOutSetTaps->SetText(QString::number(holder.Position()));
    CaretToEnd(*c.edFirOutSetTaps);
    return;
  }
  holder.SetPosition(step);
  // The design follows the count the holder keeps and the edit shows: an
  // output stops at 1024 taps, and a larger design would be refused.
  m_engine->SetDesignTaps(holder.Position());
  c.edFirOutSetTaps->SetText(QString::number(holder.Position()));
  NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
  ResetOutputDelay();
  Resynthesize();
}

void TfmFirDesign::ResetOutputDelay() {
  FirDesignForm& c = *m_form;
  const int delay = m_engine->DesignTaps() / 2;
  m_engine->SetDesignOutputDelay(delay);
  c.isFirOutSetDelay->SetMax(delay);
  c.isFirOutSetDelay->SetPosition(delay);
  c.edFirOutSetDelay->SetText(FirDesignEntry::DelayText(c.isFirOutSetDelay->Position()));
}

void TfmFirDesign::edFirMagMinFreqExit(TObject* Sender) {
  FirDesignForm& c = *m_form;
  auto* edit = dynamic_cast<TEdit*>(Sender);
  if (edit == nullptr) {
    return;
  }
  TAdvTrackBar* holders[] = {c.isFirMagMinFreq, c.isFirMagMaxFreq, c.isFirPhaseMinFreq, c.isFirPhaseMaxFreq};
  const int bound = edit->Tag();
  if (bound < 0 || bound > 3) {
    return;
  }
  TAdvTrackBar& holder = *holders[bound];
  const std::optional<int> index = FirDesignEntry::RangeIndex(edit->Text());
  if (!index) {
    edit->SetText(FirDesignEntry::FrequencyText(IndexToFreq(holder.Position())));
    CaretToEnd(*edit);
    return;
  }
  holder.SetPosition(*index);
  edit->SetText(FirDesignEntry::FrequencyText(IndexToFreq(*index)));
  FirDesignEngine& e = *m_engine;
  switch (bound) {
    case 0: e.SetMagnitudeRange(*index, e.MagnitudeRangeHigh()); break;
    case 1: e.SetMagnitudeRange(e.MagnitudeRangeLow(), *index); break;
    case 2: e.SetPhaseRange(*index, e.PhaseRangeHigh()); break;
    default: e.SetPhaseRange(e.PhaseRangeLow(), *index); break;
  }
  RunDesignChain();
}

void TfmFirDesign::edFirNameExit(TObject*) {
  m_engine->SetDesignFirName(m_form->edFirName->Text());
  m_form->edFirName->SetText(AnsiToWide(m_engine->DesignFirName()));
}

void TfmFirDesign::sbAutoGainClick(TObject*) {
  FirDesignForm& c = *m_form;
  const bool down = c.sbAutoGain->Down();
  c.edFirImportGain->SetEnabled(!down);
  if (down) {
    NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
    m_engine->ApplyAutoGain();
    RunDesignChain();
  }
}

void TfmFirDesign::sbAutoDelayClick(TObject*) {
  FirDesignForm& c = *m_form;
  const bool down = c.sbAutoDelay->Down();
  c.edFirImportDelay->SetEnabled(!down);
  if (down) {
    NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
    m_engine->ApplyAutoDelay();
    m_engine->CompensateImportDelay();
    RunDesignChain();
  }
}

void TfmFirDesign::sbFirOutSetDelayClick(TObject*) {
  FirDesignForm& c = *m_form;
  const bool down = c.sbFirOutSetDelay->Down();
  c.edFirOutSetDelay->SetEnabled(!down);
  if (down) {
    NestedPlotUpdate block(*c.fftFirDraw, m_plotUpdateDepth);
    ResetOutputDelay();
    Resynthesize();
  }
}

void TfmFirDesign::rzbFirMagRangeOnOffClick(TObject*) { RunDesignChain(); }

void TfmFirDesign::rzblbTargetOnOffClick(TObject*) {
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  m_engine->ShowTargetCurves();
  RunDesignChain();
}

void TfmFirDesign::rzcFirOutSetSmoothChange(TObject*) {
  NestedPlotUpdate block(*m_form->fftFirDraw, m_plotUpdateDepth);
  m_engine->SetSmoothingHalfWidth(FirDesignEngine::SmoothingHalfWidthOfItem(m_form->rzcFirOutSetSmooth->ItemIndex()));
  m_engine->SmoothDesignTarget();
  Resynthesize();
}
