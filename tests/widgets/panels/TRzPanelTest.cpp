#include <memory>

#include <QApplication>
#include <QImage>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "tests/widgets/support/WidgetInput.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"

#include <gtest/gtest.h>

namespace {
QRgb PixelOf(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y) & 0xFFFFFF; }

struct PanelFixture : ::testing::Test {
  std::unique_ptr<TForm> form = std::make_unique<TForm>();
  void SetUp() override {
    form->SetColor(clRed);
    form->SetBounds(0, 0, 200, 150);
  }
};
}  // namespace

TEST_F(PanelFixture, GroupBox_asOnTheForms_showsTheParentBackground) {
  auto* box = new TRzGroupBox(form.get());
  box->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  box->SetTransparent(true);
  box->SetColor(clBlue);
  box->SetBounds(10, 10, 80, 60);
  for (const auto& [x, y] : {std::pair{0, 0}, {40, 30}, {79, 59}}) {
    EXPECT_EQ(PixelOf(box, x, y), qRgb(255, 0, 0) & 0xFFFFFF) << x << "," << y;
  }
}

TEST_F(PanelFixture, Panel_transparentWithoutClientArea_erasesWithItsColour) {
  auto* panel = new TRzPanel(form.get());
  panel->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  panel->SetTransparent(true);
  panel->SetPaintClientArea(false);
  panel->SetColor(clLime);
  panel->SetBounds(0, 0, 40, 40);
  EXPECT_EQ(PixelOf(panel, 20, 20), qRgb(0, 255, 0) & 0xFFFFFF);
}

TEST_F(PanelFixture, Panel_enablingAgain_keepsAChildThatWasDisabledBefore) {
  auto* panel = new TRzPanel(form.get());
  auto* enabledChild = new TRzPanel(panel);
  auto* disabledChild = new TRzPanel(panel);
  disabledChild->SetEnabled(false);
  panel->SetEnabled(false);
  EXPECT_FALSE(enabledChild->Enabled());
  auto* addedWhileDisabled = new TRzPanel(panel);
  addedWhileDisabled->SetEnabled(false);
  panel->SetEnabled(true);
  EXPECT_TRUE(enabledChild->Enabled());
  EXPECT_FALSE(disabledChild->Enabled());
  EXPECT_TRUE(addedWhileDisabled->Enabled());
}

TEST_F(PanelFixture, Panel_frameShrinksClientAreaOnChosenSidesOnly) {
  auto* panel = new TRzPanel(form.get());
  panel->SetBounds(0, 0, 100, 50);
  EXPECT_EQ(panel->ClientRect(), Rect(2, 2, 98, 48));  // fsRaised: 2 a side
  panel->SetBorderSides({Rz::TSide::sdLeft, Rz::TSide::sdTop});
  panel->SetBorderInner(Rz::TFrameStyleEx::fsFlat);
  EXPECT_EQ(panel->ClientRect(), Rect(3, 3, 100, 50));
}

TEST_F(PanelFixture, Panel_gridWithZeroXSize_drawsNoDotsAndNoVerticalLines) {
  auto* panel = new TRzPanel(form.get());
  panel->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  panel->SetBounds(0, 0, 40, 40);
  panel->SetShowGrid(true);
  panel->SetGridColor(clBlack);
  panel->SetGridXSize(0);
  const QImage dots = panel->grab().toImage();
  EXPECT_EQ(dots.pixel(7, 7) & 0xFFFFFF, 0xF0F0F0u);
  panel->SetGridStyle(TRzGridStyle::gsSolidLines);
  const QImage lines = panel->grab().toImage();
  EXPECT_EQ(lines.pixel(3, 7) & 0xFFFFFF, 0u);       // horizontal line at y = 7
  EXPECT_EQ(lines.pixel(7, 3) & 0xFFFFFF, 0xF0F0F0u);  // no vertical line at x = 7
}

TEST_F(PanelFixture, Panel_writingTheSameBorderOuter_repaintsNothing) {
  auto* panel = new TRzPanel(form.get());
  panel->SetBounds(0, 0, 40, 40);
  int paints = 0;
  panel->OnPaint = [&paints](TObject*) { ++paints; };
  ASSERT_TRUE(WidgetInput::ShowActive(form.get()));
  ASSERT_TRUE(WidgetInput::WaitUntil([&] { return paints > 0; }));
  paints = 0;
  panel->SetBorderOuter(Rz::TFrameStyleEx::fsRaised);
  QApplication::processEvents();
  EXPECT_EQ(paints, 0);
  panel->SetBorderOuter(Rz::TFrameStyleEx::fsLowered);
  EXPECT_TRUE(WidgetInput::WaitUntil([&] { return paints > 0; }));
}

TEST_F(PanelFixture, GroupBox_bannerWithoutHeight_sizesFromTheCaption) {
  auto* box = new TRzGroupBox(form.get());
  box->SetBounds(0, 0, 120, 80);
  box->SetGroupStyle(TRzGroupBoxStyle::gsBanner);
  box->SetCaption(QStringLiteral("Banner"));
  const int h = box->Font().TextMetrics().tmHeight;
  EXPECT_EQ(box->CaptionRect(), Rect(0, 0, 120, h + 6));
  const int top = box->ClientRect().Top;
  auto* child = new TRzPanel(box);
  child->SetAlign(TAlign::alClient);
  box->AlignControls();
  EXPECT_EQ(child->Top(), top + h + 8);
}

TEST_F(PanelFixture, GroupBox_captionFontFollowsFontUntilSetByItself) {
  auto* box = new TRzGroupBox(form.get());
  box->Font().SetColor(clMaroon);
  EXPECT_EQ(box->CaptionFont().Color(), clMaroon);
  TFont own;
  own.SetColor(clNavy);
  box->SetCaptionFont(own);
  box->Font().SetColor(clGreen);
  EXPECT_EQ(box->CaptionFont().Color(), clNavy);
}
