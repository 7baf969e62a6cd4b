// The CONFIG_P container: size rule, compression round trip, bad streams.
#include <gtest/gtest.h>

#include <zlib.h>

#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/transfer_container.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

TEST(TransferContainer, SizeRuleAtTheBoundary) {
  const struct {
    std::size_t length;
    bool packed;
  } cases[] = {{6815728, true}, {6815729, false}};
  for (const auto& c : cases) {
    ScriptedUi ui;
    const auto packed = PackForUpload(std::string(c.length, 'x'), ui);
    EXPECT_EQ(packed.has_value(), c.packed) << c.length;
    if (!c.packed) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, "Setting data size is over capacity.");
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    }
  }
}

// What zlib itself makes of `text`: compress() (its default level 6, 15-bit
// window), or compress2() at `level`.
std::vector<std::uint8_t> Zlib(const std::string& text, std::optional<int> level = std::nullopt) {
  std::vector<std::uint8_t> out(compressBound(text.size()));
  uLongf len = out.size();
  const auto* in = reinterpret_cast<const Bytef*>(text.data());
  const int made =
      level ? compress2(out.data(), &len, in, text.size(), *level) : compress(out.data(), &len, in, text.size());
  EXPECT_EQ(made, Z_OK);
  out.resize(len);
  return out;
}

// Every level is zlib's own stream and reads back; level 6 is exactly the
// stream of compress(), the one the device was always sent; without a level
// an upload packs at 9, the fewest bytes.
TEST(TransferContainer, CompressionIsZlibsAtEachLevelAndRoundTrips) {
  auto record = testing::Defaults();
  const std::string text = ConfigurationText(*record);
  const struct {
    const char* what;
    std::optional<int> level;
    std::vector<std::uint8_t> expected;
  } cases[] = {
      {"level 6: zlib's default", 6, Zlib(text)},
      {"level 9", 9, Zlib(text, 9)},
      {"level 1", 1, Zlib(text, 1)},
      {"no level: 9", std::nullopt, Zlib(text, 9)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedUi ui;
    const auto packed = c.level ? PackConfiguration(*record, ui, *c.level) : PackConfiguration(*record, ui);
    ASSERT_TRUE(packed);
    EXPECT_EQ(*packed, c.expected);

    CGzlib zip;
    ASSERT_TRUE(zip.Decompress(*packed));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(zip.Decompressed().data()), zip.Decompressed().size()),
              text);
    auto read = NewSettingData();
    EXPECT_TRUE(UnpackDownload(*packed, *read, ui, true));
    EXPECT_EQ(ConfigurationText(*read), text);
    EXPECT_TRUE(ui.messages.empty());
  }
  EXPECT_LT(Zlib(text, 9).size(), Zlib(text).size()) << "level 9 puts fewer bytes on the line";
}

// The levels a setting or an option may name: zlib's 1 to 9, nothing else.
TEST(TransferContainer, UploadLevelsAreZlibsOneToNine) {
  for (int level = 1; level <= 9; ++level) {
    EXPECT_EQ(UploadLevel(level), level);
    EXPECT_EQ(UploadLevel(std::to_string(level)), level);
  }
  for (const int level : {0, -1, 10, 100}) EXPECT_EQ(UploadLevel(level), std::nullopt) << level;
  for (const char* text : {"0", "10", "", "x", "9x", " 9", "+9", "-1", "6.0", "09999999999"})
    EXPECT_EQ(UploadLevel(std::string_view(text)), std::nullopt) << '"' << text << '"';
}

TEST(TransferContainer, BadStreamsLeaveTheRecordUntouched) {
  auto record = testing::Defaults();
  record->SYSTEM.TIMEZONE = 3;
  const auto before = *record;

  // A stream that inflates past the 8 MiB work buffer.
  std::string big(9 * 1024 * 1024, 'a');
  std::vector<std::uint8_t> tooBig(compressBound(big.size()));
  uLongf len = tooBig.size();
  ASSERT_EQ(compress(tooBig.data(), &len, reinterpret_cast<const Bytef*>(big.data()), big.size()), Z_OK);
  tooBig.resize(len);

  std::vector<std::uint8_t> truncated;
  {
    ScriptedUi ui;
    auto packed = PackConfiguration(*testing::Defaults(), ui);
    truncated.assign(packed->begin(), packed->begin() + packed->size() / 2);
  }
  const std::vector<std::uint8_t> junk{'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'};
  const std::vector<std::uint8_t>* streams[] = {&junk, &truncated, &tooBig};
  for (const auto* data : streams) {
    ScriptedUi ui;
    EXPECT_FALSE(UnpackDownload(*data, *record, ui, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Failed to decompress setting data.");
    EXPECT_TRUE(SameRecord(*record, before));
  }

  // A good stream whose text fails to read: the message of the read, record untouched.
  ScriptedUi ui;
  const auto bad = PackForUpload(testing::Doc({{"SYSTEM.TIMEZONE", "99"}}), ui);
  ASSERT_TRUE(bad);
  EXPECT_FALSE(UnpackDownload(*bad, *record, ui, true));
  EXPECT_TRUE(SameRecord(*record, before));
  EXPECT_EQ(ui.messages.back().icon, Icon::Warning);
}

}  // namespace
}  // namespace tk48
