#pragma once

#include <QCoreApplication>
#include <QFocusEvent>
#include <QPalette>
#include <QTest>
#include <QWheelEvent>

#include "components/peq/TMyPEQPanel.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TEmptyEdit.h"

// Reaching a band panel's row controls by their names, and driving them
// as the user does.
namespace PeqPanelTest {

template <typename T>
T* Child(TMyPEQPanel& panel, const char* name, int row) {
  return panel.findChild<T*>(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(row), Qt::FindDirectChildrenOnly);
}
inline TEmptyEdit* FreqBox(TMyPEQPanel& p, int row) { return Child<TEmptyEdit>(p, "Frequency", row); }
inline TEmptyEdit* QBox(TMyPEQPanel& p, int row) { return Child<TEmptyEdit>(p, "Qfactor", row); }
inline TEmptyEdit* GainBox(TMyPEQPanel& p, int row) { return Child<TEmptyEdit>(p, "Gain", row); }
inline TRzComboBox* TypeList(TMyPEQPanel& p, int row) { return Child<TRzComboBox>(p, "PeqType", row); }
inline TRzButton* BypassButton(TMyPEQPanel& p, int row) { return Child<TRzButton>(p, "ByPass", row); }
inline TRzLabel* NumberLabel(TMyPEQPanel& p, int row) { return Child<TRzLabel>(p, "Number", row); }

inline QColor TextColour(TEmptyEdit* box) { return box->palette().color(QPalette::Text); }

// The box loses the focus (as when the user tabs on).
inline void LeaveBox(TEmptyEdit* box) {
  QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box, &event);
}

// The user types a text and presses Enter.
inline void TypeAndEnter(TEmptyEdit* box, const QString& text) {
  box->setText(text);
  QTest::keyClick(box, Qt::Key_Return);
}

// The wheel turns over a control by `delta` (120 a notch, negative toward the user).
inline void Wheel(QWidget* widget, int delta) {
  const QPointF pos(5, 5);
  QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &event);
}

// Sized and set up as the forms set the panels up; the property setters
// lay the rows out at the new size.
inline void SetUpAsOnForm(TMyPEQPanel& panel, int width, int height, int rows) {
  panel.SetBounds(0, 0, width, height);
  panel.SetUpdownVisable(false);
  panel.SetChannelNumber(rows);
  panel.SetLabelColor(clBackground);
  panel.SetEditBackColor(clWhite);
  panel.SetBypassBackColor(clSilver);
}

}  // namespace PeqPanelTest
