#pragma once

/// Stops the run with the message on stderr when a fuzz target finds a
/// property broken (a file that does not reload to the bytes it was saved
/// as, a round trip that changes text): abort() makes libFuzzer keep the
/// input as a crash, and fails the replay test the same way.
void FuzzFail(const char* target, const char* what);

#define KRV_FUZZ_CHECK(target, condition)      \
  do {                                         \
    if (!(condition)) {                        \
      FuzzFail((target), #condition);          \
    }                                          \
  } while (false)
