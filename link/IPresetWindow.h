#pragma once

#include <optional>

class QByteArray;
class QString;

/// The two kinds of file the preset exchanges read and write.
enum class PresetFileKind : int {
  Setting = 0,  ///< ".prs", one setting with its FIR coefficients
  Unit = 1,     ///< ".unt", all stored presets of a unit
};

/// What the preset exchanges need of the main window beyond ILinkWindow: the
/// file dialogs, the progress window without a modal loop, enabling the
/// window, the preset labels and the band selection. The main window
/// implements it; tests record the calls. GUI thread only.
class IPresetWindow {
public:
  virtual ~IPresetWindow() = default;

  /// The open or save dialog of that kind (`odOpenPreset`, `sdSavePreset`,
  /// `odOpenUnit`, `sdSaveUnit`); nothing when the user cancels.
  virtual std::optional<QString> ChoosePresetFile(PresetFileKind kind, bool save) = 0;
  /// Shows the progress window without a modal loop.
  virtual void ShowProgressModeless() = 0;
  /// Enables or disables the main window; enabling also gives it the focus.
  virtual void SetMainWindowEnabled(bool enabled) = 0;
  /// `lbPstNum` and `lbPstName`.
  virtual void ShowPresetLabels(const QString& number, const QByteArray& name) = 0;
  /// Clears the selected equaliser band of every channel.
  virtual void ClearPeqBandSelection() = 0;

protected:
  IPresetWindow() = default;
  IPresetWindow(const IPresetWindow&) = default;
  IPresetWindow& operator=(const IPresetWindow&) = default;
};
