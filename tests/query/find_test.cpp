// Find: text and path searches in file order with their "in use" marks, and
// the references to a channel through every holder of the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/field_path.h"
#include "query/find.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

struct Edit {
  const char* path;
  const char* value;  // as the file writes it
};

// The defaults with `edits`; the defaults are made once.
std::unique_ptr<SettingData> Record(const std::vector<Edit>& edits) {
  static const std::unique_ptr<SettingData> defaults = [] {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    return r;
  }();
  auto r = std::make_unique<SettingData>(*defaults);
  for (const Edit& e : edits) {
    const auto field = FindField(*r, e.path);
    EXPECT_TRUE(field && SetFieldText(*field, e.value)) << e.path << " = " << e.value;
  }
  return r;
}

std::string Show(const std::vector<FindHit>& hits) {
  std::string s;
  for (const FindHit& h : hits) s += h.path + "=" + h.value + (h.inUse ? "" : " (unused)") + "\n";
  return s;
}

// A small edited record: a boiler temperature and where it is mentioned.
std::unique_ptr<SettingData> Boiler() {
  return Record({{"SYSTEM.NAME2", "A#AB plant"},  // "A&B plant"
                 {"IO.AI[7].TYPE", "CARD"},
                 {"IO.AI[7].NAME", "Boiler temp"},
                 {"IO.AI[7].SCALE_100", "1234.5"},
                 {"IO.AI[9].COMMENT", "spare, was BOILER 2"},
                 {"COM.SMTP_POP3.MAIL_ADDRESS[3]", "boiler@plant.example"},
                 {"MAIL_REPORT.FORM[2].MESSAGE", "Boiler alarm"}});
}

