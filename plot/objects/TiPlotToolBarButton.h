#pragma once

#include <QString>

#include "plot/core/TiPlotButton.h"
#include "plot/core/TiPlotEvents.h"

class TiPlotToolBar;

enum class TiPlotToolBarButtonStyle { iptbbsButton = 0, iptbbsSpacer = 1 };

/// One button (or spacer) of a plot toolbar: draws its face and its
/// picture, shows its hint, tracks the mouse over it. Created and owned by
/// its toolbar; GUI thread only.
class TiPlotToolBarButton : public TiPlotButton {
public:
  TiPlotToolBarButton(TiPlotComponent* owner, TiPlotToolBar* toolBar, TiPlotToolBarButtonType type,
                      TiPlotToolBarButtonStyle style, QString hint);
  TiPlotToolBarButtonType Type() const { return m_type; }
  TiPlotToolBarButtonStyle Style() const { return m_style; }
  QString Hint() const { return m_hint; }
  bool Flat() const { return m_flat; }
  void SetFlat(bool value) { m_flat = value; }
  bool Small() const { return m_small; }
  void SetSmall(bool value) { m_small = value; }
  bool MouseOver() const { return m_mouseOver; }

  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                  bool dblClickActive) override;
  void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
  void DoMouseNotOver() override;

private:
  TiPlotToolBar* m_toolBar;
  TiPlotToolBarButtonType m_type;
  TiPlotToolBarButtonStyle m_style;
  QString m_hint;
  bool m_flat = false;
  bool m_small = false;
  bool m_mouseOver = false;
};

/// Draws the picture of a toolbar button (24 or 16 pixels square) with its
/// top-left corner at origin; greyed when disabled.
void DrawToolBarGlyph(TCanvas& canvas, TiPlotToolBarButtonType type, TPoint origin, int size, bool enabled);
