#include "editors/fir/FirEditing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

#include <QFileInfo>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "editors/filter/FilterEditing.h"
#include "editors/fir/FirCoefficientFile.h"
#include "editors/fir/FirKinds.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/FirSenders.h"
#include "protocol/LUnitControl.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"

namespace {

constexpr int kInputPlaces = 2048;
constexpr int kBlockCoefficients = 12;
constexpr float kLargestCoefficient = 50.0f;

/// The input FIR controls of one channel; null members when one is missing.
struct InputFirControls {
  TLabel* name = nullptr;
  TLabel* taps = nullptr;
  TRzBmpButton* bypass = nullptr;
  bool Complete() const { return name != nullptr && taps != nullptr && bypass != nullptr; }
};

InputFirControls FindInputFir(const FilterControls& c, int channel) {
  return {c.Find<TLabel>(QStringLiteral("lbNowFirName"), channel),
          c.Find<TLabel>(QStringLiteral("lbNowFirTaps"), channel),
          c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel)};
}

std::optional<QString> ChooseCoefficientFile() {
  FileChoice choice;
  choice.filter = QStringLiteral("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt");
  choice.initialPath = QStringLiteral("*.csv");
  return FileChooser::Choose(nullptr, choice);
}

/// The first `taps` of a designed set as the 32-bit floats the unit takes;
/// a value beyond the float range becomes an infinity, as a coefficient
/// file's would, so the same check refuses it.
std::vector<float> DesignedCoefficients(std::span<const double> values, int taps) {
  std::vector<float> out;
  const std::size_t count = std::size_t(std::clamp(taps, 0, int(values.size())));
  out.reserve(count);
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  for (const double value : values.first(count)) {
    const bool beyond = std::fabs(value) > double(std::numeric_limits<float>::max());
    out.push_back(beyond ? (value > 0 ? kInfinity : -kInfinity) : float(value));
  }
  return out;
}

FirCoefficientFile ReadCoefficientFile(const QString& path, int capacity) {
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  if (!in) {
    FirCoefficientFile unreadable;
    unreadable.refusal = "SID_INFO_ERROR_FIR_COEFF";
    return unreadable;
  }
  return ReadFirCoefficientFile(in, capacity);
}

}  // namespace

FirEditing::FirEditing(IEditorWindow& window, FilterEditing& filters, ILinkWindow& linkWindow,
                       IPresetWindow& presetWindow)
    : m_c(window),
      m_filters(filters),
      m_progress(window.Session(), linkWindow, presetWindow),
      m_designer(window, filters, *this) {}

void FirEditing::Bind() {
  for (int channel = 0; channel < 3; ++channel) {
    auto* open = m_c.Find<TRzButton>(QStringLiteral("sbOpenFirFile"), channel);
    auto* bypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel);
    if (open == nullptr || bypass == nullptr) continue;
    open->OnClick = [this](TObject* sender) { sbOpenFirFileInAClick(sender); };
    bypass->OnClick = [this](TObject* sender) { rzbFirBypassInAClick(sender); };
  }
  for (int channel = 3; channel < 9; ++channel) {
    auto* open = m_c.Find<TRzButton>(channel == 3 ? QStringLiteral("sbOpenFileOut1")
                                                  : QStringLiteral("sbOpenFirFileOut") + QString::number(channel - 2));
    auto* bypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel);
    auto* mode = m_c.Find<TRzComboBox>(QStringLiteral("rzcMode"), channel);
    if (open == nullptr || bypass == nullptr || mode == nullptr) continue;
    open->OnClick = [this](TObject* sender) { sbOpenFileOut1Click(sender); };
    bypass->OnClick = [this](TObject* sender) { rzbFirBypassOut1Click(sender); };
    mode->OnChange = [this](TObject* sender) { rzcModeOut1Change(sender); };
  }
  m_designer.Bind();
}

void FirEditing::Refuse(const char* key) {
  IEditorWindow& window = m_c.Window();
  window.ShowInformation(window.LookUpText(QString::fromLatin1(key)));
}

