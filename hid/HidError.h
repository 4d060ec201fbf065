#pragma once

#include <stdexcept>
#include <string>

#include "hid/HidTypes.h"

/// A device object could not be made ("device cannot be opened" ...). The
/// controller catches it and skips the interface.
class EControllerError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// A failed HID parser status, raised by HidError.
class EHidClientError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

/// "HID Error: " and the status's text for a failed status of the HID
/// facility; empty for success and for statuses of other facilities.
std::string HidErrorString(NTSTATUS status);
/// Raises EHidClientError with HidErrorString(status) when it is not empty.
void HidError(NTSTATUS status);
/// Calls HidError when `status` is not HIDP_STATUS_SUCCESS; returns it.
NTSTATUS HidCheck(NTSTATUS status);
