#include <memory>

#include <QApplication>
#include <QKeyEvent>

#include "platform/widgets/TEdit.h"
#include "platform/widgets/TForm.h"
#include "tests/support/ProcessEventsUntil.h"

#include <gtest/gtest.h>

namespace {

TEdit* NamedEdit(QWidget* parent, const char* name, int top) {
  auto* edit = new TEdit(parent);
  edit->SetName(QString::fromLatin1(name));
  edit->SetTabStop(true);
  edit->SetBounds(10, top, 60, 21);
  return edit;
}

/// The name of the control holding the focus (an edit's inner line counts as the edit).
QString FocusedName() {
  for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* edit = dynamic_cast<TEdit*>(w)) {
      return edit->Name();
    }
  }
  return {};
}

void PressTab() {
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(QApplication::focusWidget(), &release);
}

}  // namespace

TEST(TabOrder, TabVisitsTheControlsDepthFirstInTheirTabOrder) {
  // Created in another order than the one Tab must take: a box of two
  // edits between two edits of the form.
  auto form = std::make_unique<TForm>();
  form->SetBounds(0, 0, 300, 300);
  TEdit* last = NamedEdit(form.get(), "Last", 200);
  auto* box = new TWinControl(form.get());
  box->SetBounds(100, 0, 150, 150);
  NamedEdit(box, "Lower", 60);
  TEdit* upper = NamedEdit(box, "Upper", 10);
  TEdit* first = NamedEdit(form.get(), "First", 10);
  EXPECT_EQ(first->TabOrder(), 2);

  first->SetTabOrder(0);
  box->SetTabOrder(1);
  last->SetTabOrder(7);  // beyond the end: the last place
  upper->SetTabOrder(0);
  EXPECT_EQ(first->TabOrder(), 0);
  EXPECT_EQ(box->TabOrder(), 1);
  EXPECT_EQ(last->TabOrder(), 2);
  EXPECT_EQ(upper->TabOrder(), 0);
  EXPECT_EQ(form->TabOrder(), -1);

  form->show();
  form->activateWindow();
  ASSERT_TRUE(ProcessEventsUntil([&form] { return form->isActiveWindow(); }));
  first->SetFocus();
  ASSERT_TRUE(ProcessEventsUntil([] { return FocusedName() == QStringLiteral("First"); }));
  QStringList visited;
  for (int i = 0; i < 4; ++i) {
    PressTab();
    visited << FocusedName();
  }
  EXPECT_EQ(visited, (QStringList{QStringLiteral("Upper"), QStringLiteral("Lower"), QStringLiteral("Last"),
                                  QStringLiteral("First")}));
}
