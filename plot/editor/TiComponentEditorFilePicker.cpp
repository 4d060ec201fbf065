#include "plot/editor/TiComponentEditorFilePicker.h"

#include "plot/editor/TiCustomEditorForm.h"

TiComponentEditorFilePicker::TiComponentEditorFilePicker(const QString& caption, QWidget* parent)
    : TiComponentEditorButton(parent) {
  SetCaption(caption);
  setFocusPolicy(Qt::StrongFocus);
}

QString TiComponentEditorFilePicker::StartName() const {
  if (m_fileName.endsWith(QLatin1Char('/')) || m_fileName.endsWith(QLatin1Char('\\')))
    return m_fileName + QStringLiteral("Untitled");
  return m_fileName;
}

void TiComponentEditorFilePicker::Chosen(const QString& fileName) {
  m_fileName = fileName;
  ReportUserChange(this);
  update();
  Raise(OnChange, this);
}
