#include "editors/filter/FilterTexts.h"

#include "platform/text/CFormat.h"
#include "protocol/ParameterScales.h"

QString FilterFrequencyText(double hz, bool blankBelowKilo) {
  return blankBelowKilo ? FrequencyText(hz) : CutFrequencyText(hz);
}

QString PeqGainCodeText(int code) {
  const double db = (code - 120) * 0.1;
  return FormatC(code >= 120 ? "+%3.1f" : "%4.1f", db) + QStringLiteral("dB");
}

QString PeqQIndexText(int qIndex) { return FormatC("%3.2f", double(QTable.at(std::size_t(qIndex)))); }
