#include "app/MainWindowLayout.h"

#include <cmath>

#include <QDebug>

#include "app/MainWindowPages.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TControl.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// One layout pass: after the first missing name every further step is
/// skipped.
class LayoutPass {
public:
  explicit LayoutPass(ControlRegistry& controls) : m_controls(controls) {}

  TControl* Get(const QString& name) {
    if (m_stopped) {
      return nullptr;
    }
    TControl* control = m_controls.Find<TControl>(name);
    if (control == nullptr) {
      m_stopped = true;
#ifndef NDEBUG
      qDebug() << "layout: no control" << name;
#endif
    }
    return control;
  }
  template <class T>
  T* GetAs(const QString& name) {
    TControl* control = Get(name);
    return control != nullptr ? dynamic_cast<T*>(control) : nullptr;
  }
  void Top(const QString& name, int value) {
    if (TControl* c = Get(name)) c->SetTop(value);
  }
  void Left(const QString& name, int value) {
    if (TControl* c = Get(name)) c->SetLeft(value);
  }
  void Width(const QString& name, int value) {
    if (TControl* c = Get(name)) c->SetWidth(value);
  }
  void Height(const QString& name, int value) {
    if (TControl* c = Get(name)) c->SetHeight(value);
  }
  void TopHeight(const QString& name, int top, int height) {
    Top(name, top);
    Height(name, height);
  }
  void LeftWidth(const QString& name, int left, int width) {
    Left(name, left);
    Width(name, width);
  }

private:
  ControlRegistry& m_controls;
  bool m_stopped = false;
};

QString S(const char* text) { return QString::fromLatin1(text); }
QString Ch(const char* stem, int channel) { return QString::fromLatin1(stem) + ChannelSuffix(channel); }

