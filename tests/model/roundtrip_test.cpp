// Random valid records over the whole schema: written, read back into fresh
// defaults and written again, they give the same record and the same bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "model/defaults.h"
#include "model/field_access.h"
#include "model/field_path.h"
#include "model/reader.h"
#include "model/schema.h"
#include "model/writer.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

// The reader's consistency rules met on top of the random values.
class Generator : public test::RandomRecord {
 public:
  using RandomRecord::RandomRecord;

 private:
  // The consistency rules, satisfied with values that are still random.
  void Settle(SettingData& r) override {
    auto areas = [this](AlarmArea* area) {
      // Whole thousandths, so that each limit prints and reads back exactly.
      std::int64_t level = Between(-9000000000000ll, 9000000000000ll);
      for (int k = 0; k < 5; ++k) {
        area[k].LEVEL_LOWER = static_cast<double>(level) / 1000;
        level += Between(1, 1000000);
        area[k].LEVEL_UPPER = static_cast<double>(level) / 1000;
      }
    };
    for (auto& c : r.IO.AI) {
      areas(c.AREA);
      if (c.SCALE == 0) c.SCALE = 1;
    }
    for (auto& c : r.IO.PI) {
      areas(c.AREA);
      if (c.SCALE == 0) c.SCALE = 1;
      if (c.WIDTH.LOW >= c.WIDTH.HIGH) {
        if (c.WIDTH.HIGH == 0) c.WIDTH.HIGH = 1;
        c.WIDTH.LOW = c.WIDTH.HIGH - 1;
      }
    }
    for (auto& c : r.IO.MA) areas(c.AREA);
    // Every output on a point of its own: card and channel, address, device number.
    auto distinct = [](auto& outputs, std::size_t channelsPerCard) {
      for (std::size_t i = 0; i < std::size(outputs); ++i) {
        auto& c = outputs[i];
        c.CARD_NO = static_cast<std::int16_t>(i / channelsPerCard + 1);
        c.CARD_CH = static_cast<std::int16_t>(i % channelsPerCard + 1);
        c.MOD_ADDRESS = static_cast<std::uint32_t>(i + 1);
        c.SLMP_DEV_NO = static_cast<std::uint32_t>(i);
      }
    };
    distinct(r.IO.DO, 16);
    distinct(r.IO.AO, 4);
    r.COM.WEB.PORT = static_cast<std::uint16_t>(Between(0, 20000));
    r.COM.FTP.PORT = static_cast<std::uint16_t>(Between(20001, 40000));
    r.COM.MODBUS_TCP.PORT = static_cast<std::uint16_t>(Between(40001, 65535));
  }

};

// The paths of the first fields whose bytes differ, for the failure message.
std::string DifferingFields(SettingData& a, const SettingData& b) {
  std::string out;
  const auto* pa = reinterpret_cast<const unsigned char*>(&a);
  const auto* pb = reinterpret_cast<const unsigned char*>(&b);
  ForEachField(a, [&](const std::string& path, const FieldRef& f) {
    const std::size_t at = static_cast<std::size_t>(f.slot.value - pa);
    const std::size_t size = f.node->kind == Kind::Real ? 8 : f.node->kind == Kind::Text ? f.node->capacity : 1;
    bool differ = std::memcmp(pa + at, pb + at, size) != 0;
    if (f.slot.number) differ |= std::memcmp(f.slot.number, pb + (f.slot.number - pa), 2) != 0;
    if (differ && out.size() < 400) out += path + " = " + FieldText(f) + "\n";
  });
  return out;
}

TEST(RoundTrip, RandomRecordsOverTheWholeSchema) {
  for (unsigned seed : {1u, 2u, 3u}) {
    auto original = NewSettingData();
    ApplyDefaults(*original);
    Generator(seed).Fill(*original);
    ASSERT_TRUE(CheckConsistency(*original)) << "generator broke a rule, seed " << seed;

    const std::string first = ConfigurationText(*original);
    const std::string access = AccessSettingsText(*original);
    auto copy = NewSettingData();
    ApplyDefaults(*copy);
    const ReadResult full = ParseConfiguration(*copy, first);
    ASSERT_TRUE(full.ok()) << full.path << " seed " << seed << " flags " << full.flags << "\n"
                           << DifferingFields(*original, *copy);
    ASSERT_EQ(full.flags, 0u) << full.path;
    ASSERT_TRUE(ParseConfiguration(*copy, access).ok());

    EXPECT_EQ(ConfigurationText(*copy), first) << "seed " << seed;
    EXPECT_EQ(AccessSettingsText(*copy), access) << "seed " << seed;
    EXPECT_TRUE(SameRecord(*copy, *original)) << "seed " << seed << "\n" << DifferingFields(*original, *copy);
  }
}

// True when every character is a whole one- to three-byte sequence.
bool WholeUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

// Texts in the file at and over their field's capacity, mixed one-, two- and
// three-byte characters: each is cut at a whole character, and what is written
// then reads back and writes the same bytes again.
TEST(RoundTrip, MultiByteTextsAtAndOverCapacity) {
  static const char* const pieces[] = {"a", "#L", "\xC3\xA9", "\xE6\x97\xA5"};
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    auto record = NewSettingData();
    ApplyDefaults(*record);
    ForEachField(*record, [&](const std::string& path, const FieldRef& f) {
      if (f.node->kind != Kind::Text || f.node->ascii) return;
      const std::size_t want = f.node->capacity - 1u + std::uniform_int_distribution<std::size_t>(0, 3)(rng);
      std::string value;
      while (value.size() < want) value += pieces[std::uniform_int_distribution<std::size_t>(0, 3)(rng)];
      ASSERT_TRUE(SetFieldText(f, value)) << path;
      const char* stored = reinterpret_cast<const char*>(f.slot.value);
      ASSERT_TRUE(WholeUtf8({stored, strnlen(stored, f.node->capacity)})) << path << " seed " << seed;
    });
    const std::string first = ConfigurationText(*record);
    ASSERT_FALSE(first.empty());
    auto copy = NewSettingData();
    ApplyDefaults(*copy);
    const ReadResult read = ParseConfiguration(*copy, first);
    ASSERT_TRUE(read.ok()) << read.path << " seed " << seed;
    EXPECT_EQ(read.flags, 0u);
    EXPECT_EQ(ConfigurationText(*copy), first) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tk48
