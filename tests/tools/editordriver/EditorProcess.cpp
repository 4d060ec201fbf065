#include "tests/tools/editordriver/EditorProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

EditorProcess::EditorProcess(const std::string& driverSteps, const std::map<std::string, std::string>& extra) {
  std::map<std::string, std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos) {
      env[text.substr(0, equals)] = text.substr(equals + 1);
    }
  }
  env["QT_QPA_PLATFORM"] = "offscreen";
  env["QT_PLUGIN_PATH"] = KRV_EDITOR_PLUGIN_PATH;
  env["QT_QPA_GENERIC_PLUGINS"] = "krveditordriver";
  env["KRV_EDITOR_DRIVER"] = driverSteps;
  for (const auto& [key, value] : extra) {
    env[key] = value;
  }
  std::vector<std::string> entries;
  for (const auto& [key, value] : env) {
    entries.push_back(key + "=" + value);
  }
  std::vector<char*> envp;
  for (std::string& entry : entries) {
    envp.push_back(entry.data());
  }
  envp.push_back(nullptr);
  int fds[2] = {-1, -1};
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
  std::string program = KRV_EDITOR_EXECUTABLE;
  char* argv[] = {program.data(), nullptr};
  if (::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
    m_pid = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  m_err = fds[0];
  if (m_pid > 0) {
    m_pidfd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0));
  }
}

EditorProcess::~EditorProcess() {
  if (m_pid > 0) {
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
  }
  if (m_pidfd >= 0) {
    ::close(m_pidfd);
  }
  if (m_err >= 0) {
    ::close(m_err);
  }
}

bool EditorProcess::ReadSome(std::chrono::milliseconds limit) {
  pollfd p{m_err, POLLIN, 0};
  if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0) {
    return true;
  }
  char chunk[512];
  const ssize_t n = ::read(m_err, chunk, sizeof chunk);
  if (n <= 0) {
    return false;
  }
  m_output.append(chunk, static_cast<std::size_t>(n));
  return true;
}

bool EditorProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (m_output.find(text) == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !ReadSome(std::min(left, std::chrono::milliseconds(200)))) {
      return m_output.find(text) != std::string::npos;
    }
  }
  return true;
}

std::optional<int> EditorProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (m_pid <= 0 || m_pidfd < 0) {
    return std::nullopt;
  }
  pollfd p{m_pidfd, POLLIN, 0};
  if (::poll(&p, 1, static_cast<int>(limit.count())) != 1) {
    return std::nullopt;
  }
  int status = 0;
  if (::waitpid(m_pid, &status, 0) != m_pid) {
    return std::nullopt;
  }
  m_pid = -1;
  while (ReadSome(std::chrono::milliseconds(0)) && m_output.size() < (1u << 20)) {
    pollfd more{m_err, POLLIN, 0};
    if (::poll(&more, 1, 0) != 1) {
      break;
    }
  }
  if (!WIFEXITED(status)) {
    return std::nullopt;
  }
  return WEXITSTATUS(status);
}
