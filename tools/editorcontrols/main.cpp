#include "tools/editorcontrols/EditorControlsSheet.h"
#include "tools/editorcontrols/EditorWidgetsSheet.h"
#include "tools/gallery/GalleryMain.h"

namespace {

// editor_controls.png first; the widget sheets only once it was written.
QStringList WriteSheets(const QString& folder, QString* error) {
  const QString controls = EditorControlsSheet::Write(folder, error);
  if (controls.isEmpty()) {
    return {};
  }
  const QStringList widgets = EditorWidgetsSheet::Write(folder, error);
  return widgets.isEmpty() ? QStringList() : QStringList{controls} + widgets;
}

}  // namespace

// krv-editorcontrols [folder]: writes editor_controls.png, editor_widgets.png
// and value_converter_<page>.png into folder (default "editorcontrols").
int main(int argc, char** argv) {
  return Gallery::RunMain(argc, argv, "krv-editorcontrols", QStringLiteral("editorcontrols"), WriteSheets);
}
