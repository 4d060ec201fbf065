// The window's side of channel links and copies: the routines the link and
// copy dialogs call, and the link dialog's mirror of the unit model's groups.
#include <memory>

#include "app/TfmMain.h"
#include "dialogs/TfmLinkSel.h"
#include "editors/LinkGroupMembers.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "platform/threads/TTimer.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirCoefficientStore.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

constexpr int kInputSummary = 9;
constexpr int kOutputSummary = 10;
/// Curve id of the first channel of a kind copied onto another's plot.
constexpr int kFirstCopyCurve = 39;
constexpr int kModeIir = 0;
constexpr int kFirOff = 0;
constexpr int kFirCoefficientSet = 4;

bool IsChannel(int channel) { return channel >= 0 && channel < MainWindowState::kChannels; }
bool SameKind(int a, int b) { return IsChannel(a) && IsChannel(b) && (a < 3) == (b < 3); }
int FirstOfKind(int channel) { return channel < 3 ? 0 : 3; }
int LastOfKind(int channel) { return channel < 3 ? 2 : 8; }

/// The letter or digit that names a channel within its kind.
QString Mark(int channel) { return channel < 3 ? QString(QChar('A' + channel)) : QString::number(channel - 2); }

/// Copies the source's record onto every channel of the destination's link
/// group as the group stands, as the unit does; the source itself when it
/// belongs to that group is left as it is.
void CopyRecordOntoGroup(LUnitControl& unit, int source, int destination) {
  for (int member : LinkGroupMembers(unit, destination)) {
    if (member != source) {
      unit.CopyChannelRecord(source, member);
    }
  }
}

void StoreLinkMask(LUnitControl& unit, int channel, int mask) {
  const std::size_t field = UnitImage::ChannelRecord(channel) +
                            (channel < 3 ? UnitImage::kInLinkMask : UnitImage::kOutLinkMask);
  unit.Image().SetWord(field, static_cast<unsigned>(mask));
}

}  // namespace

void TfmMain::LinkClick(TObject* /*Sender*/) {
  if (fmLinkSel != nullptr) {
    fmLinkSel->ShowModal();
  }
}

void TfmMain::ShowChannelLinks(int channel, unsigned mask) {
  if (fmLinkSel != nullptr) {
    fmLinkSel->ShowChannelLinks(channel, mask);
  }
}

void TfmMain::UpdateMainChannelButtons() {
  if (fmLinkSel != nullptr) {
    fmLinkSel->UpdateMainChannelButtons();
  }
}

void TfmMain::UpdateMainLinkCaptions() {
  if (fmLinkSel != nullptr) {
    fmLinkSel->UpdateMainLinkCaptions();
  }
}

void TfmMain::SendChannelLink(int channel, int mask) { m_unitControl->SetLinkMask(channel, mask); }

int TfmMain::ChannelFirTaps(int channel) const {
  if (!IsChannel(channel)) {
    return 0;
  }
  if (channel < 3) {
    return m_unitControl->GetInputFirBypass(channel) ? 0 : m_unitControl->GetInputFirTaps(channel);
  }
  const OutputFilterRecord record = m_unitControl->GetOutputFilters(channel);
  if (record.mode == kModeIir || record.fir.firType == kFirOff) {
    return 0;
  }
  return record.fir.firType == kFirCoefficientSet ? record.fir.taps : FirTapsFromCode(record.fir.taps);
}

unsigned TfmMain::LinkGroupMask(int channel) const { return m_unitControl->GetLinkGroup(channel); }

bool TfmMain::ChargeLinkChanges(std::span<const LinkOperation> operations) {
  // The copies are played on a scratch model in order, masks included, so
  // each lands on the group the unit will copy onto; the charge is what the
  // budget's recount will find afterwards, minus what it finds now.
  auto scratch = std::make_unique<LUnitControl>(*m_unitControl);
  for (const LinkOperation& operation : operations) {
    if (operation.kind == LinkOperation::Kind::Copy && SameKind(operation.first, operation.second)) {
      CopyRecordOntoGroup(*scratch, operation.first, operation.second);
    } else if (operation.kind == LinkOperation::Kind::Mask && IsChannel(operation.first)) {
      StoreLinkMask(*scratch, operation.first, operation.second);
    }
  }
  const int charge = FirTapBudget::CountInUse(*scratch) - FirTapBudget::CountInUse(*m_unitControl);
  return !ReserveFirTaps(charge);
}

