// The start-up splash of the main window: built and shown while the window
// is still being made, taken away by the window's showing.
#include "app/ProductName.h"
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

// A white Tahoma heading at its own place.
void ConfigureHeading(TSplashHeadingText& heading, const QString& text, int x, int y, int points, bool bold) {
  heading.SetText(text);
  heading.SetLocation(TItemLocation::ilCustom);
  heading.SetPosX(x);
  heading.SetPosY(y);
  heading.SetColorStart(clWhite);
  heading.Font().SetName(QStringLiteral("Tahoma"));
  heading.Font().SetSize(points);
  heading.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

void ConfigureTexts(TAdvSmoothSplashScreen& splash) {
  ConfigureHeading(splash.BasicProgramInfo().ProgramName(), kProductName, 45,
                   130, 22, true);
  ConfigureHeading(splash.BasicProgramInfo().ProgramVersion(), kProductVersion, 540, 140, 14, false);
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
