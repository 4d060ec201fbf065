#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "link/IPresetExchange.h"
#include "link/IPresetWindow.h"
#include "platform/threads/TTimer.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitFile.h"

class ILinkWindow;
class LUnitSession;

/// The preset exchanges of the editor: storing and recalling a preset,
/// saving and opening a setting file, and moving all stored presets between
/// the unit and a unit file (upload, download). Files are read and checked
/// whole before anything changes and written through a temporary file. The
/// session hands it the replies of the transfer chains; each acts only on
/// the step in flight. A link that closes ends a running exchange. Owned by
/// the main window with the session, which it must not outlive; GUI thread
/// only.
class LPresetExchange : public QObject, public IPresetExchange {
public:
  /// Delay of `tmUpload` and of the end of an upload after the file.
  static constexpr int kUploadWaitMs = 300;

  LPresetExchange(LUnitSession& session, LUnitControl& unit, ILinkWindow& window, IPresetWindow& presetWindow);
  ~LPresetExchange() override;
  LPresetExchange(const LPresetExchange&) = delete;
  LPresetExchange& operator=(const LPresetExchange&) = delete;

  // Entry points.
  /// Stores the unit's setting as preset `row` + 1 under the 14-character name.
  void StorePreset(int row, const QByteArray& name);
  /// Recalls recall-list row `row` (0 the factory preset) and reads it back.
  void RecallPreset(int row);
  /// Reads every used stored preset of the unit and writes a unit file.
  void UploadAllPresets();
  /// Writes a unit file into the unit, then restarts it and disconnects.
  void DownloadUnitFile();
  void SaveSettingFile();
  void OpenSettingFile();
  /// Whether an upload or download is under way.
  bool IsTransferRunning() const { return m_phase != Phase::Idle; }

  // IPresetExchange.
  void HandleEepromReply(std::span<const std::uint8_t> payload) override;
  void HandleDownloadSegmentReply(int unitId, std::span<const std::uint8_t> payload) override;
  void HandlePresetBlockReply(int unitId, std::span<const std::uint8_t> payload) override;
  void PresetFirReadFinished(int unitId) override;
  void DownloadNextPreset() override;
  void StartDownloadEnd() override;
  void StopPresetLoadCount() override;
  void EndExchange() override;

private:
  /// The step of a transfer whose reply is awaited.
  enum class Phase {
    Idle,
    SlotTable,    ///< upload: reply 25
    PresetBlocks, ///< upload: select, then replies 40
    PresetFir,    ///< upload: the preset's FIR area
    UploadFile,   ///< upload: tmUpload and the wait after the file
    FactoryReset, ///< download: reset and slot table acknowledged
    Segments,     ///< download: replies 37
    FirPhase,     ///< download: the FIR commands and the hello
    DownloadEnd,  ///< download: tmDownloadEnd
  };

  void SelectPresetForUpload(int preset);
  /// Moves on after a preset's FIR area: the next used preset or the file.
  void UploadNextPreset();
  void SaveAllPresetsFile();
  void UploadTimer();
  void UploadEndTimer();
  void PresetLoadCountTimer();
  void DownloadEndTimer();
  void SendDownloadSegment(int segment);
  void StartFirPhase();
  /// Reads a whole file of `size` bytes at most; false (and a message) when
  /// it cannot be read.
  std::optional<QByteArray> ReadChosenFile(const QString& fileName, std::size_t size, const QString& refusalKey);
  /// Writes a file through a temporary one; a failure shows the reason.
  void WriteChosenFile(const QString& fileName, const std::vector<std::uint8_t>& bytes);
  void AdvanceProgress(int steps);
  void Ignore(const QString& what, std::span<const std::uint8_t> payload);
  void ShowText(const QString& key);

  LUnitSession& m_session;
  LUnitControl& m_unit;
  ILinkWindow& m_window;
  IPresetWindow& m_presetWindow;

  Phase m_phase = Phase::Idle;
  /// The block of reply 40 or the segment of reply 37 awaited next.
  int m_awaitedStep = 0;
  /// `UploadFirSections`: the FirSection of each preset for the unit file.
  std::array<std::vector<std::uint8_t>, LUnitControl::kPresetCount> m_uploadFirSections;
  /// The unit file being downloaded, read and checked whole.
  std::optional<StagedUnitFile> m_unitFile;
  int m_downloadPreset = 1;  ///< `DownloadPreset`: the record being downloaded (1 to 30)

  TTimer m_presetLoadCountTimer;  ///< `tmPresetLoadCount`
  TTimer m_uploadTimer;           ///< `tmUpload`
  TTimer m_uploadEndTimer;        ///< the wait after the unit file is written
  TTimer m_downloadEndTimer;      ///< `tmDownloadEnd`
};
