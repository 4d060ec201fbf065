#include "editors/filter/FilterTexts.h"

#include "platform/CFormat.h"
#include "protocol/ParameterScales.h"

QString FilterFrequencyText(double hz, bool blankBelowKilo) {
  if (hz >= 1000.0) {
    return FormatC("%4.2fKHz", hz * 0.001);
  }
  return FormatC(blankBelowKilo ? " %4.1fHz" : "%4.1fHz", hz);
}

QString PeqGainCodeText(int code) {
  const double db = (code - 120) * 0.1;
  return FormatC(code >= 120 ? "+%3.1f" : "%4.1f", db) + QStringLiteral("dB");
}

QString PeqQIndexText(int qIndex) { return FormatC("%3.2f", double(QTable.at(std::size_t(qIndex)))); }
