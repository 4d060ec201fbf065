#pragma once

#include <utility>
#include <vector>

#include <QImage>
#include <QString>

class TfmMain;

/// Renders the per-channel FIR states of the main window: an output in IIR
/// mode, in FIR mode with its designer set up, with a designed FIR applied,
/// with a coefficient file, and an input after a file import. The files
/// are written to a temporary folder and read through the file chooser's
/// hook. Changes the window's setting; GUI thread.
namespace FirGallery {

std::vector<std::pair<QString, QImage>> Render(TfmMain& window);

}  // namespace FirGallery
