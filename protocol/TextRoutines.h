#pragma once

#include <QString>

/// Text checks of the value entries. Stateless; any thread.

/// True when every character is a decimal digit, a point, a comma or a blank
/// (an empty text counts as numeric); no sign, no count of points.
bool IsNumericText(const QString& text);

/// The text with every blank removed.
QString RemoveSpaces(const QString& text);
