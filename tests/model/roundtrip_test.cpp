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
#include "tests/model/record_generator.h"

namespace tk48 {
namespace {

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
    testing::Generator(seed).Fill(*original);
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
