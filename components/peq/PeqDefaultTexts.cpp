#include "components/peq/PeqDefaultTexts.h"

namespace {

QString Padded(const char* name) { return QStringLiteral(" %1").arg(QLatin1String(name), -11); }

}  // namespace

QStringList PeqType10Texts() {
  QStringList texts;
  for (const char* name : {"Peak", "Low Shelf", "High Shelf", "LPF -6dB", "LPF -12dB", "HPF -6dB", "HPF -12dB",
                           "Allpass 1", "Allpass 2", "Band Pass", "Band Stop"}) {
    texts << Padded(name);
  }
  return texts;
}

QStringList PeqFirTexts() { return PeqType10Texts().mid(0, 7); }

QStringList PeqType8Texts() {
  const QStringList all = PeqType10Texts();
  return {all[0], all[1], all[2], all[5], all[6], all[3], all[4], all[7], all[8]};
}

QStringList PeqAllpass2StepsTexts() {
  const QStringList all = PeqType10Texts();
  return {all[0], all[1], all[2], Padded("Low Cut"), Padded("High Cut"), all[7], all[8]};
}

QString PeqBypassText() { return QStringLiteral("   BYPASS   "); }
