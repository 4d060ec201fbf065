#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TCheckBox.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TListBox.h"
#include "platform/widgets/TMemo.h"
#include "tests/support/ModalDialogCloser.h"

namespace {

void Type(TEdit& edit, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
}

TEST(TCheckBox, clickTogglesAndRaisesOnClickCodeRaisesNothing) {
  TCheckBox box;
  int clicks = 0;
  box.OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, &box);
    ++clicks;
  };
  box.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  box.Click();
  EXPECT_FALSE(box.Checked());
  box.Click();
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST(TEdit, charCaseFilterAlignmentAndPasswordCharacter) {
  TEdit edit;
  edit.SetMaxLength(4);
  edit.SetCharCase(TEditCharCase::ecUpperCase);
  edit.SetCharFilter([](QChar c) { return c != QLatin1Char('Q'); });
  edit.SetText(QStringLiteral("ab"));
  EXPECT_EQ(edit.Text(), QStringLiteral("AB")) << "written text takes the case too";
  Type(edit, QStringLiteral("q"));
  Type(edit, QStringLiteral("c"));
  EXPECT_EQ(edit.Text(), QStringLiteral("ABC")) << "typed text is upper case; the filter refuses the Q";
  Type(edit, QStringLiteral("de"));
  EXPECT_EQ(edit.Text(), QStringLiteral("ABCD"));
  edit.SetPasswordChar(QLatin1Char('*'));
  EXPECT_EQ(edit.findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
  edit.SetPasswordChar(QChar());
  EXPECT_EQ(edit.findChild<QLineEdit*>()->echoMode(), QLineEdit::Normal);
  edit.SetAlignment(TAlignment::taCenter);
  EXPECT_TRUE(edit.findChild<QLineEdit*>()->alignment() & Qt::AlignHCenter);
}

TEST(TMemo, linesAddAndClear) {
  TMemo memo;
  memo.SetLines({QStringLiteral("Memo"), QStringLiteral("two")});
  memo.Add(QStringLiteral("three"));
  EXPECT_EQ(memo.Lines(), (QStringList{"Memo", "two", "three"}));
  memo.Clear();
  EXPECT_TRUE(memo.Lines().isEmpty());
}

TEST(TListBox, addReturnsTheIndexItemIndexSelectsDeleteAndClearRemove) {
  TListBox list;
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.Add(QStringLiteral("a")), 0);
  EXPECT_EQ(list.Add(QStringLiteral("b")), 1);
  EXPECT_EQ(list.Add(QStringLiteral("c")), 2);
  list.SetItemIndex(2);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(0), QStringLiteral("b"));
  EXPECT_EQ(list.ItemIndex(), 1) << "the selection stays on its line";
  list.SetItemIndex(7);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetItemHeight(13);
  EXPECT_EQ(list.ItemHeight(), 13);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(MessageBox, informationWithOneOkButton) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
  ModalDialogCloser closer([&](QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      icon = box->icon();
      buttons = box->buttons().size();
    }
  });
  ShowInformationMessage(nullptr, QStringLiteral("Password Error!!"));
  EXPECT_EQ(closer.Texts(), QStringList{"Password Error!!"});
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
