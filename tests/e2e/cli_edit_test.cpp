// tk48gcfg-cli get, set and apply as a user runs them: what they print, what
// they refuse, and the file they leave (rewritten safely, or not at all).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/cli_folder.h"
#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;
test::CliRun Cli(const std::vector<std::string>& args, const std::string* input = nullptr) {
  return test::RunCli(args, false, std::chrono::seconds(120), input);
}

std::string Doc(const std::string& body) { return "<TK48G_CFG>\r\n" + body + "</TK48G_CFG>\r\n"; }

// Two configurations that differ in several sections and in a password.
const std::string kA =
    Doc("<SYSTEM><NAME1>Plant A</NAME1><TIMEZONE>9</TIMEZONE></SYSTEM>\r\n"
        "<IO><AI><AI7><TYPE>CARD</TYPE><NAME>Boiler</NAME></AI7></AI></IO>\r\n"
        "<COM><FTP><PASSWORD>old-pw</PASSWORD></FTP></COM>\r\n");
const std::string kB =
    Doc("<SYSTEM><NAME1>Mill #A B</NAME1><TIMEZONE>-3</TIMEZONE></SYSTEM>\r\n"
        "<IO><AI><AI7><TYPE>DEMO_SIN</TYPE><NAME>Boiler</NAME><SCALE_100>1234.500</SCALE_100></AI7></AI></IO>\r\n"
        "<DISP><TREND><TREND_PAGE2><NAME>Furnace</NAME></TREND_PAGE2></TREND></DISP>\r\n"
        "<COM><FTP><PASSWORD>n3w-pw</PASSWORD></FTP></COM>\r\n"
        "<MAIL_REPORT><FORM2><MESSAGE>Alarm#Dline two</MESSAGE></FORM2></MAIL_REPORT>\r\n"
        "<RECORD><LOGGING><PEN3><PEN_TYPE>MA</PEN_TYPE><CH>200</CH></PEN3></LOGGING></RECORD>\r\n");

class CliEdit : public test::CliFolder {
 protected:
  // A configuration file as the configurator writes it: `body` read over the defaults.
  std::string Normalized(const std::string& name, const std::string& body) const {
    const auto r = Cli({"normalize", Write(name, body), "-o", Path(name)});
    EXPECT_EQ(r.status, 0) << r.err;
    return Path(name);
  }
};

