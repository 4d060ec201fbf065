#include <algorithm>

#include "app/TfmMainControls.h"
#include "app/builders/MainWindowBuilder.h"
#include "app/builders/MainWindowLook.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "components/MainWindowState.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "platform/widgets/TShape.h"
#include "platform/widgets/TUpDown.h"
#include "plot/core/TiXYPlot.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

QString Letter(int input) { return QString(QChar('A' + input)); }
QString Digit(int channel) { return QString::number(channel - 2); }

const QStringList kMeterMarks = {"Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
const QStringList kGateMarks = {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"};
const QStringList kChannelMeterMarks = {"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
const QList<int> kMeterTops = {45, 68, 91, 115, 138, 161, 184, 208};
const QList<int> kGateTops = {36, 59, 82, 105, 129, 152, 175, 198, 222};
const QList<int> kChannelMeterTops = {35, 58, 81, 105, 128, 151, 175, 198, 222};

/// One parameter column of the gate or limiter page: names, range, start
/// position and the value box's first text.
struct DynamicsParam {
  const char* stem;
  const char* caption;
  int min;
  int max;
  int position;
  const char* text;
};

TRzPanel& BlackPanel(TRzPanel& panel) {
  panel.SetColor(clBlack);
  panel.SetBorderOuter(Rz::TFrameStyleEx::fsFlat);
  return panel;
}

}  // namespace

TiXYPlot& MainWindowBuilder::TransferPlot(QWidget* upper, const QString& titleName, int titleLeft, int titleWidth,
                                         const QString& plotName, int plotWidth, int plotHeight) {
  TLabel& title = Label(upper, titleName, QString(), titleLeft, 4);
  title.SetAutoSize(false);
  title.SetBounds(titleLeft, 4, titleWidth, 18);
  auto& plot = m_factory.Make<TiXYPlot>(upper, plotName, 10, 24, plotWidth, plotHeight);
  MainWindowLook::StyleTransferPlot(plot);
  return plot;
}

void MainWindowBuilder::BuildGainPage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageGain];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageGain];
  // The two summary plots with the overlay switches of their channels.
  auto& inputs = m_factory.Make<LMyFFTDrawHpLp6dB>(upper, QStringLiteral("fftDrawGainIn"), 10, 24, 530, 255);
  auto& outputs = m_factory.Make<LMyFFTDrawHpLp6dB>(upper, QStringLiteral("fftDrawGainOut"), 550, 24, 530, 255);
  MainWindowLook::StylePlot(inputs);
  MainWindowLook::StylePlot(outputs);
  m_controls.ResponsePlots[9] = &inputs;
  m_controls.ResponsePlots[10] = &outputs;
  Label(upper, QStringLiteral("lbFftGainIn"), QStringLiteral("Input"), 14, 4);
  Label(upper, QStringLiteral("lbFftGainOut"), QStringLiteral("Output"), 600, 4);
  TRzGroupBox& inSwitches = Group(upper, QStringLiteral("rzgFftShowChIn"), QString(), 180, 1, 232, 22);
  for (int input = 0; input < 3; ++input) {
    Switch(&inSwitches, QStringLiteral("vrbShow") + Letter(input) + QStringLiteral("Gain"), QStringLiteral("In") +
           Letter(input), input, input == 0, 2 + 76 * input, 0);
  }
  TRzGroupBox& outSwitches = Group(upper, QStringLiteral("rzgFftShowChOut"), QString(), 662, 1, 346, 22);
  for (int output = 3; output < 9; ++output) {
    Switch(&outSwitches, QStringLiteral("vrbShow") + Digit(output) + QStringLiteral("Gain"),
           QStringLiteral("Out") + Digit(output), output, output == 3, 2 + 57 * (output - 3), 0, 56);
  }

  // One column per channel: the twins of the channel pages' gain controls.
  TRzGroupBox& inGroup = Group(lower, QStringLiteral("rzgGainInput"), QString(), 6, 6, 348, 268);
  TRzGroupBox& outGroup = Group(lower, QStringLiteral("rzgGainOutput"), QString(), 360, 6, 690, 268);
  Label(&inGroup, QStringLiteral("lbGainInput"), QStringLiteral("Input"), 8, 2);
  Label(&outGroup, QStringLiteral("lbGainOutput"), QStringLiteral("Output"), 8, 2);
  for (int channel = 0; channel < 9; ++channel) {
    const QString s = ChannelSuffix(channel);
    const bool input = channel < 3;
    TRzGroupBox& column = Group(input ? &inGroup : &outGroup, QStringLiteral("rzgGainBackup") + s, QString(),
                                4 + 114 * (input ? channel : channel - 3), 20, 110, 244, channel);
    Label(&column, QStringLiteral("lbGainBackup") + s, s, 6, 4, channel);
    Slider(&column, QStringLiteral("isGainBackup") + s, channel, -280, 120, 0, 6, 6, 24, 162);
    auto& box = ValueBox(&column, QStringLiteral("cvdGainBackup") + s, channel, QStringLiteral("+0.0dB"), 2, 192, 70);
    box.SetReadOnly(true);
    Toggle(&column, QStringLiteral("rzbPhaseBackup") + s, QStringLiteral("Normal"), channel, 3, 2, 216, 52, 24);
    Toggle(&column, QStringLiteral("rzbMuteBackup") + s, QStringLiteral("Mute"), channel, 2, 56, 216, 52, 24);
    Meter(&column, QStringLiteral("pbLevelBackup") + s, channel, 8, 44, 54, 130);
    Lamp(&column, QStringLiteral("pbLimitBackup") + s, channel, 44, 26);
  }
}

