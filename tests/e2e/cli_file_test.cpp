// tk48gcfg-cli's file commands as a user runs them: exit codes, what goes to
// stdout (the document and nothing else) and the messages on stderr.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <expat.h>

#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;
test::CliRun Cli(const std::vector<std::string>& args) { return test::RunCli(args); }

class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tk48-cli-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }
  fs::path dir_;
};

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
       "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n<TK48G_CFG><SYSTEM><TIMEZONE>\n"},
      {"unknown element", Doc("<FOO>1</FOO>"), 0,
       "Cannot edit parameter: Setting contains unsupported information.\n<TK48G_CFG><FOO>\n"},
      {"broken document", "<TK48G_CFG><SYSTEM>", 1, "Failed to convert into setting data.\n"},
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
