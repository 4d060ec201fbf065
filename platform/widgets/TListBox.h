#pragma once

#include <QString>

#include "platform/widgets/TWinControl.h"

class QListWidget;

/// A list of text lines in a sunken white box with a vertical scroll bar
/// while they do not fit, each ItemHeight pixels high. ItemIndex selects a
/// line and scrolls it into view (-1: none). Writing items or ItemIndex
/// raises nothing. Owned by its parent. GUI thread only.
class TListBox : public TWinControl {
public:
  explicit TListBox(QWidget* parent = nullptr);

  /// Appends a line and returns its index.
  int Add(const QString& line);
  int Count() const;
  QString Item(int index) const;
  /// Removes the line at index (nothing when there is none).
  void Delete(int index);
  void Clear();
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemHeight() const { return m_itemHeight; }
  void SetItemHeight(int value);
  void SetEnabled(bool value) override;

protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void FontChanged() override;

private:
  void ScrollToCurrent();

  QListWidget* m_list = nullptr;
  int m_itemHeight = 13;
};
