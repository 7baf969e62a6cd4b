// The block cipher, the CBC chaining and the key and vector derivation,
// checked against RFC 3713 and against OpenSSL's own CBC on the same blocks.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "link/camellia.h"
#include "link/session_crypto.h"

namespace tk48 {
namespace {

std::vector<std::uint8_t> Hex(std::string_view hex) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  return out;
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// Reference CBC encryption by OpenSSL itself (no padding).
std::vector<std::uint8_t> OpenSslCbc(std::span<const std::uint8_t> key, std::span<const std::uint8_t> iv,
                                     std::span<const std::uint8_t> data) {
  std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  EXPECT_EQ(EVP_EncryptInit_ex(ctx.get(), EVP_camellia_256_cbc(), nullptr, key.data(), iv.data()), 1);
  EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
  std::vector<std::uint8_t> out(data.size());
  int n = 0;
  EXPECT_EQ(EVP_EncryptUpdate(ctx.get(), out.data(), &n, data.data(), static_cast<int>(data.size())), 1);
  EXPECT_EQ(static_cast<std::size_t>(n), data.size());
  return out;
}

std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>((i * 131 + seed * 7 + (i >> 8)) & 0xFF);
  return v;
}

TEST(Camellia256, MatchesRfc3713TestVector) {
  const auto key = Hex("0123456789abcdeffedcba987654321000112233445566778899aabbccddeeff");
  const auto plain = Hex("0123456789abcdeffedcba9876543210");
  const auto cipherText = Hex("9acc237dff16d76c20ef7c919e3a7509");
  Camellia256 cipher;
  ASSERT_TRUE(cipher.SetKey(std::span<const std::uint8_t, 32>(key.data(), 32)));
  std::array<std::uint8_t, 16> block;
  ASSERT_TRUE(cipher.EncryptBlock(plain.data(), block.data()));
  EXPECT_TRUE(std::equal(block.begin(), block.end(), cipherText.begin()));
  ASSERT_TRUE(cipher.DecryptBlocks(block, block.data()));
  EXPECT_TRUE(std::equal(block.begin(), block.end(), plain.begin()));
}

TEST(Camellia256, RefusesWorkWithoutKeyOrOnPartialBlocks) {
  Camellia256 cipher;
  std::array<std::uint8_t, 32> data{};
  EXPECT_FALSE(cipher.EncryptBlock(data.data(), data.data()));
  ASSERT_TRUE(cipher.SetKey(data));
  EXPECT_FALSE(cipher.DecryptBlocks(std::span(data).first(17), data.data()));
  cipher.Clear();
  EXPECT_FALSE(cipher.HasKey());
  EXPECT_FALSE(cipher.DecryptBlocks(std::span(data).first(16), data.data()));
}

TEST(SessionCbc, MatchesOpenSslAndContinuesTheChainAcrossCalls) {
  const auto key = Pattern(32, 1);
  const auto iv = Pattern(16, 2);
  Camellia256 cipher;
  ASSERT_TRUE(cipher.SetKey(std::span<const std::uint8_t, 32>(key.data(), 32)));
  // 160-byte header then a payload area larger than one decryption batch.
  for (std::size_t area : {std::size_t{0}, std::size_t{16}, std::size_t{48}, std::size_t{16400 * 2 + 32}}) {
    SCOPED_TRACE(area);
    const auto plain = Pattern(160 + area, 3);
    const auto expected = OpenSslCbc(key, iv, plain);

    auto data = plain;
    CipherBlock chain;
    std::copy(iv.begin(), iv.end(), chain.begin());
    ASSERT_TRUE(CbcEncrypt(cipher, chain, std::span(data).first(160)));
    ASSERT_TRUE(CbcEncrypt(cipher, chain, std::span(data).subspan(160)));
    EXPECT_EQ(data, expected);

    std::copy(iv.begin(), iv.end(), chain.begin());
    ASSERT_TRUE(CbcDecrypt(cipher, chain, std::span(data).first(160)));
    ASSERT_TRUE(CbcDecrypt(cipher, chain, std::span(data).subspan(160)));
    EXPECT_EQ(data, plain);
    EXPECT_TRUE(std::equal(chain.begin(), chain.end(), expected.end() - 16));
  }
  CipherBlock chain{};
  std::array<std::uint8_t, 20> odd{};
  EXPECT_FALSE(CbcEncrypt(cipher, chain, odd));
  EXPECT_FALSE(CbcDecrypt(cipher, chain, odd));
}

// The derivation written out step by step with OpenSSL's CBC.
SessionKey ReferenceKey(std::string_view a, std::string_view b, std::string_view password) {
  std::vector<std::uint8_t> w(32);
  for (int i = 0; i < 32; ++i) w[i] = static_cast<std::uint8_t>(a[i] ^ b[i]);
  const std::vector<std::uint8_t> zero(16, 0);
  auto next = OpenSslCbc(w, zero, Bytes(b));
  for (std::size_t i = 0; i < password.size(); ++i) next[i % 32] ^= static_cast<std::uint8_t>(password[i]);
  SessionKey key;
  std::copy(next.begin(), next.end(), key.begin());
  return key;
}

TEST(SessionKeyDerivation, MatchesTheStepByStepDerivation) {
  const SessionConstants own{"0123456789ABCDEFGHIJKLMNOPQRSTUV", "zyxwvutsrqponmlkjihgfedcba987654"};
  const std::string longest(48, 'p');
  for (std::string_view password : {std::string_view(""), std::string_view("secret"), std::string_view(longest)}) {
    SCOPED_TRACE(password);
    EXPECT_EQ(DeriveSessionKey(password, own), ReferenceKey(own.a, own.b, password));
    const auto built = BuiltInSessionConstants();
    EXPECT_EQ(DeriveSessionKey(password), ReferenceKey(built.a, built.b, password));
  }
  EXPECT_FALSE(DeriveSessionKey("x", {"short", own.b}).has_value());
}

TEST(SessionKeyDerivation, PasswordLongerThan32BytesWrapsOntoTheKey) {
  const std::string base(32, 'k');
  const auto key32 = *DeriveSessionKey(base);
  const auto key33 = *DeriveSessionKey(base + "Z");
  EXPECT_EQ(key33[0], key32[0] ^ 'Z');
  EXPECT_TRUE(std::equal(key33.begin() + 1, key33.end(), key32.begin() + 1));
  // XORing the same byte twice cancels: "k" at 0 and 32 leaves key byte 0 as without both.
  const auto keyEmpty = *DeriveSessionKey("");
  const auto keyTwice = *DeriveSessionKey("k" + std::string(31, '\0') + "k");
  EXPECT_EQ(keyTwice[0], keyEmpty[0]);
}

TEST(SessionVector, IsTheChallengeEncryptedFromAZeroChain) {
  const auto key = *DeriveSessionKey("secret");
  Camellia256 cipher;
  ASSERT_TRUE(cipher.SetKey(key));
  const auto challenge = Pattern(16, 9);
  CipherBlock chain{};
  const auto vector = DeriveSessionVector(cipher, chain, std::span<const std::uint8_t, 16>(challenge.data(), 16));
  ASSERT_TRUE(vector.has_value());
  const auto expected = OpenSslCbc(key, std::vector<std::uint8_t>(16, 0), challenge);
  EXPECT_TRUE(std::equal(vector->begin(), vector->end(), expected.begin()));
  EXPECT_EQ(chain, *vector);
}

}  // namespace
}  // namespace tk48
