#include "tools/widgetgallery/WidgetGallery.h"
#include "tools/widgetgallery/WidgetGallery_Docking.h"
#include "tools/widgetgallery/WidgetGallery_Hatches.h"
#include "tools/widgetgallery/WidgetGallery_Smooth.h"
#include "tools/widgetgallery/WidgetGallery_Splash.h"

#include <functional>
#include <memory>

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TForm.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/buttons/TRzShapeButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

// Each sheet is a form with the widgets in a grid, every one under a small
// caption naming its state; the form is shown (offscreen) so that focus and
// presses work, then grabbed.

namespace WidgetGallery {
namespace {
constexpr TColor kChannelColors[] = {0x00FFFF00, 0x0000FF00, 0x00FF80FF, 0x0000FFFF, 0x004080FF, 0x00FF8000};

class SheetForm {
public:
  SheetForm(int width, int height, TColor color, TColor textColor) : m_textColor(textColor) {
    m_form.SetBounds(0, 0, width, height);
    m_form.SetColor(color);
  }

  TForm* Form() { return &m_form; }

  /// Places control at the next grid cell with a caption above it.
  template <typename T>
  T* Add(T* control, int width, int height, const QString& caption) {
    if (m_x + width > m_form.Width() - 8) {
      NewRow();
    }
    auto* label = new TRzLabel(&m_form);
    label->SetTransparent(true);
    label->Font().SetColor(m_textColor);
    label->SetCaption(caption);
    label->SetLeft(m_x);
    label->SetTop(m_y);
    control->SetBounds(m_x, m_y + 16, width, height);
    m_x += std::max(width, label->Width()) + 12;
    m_rowHeight = std::max(m_rowHeight, height + 16);
    return control;
  }

  void NewRow() {
    m_x = 8;
    m_y += m_rowHeight + 10;
    m_rowHeight = 0;
  }

