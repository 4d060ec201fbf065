#pragma once

#include <QPushButton>

#include "platform/core/TObject.h"

/// The editor's push button: a user's click (mouse or Space) runs Click,
/// which raises OnClick. Never the form's default button, so Return in an
/// edit box does not press it. GUI thread only.
class TiComponentEditorButton : public QPushButton, public TObject {
public:
  explicit TiComponentEditorButton(QWidget* parent = nullptr);

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }
  QString Caption() const { return text(); }
  void SetCaption(const QString& value) { setText(value); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }

  /// Raises OnClick; pickers add their dialog.
  virtual void Click();

  TNotifyEvent OnClick;

protected:
  /// The owner of a picker's dialog: the form holding the button, else
  /// the button.
  QObject* DialogOwner();

private:
  int m_tag = 0;
};
