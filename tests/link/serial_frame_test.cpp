#include <gtest/gtest.h>

#include <string_view>

#include "link/crc16.h"
#include "link/serial_frame.h"
#include "tests/link/serial_peer.h"

namespace tk48 {
namespace {

using test::Bytes;

TEST(SerialCheck, PublishedCheckValue) {
  constexpr std::string_view text = "123456789";
  EXPECT_EQ(Crc16Genibus({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}), 0xD64E);
}

TEST(SerialFrame, StatusRequestIsTheKnownFrame) {
  EXPECT_EQ(test::FrameBytes(0, 'S', {}, true), (Bytes{0x02, 0x00, 0xFF, 0x53, 0x00, 0x00, 0x17, 0xB8, 0x4C}));
}

TEST(SerialFrame, LayoutOfAFullBlock) {
  Bytes payload(1500, 0xA5);
  const auto f = test::FrameBytes(0x81, 'p', payload, false);  // cut at 1024
  ASSERT_EQ(f.size(), 1033u);
  EXPECT_EQ(f[1], 0x81);
  EXPECT_EQ(f[2], 0x7E);
  EXPECT_EQ(f[3], 'p');
  EXPECT_EQ(f[4], 0x04);
  EXPECT_EQ(f[5], 0x00);
  EXPECT_EQ(f[1030], kEtx);
  const auto check = Crc16Genibus(std::span(f).first(1031));
  EXPECT_EQ(f[1031], check >> 8);
  EXPECT_EQ(f[1032], check & 0xFF);
}

TEST(SerialFrame, CheckCatchesAnyFlippedBit) {
  const auto good = test::FrameBytes(3, 'g', test::ToBytes("CONFIG_P"), true);
  EXPECT_TRUE(FrameCheckMatches(good));
  for (std::size_t i = 0; i < good.size(); ++i)
    for (int bit = 0; bit < 8; ++bit) {
      auto bad = good;
      bad[i] ^= static_cast<std::uint8_t>(1 << bit);
      EXPECT_FALSE(FrameCheckMatches(bad)) << "byte " << i << " bit " << bit;
    }
}

}  // namespace
}  // namespace tk48
