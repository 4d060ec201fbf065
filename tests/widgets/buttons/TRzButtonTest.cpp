#include <memory>

#include <QTimer>

#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/panelset/ShadeSystem.h"

#include <gtest/gtest.h>

namespace {
struct ButtonFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  TRzPanel* panel = new TRzPanel(form.get());
  void SetUp() override {
    form->SetBounds(0, 0, 300, 200);
    panel->SetBounds(0, 0, 300, 200);
    ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  }
  TRzButton* NewButton(int groupIndex, int top = 0) {
    auto* button = new TRzButton(panel);
    button->SetBounds(10, top, 75, 25);
    button->SetGroupIndex(groupIndex);
    return button;
  }
};
}  // namespace

TEST_F(ButtonFixture, Space_onTheUpButtonOfAGroup_makesItDownAndReleasesTheOther) {
  TRzButton* first = NewButton(1);
  TRzButton* second = NewButton(1, 30);
  first->SetDown(true);
  int clicks = 0;
  first->OnClick = [&clicks](TObject*) { ++clicks; };
  second->OnClick = [&clicks](TObject*) { ++clicks; };
  second->SetFocus();
  WidgetInput::KeyClick(second, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(second->State(), TButtonState::bsExclusive);
  first->SetFocus();
  WidgetInput::KeyClick(first, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(first->Down());
  EXPECT_FALSE(second->Down());
}

TEST_F(ButtonFixture, Down_isAlwaysFalseWithoutAGroupAndStaysForARadioButton) {
  TRzButton* lone = NewButton(0);
  lone->SetDown(true);
  EXPECT_FALSE(lone->Down());
  TRzButton* radio = NewButton(3, 30);
  radio->SetDown(true);
  radio->SetDown(false);
  EXPECT_TRUE(radio->Down());
  radio->SetAllowAllUp(true);
  radio->SetDown(false);
  EXPECT_FALSE(radio->Down());
}

TEST_F(ButtonFixture, Release_onTheBottomEdge_showsThePressedLookButDoesNotClick) {
  TRzButton* button = NewButton(0);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  WidgetInput::Press(button, QPoint(5, 5));
  EXPECT_TRUE(button->ShowingDownVersion());
  WidgetInput::Move(button, QPoint(5, button->ClientHeight()));
  EXPECT_TRUE(button->ShowingDownVersion());
  WidgetInput::Release(button, QPoint(5, button->ClientHeight()));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->ShowingDownVersion());
  WidgetInput::Click(button, QPoint(5, button->ClientHeight() - 1));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonFixture, Click_onAModalForm_closesItWithTheButtonsResultUnlessTheHandlerSetsAnother) {
  TForm dialog;
  dialog.SetBounds(0, 0, 120, 80);
  auto* button = new TRzButton(&dialog);
  button->SetModalResult(mrIgnore);
  QTimer::singleShot(0, button, [button] { button->Click(); });
  EXPECT_EQ(dialog.ShowModal(), mrIgnore);
  button->OnClick = [&dialog](TObject*) { dialog.SetModalResult(mrYes); };
  QTimer::singleShot(0, button, [button] { button->Click(); });
  EXPECT_EQ(dialog.ShowModal(), mrYes);
}

TEST_F(ButtonFixture, ColouredBypassButton_drawsAShadedBorderAndFillsItsFace) {
  TRzButton* button = NewButton(0);
  button->SetThemeAware(false);
  button->SetColor(clLime);
  const QImage image = button->grab().toImage();
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, ColorToQRgb(Rz::LighterShade(clLime, 100)) & 0xFFFFFF);
  EXPECT_EQ(image.pixel(button->Width() - 1, button->Height() - 1) & 0xFFFFFF,
            ColorToQRgb(Rz::DarkerShade(clLime, 100)) & 0xFFFFFF);
  EXPECT_EQ(image.pixel(4, 4) & 0xFFFFFF, ColorToQRgb(clLime) & 0xFFFFFF);
}

TEST_F(ButtonFixture, DoubleClick_secondClickPressesToo) {
  TRzButton* button = NewButton(2);
  button->SetAllowAllUp(true);
  int clicks = 0;
  button->OnClick = [&clicks](TObject*) { ++clicks; };
  WidgetInput::DoubleClick(button, QPoint(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(button->Down());
}
