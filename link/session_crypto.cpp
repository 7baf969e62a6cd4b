#include "link/session_crypto.h"

#include <algorithm>

namespace tk48 {

namespace {

constexpr char kConstantA[] = TK48_SESSION_CONSTANT_A;
constexpr char kConstantB[] = TK48_SESSION_CONSTANT_B;
static_assert(sizeof(kConstantA) == kCamelliaKey + 1, "TK48_SESSION_CONSTANT_A must be 32 characters");
static_assert(sizeof(kConstantB) == kCamelliaKey + 1, "TK48_SESSION_CONSTANT_B must be 32 characters");

void XorBlock(std::uint8_t* into, const std::uint8_t* from) {
  for (std::size_t i = 0; i < kCamelliaBlock; ++i) into[i] ^= from[i];
}

}  // namespace

SessionConstants BuiltInSessionConstants() {
  return {std::string_view(kConstantA, kCamelliaKey), std::string_view(kConstantB, kCamelliaKey)};
}

bool CbcEncrypt(const Camellia256& cipher, CipherBlock& chain, std::span<std::uint8_t> data) {
  if (data.size() % kCamelliaBlock != 0) return false;
  for (std::size_t at = 0; at < data.size(); at += kCamelliaBlock) {
    std::uint8_t* block = data.data() + at;
    XorBlock(block, chain.data());
    if (!cipher.EncryptBlock(block, block)) return false;
    std::copy_n(block, kCamelliaBlock, chain.begin());
  }
  return true;
}

bool CbcDecrypt(const Camellia256& cipher, CipherBlock& chain, std::span<std::uint8_t> data) {
  if (data.size() % kCamelliaBlock != 0) return false;
  // Decryption does not chain through the cipher: decrypt a batch of blocks
  // in one call into a side buffer, then XOR each with the cipher block before it.
  CipherBlock previous = chain;
  CipherBlock current;
  constexpr std::size_t kBatch = 1024;  // blocks per cipher call
  std::array<std::uint8_t, kBatch * kCamelliaBlock> plain;
  for (std::size_t at = 0; at < data.size(); at += plain.size()) {
    const std::size_t len = std::min(plain.size(), data.size() - at);
    if (!cipher.DecryptBlocks(data.subspan(at, len), plain.data())) return false;
    for (std::size_t b = 0; b < len; b += kCamelliaBlock) {
      std::uint8_t* block = data.data() + at + b;
      std::copy_n(block, kCamelliaBlock, current.begin());
      XorBlock(plain.data() + b, previous.data());
      std::copy_n(plain.data() + b, kCamelliaBlock, block);
      previous = current;
    }
  }
  chain = previous;
  return true;
}

std::optional<SessionKey> DeriveSessionKey(std::string_view password, const SessionConstants& constants) {
  if (constants.a.size() != kCamelliaKey || constants.b.size() != kCamelliaKey) return std::nullopt;
  SessionKey w;
  for (std::size_t i = 0; i < kCamelliaKey; ++i)
    w[i] = static_cast<std::uint8_t>(constants.a[i]) ^ static_cast<std::uint8_t>(constants.b[i]);
  Camellia256 cipher;
  if (!cipher.SetKey(w)) return std::nullopt;
  std::copy_n(reinterpret_cast<const std::uint8_t*>(constants.b.data()), kCamelliaKey, w.begin());
  CipherBlock chain{};
  if (!CbcEncrypt(cipher, chain, w)) return std::nullopt;
  for (std::size_t i = 0; i < password.size(); ++i) w[i % kCamelliaKey] ^= static_cast<std::uint8_t>(password[i]);
  return w;
}

std::optional<CipherBlock> DeriveSessionVector(const Camellia256& cipher, CipherBlock& chain,
                                               std::span<const std::uint8_t, kCamelliaBlock> challenge) {
  CipherBlock vector;
  std::copy(challenge.begin(), challenge.end(), vector.begin());
  if (!CbcEncrypt(cipher, chain, vector)) return std::nullopt;
  return vector;
}

}  // namespace tk48
