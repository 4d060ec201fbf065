#include "editors/fir/FirEditing.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <vector>

#include <QFileInfo>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/MainWindowState.h"
#include "editors/filter/CurveViews.h"
#include "editors/fir/FirCoefficientFile.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "platform/AnsiCodePage.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "protocol/FirBlockMap.h"
#include "protocol/LUnitControl.h"
#include "protocol/commands/FirCommands.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"

namespace {

constexpr int kInputPlaces = 2048;
constexpr int kBlockCoefficients = 12;
constexpr int kFirNameBytes = 8;
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

std::vector<float> ChannelCoefficients(const FirCoefficientStore& store, int channel, int taps) {
  std::vector<float> values(std::size_t(std::max(taps, 0)));
  for (int k = 0; k < taps; ++k) values[std::size_t(k)] = store.Coefficient(channel, k);
  return values;
}

}  // namespace

FirEditing::FirEditing(IEditorWindow& window, CurveViews& views) : m_c(window), m_views(views) {}

void FirEditing::Bind() {
  for (int channel = 0; channel < 3; ++channel) {
    auto* open = m_c.Find<TRzButton>(QStringLiteral("sbOpenFirFile"), channel);
    auto* bypass = m_c.Find<TRzBmpButton>(QStringLiteral("rzbFirBypass"), channel);
    if (open == nullptr || bypass == nullptr) continue;
    open->OnClick = [this](TObject* sender) { sbOpenFirFileInAClick(sender); };
    bypass->OnClick = [this](TObject* sender) { rzbFirBypassInAClick(sender); };
  }
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
  const std::vector<float> values = ChannelCoefficients(window.Session().FirCoefficients(), channel, taps);
  for (int block = 0; kBlockCoefficients * block < taps; ++block) {
    const auto from = std::span<const float>(values).subspan(std::size_t(kBlockCoefficients * block));
    window.SendCommand(CM_MCS_EXT_FIR(window.GetUnitId(), channel, block, taps, from), true, 1);
  }
}

void FirEditing::ApplyInputFir(int channel, int taps, QByteArrayView name, std::span<const double> values) {
  const InputFirControls controls = FindInputFir(m_c, channel);
  if (!controls.Complete()) return;
  if (taps > kInputPlaces) {
    Refuse("SID_INFO_ERROR_TAP_OVER_2048");
    return;
  }
  std::vector<float> coefficients(values.begin(), values.begin() + std::max(0, std::min(taps, int(values.size()))));
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
  unit.SetFirName(channel, WideToAnsiField(name, kFirNameBytes));
  const unsigned group = unit.GetLinkGroup(channel);
  for (int k = 0; k < 3; ++k) {
    if ((group & (1u << k)) == 0) continue;
    for (int i = 0; i < taps; ++i) store.SetInputFirCoefficient(k, i, std::bit_cast<std::uint32_t>(values[std::size_t(i)]));
    window.State().FirTaps[std::size_t(k)] = taps;
  }
  SendFirCoefficients(channel, taps);
  controls.bypass->SetDown(false);
  unit.SetInputFirBypass(channel, 0);
  for (int k = 0; k < 3; ++k) {
    if ((group & (1u << k)) != 0) RedrawFir(k);
  }
  window.MarkCurveOverlayDirty(channel);
}

void FirEditing::RedrawFir(int channel) { m_views.UpdateFirCurve(m_c.PlotControl(channel)); }

void FirEditing::sbOpenFirFileInAClick(TObject* Sender) {
  const int channel = FilterControls::ChannelOf(Sender);
  if (!FilterControls::IsInput(channel) || !FindInputFir(m_c, channel).Complete()) return;
  FileChoice choice;
  choice.filter = QStringLiteral("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt");
  choice.initialPath = QStringLiteral("*.csv");
  const std::optional<QString> path = FileChooser::Choose(nullptr, choice);
  if (!path) return;
  std::ifstream in(QFile::encodeName(*path).toStdString(), std::ios::binary);
  const FirCoefficientFile file = ReadFirCoefficientFile(in, kInputPlaces);
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
