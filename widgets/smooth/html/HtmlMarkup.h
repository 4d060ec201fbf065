#pragma once

#include <QString>
#include <QStringView>

#include "platform/drawing/TColor.h"

/// The reading side of the HTML-like splash markup: entity decoding, tag
/// attributes, numbers and colours. Every reader takes any text, reads in
/// one pass and saturates instead of overflowing. Plain functions, any
/// thread.
namespace HtmlMarkup {

/// The markup as the renderer lays it out: character entities decoded
/// ("&amp;" also when a decoding forms it, so "&amp;amp;" gives "&"; "&lt;",
/// "&gt;" and "&nbsp;" stay for the runs), the first field tag "<#name>"
/// reduced to its name, line feeds dropped and each carriage return made a
/// "<BR>". Linear in the length of the text.
QString Prepare(const QString& text);

/// "&nbsp;" as a blank, "&lt;" and "&gt;" as the characters (any letter case).
QString DecodeRunEntities(QStringView run);

/// The leading whole number of a value: an optional sign, then decimal
/// digits, or hexadecimal digits after "$" or "0x"; later characters are
/// ignored, no digits give 0, and a number beyond the 32-bit range stops at
/// its end.
int ReadNumber(QStringView value);

/// `value` clamped into [low, high].
int Clamp(int value, int low, int high);

/// The value of attribute `name` in the upper-cased tag text: the text
/// between the next two double quotes after the first occurrence of the
/// name; empty without quotes. `found` tells whether the name occurs. With
/// Qt::CaseInsensitive the name is found in the original tag text and the
/// value keeps its letter case.
QString Attribute(QStringView upperTag, QStringView name, bool* found = nullptr,
                  Qt::CaseSensitivity cs = Qt::CaseSensitive);
/// SIZE: the text after the next "=" and after a double quote if there is one.
QString SizeAttribute(QStringView upperTag);
/// x of the indent and offset tags: the text between the first two double
/// quotes found from the second character after the first "X".
QString XAttribute(QStringView upperTag);

/// A colour written "#RRGGBB": each character of a pair counts as its digit
/// value below "A", else as its code minus 55; missing pairs are 0, each
/// pair is taken modulo 256.
TColor ColorFromHex(QStringView value);
/// One of the colour names ("clred", "clwhite", system colours such as
/// "clbtnface"), compared in lower case; any other name gives black.
TColor ColorFromName(QStringView name);
/// "#..." by ColorFromHex, anything else by ColorFromName.
TColor ColorFromValue(QStringView value);

}  // namespace HtmlMarkup
