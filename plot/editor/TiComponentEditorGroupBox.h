#pragma once

#include <QGroupBox>

#include "platform/core/TObject.h"

/// The editor's group box: a captioned frame around controls. GUI thread only.
class TiComponentEditorGroupBox : public QGroupBox, public TObject {
public:
  explicit TiComponentEditorGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
};
