#pragma once
// Camellia (RFC 3713) with a 256-bit key, one 16-byte block at a time. The
// chaining mode is built on top of this in session_crypto.h.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace tk48 {

inline constexpr std::size_t kCamelliaBlock = 16;
inline constexpr std::size_t kCamelliaKey = 32;

class Camellia256 {
 public:
  Camellia256();
  ~Camellia256();
  Camellia256(Camellia256&&) noexcept;
  Camellia256& operator=(Camellia256&&) noexcept;

  // Builds the key schedule; false when the cipher is unavailable.
  bool SetKey(std::span<const std::uint8_t, kCamelliaKey> key);
  // Forgets the key schedule.
  void Clear();
  bool HasKey() const { return keyed_; }

  // One block, in place or not (in and out may be the same block).
  bool EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const;
  // Any number of whole blocks, each on its own (no chaining).
  bool DecryptBlocks(std::span<const std::uint8_t> in, std::uint8_t* out) const;

 private:
  struct CtxFree {
    void operator()(EVP_CIPHER_CTX* ctx) const;
  };
  using Ctx = std::unique_ptr<EVP_CIPHER_CTX, CtxFree>;
  Ctx encrypt_;
  Ctx decrypt_;
  bool keyed_ = false;
};

}  // namespace tk48
