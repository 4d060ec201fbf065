#pragma once

#include <QString>
#include <QStringList>

/// Renders the main window, built as the program builds it, to PNG files:
/// `en-NN-Page.png` and `zh-NN-Page.png` for the fifteen pages (NN the page
/// number), `en-dialog-Name.png` and `zh-dialog-Name.png` for the dialogs
/// of DialogGallery, `en-fir-State.png` for the FIR states of FirGallery, `stretched.png` of the window at 1400 x 900 and `sheet.png`
/// with every page of both languages side by side. GUI thread; needs a
/// QApplication.
namespace WindowGallery {

struct Result {
  QStringList written;
  /// From the window's constructor to its first painted image.
  double firstPaintMilliseconds = 0;
  /// Resident memory of the process after the first paint.
  long residentKilobytes = 0;
};

/// Writes the files into folder (created if needed); on failure the list is
/// empty and error says why.
Result WriteAll(const QString& folder, QString* error);

}  // namespace WindowGallery
