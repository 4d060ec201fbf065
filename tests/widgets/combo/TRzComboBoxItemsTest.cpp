#include <algorithm>
#include <memory>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/combo/TRzComboBox.h"

#include <gtest/gtest.h>

namespace {

struct ComboItemsFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzComboBox* combo = new TRzComboBox(form.get());

  void SetUp() override { form->SetBounds(0, 0, 300, 200); }

  QListWidget* OpenList() {
    if (!WidgetInput::ShowActive(form.get())) {
      return nullptr;
    }
    WidgetInput::Click(combo, QPoint(5, 5));
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* list = qobject_cast<QListWidget*>(w); list != nullptr && list->isVisible()) {
        return list;
      }
    }
    return nullptr;
  }
};

}  // namespace

TEST_F(ComboItemsFixture, Sorted_sortsTheItemsIgnoringCaseAndAddsInPlace) {
  combo->SetItems({QStringLiteral("low shelf"), QStringLiteral("Bypass"), QStringLiteral("high shelf")});
  combo->SetItemIndex(0);
  combo->SetSorted(true);
  EXPECT_EQ(combo->Items(), (QStringList{QStringLiteral("Bypass"), QStringLiteral("high shelf"), QStringLiteral("low shelf")}));
  EXPECT_EQ(combo->Text(), QStringLiteral("low shelf"));  // the selection follows its item
  EXPECT_EQ(combo->Add(QStringLiteral("Hamming")), 1);
  EXPECT_EQ(combo->Items().at(1), QStringLiteral("Hamming"));
  EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(ComboItemsFixture, CharCase_convertsItemsTextAndWhatIsTyped) {
  combo->SetItems({QStringLiteral("Peak")});
  combo->SetText(QStringLiteral("Notch"));
  combo->SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(combo->Items(), QStringList{QStringLiteral("PEAK")});
  EXPECT_EQ(combo->Text(), QStringLiteral("NOTCH"));
  combo->Add(QStringLiteral("allpass"));
  EXPECT_EQ(combo->Items().at(1), QStringLiteral("ALLPASS"));
  combo->SetText(QString());
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  auto* edit = combo->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  WidgetInput::Type(edit, QStringLiteral("lp"));
  EXPECT_EQ(combo->Text(), QStringLiteral("LP"));
  EXPECT_EQ(edit->text(), QStringLiteral("LP"));
}

TEST_F(ComboItemsFixture, TextHint_isTheEmptyEditPartsGreyText) {
  combo->SetTextHint(QStringLiteral("Filter type"));
  auto* edit = combo->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->placeholderText(), QStringLiteral("Filter type"));
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->SetStyle(TComboBoxStyle::csDropDown);
  edit = combo->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->placeholderText(), QStringLiteral("Filter type"));
}

TEST_F(ComboItemsFixture, OnSelect_replacesOnChangeWhenTheUserPicks) {
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->SetItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  int selects = 0;
  int changes = 0;
  combo->OnSelect = [&selects](TObject*) { ++selects; };
  combo->OnChange = [&changes](TObject*) { ++changes; };
  combo->SetItemIndex(1);  // code: no event
  EXPECT_EQ(selects, 0);
  QListWidget* list = OpenList();
  ASSERT_NE(list, nullptr);
  WidgetInput::Click(list->viewport(), list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(changes, 0);
}

TEST_F(ComboItemsFixture, OwnerDrawn_openListDrawsEachItemThroughOnDrawItem) {
  combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  combo->SetItems({QStringLiteral("red"), QStringLiteral("green")});
  std::vector<int> drawn;
  // Each item fills its rectangle with its own colour on the combo's canvas.
  combo->OnDrawItem = [this, &drawn](TObject*, int index, TRect r, TOwnerDrawState) {
    drawn.push_back(index);
    combo->Canvas().Brush().SetColor(index == 0 ? clRed : clLime);
    combo->Canvas().FillRect(r);
  };
  QListWidget* list = OpenList();
  ASSERT_NE(list, nullptr);
  drawn.clear();
  const QImage shown = list->grab().toImage();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0), drawn.end());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
  const QRect first = list->visualItemRect(list->item(0));
  const QRect second = list->visualItemRect(list->item(1));
  EXPECT_EQ(first.height(), combo->ItemHeight());
  const qreal ratio = shown.devicePixelRatio();
  EXPECT_EQ(shown.pixel(QPoint(first.center().x(), first.center().y()) * ratio) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown.pixel(QPoint(second.center().x(), second.center().y()) * ratio) & 0xFFFFFF, 0x00FF00u);
}
