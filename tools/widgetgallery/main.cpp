#include "tools/gallery/GalleryMain.h"
#include "tools/widgetgallery/WidgetGallery.h"

// krv-widgetgallery [folder]: writes the widget sheets into folder (default
// "widgetgallery").
int main(int argc, char** argv) {
  return Gallery::RunMain(argc, argv, "krv-widgetgallery", QStringLiteral("widgetgallery"), WidgetGallery::WriteAll);
}
