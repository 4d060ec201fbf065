#pragma once

#include "platform/drawing/TColor.h"
#include "platform/widgets/TCustomControl.h"

/// A rounded, anti-aliased panel drawn through the GDI+ layer over its
/// parent's image: a fill of Color with a 1-pixel BorderColor outline and
/// radius Rounding, and a ShadowColor line along the top inside edge. The
/// left and right indents stay free of the fill. Owned by its parent.
/// GUI thread only.
class TCurvyPanel : public TCustomControl {
public:
  explicit TCurvyPanel(QWidget* parent = nullptr);

  int Rounding() const { return m_rounding; }
  void SetRounding(int value);
  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor value);
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value);
  int IndentLeft() const { return m_indentLeft; }
  int IndentRight() const { return m_indentRight; }

protected:
  void SetIndents(int left, int right);
  void Paint() override;
  void ColorChanged() override;

private:
  int m_rounding = 8;
  TColor m_shadowColor = 0x00D9D9D9;
  TColor m_borderColor = 0x00808080;
  int m_indentRight = 0;
  int m_indentLeft = 0;
};
