// tk48gcfg-cli's file commands as a user runs them: exit codes, what goes to
// stdout (the document and nothing else) and the messages on stderr.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <expat.h>

#include "tests/e2e/cli_folder.h"
#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;
test::CliRun Cli(const std::vector<std::string>& args) { return test::RunCli(args); }

class CliFiles : public test::CliFolder {};

std::string Doc(const std::string& body) { return "<TK48G_CFG>\r\n" + body + "</TK48G_CFG>\r\n"; }

TEST_F(CliFiles, NewAndDefaultsWriteTheFullDocument) {
  for (const char* command : {"new", "defaults"}) {
    const auto r = Cli({command});
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_EQ(r.out.size(), 5404310u) << command;
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
  // The two differ only in the holiday calendar.
  EXPECT_NE(Cli({"new"}).out, Cli({"defaults"}).out);
  const auto r = Cli({"new", "-o", Path("new.xml")});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(fs::file_size(Path("new.xml")), 5404310u);
}

TEST_F(CliFiles, CheckOutcomes) {
  const struct {
    const char* what;
    std::string text;
    int status;
    std::string message;
  } cases[] = {
      {"valid", Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM>"), 0, ""},
      {"invalid value", Doc("<SYSTEM><TIMEZONE>14</TIMEZONE></SYSTEM>"), 1,
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n<TK48G_CFG><SYSTEM><TIMEZONE>\n"
       "Line 2, column 19: SYSTEM.TIMEZONE = \"14\": expects an integer from -12 to 13\n"},
      {"unknown element", Doc("<FOO>1</FOO>"), 0,
       "Cannot edit parameter: Setting contains unsupported information.\n<TK48G_CFG><FOO>\n"},
      {"broken document", "<TK48G_CFG><SYSTEM>", 1,
       "Failed to convert into setting data.\nLine 1, column 20: no element found\n"},
  };
  for (const auto& c : cases) {
    const auto r = Cli({"check", Write("in.xml", c.text)});
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.err, c.message) << c.what;
    EXPECT_TRUE(r.out.empty()) << c.what;
  }
  const auto missing = Cli({"check", Path("missing.xml")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Failed to open file.\n");
}

// After the configurator's own message, check says where the file went wrong;
// --all lists every refused field at once.
TEST_F(CliFiles, CheckSaysWhereTheFileWentWrong) {
  const std::string refused = Doc(
      "<SYSTEM>\r\n<TIMEZONE>14</TIMEZONE>\r\n<LANGUAGE>english</LANGUAGE>\r\n</SYSTEM>\r\n"
      "<IO>\r\n<AI>\r\n<AI7>\r\n<POINT>-1</POINT>\r\n</AI7>\r\n</AI>\r\n</IO>\r\n");
  const std::string first = "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n"
                            "<TK48G_CFG><SYSTEM><TIMEZONE>\n"
                            "Line 3, column 11: SYSTEM.TIMEZONE = \"14\": expects an integer from -12 to 13\n";
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string text;
    int status;
    std::string err;
  } cases[] = {
      {"truncated", {"check"}, "<TK48G_CFG>\r\n<SYSTEM>\r\n<TIMEZONE>9</TIMEZ", 1,
       "Failed to convert into setting data.\nLine 3, column 12: unclosed token\n"},
      {"first refused field", {"check"}, refused, 1, first},
      {"every refused field", {"check", "--all"}, refused, 1,
       first + "Line 4, column 11: SYSTEM.LANGUAGE = \"english\": expects one of JAPANESE, ENGLISH\n"
               "Line 9, column 8: IO.AI[7].POINT = \"-1\": expects an integer from 0 to 3\n"},
      {"--all on a good file", {"check", "--all"}, Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM>"), 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto args = c.args;
    args.push_back(Write("in.xml", c.text));
    const auto r = Cli(args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    EXPECT_TRUE(r.out.empty());
  }
}

TEST_F(CliFiles, NormalizeFillsDefaultsAndAccessDoc) {
  const auto r = Cli({"normalize", Write("in.xml", Doc("<SYSTEM><NAME1>Plant#A1</NAME1></SYSTEM>"))});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.size(), 5404310u + std::string("Plant#A1").size() - std::string("TK48").size());
  EXPECT_NE(r.out.find("<NAME1>Plant#A1</NAME1>\r\n"), std::string::npos);
  const auto access = Cli({"access-doc"});
  EXPECT_EQ(access.status, 0);
  EXPECT_EQ(access.out.size(), 978u);
  const auto fromFile = Cli({"access-doc", Write("a.xml", Doc("<TK48GCFG><PORT>1234</PORT></TK48GCFG>"))});
  EXPECT_NE(fromFile.out.find("<PORT>1234</PORT>"), std::string::npos);
}

// A text cut at its capacity keeps whole characters: what normalize writes reads
// again, by the configurator and by any XML parser.
TEST_F(CliFiles, NormalizedOverLongMultiByteTextReadsBack) {
  std::string name = "A";
  for (int i = 0; i < 40; ++i) name += "\xE6\x97\xA5";
  const auto r = Cli({"normalize", Write("in.xml", Doc("<SCHEDULE><PATTERN1><PTN_NAME>" + name +
                                                      "</PTN_NAME></PATTERN1></SCHEDULE>")),
                      "-o", Path("out.xml")});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto check = Cli({"check", Path("out.xml")});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.err, "");
  const std::string out = test::ReadAll(Path("out.xml"));
  EXPECT_NE(out.find("<PTN_NAME>" + name.substr(0, 1 + 31 * 3) + "</PTN_NAME>"), std::string::npos);
  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr), &XML_ParserFree);
  EXPECT_EQ(XML_Parse(parser.get(), out.data(), static_cast<int>(out.size()), XML_TRUE), XML_STATUS_OK)
      << XML_ErrorString(XML_GetErrorCode(parser.get()));
}