void MainWindowBuilder::BuildDelayPage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageDelay];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageDelay];
  Label(upper, QStringLiteral("lbFftDelayIn"), QStringLiteral("Input  Delay"), 20, 12).SetAutoSize(false);
  Label(upper, QStringLiteral("lbFftDelayOut"), QStringLiteral("Output  Delay"), 560, 12).SetAutoSize(false);
  upper->findChild<TLabel*>(QStringLiteral("lbFftDelayIn"))->SetWidth(520);
  upper->findChild<TLabel*>(QStringLiteral("lbFftDelayOut"))->SetWidth(520);
  auto& inLines = BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plFftDelayIn"), 20, 34, 520, 234));
  auto& outLines = BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plFftDelayOut"), 560, 34, 520, 234));
  TRzGroupBox& units = Group(lower, QStringLiteral("rzgUint"), QString(), 940, 6, 120, 120);
  Label(&units, QStringLiteral("lbDelayUnit"), QStringLiteral("Unit"), 8, 4);
  const char* const unitCaptions[] = {"ms", "m", "ft"};
  for (int unit = 0; unit < 3; ++unit) {
    TRzBmpButton& button = Button(&units, QStringLiteral("rzbUnit%1").arg(unit),
                                  QString::fromLatin1(unitCaptions[unit]), unit, 20, 24 + 30 * unit, 80, 26);
    button.SetGroupIndex(1);
  }
  units.findChild<TRzBmpButton*>(QStringLiteral("rzbUnit0"))->SetDown(true);
  Label(lower, QStringLiteral("lbDelayInput"), QStringLiteral("Input"), 14, 6);
  Label(lower, QStringLiteral("lbDelayOutput"), QStringLiteral("Output"), 330, 6);
  for (int channel = 0; channel < 9; ++channel) {
    const QString s = ChannelSuffix(channel);
    const bool input = channel < 3;
    const int column = input ? channel : channel - 3;
    const int left = input ? 14 + 100 * column : 330 + 100 * column;
    Slider(lower, QStringLiteral("isDelay") + s, channel, 0, 65280, 0, 6, left + 20, 28, 210);
    ValueBox(lower, QStringLiteral("cvdDelay") + s, channel, QStringLiteral("0.00ms"), left, 246, 84);
    // The delay line: caption, line of dashes, moving picture, time label.
    TRzPanel& lines = input ? inLines : outLines;
    const int k = column;
    const int lineTop = input ? 64 * k + 28 : 36 * k + 8;
    const int pictureTop = input ? 64 * k + 38 : 36 * k + 8;
    const int showTop = input ? 64 * k + 44 : 36 * k + 14;
    TLabel& show = Label(&lines, QStringLiteral("lbDelayShow") + s, s, 4, showTop, channel);
    show.Font().SetColor(clWhite);
    TLabel& line = Label(&lines, QStringLiteral("lbDelayLine") + s, QString(), input ? 40 : 46, lineTop, channel);
    line.SetAutoSize(false);
    line.SetBounds(input ? 40 : 46, lineTop, 475, input ? 49 : 29);
    line.SetLayout(TTextLayout::tlCenter);
    line.Font().SetName(QStringLiteral("Times New Roman"));
    line.Font().SetHeight(-16);
    line.Font().SetColor(clGreen);
    auto& picture = m_factory.Make<TImage>(&lines, QStringLiteral("imDelay") + s, 40, pictureTop, 30, 30, channel);
    picture.SetStretch(true);
    MainWindowLook::DrawDelayPicture(picture, channel);
    // The transparent line takes the mouse over the picture: it is the drag area.
    line.BringToFront();
    TLabel& time = Label(&lines, QStringLiteral("lbFftDelayTime") + s, QStringLiteral("0.00ms"), 70,
                         pictureTop + 30 / 4, channel);
    time.Font().SetHeight(-13);
  }
}