void HeightTable(LayoutPass& pass, int dh) {
  auto ninth = [dh](int n) { return dh * n / 9; };
  pass.Height(S("rzgMain"), 629 + dh);
  for (const char* page : {"Gain", "Delay", "Limit", "Gate", "Matrix"}) {
    pass.Height(S("rzgFft") + S(page), 284 + dh);
  }
  for (int c = 0; c < 9; ++c) {
    pass.Height(Ch("rzgFft", c), 284 + dh);
  }
  pass.Height(S("rzgFftComp"), 272 + dh);
  for (const char* page : {"Gain", "Delay", "Comp", "Limit", "Gate", "Matrix"}) {
    pass.Top(S("rzgParam") + S(page), 292 + dh);
  }
  for (int c = 0; c < 9; ++c) {
    pass.Top(Ch("rzgParam", c), 292 + dh);
  }
  pass.Top(S("rzgPreset"), 626 + dh);
  pass.Height(S("imLeftUpBase"), 256 + dh);
  pass.Height(S("imRightUpBase"), 256 + dh);
  pass.Top(S("imLeftDownBase"), 256 + dh);
  pass.Top(S("imRightDownBase"), 256 + dh);
  const int plotHeight = 2 * ((dh + 255) / 2) + 1;  // always odd
  pass.Height(S("fftDrawGainIn"), plotHeight);
  pass.Height(S("fftDrawGainOut"), plotHeight);
  for (int c = 0; c < 9; ++c) {
    pass.Height(Ch("fftDraw", c), plotHeight);
  }
  pass.Height(S("fftDrawCompEq"), 250 + dh);
  pass.Height(S("ipComp"), 260 + dh);
  pass.Height(S("ipLimit"), 230 + dh);
  pass.Height(S("ipGate"), 230 + dh);
  pass.Height(S("plFftDelayIn"), 234 + dh);
  pass.Height(S("plFftDelayOut"), 234 + dh);
  pass.TopHeight(S("pbMatrix"), 35, 235 + dh);
  for (const char* panel : {"plLevelCompIn", "plLevelLimitOut", "plLevelGateIn"}) {
    pass.Height(S(panel), 247 + dh);
  }
  // Page meters of the shown channel.
  for (const char* meter : {"pbLevelCompIn", "pbLevelLimitOut"}) {
    pass.TopHeight(S(meter), 43 + ninth(1), 185 + ninth(8));
  }
  pass.Height(S("pbLimitCompIn"), 22 + ninth(1));
  pass.Height(S("pbLimitLimitOut"), 22 + ninth(1));
  pass.Top(S("lbLimitCompIn"), 22 + ninth(1));
  pass.Top(S("lbLimitLimitOut"), 22 + ninth(1));
  pass.TopHeight(S("pbLevelGateIn"), 32 + ninth(1), 208 + ninth(8));
  // Scales of the page meters.
  const char* const meterMarks[] = {"Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
  const int meterTops[] = {45, 68, 91, 115, 138, 161, 184, 208};
  for (const char* meter : {"CompIn", "LimitOut"}) {
    for (int i = 0; i < 8; ++i) {
      pass.Top(S("lb") + S(meterMarks[i]) + S(meter), meterTops[i] + ninth(i + 2));
    }
  }
  const char* const gateMarks[] = {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"};
  const int gateTops[] = {36, 59, 82, 105, 129, 152, 175, 198, 222};
  for (int i = 0; i < 9; ++i) {
    pass.Top(S("lb") + S(gateMarks[i]) + S("GateIn"), gateTops[i] + ninth(i + 1));
  }
  // Each channel's meters on the dynamics pages.
  const char* const channelMarks[] = {"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
  const int channelTops[] = {35, 58, 81, 105, 128, 151, 175, 198, 222};
  for (int c = 0; c < 9; ++c) {
    const bool input = c < 3;
    const QString stem = input ? S("CompIn") : S("LimitOut");
    const QString key = input ? QString(QChar('A' + c)) : QString::number(c - 2);
    pass.Height(S("plLevel") + stem + key, 247 + dh);
    pass.TopHeight(S("pbLevel") + stem + key, 55 + ninth(1), 185 + ninth(8));
    pass.Height(S("pbLimit") + stem + key, 22 + ninth(1));
    for (int i = 0; i < 9; ++i) {
      pass.Top(S("lb") + S(channelMarks[i]) + stem + key, channelTops[i] + ninth(i + 1));
    }
    if (input) {
      pass.Height(S("plLevelGateIn") + key, 247 + dh);
      pass.TopHeight(S("pbLevelGateIn") + key, 32 + ninth(1), 208 + dh);
      for (int i = 0; i < 9; ++i) {
        pass.Top(S("lb") + S(gateMarks[i]) + S("GateIn") + key, gateTops[i] + ninth(i + 1));
      }
    }
  }
  // Delay lines and overview panels share the extra height between rows.
  for (int k = 0; k < 3; ++k) {
    const int share = (dh / 4) * (k + 1);
    pass.Top(Ch("imDelay", k), share + 64 * k + 38);
    pass.Top(Ch("lbDelayLine", k), share + 64 * k + 28);
    pass.Top(Ch("lbDelayShow", k), share + 64 * k + 44);
  }
  for (int k = 0; k < 6; ++k) {
    const int share = (dh / 7) * (k + 1);
    pass.Top(Ch("imDelay", k + 3), share + 36 * k + 8);
    pass.Top(Ch("lbDelayLine", k + 3), share + 36 * k + 8);
    pass.Top(Ch("lbDelayShow", k + 3), share + 36 * k + 14);
  }
  for (int k = 0; k < 3; ++k) {
    pass.Top(Ch("plMatrix", k), (dh / 4) * (k + 1) + 75 * k + 50);
  }
  for (int k = 0; k < 6; ++k) {
    pass.Top(Ch("plMatrix", k + 3), (dh / 7) * (k + 1) + 40 * k + 30);
  }
  pass.Top(S("plAesIn1"), dh / 4 + 95);
  pass.Top(S("plAesIn2"), 3 * dh / 4 + 238);
  pass.Top(S("plAesOut1"), int(std::trunc(dh * 1.7 / 8 + 55)));
  pass.Top(S("plAesOut2"), int(std::trunc(dh * 3.7 / 8 + 135)));
  pass.Top(S("plAesOut3"), 6 * dh / 8 + 215);
  pass.Top(S("lbSelDigitalIn1"), dh / 4 + 99);
  pass.Top(S("lbSelDigitalIn2"), 3 * dh / 4 + 242);
  pass.Top(S("lbSelDigitalOut1"), int(std::trunc(dh * 1.7 / 8 + 59)));
  pass.Top(S("lbSelDigitalOut2"), int(std::trunc(dh * 3.7 / 8 + 139)));
  pass.Top(S("lbSelDigitalOut3"), 6 * dh / 8 + 219);
}

void WidthTable(LayoutPass& pass, int dw) {
  const int w3 = dw / 3;
  pass.Width(S("rzgFunction"), 1115 + dw);
  pass.Left(S("rzbMenuLink"), 1050 + dw);
  pass.Left(S("rzgIpSelect"), 860 + dw / 2);
  pass.Width(S("rzgMain"), 1112 + dw);
  for (const char* page : kFunctionPages) {
    pass.Width(S("rzgFft") + S(page), 1112 + dw);
  }
  for (int c = 0; c < 9; ++c) {
    pass.Width(Ch("rzgFft", c), 1112 + dw);
  }
  for (const char* page : kFunctionPages) {
    pass.Left(S("rzgParam") + S(page), 20 + dw / 2);
  }
  for (int c = 0; c < 9; ++c) {
    pass.Left(Ch("rzgParam", c), 20 + dw / 2);
  }
  pass.Left(S("rzgPreset"), 10 + dw / 2);
  pass.Left(S("imRightUpBase"), 1077 + dw);
  pass.Left(S("imRightDownBase"), 1077 + dw);
  pass.Width(S("imLeftUpBase"), 1082 + dw);
  pass.Width(S("imLeftDownBase"), 1082 + dw);
  pass.Width(S("fftDrawGainIn"), 530 + dw / 2);
  pass.LeftWidth(S("fftDrawGainOut"), 550 + dw / 2, 530 + dw / 2);
  pass.Left(S("rzgFftShowChIn"), 180 + dw / 2);
  pass.Left(S("rzgFftShowChOut"), 662 + dw);
  pass.Left(S("lbFftGainOut"), 600 + dw / 2);
  pass.Width(S("plFftDelayIn"), 520 + dw / 2);
  pass.Width(S("lbFftDelayIn"), 520 + dw / 2);
  pass.LeftWidth(S("plFftDelayOut"), 560 + dw / 2, 520 + dw / 2);
  pass.LeftWidth(S("lbFftDelayOut"), 560 + dw / 2, 520 + dw / 2);
  for (int c = 0; c < 9; ++c) {
    pass.Width(Ch("lbDelayLine", c), 475 + dw / 2);
  }
  pass.Width(S("ipComp"), 415 + dw / 2);
  pass.LeftWidth(S("fftDrawCompEq"), 475 + dw / 2, 445 + dw / 2);
  pass.LeftWidth(S("lbCompName"), 110 + dw / 2, 800);
  pass.Width(S("ipLimit"), 697 + dw);
  pass.Width(S("lbLimitName"), 659 + dw);
  pass.Width(S("ipGate"), 855 + dw);
  pass.Width(S("lbGateName"), 800 + dw);
  for (int c = 0; c < 9; ++c) {
    pass.Left(Ch("rzgFftShowCurve", c), 920 + dw);
    pass.Left(Ch("rzgFftShowCh", c), (c < 3 ? 500 : 460) + dw / 2);
    pass.Width(Ch("fftDraw", c), 1070 + dw);
    pass.Left(Ch("vrbEqBypass", c), 776 + dw);
    pass.Left(Ch("vrbEqReset", c), 857 + dw);
    pass.Left(Ch("vrbEqShowAll", c), 934 + dw);
  }
  for (int c = 0; c < 3; ++c) {
    const QString key(QChar('A' + c));
    pass.Left(S("plLevelCompIn") + key, 926 + 53 * c + dw);
    pass.Left(S("plLevelGateIn") + key, 926 + 53 * c + dw);
  }
  for (int c = 3; c < 9; ++c) {
    pass.Left(S("plLevelLimitOut") + QString::number(c - 2), 606 + 53 * c + dw);
  }
  pass.LeftWidth(S("pbMatrix"), 492 + w3, 110 + w3);
  pass.Left(S("plAesIn1"), 40 + dw / 16);
  pass.Left(S("plAesIn2"), 40 + dw / 16);
  pass.Left(S("lbSelDigitalIn1"), 40 + dw / 16);
  pass.Left(S("lbSelDigitalIn2"), 40 + dw / 16);
  for (const char* panel : {"plAesOut1", "plAesOut2", "plAesOut3", "lbSelDigitalOut1", "lbSelDigitalOut2",
                            "lbSelDigitalOut3"}) {
    pass.Left(S(panel), 1000 + 15 * dw / 16);
  }
  // The overview panels and their blocks.
  const int blockWidth = 50 + w3 / 8;
  const char* const inputBlocks[] = {"Gain", "Gate", "Phase", "Peq", "Comp", "Delay", "Fir"};
  const int inputBases[] = {75, 129, 183, 237, 291, 345, 400};
  for (int c = 0; c < 3; ++c) {
    pass.Width(Ch("plMatrix", c), 451 + w3);
    pass.LeftWidth(Ch("lbMatrixName", c), dw / 27, 70 + w3 / 8);
    pass.LeftWidth(Ch("lbMatrixChName", c), dw / 27, 70 + w3 / 8);
    pass.LeftWidth(Ch("spMatrixName", c), dw / 27, 58 + w3 / 8);
    for (int i = 0; i < 7; ++i) {
      const int left = w3 * (i + 2) / 9 + inputBases[i];
      pass.LeftWidth(S("lbMatrix") + Ch(inputBlocks[i], c), left, blockWidth);
      pass.LeftWidth(S("spMatrix") + Ch(inputBlocks[i], c), left, blockWidth);
    }
  }
  const char* const outputBlocks[] = {"Peq", "Gain", "Limit", "Delay", "Mute"};
  const int outputBases[] = {113, 168, 224, 279, 335};
  for (int c = 3; c < 9; ++c) {
    pass.LeftWidth(Ch("plMatrix", c), 600 + 2 * dw / 3, 475 + w3);
    pass.LeftWidth(Ch("lbMatrixXover", c), 2, blockWidth);
    pass.LeftWidth(Ch("spMatrixXover", c), 2, blockWidth);
    pass.LeftWidth(Ch("lbMatrixFir", c), dw / 27 + 57, blockWidth);
    pass.LeftWidth(Ch("spMatrixFir", c), dw / 27 + 57, blockWidth);
    for (int i = 0; i < 5; ++i) {
      const int left = w3 * (i + 2) / 9 + outputBases[i];
      pass.LeftWidth(S("lbMatrix") + Ch(outputBlocks[i], c), left, blockWidth);
      pass.LeftWidth(S("spMatrix") + Ch(outputBlocks[i], c), left, blockWidth);
    }
    const int nameLeft = w3 * 7 / 9 + 390;
    pass.LeftWidth(Ch("lbMatrixName", c), nameLeft, 80 + w3 / 8);
    pass.LeftWidth(Ch("lbMatrixChName", c), nameLeft, 80 + w3 / 8);
    pass.LeftWidth(Ch("spMatrixName", c), nameLeft, 58 + dw / 21);
  }
}

/// Each delay picture sits along its line in proportion to the delay, with
/// its time label beside it.
void PlaceDelayPictures(LayoutPass& pass) {
  for (int c = 0; c < 9; ++c) {
    TControl* picture = pass.Get(Ch("imDelay", c));
    TControl* line = pass.Get(Ch("lbDelayLine", c));
    auto* bar = pass.GetAs<TAdvTrackBar>(Ch("isDelay", c));
    TControl* time = pass.Get(Ch("lbFftDelayTime", c));
    if (picture == nullptr || line == nullptr || bar == nullptr || time == nullptr || bar->Max() == 0) {
      return;
    }
    picture->SetLeft(bar->Position() * (line->Width() - 90) / bar->Max() + 40);
    time->SetLeft(picture->Left() + 30);
    time->SetTop(picture->Top() + picture->Height() / 4);
  }
}

}  // namespace

void LayoutMainWindow(ControlRegistry& controls, int dw, int dh) {
  LayoutPass pass(controls);
  if (dh >= 0) {
    HeightTable(pass, dh);
  }
  if (dw >= 0) {
    WidthTable(pass, dw);
  }
  PlaceDelayPictures(pass);
}
