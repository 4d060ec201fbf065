#pragma once

#include <QString>
#include <QStringList>

#include "plot/editor/iPlotEditorBinding.h"

/// One binding row of an editor page table, written fluently:
///   TiEditorRow("Marker", "Width", TiEditorWidget::SpinEdit, "MarkersPenWidth").In("Pen").Spin(0, 100)
/// A value type that converts to the row it describes.
class TiEditorRow {
public:
  TiEditorRow(const QString& subPage, const QString& caption, TiEditorWidget widget, const QString& property);

  /// The group box the row sits in.
  TiEditorRow& In(const QString& group);
  TiEditorRow& Items(const QStringList& items);
  /// The range of the spin buttons' steps (0, 0: no limit).
  TiEditorRow& Spin(int min, int max);
  TiEditorRow& List(TiEditorNameList list);
  /// A "..." value converter picker beside the edit.
  TiEditorRow& Converter();
  /// Filled and applied only for objects of that kind.
  TiEditorRow& Only(TiPlotObjectKind kind);
  /// Placed by the page itself (TiEditorRowPlacer) rather than in the flow.
  TiEditorRow& Manual();
  /// Where the row sits: in the flow, at a cross position or by hand.
  TiEditorRow& At(TiEditorPlace place);

  operator TiEditorBinding() const { return m_row; }

private:
  TiEditorBinding m_row;
};
