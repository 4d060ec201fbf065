#include "app/builders/MainWindowBuilder.h"

#include "app/MainWindowPages.h"
#include "app/TfmMainControls.h"
#include "app/builders/MainWindowLook.h"
#include "components/MainWindowState.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

/// Captions of the page buttons, by page number.
const char* const kPageCaptions[] = {"InA",  "InB",  "InC",  "Out1",  "Out2",   "Out3", "Out4", "Out5",
                                     "Out6", "Comp", "Delay", "Gain", "Matrix", "Gate", "Limit"};
}  // namespace

MainWindowBuilder::MainWindowBuilder(TForm& form, ControlFactory& factory, TfmMainControls& controls)
    : m_form(form), m_factory(factory), m_controls(controls) {}

void MainWindowBuilder::Build() {
  BuildMenu();
  BuildTimers();
  BuildFunctionRow();
  BuildMainArea();
  for (int channel = 0; channel < 3; ++channel) {
    BuildInputPage(channel);
  }
  for (int channel = 3; channel < 9; ++channel) {
    BuildOutputPage(channel);
  }
  BuildGainPage();
  BuildDelayPage();
  BuildMatrixPage();
  BuildCompPage();
  BuildGatePage();
  BuildLimitPage();
  BuildPresetBar();
}

void MainWindowBuilder::BuildTimers() {
  struct TimerSpec {
    const char* name;
    int interval;
  };
  // Every timer starts disabled; the code that owns one starts it.
  const TimerSpec timers[] = {
      {"tmHostCheck", 500},     {"tmInLevelDet", 300}, {"tmMipsFlash", 300},  {"tmPresetLoadCount", 10},
      {"tmUnlockPrompt", 1000}, {"tmUpload", 300},     {"tmEqCurve", 1},
      {"tmHpLpCurve", 1},       {"tmMouseEqCurve", 1}, {"tmCompDisp", 1},     {"tmLimitDisp", 1},
      {"tmSlider", 100},
  };
  for (const TimerSpec& timer : timers) {
    m_factory.MakeTimer(QString::fromLatin1(timer.name), timer.interval);
  }
}

void MainWindowBuilder::BuildFunctionRow() {
  TRzGroupBox& row = Group(&m_form, QStringLiteral("rzgFunction"), QString(), 5, 2, 1115, 44);
  m_controls.rzgFunction = &row;
  // The page buttons form one radio group; Gain is down at start.
  for (int page = 0; page < TfmMainControls::kPages; ++page) {
    TRzBmpButton& button = Button(&row, QStringLiteral("rzbMenu") + PageStem(page),
                                  QString::fromLatin1(kPageCaptions[page]), page, 6 + 56 * page, 6, 54, 32);
    button.SetGroupIndex(1);
    // A channel's button shows the channel's name as its hint.
    button.SetShowHint(true);
    m_controls.PageButtons[page] = &button;
  }
  m_controls.PageButtons[MainWindowState::kPageGain]->SetDown(true);
  m_controls.PageButtons[MainWindowState::kPageGain]->Font().SetColor(MainWindowLook::kPageShown);

  TRzGroupBox& ipSelect = Group(&row, QStringLiteral("rzgIpSelect"), QString(), 860, 4, 185, 36);
  TLabel& ip = Label(&ipSelect, QStringLiteral("lbIp"), QStringLiteral("IP"), 6, 11);
  ip.SetVisible(false);
  auto& addresses = List(&ipSelect, QStringLiteral("rzcIpAddress"), 0, {}, -1, 24, 7, 118);
  addresses.SetVisible(false);
  auto& scan = m_factory.Make<TRzButton>(&ipSelect, QStringLiteral("sbIpScan"), 146, 6, 34, 23);
  scan.SetCaption(QStringLiteral("Scan"));
  m_controls.rzbMenuLink = &Button(&row, QStringLiteral("rzbMenuLink"), QString(), 0, 1050, 6, 60, 32);
}

void MainWindowBuilder::BuildMainArea() {
  TRzGroupBox& main = Group(&m_form, QStringLiteral("rzgMain"), QString(), 5, 48, 1112, 629);
  m_controls.rzgMain = &main;
  // Background pictures of the page area, behind the page groups.
  m_factory.Make<TImage>(&main, QStringLiteral("imLeftUpBase"), 0, 0, 1082, 256).SetStretch(true);
  m_factory.Make<TImage>(&main, QStringLiteral("imRightUpBase"), 1077, 0, 35, 256).SetStretch(true);
  m_factory.Make<TImage>(&main, QStringLiteral("imLeftDownBase"), 0, 256, 1082, 373).SetStretch(true);
  m_factory.Make<TImage>(&main, QStringLiteral("imRightDownBase"), 1077, 256, 35, 373).SetStretch(true);
  for (int page = 0; page < TfmMainControls::kPages; ++page) {
    const QString stem = PageStem(page);
    const int upperHeight = page == MainWindowState::kPageComp ? 272 : 284;
    TRzGroupBox& upper = Group(&main, QStringLiteral("rzgFft") + stem, QString(), 0, 4, 1112, upperHeight, page);
    TRzGroupBox& lower = Group(&main, QStringLiteral("rzgParam") + stem, QString(), 20, 292, 1072, 280, page);
    const bool shown = page == MainWindowState::kPageGain;
    upper.SetVisible(shown);
    lower.SetVisible(shown);
    m_controls.UpperGroups[page] = &upper;
    m_controls.LowerGroups[page] = &lower;
  }
}

void MainWindowBuilder::BuildPresetBar() {
  TRzGroupBox& bar = Group(&m_form, QStringLiteral("rzgPreset"), QString(), 10, 626, 1092, 44);
  m_controls.rzgPreset = &bar;
  Label(&bar, QStringLiteral("lPreset"), QStringLiteral("Preset"), 10, 14);
  Label(&bar, QStringLiteral("lbPstNum"), QStringLiteral("F00"), 62, 14);
  Label(&bar, QStringLiteral("lbPstName"), QString(), 100, 14);
  auto& store = m_factory.Make<TRzButton>(&bar, QStringLiteral("bStore"), 250, 9, 70, 25);
  store.SetCaption(QStringLiteral("Store"));
  auto& recall = m_factory.Make<TRzButton>(&bar, QStringLiteral("bRecall"), 326, 9, 70, 25);
  recall.SetCaption(QStringLiteral("Recall"));
  Label(&bar, QStringLiteral("lAddress"), QStringLiteral("Address"), 420, 14);
  Label(&bar, QStringLiteral("lbShowIdNumber"), QStringLiteral("ID : 1"), 480, 14);
  Label(&bar, QStringLiteral("lbShowIp"), QString(), 540, 14);
  Label(&bar, QStringLiteral("lbStatus"), QString(), 680, 14);
  Label(&bar, QStringLiteral("lbDspMips"), QString(), 860, 14);
  Label(&bar, QStringLiteral("lbMessage"), QString(), 960, 14);
  bar.BringToFront();
}
