#pragma once

#include <QEvent>

/// The link messages to the owner of a transport, as event types: a
/// complete reply (handed over synchronously) and a link error (posted).
/// A reply at a baud rate other than 115200 has no message: it is dropped.
inline constexpr QEvent::Type WM_LINK_REPLY = static_cast<QEvent::Type>(QEvent::User + 336);
inline constexpr QEvent::Type WM_LINK_ERROR = static_cast<QEvent::Type>(QEvent::User + 337);

/// The codes of WM_LINK_ERROR.
enum LinkError : int {
  LINK_ERROR_NO_REPLY = 0,       ///< the resends are used up
  LINK_ERROR_PORT_FAILED = 1,    ///< the serial port failed (hang-up, I/O error); the worker ended
  LINK_ERROR_STOP_TIMEOUT = 5,   ///< the worker had not ended 5000 ms after Close
  LINK_ERROR_WAIT_FAILED = 6,    ///< the serial worker's wait failed; the worker ended
};
