#include <gtest/gtest.h>

#include <QVariant>
#include <functional>
#include <map>
#include <type_traits>

#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "tests/plot/PlotTestSupport.h"

namespace {

/// A text setting's own setter (writing the case's value) and getter (as text).
struct AxisTextAccess {
  std::function<void(TiPlotAxis&)> write;
  std::function<QString(TiPlotAxis&)> read;
};

template <typename V>
AxisTextAccess AxisTextAccessOf(V (TiPlotAxis::*get)() const, void (TiPlotAxis::*set)(V), V value) {
  return {[set, value](TiPlotAxis& a) { (a.*set)(value); },
          [get](TiPlotAxis& a) {
            const V v = (a.*get)();
            if constexpr (std::is_enum_v<V>) {
              return QString::number(int(v));
            } else {
              return QVariant(v).toString();
            }
          }};
}

AxisTextAccess AxisTextAccessOf(QString (TiPlotAxis::*get)() const, void (TiPlotAxis::*set)(const QString&),
                                const QString& value) {
  return {[set, value](TiPlotAxis& a) { (a.*set)(value); }, [get](TiPlotAxis& a) { return (a.*get)(); }};
}

/// Every text setting by its property name; the written values differ from
/// the defaults.
std::map<QString, AxisTextAccess> AxisTextAccessors() {
  using A = TiPlotAxis;
  const auto dt = TiPlotTextFormat::iptfDateTime;
  const auto fixed = TiPrecisionStyle::ipsFixedDecimalPoints;
  const QString f = QStringLiteral("m/d hh:nn:ss");
  return {
      {"LabelsFormatStyle", AxisTextAccessOf(&A::LabelsFormatStyle, &A::SetLabelsFormatStyle, dt)},
      {"DateTimeFormat", AxisTextAccessOf(&A::DateTimeFormat, &A::SetDateTimeFormat, f)},
      {"LabelsPrecisionStyle", AxisTextAccessOf(&A::LabelsPrecisionStyle, &A::SetLabelsPrecisionStyle, fixed)},
      {"LabelsPrecision", AxisTextAccessOf(&A::LabelsPrecision, &A::SetLabelsPrecision, 7)},
      {"LabelsMinLength", AxisTextAccessOf(&A::LabelsMinLength, &A::SetLabelsMinLength, 8.5)},
      {"LabelsMinLengthAutoAdjust",
       AxisTextAccessOf(&A::LabelsMinLengthAutoAdjust, &A::SetLabelsMinLengthAutoAdjust, true)},
      {"CursorFormatStyle", AxisTextAccessOf(&A::CursorFormatStyle, &A::SetCursorFormatStyle, dt)},
      {"CursorDateTimeFormat", AxisTextAccessOf(&A::CursorDateTimeFormat, &A::SetCursorDateTimeFormat, f)},
      {"CursorPrecisionStyle", AxisTextAccessOf(&A::CursorPrecisionStyle, &A::SetCursorPrecisionStyle, fixed)},
      {"CursorPrecision", AxisTextAccessOf(&A::CursorPrecision, &A::SetCursorPrecision, 7)},
      {"CursorMinLength", AxisTextAccessOf(&A::CursorMinLength, &A::SetCursorMinLength, 8.5)},
      {"CursorMinLengthAutoAdjust",
       AxisTextAccessOf(&A::CursorMinLengthAutoAdjust, &A::SetCursorMinLengthAutoAdjust, true)},
      {"LegendFormatStyle", AxisTextAccessOf(&A::LegendFormatStyle, &A::SetLegendFormatStyle, dt)},
      {"LegendDateTimeFormat", AxisTextAccessOf(&A::LegendDateTimeFormat, &A::SetLegendDateTimeFormat, f)},
      {"LegendPrecisionStyle", AxisTextAccessOf(&A::LegendPrecisionStyle, &A::SetLegendPrecisionStyle, fixed)},
      {"LegendPrecision", AxisTextAccessOf(&A::LegendPrecision, &A::SetLegendPrecision, 7)},
      {"LegendMinLength", AxisTextAccessOf(&A::LegendMinLength, &A::SetLegendMinLength, 8.5)},
      {"LegendMinLengthAutoAdjust",
       AxisTextAccessOf(&A::LegendMinLengthAutoAdjust, &A::SetLegendMinLengthAutoAdjust, true)},
  };
}

}  // namespace

TEST(AxisTextSettings, EachSetter_changesOnlyItsOwnSettingRepaintsOnceAndIsTheRegistrysProperty) {
  const std::map<QString, AxisTextAccess> accessors = AxisTextAccessors();
  for (const auto& [name, access] : accessors) {
    SCOPED_TRACE(name.toStdString());
    TiPlotComponent plot;
    plot.Master().AddXAxis();
    TiPlotAxis& axis = *plot.XAxis(0);
    std::map<QString, QString> before;
    for (const auto& [other, otherAccess] : accessors) {
      before[other] = otherAccess.read(axis);
    }
    int changes = 0;
    axis.OnChange = [&](TObject*) { ++changes; };
    access.write(axis);
    EXPECT_EQ(changes, 1);
    access.write(axis);
    EXPECT_EQ(changes, 1) << "an unchanged value repaints nothing";
    for (const auto& [other, otherAccess] : accessors) {
      if (other != name) {
        EXPECT_EQ(otherAccess.read(axis), before[other]) << other.toStdString();
      }
    }
    EXPECT_NE(access.read(axis), before[name]);
    // The registry reads and writes the same value as the setter.
    const TiPlotProperty* property = TiPlotPropertyRegistry::Find(axis, name);
    ASSERT_NE(property, nullptr);
    plot.Master().AddXAxis();
    TiPlotAxis& fresh = *plot.XAxis(1);
    ASSERT_TRUE(property->Set(fresh, property->Get(axis)));
    EXPECT_EQ(access.read(fresh), access.read(axis));
  }
}

TEST(AxisTextSettings, ForceStacking_isAStoredAxisProperty) {
  TiPlotComponent plot;
  plot.Master().AddYAxis();
  TiPlotAxis& axis = *plot.YAxis(0);
  const TiPlotProperty* property = TiPlotPropertyRegistry::Find(axis, QStringLiteral("ForceStacking"));
  ASSERT_NE(property, nullptr);
  EXPECT_EQ(property->Default, QStringLiteral("False"));
  ASSERT_TRUE(property->Set(axis, QStringLiteral("True")));
  EXPECT_TRUE(axis.ForceStacking());
  EXPECT_EQ(property->Get(axis), QStringLiteral("True"));
}
