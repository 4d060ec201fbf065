#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

#include "platform/core/TRect.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QSaveFile;
class TGraphic;

/// The paper's orientation of a print job.
enum class TPrinterOrientation { poPortrait = 0, poLandscape = 1 };

/// The printer that print jobs go to: a system (CUPS) printer, a PDF file,
/// or page images (one white QImage of the paper per page, for tests and
/// the gallery). Settings are the job's: paper by its Windows paper code
/// (1 Letter, 9 A4 ...), orientation, title and resolution. The painter's
/// origin is the paper's corner, so the physical offsets are 0. A PDF file
/// is written to a temporary name and renamed into place when the document
/// ends; an aborted document leaves any older file as it was. The process
/// has one current printer (Printer()); GUI thread only.
class TPrinter {
public:
  enum class Target { Device, PdfFile, PageImages };

  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  /// The system printers; PrinterIndex -1 is the default one.
  QStringList Printers() const;
  int PrinterIndex() const { return m_printerIndex; }
  void SetPrinterIndex(int index) { m_printerIndex = index; }

  Target OutputTarget() const { return m_target; }
  /// Prints on the system printer (the default target).
  void PrintToDevice() { m_target = Target::Device; }
  /// Prints into a PDF file at the resolution set.
  void PrintToPdfFile(const QString& fileName);
  QString PdfFileName() const { return m_pdfFileName; }
  /// Prints into page images at dpi pixels per inch.
  void PrintToPageImages(int dpi);
  /// The pages of the last page-image document.
  const std::vector<QImage>& PageImages() const { return m_pageImages; }

  /// The size in inches of a Windows paper code (1 to 68 but 48 and 49),
  /// exactly as the paper is defined (millimetre papers / 25.4); false for
  /// other codes.
  static bool PaperInches(int code, double& width, double& height);

  /// The Windows paper code of the paper (default 1, Letter).
  int PaperSizeCode() const { return m_paperSizeCode; }
  void SetPaperSizeCode(int code) { m_paperSizeCode = code; }
  TPrinterOrientation Orientation() const { return m_orientation; }
  void SetOrientation(TPrinterOrientation value) { m_orientation = value; }
  QString Title() const { return m_title; }
  void SetTitle(const QString& value) { m_title = value; }
  /// Dots per inch of PDF files (default 600); page images use their own.
  void SetResolution(int dpi) { m_resolution = dpi; }

  int LogPixelsX() const;
  int LogPixelsY() const { return LogPixelsX(); }
  int PhysicalOffsetX() const { return 0; }
  int PhysicalOffsetY() const { return 0; }

  bool Printing() const { return m_printing; }
  /// Starts a document with its first page; false with the reason when the
  /// target cannot be opened ("There is no default printer currently
  /// selected" without printers).
  bool BeginDoc(QString* error);
  /// Ends the page and starts the next one.
  void NewPage();
  /// Ends the document; false with the reason when it cannot be finished.
  bool EndDoc(QString* error = nullptr);
  /// Drops the document: no file is written.
  void Abort();
  /// Draws graphic scaled into target (device pixels) with smooth
  /// filtering; nothing outside a document.
  void StretchDraw(const TRect& target, const TGraphic& graphic);

  /// The system printer configured with these settings (for the dialog).
  QPrinter& DevicePrinter();
  /// Takes back what the print dialog changed on DevicePrinter().
  void TakeDeviceSettings();

private:
  QPagedPaintDevice* StartDevice(QString* error);
  void FinishPainter();
  void AddPageImage();

  Target m_target = Target::Device;
  int m_printerIndex = -1;
  QString m_pdfFileName;
  int m_imageDpi = 96;
  int m_resolution = 600;
  int m_paperSizeCode = 1;
  TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
  QString m_title;
  bool m_printing = false;
  std::unique_ptr<QPrinter> m_devicePrinter;
  std::unique_ptr<QSaveFile> m_pdfFile;
  std::unique_ptr<QPagedPaintDevice> m_pdfWriter;
  std::unique_ptr<QPainter> m_painter;
  std::vector<QImage> m_pageImages;
};

/// The current printer of the process.
TPrinter& Printer();
