#pragma once

#include <QString>

/// Formats of FloatToStrF.
enum class TFloatFormat : unsigned char { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

/// Converts a value to text the way the class library's FloatToStrF does,
/// in the C locale ('.' decimal point, ',' thousands separator, '$' as the
/// currency string):
/// - ffGeneral: `precision` significant digits, trailing zeros removed;
///   fixed notation while the integer digits are at most `precision` and
///   the value is at least 0.0001, else d.dddE[-]x with at least `digits`
///   (0..4) exponent digits ("1E-5", "3.1416E-0100" with digits 4);
/// - ffExponent: d.ddd...E+xx with `precision` digits and a signed exponent
///   of at least `digits` (0..4) digits;
/// - ffFixed, ffNumber: `digits` (0..18) decimals, ffNumber with thousands
///   separators; more integer digits than `precision` switch to the
///   scientific form of ffGeneral;
/// - ffCurrency: as ffNumber with "$" in front, negatives as "($1.00)".
/// `precision` is held within 2..18; the value is rounded half away from
/// zero at the last digit kept. NaN gives "NAN", infinities "INF" and
/// "-INF". Any thread.
QString FloatToStrF(double value, TFloatFormat format, int precision, int digits);
