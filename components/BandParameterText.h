#pragma once

#include <QString>

/// The lines of a band's parameter text beside its marker on a response
/// plot, formatted in the C locale. Any thread.

/// "Q:%4.2f" of q: "Q:0.71" for 0.707.
QString BandQText(double q);
/// "%4.1fHz" below 1000 Hz, else "%4.2fKHz" of the frequency in kHz (the
/// test and the product in single precision): "999.9Hz", "1.00KHz".
QString BandFrequencyText(float frequency);
/// "%4.1fdB" of the gain: "-12.0dB", " 3.0dB".
QString BandGainText(double gain);