void MainWindowBuilder::BuildMatrixPage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageMatrix];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageMatrix];
  lower->SetBounds(20, 292, 1070, 282);
  // Signal-flow overview: input panels, routing lines, output panels.
  struct Block {
    const char* stem;
    const char* caption;
  };
  const Block inputBlocks[] = {{"Gain", "GAIN"}, {"Gate", "GATE"},  {"Phase", "PHASE"}, {"Peq", "PEQ"},
                               {"Comp", "COMP"}, {"Delay", "DELAY"}, {"Fir", "FIR"}};
  const int inputBases[] = {75, 129, 183, 237, 291, 345, 400};
  for (int input = 0; input < 3; ++input) {
    const QString s = ChannelSuffix(input);
    auto& panel = BlackPanel(
        m_factory.Make<TRzPanel>(upper, QStringLiteral("plMatrix") + s, 40, 75 * input + 50, 451, 56, input));
    OverviewLabel(&panel, QStringLiteral("lbMatrixName") + s, s, 0, 4, 70, input);
    MainWindowLook::StyleOverviewShape(
        m_factory.Make<TShape>(&panel, QStringLiteral("spMatrixName") + s, 0, 22, 58, 28, input), clGray);
    OverviewLabel(&panel, QStringLiteral("lbMatrixChName") + s, QString(), 0, 28, 70, input);
    for (int i = 0; i < 7; ++i) {
      const QString stem = QString::fromLatin1(inputBlocks[i].stem);
      MainWindowLook::StyleOverviewShape(m_factory.Make<TShape>(&panel, QStringLiteral("spMatrix") + stem + s,
                                                                inputBases[i], 14, 50, 28, input),
                                         MainWindowLook::OverviewBlockColour(i));
      OverviewLabel(&panel, QStringLiteral("lbMatrix") + stem + s, QString::fromLatin1(inputBlocks[i].caption),
                    inputBases[i], 20, 50, input);
    }
  }
  const Block outputBlocks[] = {{"Peq", "PEQ"}, {"Gain", "GAIN"}, {"Limit", "LIMIT"}, {"Delay", "DELAY"},
                                {"Mute", "MUTE"}};
  const int outputBases[] = {113, 168, 224, 279, 335};
  for (int output = 3; output < 9; ++output) {
    const QString s = ChannelSuffix(output);
    const int k = output - 3;
    auto& panel = BlackPanel(
        m_factory.Make<TRzPanel>(upper, QStringLiteral("plMatrix") + s, 600, 40 * k + 30, 475, 34, output));
    MainWindowLook::StyleOverviewShape(
        m_factory.Make<TShape>(&panel, QStringLiteral("spMatrixXover") + s, 2, 3, 50, 28, output), clNavy);
    OverviewLabel(&panel, QStringLiteral("lbMatrixXover") + s, QStringLiteral("X-OVER"), 2, 10, 50, output);
    MainWindowLook::StyleOverviewShape(
        m_factory.Make<TShape>(&panel, QStringLiteral("spMatrixFir") + s, 57, 3, 50, 28, output), clNavy);
    OverviewLabel(&panel, QStringLiteral("lbMatrixFir") + s, QStringLiteral("FIR"), 57, 10, 50, output);
    for (int i = 0; i < 5; ++i) {
      const QString stem = QString::fromLatin1(outputBlocks[i].stem);
      MainWindowLook::StyleOverviewShape(m_factory.Make<TShape>(&panel, QStringLiteral("spMatrix") + stem + s,
                                                                outputBases[i], 3, 50, 28, output),
                                         i == 2 ? clTeal : MainWindowLook::OverviewBlockColour(i));
      OverviewLabel(&panel, QStringLiteral("lbMatrix") + stem + s, QString::fromLatin1(outputBlocks[i].caption),
                    outputBases[i], 10, 50, output);
    }
    MainWindowLook::StyleOverviewShape(
        m_factory.Make<TShape>(&panel, QStringLiteral("spMatrixName") + s, 390, 3, 58, 28, output), clGray);
    OverviewLabel(&panel, QStringLiteral("lbMatrixName") + s, s, 390, 2, 80, output);
    OverviewLabel(&panel, QStringLiteral("lbMatrixChName") + s, QString(), 390, 18, 80, output);
  }
  m_controls.pbMatrix = &m_factory.Make<TPaintBox>(upper, QStringLiteral("pbMatrix"), 492, 35, 110, 235);
  // Digital input and output panels, shown by the hidden AES/EBU menu.
  for (int n = 1; n <= 2; ++n) {
    BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plAesIn%1").arg(n), 40, n == 1 ? 95 : 238, 60, 24))
        .SetVisible(false);
  }
  const int aesOutTops[] = {55, 135, 215};
  for (int n = 1; n <= 3; ++n) {
    BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plAesOut%1").arg(n), 1000, aesOutTops[n - 1], 60, 24))
        .SetVisible(false);
  }
  // The source type of each digital pair ("AES/EBU", "Dante"), over the
  // pair's panel; an analog pair shows none.
  for (int n = 1; n <= 2; ++n) {
    OverviewLabel(upper, QStringLiteral("lbSelDigitalIn%1").arg(n), QString(), 40, n == 1 ? 99 : 242, 60, 0)
        .SetVisible(false);
  }
  for (int n = 1; n <= 3; ++n) {
    OverviewLabel(upper, QStringLiteral("lbSelDigitalOut%1").arg(n), QString(), 1000, aesOutTops[n - 1] + 4, 60, 0)
        .SetVisible(false);
  }

  // The editor: one group per output with a route button, a mix level box
  // and an up-down per input.
  for (int output = 3; output < 9; ++output) {
    const QString digit = Digit(output);
    TRzGroupBox& group = Group(lower, QStringLiteral("rzgMatrixOut") + digit, QString(), 30 + 176 * (output - 3), 6,
                               132, 273, output);
    m_factory.Make<TImage>(&group, QStringLiteral("rzsMatrixOut") + digit, 2, 2, 128, 269, output).SetStretch(true);
    Label(&group, QStringLiteral("lbMatrixOut") + digit, QStringLiteral("Out") + digit, 50, 24, output);
    for (int input = 0; input < 3; ++input) {
      const int top = 64 + 68 * input;
      TRzBmpButton& route = Toggle(&group, QStringLiteral("rzb") + Letter(input) + QStringLiteral("MatrixOut") + digit,
                                   QStringLiteral("In") + Letter(input), input, input + 1, 9, top, 40, 24);
      route.SetDown(output - 3 == input || output - 6 == input);
      ValueBox(&group, QStringLiteral("cvd") + Letter(input) + QStringLiteral("MatrixOut") + digit, input,
               QStringLiteral("+0.0dB"), 55, top, 55);
      auto& level = m_factory.Make<TUpDown>(&group, QStringLiteral("udMixGain") + Letter(input) + QStringLiteral("Out") +
                                                        digit,
                                            input == 0 ? 106 : 105, top, 16, 24, input);
      level.SetMin(-280);
      level.SetMax(0);
      level.SetIncrement(1);
      level.SetPosition(0);
    }
  }
}

