#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <limits>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QToolButton>

#include "platform/pictures/TPicture.h"
#include "platform/widgets/TPrinter.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiComponentEditorButton.h"
#include "plot/editor/TiComponentEditorComboBox.h"
#include "plot/editor/TiComponentEditorEdit.h"
#include "plot/editor/TiComponentEditorRadioGroup.h"
#include "plot/editor/TiPaintBox.h"
#include "plot/editor/TiPlotPreviewForm.h"
#include "plot/editor/TiPlotPreviewSettingsForm.h"
#include "plot/editor/iPreviewPage.h"
#include "tests/support/ModalDialogCloser.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

/// A 300 x 200 plot and its preview form, sized so that the paint box is
/// 520 x 320.
class PreviewTest : public testing::Test {
protected:
  void SetUp() override {
    m_plot.SetBounds(0, 0, kWidth, kHeight);
    m_form.iComponent = &m_plot;
    m_form.SetBounds(0, 0, 520, 361);
  }

  TiPlot m_plot;
  TiPlotPreviewForm m_form;
};

bool SameColor(QRgb a, TColor color) {
  return qRed(a) == int(ColorToRGB(color) & 0xFF) && qGreen(a) == int((ColorToRGB(color) >> 8) & 0xFF) &&
         qBlue(a) == int((ColorToRGB(color) >> 16) & 0xFF);
}

}  // namespace

TEST(PreviewPage, PageAndPictureInTheBox) {
  struct Case {
    const char* name;
    double paperWidth;
    double paperHeight;
    TiPrintMargins margins;
    TRect page;
    int ppi;
    int printableWidth;
    int printableHeight;
    TRect picture;
  };
  const Case cases[] = {
      {"Letter portrait", 8.5, 11, {}, Rect(139, 5, 371, 305), 27, 178, 246, Rect(166, 32, 344, 151)},
      {"Letter landscape", 11, 8.5, {}, Rect(61, 5, 449, 305), 35, 318, 230, Rect(96, 40, 414, 252)},
      {"margins past the page", 8.5, 11, {5, 5, 5, 5}, Rect(139, 5, 371, 305), 27, -38, 30, Rect(274, 140, 236, 115)},
  };
  for (const Case& c : cases) {
    const TiPreviewPage page = PlacePreviewPage(520, 320, c.paperWidth, c.paperHeight, c.margins, kWidth, kHeight);
    EXPECT_EQ(page.Page, c.page) << c.name;
    EXPECT_EQ(page.Ppi, c.ppi) << c.name;
    EXPECT_EQ(page.PrintableWidth, c.printableWidth) << c.name;
    EXPECT_EQ(page.PrintableHeight, c.printableHeight) << c.name;
    EXPECT_TRUE(page.HasPicture) << c.name;
    EXPECT_EQ(page.Picture, c.picture) << c.name;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(PlacePreviewPage(520, 320, 8.5, 11, {}, 0, kHeight).HasPicture);
  EXPECT_FALSE(PlacePreviewPage(520, 320, 8.5, 11, {nan, 1, 1, 1}, kWidth, kHeight).HasPicture);
  // Margins beyond the int range saturate instead of overflowing.
  EXPECT_EQ(PlacePreviewPage(520, 320, 8.5, 11, {1e300, 1, 1, 1}, kWidth, kHeight).Picture.Left, INT_MAX);
}

TEST_F(PreviewTest, Paint_drawsPageShadowAndPictureWithTheFormAsSender) {
  std::vector<TObject*> senders;
  bool toolBarHidden = false;
  m_plot.OnBeforePrint = [&](TObject* sender) {
    senders.push_back(sender);
    toolBarHidden = !m_plot.Master().ToolBarManager().Items(0)->Visible();
  };
  m_plot.OnAfterPrint = [&](TObject* sender) { senders.push_back(sender); };
  ASSERT_EQ(m_form.Preview->Width(), 520);
  ASSERT_EQ(m_form.Preview->Height(), 320);
  // The plot as the preview shows it: without its toolbar.
  TiPlotObject* toolBar = m_plot.Master().ToolBarManager().Items(0);
  toolBar->SetVisible(false);
  const QImage plot = m_plot.GetSnapShotPicture().Graphic()->ToImage();
  toolBar->SetVisible(true);
  const QImage image = m_form.Preview->grab().toImage();

  EXPECT_EQ(senders, (std::vector<TObject*>{&m_form, &m_form}));
  EXPECT_TRUE(toolBarHidden);
  EXPECT_TRUE(m_plot.Master().ToolBarManager().Items(0)->Visible());
  // Page (139, 5) - (371, 305), its shadow 7 pixels right and down.
  EXPECT_TRUE(SameColor(image.pixel(2, 2), clBtnFace));
  EXPECT_TRUE(SameColor(image.pixel(139, 5), clBlack));
  EXPECT_TRUE(SameColor(image.pixel(145, 10), clWhite));
  EXPECT_TRUE(SameColor(image.pixel(373, 308), clBlack));
  EXPECT_TRUE(SameColor(image.pixel(373, 8), clBtnFace));
  EXPECT_TRUE(SameColor(image.pixel(141, 308), clBtnFace));
  // The picture at (166, 32), 178 x 119 (scale 0.593): plot pixel (20, 10)
  // lands at (178, 38).
  const QRgb shown = image.pixel(178, 38);
  const QRgb source = plot.pixel(20, 10);
  EXPECT_LE(std::abs(qRed(shown) - qRed(source)) + std::abs(qGreen(shown) - qGreen(source)) +
                std::abs(qBlue(shown) - qBlue(source)),
            24);
  EXPECT_TRUE(SameColor(image.pixel(165, 100), clWhite));
  EXPECT_TRUE(SameColor(image.pixel(250, 152), clWhite));
  EXPECT_EQ(plot.size(), QSize(kWidth, kHeight));
}

TEST_F(PreviewTest, PlotWithoutToolBar_isPreviewed) {
  m_plot.RemoveAll(m_plot.Master().ToolBarManager());
  const QImage image = m_form.Preview->grab().toImage();
  EXPECT_TRUE(SameColor(image.pixel(145, 10), clWhite));
}

TEST_F(PreviewTest, Settings_okTakesTheValuesAndCancelNone) {
  m_form.PrintDocumentName = QStringLiteral("Untitled");
  struct Case {
    bool ok;
    const char* top;
  };
  int shown = 0;
  bool pressOk = false;
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* settings = dynamic_cast<TiPlotPreviewSettingsForm*>(dialog);
    if (settings == nullptr) return;
    ++shown;
    EXPECT_EQ(settings->PrintMarginLeftEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(settings->PrintDocumentNameEdit->text(), QStringLiteral("Untitled"));
    settings->PrintMarginTopEdit->setText(QStringLiteral("abc"));
    settings->PrintMarginLeftEdit->setText(QStringLiteral("0,5"));
    settings->PrintOrientationRadioGroup->SetAsInteger(1);
    settings->PrintDocumentNameEdit->setText(QStringLiteral("Report"));
    settings->PrintPaperSizeComboBox->SetAsInteger(3);
    (pressOk ? settings->Button1 : settings->Button2)->click();
    settings->hide();
  });

  m_form.SettingsButtonClick();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(m_plot.StoredSettings().PrintMarginLeft, 1.0);
  EXPECT_EQ(m_plot.StoredSettings().PrintDocumentName, QStringLiteral("Untitled"));
  EXPECT_EQ(m_form.PrintSize, 0);

  pressOk = true;
  m_form.SettingsButtonClick();
  EXPECT_EQ(shown, 2);
  const TiPlotStoredSettings& stored = m_plot.StoredSettings();
  EXPECT_EQ(stored.PrintMarginTop, 1.0);  // no number: kept
  EXPECT_EQ(stored.PrintMarginLeft, 0.5);
  EXPECT_EQ(stored.PrintOrientation, TPrinterOrientation::poLandscape);
  EXPECT_EQ(stored.PrintDocumentName, QStringLiteral("Report"));
  EXPECT_EQ(m_form.PrintSize, 3);
  EXPECT_EQ(m_form.Caption(), QStringLiteral("Report (Preview)"));
}

