#include "platform/widgets/TPrinter.h"

#include <cmath>
#include <utility>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "platform/pictures/TGraphic.h"

namespace {

QPageLayout LayoutOf(int paperSizeCode, TPrinterOrientation orientation) {
  QPageSize::PageSizeId id = QPageSize::id(paperSizeCode);
  if (id == QPageSize::Custom) {
    id = QPageSize::Letter;
  }
  return QPageLayout(QPageSize(id),
                     orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF());
}

}  // namespace

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() { Abort(); }

bool TPrinter::PaperInches(int code, double& width, double& height) {
  if (code < 1 || code > 68 || code == 48 || code == 49) {
    return false;
  }
  const QPageSize::PageSizeId id = QPageSize::id(code);
  if (id == QPageSize::Custom) {
    return false;
  }
  const QPageSize size(id);
  const QSizeF definition = size.definitionSize();
  switch (size.definitionUnits()) {
    case QPageSize::Millimeter:
      width = definition.width() / 25.4;
      height = definition.height() / 25.4;
      return true;
    case QPageSize::Inch: {
      // Qt keeps inch sizes to two decimals; a size within 1/160 inch of an
      // eighth is that eighth (envelope #10 is 4.125 x 9.5, not 4.12).
      auto eighths = [](double inches) {
        const double e = std::round(inches * 8);
        return std::abs(inches * 8 - e) <= 0.05 ? e / 8 : inches;
      };
      width = eighths(definition.width());
      height = eighths(definition.height());
      return true;
    }
    default: {
      const QSizeF inches = size.size(QPageSize::Inch);
      width = inches.width();
      height = inches.height();
      return true;
    }
  }
}

QStringList TPrinter::Printers() const { return QPrinterInfo::availablePrinterNames(); }

void TPrinter::PrintToPdfFile(const QString& fileName) {
  m_target = Target::PdfFile;
  m_pdfFileName = fileName;
}

void TPrinter::PrintToPageImages(int dpi) {
  m_target = Target::PageImages;
  m_imageDpi = dpi;
}

int TPrinter::LogPixelsX() const {
  switch (m_target) {
    case Target::PdfFile:
      return m_resolution;
    case Target::PageImages:
      return m_imageDpi;
    case Target::Device:
      break;
  }
  return m_devicePrinter ? m_devicePrinter->resolution() : QPrinter(QPrinter::HighResolution).resolution();
}

QPrinter& TPrinter::DevicePrinter() {
  if (!m_devicePrinter) {
    m_devicePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  }
  const QStringList names = Printers();
  if (m_printerIndex >= 0 && m_printerIndex < names.size()) {
    m_devicePrinter->setPrinterName(names.at(m_printerIndex));
  }
  m_devicePrinter->setFullPage(true);
  m_devicePrinter->setPageLayout(LayoutOf(m_paperSizeCode, m_orientation));
  m_devicePrinter->setDocName(m_title);
  return *m_devicePrinter;
}

void TPrinter::TakeDeviceSettings() {
  if (!m_devicePrinter) {
    return;
  }
  const QPageLayout layout = m_devicePrinter->pageLayout();
  if (const int code = layout.pageSize().windowsId(); code > 0) {
    m_paperSizeCode = code;
  }
  m_orientation = layout.orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                 : TPrinterOrientation::poPortrait;
  m_printerIndex = int(Printers().indexOf(m_devicePrinter->printerName()));
  if (!m_devicePrinter->outputFileName().isEmpty()) {
    PrintToPdfFile(m_devicePrinter->outputFileName());
  }
}

