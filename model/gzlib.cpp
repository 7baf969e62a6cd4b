#include "model/gzlib.h"

#include <zlib.h>

#include <cstring>

namespace tk48 {

// The work buffers are not cleared: only the bytes a call reports are ever read.
CGzlib::CGzlib()
    : compressed_(std::make_unique_for_overwrite<std::uint8_t[]>(kWorkBufferSize)),
      decompressed_(std::make_unique_for_overwrite<std::uint8_t[]>(kWorkBufferSize)) {}

bool CGzlib::Compress(std::span<const std::uint8_t> data, int level) {
  compressedLength_ = 0;
  uLongf len = kWorkBufferSize;
  if (::compress2(compressed_.get(), &len, data.data(), data.size(), level) != Z_OK) return false;
  compressedLength_ = len;
  return true;
}

bool CGzlib::Decompress(std::span<const std::uint8_t> data) {
  decompressedLength_ = 0;
  uLongf len = kWorkBufferSize;
  // A stream that needs a dictionary, ends early or inflates past the buffer fails.
  if (::uncompress(decompressed_.get(), &len, data.data(), data.size()) != Z_OK) return false;
  decompressedLength_ = len;
  return true;
}

}  // namespace tk48
