#pragma once

#include <QObject>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// Picks a colour with the system's colour dialog. Created with an owner
/// (its Qt parent), which must be a windowed control when Execute runs.
/// GUI thread only.
class TiColorDialog : public QObject, public TObject {
public:
  explicit TiColorDialog(QObject* owner = nullptr) : QObject(owner) {}

  TColor Color() const { return m_color; }
  void SetColor(TColor value) { m_color = value; }

  /// Shows the dialog modally, starting from the RGB of Color with 16 white
  /// custom colours; true and the chosen Color when confirmed, false and
  /// Color unchanged when cancelled. EPlotError "Invalid class typecast"
  /// when the owner is no windowed control.
  bool Execute();

private:
  TColor m_color = 0;
};
