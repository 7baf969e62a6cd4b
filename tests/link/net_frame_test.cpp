// The message frame: header layout, padding and reply classification.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "link/net_frame.h"

namespace tk48 {
namespace {

TEST(NetFrame, PadsEachPayloadToWholeBlocks) {
  struct Case {
    std::uint32_t length1, length2;
    std::uint64_t size;
  };
  for (const Case& c : {Case{0, 0, 160}, Case{1, 17, 160 + 16 + 32}, Case{16, 0, 176}, Case{0, 16, 176},
                        Case{15, 1, 192}, Case{32, 33, 160 + 32 + 48}}) {
    SCOPED_TRACE(testing::Message() << c.length1 << "," << c.length2);
    EXPECT_EQ(NetMessageSize(c.length1, c.length2), c.size);
    const std::vector<std::uint8_t> p1(c.length1, 0x11), p2(c.length2, 0x22);
    EXPECT_EQ(BuildNetMessage('P', p1, p2, 0).size(), c.size);
  }
  EXPECT_EQ(NetMessageSize(0xFFFFFFFF, 0xFFFFFFFF), 160 + 2 * std::uint64_t{0x100000000});
}

TEST(NetFrame, LaysOutHeaderAndPayloads) {
  const std::vector<std::uint8_t> p1 = {'C', 'O', 'N'};
  const std::vector<std::uint8_t> p2(17, 0xEE);
  const auto frame = BuildNetMessage('G', p1, p2, 0x1234);
  const std::vector<std::uint8_t> head = {0xCC, 0x55, 'G', static_cast<std::uint8_t>(~'G'), 3, 0, 0, 0,
                                          17,   0,    0,   0,                                 0x34, 0x12, 0, 0};
  EXPECT_TRUE(std::equal(head.begin(), head.end(), frame.begin()));
  EXPECT_TRUE(std::all_of(frame.begin() + 16, frame.begin() + 160, [](auto b) { return b == 0; }));
  EXPECT_TRUE(std::equal(p1.begin(), p1.end(), frame.begin() + 160));
  EXPECT_TRUE(std::all_of(frame.begin() + 163, frame.begin() + 176, [](auto b) { return b == 0; }));
  EXPECT_TRUE(std::equal(p2.begin(), p2.end(), frame.begin() + 176));
  EXPECT_TRUE(std::all_of(frame.begin() + 193, frame.end(), [](auto b) { return b == 0; }));

  const MessageHeader h = DecodeMessageHeader(std::span<const std::uint8_t, 160>(frame.data(), 160));
  EXPECT_EQ(h.letter, 'G');
  EXPECT_EQ(h.length1, 3u);
  EXPECT_EQ(h.length2, 17u);
}

TEST(NetFrame, ClassifiesReplies) {
  struct Case {
    std::uint8_t letter, check;
    ReplyKind kind;
  };
  for (const Case& c : {Case{'o', 0x90, ReplyKind::Accepted}, Case{'o', 0x91, ReplyKind::Invalid},
                        Case{'n', 0x91, ReplyKind::Refused}, Case{'n', 0x00, ReplyKind::Refused},
                        Case{'O', 0xB0, ReplyKind::Invalid}, Case{0, 0xFF, ReplyKind::Invalid}}) {
    EXPECT_EQ(ClassifyReply({c.letter, c.check, 0, 0}), c.kind) << c.letter << " " << int(c.check);
  }
}

}  // namespace
}  // namespace tk48
