#include "firdesign/FirDesignBuilder.h"

#include <stdexcept>

#include "components/peq/TMyPEQFir.h"
#include "firdesign/FirDesignForm.h"
#include "platform/pictures/TBitmap.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "plot/core/TiPlot.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/panelset/Gradients.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

constexpr TColor kPageColor = 0x003C3430;
constexpr TColor kPageColorTo = 0x00201C18;
constexpr TColor kFrameColor = 0x00786860;
constexpr TColor kLabelColor = clWhite;
/// Where the value holders lie: left of every group's visible area.
constexpr int kHolderLeft = -400;

/// A picture for the frame images: a dark vertical gradient with a light rim.
void PaintBase(TImage& image, TColor top, TColor bottom) {
  TBitmap& bitmap = image.Picture().Bitmap();
  bitmap.SetSize(64, 64);
  Rz::FillGradient(bitmap.Canvas(), Rect(0, 0, 64, 64), Rz::TGradientDirection::gdVerticalEnd, top, bottom, 32);
  bitmap.Canvas().Brush().SetColor(kFrameColor);
  bitmap.Canvas().FrameRect(Rect(0, 0, 64, 64));
  image.PictureChanged();
}

}  // namespace

FirDesignBuilder::FirDesignBuilder(TForm& form, ControlRegistry& registry, FirDesignForm& controls)
    : m_form(form), m_registry(registry), m_c(controls) {}

template <class T>
T& FirDesignBuilder::Make(QWidget* parent, const QString& name, int left, int top, int width, int height, int tag) {
  auto* control = new T(parent);
  control->SetName(name);
  control->SetTag(tag);
  control->SetBounds(left, top, width, height);
  if (!m_registry.Register(name, control)) {
    throw std::logic_error("control name used twice: " + name.toStdString());
  }
  return *control;
}

void FirDesignBuilder::Build() {
  BuildFrame();
  BuildPlot();
  BuildPlotGroup();
  QWidget* param = m_c.rzgFirParam;
  BuildEqParameters(param);
  BuildEqualiser(param);
  BuildImport(param);
  BuildTarget(param);
  BuildRanges(param);
  BuildOutput(param);
}

TRzGroupBox& FirDesignBuilder::Group(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto& group = Make<TRzGroupBox>(parent, name, left, top, width, height);
  group.SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  group.SetVisualStyle(TRzVisualStyle::vsGradient);
  group.SetGradientColorStyle(Rz::TRzGradientColorStyle::gcsCustom);
  group.SetGradientColorStart(kPageColor);
  group.SetGradientColorStop(kPageColorTo);
  group.SetGradientDirection(Rz::TGradientDirection::gdVerticalEnd);
  group.SetColor(kPageColor);
  group.SetFlatColor(kFrameColor);
  group.SetBorderOuter(Rz::TFrameStyleEx::fsFlat);
  return group;
}

TLabel& FirDesignBuilder::Label(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
  auto& label = Make<TLabel>(parent, name, left, top, 0, 0);
  label.SetTransparent(true);
  label.Font().SetName(QStringLiteral("Tahoma"));
  label.Font().SetHeight(-12);
  label.Font().SetColor(kLabelColor);
  label.SetCaption(caption);
  return label;
}

TEdit& FirDesignBuilder::Edit(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                              int tag) {
  auto& edit = Make<TEdit>(parent, name, left, top, width, 21, tag);
  edit.Font().SetName(QStringLiteral("Tahoma"));
  edit.Font().SetHeight(-12);
  edit.SetText(text);
  return edit;
}

TRzBmpButton& FirDesignBuilder::Button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                       int width, int height, int tag) {
  auto& button = Make<TRzBmpButton>(parent, name, left, top, width, height, tag);
  button.SetCaption(caption);
  button.Font().SetName(QStringLiteral("Tahoma"));
  button.Font().SetHeight(-12);
  button.Font().SetColor(clWhite);
  ButtonFaces::Fill(button.Bitmaps(), width, height, clFuchsia);
  return button;
}

