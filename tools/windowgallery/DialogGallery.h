#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class TfmMain;

/// Renders the preset lists, the preset name dialog, the program box, the
/// channel copy and link dialogs, the progress window (mid-transfer), the test
/// signal, channel name, source and type dialogs, the code reference of the
/// language, the device search (searching, nothing found, link broken) and the
/// network setup (offline and linked) in the main window's current language,
/// each as the program creates it. GUI thread.
namespace DialogGallery {

/// Pairs of a file stem ("StorePreset", ...) and the dialog's picture.
std::vector<std::pair<QString, QImage>> Render(TfmMain& window);

}  // namespace DialogGallery
