#include "editors/fir/OutputFirDesigner.h"

#include <algorithm>
#include <array>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "dsp/Plot.h"
#include "editors/filter/FilterEditing.h"
#include "editors/filter/FilterTexts.h"
#include "editors/fir/FirEditing.h"
#include "editors/fir/FirKinds.h"
#include "editors/fir/FirTapBudget.h"
#include "editors/level/TypedEntryBox.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "protocol/UnitRecords.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

bool IsDesigned(int type) { return type >= FirKinds::kLowPass && type <= FirKinds::kBandPass; }

/// The taps a design runs: a taps index for a designed type, else a count.
int DesignTaps(const FirDesignRecord& design) {
  return IsDesigned(design.firType) ? FirTapsFromCode(design.taps) : design.taps;
}

}  // namespace

OutputFirDesigner::OutputFirDesigner(IEditorWindow& window, FilterEditing& filters, FirEditing& fir)
    : m_c(window), m_filters(filters), m_fir(fir) {}

FirDesignRecord& OutputFirDesigner::Pending() { return m_filters.Views().PendingOutputFirDesign; }

void OutputFirDesigner::Bind() {
  for (int channel = 3; channel < MainWindowState::kChannels; ++channel) {
    auto* type = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
    auto* window = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirWin"), channel);
    auto* taps = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirTaps"), channel);
    auto* lowBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isFirLowCut"), channel);
    auto* highBar = m_c.Find<TAdvTrackBar>(QStringLiteral("isFirHighCut"), channel);
    auto* lowBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdFirLowCut"), channel);
    auto* highBox = m_c.Find<TCurvyEdit>(QStringLiteral("cvdFirHighCut"), channel);
    auto* ok = m_c.Find<TRzButton>(QStringLiteral("bnFirOK"), channel);
    if (type == nullptr || window == nullptr || taps == nullptr || lowBar == nullptr || highBar == nullptr ||
        lowBox == nullptr || highBox == nullptr || ok == nullptr) {
      continue;
    }
    type->OnChange = [this](TObject* sender) { rzcFirTypeOut1Change(sender); };
    window->OnChange = [this](TObject* sender) { rzcFirWinOut1Change(sender); };
    taps->OnChange = [this](TObject* sender) { rzcFirTapsOut1Change(sender); };
    lowBar->OnChange = [this](TObject* sender) { isFirLowCutOut1Change(sender); };
    highBar->OnChange = [this](TObject* sender) { isFirHighCutOut1Change(sender); };
    lowBox->OnExit = [this](TObject* sender) { cvdFirLowCutOut1Exit(sender); };
    highBox->OnExit = [this](TObject* sender) { cvdFirHighCutOut1Exit(sender); };
    lowBox->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
      cvdFirLowCutOut1KeyDown(sender, key, shift);
    };
    highBox->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState shift) {
      cvdFirHighCutOut1KeyDown(sender, key, shift);
    };
    ok->OnClick = [this](TObject* sender) { bnFirOKOut1Click(sender); };
  }
}

void OutputFirDesigner::EnableCutControls(int channel, int type) {
  const bool lowCut = type == FirKinds::kHighPass || type == FirKinds::kBandPass;
  const bool highCut = type == FirKinds::kLowPass || type == FirKinds::kBandPass;
  for (const char* stem : {"isFirLowCut", "cvdFirLowCut"}) {
    if (auto* control = m_c.Find<TControl>(QLatin1String(stem), channel)) control->SetEnabled(lowCut);
  }
  for (const char* stem : {"isFirHighCut", "cvdFirHighCut"}) {
    if (auto* control = m_c.Find<TControl>(QLatin1String(stem), channel)) control->SetEnabled(highCut);
  }
}

void OutputFirDesigner::rzcFirTypeOut1Change(TObject* Sender) {
  if (m_c.Window().State().RefreshingControls) return;
  auto* type = dynamic_cast<TRzComboBox*>(Sender);
  const int channel = FilterControls::ChannelOf(Sender);
  if (type == nullptr || FilterControls::IsInput(channel)) return;
  auto* ok = m_c.Find<TControl>(QStringLiteral("bnFirOK"), channel);
  auto* taps = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirTaps"), channel);
  if (ok == nullptr || taps == nullptr) return;
  ok->SetEnabled(true);
  const int index = type->ItemIndex();
  EnableCutControls(channel, index);
  if (index != FirKinds::kFirCoefficientSet) Pending().taps = std::uint16_t(taps->ItemIndex());
  Pending().firType = std::uint8_t(index);
}

