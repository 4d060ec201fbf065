#include <memory>

#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

#include <gtest/gtest.h>

namespace {
QRgb Rgb(TColor c) { return ColorToQRgb(c) & 0xFFFFFF; }
QRgb PixelOf(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y) & 0xFFFFFF; }

// Counts the repaint requests.
class CountingPowerButton : public TVrPowerButton {
public:
  using TVrPowerButton::TVrPowerButton;
  int updates = 0;
  void UpdateControl() override {
    ++updates;
    TVrPowerButton::UpdateControl();
  }
};

struct VrFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  CountingPowerButton* power = new CountingPowerButton(form.get());
  int clicks = 0;
  bool activeInHandler = false;

  void SetUp() override {
    form->SetBounds(0, 0, 300, 200);
    form->SetColor(clBlack);
    // As the forms set them: on black, no bevel or outline, yellow over olive.
    power->SetBounds(10, 10, 47, 16);
    power->SetBevelWidth(0);
    power->SetOutlineWidth(0);
    power->SetColor(clBlack);
    power->Palette().SetHigh(clYellow);
    power->Palette().SetLow(clOlive);
    power->OnClick = [this](TObject*) {
      ++clicks;
      activeInHandler = power->Active();
    };
  }
};
}  // namespace

TEST_F(VrFixture, PowerButton_emptyCaptionCentresItsLed) {
  EXPECT_EQ(power->ImageRect(), Bounds(18, 2, 12, 12));
}

TEST_F(VrFixture, PowerButton_clickInvertsActiveBeforeOnClick) {
  EXPECT_EQ(PixelOf(power, 24, 8), Rgb(clOlive));
  WidgetInput::Click(power, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(activeInHandler);
  EXPECT_EQ(PixelOf(power, 24, 8), Rgb(clYellow));
}

TEST_F(VrFixture, PowerButton_releaseCountsOnlyOverTheButton) {
  WidgetInput::Press(power, QPoint(5, 5));
  WidgetInput::Move(power, QPoint(60, 5));
  EXPECT_FALSE(power->Pressed());
  WidgetInput::Release(power, QPoint(60, 5));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(power->Active());
  WidgetInput::Press(power, QPoint(5, 5));
  WidgetInput::Move(power, QPoint(60, 5));
  WidgetInput::Move(power, QPoint(6, 6));
  WidgetInput::Release(power, QPoint(6, 6));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(power->Active());
}

TEST_F(VrFixture, PowerButton_spaceTogglesAndSetActiveIsSilent) {
  WidgetInput::KeyClick(power, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_TRUE(power->Active());
  EXPECT_EQ(clicks, 1);
  power->updates = 0;
  power->SetActive(true);
  EXPECT_EQ(power->updates, 0);
  power->SetActive(false);
  EXPECT_EQ(power->updates, 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(VrFixture, PowerButton_disabledShowsItsColourInTheLedAndAnEmbossedCaption) {
  power->SetBounds(10, 10, 118, 16);
  power->Font().SetHeight(-14);
  power->Font().SetStyle({TFontStyle::fsBold});
  power->SetCaption(QStringLiteral("MMM"));
  power->SetActive(true);
  power->SetEnabled(false);
  const QImage image = power->grab().toImage();
  const TRect led = power->ImageRect();
  EXPECT_EQ(image.pixel(led.Left + 5, led.Top + 5) & 0xFFFFFF, Rgb(clBlack));
  bool highlight = false;
  bool shadow = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      highlight = highlight || (image.pixel(x, y) & 0xFFFFFF) == Rgb(clBtnHighlight);
      shadow = shadow || (image.pixel(x, y) & 0xFFFFFF) == Rgb(clBtnShadow);
    }
  }
  EXPECT_TRUE(highlight);
  EXPECT_TRUE(shadow);
}

TEST_F(VrFixture, DemoButton_flatShowsNoBevelUntilTheMouseEnters) {
  auto* demo = new TVrDemoButton(form.get());
  demo->SetBounds(10, 40, 80, 20);
  demo->SetColor(clBlack);
  demo->SetBevelWidth(1);
  demo->SetHighlightColor(clWhite);
  demo->SetFlat(true);
  EXPECT_EQ(PixelOf(demo, 1, 5), Rgb(clBlack));
  demo->Perform(CM_MOUSEENTER);
  EXPECT_EQ(PixelOf(demo, 1, 5), Rgb(clWhite));
}

TEST_F(VrFixture, DemoButton_clicksWhenReleasedOverItOrOnSpace) {
  auto* demo = new TVrDemoButton(form.get());
  demo->SetBounds(10, 40, 80, 20);
  int demoClicks = 0;
  demo->OnClick = [&demoClicks](TObject*) { ++demoClicks; };
  WidgetInput::Press(demo, QPoint(5, 5));
  EXPECT_TRUE(demo->Down());
  WidgetInput::Move(demo, QPoint(90, 5));
  EXPECT_FALSE(demo->Down());
  WidgetInput::Release(demo, QPoint(90, 5));
  EXPECT_EQ(demoClicks, 0);
  WidgetInput::Click(demo, QPoint(5, 5));
  EXPECT_EQ(demoClicks, 1);
  WidgetInput::KeyClick(demo, Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(demoClicks, 2);
  demo->Click();
  EXPECT_EQ(demoClicks, 2);
}

TEST_F(VrFixture, Palette_recoloursATwoToneBitmap) {
  TBitmap bitmap(4, 1);
  bitmap.Canvas().SetPixel(0, 0, clBlack);
  bitmap.Canvas().SetPixel(1, 0, clWhite);
  bitmap.Canvas().SetPixel(2, 0, clRed);
  bitmap.Canvas().SetPixel(3, 0, clBlack);
  TVrPalette palette;
  palette.SetLow(clWhite);
  palette.SetHigh(clLime);
  palette.ToBMP(bitmap, clBlack, clWhite);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clRed);
  EXPECT_EQ(palette.GetColor(0), clWhite);
  EXPECT_EQ(palette.GetColor(5), clLime);
}

TEST_F(VrFixture, PowerButton_acceleratorClicksWithoutTogglingAndOnlyWhileEnabled) {
  power->SetCaption(QStringLiteral("&Load"));
  power->Perform(CM_DIALOGCHAR, 'l');
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(power->Active());
  power->Perform(CM_DIALOGCHAR, 'x');
  power->SetEnabled(false);
  power->Perform(CM_DIALOGCHAR, 'l');
  EXPECT_EQ(clicks, 1);
}