TEST_F(CliEdit, GetPrintsPathsAndPatternsInFileOrder) {
  const std::string a = Normalized("a.xml", kA);
  const auto r = Cli({"get", a, "SYSTEM.TIMEZONE", "io.ai[7].?ame", "COM.FTP.*WORD", "SYSTEM.NAME?"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "SYSTEM.TIMEZONE: 9\n"
            "IO.AI[7].NAME: Boiler\n"
            "COM.FTP.PASSWORD: (set)\n"
            "SYSTEM.NAME1: Plant A\n"
            "SYSTEM.NAME2: \n"
            "SYSTEM.NAME3: \n");
  EXPECT_EQ(r.err, "");
  const auto secret = Cli({"get", a, "COM.FTP.PASSWORD", "--show-secrets"});
  EXPECT_EQ(secret.out, "COM.FTP.PASSWORD: old-pw\n");
  // A pattern that matches nothing is named; the others still print.
  const auto missing = Cli({"get", a, "SYSTEM.NAME9", "SYSTEM.TIMEZONE", "TK48GCFG.*"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "SYSTEM.TIMEZONE: 9\n");
  EXPECT_EQ(missing.err, "tk48gcfg-cli: no field matches SYSTEM.NAME9\ntk48gcfg-cli: no field matches TK48GCFG.*\n");
  EXPECT_EQ(Cli({"get", Path("none.xml"), "SYSTEM.TIMEZONE"}).status, 1);
}

// Nothing is written when a value is refused: each refusal names the path, the
// value and the reason, and the file keeps every byte.
TEST_F(CliEdit, SetRefusesAndLeavesTheFileAlone) {
  const std::string a = Normalized("a.xml", kA);
  const std::string before = test::ReadAll(a);
  const struct {
    const char* what;
    std::string change;
    std::string err;
  } cases[] = {
      {"out of range", "SYSTEM.TIMEZONE=14", "SYSTEM.TIMEZONE=14: expects an integer from -12 to 13\n"},
      {"bad keyword", "IO.AI[7].TYPE=card", "IO.AI[7].TYPE=card: expects one of"},
      {"too long a text", "SYSTEM.NAME1=" + std::string(65, 'x'),
       "SYSTEM.NAME1=" + std::string(65, 'x') + ": expects at most 32 characters (64 of plain ASCII)\n"},
      {"too many places", "IO.AI[7].SCALE_100=1.2345",
       "IO.AI[7].SCALE_100=1.2345: expects a number from -10000000000 to 10000000000 with at most 3 decimals\n"},
      {"a screen narrower than the reader", "IO.PI[1].CARD_CH=4",
       "IO.PI[1].CARD_CH=4: expects an integer from 1 to 2\n"},
      {"unknown path", "SYSTEM.NOPE=1", "SYSTEM.NOPE=1: no field of the configuration file has this path\n"},
      {"a port another server has", "COM.MODBUS_TCP.PORT=21",
       "COM.MODBUS_TCP.PORT=21: is already the port of COM.FTP.PORT\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto r = Cli({"set", a, "SYSTEM.NAME2=fine", c.change});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::ReadAll(a), before);
    // With -o nothing is made either.
    EXPECT_EQ(Cli({"set", a, c.change, "-o", Path("out.xml")}).status, 1);
    EXPECT_FALSE(fs::exists(Path("out.xml")));
  }
  // Every refusal at once, in the order asked.
  const auto all = Cli({"set", a, "SYSTEM.TIMEZONE=14", "SYSTEM.NAME2=fine", "SYSTEM.NOPE=1"});
  EXPECT_EQ(all.err,
            "SYSTEM.TIMEZONE=14: expects an integer from -12 to 13\n"
            "SYSTEM.NOPE=1: no field of the configuration file has this path\n");
  EXPECT_EQ(test::ReadAll(a), before);
  // A rule between fields broken by two values that pass each on its own.
  const auto rule = Cli({"set", a, "IO.DO[1].TYPE=CARD", "IO.DO[2].TYPE=CARD"});
  EXPECT_EQ(rule.status, 1);
  EXPECT_EQ(rule.err, "IO.DO[2].TYPE=CARD: IO.DO[2]: drives the same point as IO.DO[1]\n");
  EXPECT_EQ(test::ReadAll(a), before);
  const auto usage = Cli({"set", a, "SYSTEM.TIMEZONE"});
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.err, "tk48gcfg-cli: SYSTEM.TIMEZONE: expects PATH=VALUE\n");
}

TEST_F(CliEdit, SetInPlaceKeepsTheRightsAndReplacesTheFileWhole) {
  const std::string a = Normalized("a.xml", kA);
  ASSERT_EQ(::chmod(a.c_str(), 0640), 0);
  struct stat old {};
  ASSERT_EQ(::stat(a.c_str(), &old), 0);
  const auto r = Cli({"set", a, "SYSTEM.TIMEZONE=-3", "COM.FTP.PASSWORD=n3w-pw"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 fields changed: SYSTEM.TIMEZONE 9 -> -3, COM.FTP.PASSWORD (changed)\n");
  struct stat now {};
  ASSERT_EQ(::stat(a.c_str(), &now), 0);
  EXPECT_EQ(now.st_mode & 07777, 0640u);
  // Written beside and renamed over: a reader never meets half a file, and no temporary file stays.
  EXPECT_NE(now.st_ino, old.st_ino);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_EQ(Cli({"get", a, "SYSTEM.TIMEZONE", "COM.FTP.PASSWORD", "--show-secrets"}).out,
            "SYSTEM.TIMEZONE: -3\nCOM.FTP.PASSWORD: n3w-pw\n");
  // A value the file already holds changes nothing: the file is not touched.
  const auto same = Cli({"set", a, "SYSTEM.TIMEZONE=-3"});
  EXPECT_EQ(same.out, "no change\n");
  struct stat after {};
  ASSERT_EQ(::stat(a.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, now.st_ino);
}

TEST_F(CliEdit, SetToAnotherFileLeavesTheInputAlone) {
  const std::string a = Normalized("a.xml", kA);
  const std::string before = test::ReadAll(a);
  const auto r = Cli({"set", a, "SYSTEM.NAME1=Mill", "-o", Path("out.xml")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::ReadAll(a), before);
  const std::string out = test::ReadAll(Path("out.xml"));
  EXPECT_EQ(out.size(), before.size() - std::string("Plant A").size() + std::string("Mill").size());
  EXPECT_NE(out.find("<NAME1>Mill</NAME1>\r\n"), std::string::npos);
}

// diff A B applied over A makes B, byte for byte; the diff that hides the
// passwords cannot.
TEST_F(CliEdit, ApplyOfADiffMakesTheOtherFile) {
  const std::string a = Normalized("a.xml", kA), b = Normalized("b.xml", kB);
  const auto diff = Cli({"diff", a, b, "--show-secrets"});
  ASSERT_EQ(diff.status, 1);
  for (const char* section : {"SYSTEM.", "IO.", "DISP.", "COM.", "MAIL_REPORT.", "RECORD."})
    EXPECT_NE(diff.out.find(std::string("\n") + section), std::string::npos) << section << "\n" << diff.out;
  const std::string changes = Write("changes.txt", "# from diff --show-secrets\n" + diff.out);
  const auto r = Cli({"apply", a, changes, "-o", Path("out.xml")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::ReadAll(Path("out.xml")), test::ReadAll(b));
  // From stdin, in place.
  const auto piped = Cli({"apply", a, "-"}, &diff.out);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(test::ReadAll(a), test::ReadAll(b));

  const std::string c = Normalized("c.xml", kA), unchanged = test::ReadAll(c);
  const auto hidden = Cli({"diff", c, b});
  const auto refused = Cli({"apply", c, Write("hidden.txt", hidden.out)});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find(": COM.FTP.PASSWORD=(changed): the change of a password is hidden: make the changes "
                             "with diff --show-secrets\n"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(test::ReadAll(c), unchanged);
}

// Over a configuration that does not hold a diff line's old value, apply lists
// every such line and writes nothing; --force makes the changes all the same.
TEST_F(CliEdit, ApplyOverADifferentFileNeedsForce) {
  const std::string a = Normalized("a.xml", kA), b = Normalized("b.xml", kB);
  const std::string changes = Write("changes.txt", Cli({"diff", a, b, "--show-secrets"}).out);
  const std::string other =
      Normalized("other.xml", Doc("<SYSTEM><NAME1>Elsewhere</NAME1><TIMEZONE>2</TIMEZONE></SYSTEM>\r\n"
                                  "<IO><AI><AI7><TYPE>CARD</TYPE><NAME>Boiler</NAME></AI7></AI></IO>\r\n"
                                  "<COM><FTP><PASSWORD>other</PASSWORD></FTP></COM>\r\n"));
  const std::string before = test::ReadAll(other);
  const auto r = Cli({"apply", other, changes});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "line 1: SYSTEM.NAME1=Mill #A B: the file holds Elsewhere, not Plant A\n"
            "line 2: SYSTEM.TIMEZONE=-3: the file holds 2, not 9\n"
            "line 6: COM.FTP.PASSWORD=(not shown): the file holds another password than the change expects\n");
  EXPECT_EQ(test::ReadAll(other), before);
  const auto forced = Cli({"apply", other, changes, "--force"});
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(test::ReadAll(other), test::ReadAll(b));
  // A line that is neither form, with its number.
  const auto bad = Cli({"apply", a, Write("bad.txt", "SYSTEM.TIMEZONE=3\n\nSYSTEM.TIMEZONE 3\n")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "line 3: SYSTEM.TIMEZONE 3: expects PATH=VALUE or a line of diff (PATH: old -> new)\n");
}

}  // namespace
}  // namespace tk48
