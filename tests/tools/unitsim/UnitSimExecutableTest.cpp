#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/NetworkConfinement.h"
#include "tests/tools/unitsim/SimTestClient.h"
#include "tools/unitsim/SimCodes.h"

namespace {

/// The unitsim executable run as a child with its standard output piped.
class UnitSimProcess {
 public:
  explicit UnitSimProcess(const std::vector<std::string>& args) {
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC) != 0) {
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> all{UNITSIM_EXECUTABLE};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) {
      argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, UNITSIM_EXECUTABLE, &actions, nullptr, argv.data(), environ) != 0) {
      m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    m_out = fds[0];
  }

  ~UnitSimProcess() {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
    ::close(m_out);
  }

  /// The next output line that starts with `prefix`, without the prefix; empty after 5 s.
  std::string LineStartingWith(const std::string& prefix) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
      const std::size_t end = m_buffer.find('\n');
      if (end != std::string::npos) {
        const std::string line = m_buffer.substr(0, end);
        m_buffer.erase(0, end + 1);
        if (line.rfind(prefix, 0) == 0) {
          return line.substr(prefix.size());
        }
        continue;
      }
      pollfd p{m_out, POLLIN, 0};
      if (::poll(&p, 1, 500) <= 0) {
        continue;
      }
      char chunk[256];
      const ssize_t n = ::read(m_out, chunk, sizeof chunk);
      if (n <= 0) {
        break;
      }
      m_buffer.append(chunk, static_cast<std::size_t>(n));
    }
    return {};
  }

  /// Sends SIGINT and returns the exit status, or -1 when it did not end
  /// within 60 s (a sanitized process checks for leaks on the way out, which
  /// takes seconds on a loaded machine).
  int Interrupt() {
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0));
    ::kill(m_pid, SIGINT);
    pollfd p{pidfd, POLLIN, 0};
    const bool ended = ::poll(&p, 1, 60000) == 1;
    ::close(pidfd);
    int status = 0;
    if (!ended || ::waitpid(m_pid, &status, 0) != m_pid) {
      return -1;
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t m_pid = -1;
  int m_out = -1;
  std::string m_buffer;
};

TEST(UnitSimExecutable, PtyMode_printsTheSlavePathAnswersAndEndsOnInterrupt) {
  UnitSimProcess process({"--pty", "--verbose", "--unit-id", "9"});
  const std::string path = process.LineStartingWith("pty: ");
  ASSERT_NE(path, "");
  SimTestClient client;
  ASSERT_TRUE(client.OpenPty(path));
  const auto reply = client.Exchange(SimCode::kHello);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->unitId, 9);
  EXPECT_EQ(process.LineStartingWith("pty R "), "10 02 00 01 01 10 10 03 11");
  EXPECT_EQ(process.Interrupt(), 0);
}

TEST(UnitSimExecutable, TcpMode_printsItsAddressAndAnswers) {
  if (!RequireLoopbackOnly()) {
    return;
  }
  UnitSimProcess process({"--tcp", "--tcp-port", "0"});
  const std::string address = process.LineStartingWith("tcp: 127.0.0.1:");
  ASSERT_NE(address, "");
  SimTestClient client;
  ASSERT_TRUE(client.ConnectTcp(static_cast<std::uint16_t>(std::stoi(address))));
  const auto reply = client.Exchange(SimCode::kIdentity);
  ASSERT_TRUE(reply);
  EXPECT_EQ(std::string(reply->payload.begin(), reply->payload.end()), "KRV-71 V010");
  EXPECT_EQ(process.Interrupt(), 0);
}

}  // namespace
