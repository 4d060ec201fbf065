#include "tools/gallery/GalleryMain.h"
#include "tools/plotgallery/PlotGallery.h"

// krv-plotgallery [folder]: writes the plot-library sheets into folder
// (default "plotgallery").
int main(int argc, char** argv) {
  return Gallery::RunMain(argc, argv, "krv-plotgallery", QStringLiteral("plotgallery"), PlotGallery::WriteAll);
}
