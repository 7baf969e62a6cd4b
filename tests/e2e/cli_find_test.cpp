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
      {{"find", file}, 2, "", "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL [--show-secrets]\n"},
      {{"find", file, "x", "--path", "*"}, 2, "",
       "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL [--show-secrets]\n"},
      {{"find", file, "--path", "*", "--refs", "AI1"}, 2, "",
       "usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL [--show-secrets]\n"},
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

// A changed web password: listed as "(set)" and not found by its value, unless
// --show-secrets asks for it (on either side of the search).
TEST(CliFind, PasswordsOnlyWithShowSecrets) {
  const fs::path dir = fs::temp_directory_path() / ("tk48-cli-find-secrets-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string file = (dir / "plant.xml").string();
  std::ofstream(file, std::ios::binary)
      << "<TK48G_CFG>\r\n<COM><WEB><AUTH2><LOGIN>op2</LOGIN><PASSWORD>n3w-pw</PASSWORD></AUTH2></WEB></COM>"
         "</TK48G_CFG>\r\n";
  const struct {
    std::vector<std::string> args;
    int status;
    const char* out;
  } cases[] = {
      {{"find", file, "n3w"}, 1, ""},
      {{"find", file, "n3w", "--show-secrets"}, 0, "COM.WEB.AUTH[2].PASSWORD: n3w-pw\n"},
      {{"find", "--show-secrets", file, "n3w"}, 0, "COM.WEB.AUTH[2].PASSWORD: n3w-pw\n"},
      {{"find", file, "--path", "COM.WEB.AUTH[2].*WORD"}, 0, "COM.WEB.AUTH[2].PASSWORD: (set)\n"},
      {{"find", file, "op2"}, 0, "COM.WEB.AUTH[2].LOGIN: op2\n"},  // a login is no secret
      {{"find", file, "--path", "*.AUTH[2].PASSWORD", "--show-secrets"}, 0, "COM.WEB.AUTH[2].PASSWORD: n3w-pw\n"},
      // A password that holds nothing has nothing to hide.
      {{"find", file, "--path", "COM.SMTP_POP3.SMTP_AUTH.PASSWORD"}, 0, "COM.SMTP_POP3.SMTP_AUTH.PASSWORD: \n"},
  };
  for (const auto& c : cases) {
    const auto r = test::RunCli(c.args);
    std::string what;
    for (const auto& a : c.args) what += a + " ";
    EXPECT_EQ(r.status, c.status) << what;
    EXPECT_EQ(r.out, c.out) << what;
    EXPECT_TRUE(r.err.empty()) << what << r.err;
  }
  EXPECT_EQ(test::RunCli({"find", file, "x", "--show-secrets=yes"}).status, 2);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tk48
