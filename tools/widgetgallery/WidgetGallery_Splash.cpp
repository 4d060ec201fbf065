#include "tools/widgetgallery/WidgetGallery_Splash.h"

#include <QPainter>

#include "platform/widgets/TForm.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TAdvSplashProgressBar.h"
#include "widgets/smooth/splash/TBasicProgramInfo.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"

namespace WidgetGallery {
namespace {

void StyleBar(TGDIPSplashProgress& a) {
  a.ProgressFill().SetColor(clWhite);
  a.ProgressFill().SetColorTo(RGB(170, 205, 255));
  a.BackGroundFill().SetColor(RGB(60, 70, 90));
  a.BackGroundFill().SetColorTo(RGB(60, 70, 90));
  a.BackGroundFill().SetBorderColor(clGray);
}

Sheet ProgressBarsSheet() {
  TForm form;
  form.SetBounds(0, 0, 440, 230);
  form.SetColor(RGB(20, 30, 50));
  struct Row {
    const char* caption;
    double position;
    bool value;
    TGDIPProgressValuePosition at;
  };
  const Row rows[] = {{"0", 0, false, TGDIPProgressValuePosition::vpCenter},
                      {"35, value centred", 35, true, TGDIPProgressValuePosition::vpCenter},
                      {"70, value at progress", 70, true, TGDIPProgressValuePosition::vpProgressRight},
                      {"100, value left", 100, true, TGDIPProgressValuePosition::vpLeft},
                      {"50, Office 2007 Luna", 50, true, TGDIPProgressValuePosition::vpProgressCenter}};
  int y = 10;
  for (const Row& row : rows) {
    auto* label = new TRzLabel(&form);
    label->SetTransparent(true);
    label->Font().SetColor(clWhite);
    label->SetCaption(QString::fromLatin1(row.caption));
    label->SetBounds(8, y, 150, 17);
    auto* bar = new TAdvSplashProgressBar(&form);
    TGDIPSplashProgress a;
    StyleBar(a);
    a.SetLeft(160);
    a.SetTop(y);
    a.SetWidth(260);
    a.SetVisible(true);
    a.SetValueVisible(row.value);
    a.SetValuePosition(row.at);
    a.SetValueType(TGDIPProgressValueType::vtPercentage);
    a.SetPosition(row.position);
    bar->SetAppearance(a);
    if (row.at == TGDIPProgressValuePosition::vpProgressCenter) {
      bar->SetComponentStyle(TStylePreset::tsOffice2007Luna);
    }
    y += 42;
  }
  form.show();
  return {QStringLiteral("splash_progress.png"), form.grab().toImage()};
}

Sheet LayersSheet() {
  TAdvSmoothSplashScreen splash(nullptr);
  QImage presented;
  splash.SetPresentObserver([&](const QImage& buffer, int, const QRect&) { presented = buffer; });
  splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  splash.SetWidth(480);
  splash.SetHeight(300);
  TGDIPFill& fill = splash.Fill();
  fill.SetColor(RGB(30, 50, 90));
  fill.SetColorTo(RGB(10, 15, 30));
  fill.SetOpacity(230);
  fill.SetOpacityTo(200);
  fill.SetRounding(14);
  fill.SetRoundingType(TFillRoundingType::rtBoth);
  fill.SetBorderColor(RGB(120, 160, 220));
  TBasicProgramInfo& info = splash.BasicProgramInfo();
  info.ProgramName().SetText(QStringLiteral("Program name, top left"));
  info.ProgramName().SetColorStart(clWhite);
  info.ProgramName().SetColorEnd(RGB(120, 180, 255));
  info.ProgramVersion().SetText(QStringLiteral("version beside it"));
  info.ProgramVersion().SetColorStart(RGB(200, 220, 255));
  info.SetCopyRight(QStringLiteral("notice, bottom right"));
  info.CopyRightFont().SetColor(RGB(200, 200, 200));
  info.SetCopyRightLocation(TItemLocation::ilBottomRight);
  TListItemsRect& rect = splash.ListItemsSettings().Rect();
  rect.SetLeft(20);
  rect.SetTop(70);
  rect.SetWidth(300);
  rect.SetHeight(90);
  for (const char* line : {"<FONT color=\"clWhite\">oldest line, scrolled out</FONT>",
                           "<FONT color=\"clWhite\"><B>bold</B> <I>italic</I> <U>underlined</U></FONT>",
                           "<FONT color=\"#FFD080\" size=\"12\">coloured, 12 points</FONT>",
                           "<SH><FONT color=\"clWhite\">shadowed text</FONT></SH>",
                           "<FONT color=\"clWhite\"><UL><LI>list item</UL></FONT>"}) {
    splash.ListItems().Add().SetHTMLText(QString::fromLatin1(line));
  }
  TAdvSplashTopLayerItem& item = splash.TopLayerItems().Add();
  item.SetAlign(TAlign::alBottom);
  item.SetHeight(40);
  item.Fill().SetColor(RGB(250, 250, 250));
  item.Fill().SetColorTo(RGB(200, 210, 230));
  item.Fill().SetOpacity(120);
  item.Fill().SetBorderColor(clNone);
  item.HTMLText().SetText(QStringLiteral("top layer item, <B>centred</B>"));
  item.HTMLText().SetLocation(TAdvSmoothSplashScreenLocation::cpCenterCenter);
  TSplashItem& free = splash.Items().Add();
  free.SetText(QStringLiteral("free item"));
  free.SetPosX(340);
  free.SetPosY(90);
  free.Font().SetColor(clYellow);
  TGDIPSplashProgress& bar = splash.ProgressBar();
  StyleBar(bar);
  bar.SetLeft(20);
  bar.SetTop(200);
  bar.SetWidth(440);
  bar.SetValueVisible(true);
  bar.SetValueType(TGDIPProgressValueType::vtPercentage);
  bar.SetPosition(60);
  bar.SetVisible(true);
  splash.Show();
  splash.Hide();
  QImage sheet(presented.size() + QSize(40, 40), QImage::Format_ARGB32);
  QPainter p(&sheet);
  for (int y = 0; y < sheet.height(); y += 10) {
    for (int x = 0; x < sheet.width(); x += 10) {
      p.fillRect(x, y, 10, 10, ((x + y) / 10) % 2 == 0 ? QColor(235, 235, 235) : QColor(190, 190, 190));
    }
  }
  p.drawImage(20, 20, presented);
  p.end();
  return {QStringLiteral("splash_layers.png"), sheet};
}

}  // namespace

std::vector<Sheet> SplashSheets() { return {ProgressBarsSheet(), LayersSheet()}; }

}  // namespace WidgetGallery