TRzBmpButton& FirDesignBuilder::Toggle(QWidget* parent, const QString& name, const QString& caption, int groupIndex,
                                       int left, int top, int width) {
  TRzBmpButton& button = Button(parent, name, caption, left, top, width, 21);
  button.SetGroupIndex(groupIndex);
  button.SetAllowAllUp(true);
  return button;
}

TVrPowerButton& FirDesignBuilder::CurveSwitch(QWidget* parent, const QString& name, const QString& caption,
                                              bool active, int left) {
  auto& button = Make<TVrPowerButton>(parent, name, left, 0, 62, 22);
  button.SetCaption(caption);
  button.SetColor(kPageColor);
  button.Font().SetHeight(-11);
  button.Font().SetColor(clWhite);
  button.SetActive(active);
  return button;
}

TVrDemoButton& FirDesignBuilder::DemoButton(QWidget* parent, const QString& name, const QString& caption, int left,
                                            int top, int width, int height, int tag) {
  auto& button = Make<TVrDemoButton>(parent, name, left, top, width, height, tag);
  button.SetCaption(caption);
  button.SetColor(clBlack);
  TFont font;
  font.SetName(QStringLiteral("Tahoma"));
  font.SetHeight(-11);
  font.SetColor(clActiveBorder);
  button.SetFontLeave(font);
  button.SetFontEnter(font);
  return button;
}

TAdvTrackBar& FirDesignBuilder::Slider(QWidget* parent, const QString& name, int min, int max, int position, int left,
                                       int top, int height) {
  auto& bar = Make<TAdvTrackBar>(parent, name, left, top, 30, height);
  bar.SetOrientation(TTrackBarOrientation::trVertical);
  bar.SetMin(min);
  bar.SetMax(max);
  bar.SetPosition(position);
  bar.SetComponentStyle(TStylePreset::tsOffice2010Black);
  bar.SetTransparent(true);
  return bar;
}

TAdvTrackBar& FirDesignBuilder::Holder(QWidget* parent, const QString& name, int min, int max, int position) {
  auto& bar = Make<TAdvTrackBar>(parent, name, kHolderLeft, 0, 150, 20);
  bar.SetMin(min);
  bar.SetMax(max);
  bar.SetPosition(position);
  return bar;
}

void FirDesignBuilder::BuildFrame() {
  m_form.Font().SetName(QStringLiteral("Tahoma"));
  m_form.Font().SetSize(8);
  m_form.SetColor(kPageColorTo);
  TRzGroupBox& main = Group(&m_form, QStringLiteral("rzgFirMain"), 0, 0, 1115, 600);
  m_c.rzgFirMain = &main;
  m_c.imLeftUpBase = &Make<TImage>(&main, QStringLiteral("imLeftUpBase"), 8, 14, 1082, 256);
  m_c.imRightUpBase = &Make<TImage>(&main, QStringLiteral("imRightUpBase"), 1077, 14, 28, 256);
  m_c.imLeftDownBase = &Make<TImage>(&main, QStringLiteral("imLeftDownBase"), 8, 256, 1082, 330);
  m_c.imRightDownBase = &Make<TImage>(&main, QStringLiteral("imRightDownBase"), 1077, 256, 28, 330);
  for (TImage* image : {m_c.imLeftUpBase, m_c.imRightUpBase, m_c.imLeftDownBase, m_c.imRightDownBase}) {
    image->SetStretch(true);
    PaintBase(*image, 0x00463E38, 0x00282420);
  }
  m_c.rzgFirFft = &Group(&main, QStringLiteral("rzgFirFft"), 16, 4, 1080, 285);
  m_c.rzgFirParam = &Group(&main, QStringLiteral("rzgFirParam"), 16, 292, 1080, 292);
}

