#pragma once
// Byte and text views of the device's files, and the zlib form they travel in.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/gzlib.h"

namespace tk48::sim {

inline std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

inline std::optional<std::vector<std::uint8_t>> Compress(std::string_view text) {
  CGzlib gz;
  if (!gz.Compress(AsBytes(text))) return std::nullopt;
  const auto out = gz.Compressed();
  return std::vector<std::uint8_t>(out.begin(), out.end());
}

}  // namespace tk48::sim
