#pragma once

#include "platform/widgets/TCustomControl.h"
#include "plot/editor/TiComponentEditorButton.h"

/// A colour swatch (47 x 21 when new) with a bold "..." button at its right
/// edge; the button or a double click on the swatch opens the colour
/// dialog, whose OK stores the colour, reports to the owner form
/// (UserChange), repaints and raises OnChange. Writing Color raises
/// nothing. Disabled it shows clBtnFace. GUI thread only.
class TiComponentEditorColorPicker : public TCustomControl {
public:
  explicit TiComponentEditorColorPicker(QWidget* parent = nullptr);

  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  void SetBounds(int left, int top, int width, int height) override;
  TiComponentEditorButton& Button() { return *m_button; }

  void Disable();
  void Enable();
  void ShowColorDialog();

  TNotifyEvent OnChange;

protected:
  void Paint() override;
  void DblClick() override;

private:
  TiComponentEditorButton* m_button;
  TColor m_color = clRed;
};