void FirDesignBuilder::BuildPlotGroup() {
  QWidget* fft = m_c.rzgFirFft;
  m_c.rbFirShowGain = &Make<TRadioButton>(fft, QStringLiteral("rbFirShowGain"), 16, 2, 56, 18, 0);
  m_c.rbFirShowPhase = &Make<TRadioButton>(fft, QStringLiteral("rbFirShowPhase"), 80, 2, 64, 18, 1);
  for (TRadioButton* radio : {m_c.rbFirShowGain, m_c.rbFirShowPhase}) {
    radio->Font().SetName(QStringLiteral("Tahoma"));
    radio->Font().SetHeight(-12);
    radio->Font().SetStyle({TFontStyle::fsBold});
    radio->Font().SetColor(clWhite);
  }
  m_c.rbFirShowGain->SetCaption(QStringLiteral("Mag"));
  m_c.rbFirShowPhase->SetCaption(QStringLiteral("Phase"));
  m_c.rbFirShowGain->SetChecked(true);

  TRzGroupBox& curves = Group(fft, QStringLiteral("rzgFirFftShowCh"), 370, 0, 384, 22);
  curves.SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  m_c.rzgFirFftShowCh = &curves;
  m_c.vrbCurveLoad = &CurveSwitch(&curves, QStringLiteral("vrbCurveLoad"), QStringLiteral("Load"), true, 0);
  m_c.vrbCurvePeq = &CurveSwitch(&curves, QStringLiteral("vrbCurvePeq"), QStringLiteral("PEQ"), false, 64);
  m_c.vrbCurveTarget = &CurveSwitch(&curves, QStringLiteral("vrbCurveTarget"), QStringLiteral("Target"), false, 128);
  m_c.vrbCurveExpect = &CurveSwitch(&curves, QStringLiteral("vrbCurveExpect"), QStringLiteral("Except"), false, 192);
  m_c.vrbCurveFir = &CurveSwitch(&curves, QStringLiteral("vrbCurveFir"), QStringLiteral("FIR"), true, 256);
  m_c.vrbCurveSmooth = &CurveSwitch(&curves, QStringLiteral("vrbCurveSmooth"), QStringLiteral("Result"), true, 320);

  TRzGroupBox& keys = Group(fft, QStringLiteral("rzgFirFftShowName"), 146, 0, 224, 22);
  keys.SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  TLabel& help = Label(&keys, QStringLiteral("lbFirFftParam"), QString(), 0, 5);
  help.Font().SetHeight(-9);

  m_c.vrbFirEqBypass = &DemoButton(fft, QStringLiteral("vrbFirEqBypass"), QStringLiteral("EQ Bypass"), 800, 1, 90, 20);
  m_c.vrbFirEqReset = &DemoButton(fft, QStringLiteral("vrbFirEqReset"), QStringLiteral("EQ Reset"), 900, 1, 90, 20);
  m_c.vrbFirZoomIn = &DemoButton(fft, QStringLiteral("vrbFirZoomIn"), QStringLiteral("+"), 10, 110, 15, 20, 0);
  m_c.vrbFirZoomOut = &DemoButton(fft, QStringLiteral("vrbFirZoomOut"), QStringLiteral("-"), 10, 150, 15, 20, 1);
}

void FirDesignBuilder::BuildPlot() {
  QWidget* fft = m_c.rzgFirFft;
  m_c.fftFirDrawMag = &Make<TiPlot>(fft, QStringLiteral("fftFirDrawMag"), 15, 22, 1070, 255);
  m_c.fftFirDrawPhase = &Make<TiPlot>(fft, QStringLiteral("fftFirDrawPhase"), 15, 22, 1070, 255);
  m_c.fftFirDrawMag->SetVisible(false);
  m_c.fftFirDrawPhase->SetVisible(false);
  m_c.fftFirDraw = &Make<TiPlot>(fft, QStringLiteral("fftFirDraw"), 15, 22, 1070, 255);
}

