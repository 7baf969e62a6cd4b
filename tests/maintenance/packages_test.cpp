// The user browser view and user image packages: wrapping, the folder rules,
// the directory entries, and the device's unpacking.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "maintenance/device_files.h"
#include "maintenance/packages.h"
#include "model/gzlib.h"
#include "port/scripted_ui.h"
#include "tests/e2e/sim_serial_process.h"

namespace tk48::maint {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void WriteFile(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

TEST(MaintWrap, FiveByteFileIsPaddedToEight) {
  const Bytes five{1, 2, 3, 4, 5};
  const Bytes w = WrapPadded(five);
  ASSERT_EQ(w.size(), 16u + 8u);
  EXPECT_EQ(Le32(w.data()), 0x5A5A5A5Au);
  EXPECT_EQ(Le32(w.data() + 4), 8u);
  EXPECT_EQ(Le32(w.data() + 8), 0x04030201u + 0x00000005u);  // the second word padded with zeros
  EXPECT_EQ(Le32(w.data() + 12), 0u);
  EXPECT_EQ(Bytes(w.begin() + 16, w.end()), (Bytes{1, 2, 3, 4, 5, 0, 0, 0}));
  EXPECT_TRUE(Unwrap(w, true));
}

TEST(MaintWrap, OddLengthImagePackageIsNotPadded) {
  const Bytes seven{0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03};
  const Bytes w = WrapUnpadded(seven);
  ASSERT_EQ(w.size(), 16u + 7u);
  EXPECT_EQ(Le32(w.data() + 4), 7u);
  EXPECT_EQ(Le32(w.data() + 8), 0xFFFFFFFFu);  // the trailing three bytes are not summed
  const auto back = Unwrap(w, false);
  ASSERT_TRUE(back);
  EXPECT_EQ(Bytes(back->begin(), back->end()), seven);
  EXPECT_FALSE(Unwrap(w, true));  // an unpadded length is not a view package
}

TEST(MaintWrap, DamagedPackagesAreRefused) {
  const Bytes good = WrapPadded(Bytes{9, 8, 7, 6, 5, 4, 3, 2});
  const struct {
    std::size_t at;  // byte to change; npos: cut the last byte
    const char* what;
  } cases[] = {{0, "magic"}, {4, "length"}, {8, "checksum"}, {12, "zero word"}, {16, "contents"},
               {std::string::npos, "short"}};
  for (const auto& c : cases) {
    Bytes bad = good;
    if (c.at == std::string::npos) bad.pop_back();
    else bad[c.at] ^= 1;
    EXPECT_FALSE(Unwrap(bad, true)) << c.what;
  }
  EXPECT_FALSE(Unwrap(Bytes(15, 0), true));
}

TEST(MaintPackageNames, OnlySlashAndOnePlainComponent) {
  const struct {
    std::string name;
    bool ok;
  } cases[] = {
      {"/fig1.jpg", true},     {"/index.html", true},        {"/" + std::string(30, 'a'), true},
      {"/" + std::string(31, 'a'), false},                   {"fig1.jpg", false},
      {"/", false},            {"/.", false},                {"/..", false},
      {"/a/b", false},         {"/a\\b", false},             {"/a\x01" "b", false},
      {"/a\x7F", false},       {"/\xC3\xA9t\xC3\xA9", true}, {"/\xFF", false},
      {"/..x", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPackageName(c.name), c.ok) << c.name;
}

class MaintViewFolder : public ::testing::Test {
 protected:
  test::TempDir tmp;
  fs::path folder = tmp.Path() / "view";
  void SetUp() override { fs::create_directory(folder); }

  std::optional<Packages> Build(ScriptedUi& ui) { return BuildViewPackages(folder.string(), ui); }
  // Builds and expects exactly one error box with `message`.
  void ExpectRefused(const std::string& message) {
    ScriptedUi ui;
    EXPECT_FALSE(Build(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
  }
};

TEST_F(MaintViewFolder, EntriesInNameByteOrderWithTerminator) {
  WriteFile(folder / "b.css", "body{}");
  WriteFile(folder / "B.html", "<p>");
  WriteFile(folder / "a.js", "x");
  fs::create_directory(folder / ".git");  // hidden folders are left out
  const std::time_t when = 1700000000;     // 2023-11-14 22:13:20 UTC
  struct timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (folder / "a.js").c_str(), times, 0), 0);

  ScriptedUi ui;
  const auto p = Build(ui);
  ASSERT_TRUE(p) << ui.Last();
  EXPECT_TRUE(ui.messages.empty());
  const auto files = ListPackage(p->directory, p->data, true);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->size(), 3u);
  const char* names[] = {"/B.html", "/a.js", "/b.css"};
  const char* contents[] = {"<p>", "x", "body{}"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ((*files)[i].entry.name, names[i]);
    EXPECT_EQ(std::string((*files)[i].bytes.begin(), (*files)[i].bytes.end()), contents[i]);
  }
  EXPECT_EQ((*files)[1].entry.time, (DateTime{2023, 11, 14, 22, 13, 20}));
  EXPECT_EQ((*files)[1].entry.offset, 3u);
  // Three entries and the zero entry, padded data of 10 bytes to 12.
  EXPECT_EQ(p->directory.size(), 16u + 4 * 64);
  EXPECT_EQ(p->data.size(), 16u + 12);
  EXPECT_EQ(Bytes(p->directory.end() - 64, p->directory.end()), Bytes(64, 0));
  // The packages are made in memory: the folder holds only what it held.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);
  EXPECT_FALSE(fs::exists("user_romfile.dir"));
  EXPECT_FALSE(fs::exists("user_romfile.dat"));

  ScriptedUi zip;
  const auto compressed = CompressViewPackages(*p, zip);
  ASSERT_TRUE(compressed);
  CGzlib gz;
  ASSERT_TRUE(gz.Decompress(compressed->data));
  EXPECT_EQ(Bytes(gz.Decompressed().begin(), gz.Decompressed().end()), p->data);
}

TEST_F(MaintViewFolder, FileCountLimit) {
  for (int i = 0; i < 1024; ++i) WriteFile(folder / ("f" + std::to_string(i)), "x");
  ScriptedUi ui;
  const auto p = Build(ui);
  ASSERT_TRUE(p) << ui.Last();
  EXPECT_EQ(p->directory.size(), 16u + 1025 * 64);
  WriteFile(folder / "f1024", "x");
  ExpectRefused("Max. number of files limited to 1024.");
}

TEST_F(MaintViewFolder, NameRules) {
  const struct {
    std::string name;
    std::string message;  // empty: accepted
  } cases[] = {
      {std::string(24, 'n'), ""},
      {std::string(25, 'n'), "Max. file name length limited to 24 characters.\n" + std::string(25, 'n')},
      // Ten three-byte characters: 24 characters or fewer, but 31 bytes with the "/" ...
      {std::string("\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"
                   "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"),
       ""},
      // ... and one more ASCII byte makes 32.
      {std::string("\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"
                   "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82x"),
       "Max. file name length limited to 24 characters.\n"
       "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"
       "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82x"},
      {"back\\slash", "The device cannot serve a file of this name:\nback\\slash"},
      {"tab\tname", "The device cannot serve a file of this name:\ntab\tname"},
      {"bad\xFF", "The device cannot serve a file of this name:\nbad\xFF"},
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    fs::create_directory(folder);
    WriteFile(folder / c.name, "x");
    ScriptedUi ui;
    EXPECT_EQ(Build(ui).has_value(), c.message.empty()) << c.name;
    if (!c.message.empty()) {
      EXPECT_EQ(ui.Last(), c.message);
    }
  }
}

TEST_F(MaintViewFolder, FolderRefusals) {
  ExpectRefused("No file in specified folder.");
  fs::create_directory(folder / "sub");
  WriteFile(folder / "a", "x");
  ExpectRefused("Subfolder(s) found in specified folder.");
  fs::remove(folder / "sub");
  WriteFile(folder / "big", std::string(1048577, 'b'));
  ExpectRefused("Failed to open user defined browser view file.");

  ScriptedUi missing;
  EXPECT_FALSE(BuildViewPackages((folder / "nowhere").string(), missing));
  EXPECT_EQ(missing.Last(), "Cannot find specified folder.");
  ScriptedUi empty;
  EXPECT_FALSE(BuildViewPackages("", empty));
  EXPECT_EQ(empty.Last(), "Specify a folder.");
}

TEST_F(MaintViewFolder, CapacityCheckedBeforeReading) {
  // Four files of 1 MiB minus a little fill the data to the byte: 4063232 with the header.
  const std::uint64_t each = (kMaxViewData - kPackageHeaderSize) / 4;
  static_assert((kMaxViewData - kPackageHeaderSize) % 4 == 0);
  for (int i = 0; i < 4; ++i) {
    const fs::path file = folder / ("p" + std::to_string(i));
    WriteFile(file, "");
    fs::resize_file(file, each);
  }
  ScriptedUi ui;
  const auto p = Build(ui);
  ASSERT_TRUE(p) << ui.Last();
  EXPECT_EQ(p->data.size(), kMaxViewData);
  // One byte more, in a file nobody may read: refused on its size alone.
  WriteFile(folder / "z", "z");
  ::chmod((folder / "z").c_str(), 0);
  ExpectRefused("User defined browser view file size is over capacity.");
}

// The command line saves the packages; the device unpacks them into its folder.
TEST_F(MaintViewFolder, SavedAndUnpacked) {
  WriteFile(folder / "index.html", "<html>");
  WriteFile(folder / "x.css", "p{}");
  ScriptedUi ui;
  const auto p = Build(ui);
  ASSERT_TRUE(p);
  const fs::path out = tmp.Path() / "out";
  fs::create_directory(out);
  ASSERT_TRUE(SaveViewPackages(*p, out.string(), ui));
  EXPECT_EQ(fs::file_size(out / "user_romfile.dir"), p->directory.size());
  EXPECT_EQ(fs::file_size(out / "user_romfile.dat"), p->data.size());
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 2);  // no temporary left

  const fs::path device = tmp.Path() / "device";
  fs::create_directory(device);
  const auto files = ListPackage(p->directory, p->data, true);
  ASSERT_TRUE(files);
  ASSERT_TRUE(WritePackagedFiles(*files, device.string()));
  std::ifstream in(device / "index.html");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "<html>");

