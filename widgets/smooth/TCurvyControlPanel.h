#pragma once

#include <functional>

#include <QPointer>

#include "widgets/smooth/TCurvyControls.h"
#include "widgets/smooth/TCurvyPanel.h"

using TControlClickEvent = std::function<void(TObject* Sender, int Index)>;

/// A rounded panel with small picture buttons in its margins (Controls):
/// hovered and pressed buttons show their other pictures, a released one
/// raises OnControlClick with its index, a drop-down one opens its menu.
/// A button without a picture shows its image from Images (not owned; a
/// list that is destroyed is dropped).
/// Descendants place their content between the margins (LayoutInnerEdit).
/// Owned by its parent. GUI thread only.
class TImageList;

class TCurvyControlPanel : public TCurvyPanel {
public:
  explicit TCurvyControlPanel(QWidget* parent = nullptr);

  TCurvyControls& Controls() { return m_controls; }
  TImageList* Images() const { return m_images; }
  /// Takes the list's picture size for the buttons without a picture and
  /// lays the box out again.
  void SetImages(TImageList* value);
  QString Version() const { return QStringLiteral("1.0.3.1"); }
  /// Recomputes the margins, lays the content out and repaints.
  void UpdateControlSizes();

  TControlClickEvent OnControlClick;

protected:
  virtual void LayoutInnerEdit() {}
  virtual void DoControlClick(int index);
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;

private:
  /// Start of each item's span along x.
  std::vector<int> ItemStarts();
  int ItemAt(int x);
  void SetStates(int hovered, TControlState state);

  TCurvyControls m_controls;
  QPointer<TImageList> m_images;
};
