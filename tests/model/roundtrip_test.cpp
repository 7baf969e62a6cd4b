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

}  // namespace
}  // namespace tk48