void FirDesignBuilder::BuildEqParameters(QWidget* parent) {
  TRzGroupBox& group = Group(parent, QStringLiteral("rzgFirEqParam"), 4, 4, 196, 284);
  struct Bar {
    const char* stem;
    const char* caption;
    int max;
    int position;
    const char* text;
    int left;
    int boxLeft;
    int boxWidth;
  };
  const Bar bars[] = {{"FirEqFreq", "Freq", 300, 0, "19.7Hz", 18, 2, 66},
                      {"FirEqBw", "Q", 100, 0, "0.4", 82, 70, 58},
                      {"FirEqGain", "Gain", 240, 120, "+0.0dB", 146, 132, 60}};
  TAdvTrackBar** slots[] = {&m_c.isFirEqFreq, &m_c.isFirEqBw, &m_c.isFirEqGain};
  for (int i = 0; i < 3; ++i) {
    const Bar& bar = bars[i];
    const QString stem = QString::fromLatin1(bar.stem);
    Label(&group, QStringLiteral("lb") + stem, QString::fromLatin1(bar.caption), bar.left, 6);
    *slots[i] = &Slider(&group, QStringLiteral("is") + stem, 0, bar.max, bar.position, bar.left, 24, 222);
    auto& box = Make<TCurvyEdit>(&group, QStringLiteral("cvd") + stem, bar.boxLeft, 254, bar.boxWidth, 21);
    // As the main window's value boxes: the small corner leaves the inner
    // edit room for the widest texts ("20.16KHz", "128.00") at the 8-point
    // face; set before the inner edit is laid out.
    box.SetRounding(4);
    box.SetBounds(bar.boxLeft, 254, bar.boxWidth, 21);
    box.SetAlignment(TAlignment::taCenter);
    box.Font().SetSize(8);
    box.SetText(QString::fromLatin1(bar.text));
  }
  m_c.cvdFirEqParam = &Make<TCurvyEdit>(&group, QStringLiteral("cvdFirEqParam"), 0, 0, 0, 21);
  m_c.cvdFirEqParam->SetReadOnly(true);
}

void FirDesignBuilder::BuildEqualiser(QWidget* parent) {
  TRzGroupBox& group = Group(parent, QStringLiteral("rzgFirEq"), 204, 4, 470, 284);
  TLabel& header = Label(&group, QStringLiteral("lbFirEq"), QString(), 9, 0);
  header.SetAutoSize(false);
  header.SetBounds(9, 0, 452, 15);
  auto& panel = Make<TRzPanel>(&group, QStringLiteral("rzpFirEq"), 9, 14, 452, 270);
  panel.SetColor(kPageColorTo);
  panel.SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  auto& peq = Make<TMyPEQFir>(&panel, QStringLiteral("peqFirEq"), 0, 0, 452, 270);
  peq.Font().SetHeight(-12);
  peq.SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  peq.SetTransparent(true);
  peq.SetParentColor(true);
  peq.SetUpdownVisable(false);
  peq.SetChannelNumber(FirDesignForm::kBands);
  peq.SetLabelColor(clBackground);
  peq.SetEditBackColor(clWhite);
  peq.SetBypassBackColor(clSilver);
  peq.HandleNeeded();
  m_c.peqFirEq = &peq;
  // Over the band-number column, one button a row (rows of 23 pixels).
  for (int b = 0; b < FirDesignForm::kBands; ++b) {
    TRzBmpButton& button =
        Button(&peq, QStringLiteral("rzbFirEq%1").arg(b + 1), QString::number(b + 1), 10, 24 + 23 * b, 24, 18, b);
    button.Font().SetHeight(-11);
    button.SetGroupIndex(1);
    m_c.rzbFirEq[std::size_t(b)] = &button;
  }
  m_c.rzbFirEq[0]->SetDown(true);
}

