#pragma once
// CGzlib: the zlib container of "CONFIG_P" and the maintenance packages.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace tk48 {

class CGzlib {
 public:
  static constexpr std::size_t kWorkBufferSize = 8388608;  // 0x800000

  // zlib's own default, the level of compress(): the stream the device has
  // always been sent, and what the maintenance packages still use.
  static constexpr int kDefaultLevel = 6;

  CGzlib();
  // Every level writes the same format (deflate, 15-bit window, memory level 8):
  // any inflater reads them all; a higher level only costs more time here.
  bool Compress(std::span<const std::uint8_t> data, int level = kDefaultLevel);
  bool Decompress(std::span<const std::uint8_t> data);

  std::span<const std::uint8_t> Compressed() const { return {compressed_.get(), compressedLength_}; }
  std::span<const std::uint8_t> Decompressed() const { return {decompressed_.get(), decompressedLength_}; }

 private:
  std::unique_ptr<std::uint8_t[]> compressed_;
  std::unique_ptr<std::uint8_t[]> decompressed_;
  std::size_t compressedLength_ = 0;
  std::size_t decompressedLength_ = 0;
};

}  // namespace tk48
