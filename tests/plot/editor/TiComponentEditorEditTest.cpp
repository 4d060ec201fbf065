#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "plot/base/EPlotError.h"
#include "plot/editor/TiBlockingScope.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "tests/plot/editor/EditorWidgetFixture.h"

namespace {

/// Two edits and a button on a shown editor form, the first edit focused.
struct EditForm : ::testing::Test {
  EditForm() {
    first->SetBounds(10, 10, 80, 21);
    second->SetBounds(10, 40, 80, 21);
    button->SetBounds(10, 70, 75, 25);
    first->OnUpdate = updates.Handler();
    first->OnChange = changes.Handler();
    form.ShowNow();
    first->setFocus();
    ProcessEventsUntil([this] { return first->hasFocus(); }, std::chrono::milliseconds(2000));
  }
  void Retype(const QString& text) {
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Delete);
    QTest::keyClicks(first, text);
  }
  CountingEditorForm form;
  TiComponentEditorEdit* first = new TiComponentEditorEdit(&form);
  TiComponentEditorEdit* second = new TiComponentEditorEdit(&form);
  TiComponentEditorButton* button = new TiComponentEditorButton(&form);
  EventCount updates;
  EventCount changes;
};

}  // namespace

TEST_F(EditForm, CodeFillsSilentlyAndOnlyARealChangeIsCommitted) {
  first->SetAsFloat(12);
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(first->text(), "12");
  EXPECT_EQ(changes.count, 0);
  EXPECT_EQ(updates.count, 0);

  Retype(QStringLiteral("12"));
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(updates.count, 0);
  EXPECT_EQ(form.userChanges, 0);

  Retype(QStringLiteral("13"));
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_EQ(updates.count, 1);
  EXPECT_EQ(form.userChanges, 1);
  EXPECT_TRUE(second->hasFocus());
  QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(updates.count, 1);
  EXPECT_DOUBLE_EQ(first->AsFloat(), 13);
}

TEST_F(EditForm, EscapeRestoresTheCommittedTextAndSelectsIt) {
  first->SetAsInteger(7);
  QTest::keyClicks(first, QStringLiteral("99"));
  QTest::keyClick(first, Qt::Key_Escape);
  EXPECT_EQ(first->text(), "7");
  EXPECT_EQ(first->selectedText(), "7");
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(updates.count, 0);
}

TEST(TiComponentEditorEdit, BadAndBlankTextReadAsZeroAndDatesReadBack) {
  TiComponentEditorEdit edit;
  const struct {
    const char* text;
    int asInteger;
    double asFloat;
  } cases[] = {{"abc", 0, 0}, {"   ", 0, 0}, {"", 0, 0}, {" 42 ", 42, 42}, {"2,5", 0, 2.5}, {"1e-5", 0, 1e-5}};
  for (const auto& c : cases) {
    edit.setText(QString::fromLatin1(c.text));
    EXPECT_EQ(edit.AsInteger(), c.asInteger) << c.text;
    EXPECT_DOUBLE_EQ(edit.AsFloat(), c.asFloat) << c.text;
  }
  edit.SetAsFloat(0.25);
  EXPECT_EQ(edit.text(), "0.25");
  edit.SetAsDateTime(45000.75);
  EXPECT_EQ(edit.text(), "2023-03-15 18:00:00");
  EXPECT_DOUBLE_EQ(edit.AsDateTime(), 45000.75);
  edit.setText(QStringLiteral("tomorrow"));
  EXPECT_THROW(edit.AsDateTime(), EPlotError);
}

TEST_F(EditForm, ANumericEditPutsTheCommittedTextBackForATypo) {
  first->SetNumeric(true);
  first->SetAsFloat(1e-3);
  Retype(QStringLiteral("1e-3x"));
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(first->text(), "0.001");
  Retype(QStringLiteral("abc"));
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_EQ(first->text(), "0.001");
  EXPECT_EQ(updates.count, 0);
  first->setFocus();
  Retype(QStringLiteral("2,5"));
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(updates.count, 1);
  Retype(QString());
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_EQ(updates.count, 2);
}

TEST_F(EditForm, SettersWithEventCommitAsAUserDisableClearsSilently) {
  first->SetDoubleWithEvent(2.5);
  EXPECT_EQ(changes.count, 1);
  EXPECT_EQ(updates.count, 1);
  EXPECT_EQ(form.userChanges, 2);  // the setter's own report and the commit's
  first->SetDoubleWithEvent(2.5);
  EXPECT_EQ(updates.count, 1);

  first->Disable();
  EXPECT_FALSE(first->isEnabled());
  EXPECT_EQ(first->text(), "");
  EXPECT_EQ(first->Color(), clBtnFace);
  EXPECT_EQ(changes.count, 1);
  first->Enable();
  EXPECT_EQ(first->Color(), clWindow);
  first->SetAsString(QStringLiteral("kept"));
  first->DisableNoClear();
  EXPECT_EQ(first->text(), "kept");
}

TEST(TiBlockingScope, PutsTheHandlersBackWhenTheSetterRaises) {
  bool blocking = false;
  int calls = 0;
  TNotifyEvent onClick = [&](TObject*) { ++calls; };
  TNotifyEvent onChange = [&](TObject*) { ++calls; };
  try {
    TiBlockingScope scope(blocking, onClick, onChange);
    EXPECT_TRUE(blocking);
    EXPECT_FALSE(onClick);
    EXPECT_FALSE(onChange);
    throw EPlotError(QStringLiteral("bad value"));
  } catch (const EPlotError&) {
  }
  EXPECT_FALSE(blocking);
  onClick(nullptr);
  onChange(nullptr);
  EXPECT_EQ(calls, 2);
}

TEST(TiComponentEditorEdit, ReturnDoesNotPressTheDefaultButton) {
  QDialog dialog;
  auto* edit = new TiComponentEditorEdit(&dialog);
  auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
  ok->setDefault(true);
  ok->move(0, 30);
  int pressed = 0;
  QObject::connect(ok, &QPushButton::clicked, [&] { ++pressed; });
  EventCount updates;
  edit->OnUpdate = updates.Handler();
  dialog.show();
  edit->setFocus();
  QTest::keyClicks(edit, QStringLiteral("5"));
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(updates.count, 1);
  EXPECT_EQ(pressed, 0);
  EXPECT_TRUE(dialog.isVisible());
}