void OutputFirDesigner::rzcFirWinOut1Change(TObject* Sender) {
  if (m_c.Window().State().RefreshingControls) return;
  auto* window = dynamic_cast<TRzComboBox*>(Sender);
  auto* ok = m_c.Find<TControl>(QStringLiteral("bnFirOK"), FilterControls::ChannelOf(Sender));
  if (window == nullptr || ok == nullptr) return;
  ok->SetEnabled(true);
  Pending().window = std::uint8_t(window->ItemIndex());
}

void OutputFirDesigner::rzcFirTapsOut1Change(TObject* Sender) {
  if (m_c.Window().State().RefreshingControls) return;
  auto* taps = dynamic_cast<TRzComboBox*>(Sender);
  auto* ok = m_c.Find<TControl>(QStringLiteral("bnFirOK"), FilterControls::ChannelOf(Sender));
  if (taps == nullptr || ok == nullptr) return;
  ok->SetEnabled(true);
  Pending().taps = std::uint16_t(taps->ItemIndex());
}

void OutputFirDesigner::CutBarChange(TObject* Sender, bool lowCut) {
  if (m_c.Window().State().RefreshingControls) return;
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  const int channel = FilterControls::ChannelOf(Sender);
  if (bar == nullptr || FilterControls::IsInput(channel)) return;
  auto* ok = m_c.Find<TControl>(QStringLiteral("bnFirOK"), channel);
  auto* box = m_c.Find<TCurvyEdit>(lowCut ? QStringLiteral("cvdFirLowCut") : QStringLiteral("cvdFirHighCut"), channel);
  auto* other =
      m_c.Find<TAdvTrackBar>(lowCut ? QStringLiteral("isFirHighCut") : QStringLiteral("isFirLowCut"), channel);
  auto* type = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
  if (ok == nullptr || box == nullptr || other == nullptr || type == nullptr) return;
  ok->SetEnabled(true);
  // The cut-offs stay apart: a low pass or high pass pushes the bar that
  // is not its own, a band pass stops the bar moved one step short. Each
  // bar's own handler writes its box and pending field.
  TAdvTrackBar* low = lowCut ? bar : other;
  TAdvTrackBar* high = lowCut ? other : bar;
  if (high->Position() <= low->Position()) {
    const int index = type->ItemIndex();
    if (lowCut && index == FirKinds::kHighPass) {
      high->SetPosition(low->Position() + 1);
    } else if (!lowCut && index == FirKinds::kLowPass) {
      low->SetPosition(high->Position() - 1);
    } else if (index == FirKinds::kBandPass) {
      bar->SetPosition(lowCut ? high->Position() - 1 : low->Position() + 1);
    }
  }
  const float f = float(IndexToFreq(bar->Position()));
  box->SetText(FilterFrequencyText(f, true));
  if (lowCut) {
    Pending().lowIndex = std::uint16_t(bar->Position());
  } else {
    Pending().highIndex = std::uint16_t(bar->Position());
  }
}

void OutputFirDesigner::cvdFirLowCutOut1Exit(TObject* Sender) {
  RunChannelEntry(m_c.Window().Controls(), Sender, QStringLiteral("isFirLowCut"), TypedEntryKind::CutFrequency);
}

void OutputFirDesigner::cvdFirHighCutOut1Exit(TObject* Sender) {
  RunChannelEntry(m_c.Window().Controls(), Sender, QStringLiteral("isFirHighCut"), TypedEntryKind::CutFrequency);
}

void OutputFirDesigner::cvdFirLowCutOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) cvdFirLowCutOut1Exit(Sender);
}

void OutputFirDesigner::cvdFirHighCutOut1KeyDown(TObject* Sender, WORD& Key, TShiftState) {
  if (IsEntryKey(Key)) cvdFirHighCutOut1Exit(Sender);
}

void OutputFirDesigner::CopyFirDesignSettings(int channel) {
  auto* type = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
  auto* window = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirWin"), channel);
  auto* taps = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirTaps"), channel);
  auto* low = m_c.Find<TAdvTrackBar>(QStringLiteral("isFirLowCut"), channel);
  auto* high = m_c.Find<TAdvTrackBar>(QStringLiteral("isFirHighCut"), channel);
  if (type == nullptr || window == nullptr || taps == nullptr || low == nullptr || high == nullptr) return;
  FirDesignRecord& pending = Pending();
  pending.firType = std::uint8_t(type->ItemIndex() >= 0 ? type->ItemIndex() : FirKinds::kFirCoefficientSet);
  pending.taps = std::uint16_t(taps->ItemIndex());
  pending.window = std::uint8_t(window->ItemIndex());
  pending.lowIndex = std::uint16_t(low->Position());
  pending.highIndex = std::uint16_t(high->Position());
}

