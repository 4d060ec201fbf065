// The full refresh: every control of the window from the unit image, in the
// order in which their change events fire, with nothing sent to the unit.
#include <algorithm>

#include "app/ChannelControls.h"
#include "app/RefreshingScope.h"
#include "app/TfmMain.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/peq/TMyPEQType10.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/text/CFormat.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "platform/widgets/TUpDown.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kInputFirSize = 2048;
constexpr int kOutputFirSize = 1024;
constexpr int kPresetNameChars = 14;
constexpr int kNameChars = 8;

QString NameText(std::span<const std::uint8_t> field, int chars) {
  return AnsiToWide(QByteArrayView(field.data(), qsizetype(field.size()))).left(chars);
}

/// Position := code + the bar's Min; the box shows half-decibel steps.
void ShowThreshold(const BarAndBox& c, int code) {
  c.bar->SetPosition(code + c.bar->Min());
  c.box->SetText(FormatC("%+1.1fdB", c.bar->Position() * 0.5));
}

void ShowTime(const BarAndBox& c, int code, bool gate) {
  c.bar->SetPosition(code);
  c.box->SetText(DynamicsTimeText(c.bar->Position(), gate));
}

void ShowCutFrequency(const BarAndBox& c, int index) {
  c.bar->SetPosition(index);
  c.box->SetText(CutFrequencyText(IndexToFreq(c.bar->Position())));
}

/// A crossover slope: 0 bypasses and keeps the slope list's item.
void ShowSlope(TRzComboBox* slope, TRzBmpButton* bypass, int code) {
  if (code == 0) {
    bypass->SetDown(true);
    return;
  }
  slope->SetItemIndex(code - 1);
  bypass->SetDown(false);
}

void ShowName(const ChannelControls& c, const LUnitControl& unit, int channel) {
  const QString name = NameText(unit.GetChannelNameField(channel), kNameChars);
  c.lbMatrixChName->SetCaption(name);
  c.rzbMenu->SetHint(name);
}

/// Threshold, ratio, attack, release and knee of a compressor or limiter.
template <class Record>
void ShowDynamics(const Record& record, const BarAndBox& threshold, TUpDown* ratio, TCurvyEdit* ratioBox,
                  const BarAndBox& attack, const BarAndBox& release, TUpDown* knee, TCurvyEdit* kneeBox) {
  ShowThreshold(threshold, record.threshold);
  ratio->SetPosition(record.ratio);
  ratioBox->SetText(RatioText(ratio->Position(), false));
  ShowTime(attack, record.attack, false);
  ShowTime(release, record.release, false);
  knee->SetPosition(record.knee);
  kneeBox->SetText(KneeText(knee->Position()));
}

void ShowBands(TMyPEQType10* panel, const LUnitControl& unit, int channel) {
  panel->SetNowIndex(0);
  const int bands = channel < 3 ? UnitImage::kInputBands : UnitImage::kOutputBands;
  for (int band = 0; band < bands; ++band) {
    const PeqBandRecord record = unit.GetPeqBand(channel, band);
    panel->SetEqParamValue(band, IndexToFreq(record.freq), record.q, IndexToGain(record.gain), record.type,
                           unit.IsPeqBandBypassed(channel, band));
  }
}

}  // namespace

void TfmMain::BindLiveDisplay() {
  m_live = std::make_unique<LiveControls>();
  m_live->Bind(m_registry);
  const auto bindTimer = [this](const char* name, void (TfmMain::*handler)(TObject*)) {
    m_registry.Find<TTimer>(QLatin1String(name))->OnTimer = [this, handler](TObject* sender) {
      (this->*handler)(sender);
    };
  };
  bindTimer("tmInLevelDet", &TfmMain::tmInLevelDetTimer);
  bindTimer("tmMipsFlash", &TfmMain::tmMipsFlashTimer);
  bindTimer("tmPresetLoadCount", &TfmMain::tmPresetLoadCountTimer);
  bindTimer("tmUnlockPrompt", &TfmMain::UnlockPromptTimer);
}

