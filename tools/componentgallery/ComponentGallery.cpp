#include "tools/componentgallery/ComponentGallery.h"

#include <QWidget>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "dsp/CurveColours.h"
#include "dsp/Plot.h"
#include "tools/componentgallery/BandPanelPicture.h"
#include "tools/widgetgallery/WidgetGallery.h"

namespace ComponentGallery {

QImage RenderResponsePlot(int updates) {
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
  // curves (which redraw the page), then UpdateCurvePage.
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
  for (int i = 0; i < updates; ++i) {
    view.UpdateCurvePage();
  }
  return view.Surface().Image();
}

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

std::vector<WidgetGallery::Sheet> RenderAll() {
  return {{QStringLiteral("response-plot.png"), RenderResponsePlot(1)},
          {QStringLiteral("level-meters.png"), RenderMeters()},
          {QStringLiteral("band-panel-input.png"), RenderBandPanel(582, 8)},
          {QStringLiteral("band-panel-output.png"), RenderBandPanel(452, 9)}};
}

QStringList WriteAll(const QString& folder, QString* error) {
  return WidgetGallery::WriteSheets(folder, RenderAll(), error);
}

}  // namespace ComponentGallery