void MainWindowBuilder::ShownChannelMeters(QWidget* upper, const QString& stem, const QString& heading, int channel,
                                           int left, int width) {
  auto& meters = BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plLevel") + stem, left, 24, width, 247));
  Label(&meters, QStringLiteral("lbHead") + stem, heading, 2, 2);
  Lamp(&meters, QStringLiteral("pbLimit") + stem, channel, 4, 18);
  Label(&meters, QStringLiteral("lbLimit") + stem, QStringLiteral("Limit"), 20, 22).Font().SetHeight(-10);
  Meter(&meters, QStringLiteral("pbLevel") + stem, channel, 8, 4, 43, 185);
  MeterScale(&meters, kMeterMarks, stem, 20, kMeterTops);
}

void MainWindowBuilder::BuildCompPage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageComp];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageComp];
  m_controls.ipComp = &TransferPlot(upper, QStringLiteral("lbCompName"), 110, 800, QStringLiteral("ipComp"), 415, 260);
  auto& eq = m_factory.Make<LMyFFTDrawHpLp6dB>(upper, QStringLiteral("fftDrawCompEq"), 475, 24, 445, 250, 14);
  MainWindowLook::StylePlot(eq);
  m_controls.ResponsePlots[11] = &eq;
  ShownChannelMeters(upper, QStringLiteral("CompIn"), QStringLiteral("In A"), 0, 428, 44);

  struct Param {
    const char* stem;
    const char* caption;
    int min;
    int max;
    int position;
    int boxWidth;  // holds the widest text of the parameter's range
  };
  const Param params[] = {{"CompThreshold", "Threshold", -180, 40, 40, 59}, {"CompAttack", "Attack", 0, 998, 0, 50},
                          {"CompRelease", "Release", 9, 2999, 9, 56},       {"CompRatio", "Ratio", 0, 15, 0, 48},
                          {"CompKnee", "Knee", 0, 12, 0, 48},               {"CompEqFreq", "Freq", 0, 300, 0, 66},
                          {"CompEqType", "Type", 0, 9, 0, 54}};
  constexpr int kPitch = 48;
  constexpr int kColumnWidth = 346;
  for (int input = 0; input < 3; ++input) {
    const QString s = ChannelSuffix(input);
    TRzGroupBox& column =
        Group(lower, QStringLiteral("rzgComp") + s, QString(), 6 + 352 * input, 6, kColumnWidth, 268, input);
    Label(&column, QStringLiteral("lbComp") + s, s, 6, 4, input).Font().SetHeight(-14);
    for (int i = 0; i < 7; ++i) {
      const QString stem = QString::fromLatin1(params[i].stem);
      const int left = 4 + kPitch * i;
      const int centre = left + 23;
      ColumnCaption(&column, QStringLiteral("lb") + stem + s, QString::fromLatin1(params[i].caption), left - 1, 24,
                    kPitch - 2, input);
      if (i == 3 || i == 4) {  // ratio and knee are up-downs
        auto& upDown = m_factory.Make<TUpDown>(&column, QStringLiteral("ud") + stem + s, left + 14, 110, 17, 40, input);
        upDown.SetMin(params[i].min);
        upDown.SetMax(params[i].max);
        upDown.SetPosition(params[i].position);
      } else {
        auto& bar = Slider(&column, QStringLiteral("is") + stem + s, input, params[i].min, params[i].max,
                           params[i].position, 10, left + 8, 42, 166);
        bar.SetWidth(30);
      }
      // Seven boxes are wider than their columns: they alternate between two
      // rows, each centred under its control.
      const int width = params[i].boxWidth;
      const int boxLeft = std::clamp(centre - width / 2, 2, kColumnWidth - 2 - width);
      ValueBox(&column, QStringLiteral("cvd") + stem + s, input, QString(), boxLeft, i % 2 == 0 ? 212 : 239, width);
    }
    // The input's own meter panel on the upper group.
    auto& own = BlackPanel(
        m_factory.Make<TRzPanel>(upper, QStringLiteral("plLevelComp") + s, 926 + 53 * input, 24, 50, 247, input));
    Lamp(&own, QStringLiteral("pbLimitComp") + s, input, 4, 20);
    Meter(&own, QStringLiteral("pbLevelComp") + s, input, 8, 4, 55, 185);
    MeterScale(&own, kChannelMeterMarks, QStringLiteral("CompIn") + Letter(input), 20, kChannelMeterTops);
  }
}

