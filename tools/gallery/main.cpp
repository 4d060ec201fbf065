#include "tools/gallery/Gallery.h"
#include "tools/gallery/GalleryMain.h"

// krv-gallery [folder]: writes the frame style and gradient pictures into
// folder (default "gallery").
int main(int argc, char** argv) {
  return Gallery::RunMain(argc, argv, "krv-gallery", QStringLiteral("gallery"), Gallery::WriteAll);
}