bool FirEditing::ReserveFirTaps(int n) {
  int& inUse = m_c.Window().State().FirTapsInUse;
  if (!FirTapBudget::Fits(inUse, n)) {
    Refuse("SID_INFO_ERROR_FIR_TAPS");
    return true;
  }
  inUse += n;
  return false;
}

bool FirEditing::CheckFirCoefficients(std::span<const float> values) {
  for (float value : values) {
    if (value > kLargestCoefficient || !std::isfinite(value)) {
      Refuse("SID_INFO_ERROR_FIR_COEFF");
      return true;
    }
  }
  return false;
}

void FirEditing::SendFirCoefficients(int channel, int taps) {
  IEditorWindow& window = m_c.Window();
  std::vector<LCmd> blocks;
  AppendFirBlocks(blocks, window.Session().FirCoefficients(), window.GetUnitId(), channel, taps);
  for (const LCmd& block : blocks) window.SendCommand(block, true, 1);
}

void FirEditing::SendFollowed(int channel, int taps) {
  SendFirCoefficients(channel, taps);
  m_progress.Follow((ClampFirTaps(channel, taps) + kBlockCoefficients - 1) / kBlockCoefficients);
}

void FirEditing::StoreFirCoefficientsInEeprom(int preset, int channel, int count) {
  m_progress.Step();
  IEditorWindow& window = m_c.Window();
  std::vector<LCmd> blocks;
  AppendPresetFirBlocks(blocks, window.Session().FirCoefficients(), window.GetUnitId(), preset, channel, count);
  for (const LCmd& block : blocks) window.SendCommand(block, true, 1);
}

void FirEditing::ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values) {
  const InputFirControls controls = FindInputFir(m_c, channel);
  if (!controls.Complete()) return;
  if (taps > kInputPlaces) {
    Refuse("SID_INFO_ERROR_TAP_OVER_2048");
    return;
  }
  // A design may hold values a coefficient file could never carry; they are
  // refused the same way, before anything changes.
  const std::vector<float> coefficients = DesignedCoefficients(values, taps);
  if (CheckFirCoefficients(coefficients)) return;
  TakeInputFir(channel, coefficients, AnsiToWide(name));
}

void FirEditing::TakeInputFir(int channel, std::span<const float> values, const QString& name) {
  IEditorWindow& window = m_c.Window();
  LUnitControl& unit = window.UnitControl();
  const InputFirControls controls = FindInputFir(m_c, channel);
  const int taps = int(values.size());
  const int old = unit.GetInputFirBypass(channel) ? 0 : unit.GetInputFirTaps(channel);
  if (ReserveFirTaps((taps - old) * unit.CountLinkGroup(channel))) return;

  FirCoefficientStore& store = window.Session().FirCoefficients();
  controls.name->SetCaption(name);
  controls.taps->SetCaption(QString::number(taps));
  unit.SetInputFirTaps(channel, taps);
  unit.SetFirName(channel, WideToAnsiField(name, FirKinds::kFirNameBytes));
  const unsigned group = unit.GetLinkGroup(channel);
  for (int k = 0; k < 3; ++k) {
    if ((group & (1u << k)) == 0) continue;
    for (int i = 0; i < taps; ++i) store.SetInputFirCoefficient(k, i, std::bit_cast<std::uint32_t>(values[std::size_t(i)]));
    window.State().FirTaps[std::size_t(k)] = taps;
  }
  SendFollowed(channel, taps);
  controls.bypass->SetDown(false);
  unit.SetInputFirBypass(channel, 0);
  for (int k = 0; k < 3; ++k) {
    if ((group & (1u << k)) != 0) RedrawFir(k);
  }
  window.MarkCurveOverlayDirty(channel);
}

void FirEditing::RedrawFir(int channel) { m_filters.Views().UpdateFirCurve(m_c.PlotControl(channel)); }

