#pragma once

#include <initializer_list>

#include <QString>

/// A format text with integer arguments, as the smooth widgets' Format
/// properties take it: "%d" (also "%u", "%x", "%X", with a width such as
/// "%3d") takes the next argument, "%%" is a percent sign; any other text
/// is copied, and a specifier without an argument left stays as written,
/// so a user's format can never read past its arguments. Any thread.
QString FormatIntegers(const QString& format, std::initializer_list<int> arguments);
