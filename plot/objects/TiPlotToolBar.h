#pragma once

#include <memory>
#include <vector>

#include "plot/core/TiPlotLayoutObject.h"
#include "plot/objects/TiPlotToolBarButton.h"

/// The strip of buttons a plot shows along one side: resume and pause
/// tracking, scroll or zoom mode of the axes, zoom in and out, select
/// mode, zoom box, data cursor, properties, copy, save, print and preview.
/// Every click asks OnBeforeToolBarButtonClick first and reports
/// OnToolBarButtonClick afterwards. The properties, copy, save, print and
/// preview actions belong to the plot's editor, export and printing, which
/// a caller hooks through these events. Owned by the plot's toolbar
/// manager; GUI thread only.
class TiPlotToolBar : public TiPlotLayoutObject {
public:
  TiPlotToolBar(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);
  ~TiPlotToolBar() override;
  TiPlotObjectKind Kind() const override { return TiPlotObjectKind::ToolBar; }

  bool ShowResumeButton() const;
  void SetShowResumeButton(bool value);
  bool ShowPauseButton() const;
  void SetShowPauseButton(bool value);
  bool ShowAxesModeButtons() const;
  void SetShowAxesModeButtons(bool value);
  bool ShowZoomInOutButtons() const;
  void SetShowZoomInOutButtons(bool value);
  bool ShowSelectButton() const;
  void SetShowSelectButton(bool value);
  bool ShowZoomBoxButton() const;
  void SetShowZoomBoxButton(bool value);
  bool ShowCursorButton() const;
  void SetShowCursorButton(bool value);
  bool ShowEditButton() const;
  void SetShowEditButton(bool value);
  bool ShowCopyButton() const;
  void SetShowCopyButton(bool value);
  bool ShowSaveButton() const;
  void SetShowSaveButton(bool value);
  bool ShowPrintButton() const;
  void SetShowPrintButton(bool value);
  bool ShowPreviewButton() const;
  void SetShowPreviewButton(bool value);
  double ZoomInOutFactor() const { return m_zoomInOutFactor; }
  /// Values below 1 (or NaN) become 1.
  void SetZoomInOutFactor(double value);
  bool FlatBorder() const { return m_flatBorder; }
  void SetFlatBorder(bool value) { StoreAndChange(value, m_flatBorder); }
  bool FlatButtons() const { return m_flatButtons; }
  void SetFlatButtons(bool value);
  bool SmallButtons() const { return m_smallButtons; }
  void SetSmallButtons(bool value);

  bool ZoomBoxActive() const;
  bool CursorActive() const;
  bool SelectActive() const;
  TiPlotToolBarButton& Button(TiPlotToolBarButtonType type) const;

  /// Each runs what a click on that button runs, events included.
  void DoButtonClick(TiPlotToolBarButtonType type);
  /// Raises the Cursor button (its down-change handler runs, no events).
  void TurnOffCursor();

  /// 28 with small buttons, else 36.
  int GetRequiredWidth(TCanvas& canvas) override;
  void Draw(TCanvas& canvas, TColor backGroundColor) override;
  TiPlotObject* DoMouseOver(int x, int y) override;
  void NotificationSetFocus(TObject* sender) override;
  void AddMenuItems(TPopupMenu& popupMenu) override;

private:
  TiPlotToolBarButton* AddButton(TiPlotToolBarButtonType type, const char* hint, int groupIndex);
  void AddSpacer();
  void RunAction(TiPlotToolBarButtonType type);
  void SetButtonVisible(TiPlotToolBarButtonType type, bool value);
  void GroupClick(TObject* sender);
  void CursorDownChange();
  void SelectDownChange();

  std::vector<std::unique_ptr<TiPlotToolBarButton>> m_buttons;
  double m_zoomInOutFactor = 2.0;
  bool m_flatButtons = false;
  bool m_smallButtons = false;
  bool m_flatBorder = false;
};
