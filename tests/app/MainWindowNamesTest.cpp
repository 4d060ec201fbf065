// Every named control of the main window, found by its exact name, with its
// class, Tag, group and settings. The table below is written from the
// window's design, family by family, not from the builders; the test expands
// it to names.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "app/TfmMain.h"
#include "app/builders/ControlFactory.h"
#include "app/builders/MainWindowBuilder.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/threads/TTimer.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "platform/widgets/TRadioButton.h"
#include "platform/widgets/TShape.h"
#include "platform/widgets/TUpDown.h"
#include "plot/core/TiXYPlot.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "tests/support/FixturePath.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panels/TRzPanel.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"
#include "widgets/vr/TVrDemoButton.h"
#include "widgets/vr/TVrPowerButton.h"

namespace {

enum class Scope { Single, Inputs, Outputs, Channels };
enum class Cls {
  Any,
  Label,
  Image,
  UpDown,
  Radio,
  TrackBar,
  Edit,
  BmpButton,
  Combo,
  Group,
  Panel,
  Power,
  Demo,
  Meter,
  ResponsePlot,
  XYPlot,
  BandPanel,
  Shape,
  PaintBox,
  Timer,
  MenuItem
};

struct Range {
  int min;
  int max;
  int start;
};

/// One family: a single name, or stem + "InA".."Out6" over its channels.
struct Family {
  const char* stem;
  Scope scope = Scope::Single;
  Cls cls = Cls::Any;
  /// Tag: the channel for channel families unless given here.
  std::optional<int> tag = std::nullopt;
  std::optional<Range> range = std::nullopt;
  int items = -1;
  int itemIndex = -1;
  /// GroupIndex: -2 = the channel + 1.
  std::optional<int> groupIndex = std::nullopt;
  bool allowAllUp = false;
  int meterMax = -1;
  int helpContext = -1;
};

constexpr int kChannelGroup = -2;

bool HasClass(TObject* object, Cls cls) {
  switch (cls) {
    case Cls::Any: return true;
    case Cls::Label: return dynamic_cast<TLabel*>(object) != nullptr;
    case Cls::Image: return dynamic_cast<TImage*>(object) != nullptr;
    case Cls::UpDown: return dynamic_cast<TUpDown*>(object) != nullptr;
    case Cls::Radio: return dynamic_cast<TRadioButton*>(object) != nullptr;
    case Cls::TrackBar: return dynamic_cast<TAdvTrackBar*>(object) != nullptr;
    case Cls::Edit: return dynamic_cast<TCurvyEdit*>(object) != nullptr;
    case Cls::BmpButton: return dynamic_cast<TRzBmpButton*>(object) != nullptr;
    case Cls::Combo: return dynamic_cast<TRzComboBox*>(object) != nullptr;
    case Cls::Group: return dynamic_cast<TRzGroupBox*>(object) != nullptr;
    case Cls::Panel: return dynamic_cast<TRzPanel*>(object) != nullptr;
    case Cls::Power: return dynamic_cast<TVrPowerButton*>(object) != nullptr;
    case Cls::Demo: return dynamic_cast<TVrDemoButton*>(object) != nullptr;
    case Cls::Meter: return dynamic_cast<LProgressBar*>(object) != nullptr;
    case Cls::ResponsePlot: return dynamic_cast<LMyFFTDrawHpLp6dB*>(object) != nullptr;
    case Cls::XYPlot: return dynamic_cast<TiXYPlot*>(object) != nullptr;
    case Cls::BandPanel: return dynamic_cast<TMyPEQType10*>(object) != nullptr;
    case Cls::Shape: return dynamic_cast<TShape*>(object) != nullptr;
    case Cls::PaintBox: return dynamic_cast<TPaintBox*>(object) != nullptr;
    case Cls::Timer: return dynamic_cast<TTimer*>(object) != nullptr;
    case Cls::MenuItem: return dynamic_cast<TMenuItem*>(object) != nullptr;
  }
  return false;
}

// clang-format off
const Family kFamilies[] = {
    // Frame, page buttons and page groups (Parts 5.101, 5.103).
    {"rzgFunction", Scope::Single, Cls::Group}, {"rzgMain", Scope::Single, Cls::Group},
    {"rzgPreset", Scope::Single, Cls::Group}, {"rzgIpSelect", Scope::Single, Cls::Group},
    {"rzbMenu", Scope::Channels, Cls::BmpButton},
    {"rzbMenuComp", Scope::Single, Cls::BmpButton, 9}, {"rzbMenuDelay", Scope::Single, Cls::BmpButton, 10},
    {"rzbMenuGain", Scope::Single, Cls::BmpButton, 11}, {"rzbMenuMatrix", Scope::Single, Cls::BmpButton, 12},
    {"rzbMenuGate", Scope::Single, Cls::BmpButton, 13}, {"rzbMenuLimit", Scope::Single, Cls::BmpButton, 14},
    {"rzbMenuLink", Scope::Single, Cls::BmpButton},
    {"rzgFft", Scope::Channels, Cls::Group}, {"rzgParam", Scope::Channels, Cls::Group},
    {"rzgFftComp", Scope::Single, Cls::Group}, {"rzgParamComp", Scope::Single, Cls::Group},
    {"rzgFftDelay", Scope::Single, Cls::Group}, {"rzgParamDelay", Scope::Single, Cls::Group},
    {"rzgFftGain", Scope::Single, Cls::Group}, {"rzgParamGain", Scope::Single, Cls::Group},
    {"rzgFftMatrix", Scope::Single, Cls::Group}, {"rzgParamMatrix", Scope::Single, Cls::Group},
    {"rzgFftGate", Scope::Single, Cls::Group}, {"rzgParamGate", Scope::Single, Cls::Group},
    {"rzgFftLimit", Scope::Single, Cls::Group}, {"rzgParamLimit", Scope::Single, Cls::Group},
    {"imLeftUpBase", Scope::Single, Cls::Image}, {"imRightUpBase", Scope::Single, Cls::Image},
    {"imLeftDownBase", Scope::Single, Cls::Image}, {"imRightDownBase", Scope::Single, Cls::Image},
    // Preset bar and link controls (Parts 5.102, 2.103, 2.104, 5.111).
    {"lPreset"}, {"lAddress"}, {"bStore"}, {"bRecall"},
    {"lbPstNum", Scope::Single, Cls::Label}, {"lbPstName", Scope::Single, Cls::Label},
    {"lbShowIdNumber", Scope::Single, Cls::Label}, {"lbShowIp", Scope::Single, Cls::Label},
    {"lbStatus", Scope::Single, Cls::Label}, {"lbDspMips", Scope::Single, Cls::Label},
    {"lbMessage", Scope::Single, Cls::Label}, {"lbIp", Scope::Single, Cls::Label},
    {"rzcIpAddress", Scope::Single, Cls::Combo}, {"sbIpScan"},
    // Timers (Parts 2.104, 2.107, 5.111, 5.120, 6.101-6.103, 7.103, 7.106, 7.108).
    {"tmHostCheck", Scope::Single, Cls::Timer}, {"tmInLevelDet", Scope::Single, Cls::Timer},
    {"tmMipsFlash", Scope::Single, Cls::Timer}, {"tmPresetLoadCount", Scope::Single, Cls::Timer},
    {"tmUnlockPrompt", Scope::Single, Cls::Timer}, {"tmUpload", Scope::Single, Cls::Timer},
    {"tmEqCurve", Scope::Single, Cls::Timer},
    {"tmHpLpCurve", Scope::Single, Cls::Timer}, {"tmMouseEqCurve", Scope::Single, Cls::Timer},
    {"tmCompDisp", Scope::Single, Cls::Timer}, {"tmLimitDisp", Scope::Single, Cls::Timer},
    {"tmSlider", Scope::Single, Cls::Timer},
    // Channel pages: plot area (Parts 6.101, 6.110).
    {"fftDraw", Scope::Channels, Cls::ResponsePlot}, {"lbFftChannel", Scope::Channels, Cls::Label},
    {"lbFftParam", Scope::Channels, Cls::Label}, {"rzgFftShowCh", Scope::Channels, Cls::Group},
    {"rzgFftShowCurve", Scope::Channels, Cls::Group},
    {"vrbEqBypass", Scope::Channels, Cls::Demo}, {"vrbEqReset", Scope::Channels, Cls::Demo},
    {"vrbEqShowAll", Scope::Channels, Cls::Power}, {"vrbFirRemove", Scope::Channels, Cls::Power},
    {"rbShowEqFir", Scope::Channels, Cls::Radio, {}, {}, -1, -1, {}, false, -1, 0},
    {"rbShowFir", Scope::Channels, Cls::Radio, {}, {}, -1, -1, {}, false, -1, 1},
    {"rbShowEq", Scope::Channels, Cls::Radio, {}, {}, -1, -1, {}, false, -1, 2},
    {"rbShowGain", Scope::Channels, Cls::Radio}, {"rbShowPhase", Scope::Channels, Cls::Radio},
    // Gain, phase and mute.
    {"rzgGain", Scope::Channels, Cls::Group}, {"lbGainName", Scope::Channels, Cls::Label},
    {"lbGain", Scope::Channels, Cls::Label},
    {"isGain", Scope::Channels, Cls::TrackBar, {}, Range{-280, 120, 0}},
    {"cvdGain", Scope::Channels, Cls::Edit},
    {"rzbPhase", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, 1, true},
    {"rzbMute", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, 2, true},
    {"pbLevel", Scope::Channels, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimit", Scope::Channels, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
    // Equaliser (Parts 6.101, 7.110).
    {"lbEq", Scope::Channels, Cls::Label}, {"peqPeq", Scope::Channels, Cls::BandPanel},
    {"lbEqParam", Scope::Channels, Cls::Label}, {"cvdEqParam", Scope::Channels, Cls::Edit},
    {"lbEqFreq", Scope::Channels, Cls::Label}, {"lbEqBw", Scope::Channels, Cls::Label},
    {"lbEqGain", Scope::Channels, Cls::Label},
    {"isEqFreq", Scope::Channels, Cls::TrackBar, {}, Range{0, 300, 0}},
    {"isEqBw", Scope::Channels, Cls::TrackBar, {}, Range{0, 100, 0}},
    {"isEqGain", Scope::Channels, Cls::TrackBar, {}, Range{0, 240, 120}},
    {"cvdEqFreq", Scope::Channels, Cls::Edit}, {"cvdEqBw", Scope::Channels, Cls::Edit},
    {"cvdEqGain", Scope::Channels, Cls::Edit},
    // Crossovers.
    {"lbLowCutFreq", Scope::Channels, Cls::Label}, {"lbLowCutSlop", Scope::Channels, Cls::Label},
    {"lbHighCutFreq", Scope::Channels, Cls::Label}, {"lbHighCutSlop", Scope::Channels, Cls::Label},
    {"isLowCutFreq", Scope::Channels, Cls::TrackBar, {}, Range{0, 300, 0}},
    {"isHighCutFreq", Scope::Channels, Cls::TrackBar, {}, Range{0, 300, 300}},
    {"cvdLowCutFreq", Scope::Channels, Cls::Edit}, {"cvdHighCutFreq", Scope::Channels, Cls::Edit},
    {"rzcLowCutSlop", Scope::Channels, Cls::Combo, {}, {}, 20, 19},
    {"rzcHighCutSlop", Scope::Channels, Cls::Combo, {}, {}, 20, 19},
    {"rzbLowCutBypass", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, {}, true},
    {"rzbHighCutBypass", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, {}, true},
    // FIR (Parts 6.111, 6.112).
    {"rzbFirBypass", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, {}, true},
    {"rzbFirDesign", Scope::Channels, Cls::BmpButton},
    {"lbShowFirTaps", Scope::Channels, Cls::Label}, {"lbShowFirName", Scope::Channels, Cls::Label},
    {"lbNowFirTaps", Scope::Channels, Cls::Label}, {"lbNowFirName", Scope::Channels, Cls::Label},
    {"sbOpenFirFileInA"}, {"sbOpenFirFileInB"}, {"sbOpenFirFileInC"}, {"sbOpenFileOut1"},
    {"sbOpenFirFileOut2"}, {"sbOpenFirFileOut3"}, {"sbOpenFirFileOut4"}, {"sbOpenFirFileOut5"},
    {"sbOpenFirFileOut6"},
    {"lbMode", Scope::Outputs, Cls::Label}, {"rzcMode", Scope::Outputs, Cls::Combo, {}, {}, 3, 0},
    {"rzgLowCut", Scope::Outputs, Cls::Group}, {"rzgHighCut", Scope::Outputs, Cls::Group},
    {"rzgFir", Scope::Outputs, Cls::Group}, {"rzgShowFirName", Scope::Outputs, Cls::Group},
    {"rzgShowFirTaps", Scope::Outputs, Cls::Group},
    {"rzgFirType", Scope::Outputs, Cls::Group}, {"lbFirType", Scope::Outputs, Cls::Label},
    {"rzcFirType", Scope::Outputs, Cls::Combo, {}, {}, 4, 0},
    {"rzgFirWin", Scope::Outputs, Cls::Group}, {"lbFirWin", Scope::Outputs, Cls::Label},
    {"rzcFirWinOut1", Scope::Single, Cls::Combo, 3, {}, 11, 7},
    {"rzcFirWinOut2", Scope::Single, Cls::Combo, 4, {}, 11, 8},
    {"rzcFirWinOut6", Scope::Single, Cls::Combo, 8, {}, 11, 8},
    {"rzgFirTaps", Scope::Outputs, Cls::Group}, {"lbFirTaps", Scope::Outputs, Cls::Label},
    {"rzcFirTaps", Scope::Outputs, Cls::Combo, {}, {}, 25, 8},
    {"rzgFirLowCut", Scope::Outputs, Cls::Group}, {"lbFirLowCut", Scope::Outputs, Cls::Label},
    {"isFirLowCut", Scope::Outputs, Cls::TrackBar, {}, Range{88, 299, 110}},
    {"cvdFirLowCut", Scope::Outputs, Cls::Edit},
    {"rzgFirHighCut", Scope::Outputs, Cls::Group}, {"lbFirHighCut", Scope::Outputs, Cls::Label},
    {"isFirHighCut", Scope::Outputs, Cls::TrackBar, {}, Range{89, 300, 300}},
    {"cvdFirHighCut", Scope::Outputs, Cls::Edit}, {"bnFirOK", Scope::Outputs},
    // Gain page (Parts 6.110, 7.102).
    {"fftDrawGainIn", Scope::Single, Cls::ResponsePlot, 0}, {"fftDrawGainOut", Scope::Single, Cls::ResponsePlot, 0},
    {"lbFftGainIn", Scope::Single, Cls::Label}, {"lbFftGainOut", Scope::Single, Cls::Label},
    {"rzgFftShowChIn", Scope::Single, Cls::Group}, {"rzgFftShowChOut", Scope::Single, Cls::Group},
    {"vrbShowAGain", Scope::Single, Cls::Power, 0}, {"vrbShowBGain", Scope::Single, Cls::Power, 1},
    {"vrbShowCGain", Scope::Single, Cls::Power, 2}, {"vrbShow1Gain", Scope::Single, Cls::Power, 3},
    {"vrbShow2Gain", Scope::Single, Cls::Power, 4}, {"vrbShow3Gain", Scope::Single, Cls::Power, 5},
    {"vrbShow4Gain", Scope::Single, Cls::Power, 6}, {"vrbShow5Gain", Scope::Single, Cls::Power, 7},
    {"vrbShow6Gain", Scope::Single, Cls::Power, 8},
    {"rzgGainInput", Scope::Single, Cls::Group}, {"rzgGainOutput", Scope::Single, Cls::Group},
    {"lbGainInput", Scope::Single, Cls::Label}, {"lbGainOutput", Scope::Single, Cls::Label},
    {"rzgGainBackup", Scope::Channels, Cls::Group}, {"lbGainBackup", Scope::Channels, Cls::Label},
    {"isGainBackup", Scope::Channels, Cls::TrackBar, {}, Range{-280, 120, 0}},
    {"cvdGainBackup", Scope::Channels, Cls::Edit},
    {"rzbPhaseBackup", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, 3, true},
    {"rzbMuteBackup", Scope::Channels, Cls::BmpButton, {}, {}, -1, -1, 2, true},
    {"pbLevelBackup", Scope::Channels, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimitBackup", Scope::Channels, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
    // Delay page (Parts 5.102, 7.108).
    {"lbFftDelayIn", Scope::Single, Cls::Label}, {"lbFftDelayOut", Scope::Single, Cls::Label},
    {"plFftDelayIn", Scope::Single, Cls::Panel}, {"plFftDelayOut", Scope::Single, Cls::Panel},
    {"rzgUint", Scope::Single, Cls::Group}, {"lbDelayUnit", Scope::Single, Cls::Label},
    {"lbDelayInput", Scope::Single, Cls::Label}, {"lbDelayOutput", Scope::Single, Cls::Label},
    {"rzbUnit0", Scope::Single, Cls::BmpButton, 0, {}, -1, -1, 1},
    {"rzbUnit1", Scope::Single, Cls::BmpButton, 1, {}, -1, -1, 1},
    {"rzbUnit2", Scope::Single, Cls::BmpButton, 2, {}, -1, -1, 1},
    {"isDelay", Scope::Channels, Cls::TrackBar, {}, Range{0, 65280, 0}},
    {"cvdDelay", Scope::Channels, Cls::Edit}, {"imDelay", Scope::Channels, Cls::Image},
    {"lbDelayLine", Scope::Channels, Cls::Label}, {"lbDelayShow", Scope::Channels, Cls::Label},
    {"lbFftDelayTime", Scope::Channels, Cls::Label},
    // Matrix page and signal-flow overview (Parts 5.103, 7.107).
    {"pbMatrix", Scope::Single, Cls::PaintBox},
    {"plMatrix", Scope::Channels, Cls::Panel}, {"lbMatrixName", Scope::Channels, Cls::Label},
    {"lbMatrixChName", Scope::Channels, Cls::Label}, {"spMatrixName", Scope::Channels, Cls::Shape},
    {"lbMatrixGain", Scope::Channels, Cls::Label}, {"spMatrixGain", Scope::Channels, Cls::Shape},
    {"lbMatrixPeq", Scope::Channels, Cls::Label}, {"spMatrixPeq", Scope::Channels, Cls::Shape},
    {"lbMatrixDelay", Scope::Channels, Cls::Label}, {"spMatrixDelay", Scope::Channels, Cls::Shape},
    {"lbMatrixFir", Scope::Channels, Cls::Label}, {"spMatrixFir", Scope::Channels, Cls::Shape},
    {"lbMatrixGate", Scope::Inputs, Cls::Label}, {"spMatrixGate", Scope::Inputs, Cls::Shape},
    {"lbMatrixPhase", Scope::Inputs, Cls::Label}, {"spMatrixPhase", Scope::Inputs, Cls::Shape},
    {"lbMatrixComp", Scope::Inputs, Cls::Label}, {"spMatrixComp", Scope::Inputs, Cls::Shape},
    {"lbMatrixXover", Scope::Outputs, Cls::Label}, {"spMatrixXover", Scope::Outputs, Cls::Shape},
    {"lbMatrixLimit", Scope::Outputs, Cls::Label}, {"spMatrixLimit", Scope::Outputs, Cls::Shape},
    {"lbMatrixMute", Scope::Outputs, Cls::Label}, {"spMatrixMute", Scope::Outputs, Cls::Shape},
    {"plAesIn1", Scope::Single, Cls::Panel}, {"plAesIn2", Scope::Single, Cls::Panel},
    {"plAesOut1", Scope::Single, Cls::Panel}, {"plAesOut2", Scope::Single, Cls::Panel},
    {"plAesOut3", Scope::Single, Cls::Panel},
    {"lbSelDigitalIn1", Scope::Single, Cls::Label}, {"lbSelDigitalIn2", Scope::Single, Cls::Label},
    {"lbSelDigitalOut1", Scope::Single, Cls::Label}, {"lbSelDigitalOut2", Scope::Single, Cls::Label},
    {"lbSelDigitalOut3", Scope::Single, Cls::Label},
    {"rzgMatrix", Scope::Outputs, Cls::Group}, {"rzsMatrix", Scope::Outputs},
    {"lbMatrix", Scope::Outputs, Cls::Label},
    {"rzbAMatrix", Scope::Outputs, Cls::BmpButton, 0, {}, -1, -1, 1, true},
    {"rzbBMatrix", Scope::Outputs, Cls::BmpButton, 1, {}, -1, -1, 2, true},
    {"rzbCMatrix", Scope::Outputs, Cls::BmpButton, 2, {}, -1, -1, 3, true},
    {"cvdAMatrix", Scope::Outputs, Cls::Edit, 0}, {"cvdBMatrix", Scope::Outputs, Cls::Edit, 1},
    {"cvdCMatrix", Scope::Outputs, Cls::Edit, 2},
    {"udMixGainA", Scope::Outputs, Cls::UpDown, 0, Range{-280, 0, 0}},
    {"udMixGainB", Scope::Outputs, Cls::UpDown, 1, Range{-280, 0, 0}},
    {"udMixGainC", Scope::Outputs, Cls::UpDown, 2, Range{-280, 0, 0}},
    // Compressor page (Parts 7.103, 7.104).
    {"ipComp", Scope::Single, Cls::XYPlot}, {"fftDrawCompEq", Scope::Single, Cls::ResponsePlot, 14},
    {"lbCompName", Scope::Single, Cls::Label}, {"lbHeadCompIn", Scope::Single, Cls::Label},
    {"plLevelCompIn", Scope::Single, Cls::Panel},
    {"pbLevelCompIn", Scope::Single, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimitCompIn", Scope::Single, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
    {"lbLimitCompIn", Scope::Single, Cls::Label},
    {"lbClipCompIn", Scope::Single, Cls::Label}, {"lb12CompIn", Scope::Single, Cls::Label},
    {"lb5CompIn", Scope::Single, Cls::Label}, {"lb0CompIn", Scope::Single, Cls::Label},
    {"lbN5CompIn", Scope::Single, Cls::Label}, {"lbN15CompIn", Scope::Single, Cls::Label},
    {"lbN30CompIn", Scope::Single, Cls::Label}, {"lbN60CompIn", Scope::Single, Cls::Label},
    {"rzgComp", Scope::Inputs, Cls::Group}, {"lbComp", Scope::Inputs, Cls::Label},
    {"isCompThreshold", Scope::Inputs, Cls::TrackBar, {}, Range{-180, 40, 40}},
    {"isCompAttack", Scope::Inputs, Cls::TrackBar, {}, Range{0, 998, 0}},
    {"isCompRelease", Scope::Inputs, Cls::TrackBar, {}, Range{9, 2999, 9}},
    {"udCompRatio", Scope::Inputs, Cls::UpDown, {}, Range{0, 15, 0}},
    {"udCompKnee", Scope::Inputs, Cls::UpDown, {}, Range{0, 12, 0}},
    {"isCompEqFreq", Scope::Inputs, Cls::TrackBar, {}, Range{0, 300, 0}},
    {"isCompEqType", Scope::Inputs, Cls::TrackBar, {}, Range{0, 9, 0}},
    {"cvdCompThreshold", Scope::Inputs, Cls::Edit}, {"cvdCompAttack", Scope::Inputs, Cls::Edit},
    {"cvdCompRelease", Scope::Inputs, Cls::Edit}, {"cvdCompRatio", Scope::Inputs, Cls::Edit},
    {"cvdCompKnee", Scope::Inputs, Cls::Edit}, {"cvdCompEqFreq", Scope::Inputs, Cls::Edit},
    {"cvdCompEqType", Scope::Inputs, Cls::Edit},
    {"lbCompThreshold", Scope::Inputs, Cls::Label}, {"lbCompAttack", Scope::Inputs, Cls::Label},
    {"lbCompRelease", Scope::Inputs, Cls::Label}, {"lbCompRatio", Scope::Inputs, Cls::Label},
    {"lbCompKnee", Scope::Inputs, Cls::Label}, {"lbCompEqFreq", Scope::Inputs, Cls::Label},
    {"lbCompEqType", Scope::Inputs, Cls::Label},
    {"plLevelComp", Scope::Inputs, Cls::Panel},
    {"pbLevelComp", Scope::Inputs, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimitComp", Scope::Inputs, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
    // Gate page (Parts 7.103, 7.105).
    {"ipGate", Scope::Single, Cls::XYPlot}, {"lbGateName", Scope::Single, Cls::Label},
    {"lbHeadGateIn", Scope::Single, Cls::Label}, {"plLevelGateIn", Scope::Single, Cls::Panel},
    {"pbLevelGateIn", Scope::Single, Cls::Meter, {}, {}, -1, -1, {}, false, 9},
    {"lbClipGateIn", Scope::Single, Cls::Label}, {"lb12GateIn", Scope::Single, Cls::Label},
    {"lb5GateIn", Scope::Single, Cls::Label}, {"lb0GateIn", Scope::Single, Cls::Label},
    {"lbN5GateIn", Scope::Single, Cls::Label}, {"lbN15GateIn", Scope::Single, Cls::Label},
    {"lbN20GateIn", Scope::Single, Cls::Label}, {"lbN30GateIn", Scope::Single, Cls::Label},
    {"lbN60GateIn", Scope::Single, Cls::Label},
    {"lbGate", Scope::Inputs, Cls::Label},
    {"isGateThreshold", Scope::Inputs, Cls::TrackBar, {}, Range{-180, 0, 0}},
    {"isGateAttack", Scope::Inputs, Cls::TrackBar, {}, Range{0, 998, 1}},
    {"isGateRelease", Scope::Inputs, Cls::TrackBar, {}, Range{9, 2999, 99}},
    {"isGateRatio", Scope::Inputs, Cls::TrackBar, {}, Range{0, 15, 15}},
    {"cvdGateThreshold", Scope::Inputs, Cls::Edit}, {"cvdGateAttack", Scope::Inputs, Cls::Edit},
    {"cvdGateRelease", Scope::Inputs, Cls::Edit}, {"cvdGateRatio", Scope::Inputs, Cls::Edit},
    {"lbGateThreshold", Scope::Inputs, Cls::Label}, {"lbGateAttack", Scope::Inputs, Cls::Label},
    {"lbGateRelease", Scope::Inputs, Cls::Label}, {"lbGateRatio", Scope::Inputs, Cls::Label},
    {"plLevelGate", Scope::Inputs, Cls::Panel},
    {"pbLevelGate", Scope::Inputs, Cls::Meter, {}, {}, -1, -1, {}, false, 9},
    // Limiter page (Parts 7.103, 7.106).
    {"ipLimit", Scope::Single, Cls::XYPlot}, {"lbLimitName", Scope::Single, Cls::Label},
    {"lbHeadLimitOut", Scope::Single, Cls::Label}, {"plLevelLimitOut", Scope::Single, Cls::Panel},
    {"pbLevelLimitOut", Scope::Single, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimitLimitOut", Scope::Single, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
    {"lbLimitLimitOut", Scope::Single, Cls::Label},
    {"lbClipLimitOut", Scope::Single, Cls::Label}, {"lb12LimitOut", Scope::Single, Cls::Label},
    {"lb5LimitOut", Scope::Single, Cls::Label}, {"lb0LimitOut", Scope::Single, Cls::Label},
    {"lbN5LimitOut", Scope::Single, Cls::Label}, {"lbN15LimitOut", Scope::Single, Cls::Label},
    {"lbN30LimitOut", Scope::Single, Cls::Label}, {"lbN60LimitOut", Scope::Single, Cls::Label},
    {"lbLimit", Scope::Outputs, Cls::Label},
    {"isLimitThresholdOut1", Scope::Single, Cls::TrackBar, 3, Range{-180, 40, 40}},
    {"isLimitThresholdOut4", Scope::Single, Cls::TrackBar, 6, Range{-180, 40, 37}},
    {"isLimitThreshold", Scope::Outputs, Cls::TrackBar},
    {"isLimitAttack", Scope::Outputs, Cls::TrackBar, {}, Range{0, 998, 50}},
    {"isLimitRelease", Scope::Outputs, Cls::TrackBar, {}, Range{9, 2999, 499}},
    {"udLimitKnee", Scope::Outputs, Cls::UpDown, {}, Range{0, 12, 0}},
    {"udLimitRatio", Scope::Outputs, Cls::UpDown, {}, Range{0, 15, 0}},
    {"cvdLimitThreshold", Scope::Outputs, Cls::Edit}, {"cvdLimitAttack", Scope::Outputs, Cls::Edit},
    {"cvdLimitRelease", Scope::Outputs, Cls::Edit}, {"cvdLimitKnee", Scope::Outputs, Cls::Edit},
    {"cvdLimitRatio", Scope::Outputs, Cls::Edit},
    {"lbLimitThreshold", Scope::Outputs, Cls::Label}, {"lbLimitAttack", Scope::Outputs, Cls::Label},
    {"lbLimitRelease", Scope::Outputs, Cls::Label}, {"lbLimitKnee", Scope::Outputs, Cls::Label},
    {"lbLimitRatio", Scope::Outputs, Cls::Label},
    {"plLevelLimit", Scope::Outputs, Cls::Panel},
    {"pbLevelLimit", Scope::Outputs, Cls::Meter, {}, {}, -1, -1, {}, false, 8},
    {"pbLimitLimit", Scope::Outputs, Cls::Meter, {}, {}, -1, -1, {}, false, 1},
};
// clang-format on

/// Menu entries in order with whether they are shown.
const std::pair<const char*, bool> kMenuEntries[] = {
    {"File", true},         {"Open", true},          {"Save", true},           {"N1", true},
    {"Upload", true},       {"Download", true},      {"N2", false},            {"FactoryDefault", false},
    {"N3", true},           {"Exit", true},          {"Link", true},           {"Copy", true},
    {"Lock", true},         {"LockMode", false},     {"SettingID", false},     {"NetworkSetup", true},  // shown by start-up
    {"InOutSelect", true},  {"InSelect", false},     {"InAnalog", true},       {"InDigital", true},
    {"OutSelect", false},   {"OutAnalog", true},     {"OutDigital", true},     {"TestTone", true},
    {"ChNameList", true},   {"SourceSelect", true},  {"LanguageSel", true},    {"ChineseSimplified", true},
    {"ChineseTraditional", false}, {"English", true}, {"Help", true},          {"Rs232Code", true},
    {"N4", false},          {"FirDesign", false},    {"MemoShow", false},      {"HidData", false},
    {"LockSetup", false},   {"BlockDiagram", false}, {"Connect", false},       {"Connected", true},
    {"N5", false},          {"ConnectHelp", false},  {"About", true},
};

std::vector<int> ChannelsOf(Scope scope) {
  switch (scope) {
    case Scope::Inputs: return {0, 1, 2};
    case Scope::Outputs: return {3, 4, 5, 6, 7, 8};
    case Scope::Channels: return {0, 1, 2, 3, 4, 5, 6, 7, 8};
    case Scope::Single: return {-1};
  }
  return {};
}

struct Expected {
  QString name;
  const Family* family;
  int channel;
};

std::vector<Expected> ExpandFamilies() {
  std::vector<Expected> names;
  for (const Family& family : kFamilies) {
    for (int channel : ChannelsOf(family.scope)) {
      const QString stem = QString::fromLatin1(family.stem);
      names.push_back({channel < 0 ? stem : stem + ChannelSuffix(channel), &family, channel});
    }
  }
  return names;
}

void CheckProperties(const Expected& e, TObject* object) {
  const Family& f = *e.family;
  SCOPED_TRACE(e.name.toStdString());
  EXPECT_TRUE(HasClass(object, f.cls));
  auto* control = dynamic_cast<TControl*>(object);
  const std::optional<int> tag = f.tag ? f.tag : (e.channel >= 0 ? std::optional<int>(e.channel) : std::nullopt);
  if (tag && control != nullptr) {
    EXPECT_EQ(control->Tag(), *tag);
  }
  if (f.range) {
    if (auto* bar = dynamic_cast<TAdvTrackBar*>(object)) {
      EXPECT_EQ(bar->Min(), f.range->min);
      EXPECT_EQ(bar->Max(), f.range->max);
      EXPECT_EQ(bar->Position(), f.range->start);
    } else if (auto* upDown = dynamic_cast<TUpDown*>(object)) {
      EXPECT_EQ(upDown->Min(), f.range->min);
      EXPECT_EQ(upDown->Max(), f.range->max);
      EXPECT_EQ(upDown->Position(), f.range->start);
    } else {
      ADD_FAILURE() << "range on a control without one";
    }
  }
  if (auto* combo = dynamic_cast<TRzComboBox*>(object); combo != nullptr && f.items >= 0) {
    EXPECT_EQ(combo->Items().size(), f.items);
    EXPECT_EQ(combo->ItemIndex(), f.itemIndex);
  }
  if (auto* button = dynamic_cast<TRzBmpButton*>(object)) {
    if (f.groupIndex) {
      EXPECT_EQ(button->GroupIndex(), *f.groupIndex == kChannelGroup ? e.channel + 1 : *f.groupIndex);
    }
    if (f.allowAllUp) {
      EXPECT_TRUE(button->AllowAllUp());
    }
  }
  if (auto* meter = dynamic_cast<LProgressBar*>(object); meter != nullptr && f.meterMax >= 0) {
    EXPECT_EQ(meter->Max(), f.meterMax);
  }
  if (auto* radio = dynamic_cast<TRadioButton*>(object); radio != nullptr && f.helpContext >= 0) {
    EXPECT_EQ(radio->HelpContext(), f.helpContext);
  }
}

bool IsInsideBandPanel(QWidget* widget) {
  for (QWidget* parent = widget->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
    if (dynamic_cast<TMyPEQType10*>(parent) != nullptr) {
      return true;
    }
  }
  return false;
}

bool IsOnBuiltContainer(TControl* control) {
  QWidget* parent = control->parentWidget();
  return dynamic_cast<TfmMain*>(parent) != nullptr || dynamic_cast<TRzGroupBox*>(parent) != nullptr ||
         dynamic_cast<TRzPanel*>(parent) != nullptr;
}

/// The control tree as the builders leave it, before start-up moves the
/// controls to the unit image.
struct BuiltForm {
  BuiltForm() {
    ControlFactory factory(registry, timers);
    MainWindowBuilder(form, factory, controls).Build();
  }
  TForm form;
  ControlRegistry registry;
  std::vector<std::unique_ptr<TTimer>> timers;
  TfmMainControls controls;
};

// The tests only read the window.
using MainWindowNames = SharedMainWindow<FakeLinkTransportFactory>;

}  // namespace

TEST_F(MainWindowNames, everyFamilyOfThePartsIsBuiltWithItsClassTagAndSettings) {
  const BuiltForm built;
  const std::vector<Expected> expected = ExpandFamilies();
  for (const Expected& e : expected) {
    TObject* object = built.registry.FindObject(e.name);
    if (object == nullptr) {
      ADD_FAILURE() << "missing: " << e.name.toStdString();
      continue;
    }
    CheckProperties(e, object);
    if (auto* control = dynamic_cast<TControl*>(object)) {
      EXPECT_EQ(control->Name(), e.name);
    }
  }
}

TEST_F(MainWindowNames, bandSelectorsAndOverlayTogglesFollowTheChannelRules) {
  for (int channel = 0; channel < 9; ++channel) {
    const int bands = channel < 3 ? 8 : 9;
    for (int n = 1; n <= 9; ++n) {
      const QString name = QStringLiteral("rzbEq%1").arg(n) + ChannelSuffix(channel);
      auto* button = window.Controls().Find<TRzBmpButton>(name);
      if (n > bands) {
        EXPECT_EQ(window.Controls().FindObject(name), nullptr) << name.toStdString();
        continue;
      }
      ASSERT_NE(button, nullptr) << name.toStdString();
      EXPECT_EQ(button->Tag(), n - 1);
      EXPECT_EQ(button->GroupIndex(), channel + 1);
      EXPECT_EQ(button->Caption(), QString::number(n));
    }
    // The overlay switches of the other channels of the same kind.
    const std::vector<int> others = channel < 3 ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{3, 4, 5, 6, 7, 8};
    for (int other : others) {
      const QString key = other < 3 || (channel < 3 && other == 3) ? QString(QChar('A' + other))
                                                                    : QString::number(other - 2);
      const QString name = QStringLiteral("vrbShow") + key + ChannelSuffix(channel);
      if (other == channel) {
        EXPECT_EQ(window.Controls().FindObject(name), nullptr) << name.toStdString();
        continue;
      }
      auto* toggle = window.Controls().Find<TVrPowerButton>(name);
      ASSERT_NE(toggle, nullptr) << name.toStdString();
      EXPECT_EQ(toggle->Tag(), other);
    }
    if (channel < 3) {  // inputs have no designer cut-offs
      EXPECT_EQ(window.Controls().FindObject(QStringLiteral("isFirLowCut") + ChannelSuffix(channel)), nullptr);
      EXPECT_EQ(window.Controls().FindObject(QStringLiteral("isFirHighCut") + ChannelSuffix(channel)), nullptr);
    }
  }
}

TEST_F(MainWindowNames, menuEntriesExistHiddenOnesIncluded) {
  for (const auto& [name, shown] : kMenuEntries) {
    auto* item = window.Controls().Find<TMenuItem>(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->Visible, shown) << name;
  }
  EXPECT_EQ(window.Controls().Find<TMenuItem>(QStringLiteral("ChineseSimplified"))->Tag, 0);
  EXPECT_EQ(window.Controls().Find<TMenuItem>(QStringLiteral("English"))->Tag, 2);
}

TEST_F(MainWindowNames, everyNamedControlIsRegisteredOnceUnderItsOwnName) {
  const QList<TControl*> controls = window.findChildren<TControl*>();
  std::set<QString> seen;
  for (TControl* control : controls) {
    // What the window builds sits on the form or on one of its group boxes
    // and panels; band panel rows and the parts of composite controls are
    // their owners' own.
    if (control->Name().isEmpty() || IsInsideBandPanel(control) || !IsOnBuiltContainer(control)) {
      continue;
    }
    EXPECT_TRUE(seen.insert(control->Name()).second) << "twice: " << control->Name().toStdString();
    EXPECT_EQ(window.Controls().FindObject(control->Name()), control) << control->Name().toStdString();
  }
}

TEST_F(MainWindowNames, everyNameTheWindowLooksUpIsInTheTable) {
  // The literals the window composes names from, in its own sources.
  std::set<QString> known;
  for (const Expected& e : ExpandFamilies()) {
    known.insert(e.name);
  }
  for (const auto& [name, shown] : kMenuEntries) {
    known.insert(QString::fromLatin1(name));
  }
  const QRegularExpression literal(QStringLiteral(R"re((?:QStringLiteral|QLatin1String|S|Ch)\("([a-z]{1,4}[A-Z][A-Za-z0-9]*)")re"));
  const QDir root(QString::fromStdString(FixturePath("..")));
  int checked = 0;
  for (const QString& file : {QStringLiteral("app/TfmMain.cpp"), QStringLiteral("app/TfmMain_Startup.cpp"),
                              QStringLiteral("app/TfmMain_Language.cpp"), QStringLiteral("app/TfmMain_Pages.cpp"),
                              QStringLiteral("app/TfmMain_LinkWindow.cpp"), QStringLiteral("app/MainWindowLayout.cpp")}) {
    QFile source(root.filePath(file));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << file.toStdString();
    const QString text = QString::fromUtf8(source.readAll());
    for (auto match = literal.globalMatch(text); match.hasNext();) {
      const QString stem = match.next().captured(1);
      const bool found = std::any_of(known.begin(), known.end(), [&](const QString& name) { return name.startsWith(stem); });
      EXPECT_TRUE(found) << file.toStdString() << ": " << stem.toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}
