// Who uses an output: the rows of the "Which functions assigned to ...?" views,
// each holder's own numbering of the output families, and the "in use" rules.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "model/defaults.h"
#include "model/setting_data.h"
#include "query/who_uses.h"

namespace tk48 {
namespace {

struct Fixture {
  std::unique_ptr<SettingData> record = NewSettingData();
  Fixture() {
    ApplyDefaults(*record);
    // Every output in use, so that only the holders decide.
    for (DoCh& d : record->IO.DO) d.TYPE = 1;
    for (GdoCh& g : record->IO.GDO) g.MODE = 1;
  }
  IoSection& io() { return record->IO; }
};

void SetBit(std::uint32_t* words, int index) { words[index / 32] |= 1u << (index % 32); }

// The rows of one output: its own row and those right below it.
std::vector<WhoUsesRow> RowsOf(const std::vector<WhoUsesRow>& rows, const std::string& label) {
  std::vector<WhoUsesRow> out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].channel != label) continue;
    out.push_back(rows[i]);
    for (std::size_t j = i + 1; j < rows.size() && rows[j].channel.empty(); ++j) out.push_back(rows[j]);
  }
  return out;
}

// Slave `slave` defined, its error output kind `kind`, number `no`.
void ErrorOutput(SettingData& r, int slave, std::int32_t kind, std::int16_t no) {
  std::strcpy(r.IO.NODE_CONF.NODE[slave], "192.168.0.10");
  r.IO.NODE_CONF.ERROUT_KIND[slave] = kind;
  r.IO.NODE_CONF.ERROUT_NO[slave] = no;
}

std::string Show(const std::vector<WhoUsesRow>& rows) {
  std::string s;
  for (const WhoUsesRow& r : rows) s += "[" + r.channel + "|" + r.function + "|" + r.detail + "]";
  return s;
}

TEST(WhoUses, EdgeCaseRowsExactly) {
  // DO5 is switched by zones 1 and 3 of AI1 and by template 4.
  Fixture f;
  AiCh& ai = f.io().AI[0];
  ai.TYPE = 1;
  ai.USE_AREAS = 3;
  SetBit(ai.AREA[0].DO_ON, 4);
  SetBit(ai.AREA[2].DO_ON, 4);
  MailForm& form = f.record->MAIL_REPORT.FORM[3];
  form.MODE = 1;
  form.SUCCESS = {1, {1, 5}};  // ON, DO5
  const std::vector<WhoUsesRow> rows = WhoUsesRows(*f.record, OutputFamily::Do);
  ASSERT_EQ(rows.size(), 129u);
  EXPECT_EQ(Show({rows.begin() + 3, rows.begin() + 7}),
            "[DO004||][DO005|I/O (AI001)|Zone 1 Zone 3 ][|E-mail|Template 4][DO006||]");
}

