#include <cmath>
#include <exception>

#include <QScopeGuard>
#include <QStringList>

#include "platform/pictures/TMetafile.h"
#include "platform/widgets/TPrintDialog.h"
#include "platform/widgets/TPrinter.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iPaperSize.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotToolBarsHidden.h"
#include "plot/core/TiPlotUpdateBlock.h"
#include "plot/editor/TiPlotPreviewForm.h"
#include "plot/objects/TiPlotXAxis.h"

namespace {

/// Ends a printer document when the scope ends: normally with EndDoc,
/// which may fail, and dropped when an exception passes.
class TDocument {
public:
  explicit TDocument(TPrinter& printer) : m_printer(printer) {
    QString error;
    if (!m_printer.BeginDoc(&error)) {
      throw EPlotError(error);
    }
  }
  ~TDocument() {
    if (m_printer.Printing()) {
      m_printer.Abort();
    }
  }
  void End() {
    QString error;
    if (!m_printer.EndDoc(&error)) {
      throw EPlotError(error);
    }
  }

private:
  TPrinter& m_printer;
};

}  // namespace

void TiPlotComponent::PrintChart() {
  TPrinter& printer = Printer();
  try {
    try {
      if (printer.Printing()) {
        printer.EndDoc();
      }
      printer.SetOrientation(m_storedSettings.PrintOrientation);
      printer.SetTitle(m_storedSettings.PrintDocumentName);
      if (m_storedSettings.PrintShowDialog && !TPrintDialog(this).Execute(printer)) {
        return;
      }
      TUpdateBlock update(*this);
      TiPlotXAxis* axis = XAxis(0);
      m_printXStart = axis->Min();
      m_printXStop = axis->Max();
      PrintJob(printer);
    } catch (const EPlotError&) {
      throw;
    } catch (const std::exception& e) {
      throw EPlotError(QString::fromLocal8Bit(e.what()));
    }
  } catch (const EPlotError& e) {
    throw EPlotError(QStringLiteral("Error Printing : ") + e.Message());
  }
}

void TiPlotComponent::PrintJob(TPrinter& printer) {
  const QString& printerName = m_storedSettings.PrinterName;
  if (!printerName.trimmed().isEmpty()) {
    const QStringList printers = printer.Printers();
    for (int i = 0; i < printers.size(); ++i) {
      if (printers.at(i).compare(printerName, Qt::CaseInsensitive) == 0) {
        printer.SetPrinterIndex(i);
        break;
      }
    }
  }
  double width = 0;
  double height = 0;
  GetPrinterPaperSize(printer, width, height);
  TiPrinterPage page;
  page.LogPixelsX = printer.LogPixelsX();
  page.LogPixelsY = printer.LogPixelsY();
  page.PhysicalOffsetX = printer.PhysicalOffsetX();
  page.PhysicalOffsetY = printer.PhysicalOffsetY();
  m_printerPaper.WidthInches = width;
  m_printerPaper.HeightInches = height;
  m_printerPaper.WidthCentimeters = width * 2.54;
  m_printerPaper.HeightCentimeters = height * 2.54;
  m_printerPaper.WidthPixels = RoundSaturated(page.LogPixelsX * width);
  m_printerPaper.HeightPixels = RoundSaturated(page.LogPixelsY * height);
  page.PaperWidthPixels = m_printerPaper.WidthPixels;
  page.PaperHeightPixels = m_printerPaper.HeightPixels;

  TDocument document(printer);
  TiPlotXAxis* axis = XAxis(0);
  const double min = axis->Min();
  const double span = axis->Span();
  const int plotWidth = Width();
  const int plotHeight = Height();
  const int margins[] = {m_outerMarginLeft, m_outerMarginRight, m_outerMarginTop, m_outerMarginBottom};
  const auto restore = qScopeGuard([&] {
    axis->SetMin(min);
    axis->SetSpan(span);
    SetBounds(Left(), Top(), plotWidth, plotHeight);
    SetOuterMarginLeft(margins[0]);
    SetOuterMarginRight(margins[1]);
    SetOuterMarginTop(margins[2]);
    SetOuterMarginBottom(margins[3]);
  });
  {
    TiPlotToolBarsHidden hidden(*this);
    Master().DeSelectAll();
    Raise(OnBeforePrint, this);
    const TiPrintMargins printMargins{m_storedSettings.PrintMarginLeft, m_storedSettings.PrintMarginTop,
                                      m_storedSettings.PrintMarginRight, m_storedSettings.PrintMarginBottom};
    int pageIndex = 1;
    axis->SetMin(m_printXStart);
    while (axis->Min() < m_printXStop) {
      if (OnBeforePrintPage) {
        OnBeforePrintPage(pageIndex, axis->Max() >= m_printXStop);
      }
      const TiPrintPlacement placement = PlacePrintedPlot(page, printMargins, Width(), Height());
      ReCalcLayout();
      PrintToRect(printer, placement.Target);
      if (!(axis->Min() + axis->Span() > axis->Min()) || axis->Max() >= m_printXStop) {
        break;
      }
      printer.NewPage();
      ++pageIndex;
      axis->SetMin(axis->Min() + axis->Span());
    }
    Raise(OnAfterPrint, this);
  }
  document.End();
}

void TiPlotComponent::PrintToRect(TPrinter& printer, const TRect& target) {
  TMetafile metafile;
  PaintToMetafile(metafile, QString());
  printer.StretchDraw(target, metafile);
}

void TiPlotComponent::PreviewChart() {
  TiPlotPreviewForm form;
  form.iComponent = this;
  form.PrintMarginLeft = m_storedSettings.PrintMarginLeft;
  form.PrintMarginRight = m_storedSettings.PrintMarginRight;
  form.PrintMarginTop = m_storedSettings.PrintMarginTop;
  form.PrintMarginBottom = m_storedSettings.PrintMarginBottom;
  form.PrintOrientation = m_storedSettings.PrintOrientation;
  form.PrintDocumentName = m_storedSettings.PrintDocumentName;
  form.SetCaption(m_storedSettings.PrintDocumentName + QStringLiteral(" (Preview)"));
  form.DoTranslation();
  form.ShowModal();
}

void TiPlotComponent::PrintSizeToFillPage() {
  if (!(m_printerPaper.WidthInches > 0) || !(m_printerPaper.HeightInches > 0)) {
    return;
  }
  SetBounds(Left(), Top(), Width(),
            RoundSaturated(Width() * m_printerPaper.HeightInches / m_printerPaper.WidthInches));
  ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter) {
  if (!(m_printerPaper.HeightInches > 0) || Height() <= 0) {
    return;
  }
  ReCalcLayout();
  const double usableHeight =
      m_printerPaper.HeightInches - m_storedSettings.PrintMarginTop - m_storedSettings.PrintMarginBottom;
  TiPlotXAxis* axis = XAxis(0);
  const double axisPixels = std::abs(double(axis->MaxPixels()) - axis->MinPixels());
  const double printedMillimetres = axisPixels * usableHeight / Height() * 25.4;
  axis->SetSpan(printedMillimetres * minutesPerMillimeter / 1440);
}
