#include <tuple>

#include "app/TfmMainControls.h"
#include "app/builders/MainWindowBuilder.h"
#include "app/builders/MainWindowLook.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

bool IsInput(int channel) { return channel < 3; }
int BandCount(int channel) { return IsInput(channel) ? 8 : 9; }

/// Crossover slopes, item k = slope byte k + 1.
const QStringList& SlopeItems() {
  static const QStringList items = {"BW -6",  "BL -6",  "BW -12", "BL -12", "LR -12", "BW -18", "BL -18",
                                    "BW -24", "BL -24", "LR -24", "BW -30", "BL -30", "BW -36", "BL -36",
                                    "LR -36", "BW -42", "BL -42", "BW -48", "BL -48", "LR -48"};
  return items;
}
constexpr int kSteepestSlope = 19;
constexpr int kFirCutBoxFontHeight = -10;
// The band panel: 270 high on every channel, rows laid out below its top
// and bottom space.
constexpr int kPanelLeft = 142;
constexpr int kPanelTop = 4;
constexpr int kPanelWidth = 452;
constexpr int kPanelHeight = 270;
constexpr int kPanelTopBottomSpace = 15;
constexpr int kPeqTitles = 6;

}  // namespace

void MainWindowBuilder::BuildInputPage(int channel) {
  BuildChannelPlotArea(channel);
  TRzGroupBox* page = m_controls.LowerGroups[channel];
  BuildGainColumn(page, channel);
  BuildPeqColumn(page, channel);
  BuildCrossover(page, channel, true, 805, 6);
  BuildCrossover(page, channel, false, 938, 6);
  BuildFirControls(page, channel, 805, 168);
}

void MainWindowBuilder::BuildOutputPage(int channel) {
  BuildChannelPlotArea(channel);
  TRzGroupBox* page = m_controls.LowerGroups[channel];
  const QString s = ChannelSuffix(channel);
  BuildGainColumn(page, channel);
  BuildPeqColumn(page, channel);
  Label(page, QStringLiteral("lbModeOut") + s.mid(3), QStringLiteral("Mode"), 808, 8, channel);
  List(page, QStringLiteral("rzcMode") + s, channel, {"       IIR", "       FIR", "  IIR + FIR"}, 0, 860, 5, 120);
  TRzGroupBox& lowCut = Group(page, QStringLiteral("rzgLowCut") + s, QString(), 802, 32, 130, 140, channel);
  BuildCrossover(&lowCut, channel, true, 4, 4);
  TRzGroupBox& highCut = Group(page, QStringLiteral("rzgHighCut") + s, QString(), 936, 32, 130, 140, channel);
  BuildCrossover(&highCut, channel, false, 4, 4);
  TRzGroupBox& fir = Group(page, QStringLiteral("rzgFir") + s, QString(), 802, 176, 264, 98, channel);
  BuildFirControls(&fir, channel, 4, 4);
  BuildFirDesigner(page, channel);
}

