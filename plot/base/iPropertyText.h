#pragma once

#include <QString>
#include <QStringList>

/// The text form of properties: lines of a name, " = " and a value, with
/// dotted names for sub-objects. These routines write, split and search
/// such lines. Stateless, any thread.

/// A string value as one line: "#" becomes "#35", CR "#13" and LF "#10",
/// so a text that itself holds "#10" reads back unchanged.
QString EscapePropertyString(const QString& value);
/// The reverse of EscapePropertyString; "#13", "#10" and "#35" are read
/// wherever they stand, other "#" characters stay as they are (files of
/// older writers that escaped only CR and LF read as before).
QString UnescapePropertyString(const QString& text);

/// A double in the general float format of the class library, C locale:
/// 15 significant digits, or up to 17 where 15 do not read back as the same
/// value (TextToFloat reads back every finite value exactly), no trailing zeros, an exponent without
/// leading zeros or plus sign when the plain form would be too long
/// ("0.25", "1E-5", "1.5E20"). The one formatter for values written as property text.
QString FloatToText(double value);
/// Reads a double written by FloatToText or printf ("1e-05", "2.5"); a
/// decimal comma is accepted as a point. False for anything else.
bool TextToFloat(const QString& text, double& value);

/// Splits text at the first separator into trimmed left and right parts;
/// false (both empty) when the separator does not occur.
bool SplitAtSeparator(const QString& text, QChar separator, QString& left, QString& right);
/// When prefix is not empty and equals, ignoring case, the part of name
/// before its first ".", name loses that part and the dot and foundPrefix
/// is it; otherwise foundPrefix is empty and name is unchanged.
void StripNamePrefix(const QString& prefix, QString& name, QString& foundPrefix);
/// Finds the first line whose part before "=" equals name (trimmed, case
/// ignored), delivers its trimmed value, deletes the line and returns true.
bool ExtractNamedValue(const QString& name, QString& value, QStringList& list);
