#include "tests/tools/unitsim/SimTestClient.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include "tools/unitsim/SimCodes.h"

namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(left > 0 ? left : 0);
}

}  // namespace

SimTestClient::~SimTestClient() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

bool SimTestClient::OpenPty(const std::string& path) {
  m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_fd < 0) {
    return false;
  }
  termios tio{};
  ::tcgetattr(m_fd, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(m_fd, TCSANOW, &tio);
  return true;
}

bool SimTestClient::ConnectTcp(std::uint16_t port) {
  m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    return false;
  }
  ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
  return true;
}

bool SimTestClient::SendRaw(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    const ssize_t w = n < 0 && errno == ENOTSOCK ? ::write(m_fd, bytes.data() + done, bytes.size() - done) : n;
    if (w <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(w);
  }
  return true;
}

bool SimTestClient::Send(std::uint8_t code, const std::vector<std::uint8_t>& payload, std::uint8_t unitId) {
  const std::vector<std::uint8_t> frame = BuildEditorFrame(unitId, code, payload);
  if (!m_hid) {
    return SendRaw(frame);
  }
  std::vector<std::uint8_t> report(65, 0);
  std::copy(frame.begin(), frame.end(), report.begin() + 1);
  return SendRaw(report);
}

std::optional<SimFrame> SimTestClient::Receive(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (m_ready.empty()) {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, RemainingMs(deadline)) <= 0) {
      return std::nullopt;
    }
    std::uint8_t buffer[1024];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n <= 0) {
      if (n < 0 && errno == EAGAIN) {
        continue;
      }
      return std::nullopt;
    }
    for (auto& frame : m_assembler.Feed(buffer, static_cast<std::size_t>(n))) {
      m_ready.push_back(std::move(frame));
    }
  }
  std::vector<std::uint8_t> raw = std::move(m_ready.front());
  m_ready.erase(m_ready.begin());
  return ParseFrame(raw, SimFrameSender::Unit);
}

std::optional<SimFrame> SimTestClient::Exchange(std::uint8_t code, const std::vector<std::uint8_t>& payload) {
  if (!Send(code, payload)) {
    return std::nullopt;
  }
  return Receive();
}

std::vector<std::vector<std::uint8_t>> SimTestClient::ReadChunks(std::size_t totalBytes,
                                                                 std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  std::vector<std::vector<std::uint8_t>> chunks;
  std::size_t total = 0;
  while (total < totalBytes) {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, RemainingMs(deadline)) <= 0) {
      break;
    }
    std::uint8_t buffer[256];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n <= 0) {
      break;
    }
    chunks.emplace_back(buffer, buffer + n);
    total += static_cast<std::size_t>(n);
  }
  return chunks;
}

bool SimTestClient::SeesHangUp(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    pollfd p{m_fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, RemainingMs(deadline));
    if (ready <= 0) {
      return false;
    }
    if (p.revents & (POLLHUP | POLLERR)) {
      return true;
    }
    std::uint8_t buffer[256];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n == 0 || (n < 0 && errno != EAGAIN)) {
      return true;
    }
  }
}

SimReadOut RunReadOut(SimTestClient& client, std::uint8_t area) {
  SimReadOut out;
  const auto step = [&client](std::uint8_t code, const std::vector<std::uint8_t>& payload,
                              std::uint8_t expectedCode) -> std::optional<std::vector<std::uint8_t>> {
    const std::optional<SimFrame> reply = client.Exchange(code, payload);
    if (!reply || reply->code != expectedCode) {
      return std::nullopt;
    }
    return reply->payload;
  };
  const auto hello = step(SimCode::kHello, {}, SimCode::kHello);
  const auto identity = step(SimCode::kIdentity, {}, SimCode::kIdentity);
  const auto lock = step(SimCode::kLockStatus, {}, SimCode::kLockStatus);
  const auto directory = step(SimCode::kReadPresetDirectory, {}, SimCode::kReadPresetDirectory);
  const auto current = step(SimCode::kCurrentPreset, {}, SimCode::kCurrentPreset);
  if (!hello || !identity || !lock || !directory || !current || current->empty()) {
    return out;
  }
  out.identity = *identity;
  out.lockStatus = *lock;
  out.directory = *directory;
  out.currentPreset = (*current)[0];
  for (std::uint8_t n = 0; n < 30; ++n) {
    const auto name = step(SimCode::kReadPresetName, {n}, SimCode::kReadPresetName);
    if (!name || name->empty() || (*name)[0] != n) {
      return out;
    }
    out.names.emplace_back(name->begin() + 1, name->end());
  }
  for (int b = 0; b < 946; ++b) {
    const auto block = step(SimCode::kReadFirBlock,
                            {area, static_cast<std::uint8_t>(b & 0xFF), static_cast<std::uint8_t>(b >> 8)},
                            SimCode::kReadFirBlock);
    if (!block || block->size() < 3 || (*block)[0] != area || ((*block)[1] << 8 | (*block)[2]) != b) {
      return out;
    }
    out.firArea.insert(out.firArea.end(), block->begin() + 3, block->end());
  }
  for (std::uint8_t b = 0; b <= 20; ++b) {
    const auto block = step(SimCode::kReadImageBlock, {b}, SimCode::kImageBlockReply);
    if (!block || block->empty() || (*block)[0] != b) {
      return out;
    }
    out.image.insert(out.image.end(), block->begin() + 1, block->end());
  }
  out.complete = step(SimCode::kKeepAlive, {}, SimCode::kAck).has_value();
  return out;
}