void MainWindowBuilder::BuildChannelPlotArea(int channel) {
  TRzGroupBox* page = m_controls.UpperGroups[channel];
  const QString s = ChannelSuffix(channel);
  auto& plot = m_factory.Make<LMyFFTDrawHpLp6dB>(page, QStringLiteral("fftDraw") + s, 10, 24, 1070, 255, channel);
  MainWindowLook::StylePlot(plot);
  m_controls.ResponsePlots[channel] = &plot;
  TLabel& name = Label(page, QStringLiteral("lbFftChannel") + s, s, 14, 4, channel);
  name.Font().SetHeight(-14);
  TLabel& hint = Label(page, QStringLiteral("lbFftParam") + s, QString(), 120, 5, channel);
  hint.SetVisible(false);
  // Overlays of the other channels of the same kind.
  TRzGroupBox& others = Group(page, QStringLiteral("rzgFftShowCh") + s, QString(), IsInput(channel) ? 500 : 460, 1,
                              IsInput(channel) ? 232 : 290, 22, channel);
  int left = 2;
  if (IsInput(channel)) {
    for (int other = 0; other < 4; ++other) {  // "D" switches a section no channel fills
      if (other == channel) {
        continue;
      }
      const QChar letter('A' + other);
      Switch(&others, QStringLiteral("vrbShow") + letter + s, QStringLiteral("In") + letter, other, false, left, 0);
      left += 76;
    }
  } else {
    for (int other = 3; other < 9; ++other) {
      if (other == channel) {
        continue;
      }
      const QString digit = QString::number(other - 2);
      Switch(&others, QStringLiteral("vrbShow") + digit + s, QStringLiteral("Out") + digit, other, false, left, 0,
             56);
      left += 57;
    }
  }
  for (const auto& [stem, left, width] : {std::tuple{"vrbEqBypass", 776, 76}, std::tuple{"vrbEqReset", 857, 72}}) {
    auto& button = m_factory.Make<TVrDemoButton>(page, QLatin1String(stem) + s, left, 2, width, 20, channel);
    MainWindowLook::StyleDemoButton(button);
  }
  Switch(page, QStringLiteral("vrbEqShowAll") + s, QStringLiteral("SHOW ALL EQ"), channel, false, 934, 1, 100);

  // The view of the plot: EQ+FIR, FIR or EQ, magnitude or phase. Two short
  // rows in the plot's top right corner, above the numbers of markers at
  // the highest gain.
  TRzGroupBox& view = Group(page, QStringLiteral("rzgFftShowCurve") + s, QString(), 920, 25, 150, 33, channel);
  const char* const views[] = {"EQ+FIR", "FIR", "EQ"};
  const char* const viewStems[] = {"rbShowEqFir", "rbShowFir", "rbShowEq"};
  const int viewLefts[] = {4, 66, 108};
  const int viewWidths[] = {62, 42, 40};
  for (int i = 0; i < 3; ++i) {
    auto& radio = m_factory.Make<TRadioButton>(&view, QString::fromLatin1(viewStems[i]) + s, viewLefts[i], 0,
                                               viewWidths[i], 16, channel);
    radio.SetCaption(QString::fromLatin1(views[i]));
    radio.SetHelpContext(i);
    radio.Font().SetColor(clWhite);
    radio.SetChecked(i == 0);
  }
  auto& mode = m_factory.Make<TRzPanel>(&view, QStringLiteral("plFftShowMode") + s, 4, 16, 142, 16, channel);
  mode.SetColor(MainWindowLook::kPageColor);
  mode.SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  const char* const modes[] = {"Mag", "Phase"};
  const char* const modeStems[] = {"rbShowGain", "rbShowPhase"};
  for (int i = 0; i < 2; ++i) {
    auto& radio =
        m_factory.Make<TRadioButton>(&mode, QString::fromLatin1(modeStems[i]) + s, 62 * i, 0, 62, 16, channel);
    radio.SetCaption(QString::fromLatin1(modes[i]));
    radio.Font().SetColor(clWhite);
    radio.SetChecked(i == 0);
  }
  // Shown in the phase view only, left of the view choice.
  Switch(page, QStringLiteral("vrbFirRemove") + s, QStringLiteral("Remove FIR Latency"), channel, false, 780, 30, 136)
      .SetVisible(false);
}

void MainWindowBuilder::BuildGainColumn(QWidget* page, int channel) {
  const QString s = ChannelSuffix(channel);
  TRzGroupBox& column = Group(page, QStringLiteral("rzgGain") + s, QString(), 6, 6, 130, 268, channel);
  TLabel& name = Label(&column, QStringLiteral("lbGainName") + s, s, 8, 4, channel);
  name.Font().SetHeight(-14);
  Label(&column, QStringLiteral("lbGain") + s, QStringLiteral("Gain"), 8, 24, channel);
  Slider(&column, QStringLiteral("isGain") + s, channel, -280, 120, 0, 6, 10, 42, 180);
  ValueBox(&column, QStringLiteral("cvdGain") + s, channel, QStringLiteral("+0.0dB"), 4, 232, 70);
  Toggle(&column, QStringLiteral("rzbPhase") + s, QStringLiteral("Normal"), channel, 1, 74, 42, 52, 24);
  Toggle(&column, QStringLiteral("rzbMute") + s, QStringLiteral("Mute"), channel, 2, 74, 72, 52, 24);
  Meter(&column, QStringLiteral("pbLevel") + s, channel, 8, 84, 104, 150);
  Lamp(&column, QStringLiteral("pbLimit") + s, channel, 104, 104);
}

