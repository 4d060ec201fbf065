#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QPointer>

#include "platform/widgets/TCustomControl.h"
#include "widgets/common/WidgetTypes.h"
#include "widgets/panelset/FrameStyles.h"
#include "widgets/panelset/Gradients.h"
#include "widgets/panelset/ShadeSystem.h"
#include "widgets/panelset/TRzFrameController.h"

class TRzPanelDockManager;

enum class TRzVisualStyle : unsigned char { vsClassic, vsWinXP, vsGradient };
enum class TRzGridStyle : unsigned char { gsDots, gsDottedLines, gsSolidLines };

/// A windowed, self-drawn container with a two-part frame (outer style, a
/// gap of BorderWidth, inner style), an optional fill (plain or gradient),
/// grid and caption, and a transparent mode in which the parent's image
/// shows through. Disabling it disables its children and enabling it
/// restores the Enabled each child had. Owned by its Qt parent; GUI thread.
class TRzCustomPanel : public TCustomControl, public IFrameSettingsClient {
public:
  explicit TRzCustomPanel(QWidget* parent = nullptr);
  ~TRzCustomPanel() override;

  // Frame controller: the shared frame settings this control takes.
  TRzFrameController* FrameController() const { return m_frameController; }
  void SetFrameController(TRzFrameController* value);
  TRzFrameControllerNotifications FrameControllerNotifications() const { return m_frameControllerNotifications; }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications value) {
    m_frameControllerNotifications = value;
  }
  void ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TAlignmentVertical AlignmentVertical() const { return m_alignmentVertical; }
  void SetAlignmentVertical(TAlignmentVertical value);
  Rz::TFrameStyleEx BorderInner() const { return m_frame.Inner; }
  void SetBorderInner(Rz::TFrameStyleEx value);
  Rz::TFrameStyleEx BorderOuter() const { return m_frame.Outer; }
  void SetBorderOuter(Rz::TFrameStyleEx value);
  Rz::TSides BorderSides() const { return m_frame.Sides; }
  void SetBorderSides(Rz::TSides value);
  TColor BorderColor() const { return m_frame.BorderColor; }
  void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return m_frame.BorderHighlight; }
  void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return m_frame.BorderShadow; }
  void SetBorderShadow(TColor value);
  int BorderWidth() const { return m_frame.BorderWidth; }
  void SetBorderWidth(int value);
  int BevelWidth() const { return m_frame.BevelWidth; }
  void SetBevelWidth(int value);
  TColor FlatColor() const { return m_frame.FlatColor; }
  void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return m_frame.FlatColorAdjustment; }
  void SetFlatColorAdjustment(int value);
  bool FullRepaint() const { return m_fullRepaint; }
  void SetFullRepaint(bool value) { m_fullRepaint = value; }
  Rz::TRzGradientColorStyle GradientColorStyle() const { return m_gradientColorStyle; }
  void SetGradientColorStyle(Rz::TRzGradientColorStyle value);
  TColor GradientColorStart() const { return m_gradientColorStart; }
  void SetGradientColorStart(TColor value);
  TColor GradientColorStop() const { return m_gradientColorStop; }
  void SetGradientColorStop(TColor value);
  Rz::TGradientDirection GradientDirection() const { return m_gradientDirection; }
  void SetGradientDirection(Rz::TGradientDirection value);
  TColor GridColor() const { return m_gridColor; }
  void SetGridColor(TColor value);
  TRzGridStyle GridStyle() const { return m_gridStyle; }
  void SetGridStyle(TRzGridStyle value);
  int GridXSize() const { return m_gridXSize; }
  void SetGridXSize(int value);
  int GridYSize() const { return m_gridYSize; }
  void SetGridYSize(int value);
  void SetGridSize(int xSize, int ySize);
  bool PaintClientArea() const { return m_paintClientArea; }
  void SetPaintClientArea(bool value);
  bool ShowGrid() const { return m_showGrid; }
  void SetShowGrid(bool value);
  bool ShowDockClientCaptions() const { return m_showDockClientCaptions; }
  void SetShowDockClientCaptions(bool value) { m_showDockClientCaptions = value; }

  // Docking: a dock site that uses a dock manager gets a TRzPanelDockManager
  // (made when both are set, freed when the panel stops being a dock site).
  bool DockSite() const { return m_dockSite; }
  void SetDockSite(bool value);
  bool UseDockManager() const { return m_useDockManager; }
  void SetUseDockManager(bool value);
  TRzPanelDockManager* DockManager() const { return m_dockManager.get(); }
  int TextMargin() const { return m_textMargin; }
  void SetTextMargin(int value);
  int TextMarginVertical() const { return m_textMarginVertical; }
  void SetTextMarginVertical(int value);
  bool Transparent() const override { return m_transparent; }
  void SetTransparent(bool value);
  TRzVisualStyle VisualStyle() const { return m_visualStyle; }
  void SetVisualStyle(TRzVisualStyle value);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);

  /// The client area: the control less its frames on the chosen sides
  /// (BorderWidth is not taken off); a dock site's is the whole control.
  TRect ClientRect() const override;
  /// Where children are placed: the client area less BorderWidth (and, on
  /// a dock site, less the frames).
  void AdjustClientRect(TRect& rect) const override;
  /// Keeps the bottom edge of an alBottom panel and the right edge of an
  /// alRight panel when the height or width changes.
  void SetBounds(int left, int top, int width, int height) override;
  /// The rectangle less BorderWidth (when asked) and both frames.
  TRect ShrinkByBorders(const TRect& rect, bool includeBorderWidth) const;
  /// The mouse position in client coordinates.
  TPoint CursorClientPos() const;

  /// Raised at the end of painting, with the control as sender.
  TNotifyEvent OnPaint;

  void WndProc(TMessage& message) override;