void FirEditing::sbOpenFirFileInAClick(TObject* Sender) {
  const int channel = FilterControls::ChannelOf(Sender);
  if (!FilterControls::IsInput(channel) || !FindInputFir(m_c, channel).Complete()) return;
  const std::optional<QString> path = ChooseCoefficientFile();
  if (!path) return;
  const FirCoefficientFile file = ReadCoefficientFile(*path, kInputPlaces);
  if (file.refusal != nullptr) {
    Refuse(file.refusal);
    return;
  }
  if (int(file.values.size()) > kInputPlaces) {
    Refuse("SID_INFO_ERROR_TAP_OVER_2048");
    return;
  }
  if (CheckFirCoefficients(file.values)) return;
  TakeInputFir(channel, file.values, QFileInfo(*path).completeBaseName());
}

void FirEditing::rzbFirBypassInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  const int channel = FilterControls::ChannelOf(Sender);
  if (button == nullptr || !FilterControls::IsInput(channel)) return;
  IEditorWindow& window = m_c.Window();
  LUnitControl& unit = window.UnitControl();
  const bool pressed = button->Down();
  const int taps = unit.GetInputFirTaps(channel);
  if (ReserveFirTaps((pressed ? -taps : taps) * unit.CountLinkGroup(channel))) {
    button->SetDown(true);
    return;
  }
  unit.SetInputFirBypass(channel, pressed ? 1 : 0);
  RedrawFir(channel);
  window.MarkCurveOverlayDirty(channel);
}

namespace {

constexpr int kOutputPlaces = 1024;

/// Outputs (3-8) of a link group mask whose bits 0-5 are the outputs.
template <class Visit>
void ForEachOutput(unsigned group, Visit visit) {
  for (int k = 3; k < 9; ++k) {
    if ((group & (1u << (k - 3))) != 0) visit(k);
  }
}

}  // namespace

bool FirEditing::ChargeOutputSet(int channel, const OutputFilterRecord& record, int taps) {
  if (record.mode == FirKinds::kModeIir) return false;
  const int old = FirTapBudget::OutputFirTaps(record.fir);
  return ReserveFirTaps((taps - old) * m_c.Window().UnitControl().CountLinkGroup(channel));
}

void FirEditing::ApplyOutputFir(int channel, int taps, QByteArrayView name, std::span<const double> values) {
  if (!FindInputFir(m_c, channel).Complete() || FilterControls::IsInput(channel)) return;
  if (taps > kOutputPlaces) {
    Refuse("SID_INFO_ERROR_TAP_OVER_1024");
    return;
  }
  const std::vector<float> coefficients = DesignedCoefficients(values, taps);
  if (CheckFirCoefficients(coefficients)) return;
  TakeOutputFir(channel, coefficients, AnsiToWide(name), false);
}

void FirEditing::TakeOutputFir(int channel, std::span<const float> values, const QString& name, bool nameEveryMember) {
  IEditorWindow& window = m_c.Window();
  LUnitControl& unit = window.UnitControl();
  const InputFirControls controls = FindInputFir(m_c, channel);
  OutputFilterRecord record = unit.GetOutputFilters(channel);
  const int taps = int(values.size());
  if (ChargeOutputSet(channel, record, taps)) return;

  FirCoefficientStore& store = window.Session().FirCoefficients();
  const unsigned group = unit.GetLinkGroup(channel);
  ForEachOutput(group, [&](int k) {
    for (int i = 0; i < taps; ++i) store.SetOutputFirCoefficient(k - 3, i, std::bit_cast<std::uint32_t>(values[std::size_t(i)]));
    window.State().FirTaps[std::size_t(k)] = taps;
  });
  record.fir.firType = FirKinds::kFirCoefficientSet;
  record.fir.taps = std::uint16_t(taps);
  unit.SetOutputFirRecord(channel, record);
  controls.bypass->SetDown(false);
  RefreshOutputModeControls(channel);
  controls.taps->SetCaption(QString::number(taps));
  controls.name->SetCaption(name);
  const QByteArray field = WideToAnsiField(name, FirKinds::kFirNameBytes);
  if (nameEveryMember) {
    ForEachOutput(group, [&](int) { unit.SetFirName(channel, field); });
  } else {
    unit.SetFirName(channel, field);
  }
  // Every plot that copies one of these outputs shows the new set.
  ForEachOutput(group, [&](int k) {
    RedrawFir(k);
    window.MarkCurveOverlayDirty(k);
  });
  SendFollowed(channel, taps);
}