TEST_F(CliFiles, PackAndUnpack) {
  Cli({"defaults", "-o", Path("d.xml")});
  ASSERT_EQ(Cli({"pack", Path("d.xml"), "-o", Path("d.z")}).status, 0);
  EXPECT_LT(fs::file_size(Path("d.z")), 200000u);
  const auto r = Cli({"unpack", Path("d.z")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, test::ReadAll(Path("d.xml")));
  const auto bad = Cli({"unpack", Write("junk", "not a zlib stream")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "Failed to decompress setting data.\n");
  EXPECT_TRUE(bad.out.empty());
}

TEST_F(CliFiles, DiffListsChangedFieldsInFileOrder) {
  const std::string a = Write("a.xml", Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM>"));
  const std::string b = Write(
      "b.xml", Doc("<SYSTEM><NAME1>X#LY</NAME1><TIMEZONE>4</TIMEZONE></SYSTEM><IO><AI><AI12><SCALE_100>5</SCALE_100>"
                   "</AI12></AI></IO>"));
  const auto same = Cli({"diff", a, a});
  EXPECT_EQ(same.status, 0);
  EXPECT_TRUE(same.out.empty());
  const auto r = Cli({"diff", a, b});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "SYSTEM.NAME1: TK48 -> X#LY\n"
            "SYSTEM.TIMEZONE: 3 -> 4\n"
            "IO.AI[12].SCALE_100: 100.000 -> 5.000\n");
  EXPECT_EQ(Cli({"diff", a, Path("missing.xml")}).status, 2);
}

// Against the plain defaults: only what the file changes; "New setting" differs
// from them in its cleared holiday calendar alone; either form or nothing.
TEST_F(CliFiles, DiffAgainstTheDefaults) {
  const std::string a = Write("a.xml", Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM><IO><AI><AI12><SCALE_100>5"
                                           "</SCALE_100></AI12></AI></IO>"));
  const auto r = Cli({"diff", "--defaults", a});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "SYSTEM.TIMEZONE: 9 -> 3\nIO.AI[12].SCALE_100: 100.000 -> 5.000\n");
  EXPECT_TRUE(r.err.empty()) << r.err;

  ASSERT_EQ(Cli({"defaults", "-o", Path("defaults.xml")}).status, 0);
  const auto same = Cli({"diff", "--defaults", Path("defaults.xml")});
  EXPECT_EQ(same.status, 0);
  EXPECT_TRUE(same.out.empty());

  ASSERT_EQ(Cli({"new", "-o", Path("new.xml")}).status, 0);
  const auto fresh = Cli({"diff", "--defaults", Path("new.xml")});
  EXPECT_EQ(fresh.status, 1);
  std::istringstream lines(fresh.out);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count)
    EXPECT_EQ(line.rfind("MAIL_REPORT.CALENDAR.", 0), 0u) << line;
  EXPECT_GT(count, 0);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"diff", "--defaults"}, {"diff", "--defaults", a, a}, {"diff", a}, {"diff"},
           {"diff", "--defaults", Path("missing.xml")}}) {
    const auto bad = Cli(args);
    EXPECT_EQ(bad.status, 2) << args.size();
    EXPECT_TRUE(bad.out.empty());
  }
}