QPagedPaintDevice* TPrinter::StartDevice(QString* error) {
  switch (m_target) {
    case Target::PdfFile: {
      m_pdfFile = std::make_unique<QSaveFile>(m_pdfFileName);
      if (!m_pdfFile->open(QIODevice::WriteOnly)) {
        *error = m_pdfFileName + QStringLiteral(": ") + m_pdfFile->errorString();
        m_pdfFile.reset();
        return nullptr;
      }
      auto writer = std::make_unique<QPdfWriter>(m_pdfFile.get());
      writer->setResolution(m_resolution);
      writer->setPageLayout(LayoutOf(m_paperSizeCode, m_orientation));
      writer->setTitle(m_title);
      writer->setCreator(QStringLiteral("KRV-71 Editor"));
      m_pdfWriter = std::move(writer);
      return m_pdfWriter.get();
    }
    case Target::Device:
      if (Printers().isEmpty()) {
        *error = QStringLiteral("There is no default printer currently selected");
        return nullptr;
      }
      return &DevicePrinter();
    case Target::PageImages:
      break;
  }
  return nullptr;
}

bool TPrinter::BeginDoc(QString* error) {
  QString reason;
  Abort();
  m_pageImages.clear();
  if (m_target == Target::PageImages) {
    m_printing = true;
    AddPageImage();
    return true;
  }
  QPagedPaintDevice* device = StartDevice(&reason);
  if (device != nullptr) {
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(device)) {
      reason = QStringLiteral("The printer could not start the document");
      m_painter.reset();
      device = nullptr;
    }
  }
  if (device == nullptr) {
    m_pdfWriter.reset();
    m_pdfFile.reset();
    if (error != nullptr) {
      *error = reason;
    }
    return false;
  }
  m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
  m_printing = true;
  return true;
}

void TPrinter::AddPageImage() {
  double width = 8.5;
  double height = 11;
  PaperInches(m_paperSizeCode, width, height);
  if (m_orientation == TPrinterOrientation::poLandscape) {
    std::swap(width, height);
  }
  QImage page(int(std::lround(width * m_imageDpi)), int(std::lround(height * m_imageDpi)), QImage::Format_RGB32);
  page.fill(Qt::white);
  m_pageImages.push_back(std::move(page));
}

void TPrinter::NewPage() {
  if (!m_printing) {
    return;
  }
  if (m_target == Target::PageImages) {
    AddPageImage();
  } else if (m_pdfWriter) {
    m_pdfWriter->newPage();
  } else if (m_devicePrinter) {
    m_devicePrinter->newPage();
  }
}

void TPrinter::FinishPainter() {
  if (m_painter && m_painter->isActive()) {
    m_painter->end();
  }
  m_painter.reset();
  m_pdfWriter.reset();
}

bool TPrinter::EndDoc(QString* error) {
  if (!m_printing) {
    return true;
  }
  m_printing = false;
  FinishPainter();
  if (m_pdfFile) {
    const bool written = m_pdfFile->commit();
    if (!written && error != nullptr) {
      *error = m_pdfFileName + QStringLiteral(": ") + m_pdfFile->errorString();
    }
    m_pdfFile.reset();
    return written;
  }
  return true;
}

void TPrinter::Abort() {
  if (m_devicePrinter && m_painter && m_painter->device() == m_devicePrinter.get()) {
    m_devicePrinter->abort();
  }
  FinishPainter();
  if (m_pdfFile) {
    m_pdfFile->cancelWriting();
    m_pdfFile.reset();
  }
  m_printing = false;
}

void TPrinter::StretchDraw(const TRect& target, const TGraphic& graphic) {
  if (!m_printing) {
    return;
  }
  const QRect rect(target.Left, target.Top, target.Width(), target.Height());
  // Opaque pixels: a printer or PDF file needs no alpha mask.
  const QImage image = graphic.ToImage().convertToFormat(QImage::Format_RGB32);
  if (m_target == Target::PageImages) {
    QPainter painter(&m_pageImages.back());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, image);
  } else if (m_painter) {
    m_painter->drawImage(rect, image);
  }
}

TPrinter& Printer() {
  // Never destroyed: a system printer must not outlive the application
  // object in a static destructor.
  static TPrinter* const printer = new TPrinter;
  return *printer;
}