  /// Shows the form active, runs the step (presses need the focus), grabs.
  QImage Grab(const std::function<void()>& whileShown = {}) {
    m_form.show();
    m_form.activateWindow();
    QDeadlineTimer deadline(2000);
    while (!m_form.isActiveWindow() && !deadline.hasExpired()) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    if (whileShown) {
      whileShown();
    }
    QApplication::processEvents();
    return m_form.grab().toImage();
  }

private:
  TForm m_form;
  TColor m_textColor;
  int m_x = 8;
  int m_y = 8;
  int m_rowHeight = 0;
};

void PressWithoutRelease(QWidget* w) {
  const QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

void ReleaseOutside(QWidget* w) {
  const QPointF at(-50, -50);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

Sheet PanelsSheet() {
  SheetForm sheet(720, 420, clBtnFace, clBlack);
  TForm* f = sheet.Form();
  using Rz::TFrameStyleEx;
  const std::pair<TFrameStyleEx, const char*> outers[] = {
      {TFrameStyleEx::fsRaised, "fsRaised"}, {TFrameStyleEx::fsLowered, "fsLowered"},
      {TFrameStyleEx::fsGroove, "fsGroove"}, {TFrameStyleEx::fsFlat, "fsFlat"},
      {TFrameStyleEx::fsFlatRounded, "fsFlatRounded"}};
  for (const auto& [style, name] : outers) {
    auto* panel = sheet.Add(new TRzPanel(f), 120, 50, QString::fromLatin1(name));
    panel->SetBorderOuter(style);
    panel->SetCaption(QStringLiteral("Panel"));
  }
  sheet.NewRow();
  auto* gradient = sheet.Add(new TRzPanel(f), 120, 50, QStringLiteral("vsGradient"));
  gradient->SetVisualStyle(TRzVisualStyle::vsGradient);
  gradient->SetGradientColorStyle(Rz::TRzGradientColorStyle::gcsCustom);
  gradient->SetGradientColorStop(clNavy);
  gradient->SetCaption(QStringLiteral("Gradient"));
  gradient->Font().SetColor(clWhite);
  auto* grid = sheet.Add(new TRzPanel(f), 120, 50, QStringLiteral("grid, lines"));
  grid->SetShowGrid(true);
  grid->SetGridStyle(TRzGridStyle::gsSolidLines);
  auto* dots = sheet.Add(new TRzPanel(f), 120, 50, QStringLiteral("grid, dots, disabled"));
  dots->SetShowGrid(true);
  dots->SetCaption(QStringLiteral("Disabled"));
  dots->SetEnabled(false);
  auto* gap = sheet.Add(new TRzPanel(f), 120, 50, QStringLiteral("raised + gap + lowered"));
  gap->SetBorderInner(TFrameStyleEx::fsLowered);
  gap->SetBorderWidth(3);
  gap->SetBorderColor(clTeal);
  auto* transparent = sheet.Add(new TRzPanel(f), 120, 50, QStringLiteral("transparent"));
  transparent->SetBorderOuter(TFrameStyleEx::fsNone);
  transparent->SetTransparent(true);
  transparent->SetCaption(QStringLiteral("(invisible)"));
  sheet.NewRow();
  const std::pair<TRzGroupBoxStyle, const char*> styles[] = {
      {TRzGroupBoxStyle::gsStandard, "gsStandard"}, {TRzGroupBoxStyle::gsFlat, "gsFlat"},
      {TRzGroupBoxStyle::gsTopLine, "gsTopLine"},   {TRzGroupBoxStyle::gsBanner, "gsBanner"},
      {TRzGroupBoxStyle::gsUnderline, "gsUnderline"}, {TRzGroupBoxStyle::gsCustom, "gsCustom (forms)"}};
  for (const auto& [style, name] : styles) {
    auto* box = sheet.Add(new TRzGroupBox(f), 110, 70, QString::fromLatin1(name));
    box->SetGroupStyle(style);
    if (style == TRzGroupBoxStyle::gsCustom) {
      box->SetTransparent(true);
    } else {
      box->SetCaption(QStringLiteral("&Group"));
    }
  }
  return {QStringLiteral("panels.png"), sheet.Grab()};
}

Sheet LabelsSheet() {
  SheetForm sheet(720, 360, clBtnFace, clBlack);
  TForm* f = sheet.Form();
  const std::pair<TTextStyle, const char*> styles[] = {{TTextStyle::tsNormal, "tsNormal"},
                                                       {TTextStyle::tsRaised, "tsRaised"},
                                                       {TTextStyle::tsRecessed, "tsRecessed"},
                                                       {TTextStyle::tsShadow, "tsShadow"}};
  for (const auto& [style, name] : styles) {
    auto* label = sheet.Add(new TRzLabel(f), 100, 24, QString::fromLatin1(name));
    label->Font().SetHeight(-18);
    label->Font().SetStyle({TFontStyle::fsBold});
    label->SetTextStyle(style);
    label->SetCaption(QStringLiteral("KRV-71"));
  }
  auto* disabled = sheet.Add(new TRzLabel(f), 100, 24, QStringLiteral("disabled"));
  disabled->Font().SetHeight(-18);
  disabled->SetTextStyle(TTextStyle::tsRaised);
  disabled->SetCaption(QStringLiteral("KRV-71"));
  disabled->SetEnabled(false);
  sheet.NewRow();
  auto* framed = sheet.Add(new TRzLabel(f), 100, 24, QStringLiteral("framed, centred"));
  framed->SetAutoSize(false);
  framed->SetBorderOuter(Rz::TFrameStyleEx::fsLowered);
  framed->SetAlignment(TAlignment::taCenter);
  framed->SetLayout(TTextLayout::tlCenter);
  framed->SetColor(clWhite);
  framed->SetCaption(QStringLiteral("1000 Hz"));
  framed->SetBounds(framed->Left(), framed->Top(), 100, 24);
  auto* condensed = sheet.Add(new TRzLabel(f), 90, 20, QStringLiteral("ccAtEnd"));
  condensed->SetCondenseCaption(TRzCondenseCaption::ccAtEnd);
  condensed->SetCaption(QStringLiteral("A caption far too long to fit"));
  condensed->SetBounds(condensed->Left(), condensed->Top(), 90, 20);
  for (const int angle : {45, 90, 180, 270}) {
    auto* turned = sheet.Add(new TRzLabel(f), 80, 80, QStringLiteral("roFlat %1").arg(angle));
    turned->SetAutoSize(false);
    turned->SetAlignment(TAlignment::taCenter);
    turned->SetColor(clWhite);
    turned->SetCaption(QStringLiteral("Turned"));
    turned->SetAngle(angle);
    turned->SetBounds(turned->Left(), turned->Top(), 80, 80);
  }
  sheet.NewRow();
  auto* curved = sheet.Add(new TRzLabel(f), 120, 120, QStringLiteral("roCurve"));
  curved->SetAutoSize(false);
  curved->SetColor(clWhite);
  curved->SetRotation(TRotation::roCurve);
  curved->SetAngle(90);
  curved->Font().SetHeight(-14);
  curved->SetCaption(QStringLiteral("Curved caption"));
  curved->SetBounds(curved->Left(), curved->Top(), 120, 120);
  auto* shadowTurned = sheet.Add(new TRzLabel(f), 80, 80, QStringLiteral("roFlat 30, shadow"));
  shadowTurned->SetAutoSize(false);
  shadowTurned->SetAlignment(TAlignment::taCenter);
  shadowTurned->SetTextStyle(TTextStyle::tsShadow);
  shadowTurned->SetCaption(QStringLiteral("Shadow"));
  shadowTurned->SetAngle(30);
  shadowTurned->SetBounds(shadowTurned->Left(), shadowTurned->Top(), 80, 80);
  return {QStringLiteral("labels.png"), sheet.Grab()};
}

TRzComboBox* FormCombo(TForm* form) {
  auto* combo = new TRzComboBox(form);
  combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  combo->SetFlatButtons(true);
  combo->SetColor(0x00FFFFDF);
  combo->SetItems({QStringLiteral("Butterworth"), QStringLiteral("Bessel"), QStringLiteral("Linkwitz-Riley")});
  combo->SetItemIndex(2);
  return combo;
}

Sheet CombosSheet() {
  SheetForm sheet(720, 200, clBtnFace, clBlack);
  TForm* f = sheet.Form();
  sheet.Add(FormCombo(f), 120, 21, QStringLiteral("as on the forms"));
  TRzComboBox* hot = sheet.Add(FormCombo(f), 120, 21, QStringLiteral("hot (mouse over)"));
  TRzComboBox* focused = sheet.Add(FormCombo(f), 120, 21, QStringLiteral("focused"));
  sheet.Add(FormCombo(f), 120, 21, QStringLiteral("read-only"))->SetReadOnly(true);
  sheet.Add(FormCombo(f), 120, 21, QStringLiteral("disabled"))->SetEnabled(false);
  sheet.NewRow();
  auto* classic = sheet.Add(new TRzComboBox(f), 120, 21, QStringLiteral("classic button"));
  classic->SetStyle(TComboBoxStyle::csDropDownList);
  classic->SetItems({QStringLiteral("Peak")});
  classic->SetItemIndex(0);
  auto* editable = sheet.Add(new TRzComboBox(f), 120, 21, QStringLiteral("editable"));
  editable->SetItems({QStringLiteral("12 dB/oct"), QStringLiteral("24 dB/oct")});
  editable->SetFlatButtons(true);
  editable->SetItemIndex(1);
  TRzComboBox* framed = sheet.Add(FormCombo(f), 120, 21, QStringLiteral("own frame, hot track"));
  framed->SetFrameHotTrack(true);
  framed->SetFrameColor(clNavy);
  TRzComboBox* frameHot = sheet.Add(FormCombo(f), 120, 21, QStringLiteral("own frame, hot"));
  frameHot->SetFrameHotTrack(true);
  frameHot->SetFrameHotColor(clRed);
  const QImage image = sheet.Grab([&] {
    hot->Perform(CM_MOUSEENTER);
    frameHot->Perform(CM_MOUSEENTER);
    focused->SetFocus();
  });
  return {QStringLiteral("combo_boxes.png"), image};
}

Sheet PushButtonsSheet() {
  SheetForm sheet(720, 260, clBtnFace, clBlack);
  TForm* f = sheet.Form();
  auto button = [&](const QString& caption) {
    auto* b = sheet.Add(new TRzButton(f), 75, 25, caption);
    b->SetCaption(QStringLiteral("Button"));
    return b;
  };
  button(QStringLiteral("normal"));
  TRzButton* focused = button(QStringLiteral("focused"));
  TRzButton* pressed = button(QStringLiteral("pressed"));
  TRzButton* down = button(QStringLiteral("group, Down"));
  down->SetGroupIndex(1);
  down->SetDown(true);
  button(QStringLiteral("disabled"))->SetEnabled(false);
  TRzButton* raised = button(QStringLiteral("tsRaised"));
  raised->SetTextStyle(TTextStyle::tsRaised);
  sheet.NewRow();
  TRzButton* bypass = button(QStringLiteral("bypass, coloured"));
  bypass->SetThemeAware(false);
  bypass->SetColor(clLime);
  TRzButton* hot = button(QStringLiteral("hot track"));
  hot->SetHotTrack(true);
  TRzButton* hotOver = button(QStringLiteral("hot track, over"));
  hotOver->SetHotTrack(true);
  TRzButton* hotDisabled = button(QStringLiteral("hot, disabled"));
  hotDisabled->SetHotTrack(true);
  hotDisabled->SetEnabled(false);
  sheet.NewRow();
  TBitmap disc(40, 40);
  disc.Canvas().Brush().SetColor(clFuchsia);
  disc.Canvas().FillRect(Rect(0, 0, 40, 40));
  disc.Canvas().Brush().SetColor(clRed);
  disc.Canvas().Ellipse(2, 2, 38, 38);
  auto* shape = sheet.Add(new TRzShapeButton(f), 44, 44, QStringLiteral("shape button"));
  shape->SetBitmap(disc);
  shape->SetCaption(QStringLiteral("Go"));
  auto* shapeDown = sheet.Add(new TRzShapeButton(f), 44, 44, QStringLiteral("shape, down"));
  shapeDown->SetBitmap(disc);
  const QImage image = sheet.Grab([&] {
    focused->SetFocus();
    hotOver->Perform(CM_MOUSEENTER);
    PressWithoutRelease(pressed);
    PressWithoutRelease(shapeDown);
  });
  ReleaseOutside(pressed);
  ReleaseOutside(shapeDown);
  return {QStringLiteral("push_buttons.png"), image};
}

Sheet BitmapButtonsSheet() {
  SheetForm sheet(720, 260, RGB(32, 32, 36), clWhite);
  TForm* f = sheet.Form();
  auto button = [&](const QString& caption, TColor key) {
    auto* b = sheet.Add(new TRzBmpButton(f), 72, 26, caption);
    b->SetButtonSize(TBtnSize::bszStretchToButton);
    b->SetCaptionDownOffset(0);
    b->Font().SetColor(clWhite);
    b->SetCaption(QStringLiteral("Store"));
    ButtonFaces::Fill(b->Bitmaps(), 72, 26, key);
    return b;
  };
  button(QStringLiteral("Up (teal key)"), clTeal);
  button(QStringLiteral("Up (olive key)"), clOlive);
  TRzBmpButton* hot = button(QStringLiteral("Hot"), clTeal);
  TRzBmpButton* pressed = button(QStringLiteral("Down (pressed)"), clTeal);
  TRzBmpButton* stay = button(QStringLiteral("StayDown"), clTeal);
  stay->SetGroupIndex(1);
  stay->SetDown(true);
  button(QStringLiteral("Disabled (embossed)"), clTeal)->SetEnabled(false);
  sheet.NewRow();
  auto* top = button(QStringLiteral("blGlyphTop, margin 6"), clTeal);
  top->SetLayout(TButtonLayout::blGlyphTop);
  top->SetMargin(6);
  auto* single = button(QStringLiteral("bbSingle, stay-down"), clTeal);
  single->SetButtonBorder(TButtonBorder::bbSingle);
  single->SetGroupIndex(2);
  single->SetDown(true);
  auto* bordered = button(QStringLiteral("bbButton, stay-down"), clTeal);
  bordered->SetButtonBorder(TButtonBorder::bbButton);
  bordered->SetGroupIndex(3);
  bordered->SetDown(true);
  const QImage image = sheet.Grab([&] {
    hot->Perform(CM_MOUSEENTER);
    PressWithoutRelease(pressed);
  });
  ReleaseOutside(pressed);
  return {QStringLiteral("bitmap_buttons.png"), image};
}

Sheet LedButtonsSheet() {
  SheetForm sheet(720, 220, clBlack, clWhite);
  TForm* f = sheet.Form();
  const QString names[] = {QStringLiteral("InA"),  QStringLiteral("InB"),  QStringLiteral("InC"),
                           QStringLiteral("Out1"), QStringLiteral("Out2"), QStringLiteral("Out3")};
  for (int i = 0; i < 6; ++i) {
    auto* power = sheet.Add(new TVrPowerButton(f), 60, 16, i % 2 == 0 ? QStringLiteral("Active") : QString());
    power->SetBevelWidth(0);
    power->SetOutlineWidth(0);
    power->SetColor(clBlack);
    power->Palette().SetHigh(clYellow);
    power->Palette().SetLow(clOlive);
    power->Font().SetSize(8);
    power->Font().SetColor(kChannelColors[i]);
    power->SetCaption(names[i]);
    power->SetActive(i % 2 == 0);
  }
  auto* wide = sheet.Add(new TVrPowerButton(f), 118, 16, QStringLiteral("118 x 16, low black"));
  wide->SetBevelWidth(0);
  wide->SetOutlineWidth(0);
  wide->SetColor(clBlack);
  wide->Palette().SetHigh(clYellow);
  wide->Palette().SetLow(clBlack);
  wide->Font().SetSize(8);
  wide->Font().SetColor(clWhite);
  wide->SetCaption(QStringLiteral("Remove FIR Latency"));
  auto* bare = sheet.Add(new TVrPowerButton(f), 47, 16, QStringLiteral("47 x 16"));
  bare->SetBevelWidth(0);
  bare->SetOutlineWidth(0);
  bare->SetColor(clBlack);
  bare->Palette().SetHigh(clYellow);
  bare->Palette().SetLow(clOlive);
  auto* off = sheet.Add(new TVrPowerButton(f), 60, 16, QStringLiteral("disabled"));
  off->SetBevelWidth(0);
  off->SetOutlineWidth(0);
  off->SetColor(clBlack);
  off->Font().SetSize(8);
  off->SetCaption(QStringLiteral("PEQ"));
  off->SetEnabled(false);
  sheet.NewRow();
  auto demo = [&](const QString& caption) {
    auto* d = sheet.Add(new TVrDemoButton(f), 70, 20, caption);
    d->SetColor(clBlack);
    d->SetBevelWidth(1);
    for (TFont* font : {&d->FontEnter(), &d->FontLeave()}) {
      font->SetHeight(-11);
      font->SetStyle({});
      font->SetColor(clActiveBorder);
    }
    d->SetCaption(QStringLiteral("Reset"));
    return d;
  };
  demo(QStringLiteral("3D-text button"));
  TVrDemoButton* pressed = demo(QStringLiteral("pressed"));
  demo(QStringLiteral("flat"))->SetFlat(true);
  TVrDemoButton* raised = demo(QStringLiteral("f3dRaised"));
  raised->Font3D().SetStyle(TVrFont3DStyle::f3dRaised);
  raised->Font3D().SetShadowColor(clGray);
  demo(QStringLiteral("disabled"))->SetEnabled(false);
  const QImage image = sheet.Grab([&] { PressWithoutRelease(pressed); });
  ReleaseOutside(pressed);
  return {QStringLiteral("led_buttons.png"), image};
}

// A row of a band editor panel as the band panels build it: a transparent
// group box holding centred coloured labels, type and value combo boxes and
// the classic bypass button.
Sheet BandRowSheet() {
  SheetForm sheet(560, 150, clBlack, clWhite);
  TForm* f = sheet.Form();
  auto* box = sheet.Add(new TRzGroupBox(f), 520, 96, QStringLiteral("band panel row"));
  box->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  box->SetTransparent(true);
  const QString heads[] = {QStringLiteral("Band"), QStringLiteral("Type"), QStringLiteral("Freq"),
                           QStringLiteral("Gain"), QStringLiteral("Q"), QStringLiteral("Bypass")};
  const int lefts[] = {4, 44, 148, 240, 320, 400};
  for (int i = 0; i < 6; ++i) {
    auto* head = new TRzLabel(box);
    head->SetAutoSize(false);
    head->SetTransparent(true);
    head->SetAlignment(TAlignment::taCenter);
    head->Font().SetColor(clSilver);
    head->SetCaption(heads[i]);
    head->SetBounds(lefts[i], 4, i == 1 ? 100 : 76, 14);
  }
  for (int row = 0; row < 2; ++row) {
    const int top = 22 + row * 34;
    auto* number = new TRzLabel(box);
    number->SetAutoSize(false);
    number->SetTransparent(true);
    number->SetAlignment(TAlignment::taCenter);
    number->SetLayout(TTextLayout::tlCenter);
    number->Font().SetColor(kChannelColors[row]);
    number->Font().SetStyle({TFontStyle::fsBold});
    number->SetCaption(QString::number(row + 1));
    number->SetBounds(4, top, 36, 21);
    auto* type = new TRzComboBox(box);
    type->SetStyle(TComboBoxStyle::csDropDownList);
    type->SetFlatButtons(true);
    type->SetColor(0x00FFFFDF);
    type->SetItems({QStringLiteral("Peak"), QStringLiteral("Low Shelf")});
    type->SetItemIndex(row);
    type->SetBounds(44, top, 100, 21);
    const QString values[] = {row == 0 ? QStringLiteral("1000Hz") : QStringLiteral("80.0Hz"),
                              row == 0 ? QStringLiteral("+3.0dB") : QStringLiteral("-6.5dB"),
                              row == 0 ? QStringLiteral("1.41") : QStringLiteral("0.71")};
    for (int i = 0; i < 3; ++i) {
      auto* value = new TRzLabel(box);
      value->SetAutoSize(false);
      value->SetAlignment(TAlignment::taCenter);
      value->SetLayout(TTextLayout::tlCenter);
      value->SetColor(RGB(20, 20, 20));
      value->SetBorderOuter(Rz::TFrameStyleEx::fsFlat);
      value->SetFlatColor(clGray);
      value->Font().SetColor(kChannelColors[row]);
      value->SetCaption(values[i]);
      value->SetBounds(lefts[2 + i], top, 76, 21);
    }
    auto* bypass = new TRzButton(box);
    bypass->SetThemeAware(false);
    bypass->SetColor(row == 0 ? clBtnFace : RGB(255, 96, 96));
    bypass->SetCaption(row == 0 ? QStringLiteral("On") : QStringLiteral("Bypass"));
    bypass->SetBounds(lefts[5], top, 76, 21);
  }
  return {QStringLiteral("band_row.png"), sheet.Grab()};
}
}  // namespace

std::vector<Sheet> RenderAll() {
  std::vector<Sheet> sheets = {PanelsSheet(),        LabelsSheet(),     CombosSheet(), PushButtonsSheet(),
                               BitmapButtonsSheet(), LedButtonsSheet(), BandRowSheet(), DockingSheet(), HatchesSheet(),
                               PathGradientsSheet()};
  for (Sheet& sheet : SmoothSheets()) {
    sheets.push_back(std::move(sheet));
  }
  for (Sheet& sheet : SplashSheets()) {
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

}  // namespace WidgetGallery