TEST(FindText, CaseInsensitiveInFileOrderWithInUseMarks) {
  const auto r = Boiler();
  const struct {
    const char* text;
    const char* hits;
  } cases[] = {
      {"boiler",
       "IO.AI[7].NAME=Boiler temp\n"
       "IO.AI[9].COMMENT=spare, was BOILER 2 (unused)\n"
       "COM.SMTP_POP3.MAIL_ADDRESS[3]=boiler@plant.example\n"
       "MAIL_REPORT.FORM[2].MESSAGE=Boiler alarm (unused)\n"},
      // A text matches as typed and as the file escapes it; the value is the file's.
      {"a&b", "SYSTEM.NAME2=A#AB plant\n"},
      {"a#ab", "SYSTEM.NAME2=A#AB plant\n"},
      {"ab p", ""},  // only an escape makes "AB" of "A&B"
      // Numbers as the file writes them.
      {"1234.5", "IO.AI[7].SCALE_100=1234.500\n"},
      {"@PLANT.", "COM.SMTP_POP3.MAIL_ADDRESS[3]=boiler@plant.example\n"},
      {"no such text", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(FindText(*r, c.text)), c.hits) << c.text;
}

TEST(FindText, KeywordsAndEveryFieldOnEmptyText) {
  const auto r = Boiler();
  const auto cards = FindText(*r, "card");
  ASSERT_EQ(cards.size(), 1u) << Show(cards);
  EXPECT_EQ(cards[0].path, "IO.AI[7].TYPE");
  EXPECT_EQ(FindText(*r, "").size(), 182834u);  // every field of the configuration file
}

TEST(FindPath, PatternsInFileOrder) {
  const auto r = Boiler();
  const struct {
    const char* pattern;
    const char* hits;
  } cases[] = {
      {"io.ai[7].name", "IO.AI[7].NAME=Boiler temp\n"},
      {"SYSTEM.NAME?", "SYSTEM.NAME1=TK48\nSYSTEM.NAME2=A#AB plant\nSYSTEM.NAME3=\n"},
      {"*.MAIL_ADDRESS[3]", "COM.SMTP_POP3.MAIL_ADDRESS[3]=boiler@plant.example\n"},
      {"IO.AI[7].AREA[5].*_UPPER", "IO.AI[7].AREA[5].LEVEL_UPPER=100.000 (unused)\n"},
      {"IO.AI[7]", ""},  // a pattern names whole paths
      {"*.NOTHING*", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(FindPath(*r, c.pattern)), c.hits) << c.pattern;
}

TEST(FindPath, EveryFieldOfTheFileInFileOrder) {
  auto r = NewSettingData();
  test::RandomRecord(7).Fill(*r);
  std::vector<FindHit> expected;  // the walk of both documents, less the access document's own blocks
  ForEachField(*r, [&](const std::string& path, const FieldRef& f) {
    if (path.rfind("TK48GCFG.", 0) != 0 && path.rfind("COM.TCP_IP.", 0) != 0) expected.push_back({path, FieldText(f)});
  });
  const auto hits = FindPath(*r, "*", Secrets::Shown);
  ASSERT_EQ(hits.size(), expected.size());
  for (std::size_t i = 0; i < hits.size(); ++i) {
    ASSERT_EQ(hits[i].path, expected[i].path);
    ASSERT_EQ(hits[i].value, expected[i].value) << hits[i].path;
  }
}

// Passwords are listed as "(set)" (empty when they hold nothing) and are not
// found by their values, unless the values are asked for.
TEST(FindSecrets, PasswordsOnlyWithTheirValuesWhenAskedFor) {
  const auto r = Record({{"COM.WEB.AUTH[2].PASSWORD", "n3w-pw"}, {"COM.FTPC.FTP_PASSWORD", "up#Sload"}});
  const auto hidden = Secrets::Hidden, shown = Secrets::Shown;
  const struct {
    const char* path;  // a path pattern, or nullptr for a text search
    const char* text;
    Secrets secrets;
    const char* hits;
  } cases[] = {
      {"COM.WEB.AUTH[2].*WORD", nullptr, hidden, "COM.WEB.AUTH[2].PASSWORD=(set) (unused)\n"},
      {"COM.WEB.AUTH[2].*WORD", nullptr, shown, "COM.WEB.AUTH[2].PASSWORD=n3w-pw (unused)\n"},
      {"COM.SMTP_POP3.*.PASSWORD", nullptr, hidden,
       "COM.SMTP_POP3.SMTP_AUTH.PASSWORD= (unused)\nCOM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.PASSWORD= (unused)\n"},
      {"COM.FTPC.FTP_PASS*", nullptr, hidden, "COM.FTPC.FTP_PASSWORD=(set) (unused)\n"},
      {nullptr, "N3W", hidden, ""},
      {nullptr, "N3W", shown, "COM.WEB.AUTH[2].PASSWORD=n3w-pw (unused)\n"},
      {nullptr, "up'load", hidden, ""},
      {nullptr, "p#sl", hidden, ""},  // nor in the file's escapes
      {nullptr, "up'load", shown, "COM.FTPC.FTP_PASSWORD=up#Sload (unused)\n"},
      {nullptr, "(set)", hidden, ""},
  };
  for (const auto& c : cases) {
    const auto hits = c.path ? FindPath(*r, c.path, c.secrets) : FindText(*r, c.text, c.secrets);
    EXPECT_EQ(Show(hits), c.hits) << (c.path ? c.path : c.text) << (c.secrets == shown ? " shown" : "");
  }
  // The web logins and passwords share their default: only the logins are found.
  const auto logins = FindText(*r, "kvmpt");
  EXPECT_EQ(logins.size(), 32u);
  for (const FindHit& hit : logins) EXPECT_NE(hit.path.find(".LOGIN"), std::string::npos) << hit.path;
  EXPECT_EQ(FindText(*r, "kvmpt", shown).size(), 32u + 31u);
  // The empty text lists every field, passwords too, without their values.
  const auto all = FindText(*r, "");
  const auto web =
      std::find_if(all.begin(), all.end(), [](const FindHit& h) { return h.path == "COM.WEB.AUTH[2].PASSWORD"; });
  ASSERT_NE(web, all.end());
  EXPECT_EQ(web->value, "(set)");
}

TEST(FindInUse, ByTheItemsEnableAndTypeFields) {
  // One record, each case on items of its own.
  const auto r = Record({{"IO.AI[4].TYPE", "DEMO_SIN"},
                         {"IO.AI[5].TYPE", "CARD"},
                         {"IO.AI[5].USE_AREAS", "2"},
                         {"IO.AI[6].USE_AREAS", "5"},
                         {"IO.MA[1].USE_AREAS", "3"},
                         {"IO.GDO[2].MODE", "USE"},
                         {"IO.NODE_CONF.NODE[3]", "192.168.0.20"},
                         {"IO.NODE_CONF.SHAR_ID[4]", "3"},
                         {"MAIL_REPORT.FORM[2].MODE", "USE"},
                         {"RECORD.LOGGING.PEN[1].PEN_TYPE", "MA"},
                         {"RECORD.REPORT.PEN[2].PEN_TYPE", "MA"}});
  const struct {
    const char* path;
    bool inUse;
  } cases[] = {
      {"SYSTEM.NAME1", true},
      {"IO.AI[3].NAME", false},
      {"IO.AI[3].TYPE", false},
      {"IO.AI[4].NAME", true},
      {"IO.AI[5].AREA[2].AREA_NAME", true},
      {"IO.AI[5].AREA[3].AREA_NAME", false},  // above the zone count
      {"IO.AI[6].AREA[1].AREA_NAME", false},  // the channel is not in use
      {"IO.MA[1].AREA[3].UPPER.MESSAGE", true},
      {"IO.MA[1].AREA[4].UPPER.MESSAGE", false},
      {"IO.MA[2].NAME", true},  // a register without a function still holds a value
      {"IO.MD[1].STATUS.ON.MESSAGE", true},
      {"IO.DI[1].NAME", false},
      {"IO.PI[1].NAME", false},
      {"IO.AO[1].NAME", false},
      {"IO.DO[1].NAME", false},
      {"IO.GDO[1].NAME", false},
      {"IO.GDO[2].CH[1]", true},
      {"IO.NODE_CONF.PORT[2]", false},
      {"IO.NODE_CONF.PORT[3]", true},
      {"IO.NODE_CONF.PORT[4]", true},  // shares another slave's connection
      {"IO.NODE_CONF.INTERVAL", true},
      {"COM.WEB.AUTH[0].LOGIN", true},
      {"COM.WEB.AUTH[1].LOGIN", false},
      {"COM.FTPC.FTP_SERVER", false},
      {"MAIL_REPORT.FORM[1].TITLE", false},
      {"MAIL_REPORT.FORM[2].TITLE", true},
      {"MAIL_REPORT.FORM[2].SUCCESS.CH", false},
      {"RECORD.LOGGING.PEN[1].SAMPLING", false},  // logging is off
      {"RECORD.REPORT.PEN[1].SAMPLING", false},
      {"RECORD.REPORT.PEN[2].SAMPLING", true},
      {"SCHEDULE.UNIT[4].NAME", false},
      {"SCHEDULE.PATTERN[4].PTN_NAME", true},
  };
  std::map<std::string, int> inUse;  // -1 not found
  for (const auto& c : cases) inUse[c.path] = -1;
  for (const FindHit& hit : FindPath(*r, "*"))
    if (auto it = inUse.find(hit.path); it != inUse.end()) it->second = hit.inUse;
  for (const auto& c : cases) EXPECT_EQ(inUse[c.path], c.inUse) << c.path;
}

// The lines of a result, sorted.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
    lines.push_back(text.substr(at, nl - at));
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(FindReferences, ToAi5ThroughEveryHolder) {
  // One record holds every case, each on items of its own: a reference found
  // where none should be shows as a line no case expects.
  const struct {
    const char* what;
    std::vector<Edit> edits;
    const char* hits;
  } cases[] = {
      {"data view", {{"DISP.DATA.AI[1]", "0x00000010"}}, "DISP.DATA.AI[1]=0x00000010\n"},
      {"DI bit input", {{"IO.DI[3].TYPE", "AI"}, {"IO.DI[3].AI_CH", "5"}}, "IO.DI[3].AI_CH=5\n"},
      {"DI of another type", {{"IO.DI[4].TYPE", "CARD"}, {"IO.DI[4].AI_CH", "5"}}, ""},
      {"DI of another channel", {{"IO.DI[5].TYPE", "AI"}, {"IO.DI[5].AI_CH", "6"}}, ""},
      {"AO analog mapping",
       {{"IO.AO[2].TYPE", "CARD"}, {"IO.AO[2].IO_MAPPING.MODE", "ANALOG"}, {"IO.AO[2].IO_MAPPING.ANALOG", "AI5"}},
       "IO.AO[2].IO_MAPPING.ANALOG=AI5\n"},
      {"AO mapping not read", {{"IO.AO[3].IO_MAPPING.MODE", "DIGITAL"}, {"IO.AO[3].IO_MAPPING.ANALOG", "AI5"}}, ""},
      {"trend pen", {{"DISP.TREND.TREND_PAGE[2].PEN[3]", "AI5"}}, "DISP.TREND.TREND_PAGE[2].PEN[3]=AI5\n"},
      {"logging pen",
       {{"RECORD.LOGGING.MODE", "USE"}, {"RECORD.LOGGING.PEN[4].PEN_TYPE", "AI"}, {"RECORD.LOGGING.PEN[4].CH", "5"}},
       "RECORD.LOGGING.PEN[4].CH=5\n"},
      {"report pen", {{"RECORD.REPORT.PEN[1].PEN_TYPE", "AI"}, {"RECORD.REPORT.PEN[1].CH", "5"}},
       "RECORD.REPORT.PEN[1].CH=5\n"},
      {"pen of another family", {{"RECORD.REPORT.PEN[2].PEN_TYPE", "PI"}, {"RECORD.REPORT.PEN[2].CH", "5"}}, ""},
      {"mail attachment of an unused template", {{"MAIL_REPORT.FORM[6].CH[2]", "AI5"}},
       "MAIL_REPORT.FORM[6].CH[2]=AI5 (unused)\n"},
      {"mail attachment", {{"MAIL_REPORT.FORM[7].MODE", "USE"}, {"MAIL_REPORT.FORM[7].CH[32]", "AI5"}},
       "MAIL_REPORT.FORM[7].CH[32]=AI5\n"},
      {"MA input X1", {{"IO.MA[9].TYPE", "SQRT"}, {"IO.MA[9].INPUT.X[1]", "AI5"}}, "IO.MA[9].INPUT.X[1]=AI5\n"},
      {"MA input X3 of a sum", {{"IO.MA[10].TYPE", "ADD"}, {"IO.MA[10].INPUT.X[3]", "AI5"}},
       "IO.MA[10].INPUT.X[3]=AI5\n"},
      {"MA inputs the function does not read",
       {{"IO.MA[11].TYPE", "MUL"}, {"IO.MA[11].INPUT.X[3]", "AI5"}, {"IO.MA[11].INPUT.X[0]", "AI5"}}, ""},
      {"MA without a function", {{"IO.MA[12].INPUT.X[1]", "AI5"}}, ""},
      {"PI analog accumulation", {{"IO.PI[2].TYPE", "ANALOG_SUM"}, {"IO.PI[2].ANALOG_SUM.TARGET_CH", "5"}},
       "IO.PI[2].ANALOG_SUM.TARGET_CH=5\n"},
      {"PI binary accumulation", {{"IO.PI[3].TYPE", "BINARY_SUM"}, {"IO.PI[3].BINARY_SUM.TARGET_CH", "5"}},
       "IO.PI[3].BINARY_SUM.TARGET_CH=5\n"},
      {"PI of another type", {{"IO.PI[4].TYPE", "BINARY_SUM"}, {"IO.PI[4].ANALOG_SUM.TARGET_CH", "5"}}, ""},
      {"process monitor", {{"OPEMON.PROC[1].CH[2]", "AI5"}, {"OPEMON.PROC[3].NUM_MAIN", "AI5"}},
       "OPEMON.PROC[1].CH[2]=AI5\nOPEMON.PROC[3].NUM_MAIN=AI5\n"},
  };
  std::vector<Edit> edits;
  std::string expected;
  for (const auto& c : cases) {
    edits.insert(edits.end(), c.edits.begin(), c.edits.end());
    expected += c.hits;
  }
  EXPECT_EQ(Lines(Show(FindReferences(*Record(edits), "AI005"))), Lines(expected));
}

TEST(FindReferences, DataViewWordsAndOtherFamilies) {
  const struct {
    const char* what;
    std::vector<Edit> edits;
    const char* channel;
    const char* hits;
  } cases[] = {
      {"AI out of the view", {{"DISP.DATA.AI[1]", "0xFFFFFFEF"}}, "AI5", ""},
      {"the view's second word", {}, "AI40", "DISP.DATA.AI[2]=0xFFFFFFFF\n"},
      {"zone action in use",
       {{"DISP.DATA.DO[1]", "0x00000000"}, {"IO.AI[1].TYPE", "CARD"}, {"IO.AI[1].USE_AREAS", "2"},
        {"IO.AI[1].AREA[1].DO_ON[1]", "0x00000004"}, {"IO.AI[1].AREA[3].DO_ON[1]", "0x00000004"}},
       "DO003",
       "IO.AI[1].AREA[3].DO_ON[1]=0x00000004 (unused)\nIO.AI[1].AREA[1].DO_ON[1]=0x00000004\n"},
      {"GDO member and slave error output",
       {{"DISP.DATA.DO[1]", "0x00000000"}, {"IO.GDO[1].MODE", "USE"}, {"IO.GDO[1].CH[5]", "DO3"},
        {"IO.NODE_CONF.ERROUT[2]", "DO3"}},
       "do3", "IO.NODE_CONF.ERROUT[2]=DO3 (unused)\nIO.GDO[1].CH[5]=DO3\n"},
      {"consecutive MD inputs",
       {{"DISP.DATA.DI[1]", "0x00000000"}, {"IO.MD[4].TYPE", "AND"}, {"IO.MD[4].INPUT_CONT.CH", "DI3"},
        {"IO.MD[4].INPUT_CONT.CN", "4"}, {"IO.MD[4].INPUT1", "DI5"}},
       "DI5", "IO.MD[4].INPUT_CONT.CH=DI3\n"},
      {"past the consecutive inputs",
       {{"DISP.DATA.DI[1]", "0x00000000"}, {"IO.MD[4].TYPE", "OR"}, {"IO.MD[4].INPUT_CONT.CH", "DI3"},
        {"IO.MD[4].INPUT_CONT.CN", "4"}},
       "DI7", ""},
      {"MD inputs without the run",
       {{"DISP.DATA.DI[1]", "0x00000000"}, {"IO.MD[4].TYPE", "XOR"}, {"IO.MD[4].INPUT2", "DI7"}}, "DI7",
       "IO.MD[4].INPUT2=DI7\n"},
      {"PI counting a DI", {{"DISP.DATA.DI[1]", "0x00000000"}, {"IO.PI[1].TYPE", "DI"}, {"IO.PI[1].DI_CH", "7"}},
       "DI7", "IO.PI[1].DI_CH=7\n"},
      {"FTP client commands and browser control",
       {{"DISP.DATA.MD[1]", "0x00000000"}, {"COM.FTPC.COM_LOG", "MD12"}, {"COM.WEB.AUTH[0].CTRL_MD[1]", "0x00000800"}},
       "MD012", "COM.WEB.AUTH[0].CTRL_MD[1]=0x00000800\nCOM.FTPC.COM_LOG=MD12 (unused)\n"},
      {"mail success output", {{"DISP.DATA.MD[1]", "0x00000000"}, {"MAIL_REPORT.FORM[3].SUCCESS.MODE", "ON"}},
       "MD1", "MAIL_REPORT.FORM[3].SUCCESS.CH=MD1 (unused)\n"},
      {"the one word of GDO actions", {{"DISP.DATA.GDO[1]", "0x00000000"}, {"IO.MA[3].USE_AREAS", "2"},
                                       {"IO.MA[3].AREA[1].GDO_ON1", "0x00000002"}},
       "GDO2", "IO.MA[3].AREA[1].GDO_ON1=0x00000002\n"},
      {"zone resets of an MA", {{"DISP.DATA.PI[1]", "0x00000000"}, {"IO.MA[2].USE_AREAS", "2"},
                                {"IO.MA[2].AREA[2].RESET_PI[1]", "0x80000000"}},
       "PI32", "IO.MA[2].AREA[2].RESET_PI[1]=0x80000000\n"},
      {"a name that is no channel", {}, "AI0", ""},
      {"an unknown family", {}, "XY5", ""},
      {"a family alone", {}, "AI", ""},
      {"trailing text", {}, "AI5x", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Show(FindReferences(*Record(c.edits), c.channel)), c.hits) << c.what;
}

TEST(FindReferences, DefaultsReferOnlyThroughTheDataView) {
  // The default inputs (MA inputs AI1, MD inputs DI1, success outputs MD1) are
  // not read by functions that are off.
  const auto r = Record({});
  for (const char* channel : {"AI1", "DI1", "MD1", "MA1", "PI1", "AO1", "DO1", "GDO1"}) {
    const auto hits = FindReferences(*r, channel);
    ASSERT_EQ(hits.size(), 1u) << channel << "\n" << Show(hits);
    EXPECT_EQ(PathSection(hits[0].path), "DISP");
  }
  EXPECT_EQ(Show(FindReferences(*r, "ai 1")), Show(FindReferences(*r, "AI001")));
}

TEST(PathSection, FirstComponent) {
  const struct {
    const char* path;
    const char* section;
  } cases[] = {{"IO.AI[7].NAME", "IO"},
               {"MAIL_REPORT.FORM[1].MODE", "MAIL_REPORT"},
               {"COM.SMTP_POP3.MAIL_ADDRESS[3]", "COM"},
               {"SYSTEM", "SYSTEM"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(PathSection(c.path), c.section) << c.path;
}

}  // namespace
}  // namespace tk48
