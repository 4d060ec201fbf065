#pragma once

#include <QString>

#include "plot/editor/iPlotEditorBinding.h"
#include "plot/editor/iPlotEditorLayout.h"

/// The size of a sub-page of an object page beside its list (as the
/// binding builder makes it: the page control's tabs and frame taken off).
constexpr int kEditorSubPageWidth = kEditorPageWidth - (kEditorListLeft + kEditorListWidth + 4) - 2 - 8;
constexpr int kEditorSubPageHeight = kEditorPageHeight - 4 - 30;

class ControlRegistry;
class QWidget;

/// Places the controls that the binding builder made for a page's Manual
/// rows (made, named and bound, but left at the top left of their
/// sub-page): each row's caption label, control, spin buttons and value
/// converter picker move together, by the row's property. Pages whose
/// sub-pages need a hand-made arrangement use it after BuildBindingPage.
/// GUI thread only.
class TiEditorRowPlacer {
public:
  TiEditorRowPlacer(const ControlRegistry& controls, const TiEditorPageTable& table);

  /// A group box with that caption on parent; it becomes the current parent.
  QWidget* Group(QWidget* parent, const QString& caption, int left, int top, int width, int height);
  /// The row of property at (left, top) of the current parent: its caption
  /// labelWidth wide, then the control (spin buttons and "..." included)
  /// controlWidth wide; check boxes, radio groups and font pickers take
  /// labelWidth + controlWidth alone.
  void Place(const QString& property, int left, int top, int labelWidth, int controlWidth);
  /// The rows of properties one below the other from (left, top) of
  /// parent, each width wide with labelWidth for its caption (check boxes
  /// 21 pixels apart, the others 24, radio groups and font pickers their
  /// height); a labelWidth below 0 fits the longest caption. Answers the
  /// top of the next row.
  int Column(QWidget* parent, int left, int top, int width, int labelWidth, const QStringList& properties);
  /// Gives every value converter picker on page the hint "Date/Time Editor".
  static void HintValueConverters(QWidget& page);
  /// The control made for the row of property, or nullptr.
  QWidget* ControlOf(const QString& property) const;

private:
  const TiEditorBinding* RowOf(const QString& property) const;

  const ControlRegistry& m_controls;
  const TiEditorPageTable& m_table;
  QWidget* m_parent = nullptr;
};
