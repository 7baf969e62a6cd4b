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

TEST(TransferContainer, CompressionIsZlibDefaultAndRoundTrips) {
  auto record = testing::Defaults();
  const std::string text = ConfigurationText(*record);
  ScriptedUi ui;
  const auto packed = PackConfiguration(*record, ui);
  ASSERT_TRUE(packed);
  // Exactly what zlib's compress() gives (level 6, 15-bit window).
  std::vector<std::uint8_t> expected(compressBound(text.size()));
  uLongf len = expected.size();
  ASSERT_EQ(compress(expected.data(), &len, reinterpret_cast<const Bytef*>(text.data()), text.size()), Z_OK);
  expected.resize(len);
  EXPECT_EQ(*packed, expected);

  CGzlib zip;
  ASSERT_TRUE(zip.Decompress(*packed));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(zip.Decompressed().data()), zip.Decompressed().size()), text);

  auto read = NewSettingData();
  EXPECT_TRUE(UnpackDownload(*packed, *read, ui, true));
  EXPECT_EQ(ConfigurationText(*read), text);
  EXPECT_TRUE(ui.messages.empty());
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