TEST_F(PreviewTest, PrintButton_printsThePlot) {
  Printer().PrintToPageImages(20);
  m_plot.StoredSettings().PrintShowDialog = false;
  m_form.PrintButton->click();
  EXPECT_EQ(Printer().PageImages().size(), 1u);
  Printer().PrintToDevice();
}

TEST(PreviewChart, ShowsTheTranslatedFormModallyUntilClosed) {
  TiPlot plot;
  plot.SetBounds(0, 0, kWidth, kHeight);
  plot.StoredSettings().PrintDocumentName = QStringLiteral("Levels");
  TiPlotTranslationObject& entry = plot.Master().TranslationManager().CreateObject();
  entry.OriginalString = QStringLiteral("Settings");
  entry.ReplacementString = QStringLiteral("Einstellungen");
  QString caption;
  QString settingsText;
  ModalDialogCloser closer([&](QWidget* dialog) {
    auto* preview = dynamic_cast<TiPlotPreviewForm*>(dialog);
    if (preview == nullptr) return;
    caption = preview->Caption();
    settingsText = preview->SettingsButton->text();
    EXPECT_EQ(preview->iComponent, &plot);
    preview->CloseButton->click();
    preview->hide();
  });
  plot.PreviewChart();
  EXPECT_EQ(caption, QStringLiteral("Levels (Preview)"));
  EXPECT_EQ(settingsText, QStringLiteral("Einstellungen"));
}

TEST(TiPlotPreviewSettingsForm, Tab_visitsMarginsOrientationNamePaperOkCancelInTurn) {
  TiPlotPreviewSettingsForm form;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(ProcessEventsUntil([&form] { return form.isActiveWindow(); }));
  const std::vector<QWidget*> expected = {form.PrintMarginTopEdit,    form.PrintMarginLeftEdit,
                                          form.PrintMarginRightEdit,  form.PrintMarginBottomEdit,
                                          form.PrintOrientationRadioGroup, form.PrintDocumentNameEdit,
                                          form.PrintPaperSizeComboBox, form.Button1,
                                          form.Button2,              form.PrintMarginTopEdit};
  form.PrintMarginTopEdit->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(ProcessEventsUntil([&form] { return form.PrintMarginTopEdit->hasFocus(); }));
  for (std::size_t i = 1; i < expected.size(); ++i) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(target, &tab);
    QWidget* now = QApplication::focusWidget();
    EXPECT_TRUE(now == expected[i] || (now != nullptr && expected[i]->isAncestorOf(now))) << "step " << i;
  }
}
