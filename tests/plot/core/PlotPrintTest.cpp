#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TPrintDialog.h"
#include "platform/widgets/TPrinter.h"
#include "plot/base/iPaperSize.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotObject.h"
#include "plot/core/iPrintGeometry.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "tests/plot/ErrorOf.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

/// A plot of 300 x 200 printed without dialog on Letter landscape; the
/// printer is put back to the system device afterwards.
class PlotPrintTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_plot.SetBounds(0, 0, kWidth, kHeight);
    m_plot.StoredSettings().PrintShowDialog = false;
    m_plot.XAxis(0)->SetMin(0);
    m_plot.XAxis(0)->SetSpan(10);
    Printer().SetPaperSizeCode(1);
    Printer().SetResolution(600);
  }
  void TearDown() override {
    Printer().PrintToDevice();
    TPrintDialog::SetHook(nullptr);
  }
  QString PdfPath() const { return m_dir.filePath(QStringLiteral("plot.pdf")); }
  static QByteArray Contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static int PageCount(const QByteArray& pdf) {
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) {
      ++count;
    }
    return count;
  }

  QTemporaryDir m_dir;
  TiPlot m_plot;
};

/// Colours within 2 per channel (smooth scaling rounds).
bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
}

struct PrintedPage {
  int index;
  bool last;
  double min;
  bool operator==(const PrintedPage&) const = default;
};

}  // namespace

