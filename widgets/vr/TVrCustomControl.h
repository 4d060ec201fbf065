#pragma once

#include <QString>

#include "platform/widgets/TCustomControl.h"

/// Base of the LED button set: repaints through UpdateControl unless an
/// update is open, and reports font and caption changes. Owned by its Qt
/// parent; GUI thread.
class TVrCustomControl : public TCustomControl {
public:
  explicit TVrCustomControl(QWidget* parent = nullptr);

  QString Version() const { return QStringLiteral("1.4.5"); }
  void BeginUpdate() { ++m_updateCount; }
  /// Closes an update and repaints.
  void EndUpdate();
  /// Repaints unless an update is open.
  virtual void UpdateControl();

  TNotifyEvent OnFontChanged;
  TNotifyEvent OnTextChanged;

protected:
  void FontChanged() override;
  void TextChanged() override;
  virtual void DoFontChanged() { Raise(OnFontChanged, this); }
  virtual void DoTextChanged() { Raise(OnTextChanged, this); }

private:
  int m_updateCount = 0;
};
