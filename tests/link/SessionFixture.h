#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/LUnitSession.h"
#include "protocol/LUnitControl.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "tests/link/RecordingLinkWindow.h"
#include "tests/protocol/HexBytes.h"
#include "tests/protocol/RecordingUnitHost.h"
#include "tests/support/ProcessEventsUntil.h"

/// A reply frame as the unit sends it: 10 02 <unit id> 00 L code payload 10 03 xor.
inline std::vector<std::uint8_t> ReplyFrame(int unitId, int code, const std::vector<std::uint8_t>& payload = {}) {
  std::vector<std::uint8_t> frame{0x10, 0x02, static_cast<std::uint8_t>(unitId), 0x00,
                                  static_cast<std::uint8_t>(payload.size() + 1), static_cast<std::uint8_t>(code)};
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(0x10);
  frame.push_back(0x03);
  std::uint8_t check = 0;
  for (const std::uint8_t byte : frame) {
    check ^= byte;
  }
  frame.push_back(check);
  return frame;
}

/// Code and payload of a frame the editor sent, as hex ("56 00 9D 00").
inline std::string CodeAndPayload(const std::vector<std::uint8_t>& frame) {
  if (frame.size() < 9) {
    return "short";
  }
  return Hex(std::vector<std::uint8_t>(frame.begin() + 5, frame.begin() + 5 + frame[4]));
}

/// A session over fake transports and a recording window, with a serial
/// link open unless a test opens something else.
class SessionFixture : public ::testing::Test {
protected:
  void OpenSerial() {
    session.SetComPortName("/dev/fake0");
    session.OpenSerialLink();
    serial = factory.Last(LinkKind::Serial);
  }

  void Reply(int code, const std::vector<std::uint8_t>& payload = {}, int unitId = 1) {
    session.HandleReply(ReplyFrame(unitId, code, payload));
  }

  /// Codes and payloads sent on `record` since `from`.
  std::vector<std::string> SentSince(const FakeLinkRecord* record, std::size_t from) const {
    std::vector<std::string> sent;
    for (std::size_t i = from; record && i < record->frames.size(); ++i) {
      sent.push_back(CodeAndPayload(record->frames[i].bytes));
    }
    return sent;
  }

  std::size_t SentCount() const { return serial ? serial->frames.size() : 0; }

  RecordingUnitHost host;
  LUnitControl unit{host};
  RecordingLinkWindow window;
  FakeLinkTransportFactory factory;
  LUnitSession session{unit, window, factory};
  FakeLinkRecord* serial = nullptr;
};