void TfmMain::CopyChannel(int source, int destination, int finish) {
  if (source == destination || !SameKind(source, destination)) {
    return;
  }
  const LinkOperation copy{LinkOperation::Kind::Copy, source, destination};
  if (!ChargeLinkChanges(std::span(&copy, 1))) {
    return;
  }
  CopyChargedChannel(source, destination, finish);
}

void TfmMain::CopyChargedChannel(int source, int destination, int finish) {
  if (source == destination || !SameKind(source, destination)) {
    return;
  }
  if (IsUnitOnline()) {
    if (finish != 0) {
      m_session->SetProcessState(PROCESS_RELOAD_AFTER_LINK);
    }
    SendCommand(CM_MCS_CMD(GetUnitId(), CMD_COPY_CHANNEL, source, destination), true, SERIALIZE_FRAME);
    return;
  }
  FirCoefficientStore& store = m_session->FirCoefficients();
  const int taps = m_state.FirTaps[std::size_t(source)];
  for (int member : LinkGroupMembers(*m_unitControl, destination)) {
    if (member == source) {
      continue;
    }
    m_unitControl->CopyChannelRecord(source, member);
    m_state.FirTaps[std::size_t(member)] = taps;
    for (int k = 0; k < taps; ++k) {
      const std::uint32_t word = store.ChannelWord(source, k);
      if (member < 3) {
        store.SetInputFirCoefficient(member, k, word);
      } else {
        store.SetOutputFirCoefficient(member - 3, k, word);
      }
    }
  }
  if (finish != 0) {
    RefreshAllFromUnit();
  }
}

void TfmMain::ReloadAfterLinkChange() {
  if (!IsUnitOnline()) {
    RefreshAllFromUnit();
    return;
  }
  Named<TTimer>(QStringLiteral("tmInLevelDet"))->SetEnabled(false);
  m_session->SetProcessState(PROCESS_RELOAD_AFTER_LINK);
  SendCommand(CM_MCS_CMD(GetUnitId(), CMD_KEEP_ALIVE), true, SERIALIZE_FRAME);
  if (m_controls.rzbMenuLink->CanFocus()) {
    m_controls.rzbMenuLink->SetFocus();
  }
}

void TfmMain::UpdateLinkShowButtons(int channel, bool visible) {
  if (!IsChannel(channel) || Named<TRzBmpButton>(QStringLiteral("rzbMenu") + ChannelSuffix(channel)) == nullptr) {
    return;
  }
  const QString mark = Mark(channel);
  auto hide = [this](TVrPowerButton& button, int plot, int curve) {
    button.SetActive(false);
    m_state.CurveOverlayMasks[std::size_t(plot)] &= ~(1u << button.Tag());
    m_responseCurves[std::size_t(plot)]->RemoveCurve(curve);
  };
  auto* gain = Named<TVrPowerButton>(QStringLiteral("vrbShow") + mark + QStringLiteral("Gain"));
  if (gain == nullptr) {
    return;
  }
  gain->SetVisible(visible);
  if (!visible) {
    hide(*gain, channel < 3 ? kInputSummary : kOutputSummary, gain->Tag());
  }
  for (int plot = FirstOfKind(channel); plot <= LastOfKind(channel); ++plot) {
    if (plot == channel) {
      continue;
    }
    auto* button = Named<TVrPowerButton>(QStringLiteral("vrbShow") + mark + ChannelSuffix(plot));
    if (button == nullptr) {
      return;
    }
    button->SetVisible(visible);
    if (!visible) {
      hide(*button, plot, kFirstCopyCurve + button->Tag() - FirstOfKind(channel));
    }
  }
}

void TfmMain::UpdateLinkCaption(int leader, int channel) {
  if (!IsChannel(leader) || !IsChannel(channel)) {
    return;
  }
  const QString kind = leader < 3 ? QStringLiteral("In") : QStringLiteral("Out");
  auto* button = Named<TRzBmpButton>(QStringLiteral("rzbMenu") + kind + Mark(channel));
  if (button == nullptr) {
    return;
  }
  const QString caption =
      leader == channel ? QString(kind + Mark(leader)) : QString(Mark(channel) + QStringLiteral("=") + Mark(leader));
  button->SetCaption(caption);
}

void TfmMain::ShowGainPage() {
  TRzBmpButton* gainPage = m_controls.PageButtons[MainWindowState::kPageGain];
  rzbMenuInAClick(gainPage);
  gainPage->SetDown(true);
}