void FirEditing::sbOpenFileOut1Click(TObject* Sender) {
  const int channel = FilterControls::ChannelOf(Sender);
  if (FilterControls::IsInput(channel) || !FindInputFir(m_c, channel).Complete()) return;
  const std::optional<QString> path = ChooseCoefficientFile();
  if (!path) return;
  const FirCoefficientFile file = ReadCoefficientFile(*path, kOutputPlaces);
  if (file.refusal != nullptr) {
    Refuse(file.refusal);
    return;
  }
  if (CheckFirCoefficients(file.values)) return;
  if (int(file.values.size()) > kOutputPlaces) {
    Refuse("SID_INFO_ERROR_TAP_OVER_1024");
    return;
  }
  TakeOutputFir(channel, file.values, QFileInfo(*path).completeBaseName(), true);
}

void FirEditing::rzbFirBypassOut1Click(TObject* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  const int channel = FilterControls::ChannelOf(Sender);
  if (button == nullptr || FilterControls::IsInput(channel)) return;
  IEditorWindow& window = m_c.Window();
  LUnitControl& unit = window.UnitControl();
  OutputFilterRecord record = unit.GetOutputFilters(channel);
  const bool pressed = button->Down();
  if (record.mode != FirKinds::kModeIir) {
    const int taps = record.fir.taps;
    if (ReserveFirTaps((pressed ? -taps : taps) * unit.CountLinkGroup(channel))) {
      button->SetDown(true);
      return;
    }
  }
  record.fir.firType = pressed ? FirKinds::kFirOff : FirKinds::kFirCoefficientSet;
  unit.SetOutputFir(channel, record.fir);
  RedrawFir(channel);
  window.MarkCurveOverlayDirty(channel);
  RefreshOutputModeControls(channel);
}

void FirEditing::rzcModeOut1Change(TObject* Sender) {
  IEditorWindow& window = m_c.Window();
  if (window.State().RefreshingControls) return;
  auto* combo = dynamic_cast<TRzComboBox*>(Sender);
  const int channel = FilterControls::ChannelOf(Sender);
  if (combo == nullptr || FilterControls::IsInput(channel)) return;
  auto* plot = m_c.PlotControl(channel);
  auto* tapsLabel = m_c.Find<TLabel>(QStringLiteral("lbNowFirTaps"), channel);
  if (m_c.Panel(channel) == nullptr || plot == nullptr || tapsLabel == nullptr) return;
  LUnitControl& unit = window.UnitControl();
  OutputFilterRecord record = unit.GetOutputFilters(channel);
  const int mode = combo->ItemIndex();
  if (mode == record.mode) return;

  const int fileTaps = record.fir.firType == FirKinds::kFirCoefficientSet ? record.fir.taps : 0;
  int oldTaps = record.mode != FirKinds::kModeIir ? fileTaps : 0;
  const int newTaps = mode != FirKinds::kModeIir ? fileTaps : 0;
  // IIR + FIR does not run a designed FIR: it goes off and gives its taps back.
  const bool designedGoesOff = mode == FirKinds::kModeIirFir && record.fir.firType > FirKinds::kFirOff &&
                               record.fir.firType < FirKinds::kFirCoefficientSet;
  if (designedGoesOff) oldTaps = FirTapBudget::OutputFirTaps(record.fir);
  // Charged before anything changes: a refusal leaves the record's mode shown.
  if (ReserveFirTaps((newTaps - oldTaps) * unit.CountLinkGroup(channel))) {
    combo->SetItemIndex(record.mode);
    return;
  }
  if (designedGoesOff) {
    record.fir.firType = FirKinds::kFirOff;
    record.fir.taps = 512;
    tapsLabel->SetCaption(QStringLiteral("512"));
    window.Session().FirCoefficients().SetIdentity(channel);
  }
  record.mode = std::uint16_t(mode);
  unit.SetOutputFirRecord(channel, record);
  window.SendCommand(CM_MCS_CMD(window.GetUnitId(), CMD_OUTPUT_MODE, channel, mode), true, 1);
  RefreshOutputModeControls(channel);
  m_filters.Views().UpdateFirCurve(plot);
  m_filters.Crossover().UpdateLowCutCurve(plot);
  m_filters.Crossover().UpdateHighCutCurve(plot);
  m_filters.Views().LoadPeqCurve(plot);
  plot->UpdateCurvePage();
  window.MarkCurveOverlayDirty(channel);
}

