// tk48gcfg-cli find: "PATH: value" lines in file order, and the exit codes of
// grep(1): 0 found, 1 nothing found, 2 usage or an unreadable file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

TEST(CliFind, TextPathAndReferenceSearches) {
  const fs::path dir = fs::temp_directory_path() / ("tk48-cli-find-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string file = (dir / "plant.xml").string();
  std::ofstream(file, std::ios::binary)
      << "<TK48G_CFG>\r\n<SYSTEM><NAME2>Boiler house</NAME2></SYSTEM>"
         "<IO><AI><AI7><TYPE>CARD</TYPE><NAME>Boiler temp</NAME></AI7></AI>"
         "<DI><DI3><TYPE>AI</TYPE><AI_CH>7</AI_CH></DI3></DI></IO>"
         "<DISP><DATA><AI1>0x00000000</AI1></DATA></DISP></TK48G_CFG>\r\n";
  const std::string missing = (dir / "missing.xml").string();
  const struct {
    std::vector<std::string> args;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {{"find", file, "BOILER"}, 0, "SYSTEM.NAME2: Boiler house\nIO.AI[7].NAME: Boiler temp\n", ""},
      {{"find", file, "--path", "system.name?"}, 0,
       "SYSTEM.NAME1: TK48\nSYSTEM.NAME2: Boiler house\nSYSTEM.NAME3: \n", ""},
      {{"find", file, "--refs", "AI007"}, 0, "IO.DI[3].AI_CH: 7\n", ""},
      {{"find", file, "no such text"}, 1, "", ""},
      {{"find", file, "--path", "*.NOTHING"}, 1, "", ""},
      {{"find", file, "--refs", "AI8"}, 1, "", ""},
      {{"find", missing, "x"}, 2, "", "Failed to open file.\n"},
      {{"find", file}, 2, "", "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL\n"},
      {{"find", file, "x", "--path", "*"}, 2, "", "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL\n"},
      {{"find", file, "--path", "*", "--refs", "AI1"}, 2, "",
       "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL\n"},
  };
  for (const auto& c : cases) {
    const auto r = test::RunCli(c.args);
    const std::string what = c.args.back();
    EXPECT_EQ(r.status, c.status) << what;
    EXPECT_EQ(r.out, c.out) << what;
    EXPECT_EQ(r.err, c.err) << what;
  }
  for (const std::vector<std::string>& args : {std::vector<std::string>{"find"},
                                               {"find", file, "a", "b"},
                                               {"find", file, "--path"},
                                               {"find", file, "--refs"}}) {
    const auto r = test::RunCli(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_TRUE(r.out.empty());
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tk48