protected:
  /// The part of the control the frame is drawn on.
  virtual TRect PaintBounds() const { return ClientRectOfWindow(); }
  /// Start and stop colours of the gradient fill.
  virtual Rz::TColorPair GradientColors() const;
  /// Colour and lightness adjustment of the flat frame styles.
  virtual std::pair<TColor, int> FlatFrameColors() const;
  virtual void PaintCaptionText(TRect rect);
  virtual void PaintGridLines(const TRect& rect);

  void Paint() override;
  void PaintBackground() override;
  void EnabledChanged() override;
  void AlignChanged() override;

  /// Paints the grabbers of the docked controls (end of Paint).
  void PaintDockSite();
  /// The frame description for the border painter.
  Rz::TBorderFrame BorderFrame() const;
  /// (0, 0, Width, Height).
  TRect ClientRectOfWindow() const { return Rect(0, 0, Width(), Height()); }
  /// Stores a changed value and repaints; false when unchanged.
  template <typename T>
  bool Store(T& field, const T& value) {
    if (field == value) {
      return false;
    }
    field = value;
    Invalidate();
    return true;
  }
  /// Store that lays the children out again first.
  template <typename T>
  void StoreAndRealign(T& field, const T& value) {
    if (field != value) {
      field = value;
      AlignControls();
      Invalidate();
    }
  }

private:
  void PaintFill(TRect r, TColor flat, int adjustment);
  void UpdateDockManager();

  // Frame controller.
  QPointer<TRzFrameController> m_frameController;
  TRzFrameControllerNotifications m_frameControllerNotifications = AllFrameControllerNotifications();

  TAlignment m_alignment = TAlignment::taCenter;
  TAlignmentVertical m_alignmentVertical = TAlignmentVertical::avCenter;
  /// Frame styles, border and flat colours (Color, ParentColor and
  /// Transparent are filled in when painting).
  Rz::TBorderFrame m_frame;
  bool m_fullRepaint = true;
  bool m_paintClientArea = true;
  TRzVisualStyle m_visualStyle = TRzVisualStyle::vsWinXP;
  Rz::TRzGradientColorStyle m_gradientColorStyle = Rz::TRzGradientColorStyle::gcsSystem;
  TColor m_gradientColorStart = clWhite;
  TColor m_gradientColorStop = clBtnFace;
  Rz::TGradientDirection m_gradientDirection = Rz::TGradientDirection::gdHorizontalEnd;
  TColor m_gridColor = clBtnShadow;
  TRzGridStyle m_gridStyle = TRzGridStyle::gsDots;
  int m_gridXSize = 8;
  int m_gridYSize = 8;
  bool m_showGrid = false;
  bool m_transparent = false;
  int m_textMargin = 0;
  int m_textMarginVertical = 0;
  bool m_wordWrap = true;
  bool m_showDockClientCaptions = true;
  // Docking.
  bool m_dockSite = false;
  bool m_useDockManager = true;
  std::unique_ptr<TRzPanelDockManager> m_dockManager;
  /// Each child's Enabled as it was when the panel was disabled.
  std::vector<std::pair<QPointer<TControl>, bool>> m_enabledList;
};