// A changed web password reads "(changed)" in both forms of diff; with
// --show-secrets its values, like any other field's.
TEST_F(CliFiles, DiffShowsPasswordsOnlyWithShowSecrets) {
  const std::string a = Write("a.xml", Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM>"));
  const std::string b = Write("b.xml", Doc("<SYSTEM><TIMEZONE>4</TIMEZONE></SYSTEM><COM><WEB><AUTH2><LOGIN>op2</LOGIN>"
                                           "<PASSWORD>n3w-pw</PASSWORD></AUTH2></WEB></COM>"));
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"diff", a, b},
       "SYSTEM.TIMEZONE: 3 -> 4\nCOM.WEB.AUTH[2].LOGIN: kvmpt -> op2\nCOM.WEB.AUTH[2].PASSWORD: (changed)\n"},
      {{"diff", a, b, "--show-secrets"},
       "SYSTEM.TIMEZONE: 3 -> 4\nCOM.WEB.AUTH[2].LOGIN: kvmpt -> op2\nCOM.WEB.AUTH[2].PASSWORD: kvmpt -> n3w-pw\n"},
      {{"diff", "--defaults", b},
       "SYSTEM.TIMEZONE: 9 -> 4\nCOM.WEB.AUTH[2].LOGIN: kvmpt -> op2\nCOM.WEB.AUTH[2].PASSWORD: (changed)\n"},
      {{"diff", "--show-secrets", "--defaults", b},
       "SYSTEM.TIMEZONE: 9 -> 4\nCOM.WEB.AUTH[2].LOGIN: kvmpt -> op2\nCOM.WEB.AUTH[2].PASSWORD: kvmpt -> n3w-pw\n"},
  };
  for (const auto& c : cases) {
    const auto r = Cli(c.args);
    EXPECT_EQ(r.status, 1) << c.args.size();
    EXPECT_EQ(r.out, c.out);
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
}

// What is no regular file, or is larger than the text buffer, is refused before
// it is read: a FIFO nobody writes would hold the read for ever. A link is
// followed. Each run is bounded: a program stuck on the FIFO is killed (-1).
TEST_F(CliFiles, CheckRefusesWhatIsNoConfigurationFile) {
  const std::string good = Write("good.xml", Doc("<SYSTEM><TIMEZONE>3</TIMEZONE></SYSTEM>"));
  const std::string big = Write("big.xml", "");
  fs::resize_file(big, 6815745);
  ASSERT_EQ(::mkfifo(Path("fifo.xml").c_str(), 0600), 0);
  fs::create_symlink(Path("fifo.xml"), Path("fifo-link.xml"));
  fs::create_symlink(good, Path("good-link.xml"));
  const struct {
    std::string path;
    int status;
    std::string err;
  } cases[] = {
      {Path("fifo.xml"), 1, Path("fifo.xml") + " is not a regular file.\n"},
      {Path("fifo-link.xml"), 1, Path("fifo-link.xml") + " is not a regular file.\n"},
      {dir_.string(), 1, dir_.string() + " is not a regular file.\n"},
      {big, 1, big + " is larger than 6815744 bytes.\n"},
      {Path("good-link.xml"), 0, ""},
  };
  for (const auto& c : cases) {
    const auto r = test::RunCli({"check", c.path}, false, std::chrono::seconds(20));
    EXPECT_EQ(r.status, c.status) << c.path;
    EXPECT_EQ(r.err, c.err) << c.path;
    EXPECT_TRUE(r.out.empty()) << c.path;
  }
  EXPECT_TRUE(fs::is_fifo(Path("fifo.xml")));
  EXPECT_EQ(fs::file_size(big), 6815745u);
}

// Every other command that reads a configuration (or a CONFIG_P file) refuses a FIFO the same way.
TEST_F(CliFiles, EveryReadingCommandRefusesAFifo) {
  const std::string fifo = Path("fifo.xml");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string good = Write("good.xml", Doc(""));
  fs::create_directories(dir_ / "csv");
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"normalize", fifo}, 1},
      {{"access-doc", fifo}, 1},
      {{"pack", fifo}, 1},
      {{"unpack", fifo}, 1},
      {{"diff", good, fifo}, 2},
      {{"diff", "--defaults", fifo}, 2},
      {{"find", fifo, "TK48"}, 2},
      {{"csv-export", fifo, Path("csv")}, 1},
      {{"upload", fifo, "--usb", Path("no-device")}, 1},
  };
  for (const auto& c : cases) {
    const auto r = test::RunCli(c.args, false, std::chrono::seconds(20));
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.err, fifo + " is not a regular file.\n") << c.args[0];
    EXPECT_TRUE(r.out.empty()) << c.args[0];
  }
  EXPECT_TRUE(fs::is_empty(dir_ / "csv"));
}

TEST_F(CliFiles, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"frobnicate"}, {"check"}, {"check", "a", "b"}, {"new", "--bogus", "x"}, {"new", "-o"}};
  for (const auto& args : cases) {
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_EQ(Cli({"--help"}).status, 0);
}

}  // namespace
}  // namespace tk48