void FirDesignBuilder::BuildImport(QWidget* parent) {
  TRzGroupBox& group = Group(parent, QStringLiteral("rzgFirImport"), 678, 4, 196, 168);
  Label(&group, QStringLiteral("lbFirImport"), QString(), 6, 4);
  Label(&group, QStringLiteral("lbImportName"), QString(), 6, 30);
  m_c.lbNowImportName = &Label(&group, QStringLiteral("lbNowImportName"), QStringLiteral("FileName"), 64, 30);
  m_c.sbOpenFirFile = &Make<TRzButton>(&group, QStringLiteral("sbOpenFirFile"), 150, 26, 38, 22);
  m_c.sbOpenFirFile->SetCaption(QStringLiteral("..."));
  Label(&group, QStringLiteral("lbFirImportGain"), QString(), 6, 60);
  m_c.edFirImportGain = &Edit(&group, QStringLiteral("edFirImportGain"), QStringLiteral("+0.0dB"), 64, 57, 70);
  m_c.sbAutoGain = &Toggle(&group, QStringLiteral("sbAutoGain"), QStringLiteral("Auto"), 2, 138, 57, 50);
  Label(&group, QStringLiteral("lbFirImportDelay"), QString(), 6, 90);
  m_c.edFirImportDelay = &Edit(&group, QStringLiteral("edFirImportDelay"), QStringLiteral("0.000ms"), 64, 87, 70);
  m_c.sbAutoDelay = &Toggle(&group, QStringLiteral("sbAutoDelay"), QStringLiteral("Auto"), 3, 138, 87, 50);
  m_c.rzbClearImport = &Button(&group, QStringLiteral("rzbClearImport"), QStringLiteral("Clear"), 64, 124, 70, 26);
  m_c.isFirImportGain = &Holder(&group, QStringLiteral("isFirImportGain"), 0, 240, 120);
  m_c.isFirImportDelay = &Holder(&group, QStringLiteral("isFirImportDelay"), -960, 960, 0);
}

void FirDesignBuilder::BuildTarget(QWidget* parent) {
  TRzGroupBox& group = Group(parent, QStringLiteral("rzgTarget"), 678, 176, 196, 108);
  Label(&group, QStringLiteral("lbTarget"), QString(), 6, 4);
  Label(&group, QStringLiteral("lbTargetName"), QString(), 6, 34);
  m_c.lbNowTargetName = &Label(&group, QStringLiteral("lbNowTargetName"), QStringLiteral("Target"), 64, 34);
  m_c.sbOpenTargetFile = &Make<TRzButton>(&group, QStringLiteral("sbOpenTargetFile"), 150, 30, 38, 22);
  m_c.sbOpenTargetFile->SetCaption(QStringLiteral("..."));
  m_c.rzblbTargetOnOff = &Toggle(&group, QStringLiteral("rzblbTargetOnOff"), QStringLiteral(" On"), 7, 64, 70, 70);
}

