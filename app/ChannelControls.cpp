#include "app/ChannelControls.h"

#include <stdexcept>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "components/LProgressBar.h"
#include "components/peq/TMyPEQType10.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TUpDown.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/trackbar/TAdvTrackBar.h"

namespace {

/// Looks controls up by name and refuses a missing one.
class Binder {
public:
  explicit Binder(const ControlRegistry& registry) : m_registry(registry) {}

  template <class T>
  void operator()(T*& to, const QString& name) const {
    to = m_registry.Find<T>(name);
    if (to == nullptr) {
      throw std::runtime_error("main window: no control " + name.toStdString());
    }
  }
  /// `is` + stem and `cvd` + stem of a channel.
  void Pair(BarAndBox& to, const QString& stem, const QString& suffix) const {
    (*this)(to.bar, QStringLiteral("is") + stem + suffix);
    (*this)(to.box, QStringLiteral("cvd") + stem + suffix);
  }

private:
  const ControlRegistry& m_registry;
};

void BindCommon(const Binder& bind, ChannelControls& c, const QString& s) {
  bind(c.lbMatrixChName, QStringLiteral("lbMatrixChName") + s);
  bind(c.rzbMenu, QStringLiteral("rzbMenu") + s);
  bind(c.peqPeq, QStringLiteral("peqPeq") + s);
  bind(c.rzbEq1, QStringLiteral("rzbEq1") + s);
  bind.Pair(c.eqFreq, QStringLiteral("EqFreq"), s);
  bind.Pair(c.eqBw, QStringLiteral("EqBw"), s);
  bind.Pair(c.eqGain, QStringLiteral("EqGain"), s);
  bind.Pair(c.lowCutFreq, QStringLiteral("LowCutFreq"), s);
  bind.Pair(c.highCutFreq, QStringLiteral("HighCutFreq"), s);
  bind.Pair(c.gain, QStringLiteral("Gain"), s);
  bind.Pair(c.gainBackup, QStringLiteral("GainBackup"), s);
  bind(c.rzbPhase, QStringLiteral("rzbPhase") + s);
  bind(c.rzbPhaseBackup, QStringLiteral("rzbPhaseBackup") + s);
  bind(c.rzbMute, QStringLiteral("rzbMute") + s);
  bind(c.rzbMuteBackup, QStringLiteral("rzbMuteBackup") + s);
  bind(c.isDelay, QStringLiteral("isDelay") + s);
  bind(c.imDelay, QStringLiteral("imDelay") + s);
  bind(c.lbDelayLine, QStringLiteral("lbDelayLine") + s);
  bind(c.fftDraw, QStringLiteral("fftDraw") + s);
  bind(c.lbNowFirTaps, QStringLiteral("lbNowFirTaps") + s);
  bind(c.lbNowFirName, QStringLiteral("lbNowFirName") + s);
  bind(c.rzbFirBypass, QStringLiteral("rzbFirBypass") + s);
  bind(c.pbLevel, QStringLiteral("pbLevel") + s);
  bind(c.pbLevelBackup, QStringLiteral("pbLevelBackup") + s);
  bind(c.pbLimit, QStringLiteral("pbLimit") + s);
  bind(c.pbLimitBackup, QStringLiteral("pbLimitBackup") + s);
}

void BindInput(const Binder& bind, ChannelControls& c, const QString& s) {
  bind.Pair(c.gateThreshold, QStringLiteral("GateThreshold"), s);
  bind.Pair(c.gateAttack, QStringLiteral("GateAttack"), s);
  bind.Pair(c.gateRelease, QStringLiteral("GateRelease"), s);
  bind.Pair(c.gateRatio, QStringLiteral("GateRatio"), s);
  bind.Pair(c.compThreshold, QStringLiteral("CompThreshold"), s);
  bind.Pair(c.compAttack, QStringLiteral("CompAttack"), s);
  bind.Pair(c.compRelease, QStringLiteral("CompRelease"), s);
  bind.Pair(c.compEqFreq, QStringLiteral("CompEqFreq"), s);
  bind.Pair(c.compEqType, QStringLiteral("CompEqType"), s);
  bind(c.udCompRatio, QStringLiteral("udCompRatio") + s);
  bind(c.udCompKnee, QStringLiteral("udCompKnee") + s);
  bind(c.cvdCompRatio, QStringLiteral("cvdCompRatio") + s);
  bind(c.cvdCompKnee, QStringLiteral("cvdCompKnee") + s);
  bind(c.pbLevelGate, QStringLiteral("pbLevelGate") + s);
  bind(c.pbLevelComp, QStringLiteral("pbLevelComp") + s);
  bind(c.pbLimitComp, QStringLiteral("pbLimitComp") + s);
}

void BindOutput(const Binder& bind, ChannelControls& c, const QString& s) {
  const QString digit = s.mid(3);
  for (int input = 0; input < 3; ++input) {
    const QChar letter('A' + input);
    bind(c.rzbMatrix[input], QStringLiteral("rzb") + letter + QStringLiteral("MatrixOut") + digit);
    bind(c.udMixGain[input], QStringLiteral("udMixGain") + letter + QStringLiteral("Out") + digit);
  }
  bind(c.rzcMode, QStringLiteral("rzcMode") + s);
  bind.Pair(c.firLowCut, QStringLiteral("FirLowCut"), s);
  bind.Pair(c.firHighCut, QStringLiteral("FirHighCut"), s);
  bind(c.rzcFirType, QStringLiteral("rzcFirType") + s);
  bind(c.rzcFirWin, QStringLiteral("rzcFirWin") + s);
  bind(c.rzcFirTaps, QStringLiteral("rzcFirTaps") + s);
  bind(c.bnFirOK, QStringLiteral("bnFirOK") + s);
  bind(c.rzcLowCutSlop, QStringLiteral("rzcLowCutSlop") + s);
  bind(c.rzcHighCutSlop, QStringLiteral("rzcHighCutSlop") + s);
  bind(c.rzbLowCutBypass, QStringLiteral("rzbLowCutBypass") + s);
  bind(c.rzbHighCutBypass, QStringLiteral("rzbHighCutBypass") + s);
  bind.Pair(c.limitThreshold, QStringLiteral("LimitThreshold"), s);
  bind.Pair(c.limitAttack, QStringLiteral("LimitAttack"), s);
  bind.Pair(c.limitRelease, QStringLiteral("LimitRelease"), s);
  bind(c.udLimitRatio, QStringLiteral("udLimitRatio") + s);
  bind(c.udLimitKnee, QStringLiteral("udLimitKnee") + s);
  bind(c.cvdLimitRatio, QStringLiteral("cvdLimitRatio") + s);
  bind(c.cvdLimitKnee, QStringLiteral("cvdLimitKnee") + s);
  bind(c.pbLevelLimit, QStringLiteral("pbLevelLimit") + s);
  bind(c.pbLimitLimit, QStringLiteral("pbLimitLimit") + s);
}

}  // namespace

void LiveControls::Bind(const ControlRegistry& registry) {
  const Binder bind(registry);
  for (int channel = 0; channel < int(channels.size()); ++channel) {
    const QString s = ChannelSuffix(channel);
    BindCommon(bind, channels[channel], s);
    if (channel < 3) {
      BindInput(bind, channels[channel], s);
    } else {
      BindOutput(bind, channels[channel], s);
    }
  }
  bind(pbLevelCompIn, QStringLiteral("pbLevelCompIn"));
  bind(pbLimitCompIn, QStringLiteral("pbLimitCompIn"));
  bind(pbLevelGateIn, QStringLiteral("pbLevelGateIn"));
  bind(pbLevelLimitOut, QStringLiteral("pbLevelLimitOut"));
  bind(pbLimitLimitOut, QStringLiteral("pbLimitLimitOut"));
  bind(lbDspMips, QStringLiteral("lbDspMips"));
}
