#pragma once

#include <QObject>

#include "platform/text/TFont.h"
#include "platform/core/TObject.h"

/// Picks a font with the system's font dialog. Created with an owner (its
/// Qt parent), which must be a windowed control when Execute runs. GUI
/// thread only.
class TiFontDialog : public QObject, public TObject {
public:
  explicit TiFontDialog(QObject* owner = nullptr) : QObject(owner) {}

  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& value) { m_font.Assign(value); }

  /// Shows the dialog modally, starting from Font; when confirmed, Font
  /// takes the chosen colour, face, height and style, and the chosen
  /// character set only when the face changed (letter case aside); true
  /// then, false and Font unchanged when cancelled. EPlotError "Invalid
  /// class typecast" when the owner is no windowed control.
  bool Execute();

private:
  TFont m_font;
};
