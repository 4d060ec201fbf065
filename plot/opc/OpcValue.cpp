#include "plot/opc/OpcValue.h"

#include <cmath>
#include <limits>

#include "plot/base/iPropertyText.h"

namespace {

bool IsIntegerType(int type) {
  switch (type) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::SChar:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::LongLong:
      return true;
    default:
      return false;
  }
}

bool IsFloatType(int type) { return type == QMetaType::Float || type == QMetaType::Double; }

int NearestInt32(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  const double rounded = std::nearbyint(value);  // ties to even in the default rounding mode
  if (rounded >= double(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (rounded <= double(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return int(rounded);
}

}  // namespace

QVariant OpcScaleValue(const QVariant& value, double factor, bool multiply) {
  const int type = value.typeId();
  if (!IsIntegerType(type) && !IsFloatType(type)) {
    return value;
  }
  const double number = value.toDouble();
  const double result = multiply ? number * factor : number + factor;
  if (IsIntegerType(type)) {
    return QVariant(NearestInt32(result));
  }
  return QVariant(result);
}

QString OpcValueText(const QVariant& value) {
  const int type = value.typeId();
  if (type == QMetaType::Bool) {
    return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
  }
  if (IsFloatType(type)) {
    return FloatToText(value.toDouble());
  }
  if (IsIntegerType(type)) {
    return QString::number(value.toLongLong());
  }
  return value.toString();
}

bool OpcValueToDouble(const QVariant& value, double& result) {
  const int type = value.typeId();
  if (type == QMetaType::Bool) {
    result = value.toBool() ? -1 : 0;
    return true;
  }
  if (IsIntegerType(type) || IsFloatType(type)) {
    result = value.toDouble();
    return true;
  }
  if (type == QMetaType::QString) {
    return TextToFloat(value.toString().trimmed(), result);
  }
  return false;
}
