#pragma once

#include <QString>
#include <QStringList>

#include "plot/streaming/TiPlotPropertyRegistry.h"

class TObject;

/// Properties as text lines of a full name, " = " and a value, through
/// the property tables of the registry: the property files of the plot
/// and its components read and write them. Ordinal kinds are written as
/// their ordinal ("1", set masks, colours as signed 32-bit values), floats
/// by FloatToText, strings escaped ("#13", "#10", "#35"); a property of a
/// class kind (a font) adds its own name as a further dotted part. GUI
/// thread (the instance's).

/// The longest line a property file holds, in bytes of the code page.
constexpr int MaxPropertyLineBytes = 255;

/// Calls f(fullName, property, holder) for every stored property of the
/// instance and, through class-kind properties, of its sub-objects, in
/// table order; fullName is prefix + "." + name (the name alone without a
/// prefix).
void ForEachStoredProperty(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                           const std::function<void(const QString&, const TiPlotProperty&, TObject&)>& f);

/// Appends a line per stored property, leaving out full names on the
/// exclusion list (case ignored) and, when differential, ordinal values
/// equal to their declared default. A line is cut to MaxPropertyLineBytes
/// bytes of the code page without splitting a character.
void WritePropertiesToStrings(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                              QStringList& out, bool differential, const QStringList& exclusions = {});

/// Takes the lines of a section off the top of the list: while the name of
/// the first line begins with prefix and a dot, in the prefix's own letter
/// case (every line when prefix is empty), it is moved to the result with
/// the prefix removed.
QStringList TakePropertySection(const QString& prefix, QStringList& list);

/// Checks each line of a section (prefix removed) as SetPropertyFromText
/// would; the EPlotError names the line's full name.
void CheckPropertyLines(const TiPropertyTable& table, const QString& prefix, const QStringList& lines);

/// Applies each line with SetPropertyFromText.
void ApplyPropertyLines(TObject& instance, const TiPropertyTable& table, const QStringList& lines);

/// Takes the prefix's section off the list and applies each line with
/// SetPropertyFromText.
void ReadPropertiesFromStrings(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                               QStringList& list);

/// Sets the (dotted) property name to the text. Names that are no stored
/// property, and sub-objects the instance does not have, are ignored.
/// Throws EPlotError when the value does not convert for the property's
/// kind or a dotted name runs into a property that is not an object.
void SetPropertyFromText(TObject& instance, const TiPropertyTable& table, const QString& name, const QString& value);

/// The property a (dotted) name reaches through class-kind properties;
/// holder, when given, follows from the instance to the object that holds
/// it (nullptr when a sub-object on the way is absent). nullptr for names
/// that are no stored property; EPlotError when a dotted name runs into a
/// property that is not an object.
const TiPlotProperty* ResolvePropertyName(const TiPropertyTable& table, const QString& name, TObject** holder);

/// SetPropertyFromText's checks without an instance: throws the same
/// EPlotError for a line it would refuse.
void CheckPropertyText(const TiPropertyTable& table, const QString& name, const QString& value);

/// The sub-object of a class-kind property of that name, nullptr when the
/// name is no such property (or the instance has none now).
TObject* GetObjectPropertyValue(TObject& instance, const TiPropertyTable& table, const QString& propName);

/// The type kind of the property whose full name (prefix and dotted
/// sub-object names included) equals name, case ignored; tkUnknown when
/// none does.
TiPropertyKind FindPropertyKind(const TiPropertyTable& table, const QString& prefix, const QString& name);

/// Sets every stored property whose full name (prefix and dotted
/// sub-object names) equals target, case ignored, to the text value, as
/// incoming data and schemes do: ordinal kinds take the text as an integer
/// ("True" and "False" are 1 and 0 for enumerations; for a two-valued
/// enumeration any other text than "0" is 1), floats as a number in the C
/// locale, strings as they are. EPlotError when the text does not convert
/// or is out of the property's range; names that match nothing set nothing.
void OPCSetPropertyByName(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                          const QString& value, const QString& target);
