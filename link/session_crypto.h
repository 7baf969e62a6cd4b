#pragma once
// The session's own use of the block cipher: CBC chaining over whole blocks,
// the key derived from the login password, and the session vector derived
// from the device's challenge. Both ends of a session share this code.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "link/camellia.h"

namespace tk48 {

using CipherBlock = std::array<std::uint8_t, kCamelliaBlock>;
using SessionKey = std::array<std::uint8_t, kCamelliaKey>;

// The two fixed 32-character constants that configurator and device share.
struct SessionConstants {
  std::string_view a;
  std::string_view b;
};
// The pair this build was configured with.
SessionConstants BuiltInSessionConstants();

// CBC in place over whole blocks; `chain` enters as the previous cipher block
// (the vector at the start of a message) and leaves as the last one, so a
// later call continues the same chain. False when the length is not a
// multiple of 16 or the cipher fails.
bool CbcEncrypt(const Camellia256& cipher, CipherBlock& chain, std::span<std::uint8_t> data);
bool CbcDecrypt(const Camellia256& cipher, CipherBlock& chain, std::span<std::uint8_t> data);

// W = A ^ B; W = CBC(key W, vector 0, B); then the password bytes are XORed in
// cyclically, so byte 33 lands on key byte 1 again. nullopt when the cipher
// fails or a constant is not 32 bytes.
std::optional<SessionKey> DeriveSessionKey(std::string_view password,
                                           const SessionConstants& constants = BuiltInSessionConstants());

// The session vector: the challenge encrypted in CBC from `chain` (all zero at
// the start of a session); `chain` becomes the vector too.
std::optional<CipherBlock> DeriveSessionVector(const Camellia256& cipher, CipherBlock& chain,
                                               std::span<const std::uint8_t, kCamelliaBlock> challenge);

}  // namespace tk48