void OutputFirDesigner::bnFirOKOut1Click(TObject* Sender) {
  IEditorWindow& window = m_c.Window();
  if (window.State().RefreshingControls) return;
  const int channel = FilterControls::ChannelOf(Sender);
  if (channel < 3 || channel >= MainWindowState::kChannels) return;
  auto* type = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
  auto* windowList = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirWin"), channel);
  auto* tapsList = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirTaps"), channel);
  auto* ok = m_c.Find<TControl>(QStringLiteral("bnFirOK"), channel);
  auto* name = m_c.Find<TLabel>(QStringLiteral("lbNowFirName"), channel);
  auto* tapsLabel = m_c.Find<TLabel>(QStringLiteral("lbNowFirTaps"), channel);
  auto* fir = m_c.Find<TControl>(QStringLiteral("rzgFir"), channel);
  auto* bypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel);
  auto* plot = m_c.PlotControl(channel);
  std::array<TControl*, 4> groups{m_c.Find<TControl>(QStringLiteral("rzgFirWin"), channel),
                                  m_c.Find<TControl>(QStringLiteral("rzgFirTaps"), channel),
                                  m_c.Find<TControl>(QStringLiteral("rzgShowFirName"), channel),
                                  m_c.Find<TControl>(QStringLiteral("rzgShowFirTaps"), channel)};
  if (type == nullptr || windowList == nullptr || tapsList == nullptr || ok == nullptr || name == nullptr ||
      tapsLabel == nullptr || fir == nullptr || bypass == nullptr || plot == nullptr ||
      std::find(groups.begin(), groups.end(), nullptr) != groups.end()) {
    return;
  }
  LUnitControl& unit = window.UnitControl();
  const OutputFilterRecord stored = unit.GetOutputFilters(channel);
  FirDesignRecord& design = Pending();
  OutputFilterRecord applied = stored;
  applied.fir = design;
  // Charged as the full refresh counts: a designed FIR whatever the mode,
  // a coefficient set outside IIR mode. Giving taps back always succeeds.
  const int charge = (FirTapBudget::OutputRecordTaps(applied) - FirTapBudget::OutputRecordTaps(stored)) *
                     unit.CountLinkGroup(channel);
  if (m_fir.ReserveFirTaps(charge)) {
    design = stored.fir;
    type->SetItemIndex(stored.fir.firType);
    if (stored.fir.firType == FirKinds::kFirCoefficientSet) {
      groups[0]->SetVisible(false);
      groups[1]->SetVisible(false);
      for (TControl* shown : {groups[2], groups[3]}) {
        shown->SetVisible(true);
        shown->BringToFront();
      }
    } else {
      EnableCutControls(channel, stored.fir.firType);
      windowList->SetItemIndex(stored.fir.window);
      tapsList->SetItemIndex(stored.fir.taps);
      for (TControl* shown : {groups[0], groups[1]}) {
        shown->SetVisible(true);
        shown->BringToFront();
      }
    }
    ok->SetEnabled(false);
    return;
  }
  if (IsDesigned(design.firType)) {
    const QString designName = QStringLiteral("Out") + QString::number(channel - 2) + QStringLiteral("File");
    name->SetCaption(designName);
    unit.SetFirName(channel, WideToAnsiField(designName, FirKinds::kFirNameBytes));
  }
  if (design.firType == FirKinds::kFirOff) {
    design.taps = std::uint16_t(IsDesigned(stored.fir.firType) ? FirTapsFromCode(stored.fir.taps) : stored.fir.taps);
    tapsLabel->SetCaption(QString::number(design.taps));
    if (stored.fir.firType != FirKinds::kFirOff) window.Session().FirCoefficients().SetIdentity(channel);
  }
  ok->SetEnabled(false);
  unit.SetOutputFir(channel, design);
  window.MarkCurveOverlayDirty(channel);

  Plot& curves = window.ResponseCurve(channel);
  curves.Section(FirKinds::kOutputFirSection)
      .SetFirDesign(design.firType, design.window, IndexToFreq(design.lowIndex), IndexToFreq(design.highIndex),
                    DesignTaps(design));
  curves.DrawTotal(channel);
  plot->UpdateCurvePage();
  if (design.firType == FirKinds::kFirOff) {
    fir->SetEnabled(true);
    bypass->SetDown(false);
    bypass->SetDown(true);
  } else {
    fir->SetEnabled(false);
  }
}
