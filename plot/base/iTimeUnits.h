#pragma once

/// Whole counts of time units in a date-time (days since 30 December 1899,
/// the time of day as the fraction): days = Trunc(x + 1e-15) and the time of
/// day in hours, minutes, seconds and milliseconds. A negative result, or
/// one beyond the 32-bit range, becomes 2147483647, except in
/// DateTimeToMinutes, where it becomes 10000. Any thread.
int DateTimeToMilliseconds(double x);
int DateTimeToSeconds(double x);
int DateTimeToMinutes(double x);
int DateTimeToHours(double x);
