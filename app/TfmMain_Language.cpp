// The window's texts in the current language and the language menu.
#include "app/TfmMain.h"
#include "components/peq/TMyPEQType10.h"
#include "link/LUnitSession.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/TRzBmpButton.h"

namespace {

/// One language pass: after the first missing name nothing more is set.
class TextPass {
public:
  TextPass(const TfmMain& window, ControlRegistry& controls) : m_window(window), m_controls(controls) {}

  TObject* Get(const QString& name) {
    if (m_stopped) {
      return nullptr;
    }
    TObject* object = m_controls.FindObject(name);
    m_stopped = object == nullptr;
    return object;
  }
  void Set(const QString& name, const QString& key) {
    TObject* object = Get(name);
    if (auto* item = dynamic_cast<TMenuItem*>(object)) {
      item->Caption = m_window.LookUpText(key);
    } else if (auto* control = dynamic_cast<TControl*>(object)) {
      control->SetCaption(m_window.LookUpText(key));
    }
  }
  /// A phase button reads "Inverse" while down, "Normal" while up.
  void Phase(const QString& name) {
    if (auto* button = dynamic_cast<TRzBmpButton*>(Get(name))) {
      button->SetCaption(m_window.LookUpText(button->Down() ? QStringLiteral("SID_PHASE_ON")
                                                            : QStringLiteral("SID_PHASE_OFF")));
    }
  }
  void Pairs(const QString& suffix, std::initializer_list<std::pair<const char*, const char*>> pairs) {
    for (const auto& [stem, key] : pairs) {
      if (QLatin1String(key) == QLatin1String("phase")) {
        Phase(QLatin1String(stem) + suffix);
      } else {
        Set(QLatin1String(stem) + suffix, QLatin1String(key));
      }
    }
  }
  void BandPanel(const QString& name) {
    auto* panel = dynamic_cast<TMyPEQType10*>(Get(name));
    if (panel == nullptr) {
      return;
    }
    for (int type = 0; type <= 10; ++type) {
      panel->SetEqTypeString(m_window.LookUpText(QStringLiteral("SID_EQ_TYPE%1").arg(type)), type);
    }
    panel->SetBypassString(m_window.LookUpText(QStringLiteral("SID_EQ_BYPASS")));
    panel->ChangeLanguage();
  }

private:
  const TfmMain& m_window;
  ControlRegistry& m_controls;
  bool m_stopped = false;
};

}  // namespace