TEST(WhoUses, EachHolderNumbersTheFamiliesItsOwnWay) {
  struct Case {
    const char* what;
    OutputFamily family;
    std::function<void(SettingData&)> set;  // names output 7 of the family
    const char* label;
    const char* rows;
  };
  const Case cases[] = {
      {"slave MD", OutputFamily::Md, [](SettingData& r) { ErrorOutput(r, 3, 1, 7); },
       "MD007", "[MD007|I/O (Slave)|Communication error ouptut Slave 3 ]"},
      {"slave DO", OutputFamily::Do, [](SettingData& r) { ErrorOutput(r, 3, 2, 7); },
       "DO007", "[DO007|I/O (Slave)|Communication error ouptut Slave 3 ]"},
      {"slave GDO", OutputFamily::Gdo, [](SettingData& r) { ErrorOutput(r, 3, 3, 7); },
       "GDO07", "[GDO07|I/O (Slave)|Communication error ouptut Slave 3 ]"},
      {"ftp MD", OutputFamily::Md, [](SettingData& r) { r.COM.FTPC.MODE = 1; r.COM.FTPC.ERROR = {1, 7}; },
       "MD007", "[MD007|Communication|FTP client communication failed]"},
      {"ftp DO", OutputFamily::Do, [](SettingData& r) { r.COM.FTPC.MODE = 1; r.COM.FTPC.ERROR = {2, 7}; },
       "DO007", "[DO007|Communication|FTP client communication failed]"},
      {"ftp GDO", OutputFamily::Gdo, [](SettingData& r) { r.COM.FTPC.MODE = 1; r.COM.FTPC.ERROR = {3, 7}; },
       "GDO07", "[GDO07|Communication|FTP client communication failed]"},
      {"mail MD", OutputFamily::Md, [](SettingData& r) { r.MAIL_REPORT.ERROR = {2, {0, 7}}; },
       "MD007", "[MD007|E-mail|Delivery failure output]"},
      {"mail DO", OutputFamily::Do, [](SettingData& r) { r.MAIL_REPORT.ERROR = {2, {1, 7}}; },
       "DO007", "[DO007|E-mail|Delivery failure output]"},
      {"mail GDO", OutputFamily::Gdo, [](SettingData& r) { r.MAIL_REPORT.ERROR = {2, {2, 7}}; },
       "GDO07", "[GDO07|E-mail|Delivery failure output]"},
      {"pattern DO", OutputFamily::Do, [](SettingData& r) { r.SCHEDULE.PATTERN[2].OUT[1].CH = {1, 7}; },
       "DO007", "[DO007|Schduler (PAT No.3)|No.2 ]"},
      {"pattern GDO", OutputFamily::Gdo, [](SettingData& r) { r.SCHEDULE.PATTERN[2].OUT[1].CH = {2, 7}; },
       "GDO07", "[GDO07|Schduler (PAT No.3)|No.2 ]"},
      {"pattern MD", OutputFamily::Md, [](SettingData& r) { r.SCHEDULE.PATTERN[2].OUT[1].CH = {3, 7}; },
       "MD007", "[MD007|Schduler (PAT No.3)|No.2 ]"},
      {"member DO", OutputFamily::Do, [](SettingData& r) { r.IO.GDO[1].CH[6] = {1, 7}; },
       "DO007", "[DO007|I/O (GDO02)|No.7 ]"},
      {"member MD", OutputFamily::Md, [](SettingData& r) { r.IO.GDO[1].CH[6] = {2, 7}; },
       "MD007", "[MD007|I/O (GDO02)|No.7 ]"},
      {"zone GDO", OutputFamily::Gdo, [](SettingData& r) { r.IO.PI[9].TYPE = 1; r.IO.PI[9].USE_AREAS = 2; SetBit(&r.IO.PI[9].AREA[1].GDO_ON1, 6); },
       "GDO07", "[GDO07|I/O (PI010)|Zone 2 ]"},
      {"zone MD", OutputFamily::Md, [](SettingData& r) { r.IO.MA[255].USE_AREAS = 5; SetBit(r.IO.MA[255].AREA[4].MD_ON, 6); },
       "MD007", "[MD007|I/O (MA256)|Zone 5 ]"},
      {"maintenance switch MD", OutputFamily::Md, [](SettingData& r) { r.SCHEDULE.MENTE.INPUT.CH = {2, 7}; },
       "MD007", "[MD007|Scheduler|Maintenance SW]"},
      {"send command MD", OutputFamily::Md, [](SettingData& r) { r.COM.FTPC.MODE = 1; r.COM.FTPC.COM_EVE = 7; r.COM.FTPC.COM_COM = 7; },
       "MD007", "[MD007|Communication|Event log transmission command Communication log transmission command]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    c.set(*f.record);
    EXPECT_EQ(Show(RowsOf(WhoUsesRows(*f.record, c.family), c.label)), c.rows);
    // Another family is not named by the same reference.
    for (OutputFamily other : {OutputFamily::Md, OutputFamily::Do, OutputFamily::Gdo}) {
      if (other == c.family) continue;
      for (const WhoUsesRow& r : WhoUsesRows(*f.record, other)) EXPECT_EQ(r.function, "") << r.channel;
    }
  }
}

TEST(WhoUses, OnlyHoldersInUseCount) {
  struct Case {
    const char* what;
    std::function<void(SettingData&)> set;  // a holder not in use that names DO5
  };
  const Case cases[] = {
      {"DO not in use", [](SettingData& r) { r.IO.DO[4].TYPE = 0; r.SCHEDULE.PATTERN[0].OUT[0].CH = {1, 5}; }},
      {"undefined slave", [](SettingData& r) { r.IO.NODE_CONF.ERROUT_KIND[2] = 2; r.IO.NODE_CONF.ERROUT_NO[2] = 5; }},
      {"disabled AI", [](SettingData& r) { r.IO.AI[0].USE_AREAS = 2; SetBit(r.IO.AI[0].AREA[0].DO_ON, 4); }},
      {"zone above the count",
       [](SettingData& r) { r.IO.AI[0].TYPE = 1; r.IO.AI[0].USE_AREAS = 2; SetBit(r.IO.AI[0].AREA[2].DO_ON, 4); }},
      {"disabled GDO", [](SettingData& r) { r.IO.GDO[1].MODE = 0; r.IO.GDO[1].CH[6] = {1, 5}; }},
      {"disabled FTP client", [](SettingData& r) { r.COM.FTPC.MODE = 0; r.COM.FTPC.ERROR = {2, 5}; }},
      {"template not in use", [](SettingData& r) { r.MAIL_REPORT.FORM[3].MODE = 0; r.MAIL_REPORT.FORM[3].SUCCESS = {1, {1, 5}}; }},
      {"success output without a mode", [](SettingData& r) { r.MAIL_REPORT.FORM[3].MODE = 1; r.MAIL_REPORT.FORM[3].SUCCESS = {0, {1, 5}}; }},
      {"failure output without a mode", [](SettingData& r) { r.MAIL_REPORT.ERROR = {0, {1, 5}}; }},
      {"number out of range", [](SettingData& r) { r.SCHEDULE.PATTERN[0].OUT[0].CH = {1, 129}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    c.set(*f.record);
    for (const WhoUsesRow& r : WhoUsesRows(*f.record, OutputFamily::Do)) EXPECT_EQ(r.function, "") << r.channel;
  }
  // A slave sharing another's connection is defined without an address.
  Fixture f;
  f.io().NODE_CONF.ERROUT_KIND[2] = 2;
  f.io().NODE_CONF.ERROUT_NO[2] = 5;
  f.io().NODE_CONF.SHAR_ID[2] = 0;
  EXPECT_EQ(Show(RowsOf(WhoUsesRows(*f.record, OutputFamily::Do), "DO005")),
            "[DO005|I/O (Slave)|Communication error ouptut Slave 2 ]");
}

TEST(WhoUses, FunctionsInOrderItemsJoined) {
  Fixture f;
  SettingData& r = *f.record;
  // Added last-first: the view orders them, not the scan.
  r.SCHEDULE.PATTERN[63].OUT[7].CH = {1, 5};
  r.SCHEDULE.PATTERN[1].OUT[1].CH = {1, 5};
  r.SCHEDULE.PATTERN[1].OUT[7].CH = {1, 5};
  r.MAIL_REPORT.ERROR = {1, {1, 5}};
  for (int t : {7, 4}) {
    r.MAIL_REPORT.FORM[t - 1].MODE = 1;
    r.MAIL_REPORT.FORM[t - 1].SUCCESS = {2, {1, 5}};
  }
  r.COM.FTPC.MODE = 1;
  r.COM.FTPC.ERROR = {2, 5};
  r.COM.FTPC.COM_LOG = 5;  // an MD number: not this DO
  r.IO.GDO[31].CH[0] = {1, 5};
  r.IO.GDO[31].CH[31] = {1, 5};
  r.IO.MA[0].USE_AREAS = 2;
  SetBit(r.IO.MA[0].AREA[1].DO_ON, 4);
  r.IO.PI[127].TYPE = 2;
  r.IO.PI[127].USE_AREAS = 4;
  SetBit(r.IO.PI[127].AREA[3].DO_ON, 4);
  r.IO.AI[1].TYPE = 1;
  r.IO.AI[1].USE_AREAS = 5;
  SetBit(r.IO.AI[1].AREA[4].DO_ON, 4);
  for (int s : {31, 0}) {
    std::strcpy(r.IO.NODE_CONF.NODE[s], "10.0.0.1");
    r.IO.NODE_CONF.ERROUT_KIND[s] = 2;
    r.IO.NODE_CONF.ERROUT_NO[s] = 5;
  }
  EXPECT_EQ(Show(RowsOf(WhoUsesRows(r, OutputFamily::Do), "DO005")),
            "[DO005|I/O (Slave)|Communication error ouptut Slave 0 Slave 31 ]"
            "[|I/O (AI002)|Zone 5 ]"
            "[|I/O (PI128)|Zone 4 ]"
            "[|I/O (MA001)|Zone 2 ]"
            "[|I/O (GDO32)|No.1 No.32 ]"
            "[|Communication|FTP client communication failed]"
            "[|E-mail|Template 4, 7 Delivery failure output]"
            "[|Schduler (PAT No.2)|No.2 No.8 ]"
            "[|Schduler (PAT No.64)|No.8 ]");
}

TEST(WhoUses, EveryOutputHasItsRow) {
  Fixture f;
  for (OutputFamily family : {OutputFamily::Md, OutputFamily::Do, OutputFamily::Gdo}) {
    const std::vector<WhoUsesRow> rows = WhoUsesRows(*f.record, family);
    ASSERT_EQ(static_cast<int>(rows.size()), OutputCount(family));
  }
  const std::vector<WhoUsesRow> gdo = WhoUsesRows(*f.record, OutputFamily::Gdo);
  EXPECT_EQ(gdo.front().channel, "GDO01");
  EXPECT_EQ(gdo.back().channel, "GDO32");
  EXPECT_EQ(WhoUsesRows(*f.record, OutputFamily::Md).back().channel, "MD256");
}

}  // namespace
}  // namespace tk48
