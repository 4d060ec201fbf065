#include "app/builders/MainWindowLook.h"

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/SystemPlotInput.h"
#include "components/peq/TMyPEQType10.h"
#include "dsp/CurveColours.h"
#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TShape.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panelset/Gradients.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"

namespace MainWindowLook {

void StyleGroup(TRzGroupBox& group, const QString& caption) {
  group.SetCaption(caption);
  group.SetGroupStyle(caption.isEmpty() ? TRzGroupBoxStyle::gsCustom : TRzGroupBoxStyle::gsStandard);
  group.SetVisualStyle(TRzVisualStyle::vsGradient);
  group.SetGradientColorStyle(Rz::TRzGradientColorStyle::gcsCustom);
  group.SetGradientColorStart(kPageColor);
  group.SetGradientColorStop(kPageColorTo);
  group.SetGradientDirection(Rz::TGradientDirection::gdVerticalEnd);
  group.SetColor(kPageColor);
  group.SetFlatColor(kFrameColor);
  group.Font().SetName(QStringLiteral("Arial"));
  group.Font().SetHeight(-12);
  group.Font().SetColor(clWhite);
}

void StyleSlider(TAdvTrackBar& bar) {
  bar.SetComponentStyle(TStylePreset::tsOffice2010Black);
  bar.SetTransparent(true);
}

void StyleButton(TRzBmpButton& button, const QString& caption) {
  button.SetCaption(caption);
  button.Font().SetName(QStringLiteral("Arial"));
  button.Font().SetHeight(-12);
  button.Font().SetColor(kPageOther);
  ButtonFaces::Fill(button.Bitmaps(), button.Width(), button.Height(), clFuchsia);
}

void StyleDemoButton(TVrDemoButton& button) {
  button.SetColor(kPageColor);
  TFont font;
  font.SetName(QStringLiteral("Arial"));
  font.SetHeight(-11);
  font.SetColor(clWhite);
  button.SetFontLeave(font);
  font.SetColor(kPageShown);
  button.SetFontEnter(font);
}

void StyleBandPanel(TMyPEQType10& panel, int bands) {
  panel.Font().SetHeight(-12);
  panel.SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  panel.SetTransparent(true);
  panel.SetParentColor(true);
  panel.SetUpdownVisable(false);
  panel.SetChannelNumber(bands);
  panel.SetLabelColor(clBackground);
  panel.SetEditBackColor(clWhite);
  panel.SetBypassBackColor(clSilver);
  panel.HandleNeeded();
}

void StylePlot(LMyFFTDrawHpLp6dB& plot) {
  plot.SetAutoRedraw(false);
  plot.SetXAutoScale(false);
  plot.SetYAutoScale(false);
  plot.SetXMin(966.0);
  plot.SetXMax(3840.0);
  plot.SetYMin(-18.0);
  plot.SetYMax(18.0);
  plot.SampleRate = TSampleRate::n96000;
  TFont font;
  font.SetColor(clActiveBorder);
  plot.SetAxisLabelFont(font);
  plot.SetAutoRedraw(true);
}

void StyleTransferPlot(TiXYPlot& plot) {
  plot.Master().ToolBarManager().Items(0)->SetVisible(false);
  plot.Master().LegendManager().Items(0)->SetVisible(false);
  plot.Master().LabelManager().Items(0)->SetVisible(false);
  for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
    axis->SetTrackingEnabled(false);
    axis->SetMin(-100);
    axis->SetSpan(120);
  }
  while (plot.ChannelCount() < 2) {
    plot.AddChannel();
  }
  TiXYPlotChannel& curve = *plot.Channel(0);
  curve.SetColor(clWhite);
  curve.SetTraceLineWidth(2);
  TiXYPlotChannel& marker = *plot.Channel(1);
  marker.SetColor(kTransferMarkerColour);
  marker.SetTraceLineStyle(TiPlotLineStyle::iplsDot);
  marker.SetTraceLineWidth(5);
  marker.SetMarkersVisible(true);
  marker.SetMarkersAllowIndividual(true);
  marker.SetMarkersSize(5);
  marker.SetMarkersPenWidth(3);
  CloseSystemPlotInput(plot);
}

void DrawDelayPicture(TImage& image, int channel) {
  // A loudspeaker seen from the front: a rounded cabinet with two cones.
  TBitmap& bitmap = image.Picture().Bitmap();
  bitmap.SetSize(30, 30);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clBlack);
  canvas.FillRect(Rect(0, 0, 30, 30));
  canvas.Pen().SetColor(clSilver);
  canvas.Brush().SetColor(RGB(40, 40, 48));
  canvas.RoundRect(5, 0, 25, 30, 6, 6);
  canvas.Brush().SetColor(PlotTotalColour(channel).value_or(clSilver));
  canvas.Ellipse(11, 3, 19, 11);
  canvas.Ellipse(8, 13, 22, 27);
  canvas.Brush().SetColor(clBlack);
  canvas.Ellipse(13, 18, 17, 22);
  image.PictureChanged();
}

void StyleOverviewShape(TShape& shape, TColor colour) {
  shape.SetShape(TShapeType::stRoundRect);
  shape.Brush().SetColor(colour);
  shape.Pen().SetColor(clSilver);
}

TColor OverviewBlockColour(int index) {
  constexpr TColor colours[] = {RGB(0, 96, 160), RGB(0, 128, 96), RGB(128, 64, 160), RGB(160, 96, 0),
                                RGB(160, 32, 64), RGB(64, 96, 128), RGB(96, 96, 32)};
  return colours[index % 7];
}

QString ScaleText(const QString& mark) {
  if (mark == QLatin1String("Clip") || mark == QLatin1String("Limit")) {
    return mark;
  }
  if (mark.startsWith(QLatin1Char('N'))) {
    return QLatin1Char('-') + mark.mid(1);
  }
  return mark == QLatin1String("0") ? mark : QLatin1Char('+') + mark;
}

}  // namespace MainWindowLook