TEST(PrintGeometry, PlotIsScaledIntoTheMarginsByTheSmallerScale) {
  // US Letter landscape at 600 dpi: 6600 x 5100 pixels.
  const TiPrinterPage letter{6600, 5100, 600, 600, 0, 0};
  struct Case {
    TiPrinterPage page;
    TiPrintMargins margins;
    int width;
    int height;
    double scale;
    TRect target;
  };
  const Case cases[] = {
      {letter, {}, 1000, 600, 5.4, Rect(600, 600, 6000, 3840)},
      {letter, {}, 500, 600, 6.5, Rect(600, 600, 3850, 4500)},
      {letter, {}, 540, 390, 10, Rect(600, 600, 6000, 4500)},
      {{6600, 5100, 600, 600, 50, 40}, {0.5, 0.25, 0.5, 0.25}, 1000, 600, 6.0, Rect(250, 110, 6250, 3710)},
      // Margins wider than the paper: a negative scale, drawn as computed.
      {letter, {6, 1, 6, 1}, 100, 100, -6.0, Rect(3600, 600, 3000, 0)},
  };
  for (const Case& c : cases) {
    const TiPrintPlacement placement = PlacePrintedPlot(c.page, c.margins, c.width, c.height);
    EXPECT_DOUBLE_EQ(placement.Scale, c.scale) << c.width << "x" << c.height;
    EXPECT_EQ(placement.Target, c.target) << c.width << "x" << c.height;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(ErrorOf([&] { PlacePrintedPlot(letter, {}, 0, 600); }), QStringLiteral("The plot has no size to print"));
  EXPECT_EQ(ErrorOf([&] { PlacePrintedPlot(letter, {nan, 1, 1, 1}, 100, 100); }),
            QStringLiteral("The print margins must be numbers"));
  EXPECT_EQ(PlacePrintedPlot(letter, {1e300, 1, 1, 1}, 100, 100).Target.Left, INT_MAX);
}

TEST(PrintGeometry, RoundSaturated_tiesToEvenWithinTheIntRange) {
  EXPECT_EQ(RoundSaturated(2.5), 2);
  EXPECT_EQ(RoundSaturated(-3.5), -4);
  EXPECT_EQ(RoundSaturated(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundSaturated(1e20), INT_MAX);
  EXPECT_EQ(RoundSaturated(-std::numeric_limits<double>::infinity()), INT_MIN);
}

TEST(PaperSizeInches, WindowsPaperCodes) {
  struct Case {
    int code;
    double width;
    double height;
  };
  const Case cases[] = {
      {1, 8.5, 11},
      {5, 8.5, 14},
      {8, 297 / 25.4, 420 / 25.4},
      {9, 210 / 25.4, 297 / 25.4},
      {11, 148 / 25.4, 210 / 25.4},
      {20, 4.125, 9.5},
      {66, 420 / 25.4, 594 / 25.4},
      {48, -1, -2},
      {49, -1, -2},
      {0, -1, -2},
      {69, -1, -2},
  };
  for (const Case& c : cases) {
    double width = -1;
    double height = -2;
    PaperSizeInches(c.code, width, height);
    EXPECT_DOUBLE_EQ(width, c.width) << c.code;
    EXPECT_DOUBLE_EQ(height, c.height) << c.code;
  }
}

TEST_F(PlotPrintTest, TwoAndAHalfSpans_printThreePagesToPdfAndRestoreThePlot) {
  m_plot.Master().AddToolBar();
  TiPlotKindManager& toolBars = m_plot.Master().ToolBarManager();
  toolBars.Items(1)->SetVisible(false);
  m_plot.SetOuterMarginLeft(7);
  Printer().PrintToPdfFile(PdfPath());
  std::vector<PrintedPage> pages;
  std::vector<TObject*> senders;
  m_plot.OnBeforePrint = [&](TObject* sender) {
    senders.push_back(sender);
    m_plot.XAxis(0)->SetSpan(4);
    m_plot.SetOuterMarginLeft(20);
    m_plot.SetBounds(0, 0, 400, 100);
    EXPECT_FALSE(toolBars.Items(0)->Visible());
  };
  m_plot.OnBeforePrintPage = [&](int index, bool last) { pages.push_back({index, last, m_plot.XAxis(0)->Min()}); };
  m_plot.OnAfterPrint = [&](TObject* sender) { senders.push_back(sender); };

  EXPECT_EQ(ErrorOf([&] { m_plot.PrintChart(); }), QString());

  EXPECT_EQ(pages, (std::vector<PrintedPage>{{1, false, 0}, {2, false, 4}, {3, true, 8}}));
  EXPECT_EQ(senders, (std::vector<TObject*>{&m_plot, &m_plot}));
  EXPECT_EQ(m_plot.XAxis(0)->Min(), 0);
  EXPECT_EQ(m_plot.XAxis(0)->Span(), 10);
  EXPECT_EQ(m_plot.Width(), kWidth);
  EXPECT_EQ(m_plot.Height(), kHeight);
  EXPECT_EQ(m_plot.OuterMarginLeft(), 7);
  EXPECT_TRUE(toolBars.Items(0)->Visible());
  EXPECT_FALSE(toolBars.Items(1)->Visible());

  const QByteArray pdf = Contents(PdfPath());
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(PageCount(pdf), 3);
  const QRegularExpressionMatch mediaBox =
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]")).match(QString::fromLatin1(pdf));
  std::vector<double> box;
  for (const QString& number : mediaBox.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    box.push_back(number.toDouble());
  }
  EXPECT_EQ(box, (std::vector<double>{0, 0, 792, 612}));
  EXPECT_DOUBLE_EQ(m_plot.PrinterPaper().WidthInches, 11);
  EXPECT_DOUBLE_EQ(m_plot.PrinterPaper().HeightCentimeters, 8.5 * 2.54);
  EXPECT_EQ(m_plot.PrinterPaper().WidthPixels, 6600);
  EXPECT_EQ(m_plot.PrinterPaper().HeightPixels, 5100);
}

TEST_F(PlotPrintTest, ZeroSpanOrTheWholeRange_printOneLastPage) {
  Printer().PrintToPageImages(20);
  for (double span : {0.0, 10.0}) {
    m_plot.XAxis(0)->SetSpan(span);
    std::vector<PrintedPage> pages;
    m_plot.OnBeforePrintPage = [&](int index, bool last) { pages.push_back({index, last, m_plot.XAxis(0)->Min()}); };
    m_plot.PrintChart();
    EXPECT_EQ(pages, (std::vector<PrintedPage>{{1, true, 0}})) << span;
    EXPECT_EQ(Printer().PageImages().size(), 1u) << span;
  }
}

TEST_F(PlotPrintTest, PageImage_holdsThePlotInTheTargetAndWhiteAround) {
  TBitmap plotImage(kWidth, kHeight);
  m_plot.RemoveAll(m_plot.Master().ToolBarManager());
  m_plot.iPaintTo(plotImage.Canvas());
  Printer().PrintToPageImages(100);
  m_plot.PrintChart();
  ASSERT_EQ(Printer().PageImages().size(), 1u);
  const QImage& page = Printer().PageImages().front();
  ASSERT_EQ(page.size(), QSize(1100, 850));
  // Scale min((1100 - 200) / 300, (850 - 200) / 200) = 3: target (100, 100) - (1000, 700).
  for (QPoint white : {QPoint(99, 99), QPoint(1000, 400), QPoint(500, 700), QPoint(1099, 849), QPoint(50, 600)}) {
    EXPECT_EQ(page.pixel(white), qRgb(255, 255, 255)) << white.x() << "," << white.y();
  }
  // The centre of each 3 x 3 block of a plain area is the plot's pixel.
  for (QPoint at : {QPoint(1, 1), QPoint(298, 198), QPoint(150, 2)}) {
    EXPECT_TRUE(Near(page.pixel(100 + 3 * at.x() + 1, 100 + 3 * at.y() + 1), plotImage.Image().pixel(at)))
        << at.x() << "," << at.y();
  }
}

TEST_F(PlotPrintTest, CancelledDialog_printsNothingAndFiresNothing) {
  Printer().PrintToPdfFile(PdfPath());
  m_plot.StoredSettings().PrintShowDialog = true;
  bool asked = false;
  TPrintDialog::SetHook([&](TPrinter&) {
    asked = true;
    return false;
  });
  bool fired = false;
  m_plot.OnBeforePrint = [&](TObject*) { fired = true; };
  EXPECT_EQ(ErrorOf([&] { m_plot.PrintChart(); }), QString());
  EXPECT_TRUE(asked);
  EXPECT_FALSE(fired);
  EXPECT_FALSE(QFile::exists(PdfPath()));
}

TEST_F(PlotPrintTest, Failures_raiseErrorPrintingBeforeAnyPageAndRestoreThePlot) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    QString path;
    int width;
    double marginLeft;
    const char* reason;
  };
  const Case cases[] = {
      {"unwritable", QStringLiteral("/nonexistent-folder/plot.pdf"), kWidth, 1, nullptr},
      {"no size", PdfPath(), 0, 1, "The plot has no size to print"},
      {"NaN margin", PdfPath(), kWidth, nan, "The print margins must be numbers"},
  };
  for (const Case& c : cases) {
    Printer().PrintToPdfFile(c.path);
    m_plot.SetBounds(0, 0, c.width, kHeight);
    m_plot.StoredSettings().PrintMarginLeft = c.marginLeft;
    bool pagePrinted = false;
    m_plot.OnBeforePrintPage = [&](int, bool) { pagePrinted = true; };
    const QString error = ErrorOf([&] { m_plot.PrintChart(); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error Printing : "))) << c.name << ": " << error.toStdString();
    if (c.reason != nullptr) {
      EXPECT_EQ(error, QStringLiteral("Error Printing : ") + QLatin1String(c.reason));
      EXPECT_TRUE(pagePrinted) << c.name;  // announced, but refused before it is drawn
    }
    EXPECT_FALSE(QFile::exists(c.path)) << c.name;
    EXPECT_TRUE(m_plot.Master().ToolBarManager().Items(0)->Visible()) << c.name;
    EXPECT_EQ(m_plot.XAxis(0)->Span(), 10) << c.name;
    EXPECT_FALSE(Printer().Printing()) << c.name;
  }
}

TEST_F(PlotPrintTest, NoPrinterAndNoFile_isAnError) {
  if (!Printer().Printers().isEmpty()) {
    GTEST_SKIP() << "this machine has printers";
  }
  Printer().PrintToDevice();
  EXPECT_EQ(ErrorOf([&] { m_plot.PrintChart(); }),
            QStringLiteral("Error Printing : There is no default printer currently selected"));
}

TEST_F(PlotPrintTest, PlotWithoutToolBars_prints) {
  m_plot.RemoveAll(m_plot.Master().ToolBarManager());
  Printer().PrintToPageImages(20);
  EXPECT_EQ(ErrorOf([&] { m_plot.PrintChart(); }), QString());
  EXPECT_EQ(Printer().PageImages().size(), 1u);
}

TEST_F(PlotPrintTest, PaperOfTheLastJob_fillsThePageAndSetsTheSpan) {
  m_plot.PrintSizeToFillPage();
  m_plot.PrintAdjustXSpanToMinutesPerMillimeter(2);
  EXPECT_EQ(m_plot.Height(), kHeight);
  EXPECT_EQ(m_plot.XAxis(0)->Span(), 10);

  Printer().PrintToPageImages(20);
  m_plot.PrintChart();
  m_plot.PrintSizeToFillPage();
  EXPECT_EQ(m_plot.Height(), 232);  // 300 x 8.5 / 11 = 231.8
  TiPlotXAxis& axis = *m_plot.XAxis(0);
  m_plot.ReCalcLayout();
  const int axisPixels = std::abs(axis.MaxPixels() - axis.MinPixels());
  ASSERT_GT(axisPixels, 100);
  m_plot.PrintAdjustXSpanToMinutesPerMillimeter(2);
  EXPECT_DOUBLE_EQ(axis.Span(), axisPixels * (8.5 - 2) / 232 * 25.4 * 2 / 1440);
}

TEST_F(PlotPrintTest, ToolBarPrintButton_printsThePlot) {
  Printer().PrintToPageImages(20);
  auto* toolBar = m_plot.Master().ToolBarManager().ItemAs<TiPlotToolBar>(0);
  ASSERT_NE(toolBar, nullptr);
  toolBar->DoButtonClick(TiPlotToolBarButtonType::iptbbtPrint);
  EXPECT_EQ(Printer().PageImages().size(), 1u);
}
