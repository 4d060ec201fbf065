#pragma once

#include "platform/text/TFont.h"
#include "plot/editor/TiComponentEditorButton.h"

/// A "Font" button that edits its own font with the font dialog; OK
/// assigns the chosen font, reports to the owner form (UserChange) and
/// raises OnChange. Writing Font raises nothing. GUI thread only.
class TiComponentEditorFontPicker : public TiComponentEditorButton {
public:
  explicit TiComponentEditorFontPicker(QWidget* parent = nullptr);

  TFont& Font() { return m_font; }
  void SetFont(const TFont& value) { m_font.Assign(value); }
  void Disable() { SetEnabled(false); }
  void Enable() { SetEnabled(true); }
  void Click() override;

  TNotifyEvent OnChange;

private:
  TFont m_font;
};
