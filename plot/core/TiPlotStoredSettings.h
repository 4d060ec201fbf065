#pragma once

#include <QString>

#include "platform/widgets/TPrinter.h"

/// How the run-time editor is shown.
enum class TiPlotFormStyle { ipfsModal = 0, ipfsStayOnTop = 1 };
/// The clipboard format of a copied plot.
enum class TiPlotExportFormat { ipefMetaFile = 0, ipefBitmap = 1, ipefJPEG = 2 };
/// The preselected format of the save-image dialog.
enum class TiPlotImageFormatStyle { ipifBitmap = 0, ipifEnhancedMetaFile = 1, ipifJPEG = 2, ipifPNG = 3 };

/// Settings a plot stores and hands to its printing, export, editor and
/// file dialogs: plain values, read and written without a repaint.
struct TiPlotStoredSettings {
  bool PrintShowDialog = true;
  TPrinterOrientation PrintOrientation = TPrinterOrientation::poLandscape;
  /// Inches.
  double PrintMarginTop = 1.0;
  double PrintMarginLeft = 1.0;
  double PrintMarginRight = 1.0;
  double PrintMarginBottom = 1.0;
  QString PrintDocumentName = QStringLiteral("Untitled");
  QString PrinterName;
  TiPlotFormStyle EditorFormStyle = TiPlotFormStyle::ipfsModal;
  TiPlotExportFormat CopyToClipBoardFormat = TiPlotExportFormat::ipefMetaFile;
  QString DefaultSaveImageDirectory;
  TiPlotImageFormatStyle DefaultSaveImageFormat = TiPlotImageFormatStyle::ipifBitmap;
  QString DefaultPropertyDirectory;
  QString DefaultDataDirectory;
  QString DefaultAnnotationDirectory;
};
