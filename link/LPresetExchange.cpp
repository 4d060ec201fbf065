#include "link/LPresetExchange.h"

#include <algorithm>

#include "link/ILinkWindow.h"
#include "link/OneShotTimer.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "platform/files/ReadWholeFile.h"
#include "platform/files/WriteWholeFile.h"
#include "protocol/CM_MCS_CMD.h"
#include "protocol/CommandCodes.h"
#include "protocol/commands/UnitCommands.h"

namespace {

constexpr int kRecallTimeoutMs = 50000;
constexpr int kPresetLoadCountMs = 10;
constexpr int kDownloadEndMs = 1;
constexpr int kStoreProgressMax = 2;
constexpr int kRecallProgressMax = 300;
constexpr int kLoggedBytes = 3;


}  // namespace

LPresetExchange::LPresetExchange(LUnitSession& session, LUnitControl& unit, ILinkWindow& window,
                                 IPresetWindow& presetWindow)
    : m_session(session), m_unit(unit), m_window(window), m_presetWindow(presetWindow) {
  m_presetLoadCountTimer.SetEnabled(false);
  m_presetLoadCountTimer.SetInterval(kPresetLoadCountMs);
  m_presetLoadCountTimer.OnTimer = [this](TObject*) { PresetLoadCountTimer(); };
  MakeOneShot(m_uploadTimer, kUploadWaitMs, [this] { UploadTimer(); });
  MakeOneShot(m_uploadEndTimer, kUploadWaitMs, [this] { UploadEndTimer(); });
  MakeOneShot(m_downloadEndTimer, kDownloadEndMs, [this] { DownloadEndTimer(); });
}

LPresetExchange::~LPresetExchange() = default;

void LPresetExchange::StorePreset(int row, const QByteArray& name) {
  if (!m_session.IsUnitOnline() || row < 0 || row >= LUnitControl::kPresetCount) {
    return;
  }
  m_session.SetProcessState(PROCESS_STORE_PRESET);
  m_window.StopLiveDisplay();
  const int preset = row + 1;
  m_session.SetCurrentPreset(preset);
  m_unit.MarkPresetUsed(row);
  m_unit.SetPresetName(std::span(reinterpret_cast<const std::uint8_t*>(name.constData()),
                                 static_cast<std::size_t>(name.size())));
  const auto field = m_unit.GetPresetNameField();
  const QByteArray stored(reinterpret_cast<const char*>(field.data()), static_cast<qsizetype>(field.size()));
  m_presetWindow.ShowPresetLabels(QString::asprintf("U%02d", preset), stored);
  m_session.SetLinkTimeout(LUnitSession::kStoreTimeoutMs);
  m_session.SendCommand(CM_MCS_PRESETNAME(m_session.GetUnitId(), stored), true);
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_STORE_PRESET")));
  m_window.SetProgressMax(kStoreProgressMax);
  m_window.SetProgressPosition(0);
  if (m_session.GetProcessState() != PROCESS_IDLE) {
    m_window.ShowProgressModal();
  }
}

void LPresetExchange::RecallPreset(int row) {
  if (!m_session.IsUnitOnline() || row < 0 || row > LUnitControl::kPresetCount) {
    return;
  }
  m_session.SetProcessState(PROCESS_RECALL_PRESET);
  m_window.StopLiveDisplay();
  m_session.SetLinkTimeout(kRecallTimeoutMs);
  m_session.SetCurrentPreset(row);
  m_session.SendCommand(CM_MCS_CMD(m_session.GetUnitId(), CMD_RECALL_PRESET, row), true);
  m_window.SetProgressStatus(m_window.LookUpText(QStringLiteral("SID_LOAD_PRESET")));
  m_window.SetProgressMax(kRecallProgressMax);
  m_window.SetProgressPosition(0);
  m_presetLoadCountTimer.SetEnabled(true);
  if (m_session.GetProcessState() == PROCESS_RECALL_PRESET) {
    m_window.ShowProgressModal();
  }
}

void LPresetExchange::StopPresetLoadCount() { m_presetLoadCountTimer.SetEnabled(false); }

void LPresetExchange::PresetLoadCountTimer() { AdvanceProgress(1); }

void LPresetExchange::EndExchange() {
  const bool downloading = m_phase == Phase::FactoryReset || m_phase == Phase::Segments || m_phase == Phase::FirPhase;
  const bool running = m_phase != Phase::Idle;
  // Every preset of an upload that waits for its file name has been read:
  // the file is still written (tmUpload runs on, an open file dialog still
  // saves); only the end of the upload, which needs the link, is left out.
  const bool fileDue = m_phase == Phase::UploadFile && !m_uploadEndTimer.Enabled();
  m_phase = fileDue ? Phase::UploadFile : Phase::Idle;
  for (TTimer* timer : {&m_presetLoadCountTimer, &m_uploadTimer, &m_uploadEndTimer, &m_downloadEndTimer}) {
    if (timer != &m_uploadTimer || !fileDue) {
      timer->SetEnabled(false);
    }
  }
  m_unitFile.reset();
  m_session.SetUploadPreset(0);
  m_session.SetFirReadPreset(0);
  if (running) {
    m_presetWindow.SetMainWindowEnabled(true);
  }
  if (downloading) {
    // After Disconnect has finished with the window, not in the middle of it.
    QMetaObject::invokeMethod(
        this, [this] { ShowText(QStringLiteral("SID_INFO_ERROR_DOWNLAOD")); }, Qt::QueuedConnection);
  }
}

void LPresetExchange::AdvanceProgress(int steps) {
  m_window.SetProgressPosition(m_window.ProgressPosition() + steps);
}

void LPresetExchange::Ignore(const QString& what, std::span<const std::uint8_t> payload) {
  const auto count = static_cast<qsizetype>(std::min<std::size_t>(payload.size(), kLoggedBytes));
  const QByteArray head(reinterpret_cast<const char*>(payload.data()), count);
  m_window.AddTrafficLine(QStringLiteral("%1 ignored: %2 payload bytes %3")
                              .arg(what)
                              .arg(payload.size())
                              .arg(QString::fromLatin1(head.toHex(' ').toUpper())));
}

void LPresetExchange::ShowText(const QString& key) { m_window.ShowInformation(m_window.LookUpText(key)); }

std::optional<QByteArray> LPresetExchange::ReadChosenFile(const QString& fileName, std::size_t size,
                                                          const QString& refusalKey) {
  QByteArray bytes;
  if (!ReadWholeFile(fileName, size + 1, bytes)) {
    ShowText(refusalKey);
    return std::nullopt;
  }
  return bytes;
}

void LPresetExchange::WriteChosenFile(const QString& fileName, const std::vector<std::uint8_t>& bytes) {
  QString reason;
  const QByteArray contents(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  if (!WriteWholeFile(fileName, contents, &reason)) {
    m_window.ShowInformation(m_window.LookUpText(QStringLiteral("SID_INFO_ERROR_FILE")) + QLatin1Char('\n') +
                             fileName + QLatin1Char('\n') + reason);
  }
}