void MainWindowBuilder::BuildGatePage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageGate];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageGate];
  m_controls.ipGate = &TransferPlot(upper, QStringLiteral("lbGateName"), 40, 800, QStringLiteral("ipGate"), 855, 230);
  auto& meters = BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plLevelGateIn"), 870, 24, 50, 247));
  Label(&meters, QStringLiteral("lbHeadGateIn"), QStringLiteral("In A"), 2, 2);
  Meter(&meters, QStringLiteral("pbLevelGateIn"), 0, 9, 4, 32, 208);
  MeterScale(&meters, kGateMarks, QStringLiteral("GateIn"), 20, kGateTops);
  const DynamicsParam params[] = {{"GateThreshold", "Threshold", -180, 0, 0, "+ 0.0dB"},
                          {"GateAttack", "Attack", 0, 998, 1, "1ms"},
                          {"GateRelease", "Release", 9, 2999, 99, "100ms"},
                          {"GateRatio", "Ratio", 0, 15, 15, "Max"}};
  for (int input = 0; input < 3; ++input) {
    const QString s = ChannelSuffix(input);
    TRzGroupBox& column = Group(lower, QStringLiteral("rzgGate") + s, QString(), 6 + 352 * input, 6, 346, 268, input);
    Label(&column, QStringLiteral("lbGate") + s, s, 6, 4, input).Font().SetHeight(-14);
    for (int i = 0; i < 4; ++i) {
      const QString stem = QString::fromLatin1(params[i].stem);
      const int left = 8 + 84 * i;
      Label(&column, QStringLiteral("lb") + stem + s, QString::fromLatin1(params[i].caption), left, 24, input);
      Slider(&column, QStringLiteral("is") + stem + s, input, params[i].min, params[i].max, params[i].position, 10,
             left + 20, 42, 190);
      ValueBox(&column, QStringLiteral("cvd") + stem + s, input, QString::fromLatin1(params[i].text), left, 240, 74);
    }
    auto& own = BlackPanel(
        m_factory.Make<TRzPanel>(upper, QStringLiteral("plLevelGate") + s, 926 + 53 * input, 24, 50, 247, input));
    Meter(&own, QStringLiteral("pbLevelGate") + s, input, 9, 4, 32, 208);
    MeterScale(&own, kGateMarks, QStringLiteral("GateIn") + Letter(input), 20, kGateTops);
  }
}

