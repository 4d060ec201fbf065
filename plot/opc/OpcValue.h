#pragma once

#include <cstdint>

#include <QString>
#include <QVariant>

/// The value rules of OPC items. Any thread.

/// Good quality: both top bits of the quality's low byte set.
constexpr bool OpcQualityGood(std::uint16_t quality) { return (quality & 0xC0) == 0xC0; }

/// value * factor (multiply) or value + factor: integer types (short, int,
/// signed char, uchar, ushort, uint, qlonglong) become the nearest 32-bit
/// integer (ties to even, saturated at the 32-bit bounds), float and double
/// become double; other types are returned unchanged.
QVariant OpcScaleValue(const QVariant& value, double factor, bool multiply);

/// The value as text for a property: numbers in the C locale, Booleans
/// "True"/"False", strings as they are.
QString OpcValueText(const QVariant& value);

/// The value as a number: numeric types, Booleans (True is -1) and text
/// that reads as a number in the C locale; false for anything else.
bool OpcValueToDouble(const QVariant& value, double& result);