void TfmMain::RefreshAllFromUnit() {
  const LUnitControl& unit = *m_unitControl;
  ClearPeqBandSelection();
  {
    RefreshingScope refreshing(m_state.RefreshingControls);
    const int preset = m_session->GetCurrentPreset();
    Named<TLabel>(QStringLiteral("lbPstNum"))->SetCaption(FormatC(preset >= 1 ? "U%02d" : "F%02d", preset));
    Named<TLabel>(QStringLiteral("lbPstName"))->SetCaption(NameText(unit.GetPresetNameField(), kPresetNameChars));

    m_state.CurveOverlayMasks[9] = 4095;
    m_state.CurveOverlayMasks[10] = 4095;
    RefreshGainSummaryCurves();
    m_state.FirTapsInUse = 0;
    for (int channel = 0; channel < 3; ++channel) {
      RefreshInput(channel);
    }
    for (int channel = 3; channel < MainWindowState::kChannels; ++channel) {
      RefreshOutput(channel);
    }
    for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
      m_live->channels[channel].lbNowFirName->SetCaption(NameText(unit.GetFirNameField(channel), kNameChars));
    }
    if (auto* unitButton = Named<TRzBmpButton>(QStringLiteral("rzbUnit%1").arg(unit.GetDelayUnit()))) {
      unitButton->SetDown(true);
      rzbUnit0Click(unitButton);
    }
    ShowSourceTypeLists();
    SetDanteAvailable(unit.GetDanteAvailable());
    for (int pair = 0; pair < 2; ++pair) {
      ShowSourceTypeLabel(0, pair, unit.GetInputPairSource(pair));
    }
    for (int pair = 0; pair < 3; ++pair) {
      ShowSourceTypeLabel(1, pair, unit.GetOutputPairSource(pair));
    }
    SetSignalMode(unit.GetTestSignalMode());
    m_controls.pbMatrix->Invalidate();
    UpdateMainChannelButtons();
    UpdateMainLinkCaptions();
    for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
      UpdateDelayLine(channel);
    }
  }
  for (int channel = 0; channel < 3; ++channel) {
    LoadPeqCurve(m_live->channels[channel].fftDraw);
    UpdateFirCurve(m_live->channels[channel].fftDraw);
  }
  for (int channel = 3; channel < MainWindowState::kChannels; ++channel) {
    UpdateFirCurve(m_live->channels[channel].fftDraw);
    LoadPeqCurve(m_live->channels[channel].fftDraw);
    UpdateLowCutCurve(m_live->channels[channel].fftDraw);
    UpdateHighCutCurve(m_live->channels[channel].fftDraw);
  }
  UpdateCompressorEqCurve();
  SelectFirstPeqBand();
  if (m_state.CurrentPage == MainWindowState::kPageGain) {
    RefreshGainSummaryCurves();
  } else {
    RefreshChannelOverlayCurves(m_state.CurrentPage);
  }
  for (int channel = 3; channel < MainWindowState::kChannels; ++channel) {
    RefreshOutputModeControls(channel);
  }
  if (!m_state.StartingUp) {
    ApplyPanelLock();
  }
  TRzBmpButton* gainPage = m_controls.PageButtons[MainWindowState::kPageGain];
  rzbMenuInAClick(gainPage);
  gainPage->SetDown(true);
}

void TfmMain::RefreshInput(int channel) {
  const LUnitControl& unit = *m_unitControl;
  const ChannelControls& c = m_live->channels[channel];
  ShowName(c, unit, channel);
  ShowBands(c.peqPeq, unit, channel);

  const GateRecord gate = unit.GetGate(channel);
  ShowThreshold(c.gateThreshold, gate.threshold);
  ShowTime(c.gateAttack, gate.attack, true);
  ShowTime(c.gateRelease, gate.release, true);
  c.gateRatio.bar->SetPosition(gate.ratio);
  const int ratio = c.gateRatio.bar->Position();
  c.gateRatio.box->SetText(ratio == c.gateRatio.bar->Max() ? QStringLiteral("Max") : RatioText(ratio, false));
  if (channel == 0 && !m_state.StartingUp) {
    RefreshGatePanel(0);
  }

  const CompressorRecord comp = unit.GetCompressor(channel);
  ShowDynamics(comp, c.compThreshold, c.udCompRatio, c.cvdCompRatio, c.compAttack, c.compRelease, c.udCompKnee,
               c.cvdCompKnee);
  c.compEqFreq.bar->SetPosition(comp.sideChainFreq);
  c.compEqFreq.box->SetText(FrequencyText(IndexToFreq(comp.sideChainFreq)));
  c.compEqType.bar->SetPosition(comp.sideChainType);
  c.compEqType.box->SetText(QString::fromLatin1(SideChainEqTypeNames.at(c.compEqType.bar->Position())));
  if (channel == 0 && !m_state.StartingUp) {
    RefreshCompressorPanel(0);
  }

  // The image holds no crossover of an input: its read-only boxes show
  // where the editor's own bars stand.
  ShowCutFrequency(c.lowCutFreq, c.lowCutFreq.bar->Position());
  ShowCutFrequency(c.highCutFreq, c.highCutFreq.bar->Position());

  // A tap count beyond the channel's coefficient memory would make the
  // curve and send code read past it: the count is held to the memory.
  m_state.FirTaps[channel] = std::min(unit.GetInputFirTaps(channel), kInputFirSize);
  c.lbNowFirTaps->SetCaption(QString::number(m_state.FirTaps[channel]));
  c.rzbFirBypass->SetDown(unit.GetInputFirBypass(channel));
  if (!c.rzbFirBypass->Down()) {
    m_state.FirTapsInUse += m_state.FirTaps[channel];
  }
  RefreshChannelTail(channel);
}

