#include "link/InboxLinkIo.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "link/LinkInbox.h"
#include "link/LinkMessages.h"
#include "link/LinkTransport.h"
#include "tests/link/RecordingOwner.h"
#include "tests/support/ProcessEventsUntil.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kHello{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
const Bytes kHelloReply{0x10, 0x02, 0x01, 0x00, 0x01, 0x10, 0x10, 0x03, 0x10};
const Bytes kAckReply{0x10, 0x02, 0x01, 0x00, 0x02, 0x01, 0x07, 0x10, 0x03, 0x04};

// A link as USB and the network build it: bytes handed in by the owner,
// frames written through a routine of the owner.
class InboxOnlyTransport : public LinkTransport {
public:
  InboxOnlyTransport(QObject* owner, LinkProfile profile) : LinkTransport(owner, 1, std::move(profile), {}) {}

  bool Open() {
    return Start(std::make_unique<InboxLinkIo>(m_inbox, [this](std::span<const std::uint8_t> frame) {
      std::scoped_lock lock(m_mutex);
      m_written.emplace_back(frame.begin(), frame.end());
    }));
  }
  void PutReceived(const Bytes& bytes) { m_inbox->Put(bytes); }
  std::vector<Bytes> Written() const {
    std::scoped_lock lock(m_mutex);
    return m_written;
  }

private:
  std::shared_ptr<LinkInbox> m_inbox = std::make_shared<LinkInbox>();
  mutable std::mutex m_mutex;
  std::vector<Bytes> m_written;  // guards: m_mutex
};

LinkProfile UsbLikeProfile() {
  LinkProfile profile;
  profile.replyCompleteFrom = 9;
  profile.silentTimeouts = 4;
  profile.keepAliveTimeout = 5000;
  return profile;
}

TEST(InboxLinkIo, HandOversBeforeTheWorkerReadsThem_areAllDeliveredInOrder) {
  RecordingOwner owner;
  InboxOnlyTransport transport(&owner, UsbLikeProfile());
  ASSERT_TRUE(transport.Open());
  transport.SetTimeout(5000);
  transport.SetKeepAliveSuppressed(true);

  transport.QueueFrame(kHello, true);
  transport.PutReceived(Bytes(kHelloReply.begin(), kHelloReply.begin() + 4));
  Bytes rest(kHelloReply.begin() + 4, kHelloReply.end());
  rest.insert(rest.end(), kAckReply.begin(), kAckReply.end());
  transport.PutReceived(rest);

  // The worker reads before it sends, so the hello may go out after the
  // replies were handed over.
  ASSERT_TRUE(ProcessEventsUntil([&] { return owner.replies.size() == 2 && !transport.Written().empty(); }));
  EXPECT_EQ(owner.replies[0].frame, kHelloReply);
  EXPECT_EQ(owner.replies[1].frame, kAckReply);
  EXPECT_EQ(transport.Written(), std::vector<Bytes>{kHello});
}

TEST(InboxLinkIo, UnansweredFrame_isWrittenOncePlusRetriesThenNoReply) {
  RecordingOwner owner;
  InboxOnlyTransport transport(&owner, UsbLikeProfile());
  ASSERT_TRUE(transport.Open());
  transport.SetTimeout(10);
  transport.SetRetryCount(3);
  transport.SetKeepAliveSuppressed(true);

  transport.QueueFrame(kHello, true);

  ASSERT_TRUE(ProcessEventsUntil([&] { return !owner.errors.empty(); }));
  EXPECT_EQ(owner.errors.front().code, LINK_ERROR_NO_REPLY);
  EXPECT_EQ(owner.errors.front().argument, 1);
  EXPECT_EQ(transport.Written().size(), 4u);
  transport.Close();
  EXPECT_FALSE(transport.IsOpen());
}

}  // namespace