void MainWindowBuilder::BuildPeqColumn(QWidget* page, int channel) {
  const QString s = ChannelSuffix(channel);
  const int bands = BandCount(channel);
  auto& panel = m_factory.Make<TMyPEQType10>(page, QStringLiteral("peqPeq") + s, kPanelLeft, kPanelTop, kPanelWidth,
                                             kPanelHeight, channel);
  MainWindowLook::StyleBandPanel(panel, bands);
  // The band selectors lie in the panel over its band numbers, one per row.
  const int rowHeight = (kPanelHeight - kPanelTopBottomSpace - 16) / bands;
  for (int n = 1; n <= bands; ++n) {
    TRzBmpButton& band = Button(&panel, QStringLiteral("rzbEq%1").arg(n) + s, QString::number(n), n - 1, 11,
                                kPanelTopBottomSpace + 8 + rowHeight * (n - 1) + 1, 24, 18);
    band.SetGroupIndex(channel + 1);
  }
  // The column titles: the language's title line, one word over each column.
  Label(page, QStringLiteral("lbEq") + s, QString(), kPanelLeft, kPanelTop, channel).SetVisible(false);
  const int cw = (kPanelWidth - 68) / 5;
  const int titleLefts[] = {2, 40, 48 + cw, 56 + 2 * cw, 64 + 3 * cw, 78 + 4 * cw};
  const int titleWidths[] = {42, cw, cw, cw, cw + 8, cw - 14};
  for (int k = 0; k < kPeqTitles; ++k) {
    TLabel& title = Label(&panel, QStringLiteral("lbEqTitle%1").arg(k) + s, QString(), titleLefts[k], 4, channel);
    title.SetAutoSize(false);
    title.SetBounds(titleLefts[k], 4, titleWidths[k], 16);
    title.SetAlignment(TAlignment::taCenter);
  }

  Label(page, QStringLiteral("lbEqParam") + s, QStringLiteral("PEQ Parameter"), 604, 6, channel);
  // Zero-width: it only takes the focus and the nudging keys.
  auto& param = ValueBox(page, QStringLiteral("cvdEqParam") + s, channel, QString(), 700, 4, 0);
  param.SetReadOnly(true);
  struct BandBar {
    const char* stem;
    const char* caption;
    int max;
    int pageSize;
    int position;
  };
  const BandBar bars[] = {{"EqFreq", "Freq", 300, 15, 0}, {"EqBw", "Q", 100, 5, 0}, {"EqGain", "Gain", 240, 3, 120}};
  for (int i = 0; i < 3; ++i) {
    const QString stem = QString::fromLatin1(bars[i].stem);
    const int left = 604 + 66 * i;
    ColumnCaption(page, QStringLiteral("lb") + stem + s, QString::fromLatin1(bars[i].caption), left, 30, 64, channel);
    Slider(page, QStringLiteral("is") + stem + s, channel, 0, bars[i].max, bars[i].position, bars[i].pageSize,
           left + 14, 48, 190);
    ValueBox(page, QStringLiteral("cvd") + stem + s, channel, QString(), left, 246, 64);
  }
}

void MainWindowBuilder::BuildCrossover(QWidget* parent, int channel, bool lowCut, int left, int top) {
  const QString s = ChannelSuffix(channel);
  const QString stem = lowCut ? QStringLiteral("LowCut") : QStringLiteral("HighCut");
  Label(parent, QStringLiteral("lb") + stem + QStringLiteral("Freq") + s,
        lowCut ? QStringLiteral("HighPass") : QStringLiteral("LowPass"), left, top, channel);
  Slider(parent, QStringLiteral("is") + stem + QStringLiteral("Freq") + s, channel, 0, 300, lowCut ? 0 : 300, 15,
         left, top + 18, 110);
  ValueBox(parent, QStringLiteral("cvd") + stem + QStringLiteral("Freq") + s, channel, QString(), left + 34, top + 20,
           86);
  Label(parent, QStringLiteral("lb") + stem + QStringLiteral("Slop") + s, QStringLiteral("Slope"), left + 34,
        top + 48, channel);
  List(parent, QStringLiteral("rzc") + stem + QStringLiteral("Slop") + s, channel, SlopeItems(), kSteepestSlope,
       left + 34, top + 64, 86);
  Toggle(parent, QStringLiteral("rzb") + stem + QStringLiteral("Bypass") + s, QStringLiteral("Bypass"), channel,
         lowCut ? 4 : 5, left + 34, top + 94, 86, 24);
}

void MainWindowBuilder::BuildFirControls(QWidget* parent, int channel, int left, int top) {
  const QString s = ChannelSuffix(channel);
  Toggle(parent, QStringLiteral("rzbFirBypass") + s, QStringLiteral("Bypass"), channel, 6, left, top, 80, 24);
  Button(parent, QStringLiteral("rzbFirDesign") + s, QStringLiteral("Design"), channel, left + 86, top, 80, 24);
  // Output 1's open button carries a name of its own.
  const QString open = channel == 3 ? QStringLiteral("sbOpenFileOut1") : QStringLiteral("sbOpenFirFile") + s;
  auto& openButton = m_factory.Make<TRzButton>(parent, open, left + 172, top, 80, 24, channel);
  openButton.SetCaption(QStringLiteral("Open"));
  QWidget* tapsParent = parent;
  QWidget* nameParent = parent;
  int tapsLeft = left;
  int nameLeft = left;
  int tapsTop = top + 30;
  int nameTop = top + 30;
  if (IsInput(channel)) {
    nameLeft = left + 100;
  }
  if (!IsInput(channel)) {
    tapsParent = &Group(parent, QStringLiteral("rzgShowFirTaps") + s, QString(), left, top + 30, 100, 56, channel);
    nameParent = &Group(parent, QStringLiteral("rzgShowFirName") + s, QString(), left + 106, top + 30, 146, 56, channel);
    tapsLeft = nameLeft = 6;
    tapsTop = nameTop = 6;
  }
  Label(tapsParent, QStringLiteral("lbShowFirTaps") + s, QStringLiteral("Taps"), tapsLeft, tapsTop, channel);
  Label(tapsParent, QStringLiteral("lbNowFirTaps") + s, QString::number(IsInput(channel) ? 2048 : 512), tapsLeft,
        tapsTop + 20, channel);
  Label(nameParent, QStringLiteral("lbShowFirName") + s, QStringLiteral("Name"), nameLeft, nameTop, channel);
  Label(nameParent, QStringLiteral("lbNowFirName") + s, QString(), nameLeft, nameTop + 20, channel);
}

