// Level meters, lamps and the DSP load: the 300 ms poll, its answer, the
// load alarm and the reset of the whole live display.
#include <algorithm>

#include "app/ChannelControls.h"
#include "app/TfmMain.h"
#include "components/LProgressBar.h"
#include "link/LUnitSession.h"
#include "platform/text/CFormat.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/LevelReport.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

constexpr int kNormalFontSize = 10;
constexpr int kAlarmFontSize = 12;
/// The highest limiter threshold (+20 dB): the limiter never acts there.
constexpr int kLimiterOffPosition = 40;

void ShowLoad(TLabel* label, float load) { label->SetCaption(FormatC("DSP:%2.1f%%", double(load))); }

void SetLoadFont(TLabel* label, TColor colour, int size) {
  label->Font().SetColor(colour);
  label->Font().SetSize(size);
}

}  // namespace

void TfmMain::tmInLevelDetTimer(TObject*) { SendCommand(CM_MCS_CMD(GetUnitId(), CMD_LEVELS), false, 1); }

void TfmMain::ShowLevels(std::span<const std::uint8_t> payload) {
  // Every byte is read before anything changes; a short answer changes nothing.
  const std::optional<LevelReport> report = LevelReport::Parse(payload);
  if (!report) {
    return;
  }
  TTimer* flash = m_registry.Find<TTimer>(QStringLiteral("tmMipsFlash"));
  m_state.DspIdleCount = report->idleCount;
  const float load = DspLoad(report->idleCount);
  ShowLoad(m_live->lbDspMips, load);
  if (load < kDspLoadThreshold) {
    if (m_state.DspFlashHold != 0 && --m_state.DspFlashHold == 0) {
      SetLoadFont(m_live->lbDspMips, clWhite, kNormalFontSize);
      flash->SetEnabled(false);
    }
  } else {
    if (m_state.DspFlashHold == 0) {
      SetLoadFont(m_live->lbDspMips, clRed, kAlarmFontSize);
      flash->SetEnabled(true);
    }
    m_state.DspFlashHold = kDspAlarmHold;
  }

  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const ChannelControls& c = m_live->channels[channel];
    const bool output = channel >= 3;
    const int count = MeterSegments(report->levels[LevelReport::WordOfChannel(channel)], output);
    c.pbLevelBackup->SetPosition(count);
    c.pbLevel->SetPosition(count);
    int lamp = 0;
    if (!output) {
      c.pbLevelGate->SetPosition(count);
      c.pbLevelComp->SetPosition(count);
      lamp = ((report->activityMask >> channel) & 1u) && c.udCompRatio->Position() != 0 ? 1 : 0;
      c.pbLimitComp->SetPosition(lamp);
    } else {
      c.pbLevelLimit->SetPosition(count);
      lamp = ((report->activityMask >> (8 + channel - 3)) & 1u) && c.udLimitRatio->Position() != 0 &&
                     c.limitThreshold.bar->Position() != kLimiterOffPosition
                 ? 1
                 : 0;
      c.pbLimitLimit->SetPosition(lamp);
    }
    c.pbLimit->SetPosition(lamp);
    c.pbLimitBackup->SetPosition(lamp);
    if (channel == m_state.SelectedCompressorInput) {
      m_live->pbLimitCompIn->SetPosition(lamp);
      m_live->pbLevelCompIn->SetPosition(count);
    }
    if (channel == m_state.SelectedGateInput) {
      m_live->pbLevelGateIn->SetPosition(count);
    }
    if (channel == m_state.SelectedLimiterOutput) {
      m_live->pbLimitLimitOut->SetPosition(lamp);
      m_live->pbLevelLimitOut->SetPosition(count);
    }
  }
}

void TfmMain::ResetLiveDisplay() {
  m_state.DspIdleCount = static_cast<std::uint32_t>(kDspCapacity);
  ShowLoad(m_live->lbDspMips, DspLoad(m_state.DspIdleCount));
  SetLoadFont(m_live->lbDspMips, clWhite, kNormalFontSize);
  for (const ChannelControls& c : m_live->channels) {
    for (LProgressBar* meter : {c.pbLevel, c.pbLevelBackup, c.pbLimit, c.pbLimitBackup, c.pbLevelGate, c.pbLevelComp,
                                c.pbLimitComp, c.pbLevelLimit, c.pbLimitLimit}) {
      if (meter != nullptr) {
        meter->SetPosition(0);
      }
    }
  }
  for (LProgressBar* meter : {m_live->pbLevelCompIn, m_live->pbLimitCompIn, m_live->pbLevelGateIn,
                              m_live->pbLevelLimitOut, m_live->pbLimitLimitOut}) {
    meter->SetPosition(0);
  }
  if (!m_state.StartingUp && !m_session->IsUnitOnline()) {
    m_state.PanelLockPermissions = {0, 0, 0};
    ApplyPanelLock();
    SetMenusLocked(false);
    SetDanteAvailable(1);
  }
}

void TfmMain::StopLiveDisplay() {
  m_registry.Find<TTimer>(QStringLiteral("tmInLevelDet"))->SetEnabled(false);
  m_registry.Find<TTimer>(QStringLiteral("tmMipsFlash"))->SetEnabled(false);
  SetLoadFont(m_live->lbDspMips, clWhite, kNormalFontSize);
  m_state.DspFlashHold = 0;
  ResetLiveDisplay();
}

void TfmMain::tmMipsFlashTimer(TObject*) {
  TFont& font = m_live->lbDspMips->Font();
  font.SetSize(kAlarmFontSize);
  font.SetColor(font.Color() == clRed ? clWhite : clRed);
}

void TfmMain::tmPresetLoadCountTimer(TObject*) {
  SetProgressPosition(std::min(ProgressPosition() + 1, ProgressMax()));
}
