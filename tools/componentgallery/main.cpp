#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "dsp/CurveColours.h"
#include "dsp/Plot.h"
#include "platform/FontRegistry.h"
#include "tools/componentgallery/BandPanelPicture.h"

namespace {

// A channel plot as the main window sets it up, with three equaliser bands,
// a low cut, the total, band markers, the selected band and the bypass text.
QImage RenderResponsePlot() {
  LMyFFTDrawHpLp6dB view;
  view.SetAutoRedraw(false);
  view.SetBounds(0, 0, 1070, 255);
  view.SetXAutoScale(false);
  view.SetYAutoScale(false);
  view.SetXMax(3840.0);
  view.SetXMin(966.0);
  view.SampleRate = TSampleRate::n96000;
  TFont font;
  font.SetColor(clActiveBorder);
  view.SetAxisLabelFont(font);
  view.SetAutoRedraw(true);

  // In the main window's order: markers and the selected band, then the
  // curves (which redraw the page), then one UpdateCurvePage.
  Plot curves(view);
  curves.Section(0).SetFilter(6.0, 100.0, 1.0, 1);
  curves.Section(1).SetFilter(-9.0, 1000.0, 2.0, 1);
  curves.Section(2).SetFilter(4.0, 8000.0, 0.7, 3);
  curves.Section(31).SetFilter(0.0, 40.0, 0.71, 4);
  for (int band = 0; band < 3; ++band) {
    curves.DrawBandMarker(band, curves.Section(band).GetGain(), 1);
  }
  view.DrawBlock(0.0, FrequencyGrid::BinPosition(40.0), SectionMarkerColour(31), 31, false, 3);
  curves.DrawSectionFill(0, 1, -9.0, 2.0, true);
  view.SetParameterDisplay(true);
  view.DrawTextA(1070 / 3, 255 / 4, 60, clBtnFace, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
  for (int band = 0; band < 3; ++band) {
    curves.DrawSection(band, SectionMarkerColour(band));
  }
  curves.DrawSection(31, SectionMarkerColour(31));
  curves.DrawTotal(0);
  view.UpdateCurvePage();
  return view.Surface().Image();
}

// The main window's meter kinds side by side: level meters at several
// levels, a gate meter and the two lamps.
QImage RenderMeters() {
  QWidget strip;
  strip.resize(200, 220);
  strip.setStyleSheet(QStringLiteral("background: black"));
  int left = 4;
  for (int level : {0, 2, 5, 8}) {
    auto* meter = new LProgressBar(&strip);
    meter->SetFirstNum(1);
    meter->SetSecondNum(3);
    meter->SetThirdNum(4);
    meter->SetMax(8);
    meter->SetBounds(left, 4, 14, 179);
    meter->SetPosition(level);
    left += 20;
  }
  auto* gate = new LProgressBar(&strip);
  gate->SetSecondNum(2);
  gate->SetThirdNum(6);
  gate->SetMax(9);
  gate->SetBounds(left, 4, 14, 208);
  gate->SetPosition(8);
  left += 20;
  for (int on : {0, 1}) {
    auto* lamp = new LProgressBar(&strip);
    lamp->SetFirstNum(0);
    lamp->SetThirdNum(0);
    lamp->SetSecondColor(20123);
    lamp->SetLSecondColor(4629503);
    lamp->SetMax(1);
    lamp->SetBounds(left, 4, 14, 22);
    lamp->SetPosition(on);
    left += 20;
  }
  return strip.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  RegisterPlatformFonts();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
    return 1;
  }
  const bool saved = RenderResponsePlot().save(out.filePath(QStringLiteral("response-plot.png"))) &&
                     RenderMeters().save(out.filePath(QStringLiteral("level-meters.png"))) &&
                     RenderBandPanel(582, 8).save(out.filePath(QStringLiteral("band-panel-input.png"))) &&
                     RenderBandPanel(452, 9).save(out.filePath(QStringLiteral("band-panel-output.png")));
  if (!saved) {
    std::fprintf(stderr, "cannot write the pictures to %s\n", qPrintable(out.path()));
    return 1;
  }
  return 0;
}