  ScriptedUi failed;
  EXPECT_FALSE(SaveViewPackages(*p, (tmp.Path() / "missing").string(), failed));
  EXPECT_EQ(failed.Last(), "Failed to open user defined browser view file.");
}

TEST(MaintDirectory, DeviceRefusesEntriesOutsideTheData) {
  const auto entry = [](const std::string& name, std::uint32_t offset, std::uint32_t length) {
    const auto e = EncodeEntry({name, {2024, 1, 2, 3, 4, 5}, offset, length});
    return Bytes(e.begin(), e.end());
  };
  const auto dir = [](std::initializer_list<Bytes> entries) {
    Bytes out;
    for (const Bytes& e : entries) out.insert(out.end(), e.begin(), e.end());
    return out;
  };
  const struct {
    Bytes directory;
    bool ok;
    const char* what;
  } cases[] = {
      {dir({entry("/a", 0, 4), entry("/b", 4, 4)}), true, "two files"},
      {dir({entry("/a", 0, 4), Bytes(64, 0), entry("/..", 0, 1)}), true, "after the terminator"},
      {dir({entry("/a", 0, 9)}), false, "past the end"},
      {dir({entry("/a", 0xFFFFFFFF, 2)}), false, "offset wraps"},
      {dir({entry("/a", 0, 1), entry("/a", 1, 1)}), false, "twice"},
      {dir({entry("/..", 0, 1)}), false, "parent"},
      {dir({entry("/x/y", 0, 1)}), false, "a path"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDirectory(c.directory, 8).has_value(), c.ok) << c.what;
  Bytes unterminated(64, 'a');  // no NUL within the name field
  EXPECT_FALSE(DecodeDirectory(unterminated, 8));
  Bytes partial = dir({entry("/a", 0, 4)});
  partial.resize(100);  // an entry and a piece of another
  EXPECT_FALSE(DecodeDirectory(partial, 8));
}

class MaintImages : public ::testing::Test {
 protected:
  test::TempDir tmp;
  std::string Path(const char* name) { return (tmp.Path() / name).string(); }
};

TEST_F(MaintImages, ChosenSlotsInOrder) {
  WriteFile(Path("one.jpg"), "12345");  // odd length
  WriteFile(Path("three.jpg"), "abc");
  ScriptedUi ui;
  const auto p = BuildImagePackages({Path("one.jpg"), "", Path("three.jpg")}, ui);
  ASSERT_TRUE(p) << ui.Last();
  EXPECT_EQ(p->data.size(), 16u + 8);     // unpadded
  EXPECT_EQ(p->directory.size(), 16u + 128);  // no terminating entry
  const auto files = ListPackage(p->directory, p->data, false);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->size(), 2u);
  EXPECT_EQ((*files)[0].entry.name, "/fig1.jpg");
  EXPECT_EQ((*files)[1].entry.name, "/fig3.jpg");
  EXPECT_EQ((*files)[1].entry.offset, 5u);
  EXPECT_EQ(std::string((*files)[1].bytes.begin(), (*files)[1].bytes.end()), "abc");
}

