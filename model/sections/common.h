#pragma once
#include <cstdint>

namespace tk48 {

// A channel reference: the kind indexes the field's family list; the number is
// the 1-based channel number (not written for kind 0 or a "no number" kind).
struct ChannelRef {
  std::int32_t kind;
  std::int16_t no;
};

// Channel family sizes.
inline constexpr int kAiCount = 128, kDiCount = 256, kPiCount = 128, kMaCount = 256,
                     kMdCount = 256, kAoCount = 64, kDoCount = 128, kGdoCount = 32;

}  // namespace tk48
