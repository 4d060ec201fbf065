#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>

/// The real krv71-editor run as a child on the offscreen platform with the
/// editor driver loaded, its standard error piped. Environment entries in
/// `extra` are added to (or replace) the test's own. Killed and reaped by
/// the destructor if still running. Test code only; one thread.
class EditorProcess {
public:
  EditorProcess(const std::string& driverSteps, const std::map<std::string, std::string>& extra);
  ~EditorProcess();
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  bool Started() const { return m_pid > 0; }
  /// Waits at most `limit` for a line of the standard error that contains `text`.
  bool WaitForOutput(const std::string& text, std::chrono::milliseconds limit);
  /// The exit status once the process ended within `limit`; none when it
  /// is still running or ended by a signal.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);
  /// Everything read from the standard error so far.
  const std::string& Output() const { return m_output; }

private:
  /// Reads what is there within `limit`; false at end of file.
  bool ReadSome(std::chrono::milliseconds limit);

  pid_t m_pid = -1;
  int m_pidfd = -1;
  int m_err = -1;
  std::string m_output;
};
