#include "platform/widgets/TComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>


namespace {

void Key(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

struct Events {
  QStringList order;
};

TEST(TComboBox, CodeRaisesNothingAndAUsersPickRaisesClickThenSelectOrChange) {
  TComboBox list;
  Events events;
  list.OnClick = [&](TObject*) { events.order << QStringLiteral("click"); };
  list.OnChange = [&](TObject*) { events.order << QStringLiteral("change"); };
  list.SetItems({QStringLiteral("Analog"), QStringLiteral("AES/EBU"), QStringLiteral("Dante")});
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.Text(), QString());
  list.SetItemIndex(2);
  list.SetItemIndex(7);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetItemIndex(0);
  EXPECT_TRUE(events.order.isEmpty());
  list.show();

  auto* box = list.findChild<QComboBox*>();
  Key(box, Qt::Key_Down);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.Text(), QStringLiteral("AES/EBU"));
  EXPECT_EQ(events.order, (QStringList{"click", "change"}));

  list.OnSelect = [&](TObject*) { events.order << QStringLiteral("select"); };
  events.order.clear();
  box->showPopup();
  box->view()->setCurrentIndex(box->model()->index(2, 0));
  Key(box->view(), Qt::Key_Return);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(events.order, (QStringList{"click", "select"}));
}

TEST(TComboBox, ItemHeightFixesTheRowsOfTheOpenList) {
  TComboBox list;
  list.SetItems({QStringLiteral("-60.0dB"), QStringLiteral("- 9.9dB")});
  list.SetItemHeight(22);
  auto* box = list.findChild<QComboBox*>();
  EXPECT_EQ(box->view()->sizeHintForRow(1), 22);
  list.SetHelpContext(2);
  EXPECT_EQ(list.HelpContext(), 2);
}

}  // namespace
