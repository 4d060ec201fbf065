#include <QLineEdit>
#include <QWidget>

#include "widgets/combo/TRzComboBox.h"

#include <gtest/gtest.h>

namespace {

TEST(TRzComboBoxStyleConstructor, ListStyleBuildsNoEditPart_editableStyleDoes) {
  QWidget parent;
  auto* list = new TRzComboBox(&parent, TComboBoxStyle::csDropDownList);
  auto* editable = new TRzComboBox(&parent, TComboBoxStyle::csDropDown);
  EXPECT_EQ(list->Style(), TComboBoxStyle::csDropDownList);
  EXPECT_EQ(list->findChild<QLineEdit*>(), nullptr);
  EXPECT_NE(editable->findChild<QLineEdit*>(), nullptr);
  list->SetItems({QStringLiteral("a"), QStringLiteral("b")});
  list->SetItemIndex(1);
  EXPECT_EQ(list->Text(), QStringLiteral("b"));
}

}  // namespace
