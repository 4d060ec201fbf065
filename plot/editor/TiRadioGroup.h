#pragma once

#include <QStringList>

#include "plot/base/TiCustomComponent.h"

/// The plot editor's own radio group, painted by the library with a
/// transparent background: an etched frame with the caption, the items in
/// Columns columns filled top to bottom, one selected (ItemIndex, -1 for
/// none). OnChange fires for every change of ItemIndex, OnChangeUser only
/// for a change a user's click made (not for the arrow keys, which step
/// through the items and wrap). The caption and font are the control's own
/// (Caption(), Font()). Owned by its Qt parent; GUI thread only.
class TiRadioGroup : public TiCustomComponent {
public:
  explicit TiRadioGroup(QWidget* parent = nullptr);

  const QStringList& Items() const { return m_items; }
  /// Replaces the items; ItemIndex is clamped to them without DoChange.
  void SetItems(const QStringList& items);
  int ItemIndex() const { return m_itemIndex; }
  /// Clamped to [-1, item count - 1]; a change is repainted and announced.
  void SetItemIndex(int value);
  int Columns() const { return m_columns; }
  /// Values below 1 are ignored.
  void SetColumns(int value);

  /// The item under (x, y) by the geometry of the last paint; it may lie
  /// outside the items, and is -1 while a spacing is below one pixel.
  int HitIndex(int x, int y) const;

  void iPaintTo(TCanvas& canvas) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeUser;

protected:
  /// Nothing while loading; else OnChangeProtected("ItemIndex"), OnChange
  /// and, for a user's change, OnChangeUser.
  virtual void DoChange();

  void iDoSetFocus() override;
  void iDoKillFocus() override;
  void iWantSpecialKey(WORD& charCode, bool& result) override;
  void iKeyUp(WORD& key, TShiftState shift) override;
  void iKeyDown(WORD& key, TShiftState shift) override;
  void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseMove(TShiftState shift, int x, int y) override;
  void TextChanged() override;
  void FontChanged() override;

private:
  /// Clamps ItemIndex to the items without announcing it, and repaints.
  void ItemsChanged();
  /// The sunken round mark of item centre (d, b), held or not.
  void DrawMark(TCanvas& canvas, int d, int b, bool held) const;

  bool m_mouseDown = false;
  /// The item under the pressed mouse; the item the press began on.
  int m_mouseDownIndex = 0;
  int m_pressedIndex = -1;
  bool m_keyDown = false;
  bool m_userChange = false;
  int m_itemsRowStart = 0;
  double m_itemsRowSpacing = 0;
  int m_itemsColStart = 0;
  double m_itemsColSpacing = 0;
  int m_maxRows = 0;
  QStringList m_items;
  int m_itemIndex = 0;
  int m_columns = 1;
};
