// The start-up splash of the main window: built and shown while the window
// is still being made, taken away by the window's showing.
#include "app/TfmMain.h"
#include "resources/SplashArtwork.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/TBasicProgramInfo.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"

namespace {

void ConfigureFill(TGDIPFill& fill) {
  fill.Picture().LoadFromBytes(SplashArtworkPng());
  fill.SetPicturePosition(TFillPicturePosition::ppBottomCenter);
  fill.SetOpacity(249);
  fill.SetColor(clNone);
  fill.SetColorTo(clNone);
  fill.SetColorMirror(clNone);
  fill.SetColorMirrorTo(clNone);
  fill.SetBorderColor(clNone);
  fill.SetBorderWidth(1);
  fill.SetRounding(0);
  fill.SetShadowOffset(0);
}

void ConfigureTexts(TAdvSmoothSplashScreen& splash) {
  TSplashHeadingText& name = splash.BasicProgramInfo().ProgramName();
  name.SetText(QStringLiteral("KRV-71 FIR DSP Processor Editor"));
  name.SetLocation(TItemLocation::ilCustom);
  name.SetPosX(45);
  name.SetPosY(130);
  name.SetColorStart(clWhite);
  name.Font().SetName(QStringLiteral("Tahoma"));
  name.Font().SetSize(22);
  name.Font().SetStyle({TFontStyle::fsBold});
  TSplashHeadingText& version = splash.BasicProgramInfo().ProgramVersion();
  version.SetText(QStringLiteral("V1.0"));
  version.SetLocation(TItemLocation::ilCustom);
  version.SetPosX(540);
  version.SetPosY(140);
  version.SetColorStart(clWhite);
  version.Font().SetName(QStringLiteral("Tahoma"));
  version.Font().SetSize(14);
  TListItemsRect& rect = splash.ListItemsSettings().Rect();
  rect.SetLeft(180);
  rect.SetTop(210);
  rect.SetWidth(500);
  rect.SetHeight(250);
  splash.ListItems().Add().SetHTMLText(
      QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
}

void ConfigureProgressBar(TGDIPSplashProgress& bar) {
  bar.SetLeft(160);
  bar.SetTop(220);
  bar.SetHeight(12);
  bar.ProgressFill().SetColor(clWhite);
  bar.ProgressFill().SetColorTo(RGB(170, 205, 255));
  bar.BackGroundFill().SetBorderColor(clGray);
  bar.SetValueFormat(QStringLiteral("%.0f%%"));
  bar.SetVisible(false);
}

}  // namespace

void TfmMain::ShowSplash() {
  m_asScreen = std::make_unique<TAdvSmoothSplashScreen>(this);
  TAdvSmoothSplashScreen& splash = *m_asScreen;
  ConfigureFill(splash.Fill());
  ConfigureTexts(splash);
  ConfigureProgressBar(splash.ProgressBar());
  splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  splash.SetTimeOut(100);
  splash.Loaded();
}
