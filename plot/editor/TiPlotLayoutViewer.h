#pragma once

#include <memory>
#include <vector>

#include "platform/text/TFont.h"
#include "platform/core/TRect.h"
#include "plot/base/TiCustomComponent.h"
#include "plot/core/TiPlotLayoutManager.h"

class TiPlotLayoutObject;
class TiPlotMasterManager;
class TiPlotTranslationManager;

/// What a held button does in the layout viewer.
enum class TiLayoutEditMode { ilemNone = 0, ilemDrag = 1, ilemSize = 2 };
/// Which end of a bar is being resized.
enum class TiLayoutSizingSide { ilssStart = 0, ilssStop = 1 };

/// One row slot of the layout diagram: the rectangle a row of bars (or the
/// data view) takes and the Z-order it stands for.
struct TBlockObject {
  TRect ARect;
  int ZOrder = 0;
  bool Horizontal = false;
  bool DataView = false;
  bool ToolBar = false;
};

/// A plot's layout as a block diagram: the data view in the middle, every
/// axis, legend, label, table and toolbar a labelled bar on its side, one
/// cell thick, placed by Z-order and spanning its percents. The user drags
/// bars into new rows, into a row with others, across to the other
/// orientation, swaps two bars of a row and resizes a bar by its ends in
/// steps of 1.25 %. Every edit goes straight into the layout objects and
/// the layout manager and is reported once through OnChange. Bound through
/// Master, LayoutManager and TranslationManager, which must outlive it (or
/// be unbound first). A selected, resized or hovered bar is forgotten as
/// soon as it leaves the layout manager. Owned by its Qt parent; GUI thread.
class TiPlotLayoutViewer : public TiCustomComponent {
public:
  explicit TiPlotLayoutViewer(QWidget* parent = nullptr);
  ~TiPlotLayoutViewer() override;

  TiPlotLayoutManager* LayoutManager() const { return m_layoutManager; }
  void SetLayoutManager(TiPlotLayoutManager* value);
  TiPlotMasterManager* Master() const { return m_master; }
  void SetMaster(TiPlotMasterManager* value) { m_master = value; }
  TiPlotTranslationManager* TranslationManager() const { return m_translationManager; }
  void SetTranslationManager(TiPlotTranslationManager* value);
  /// The bar the button was pressed on (nil when none or when it was removed).
  TiPlotLayoutObject* SelectedObject() const;

  /// The first layout object (not a data-view marker) whose diagram
  /// rectangle holds the point, right and bottom edges excluded.
  TiPlotLayoutObject* GetMouseOverBlock(int x, int y) const;
  /// The first row slot that accepts the point: a toolbar slot only in its
  /// lower half, a data-view slot only in the one-cell strips along its
  /// long edges.
  TBlockObject* GetMouseOverBlock2(int x, int y) const;

  void iPaintTo(TCanvas& canvas) override;

  /// The layout was edited (once per completed edit).
  TNotifyEvent OnChange;

protected:
  void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseMove(TShiftState shift, int x, int y) override;
  void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void CalcDiagram(TCanvas& canvas);
  void RebuildSlots();
  void PlaceObjects();
  void DrawBackground(TCanvas& canvas);
  void DrawBlocks(TCanvas& canvas);
  void DrawDropFrame(TCanvas& canvas);

  void DragOver(int x, int y, TiPlotLayoutObject* over, TBlockObject* slot);
  void SizeTo(int x, int y);
  void Hover(int x, int y, TiPlotLayoutObject* over);
  void Drop();
  void MergeInto(TiPlotLayoutObject* target);

  TiPlotLayoutObject* FindRowObject(TiPlotLayoutObject* exclude, bool horizontal, int zOrder) const;
  void SwapSpans();
  void MoveToVertical();
  void MoveToHorizontal();
  void MoveToOrientation(bool horizontal);
  void DoChange();
  /// Drops the references to objects that left the layout manager.
  void ForgetRemoved();
  void EndEdit();

  std::vector<std::unique_ptr<TBlockObject>> m_blockList;
  int m_cellWidth = 0;
  bool m_mouseDown = false;
  int m_mouseDownX = 0;
  int m_mouseDownY = 0;
  double m_mouseDownStartPercent = 0;
  double m_mouseDownStopPercent = 0;
  TRect m_viewRect;
  TRect m_dataViewRect;
  int m_dataViewHeight = 0;
  int m_dataViewWidth = 0;
  TiLayoutEditMode m_editMode = TiLayoutEditMode::ilemNone;
  TiLayoutSizingSide m_sizingSide = TiLayoutSizingSide::ilssStart;
  TiPlotLayoutObject* m_selectedBlock = nullptr;
  TiPlotLayoutObject* m_resizeBlock = nullptr;
  TiPlotLayoutObject* m_overLayoutObject = nullptr;
  TBlockObject* m_dragOverRefBlock2 = nullptr;
  TiInsertDirection m_insertDirection = TiInsertDirection::iidMerge;
  TiPlotLayoutManager* m_layoutManager = nullptr;
  TiPlotMasterManager* m_master = nullptr;
  TFont m_font;
  TiPlotTranslationManager* m_translationManager = nullptr;
};
