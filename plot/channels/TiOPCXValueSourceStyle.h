#pragma once

/// Where a time-series channel fed by OPC takes the X value of a point:
/// the server's time stamp, the local time of arrival, the elapsed time
/// in days or seconds, or (with the Y value) from a second item of a group.
enum class TiOPCXValueSourceStyle {
  iopcxvsOPCServerTimeStamp = 0,
  iopcxvsSystemTimeStamp = 1,
  iopcxvsElapsedTime = 2,
  iopcxvsElapsedSeconds = 3,
  iopcxvsOPCItem = 4,
};