void FirEditing::RefreshOutputModeControls(int channel) {
  LUnitControl& unit = m_c.Window().UnitControl();
  const OutputFilterRecord record = unit.GetOutputFilters(channel);
  auto* mode = m_c.Find<TRzComboBox>(QStringLiteral("rzcMode"), channel);
  auto* type = m_c.Find<TRzComboBox>(QStringLiteral("rzcFirType"), channel);
  auto* lowCutBypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbLowCutBypass"), channel);
  auto* highCutBypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbHighCutBypass"), channel);
  auto* firBypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel);
  std::vector<TControl*> named;
  for (const char* stem : {"rzgHighCut", "rzgLowCut", "rzgFir", "cvdFirHighCut", "cvdFirLowCut", "isFirHighCut",
                           "isFirLowCut", "rzgFirHighCut", "rzgFirLowCut", "rzgFirTaps", "rzgFirType", "rzgFirWin"}) {
    named.push_back(m_c.Find<TControl>(QLatin1String(stem), channel));
  }
  if (mode == nullptr || type == nullptr || lowCutBypass == nullptr || highCutBypass == nullptr ||
      firBypass == nullptr || std::find(named.begin(), named.end(), nullptr) != named.end()) {
    return;
  }
  TControl* highCut = named[0];
  TControl* lowCut = named[1];
  TControl* fir = named[2];
  const std::array<TControl*, 2> cutEdits{named[3], named[4]};
  const std::array<TControl*, 2> cutBars{named[5], named[6]};
  const std::array<TControl*, 5> designer{named[7], named[8], named[9], named[10], named[11]};
  lowCutBypass->SetDown(false);
  highCutBypass->SetDown(false);
  firBypass->SetDown(false);
  const bool fileSet = record.fir.firType >= FirKinds::kFirCoefficientSet;
  switch (mode->ItemIndex()) {
    case FirKinds::kModeIir:
      fir->SetEnabled(false);
      for (TControl* group : {highCut, lowCut}) {
        group->SetEnabled(true);
        group->BringToFront();
      }
      break;
    case FirKinds::kModeIirFir:
      for (TControl* group : {fir, highCut, lowCut}) group->SetEnabled(true);
      highCut->BringToFront();
      lowCut->BringToFront();
      if (!fileSet) firBypass->SetDown(true);
      break;
    default:
      highCut->SetEnabled(false);
      lowCut->SetEnabled(false);
      fir->SetEnabled(true);
      for (TControl* group : designer) group->SetEnabled(!fileSet);
      for (TControl* edit : cutEdits) edit->Font().SetColor(fileSet ? RGB(128, 128, 128) : clBlack);
      if (!fileSet) {
        m_designer.rzcFirTypeOut1Change(type);
        if (record.fir.firType == FirKinds::kFirOff) {
          type->SetItemIndex(0);
          for (TControl* control : cutBars) control->SetEnabled(false);
          for (TControl* control : cutEdits) control->SetEnabled(false);
          firBypass->SetDown(true);
        } else {
          fir->SetEnabled(false);
        }
      } else {
        type->SetItemIndex(0);
      }
      for (TControl* group : designer) group->BringToFront();
      break;
  }
  lowCutBypass->SetDown(record.lowCutSlope == 0);
  highCutBypass->SetDown(record.highCutSlope == 0);
}
