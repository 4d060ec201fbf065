#include <memory>

#include <QApplication>
#include <QListWidget>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"

#include <gtest/gtest.h>

namespace {
// Counts the invalid-key beeps instead of sounding them.
class CountingComboBox : public TRzComboBox {
public:
  using TRzComboBox::TRzComboBox;
  int beeps = 0;

protected:
  void InvalidKey() override { ++beeps; }
};

struct ComboFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  CountingComboBox* combo = new CountingComboBox(form.get());
  int changes = 0;
  int clicks = 0;

  void SetUp() override {
    form->SetBounds(0, 0, 300, 200);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItems({QStringLiteral("BYPASS"), QStringLiteral("HIGH PASS"), QStringLiteral("HAMMING")});
    combo->OnChange = [this](TObject*) { ++changes; };
    combo->OnClick = [this](TObject*) { ++clicks; };
  }
};
}  // namespace

TEST_F(ComboFixture, FindItem_selectsInAnyCaseWithoutEvents) {
  EXPECT_TRUE(combo->FindItem(QStringLiteral("high pass")));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_FALSE(combo->FindItem(QStringLiteral("LOW PASS")));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes + clicks, 0);
}

TEST_F(ComboFixture, ItemIndex_writeIsSilentAndOutOfRangeSelectsNothing) {
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->Text(), QStringLiteral("HAMMING"));
  combo->SetItemIndex(7);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(changes + clicks, 0);
}

TEST_F(ComboFixture, TypedLetters_searchByPrefixUntilThePauseClearsThem) {
  WidgetInput::Type(combo, QStringLiteral("h"));
  EXPECT_EQ(combo->ItemIndex(), 1);
  WidgetInput::Type(combo, QStringLiteral("a"));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(clicks, 2);
  ASSERT_TRUE(WidgetInput::WaitUntil([this] { return combo->SearchString().isEmpty(); }, 5000));
  WidgetInput::Type(combo, QStringLiteral("b"));
  EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboFixture, TypedLetterMatchingNothing_beepsAndKeepsSelectionAndSearch) {
  WidgetInput::Type(combo, QStringLiteral("h"));
  WidgetInput::Type(combo, QStringLiteral("x"));
  EXPECT_EQ(combo->beeps, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->SearchString(), QStringLiteral("h"));
}

TEST_F(ComboFixture, Wheel_stepsPerWholeNotchAndStopsAtTheEnds) {
  struct Case {
    int start;
    int delta;
    int index;
    int events;
  };
  for (const Case c : {Case{0, -120, 1, 1}, Case{2, -120, 2, 0}, Case{0, 120, 0, 0}, Case{-1, 120, 0, 0},
                       Case{2, 120, 1, 1}, Case{0, -60, 0, 0}, Case{0, -240, 2, 2}}) {
    combo->SetItemIndex(c.start);
    changes = 0;
    WidgetInput::Wheel(combo, c.delta);
    EXPECT_EQ(combo->ItemIndex(), c.index) << c.start << " " << c.delta;
    EXPECT_EQ(changes, c.events) << c.start << " " << c.delta;
    WidgetInput::Wheel(combo, -c.delta % 120);  // settle a half notch
  }
}

TEST_F(ComboFixture, Wheel_halfNotchesAddUp) {
  combo->SetItemIndex(0);
  WidgetInput::Wheel(combo, -60);
  EXPECT_EQ(combo->ItemIndex(), 0);
  WidgetInput::Wheel(combo, -60);
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, Value_mapsItemsAndValues) {
  combo->ClearItemsValues();
  combo->AddItemValue(QStringLiteral("Peak"), QStringLiteral("0"));
  combo->AddItemValue(QStringLiteral("Shelf"), QString());
  combo->AddItemValue(QStringLiteral("Notch"), QStringLiteral("0"));
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Value(), QStringLiteral("Shelf"));
  combo->SetValue(QStringLiteral("0"));
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->SetValue(QStringLiteral("none"));
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(changes, 0);
}

TEST_F(ComboFixture, Value_userChoiceStaysOnAnItemThatSharesItsValue) {
  combo->ClearItemsValues();
  combo->AddItemValue(QStringLiteral("Peak"), QStringLiteral("0"));
  combo->AddItemValue(QStringLiteral("Also peak"), QStringLiteral("0"));
  combo->SetItemIndex(0);
  WidgetInput::Wheel(combo, -120);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Value(), QStringLiteral("0"));
}

