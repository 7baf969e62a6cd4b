// The layers of the source tree, read from its includes: a hub section's
// screens include the toolkit and the core, never another section; the
// toolkit includes no section; the Qt-free core includes no Qt header and no
// screen; and the command line and the simulator link no Qt library.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Include {
  std::string file;  // below the source folder
  int line;
  std::string target;  // as written: "editors/toolkit/list_screen.h", "QDialog"
  bool quoted;
};

std::vector<Include> IncludesBelow(std::string_view folder) {
  std::vector<Include> all;
  const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(TK48_SOURCE_DIR) / folder)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    const std::string file = fs::relative(entry.path(), TK48_SOURCE_DIR).generic_string();
    std::ifstream in(entry.path());
    int n = 0;
    for (std::string line; std::getline(in, line);) {
      ++n;
      std::smatch m;
      if (std::regex_search(line, m, include)) all.push_back({file, n, m[2].str(), m[1].str() == "\""});
    }
  }
  return all;
}

// "io" for "editors/io/CDlgSetIoAiCh.cpp"; "" for a file at editors/ itself.
std::string SectionOf(std::string_view path) {
  if (!path.starts_with("editors/")) return "";
  path.remove_prefix(8);
  const auto slash = path.find('/');
  return slash == std::string_view::npos ? "" : std::string(path.substr(0, slash));
}

TEST(HouseRules, ASectionIncludesTheToolkitAndTheCoreOnly) {
  int checked = 0;
  for (const Include& i : IncludesBelow("editors")) {
    const std::string from = SectionOf(i.file), to = SectionOf(i.target);
    if (!i.quoted || !i.target.starts_with("editors/")) continue;
    ++checked;
    // The registry and the route opener stand above every section.
    if (from.empty()) continue;
    if (from == "toolkit") {
      EXPECT_EQ(to, "toolkit") << i.file << ":" << i.line << " includes " << i.target
                               << ": the toolkit includes no section and not the registry";
    } else {
      EXPECT_TRUE(to == from || to == "toolkit")
          << i.file << ":" << i.line << " includes " << i.target
          << ": a section opens another section's screens through the screen registry";
    }
  }
  EXPECT_GT(checked, 300);
}

TEST(HouseRules, TheCoreIncludesNoQtAndNoScreen) {
  for (const char* folder :
       {"model", "link", "csv", "checks", "query", "resources", "port", "cli", "sim", "maintenance"}) {
    for (const Include& i : IncludesBelow(folder)) {
      if (i.file.starts_with("maintenance/screens/")) continue;  // the maintenance screens are Qt
      const bool qt = !i.quoted && i.target.size() > 1 && i.target[0] == 'Q' && i.target[1] >= 'A' &&
                      i.target[1] <= 'Z';
      EXPECT_FALSE(qt) << i.file << ":" << i.line << " includes <" << i.target << ">";
      for (const char* screens : {"editors/", "app/", "maintenance/screens/"})
        EXPECT_FALSE(i.quoted && i.target.starts_with(screens))
            << i.file << ":" << i.line << " includes " << i.target;
    }
  }
}

// What the dynamic linker loads for a program of the build.
std::string LinkedLibraries(const std::string& program) {
  const std::string command = "ldd '" + std::string(TK48_BIN_DIR) + "/" + program + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  std::array<char, 4096> buffer{};
  while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get())) out += buffer.data();
  return out;
}

TEST(HouseRules, TheCommandLineAndTheSimulatorLinkNoQt) {
  for (const char* program : {"tk48gcfg-cli", "tk48sim"}) {
    const std::string libraries = LinkedLibraries(program);
    ASSERT_NE(libraries.find("libc.so"), std::string::npos) << program << ": " << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << program << " links Qt:\n" << libraries;
  }
}

}  // namespace
