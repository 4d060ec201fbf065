#include "tools/componentgallery/ComponentGallery.h"
#include "tools/gallery/GalleryMain.h"

// componentgallery [folder]: writes the component pictures into folder
// (default ".").
int main(int argc, char** argv) {
  return Gallery::RunMain(argc, argv, "componentgallery", QStringLiteral("."), ComponentGallery::WriteAll);
}
