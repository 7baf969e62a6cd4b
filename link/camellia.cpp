#include "link/camellia.h"

#include <openssl/evp.h>

#include <algorithm>

namespace tk48 {

void Camellia256::CtxFree::operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }

Camellia256::Camellia256() = default;
Camellia256::~Camellia256() = default;
Camellia256::Camellia256(Camellia256&&) noexcept = default;
Camellia256& Camellia256::operator=(Camellia256&&) noexcept = default;

namespace {

// ECB without padding is the bare block cipher: each 16-byte block maps to one
// 16-byte block, so the chaining stays in our hands.
bool Init(EVP_CIPHER_CTX* ctx, const std::uint8_t* key, int encrypt) {
  return EVP_CipherInit_ex(ctx, EVP_camellia_256_ecb(), nullptr, key, nullptr, encrypt) == 1 &&
         EVP_CIPHER_CTX_set_padding(ctx, 0) == 1;
}

}  // namespace

bool Camellia256::SetKey(std::span<const std::uint8_t, kCamelliaKey> key) {
  Clear();
  Ctx enc(EVP_CIPHER_CTX_new());
  Ctx dec(EVP_CIPHER_CTX_new());
  if (!enc || !dec || !Init(enc.get(), key.data(), 1) || !Init(dec.get(), key.data(), 0)) return false;
  encrypt_ = std::move(enc);
  decrypt_ = std::move(dec);
  keyed_ = true;
  return true;
}

void Camellia256::Clear() {
  encrypt_.reset();
  decrypt_.reset();
  keyed_ = false;
}

bool Camellia256::EncryptBlock(const std::uint8_t* in, std::uint8_t* out) const {
  if (!keyed_) return false;
  int n = 0;
  return EVP_CipherUpdate(encrypt_.get(), out, &n, in, static_cast<int>(kCamelliaBlock)) == 1 &&
         n == static_cast<int>(kCamelliaBlock);
}

bool Camellia256::DecryptBlocks(std::span<const std::uint8_t> in, std::uint8_t* out) const {
  if (!keyed_ || in.size() % kCamelliaBlock != 0) return false;
  // EVP takes int lengths: feed large areas in slices.
  constexpr std::size_t kSlice = std::size_t{1} << 30;
  for (std::size_t done = 0; done < in.size();) {
    const std::size_t len = std::min(kSlice, in.size() - done);
    int n = 0;
    if (EVP_CipherUpdate(decrypt_.get(), out + done, &n, in.data() + done, static_cast<int>(len)) != 1 ||
        static_cast<std::size_t>(n) != len)
      return false;
    done += len;
  }
  return true;
}

}  // namespace tk48
