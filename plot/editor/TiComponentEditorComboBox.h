#pragma once

#include <QComboBox>

#include "platform/drawing/TColor.h"
#include "platform/core/TObject.h"

/// The editor's combo box (a drop-down list, editable when made so). A
/// user's choice or typed text raises OnChange and reports to the owner
/// form (UserChange); it never raises an OnClick. AsInteger (ItemIndex)
/// and AsString (Text) set it without events. Return and Escape stay in
/// the box. GUI thread only.
class TiComponentEditorComboBox : public QComboBox, public TObject {
public:
  explicit TiComponentEditorComboBox(QWidget* parent = nullptr);

  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  QStringList Items() const;
  void SetItems(const QStringList& items);

  int AsInteger() const { return currentIndex(); }
  void SetAsInteger(int value);
  QString AsString() const { return currentText(); }
  void SetAsString(const QString& value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);

  /// Disabled, nothing selected, no text, without events.
  void Disable();
  void Enable();

  TNotifyEvent OnChange;
  /// The list is about to drop down (a handler may refill the items).
  TNotifyEvent OnDropDown;

  /// Raises OnDropDown, then shows the list.
  void showPopup() override;

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  /// A user's change: OnChange, then the owner form's UserChange.
  void UserChanged();
  void SetTextSilently(const QString& value);

  int m_tag = 0;
  bool m_blockingEvents = false;
  TColor m_color = clWindow;
};
