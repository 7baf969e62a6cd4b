// The two-step maintenance puts: what each step sends, in the device's order,
// and that a failed step stops the rest (a failed directory says so).
#include <gtest/gtest.h>

#include <vector>

#include "maintenance/put_order.h"
#include "port/scripted_ui.h"

namespace tk48::maint {
namespace {

struct Sent {
  File file;
  std::vector<std::uint8_t> data;
  bool operator==(const Sent&) const = default;
};

// Records every put; the put with index `failAt` fails (-1: none).
struct Device {
  explicit Device(int fail = -1) : failAt(fail) {}
  int failAt;
  std::vector<Sent> sent;
  PutFunction put() {
    return [this](File file, std::span<const std::uint8_t> data) {
      sent.push_back({file, {data.begin(), data.end()}});
      return static_cast<int>(sent.size()) - 1 != failAt;
    };
  }
};

const CompressedPackages kPackages{{1, 2, 3}, {4, 5, 6, 7}};

TEST(MaintPutOrder, EachKindInTheDevicesOrder) {
  const struct {
    const PackageKind& kind;
    File data, directory;
    std::uint8_t firstDelete, secondDelete;
  } cases[] = {
      {kImagePackages, File::ImageData, File::ImageDir, 12, 13},
      {kViewPackages, File::ViewData, File::ViewDir, 10, 11},
  };
  for (const auto& c : cases) {
    Device upload;
    ScriptedUi ui;
    EXPECT_EQ(UploadPackages(c.kind, kPackages, upload.put(), ui), std::nullopt);
    EXPECT_EQ(upload.sent, (std::vector<Sent>{{c.data, kPackages.data}, {c.directory, kPackages.directory}}));
    EXPECT_TRUE(ui.messages.empty());

    Device reset;
    EXPECT_TRUE(ResetPackages(c.kind, reset.put()));
    EXPECT_EQ(reset.sent, (std::vector<Sent>{{File::Delete, {c.firstDelete}}, {File::Delete, {c.secondDelete}}}));
  }
}

TEST(MaintPutOrder, AFailedStepStopsTheRest) {
  const struct {
    int failAt;
    std::size_t sent;
    std::string message;  // shown by the upload
  } cases[] = {
      {0, 1, ""},  // the data (or the connection): nothing more, and nothing said here
      {1, 2, "The browser view data reached the device but its directory did not. Upload the view again, or Reset it."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failAt);
    Device upload(c.failAt);
    ScriptedUi ui;
    EXPECT_EQ(UploadPackages(kViewPackages, kPackages, upload.put(), ui), std::size_t(c.failAt));
    EXPECT_EQ(upload.sent.size(), c.sent);
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty());
    } else {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, c.message);
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    }

    Device reset(c.failAt);
    EXPECT_FALSE(ResetPackages(kImagePackages, reset.put()));
    EXPECT_EQ(reset.sent.size(), c.sent);
  }
}

}  // namespace
}  // namespace tk48::maint