void TfmMain::RefreshOutput(int channel) {
  const LUnitControl& unit = *m_unitControl;
  const ChannelControls& c = m_live->channels[channel];
  ShowName(c, unit, channel);
  const unsigned routing = unit.GetRoutingMask(channel);
  for (int input = 0; input < 3; ++input) {
    c.rzbMatrix[input]->SetDown((routing >> input) & 1u);
  }
  for (int input = 0; input < 3; ++input) {
    c.udMixGain[input]->SetPosition(unit.GetMixLevel(channel, input) + c.udMixGain[input]->Min());
  }

  const OutputFilterRecord filters = unit.GetOutputFilters(channel);
  c.rzcMode->SetItemIndex(filters.mode);
  ShowCutFrequency(c.firLowCut, filters.fir.lowIndex);
  ShowCutFrequency(c.firHighCut, filters.fir.highIndex);
  c.rzcFirType->SetItemIndex(filters.fir.firType);
  if (filters.fir.firType >= 1 && filters.fir.firType <= 3) {
    c.bnFirOK->SetEnabled(false);
    c.rzcFirWin->SetItemIndex(filters.fir.window);
    c.rzcFirTaps->SetItemIndex(filters.fir.taps);
    m_state.FirTapsInUse += FirTapsFromCode(filters.fir.taps);
  } else {
    m_state.FirTaps[channel] = std::min(int(filters.fir.taps), kOutputFirSize);
    c.lbNowFirTaps->SetCaption(QString::number(m_state.FirTaps[channel]));
    c.rzbFirBypass->SetDown(filters.fir.firType == 0);
    if (!c.rzbFirBypass->Down() && filters.mode != 0) {
      m_state.FirTapsInUse += m_state.FirTaps[channel];
    }
  }
  ShowCutFrequency(c.lowCutFreq, filters.lowCutIndex);
  ShowSlope(c.rzcLowCutSlop, c.rzbLowCutBypass, filters.lowCutSlope);
  ShowCutFrequency(c.highCutFreq, filters.highCutIndex);
  ShowSlope(c.rzcHighCutSlop, c.rzbHighCutBypass, filters.highCutSlope);
  ShowBands(c.peqPeq, unit, channel);

  ShowDynamics(unit.GetLimiter(channel), c.limitThreshold, c.udLimitRatio, c.cvdLimitRatio, c.limitAttack,
               c.limitRelease, c.udLimitKnee, c.cvdLimitKnee);
  if (channel == 3 && !m_state.StartingUp) {
    RefreshLimiterPanel(3);
  }
  RefreshChannelTail(channel);
}

void TfmMain::RefreshChannelTail(int channel) {
  const LUnitControl& unit = *m_unitControl;
  const ChannelControls& c = m_live->channels[channel];
  c.gain.bar->SetPosition(unit.GetGain(channel) + c.gain.bar->Min());
  c.gainBackup.bar->SetPosition(c.gain.bar->Position());
  const QString gainText = GainCodeText(c.gain.bar->Position());
  c.gain.box->SetText(gainText);
  c.gainBackup.box->SetText(gainText);

  const bool inverted = unit.GetPolarity(channel);
  const QString phase = LookUpText(inverted ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
  for (TRzBmpButton* button : {c.rzbPhase, c.rzbPhaseBackup}) {
    button->SetDown(inverted);
    button->SetCaption(phase);
  }

  c.isDelay->SetPosition(unit.GetDelay(channel));
  if (c.isDelay->Max() != 0) {
    c.imDelay->SetLeft(c.isDelay->Position() * (c.lbDelayLine->Width() - 90) / c.isDelay->Max() + 40);
  }
  ShowChannelLinks(channel, unit.GetLinkMask(channel));

  const bool muted = unit.GetMute(channel);
  c.rzbMute->SetDown(muted);
  c.rzbMuteBackup->SetDown(muted);
  MarkCurveOverlayDirty(channel);

  const int bit = channel < 3 ? channel : channel - 3;
  const bool bypassed = (unit.GetEqBypassMask(channel) >> bit) & 1u;
  c.fftDraw->DrawTextA(c.fftDraw->Width() / 3, c.fftDraw->Height() / 4, 60, clBtnFace,
                       QStringLiteral("Times New Roman"), bypassed ? QStringLiteral("BYPASS") : QString());
}
