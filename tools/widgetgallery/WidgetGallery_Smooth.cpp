#include "tools/widgetgallery/WidgetGallery_Smooth.h"

#include <functional>

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>

#include "platform/pictures/TBitmap.h"
#include "platform/pictures/TImageList.h"
#include "platform/widgets/TForm.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TAdvProgressBar.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/trackbar/ThumbFaces.h"

// Smooth widgets on a shown (offscreen) form, each under a caption; the
// states that need input get it before the form is grabbed.

namespace WidgetGallery {
namespace {

void Caption(TForm& form, int x, int y, const QString& text) {
  auto* label = new TRzLabel(&form);
  label->SetTransparent(true);
  label->SetCaption(text);
  label->SetLeft(x);
  label->SetTop(y);
}

QImage GrabShown(TForm& form) {
  form.show();
  form.activateWindow();
  QDeadlineTimer deadline(2000);
  while (!form.isActiveWindow() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QApplication::processEvents();
  return form.grab().toImage();
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

// A fader as the forms have it: transparent, 3-pixel graded slider, no ticks.
TAdvTrackBar* Fader(TForm& form, int x, int y, bool horizontal, int position) {
  auto* bar = new TAdvTrackBar(&form);
  bar->SetOrientation(horizontal ? TTrackBarOrientation::trHorizontal : TTrackBarOrientation::trVertical);
  bar->SetBounds(x, y, horizontal ? 155 : 26, horizontal ? 26 : 155);
  bar->TickMark().SetStyle(TTickStyle::tsNone);
  bar->Slider().SetSize(3);
  bar->Slider().SetBorderColor(clMedGray);
  bar->SetShowFocus(true);
  ThumbFaces::Fill(bar->Thumb(), horizontal);
  bar->SetMin(horizontal ? -80 : -280);
  bar->SetMax(horizontal ? 0 : 120);
  bar->SetPosition(position);
  return bar;
}

QPoint ThumbCentre(TAdvTrackBar* bar) {
  const TRect t = bar->GetThumbRect();
  return QPoint(t.Left + t.Width() / 2, t.Top + t.Height() / 2);
}

Sheet FadersSheet() {
  TForm form;
  form.SetBounds(0, 0, 560, 260);
  form.SetColor(clBtnFace);
  const char* const states[] = {"normal", "hot", "down", "disabled", "focused"};
  TAdvTrackBar* bars[5];
  for (int i = 0; i < 5; ++i) {
    Caption(form, 8 + i * 60, 8, QString::fromLatin1(states[i]));
    bars[i] = Fader(form, 14 + i * 60, 28, false, -280 + i * 90);
  }
  Caption(form, 320, 8, QStringLiteral("tone level"));
  Fader(form, 320, 28, true, -20);
  Caption(form, 320, 70, QStringLiteral("no picture (Luna)"));
  auto* plain = new TAdvTrackBar(&form);
  plain->SetBounds(320, 90, 200, 40);
  plain->SetComponentStyle(TStylePreset::tsOffice2007Luna);
  plain->SetMax(20);
  plain->SetPosition(7);
  Caption(form, 320, 140, QStringLiteral("round thumb, ticks both"));
  auto* round = new TAdvTrackBar(&form);
  round->SetBounds(320, 160, 200, 50);
  round->Thumb().SetShape(TThumbShape::tsRound);
  round->TickMark().SetPosition(TTickMark::tmBoth);
  round->SetMax(20);
  round->SetPosition(13);
  bars[3]->SetEnabled(false);
  QImage image;
  form.show();
  GrabShown(form);
  SendMouse(bars[1], QEvent::MouseMove, ThumbCentre(bars[1]), Qt::NoButton);
  SendMouse(bars[2], QEvent::MouseButtonPress, ThumbCentre(bars[2]), Qt::LeftButton);
  bars[4]->SetFocus();
  image = GrabShown(form);
  SendMouse(bars[2], QEvent::MouseButtonRelease, ThumbCentre(bars[2]), Qt::NoButton);
  return {QStringLiteral("smooth_faders.png"), image};
}

Sheet EditBoxesSheet() {
  TForm form;
  form.SetBounds(0, 0, 420, 170);
  form.SetColor(clBtnFace);
  struct Box {
    const char* caption;
    TColor color;
    bool readOnly;
    bool enabled;
    int rounding;
    const char* text;
  } const boxes[] = {{"white, rounding 6", clWhite, false, true, 6, "-12.5"},
                     {"read-only", 0x00FFFFDF, true, true, 6, "1000"},
                     {"rounding 4", clWhite, false, true, 4, "63"},
                     {"disabled", clWhite, false, false, 6, "0.7"}};
  for (int i = 0; i < 4; ++i) {
    const Box& b = boxes[i];
    Caption(form, 8 + i * 100, 8, QString::fromLatin1(b.caption));
    auto* box = new TCurvyEdit(&form);
    box->SetBounds(8 + i * 100, 28, 80, 24);
    box->SetRounding(b.rounding);
    box->SetColor(b.color);
    box->SetBorderColor(clHighlightText);
    box->SetAlignment(TAlignment::taCenter);
    box->Font().SetSize(8);
    box->SetReadOnly(b.readOnly);
    box->SetText(QString::fromLatin1(b.text));
    box->SetEnabled(b.enabled);
  }
  Caption(form, 8, 64, QStringLiteral("empty prompt"));
  auto* prompt = new TCurvyEdit(&form);
  prompt->SetBounds(8, 84, 120, 24);
  prompt->SetEmptyText(QStringLiteral("type a value"));
  // Buttons from an image list: normal, hovered and pressed pictures, one with a drop-down arrow.
  auto* images = new TImageList;
  images->setParent(&form);
  images->SetSize(12, 12);
  for (const TColor color : {clGray, clBlue, clNavy}) {
    TBitmap glyph(12, 12);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 12, 12));
    glyph.Canvas().Brush().SetColor(color);
    glyph.Canvas().Pen().SetColor(color);
    glyph.Canvas().Ellipse(1, 1, 11, 11);
    glyph.Canvas().Pen().SetColor(clWhite);
    glyph.Canvas().MoveTo(3, 6);
    glyph.Canvas().LineTo(9, 6);
    glyph.Canvas().MoveTo(6, 3);
    glyph.Canvas().LineTo(6, 9);
    images->AddMasked(glyph, clFuchsia);
  }
  const struct {
    const char* caption;
    TControlState state;
    TControlPosition position;
    bool dropDown;
  } buttons[] = {{"image button", TControlState::csNormal, TControlPosition::cpRightInControl, false},
                 {"hovered", TControlState::csHover, TControlPosition::cpRightInControl, false},
                 {"pressed, left", TControlState::csDown, TControlPosition::cpLeftInControl, false},
                 {"drop-down", TControlState::csNormal, TControlPosition::cpRightInControl, true}};
  for (int i = 0; i < 4; ++i) {
    Caption(form, 8 + i * 100, 118, QString::fromLatin1(buttons[i].caption));
    auto* box = new TCurvyEdit(&form);
    box->SetBounds(8 + i * 100, 138, 90, 24);
    box->SetRounding(6);
    box->SetColor(clWhite);
    box->SetBorderColor(clHighlightText);
    box->SetAlignment(TAlignment::taCenter);
    box->Font().SetSize(8);
    box->SetText(QStringLiteral("440"));
    TCurvyControl& item = box->Controls().Add();
    item.SetImageIndex(0);
    item.SetImageIndexHover(1);
    item.SetImageIndexDown(2);
    item.SetPosition(buttons[i].position);
    item.SetDropDown(buttons[i].dropDown);
    item.SetState(buttons[i].state);
    box->SetImages(images);
  }
  return {QStringLiteral("smooth_editboxes.png"), GrabShown(form)};
}

Sheet ProgressSheet() {
  TForm form;
  form.SetBounds(0, 0, 360, 300);
  form.SetColor(clBtnFace);
  const int steps[] = {0, 120, 473, 663, 851, 946};
  for (int i = 0; i < 6; ++i) {
    Caption(form, 8, 8 + i * 34, QStringLiteral("%1 / 946").arg(steps[i]));
    auto* bar = new TAdvProgressBar(&form);
    bar->SetBounds(90, 8 + i * 34, 250, 18);
    bar->SetMax(946);
    for (int v = 0; v <= steps[i]; ++v) {
      bar->SetPosition(v);
    }
  }
  Caption(form, 8, 216, QStringLiteral("stacked, smooth"));
  auto* stacked = new TAdvProgressBar(&form);
  stacked->SetBounds(120, 216, 220, 18);
  stacked->SetStacked(true);
  stacked->SetCompletionSmooth(true);
  stacked->SetPosition(95);
  Caption(form, 8, 250, QStringLiteral("vertical"));
  auto* vertical = new TAdvProgressBar(&form);
  vertical->SetBounds(120, 244, 40, 50);
  vertical->SetOrientation(TGaugeOrientation::goVertical);
  vertical->SetPosition(75);
  return {QStringLiteral("smooth_progress.png"), GrabShown(form)};
}

Sheet FillsSheet() {
  constexpr int kCell = 110;
  TBitmap sheet(4 * kCell, 2 * kCell);
  sheet.Canvas().Brush().SetColor(clBtnFace);
  sheet.Canvas().FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));
  TGPGraphics g(sheet.Canvas());
  g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
  auto cell = [&](int i, const std::function<void(TGDIPFill&)>& set) {
    TGDIPFill fill;
    set(fill);
    fill.Fill(&g, TGPRectF{float(i % 4 * kCell + 10), float(i / 4 * kCell + 10), kCell - 20, kCell - 20});
  };
  cell(0, [](TGDIPFill&) {});
  cell(1, [](TGDIPFill& f) {
    f.SetColor(0x00F7E0C8);
    f.SetColorTo(0x00E0B080);
    f.SetColorMirror(0x00D09050);
    f.SetColorMirrorTo(0x00F0D0A0);
    f.SetRounding(8);
    f.SetBorderColor(0x00804020);
  });
  cell(2, [](TGDIPFill& f) {
    f.SetGradientType(TAdvGradientType::gtRadial);
    f.SetColor(0x00400000);
    f.SetColorTo(0x00FFC080);
    f.SetRounding(12);
  });
  cell(3, [](TGDIPFill& f) {
    f.SetGradientType(TAdvGradientType::gtHatch);
    f.SetHatchStyle(HatchStyle::HatchStyleDiagonalCross);
    f.SetColor(clNavy);
    f.SetColorTo(clWhite);
  });
  cell(4, [](TGDIPFill& f) {
    f.SetShadowOffset(6);
    f.SetShadowType(TShadowType::stSurround);
    f.SetColor(clWhite);
    f.SetColorTo(clSilver);
    f.SetRounding(6);
  });
  cell(5, [](TGDIPFill& f) {
    f.SetGlow(TGlowMode::gmRadialGradient);
    f.SetColor(0x00306030);
    f.SetColorTo(0x0050A050);
    f.SetRounding(10);
  });
  cell(6, [](TGDIPFill& f) {
    f.SetGradientType(TAdvGradientType::gtAngle);
    f.SetAngle(30);
    f.SetColor(clYellow);
    f.SetColorTo(clRed);
    f.SetOpacityTo(120);
  });
  cell(7, [](TGDIPFill& f) {
    f.SetColor(clWhite);
    f.SetColorTo(clWhite);
    f.SetBorderColor(clGray);
    f.SetRounding(6);
    f.SetFocus(true);
  });
  return {QStringLiteral("smooth_fills.png"), sheet.Image()};
}

}  // namespace

std::vector<Sheet> SmoothSheets() { return {FadersSheet(), EditBoxesSheet(), ProgressSheet(), FillsSheet()}; }

}  // namespace WidgetGallery
