#include <gtest/gtest.h>

#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiUpDown.h"
#include "plot/editor/TiValueConverterEditForm.h"
#include "tests/plot/editor/EditorWidgetFixture.h"
#include "tests/support/ModalDialogCloser.h"

using namespace std::chrono_literals;

namespace {

TiComponentEditorEdit& EditOf(QWidget& form, const char* name) {
  auto* edit = dynamic_cast<TiComponentEditorEdit*>(form.findChild<QWidget*>(QString::fromLatin1(name)));
  if (edit == nullptr) throw std::logic_error(name);
  return *edit;
}

/// Presses a button of a modal converter form, which closes once the
/// closer has returned; hidden now so that the closer leaves it alone.
void Press(QWidget* form, const char* button) {
  form->findChild<QPushButton*>(QString::fromLatin1(button))->click();
  form->hide();
}

}  // namespace

TEST(TiValueConverterEditForm, AValueIsSpreadOverAllPages) {
  struct Case {
    double value;
    std::vector<std::pair<const char*, const char*>> shown;
  };
  const Case cases[] = {
      {1.5,
       {{"DaysEdit", "1"}, {"HoursEdit", "12"}, {"MinutesEdit", "0"}, {"WeeksEdit", "0"}, {"PriceIntegerEdit", "1"},
        {"Price32ndsEdit", "16"}, {"Price256thsEdit", "0"}}},
      {100.53125, {{"PriceIntegerEdit", "100"}, {"Price32ndsEdit", "17"}, {"Price256thsEdit", "0"}, {"WeeksEdit", "14"}}},
      {100.5390625, {{"Price32ndsEdit", "17"}, {"Price256thsEdit", "2"}}},
      {2e14 + 0.25,
       {{"ValueEdit", "200000000000000.25"}, {"PriceIntegerEdit", "200000000000000"}, {"DaysEdit", "0"},
        {"HoursEdit", "6"}}},
  };
  TiValueConverterEditForm form;
  for (const Case& c : cases) {
    form.SetValue(c.value);
    for (const auto& [name, text] : c.shown) EXPECT_EQ(EditOf(form, name).text(), text) << c.value << " " << name;
  }
  form.SetValue(2e14 + 0.25);
  EXPECT_EQ(form.DatePicker().date(), QDate(1899, 12, 30));
  EXPECT_EQ(form.TimePicker().time(), QTime(6, 0));
}

TEST(TiValueConverterEditForm, EachPageComputesTheValue) {
  TiValueConverterEditForm form;
  form.SetValue(0.25);
  EditOf(form, "WeeksEdit").SetIntegerWithEvent(2);
  EXPECT_DOUBLE_EQ(form.Value(), 14.25);
  EXPECT_EQ(EditOf(form, "DaysEdit").text(), "14");

  EditOf(form, "MinutesEdit").SetIntegerWithEvent(30);
  EXPECT_NEAR(form.Value(), 14.25 + 1.0 / 48, 1e-12);

  EditOf(form, "PriceIntegerEdit").SetIntegerWithEvent(100);
  EditOf(form, "Price256thsEdit").SetIntegerWithEvent(0);
  EditOf(form, "Price32ndsEdit").SetIntegerWithEvent(8);
  EXPECT_DOUBLE_EQ(form.Value(), 100.25);
  EXPECT_EQ(EditOf(form, "DaysEdit").text(), "14");

  form.DatePicker().setDate(QDate(2023, 3, 15));
  EXPECT_NEAR(form.Value(), 45000.0 + form.TimePicker().time().msecsSinceStartOfDay() / 86400000.0, 1e-9);
  form.findChild<QPushButton*>(QStringLiteral("iComponentEditorButton1"))->click();
  EXPECT_EQ(form.Value(), 0);
  EXPECT_EQ(EditOf(form, "PriceIntegerEdit").text(), "0");
}

TEST(TiValueConverterEditForm, MillisecondsSpinByAHundredWithinTheSecond) {
  TiValueConverterEditForm form;
  form.SetValue(0);
  TiComponentEditorEdit& msec = EditOf(form, "MilliSecondsEdit");
  TiUpDown* spin = nullptr;
  for (QWidget* child : form.findChildren<QWidget*>()) {
    auto* candidate = dynamic_cast<TiUpDown*>(child);
    if (candidate != nullptr && candidate->Associate() == &msec) spin = candidate;
  }
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->Increment(), 100);
  for (int press = 0; press < 12; ++press) {
    QTest::mousePress(spin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3));
    QTest::mouseRelease(spin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3));
  }
  EXPECT_EQ(msec.text(), "999");
  EXPECT_NEAR(form.Value(), 0.999 / 86400, 1e-12);
}

TEST(TiValueConverterEditForm, AnHourOf24ShowsTheErrorAndChangesNothing) {
  TiValueConverterEditForm form;
  form.show();
  form.SetValue(1.5);
  ModalDialogCloser closer;
  TiComponentEditorEdit& hours = EditOf(form, "HoursEdit");
  hours.setText(QStringLiteral("24"));
  QTest::keyClick(&hours, Qt::Key_Return);
  ASSERT_TRUE(closer.WaitFor(1));
  EXPECT_EQ(closer.Texts().at(0), "Invalid argument to time encode");
  EXPECT_DOUBLE_EQ(form.Value(), 1.5);
  EXPECT_EQ(EditOf(form, "DaysEdit").text(), "1");
}

namespace {

/// A form with an edit and its value converter picker.
struct PickerForm : ::testing::Test {
  PickerForm() {
    edit->SetBounds(10, 10, 80, 21);
    picker->SetAssociate(edit);
    edit->SetAsFloat(1.5);
    edit->OnUpdate = updates.Handler();
    picker->OnChange = changes.Handler();
    form.ShowNow();
  }
  CountingEditorForm form;
  TiComponentEditorEdit* edit = new TiComponentEditorEdit(&form);
  TiComponentEditorValueConverterPicker* picker = new TiComponentEditorValueConverterPicker(&form);
  EventCount updates;
  EventCount changes;
};

}  // namespace

TEST_F(PickerForm, OkAppliesTheTypedValueThroughTheEdit) {
  EXPECT_EQ(picker->x(), 90);
  double opened = -1;
  int page = -1;
  picker->SetDefaultPage(TiValueConverterPageType::ivcptPrice32nd);
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* converter = dynamic_cast<TiValueConverterEditForm*>(dialog);
    if (converter == nullptr) return;
    opened = converter->Value();
    page = converter->PageControl().currentIndex();
    converter->ValueEdit().setText(QStringLiteral("3.75"));
    Press(dialog, "OkButton");
  });
  picker->click();
  EXPECT_EQ(opened, 1.5);
  EXPECT_EQ(page, 2);
  EXPECT_EQ(edit->text(), "3.75");
  EXPECT_EQ(picker->DateTime(), 3.75);
  EXPECT_EQ(updates.count, 1);
  EXPECT_EQ(changes.count, 1);
}

TEST_F(PickerForm, CancelLeavesTheEdit) {
  bool met = false;
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* converter = dynamic_cast<TiValueConverterEditForm*>(dialog);
    if (converter == nullptr) return;
    met = true;
    converter->SetValue(99);
    Press(dialog, "CancelButton");
  });
  picker->click();
  EXPECT_TRUE(met);
  EXPECT_EQ(edit->text(), "1.5");
  EXPECT_EQ(picker->DateTime(), 0);
  EXPECT_EQ(updates.count, 0);
  EXPECT_EQ(changes.count, 0);
}
