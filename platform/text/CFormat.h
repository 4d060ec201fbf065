#pragma once

#include <QString>

/// printf-style formatting in the C locale whatever the user's locale is
/// (a point as the decimal separator), with the C library's exact rounding.
/// Any thread.
QString FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
