#pragma once

#include <functional>
#include <vector>

#include <QString>

class TiPlotObject;

/// One stored property of a plot object class: its name, its declared
/// default as text (a value equal to it is not written; none: always
/// written) and how to read and write it as text.
struct TiPlotProperty {
  QString Name;
  bool HasDefault = false;
  QString Default;
  std::function<QString(TiPlotObject&)> Get;
  /// False when the text is not a value of the property's type.
  std::function<bool(TiPlotObject&, const QString&)> Set;
};

/// The stored properties of every plot object class, in stream order:
/// what form descriptions, property files and the run-time editor read and
/// write. Values are text: Booleans "True"/"False", numbers in the C
/// locale, colours as decimal TColor values, enumerations by their names.
/// Any thread may read the tables; the accessors run on the object's
/// thread.
class TiPlotPropertyRegistry {
public:
  /// The properties of the object's class (empty for classes without).
  static const std::vector<TiPlotProperty>& PropertiesOf(const TiPlotObject& object);
  /// The property of that name (case ignored), or nullptr.
  static const TiPlotProperty* Find(const TiPlotObject& object, const QString& name);
};