void FirDesignBuilder::BuildRanges(QWidget* parent) {
  struct Range {
    const char* stem;
    int top;
    int tag;
    int groupIndex;
    const char* toggleCaption;
  };
  const Range ranges[] = {{"Mag", 4, 0, 5, " On"}, {"Phase", 96, 2, 6, "On"}};
  for (const Range& range : ranges) {
    const QString stem = QString::fromLatin1(range.stem);
    TRzGroupBox& group = Group(parent, QStringLiteral("rzgFir%1Range").arg(stem), 878, range.top, 198, 88);
    Label(&group, QStringLiteral("lbFir%1Range").arg(stem), QString(), 6, 4);
    Label(&group, QStringLiteral("lbFir%1MinFreq").arg(stem), QString(), 6, 32);
    Label(&group, QStringLiteral("lbFir%1MaxFreq").arg(stem), QString(), 6, 60);
    TEdit& low = Edit(&group, QStringLiteral("edFir%1MinFreq").arg(stem), QStringLiteral("500.0Hz"), 76, 29, 74,
                      range.tag);
    TEdit& high = Edit(&group, QStringLiteral("edFir%1MaxFreq").arg(stem), QStringLiteral("20.16KHz"), 76, 57, 74,
                       range.tag + 1);
    TRzBmpButton& onOff = Toggle(&group, QStringLiteral("rzbFir%1RangeOnOff").arg(stem),
                                 QString::fromLatin1(range.toggleCaption), range.groupIndex, 154, 29, 40);
    TAdvTrackBar& lowHolder = Holder(&group, QStringLiteral("isFir%1MinFreq").arg(stem), -29, 308, 140);
    TAdvTrackBar& highHolder = Holder(&group, QStringLiteral("isFir%1MaxFreq").arg(stem), -29, 308, 300);
    if (range.tag == 0) {
      m_c.edFirMagMinFreq = &low;
      m_c.edFirMagMaxFreq = &high;
      m_c.rzbFirMagRangeOnOff = &onOff;
      m_c.isFirMagMinFreq = &lowHolder;
      m_c.isFirMagMaxFreq = &highHolder;
    } else {
      m_c.edFirPhaseMinFreq = &low;
      m_c.edFirPhaseMaxFreq = &high;
      m_c.rzbFirPhaseRangeOnOff = &onOff;
      m_c.isFirPhaseMinFreq = &lowHolder;
      m_c.isFirPhaseMaxFreq = &highHolder;
    }
  }
}

void FirDesignBuilder::BuildOutput(QWidget* parent) {
  TRzGroupBox& group = Group(parent, QStringLiteral("rzgFirOutSet"), 878, 188, 198, 96);
  m_c.lbFirOutSet = &Label(&group, QStringLiteral("lbFirOutSet"), QString(), 6, 2);
  Label(&group, QStringLiteral("lbFirOutSetTaps"), QString(), 6, 22);
  m_c.edFirOutSetTaps = &Edit(&group, QStringLiteral("edFirOutSetTaps"), QStringLiteral("512"), 50, 19, 50);
  Label(&group, QStringLiteral("lbFirName"), QString(), 104, 22);
  m_c.edFirName = &Edit(&group, QStringLiteral("edFirName"), QStringLiteral("FirName"), 136, 19, 58);
  m_c.edFirName->SetMaxLength(8);
  Label(&group, QStringLiteral("lbFirOutSetDelay"), QString(), 6, 46);
  m_c.edFirOutSetDelay = &Edit(&group, QStringLiteral("edFirOutSetDelay"), QStringLiteral("2.667ms"), 50, 43, 70);
  m_c.sbFirOutSetDelay = &Toggle(&group, QStringLiteral("sbFirOutSetDelay"), QStringLiteral("Auto"), 4, 124, 43, 70);
  Label(&group, QStringLiteral("lbFirOutSetSmooth"), QString(), 6, 72);
  auto& smooth = Make<TRzComboBox>(&group, QStringLiteral("rzcFirOutSetSmooth"), 50, 69, 60, 21);
  smooth.SetStyle(TComboBoxStyle::csDropDownList);
  smooth.SetItems({QStringLiteral("OFF"), QStringLiteral("1"), QStringLiteral("1/2"), QStringLiteral("1/3"),
                   QStringLiteral("1/6"), QStringLiteral("1/12"), QStringLiteral("1/24"), QStringLiteral("1/48")});
  smooth.SetItemIndex(0);
  smooth.Font().SetHeight(-12);
  m_c.rzcFirOutSetSmooth = &smooth;
  m_c.rzbFirOutSetSend = &Button(&group, QStringLiteral("rzbFirOutSetSend"), QString(), 114, 67, 80, 26);
  m_c.isFirOutSetTaps = &Holder(&group, QStringLiteral("isFirOutSetTaps"), 32, 2048, 512);
  m_c.isFirOutSetDelay = &Holder(&group, QStringLiteral("isFirOutSetDelay"), 0, 256, 256);
}