void MainWindowBuilder::BuildFirDesigner(QWidget* page, int channel) {
  const QString s = ChannelSuffix(channel);
  // The designer shares its place with the IIR cut groups; the mode decides
  // which are in front.
  // Left: type, window and taps one under the other; right: the two cut-off
  // faders over the whole height, so the block covers the cut groups whole.
  TRzGroupBox& type = Group(page, QStringLiteral("rzgFirType") + s, QString(), 802, 32, 130, 46, channel);
  Label(&type, QStringLiteral("lbFirType") + s, QStringLiteral("Type"), 6, 2, channel);
  List(&type, QStringLiteral("rzcFirType") + s, channel, {"BYPASS", "LOW PASS", "HIGH PASS", "BAND PASS"}, 0, 6, 20,
       118);
  TRzGroupBox& window = Group(page, QStringLiteral("rzgFirWin") + s, QString(), 802, 78, 130, 46, channel);
  Label(&window, QStringLiteral("lbFirWin") + s, QStringLiteral("Win"), 6, 2, channel);
  List(&window, QStringLiteral("rzcFirWin") + s, channel,
       {"  RECT  ", "BARTLETT", "HANNING ", "HAMMING ", "BLACKMAN", "  SINE  ", "  SINC  ", "NUTTALL ", " KAISER ",
        "BLACK-NU", " HARRIS "},
       channel == 3 ? 7 : 8, 6, 20, 118);
  TRzGroupBox& taps = Group(page, QStringLiteral("rzgFirTaps") + s, QString(), 802, 124, 130, 48, channel);
  Label(&taps, QStringLiteral("lbFirTaps") + s, QStringLiteral("Taps"), 6, 4, channel);
  QStringList tapItems;
  for (int n = 0; n <= 24; ++n) {
    tapItems << QString::number(n * 32 + 256);
  }
  List(&taps, QStringLiteral("rzcFirTaps") + s, channel, tapItems, 8, 56, 2, 68);
  auto& ok = m_factory.Make<TRzButton>(&taps, QStringLiteral("bnFirOK") + s, 6, 25, 118, 20, channel);
  ok.SetCaption(QStringLiteral("OK"));
  ok.SetEnabled(false);
  TRzGroupBox& lowCut = Group(page, QStringLiteral("rzgFirLowCut") + s, QString(), 936, 32, 64, 140, channel);
  ColumnCaption(&lowCut, QStringLiteral("lbFirLowCut") + s, QStringLiteral("HighPass"), 1, 2, 62, channel);
  Slider(&lowCut, QStringLiteral("isFirLowCut") + s, channel, 88, 299, 110, 15, 17, 18, 92);
  // The cut-off boxes are narrow: a smaller font keeps "20.16KHz" whole.
  ValueBox(&lowCut, QStringLiteral("cvdFirLowCut") + s, channel, QStringLiteral("250.0Hz"), 1, 113, 62)
      .Font()
      .SetHeight(kFirCutBoxFontHeight);
  TRzGroupBox& highCut = Group(page, QStringLiteral("rzgFirHighCut") + s, QString(), 1002, 32, 64, 140, channel);
  ColumnCaption(&highCut, QStringLiteral("lbFirHighCut") + s, QStringLiteral("LowPass"), 1, 2, 62, channel);
  Slider(&highCut, QStringLiteral("isFirHighCut") + s, channel, 89, 300, 300, 15, 17, 18, 92);
  ValueBox(&highCut, QStringLiteral("cvdFirHighCut") + s, channel, QStringLiteral("20.16KHz"), 1, 113, 62)
      .Font()
      .SetHeight(kFirCutBoxFontHeight);
  for (TRzGroupBox* group : {&type, &window, &taps, &lowCut, &highCut}) {
    group->SendToBack();
  }
}