TEST_F(MaintImages, Refusals) {
  WriteFile(Path("ok.jpg"), "x");
  fs::resize_file(Path("ok.jpg"), 1);
  WriteFile(Path("huge.jpg"), "");
  fs::resize_file(Path("huge.jpg"), kImageDataLimit - kPackageHeaderSize);  // wrapped: 1966081
  WriteFile(Path("edge.jpg"), "");
  fs::resize_file(Path("edge.jpg"), kImageDataLimit - kPackageHeaderSize - 1);
  const struct {
    std::array<std::string, 3> paths;
    std::string message;
  } cases[] = {
      {{"", "", ""}, "Select image file."},
      {{Path("ok.jpg"), Path("gone.jpg"), ""}, "Cannot open image 2.\n" + Path("gone.jpg")},
      {{"", "", tmp.Path().string()}, "Failure to open image file 3"},
      {{Path("huge.jpg"), "", ""}, "Image data size is over capacity."},
      {{Path("edge.jpg"), Path("ok.jpg"), ""}, "Image data size is over capacity."},
      {{Path("edge.jpg"), "", ""}, ""},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    EXPECT_EQ(BuildImagePackages(c.paths, ui).has_value(), c.message.empty()) << c.message;
    if (!c.message.empty()) {
      EXPECT_EQ(ui.Last(), c.message);
      EXPECT_EQ(ui.messages.back().icon, Icon::Error);
    }
  }
}

}  // namespace
}  // namespace tk48::maint
