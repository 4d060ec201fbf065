#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

class TObject;
class TiPlotObject;
enum class TiPlotObjectKind;

/// The type kind of a stored property, as the property files tell them
/// apart: ordinal kinds (integer, char, enumeration, set; Booleans are
/// enumerations, colours integers) are written as their ordinal, floats
/// and strings as text, class kinds through their own properties.
enum class TiPropertyKind { tkUnknown = 0, tkInteger, tkChar, tkEnumeration, tkSet, tkFloat, tkString, tkClass };

/// True for the kinds written as an ordinal value.
constexpr bool IsOrdinalKind(TiPropertyKind kind) {
  return kind == TiPropertyKind::tkInteger || kind == TiPropertyKind::tkChar ||
         kind == TiPropertyKind::tkEnumeration || kind == TiPropertyKind::tkSet;
}

struct TiPlotProperty;
using TiPropertyTable = std::vector<TiPlotProperty>;

/// One stored property of a class: its name, its type kind, its declared
/// default as text (a value equal to it is not written; none: always
/// written) and how to read and write it, in two spellings of one value:
/// the description spelling (Get/Set: "True", enumeration names) and, for
/// ordinal kinds, the ordinal (GetOrdinal/SetOrdinal: 1, set masks,
/// colours as signed 32-bit values). Class-kind entries (fonts) give their
/// sub-object and its table instead.
struct TiPlotProperty {
  QString Name;
  TiPropertyKind Kind = TiPropertyKind::tkUnknown;
  bool HasDefault = false;
  QString Default;
  std::function<QString(TObject&)> Get;
  /// False when the text is not a value of the property's type.
  std::function<bool(TObject&, const QString&)> Set;
  std::function<std::int64_t(TObject&)> GetOrdinal;
  std::function<void(TObject&, std::int64_t)> SetOrdinal;
  /// The ordinals the property takes (enumerations: their values,
  /// Booleans 0 and 1; colours: signed or unsigned 32-bit).
  std::int64_t OrdinalMin = 0;
  std::int64_t OrdinalMax = 0;
  /// Class kind: the sub-object (nullptr when the instance has none now).
  std::function<TObject*(TObject&)> SubObject;
  const TiPropertyTable* SubProperties = nullptr;
};

/// The stored properties of every plot class, in stream order: what form
/// descriptions, property files and the run-time editor read and write.
/// Values are text: Booleans "True"/"False", numbers in the C locale,
/// colours as decimal TColor values, enumerations by their names, sets as
/// "[a,b]". Any thread may read the tables; the accessors run on the
/// object's thread.
class TiPlotPropertyRegistry {
public:
  /// The properties of the object's class (empty for classes without).
  static const TiPropertyTable& PropertiesOf(const TiPlotObject& object);
  /// The properties of a kind's class (empty for kinds without).
  static const TiPropertyTable& PropertiesOfKind(TiPlotObjectKind kind);
  /// The property of that name (case ignored), or nullptr.
  static const TiPlotProperty* Find(const TiPlotObject& object, const QString& name);
  /// The property of that name (case ignored) in a table, or nullptr.
  static const TiPlotProperty* Find(const TiPropertyTable& table, const QString& name);
  /// The plot control's own stored properties (TiPlot and TiXYPlot alike).
  static const TiPropertyTable& PlotProperties();
  /// The published properties every TiComponent has.
  static const TiPropertyTable& ComponentProperties();
  /// A font's properties: Charset, Color, Height, Name, Pitch, Size, Style.
  static const TiPropertyTable& FontProperties();
};
