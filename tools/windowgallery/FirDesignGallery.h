#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class TfmMain;

/// Renders the FIR designer fresh and after importing the fixture
/// measurement (magnitude and phase view, magnitude range on, automatic
/// gain), and the equaliser reset and FIR download confirmations, in the
/// main window's current language, each as the program creates it. GUI
/// thread.
namespace FirDesignGallery {

/// Pairs of a file stem ("FirDesign", ...) and the picture.
std::vector<std::pair<QString, QImage>> Render(TfmMain& window);

}  // namespace FirDesignGallery
