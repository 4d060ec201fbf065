#pragma once

#include <QByteArrayView>

/// The leading decimal number of a text as the C library reads a double
/// (atof), in the C locale whatever the process locale: blanks skipped, an
/// optional sign, digits, an optional point and digits; what follows is
/// ignored. No number reads 0; a number beyond double reads as infinity
/// (signed), one too small for it as 0. Any thread.
double LeadingNumber(QByteArrayView text);
