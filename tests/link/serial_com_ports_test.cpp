#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "link/com_ports.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

// A stand-in /dev with device nodes as plain files and udev-style relative links.
class ComPorts : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tk48_dev_" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "serial" / "by-id");
    for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB10", "ttyACM0", "ttyACM1", "ttyS0", "ttyUSBx",
                             "tty1", "null"})
      std::ofstream(root_ / name).put('\0');
    fs::create_symlink("../../ttyUSB1", root_ / "serial" / "by-id" / "usb-FTDI_B-if00-port0");
    fs::create_symlink("../../ttyACM0", root_ / "serial" / "by-id" / "usb-Adapter_A-if00");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Dev(const std::string& rel) const { return (root_ / rel).string(); }
  fs::path root_;
};

TEST_F(ComPorts, ListsByIdLinksThenTheRestInNaturalOrder) {
  const auto ports = ListSerialPorts(root_);
  std::vector<std::string> paths, names;
  for (const auto& p : ports) paths.push_back(p.path), names.push_back(p.description);
  EXPECT_EQ(paths, (std::vector<std::string>{Dev("serial/by-id/usb-Adapter_A-if00"),
                                             Dev("serial/by-id/usb-FTDI_B-if00-port0"), Dev("ttyACM1"),
                                             Dev("ttyUSB0"), Dev("ttyUSB2"), Dev("ttyUSB10")}));
  EXPECT_EQ(names.front(), "usb-Adapter_A-if00");
  EXPECT_EQ(names.back(), "ttyUSB10");
}

TEST_F(ComPorts, WithoutByIdFolderListsTheDevices) {
  fs::remove_all(root_ / "serial");
  EXPECT_EQ(ListSerialPorts(root_).size(), 6u);
  EXPECT_TRUE(ListSerialPorts(root_ / "missing").empty());
}

TEST_F(ComPorts, ComNumbersTakeOverridesFirst) {
  const auto ports = ListSerialPorts(root_);
  std::map<std::string, std::string> prefs = {{"COM3_DEVICE", "/dev/custom"}, {"COM4_DEVICE", ""}};
  std::vector<std::string> asked;
  const PreferenceLookup lookup = [&](std::string_view section, std::string_view key) -> std::optional<std::string> {
    asked.push_back(std::string(section) + "/" + std::string(key));
    if (auto it = prefs.find(std::string(key)); it != prefs.end()) return it->second;
    return std::nullopt;
  };
  struct Case {
    int number;
    std::optional<std::string> path;
  } cases[] = {
      {0, std::nullopt},
      {1, Dev("serial/by-id/usb-Adapter_A-if00")},
      {3, "/dev/custom"},
      {4, Dev("ttyUSB0")},  // an empty override counts as none
      {6, Dev("ttyUSB10")},
      {7, std::nullopt},
      {21, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ComPortPath(c.number, lookup, ports), c.path) << c.number;
  EXPECT_EQ(ComPortPath(2, nullptr, ports), Dev("serial/by-id/usb-FTDI_B-if00-port0"));
  EXPECT_EQ(asked.front(), "TK48GCFG/COM1_DEVICE");

  prefs["COM20_DEVICE"] = "/dev/ttyX";
  const auto listed = ListComPorts(lookup, ports);
  ASSERT_EQ(listed.size(), 7u);  // 1 to 6 and 20
  EXPECT_EQ(listed[2].number, 3);
  EXPECT_EQ(listed[2].port.path, "/dev/custom");
  EXPECT_EQ(listed[3].port.description, "ttyUSB0");
  EXPECT_EQ(listed.back().number, 20);
}

}  // namespace
}  // namespace tk48