void MainWindowBuilder::BuildLimitPage() {
  TRzGroupBox* upper = m_controls.UpperGroups[MainWindowState::kPageLimit];
  TRzGroupBox* lower = m_controls.LowerGroups[MainWindowState::kPageLimit];
  m_controls.ipLimit =
      &TransferPlot(upper, QStringLiteral("lbLimitName"), 40, 659, QStringLiteral("ipLimit"), 697, 230);
  ShownChannelMeters(upper, QStringLiteral("LimitOut"), QStringLiteral("Out 1"), 3, 712, 50);
  const DynamicsParam params[] = {{"LimitThreshold", "Threshold", -180, 40, 40, "+20.0dB"},
                          {"LimitAttack", "Attack", 0, 998, 50, "50ms"},
                          {"LimitRelease", "Release", 9, 2999, 499, "500ms"},
                          {"LimitKnee", "Knee", 0, 12, 0, "12dB"},
                          {"LimitRatio", "Ratio", 0, 15, 0, "Limit"}};
  for (int output = 3; output < 9; ++output) {
    const QString s = ChannelSuffix(output);
    TRzGroupBox& column =
        Group(lower, QStringLiteral("rzgLimit") + s, QString(), 6 + 176 * (output - 3), 6, 172, 268, output);
    Label(&column, QStringLiteral("lbLimit") + s, s, 6, 4, output).Font().SetHeight(-14);
    // Threshold, attack and release: a track bar over its box, three across;
    // knee and ratio: an up-down beside its box, two across below them.
    constexpr int kBarPitch = 56;
    const int barBoxLefts[] = {1, 62, 114};
    const int barBoxWidths[] = {59, 50, 55};
    for (int i = 0; i < 5; ++i) {
      const QString stem = QString::fromLatin1(params[i].stem);
      if (i < 3) {
        const int left = 2 + kBarPitch * i;
        ColumnCaption(&column, QStringLiteral("lb") + stem + s, QString::fromLatin1(params[i].caption), left, 24,
                      kBarPitch - 2, output);
        Slider(&column, QStringLiteral("is") + stem + s, output, params[i].min, params[i].max,
               output == 6 && i == 0 ? 37 : params[i].position, 10, left + 12, 40, 130);
        ValueBox(&column, QStringLiteral("cvd") + stem + s, output, QString::fromLatin1(params[i].text),
                 barBoxLefts[i], 174, barBoxWidths[i]);
      } else {
        const int left = 4 + 84 * (i - 3);
        ColumnCaption(&column, QStringLiteral("lb") + stem + s, QString::fromLatin1(params[i].caption), left, 210,
                      60, output);
        ValueBox(&column, QStringLiteral("cvd") + stem + s, output, QString::fromLatin1(params[i].text), left + 4,
                 228, 48);
        auto& upDown =
            m_factory.Make<TUpDown>(&column, QStringLiteral("ud") + stem + s, left + 54, 228, 17, 24, output);
        upDown.SetMax(params[i].max);
      }
    }
    auto& own = BlackPanel(m_factory.Make<TRzPanel>(upper, QStringLiteral("plLevelLimit") + s,
                                                    606 + 53 * output, 24, 50, 247, output));
    Lamp(&own, QStringLiteral("pbLimitLimit") + s, output, 4, 20);
    Meter(&own, QStringLiteral("pbLevelLimit") + s, output, 8, 4, 55, 185);
    MeterScale(&own, kChannelMeterMarks, QStringLiteral("LimitOut") + Digit(output), 20, kChannelMeterTops);
  }
}
