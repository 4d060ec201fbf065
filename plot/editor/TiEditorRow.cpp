#include "plot/editor/TiEditorRow.h"

TiEditorRow::TiEditorRow(const QString& subPage, const QString& caption, TiEditorWidget widget,
                         const QString& property) {
  m_row.SubPage = subPage;
  m_row.Caption = caption;
  m_row.Widget = widget;
  m_row.Property = property;
}

TiEditorRow& TiEditorRow::In(const QString& group) {
  m_row.Group = group;
  return *this;
}

TiEditorRow& TiEditorRow::Items(const QStringList& items) {
  m_row.Items = items;
  return *this;
}

TiEditorRow& TiEditorRow::Spin(int min, int max) {
  m_row.SpinMin = min;
  m_row.SpinMax = max;
  return *this;
}

TiEditorRow& TiEditorRow::List(TiEditorNameList list) {
  m_row.NameList = list;
  return *this;
}

TiEditorRow& TiEditorRow::Converter() {
  m_row.ValueConverter = true;
  return *this;
}

TiEditorRow& TiEditorRow::Only(TiPlotObjectKind kind) {
  m_row.OnlyFor = kind;
  return *this;
}

TiEditorRow& TiEditorRow::Manual() { return At(TiEditorPlace::Manual); }

TiEditorRow& TiEditorRow::At(TiEditorPlace place) {
  m_row.Place = place;
  return *this;
}