void TfmMain::ApplyLanguageTexts() {
  TextPass pass(*this, m_registry);
  // 1-3: the menu.
  pass.Pairs(QString(), {{"File", "SID_FILE"},
                         {"Open", "SID_OPEN"},
                         {"Save", "SID_SAVE"},
                         {"Upload", "SID_UPLOAD"},
                         {"Download", "SID_DOWNLOAD"},
                         {"FactoryDefault", "SID_RETRUN_FACTORY"},
                         {"Exit", "SID_EXIT"},
                         {"BlockDiagram", "SID_BLOCK"}});
  pass.Set(QStringLiteral("Connected"),
           m_session->IsUnitLinked() ? QStringLiteral("SID_DISCONNECT") : QStringLiteral("SID_CONNECT"));
  pass.Pairs(QString(), {{"Connect", "SID_CONNECT"},
                         {"ConnectHelp", "SID_CONNECT_HELP"},
                         {"Lock", "SID_LOCK"},
                         {"LockMode", "SID_LOCK_MODE_SETUP"},
                         {"LockSetup", "SID_LOCK_SETUP"},
                         {"SettingID", "SID_SET_ID"},
                         {"SourceSelect", "SID_SOURCE_SELECT"},
                         {"InOutSelect", "SID_IN_OUT_SELECT"},
                         {"InSelect", "SID_IN_SELECT"},
                         {"InAnalog", "SID_ANALOG"},
                         {"InDigital", "SID_DIGITAL"},
                         {"OutSelect", "SID_OUT_SELECT"},
                         {"OutAnalog", "SID_ANALOG"},
                         {"OutDigital", "SID_DIGITAL"},
                         {"NetworkSetup", "SID_SET_NETWORK"},
                         {"TestTone", "SID_TEST_TONE"},
                         {"Link", "SID_LINK"},
                         {"Copy", "SID_COPY"},
                         {"ChNameList", "SID_CH_NAME_LIST"},
                         {"LanguageSel", "SID_LANGUAGE"},
                         {"ChineseSimplified", "SID_CHINESE_SIMPLIFIED"},
                         {"ChineseTraditional", "SID_CHINESE_TRODITIONAL"},
                         {"English", "SID_ENGLISH"},
                         {"Help", "SID_HELP"},
                         {"Rs232Code", "SID_RS232_CODE"},
                         {"About", "SID_ABOUT"}});
  // 4-5: the link button and the preset bar.
  pass.Set(QStringLiteral("rzbMenuLink"),
           m_session->IsUnitLinked() ? QStringLiteral("SID_ONLINE") : QStringLiteral("SID_OFFLINE"));
  pass.Pairs(QString(), {{"lPreset", "SID_PRESET"},
                         {"lAddress", "SID_ADDRESS"},
                         {"bStore", "SID_BT_STORE"},
                         {"bRecall", "SID_BT_RECALL"}});
  // 6-7: the gain and delay pages.
  for (int channel = 0; channel < 9; ++channel) {
    pass.Pairs(ChannelSuffix(channel), {{"rzbMuteBackup", "SID_MUTE"}, {"rzbPhaseBackup", "phase"}});
  }
  pass.Pairs(QString(), {{"lbGainInput", "SID_IN"},
                         {"lbGainOutput", "SID_OUT"},
                         {"lbDelayInput", "SID_IN"},
                         {"lbDelayOutput", "SID_OUT"},
                         {"lbDelayUnit", "SID_DELAY_UNIT"},
                         {"lbFftDelayIn", "SID_IN_DELAY"},
                         {"lbFftDelayOut", "SID_OUT_DELAY"},
                         {"rzbUnit0", "SID_UNIT_MS"},
                         {"rzbUnit1", "SID_UNIT_M"},
                         {"rzbUnit2", "SID_UNIT_FT"},
                         {"lbFftGainIn", "SID_IN"},
                         {"lbFftGainOut", "SID_OUT"}});
  // 8-9: each input's page, compressor and gate labels, then its band panel.
  for (int input = 0; input < 3; ++input) {
    const QString s = ChannelSuffix(input);
    pass.Pairs(s, {{"lbFftParam", "SID_PARAM_KEY"},     {"lbGain", "SID_GAIN"},
                   {"rzbMute", "SID_MUTE"},             {"rzbPhase", "phase"},
                   {"lbEqParam", "SID_EQ_PARAM"},       {"lbEqFreq", "SID_EQ_FREQ"},
                   {"lbEqBw", "SID_EQ_BW"},             {"lbEqGain", "SID_EQ_GAIN"},
                   {"lbEq", "SID_IN_EQ_PARAM_TITLE"},   {"lbLowCutFreq", "SID_HPF"},
                   {"lbLowCutSlop", "SID_HLP_SLOP"},    {"rzbLowCutBypass", "SID_HLP_BYPASS"},
                   {"lbHighCutFreq", "SID_LPF"},        {"lbHighCutSlop", "SID_HLP_SLOP"},
                   {"rzbHighCutBypass", "SID_HLP_BYPASS"}, {"rzbFirBypass", "SID_HLP_BYPASS"},
                   {"rzbFirDesign", "SID_FIR_DESIGN"},  {"lbShowFirTaps", "SID_FIR_TAPS"},
                   {"lbShowFirName", "SID_FIR_NAME"},   {"lbGateThreshold", "SID_COMP_THRESHOLD"},
                   {"lbGateAttack", "SID_COMP_ATTACK"}, {"lbGateRelease", "SID_COMP_RELEASE"},
                   {"lbGateRatio", "SID_COMP_RATIO"},   {"lbCompRatio", "SID_COMP_RATIO"},
                   {"lbCompThreshold", "SID_COMP_THRESHOLD"}, {"lbCompAttack", "SID_COMP_ATTACK"},
                   {"lbCompRelease", "SID_COMP_RELEASE"}, {"lbCompKnee", "SID_COMP_KNEE"},
                   {"lbCompEqFreq", "SID_EQ_FREQ"},     {"lbCompEqType", "SID_DEQ_TYPE"},
                   {"vrbEqShowAll", "SID_SHOW_ALL_EQ"}, {"vrbEqReset", "SID_RESET_EQ"},
                   {"vrbEqBypass", "SID_BYPASS_EQ"}});
    pass.BandPanel(QStringLiteral("peqPeq") + s);
  }
  // 10-11: each output's page and limiter labels, then its band panel.
  for (int output = 3; output < 9; ++output) {
    const QString s = ChannelSuffix(output);
    pass.Pairs(s, {{"lbFftParam", "SID_PARAM_KEY"},     {"lbGain", "SID_GAIN"},
                   {"rzbMute", "SID_MUTE"},             {"rzbPhase", "phase"},
                   {"lbEqParam", "SID_EQ_PARAM"},       {"lbEqFreq", "SID_EQ_FREQ"},
                   {"lbEqBw", "SID_EQ_BW"},             {"lbEqGain", "SID_EQ_GAIN"},
                   {"lbEq", "SID_EQ_PARAM_TITLE"},      {"lbLowCutFreq", "SID_HPF"},
                   {"lbLowCutSlop", "SID_HLP_SLOP"},    {"rzbLowCutBypass", "SID_HLP_BYPASS"},
                   {"lbHighCutFreq", "SID_LPF"},        {"lbHighCutSlop", "SID_HLP_SLOP"},
                   {"rzbHighCutBypass", "SID_HLP_BYPASS"}, {"lbMode", "SID_DEQ_MODE"},
                   {"lbFirLowCut", "SID_HPF"},          {"lbFirHighCut", "SID_LPF"},
                   {"lbFirType", "SID_DEQ_TYPE"},       {"lbFirWin", "SID_FIR_WIN"},
                   {"lbFirTaps", "SID_FIR_TAPS"},       {"lbShowFirTaps", "SID_FIR_TAPS"},
                   {"lbShowFirName", "SID_FIR_NAME"},   {"rzbFirBypass", "SID_HLP_BYPASS"},
                   {"rzbFirDesign", "SID_FIR_DESIGN"},  {"vrbEqShowAll", "SID_SHOW_ALL_EQ"},
                   {"vrbEqReset", "SID_RESET_EQ"},      {"vrbEqBypass", "SID_BYPASS_EQ"},
                   {"lbLimitRatio", "SID_COMP_RATIO"},  {"lbLimitThreshold", "SID_COMP_THRESHOLD"},
                   {"lbLimitAttack", "SID_COMP_ATTACK"}, {"lbLimitRelease", "SID_COMP_RELEASE"},
                   {"lbLimitKnee", "SID_COMP_KNEE"}});
    pass.BandPanel(QStringLiteral("peqPeq") + s);
  }
  // The band panels' column titles: one word of the title line per column.
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    const QString s = ChannelSuffix(channel);
    auto* line = dynamic_cast<TControl*>(pass.Get(QStringLiteral("lbEq") + s));
    if (line == nullptr) {
      break;
    }
    const QStringList words = line->Caption().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 0; k < words.size(); ++k) {
      if (auto* title = Named<TControl>(QStringLiteral("lbEqTitle%1").arg(k) + s)) {
        title->SetCaption(words[k]);
      }
    }
  }
  // 12: the dynamics titles name the channel each page shows.
  const QString gate = QStringLiteral("In ") + QChar('A' + m_state.SelectedGateInput) + QStringLiteral("  ") +
                       LookUpText(QStringLiteral("SID_GATE"));
  const QString comp = QStringLiteral("In ") + QChar('A' + m_state.SelectedCompressorInput) +
                       QStringLiteral("  ") + LookUpText(QStringLiteral("SID_COMP"));
  const QString limit = QStringLiteral("Out ") + QString::number(m_state.SelectedLimiterOutput - 2) +
                        QStringLiteral("  ") + LookUpText(QStringLiteral("SID_LIMIT"));
  const std::pair<const char*, QString> titles[] = {{"lbGateName", gate}, {"lbCompName", comp}, {"lbLimitName", limit}};
  for (const auto& [name, text] : titles) {
    if (auto* label = dynamic_cast<TControl*>(pass.Get(QLatin1String(name)))) {
      label->SetCaption(text);
    }
  }
  m_controls.MainMenu.Refresh();
}

void TfmMain::LanguageClick(TObject* Sender) {
  auto* chosen = dynamic_cast<TMenuItem*>(Sender);
  if (chosen == nullptr) {
    return;
  }
  m_state.LanguageName =
      QLatin1String(chosen->Tag == 0 ? LanguageChineseGB : LanguageEnglish);
  if (chosen->Checked) {
    return;  // the language shown already
  }
  for (const char* name : {"ChineseSimplified", "ChineseTraditional", "English"}) {
    TMenuItem* item = m_controls.MainMenu.Find(QLatin1String(name));
    item->Checked = item == chosen;
  }
  ApplyLanguageTexts();
  if (auto* panel = Named<TMyPEQType10>(QStringLiteral("peqPeqInA"))) {
    panel->Repaint();
  }
}