TEST_F(ComboFixture, ReadOnly_ignoresTypingWheelAndClicksAndShowsItsColour) {
  combo->SetItemIndex(0);
  combo->SetReadOnly(true);
  EXPECT_EQ(combo->Color(), clInfoBk);
  WidgetInput::Type(combo, QStringLiteral("h"));
  WidgetInput::Wheel(combo, -120);
  WidgetInput::Click(combo, QPoint(5, 5));
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(changes + clicks, 0);
  const QImage image = combo->grab().toImage();
  const QRgb face = image.pixel(combo->Width() - 10, combo->Height() / 2) & 0xFFFFFF;
  EXPECT_EQ(face, ColorToQRgb(clInfoBk) & 0xFFFFFF);  // no drop-down button
}

TEST_F(ComboFixture, DropDownWidth_followsTheLongestItem) {
  TCanvas measure;
  measure.Font().Assign(combo->Font());
  combo->SetWidth(60);
  const int widest = measure.TextWidth(QStringLiteral("HIGH PASS"));
  EXPECT_EQ(combo->DropDownListWidth(), std::max(widest + 8, 60));
  for (int i = 0; i < 8; ++i) {
    combo->Add(QStringLiteral("X"));
  }
  EXPECT_EQ(combo->DropDownListWidth(), std::max(widest + 17 + 8, 60));
  combo->SetDropDownWidth(200);
  EXPECT_EQ(combo->DropDownListWidth(), 200);
}

TEST_F(ComboFixture, Colours_followFocusAndTheFormsColour) {
  combo->SetColor(0x00FFFFDF);
  EXPECT_EQ(combo->NormalColor(), 0x00FFFFDFu);
  EXPECT_EQ(combo->FocusColor(), 0x00FFFFDFu);
  combo->SetFocusColor(clYellow);
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  combo->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([this] { return combo->IsFocused(); }));
  EXPECT_EQ(combo->Color(), clYellow);
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), clBtnFace);
}

TEST_F(ComboFixture, Editable_completesTypedTextFromTheItems) {
  combo->SetStyle(TComboBoxStyle::csDropDown);
  int matches = 0;
  combo->OnMatch = [&matches](TObject*) { ++matches; };
  WidgetInput::Type(combo, QStringLiteral("hi"));
  EXPECT_EQ(combo->Text(), QStringLiteral("HIGH PASS"));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(matches, 1);
  combo->SetAllowEdit(false);
  WidgetInput::Type(combo, QStringLiteral("q"));
  EXPECT_EQ(combo->beeps, 1);
  EXPECT_EQ(combo->SearchString(), QStringLiteral("hi"));
}

TEST_F(ComboFixture, AutoDropDown_opensTheListOnATypedKey) {
  combo->SetAutoDropDown(true);
  int dropDowns = 0;
  combo->OnDropDown = [&dropDowns](TObject*) { ++dropDowns; };
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  WidgetInput::Type(combo, QStringLiteral("h"));
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboFixture, DropDownList_choosingAnItemSelectsItWithEvents) {
  int accepted = 0;
  combo->OnSelEndOk = [&accepted](TObject*) { ++accepted; };
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  WidgetInput::Click(combo, QPoint(5, 5));
  ASSERT_TRUE(combo->DroppedDown());
  QListWidget* list = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* candidate = qobject_cast<QListWidget*>(w); candidate != nullptr && candidate->isVisible()) {
      list = candidate;
    }
  }
  ASSERT_NE(list, nullptr);
  EXPECT_GE(list->width(), combo->Width());
  const QPoint at = list->visualItemRect(list->item(2)).center();
  WidgetInput::Click(list->viewport(), at);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(accepted, 1);
}

TEST_F(ComboFixture, TypedLetters_stayWithTheComboEvenWhenAButtonHasThatAccelerator) {
  auto* button = new TRzButton(form.get());
  button->SetTop(40);
  button->SetCaption(QStringLiteral("&Hold"));
  int accelerated = 0;
  button->OnClick = [&accelerated](TObject*) { ++accelerated; };
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  combo->SetFocus();
  ASSERT_TRUE(WidgetInput::WaitUntil([this] { return combo->IsFocused(); }));
  WidgetInput::Type(combo, QStringLiteral("h"));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(accelerated, 0);
}
