#pragma once

#include <QLineEdit>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// The editor's edit box. Code sets it through the event-free setters
/// (AsInteger, AsFloat, AsString, AsDateTime), which also make the text the
/// committed one; a user's edit is committed (DoUpdate: OnUpdate and the
/// owner form's UserChange, only when the text differs from the committed
/// one) on Return, on leaving the box and by the Set...WithEvent setters.
/// Escape puts the committed text back. Return and Escape stay in the box
/// (they never press a form's button); Tab and Shift+Tab move through the
/// form's tab order. Numbers are written in the C locale and read with "."
/// or ","; a Numeric box commits no text that is neither blank nor a
/// number and shows the committed text again. GUI thread only.
class TiComponentEditorEdit : public QLineEdit, public TObject {
public:
  explicit TiComponentEditorEdit(QWidget* parent = nullptr);

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  /// 0 for blank text or text that is no integer.
  int AsInteger() const;
  void SetAsInteger(int value);
  /// 0 for blank text or text that is no number.
  double AsFloat() const;
  void SetAsFloat(double value);
  QString AsString() const { return text(); }
  void SetAsString(const QString& value);
  /// EPlotError for text that is no date and time (iEditorDateTime.h).
  double AsDateTime() const;
  void SetAsDateTime(double value);

  bool Numeric() const { return m_numeric; }
  void SetNumeric(bool value) { m_numeric = value; }
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  bool Enabled() const { return isEnabled(); }
  /// Enabled also sets Color: clWindow when enabled, clBtnFace when not.
  void SetEnabled(bool value);

  /// Disabled and emptied, committed text included, without events.
  void Disable();
  /// Disabled, the text kept.
  void DisableNoClear();
  void Enable();

  /// Set the text as a user's edit: OnChange, the owner form's
  /// UserChange, then the commit.
  void SetStringWithEvent(const QString& value);
  void SetIntegerWithEvent(int value);
  void SetDoubleWithEvent(double value);

  /// Commits the text when it differs from the committed one.
  void DoUpdate();

  TNotifyEvent OnChange;
  TNotifyEvent OnUpdate;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  /// Shows value; OnChange when it differs.
  void SetText(const QString& value);
  /// Shows value as committed text, without events.
  void SetCommitted(const QString& value);
  void CommitFromUser();

  int m_tag = 0;
  bool m_blockingEvents = false;
  bool m_numeric = false;
  QString m_originalText;
  TColor m_color = clWindow;
};
