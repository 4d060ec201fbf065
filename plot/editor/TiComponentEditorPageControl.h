#pragma once

#include <QTabWidget>

#include "platform/core/TObject.h"

/// The editor's page control. TabIndex is a stored number only: the page
/// shown is always the active page. GUI thread only.
class TiComponentEditorPageControl : public QTabWidget, public TObject {
public:
  explicit TiComponentEditorPageControl(QWidget* parent = nullptr) : QTabWidget(parent) {}

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  int TabIndex() const { return m_tabIndex; }
  void SetTabIndex(int value) { m_tabIndex = value; }
  QWidget* ActivePage() const { return currentWidget(); }
  void SetActivePage(QWidget* page) { setCurrentWidget(page); }
  /// Adds a page with the caption; it is the page's parent.
  QWidget* AddPage(const QString& caption);

private:
  int m_tabIndex = 0;
};
