#include "components/BandParameterText.h"

#include "platform/text/CFormat.h"

QString BandQText(double q) { return FormatC("Q:%4.2f", q); }

QString BandFrequencyText(float frequency) {
  return frequency < 1000 ? FormatC("%4.1fHz", double(frequency)) : FormatC("%4.2fKHz", double(frequency) * 0.001);
}

QString BandGainText(double gain) { return FormatC("%4.1fdB", gain); }
