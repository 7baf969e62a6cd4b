// The DISP and COM sections: accepted values, numbered names, defaults, line
// forms and the port rule, through the reader, the writer and the defaults.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/writer.h"
#include "tests/model/section_case_check.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {
using namespace tk48::testing;

class ComElement : public ::testing::TestWithParam<ElementCase> {};

TEST_P(ComElement, ReadsAsTheTablesSay) { CheckElementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Web, ComElement,
    ::testing::Values(
        ElementCase{{{"COM.WEB.PROTOCOL", "HTTPS"}}, Outcome::Stored, TK48_FIELD(COM.WEB.PROTOCOL), 1},
        ElementCase{{{"COM.WEB.PROTOCOL", "https"}}, Outcome::Invalid},
        ElementCase{{{"COM.WEB.PORT", "65535"}}, Outcome::Stored, TK48_FIELD(COM.WEB.PORT), 65535},
        ElementCase{{{"COM.WEB.PORT", "65536"}}, Outcome::Invalid},
        ElementCase{{{"COM.WEB.AUTH31.MODE", "USE"}}, Outcome::Stored, TK48_FIELD(COM.WEB.AUTH[31].MODE), 1},
        ElementCase{{{"COM.WEB.AUTH32.MODE", "USE"}}, Outcome::Unrecognised, nullptr, 0, "COM.WEB.AUTH32"},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_MD8", "0xFFFFFFFF"}}, Outcome::Stored,
                    TK48_FIELD(COM.WEB.AUTH[0].CTRL_MD[7]), 0xFFFFFFFF},
        ElementCase{{{"COM.WEB.AUTH5.CTRL_DO4", "0x80000001"}}, Outcome::Stored,
                    TK48_FIELD(COM.WEB.AUTH[5].CTRL_DO[3]), 0x80000001},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_SU1", "0x00000004"}}, Outcome::Stored, TK48_FIELD(COM.WEB.AUTH[0].CTRL_SU[0]),
                    4},
        // The MD, MA and DO words name a word that does not exist as an error...
        ElementCase{{{"COM.WEB.AUTH0.CTRL_MD9", "0x1"}}, Outcome::Invalid},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_MA0", "0x1"}}, Outcome::Invalid},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_DO5", "0x1"}}, Outcome::Invalid},
        // ...the GDO, AO and schedule-unit words as unknown elements.
        ElementCase{{{"COM.WEB.AUTH0.CTRL_GDO2", "0x1"}}, Outcome::Unrecognised},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_AO3", "0x1"}}, Outcome::Unrecognised},
        ElementCase{{{"COM.WEB.AUTH0.CTRL_SU2", "0x1"}}, Outcome::Unrecognised}));

INSTANTIATE_TEST_SUITE_P(
    Servers, ComElement,
    ::testing::Values(
        ElementCase{{{"COM.FTP.MODE", "USE"}}, Outcome::Stored, TK48_FIELD(COM.FTP.MODE), 1},
        ElementCase{{{"COM.MODBUS_TCP.RINGER_TIME", "3000"}}, Outcome::Stored,
                    TK48_FIELD(COM.MODBUS_TCP.RINGER_TIME), 3000},
        ElementCase{{{"COM.MODBUS_TCP.RINGER_TIME", "3001"}}, Outcome::Invalid},
        ElementCase{{{"COM.MODBUS_TCP.RINGER_TIME", "-1"}}, Outcome::Invalid},
        ElementCase{{{"COM.SMTP_POP3.CHAR", "ISO_2022_JP"}}, Outcome::Stored, TK48_FIELD(COM.SMTP_POP3.CHAR), 1},
        ElementCase{{{"COM.SMTP_POP3.SMTP_AUTH.MODE", "PLAIN"}}, Outcome::Stored,
                    TK48_FIELD(COM.SMTP_POP3.SMTP_AUTH.MODE), 4},
        ElementCase{{{"COM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.MODE", "AUTO"}}, Outcome::Invalid},
        ElementCase{{{"COM.SMTP_POP3.SMTP_PORT", "65535"}}, Outcome::Stored, TK48_FIELD(COM.SMTP_POP3.SMTP_PORT),
                    65535},
        ElementCase{{{"COM.SMTP_POP3.POP3_PORT", "65536"}}, Outcome::Invalid},
        // The address book: a number outside 1..64 is an error, not an unknown name.
        ElementCase{{{"COM.SMTP_POP3.MAIL_NAME65", "x"}}, Outcome::Invalid},
        ElementCase{{{"COM.SMTP_POP3.MAIL_ADDRESS0", "x"}}, Outcome::Invalid},
        ElementCase{{{"COM.SMTP_POP3.STARTTLS", "USE"}}, Outcome::Stored, TK48_FIELD(COM.SMTP_POP3.STARTTLS), 1},
        ElementCase{{{"COM.FTPC.PASV_ADDR", "INVALID"}}, Outcome::Stored, TK48_FIELD(COM.FTPC.PASV_ADDR), 0},
        ElementCase{{{"COM.FTPC.ERROR", "GDO32"}}, Outcome::Stored, TK48_REF(COM.FTPC.ERROR), KindNo(3, 32)},
        ElementCase{{{"COM.FTPC.ERROR", "MD257"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.ERROR", "AI1"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTP.FOO", "1"}}, Outcome::Unrecognised}));

// The upload-report MD numbers: NONE or MD1..MD256; anything else is refused,
// COM_EVE included.
INSTANTIATE_TEST_SUITE_P(
    UploadReport, ComElement,
    ::testing::Values(
        ElementCase{{{"COM.FTPC.COM_LOG", "MD5"}, {"COM.FTPC.COM_LOG", "NONE"}}, Outcome::Stored,
                    TK48_FIELD(COM.FTPC.COM_LOG), 0},
        ElementCase{{{"COM.FTPC.COM_LOG", "MD1"}}, Outcome::Stored, TK48_FIELD(COM.FTPC.COM_LOG), 1},
        ElementCase{{{"COM.FTPC.COM_SCHD", "MD256"}}, Outcome::Stored, TK48_FIELD(COM.FTPC.COM_SCHD), 256},
        ElementCase{{{"COM.FTPC.COM_LOG", "MD0"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.COM_LOG", "MD257"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.COM_SYS", "md5"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.COM_COM", "DO5"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.COM_EVE", "MD17"}}, Outcome::Stored, TK48_FIELD(COM.FTPC.COM_EVE), 17},
        ElementCase{{{"COM.FTPC.COM_EVE", "MD300"}}, Outcome::Invalid},
        ElementCase{{{"COM.FTPC.COM_EVE", "none"}}, Outcome::Invalid}));

INSTANTIATE_TEST_SUITE_P(
    Disp, ComElement,
    ::testing::Values(
        ElementCase{{{"DISP.TREND.TREND_PAGE1.TREND_SPEED", "1D"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[0].TREND_SPEED), 10},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.TREND_SPEED", "10s"}}, Outcome::Invalid},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.TREND_TIME", "23"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[0].TREND_TIME), 23},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.TREND_TIME", "24"}}, Outcome::Invalid},
        ElementCase{{{"DISP.TREND.TREND_PAGE16.PEN4", "GDO32"}}, Outcome::Stored,
                    TK48_REF(DISP.TREND.TREND_PAGE[15].PEN[3]), KindNo(8, 32)},
        ElementCase{{{"DISP.TREND.TREND_PAGE2.PEN1", "MA12"}}, Outcome::Stored,
                    TK48_REF(DISP.TREND.TREND_PAGE[1].PEN[0]), KindNo(4, 12)},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.PEN1", "AO65"}}, Outcome::Invalid},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.PEN1", "AI0"}}, Outcome::Invalid},
        ElementCase{{{"DISP.TREND.TREND_PAGE3.COLOR2", "0x00123456"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[2].COLOR[1]), 0x123456},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.THICK4", "ACTIVE"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[0].THICK[3]), 1},
        ElementCase{{{"DISP.TREND.TREND_PAGE2.RANGE_L3", "-5.5"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[1].RANGE_L[2] * 10), -55},
        ElementCase{{{"DISP.TREND.TREND_PAGE2.RANGE_H3", "250"}}, Outcome::Stored,
                    TK48_FIELD(DISP.TREND.TREND_PAGE[1].RANGE_H[2]), 250},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.RANGE_H1", "123456789.1234567"}}, Outcome::Fatal},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.PEN5", "AI1"}}, Outcome::Unrecognised},
        ElementCase{{{"DISP.TREND.TREND_PAGE1.COLOR0", "0x0"}}, Outcome::Unrecognised},
        ElementCase{{{"DISP.TREND.TREND_PAGE17.NAME", "x"}}, Outcome::Unrecognised, nullptr, 0,
                    "DISP.TREND.TREND_PAGE17"},
        ElementCase{{{"DISP.DATA.GDO1", "0x00000001"}}, Outcome::Stored, TK48_FIELD(DISP.DATA.GDO[0]), 1},
        ElementCase{{{"DISP.DATA.MD8", "0"}}, Outcome::Stored, TK48_FIELD(DISP.DATA.MD[7]), 0},
        ElementCase{{{"DISP.DATA.AO3", "0"}}, Outcome::Unrecognised}));

// ASCII-only texts refuse a byte of 0x80 or above; free texts keep it.
TEST(ComTexts, AsciiFieldsRefuseOtherBytes) {
  struct Case {
    const char* path;
    bool ascii;
    const char* (*get)(const SettingData&);
  };
  const Case cases[] = {
      {"COM.WEB.AUTH0.LOGIN", true, [](const SettingData& r) -> const char* { return r.COM.WEB.AUTH[0].LOGIN; }},
      {"COM.WEB.AUTH7.PASSWORD", true,
       [](const SettingData& r) -> const char* { return r.COM.WEB.AUTH[7].PASSWORD; }},
      {"COM.FTP.ID", true, [](const SettingData& r) -> const char* { return r.COM.FTP.ID; }},
      {"COM.SMTP_POP3.SMTP_AUTH.PASSWORD", true,
       [](const SettingData& r) -> const char* { return r.COM.SMTP_POP3.SMTP_AUTH.PASSWORD; }},
      {"COM.FTPC.FTP_LOGIN", true, [](const SettingData& r) -> const char* { return r.COM.FTPC.FTP_LOGIN; }},
      {"COM.SMTP_POP3.MY_ADDRESS", false,
       [](const SettingData& r) -> const char* { return r.COM.SMTP_POP3.MY_ADDRESS; }},
      {"COM.SMTP_POP3.MAIL_NAME64", false,
       [](const SettingData& r) -> const char* { return r.COM.SMTP_POP3.MAIL_NAME[63]; }},
      {"COM.FTPC.FTP_SUBFOLDER", false,
       [](const SettingData& r) -> const char* { return r.COM.FTPC.FTP_SUBFOLDER; }},
      {"DISP.TREND.TREND_PAGE16.NAME", false,
       [](const SettingData& r) -> const char* { return r.DISP.TREND.TREND_PAGE[15].NAME; }},
  };
  const std::string text = "\xE6\x97\xA5\xE6\x9C\xAC@example.jp";  // two Japanese characters first
  const auto defaults = Defaults();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const Loaded l = Read({{c.path, text}});
    if (c.ascii) {
      EXPECT_EQ(OutcomeOf(l.result), Outcome::Invalid);
      EXPECT_EQ(l.result.path, ReportedPath(c.path));
      EXPECT_STREQ(c.get(*l.record), c.get(*defaults));
    } else {
      EXPECT_EQ(OutcomeOf(l.result), Outcome::Stored);
      EXPECT_EQ(c.get(*l.record), text);
    }
  }
}

TEST(ComPorts, WebFtpAndModbusPortsMustDiffer) {
  struct Case {
    std::uint16_t web, ftp, modbus;
    bool distinct;
  };
  const Case cases[] = {
      {80, 21, 502, true}, {80, 80, 502, false}, {80, 21, 80, false}, {21, 21, 502, false},
      {502, 21, 502, false}, {80, 502, 502, false}, {0, 1, 2, true}, {7, 7, 7, false},
  };
  auto record = Defaults();
  for (const Case& c : cases) {
    record->COM.WEB.PORT = c.web;
    record->COM.FTP.PORT = c.ftp;
    record->COM.MODBUS_TCP.PORT = c.modbus;
    EXPECT_EQ(ComPortsDistinct(*record), c.distinct) << c.web << " " << c.ftp << " " << c.modbus;
  }
}

TEST(ComPorts, ASharedPortFailsTheRead) {
  // Each moves one port onto another service's default (web 80, FTP 21, Modbus 502).
  const Element clashes[] = {{"COM.MODBUS_TCP.PORT", "80"}, {"COM.FTP.PORT", "502"}, {"COM.WEB.PORT", "21"}};
  for (const Element& e : clashes) EXPECT_EQ(OutcomeOf(Read({e}).result), Outcome::Fatal) << e.first;
  // Services not in use still count, and a move to a free port is fine.
  EXPECT_EQ(OutcomeOf(Read({{"COM.MODBUS_TCP.PORT", "8080"}}).result), Outcome::Stored);
}

TEST(ComDefaults, ServersAndAccounts) {
  const auto r = Defaults();
  EXPECT_EQ(r->COM.WEB.PORT, 80);
  EXPECT_EQ(r->COM.FTP.PORT, 21);
  EXPECT_EQ(r->COM.MODBUS_TCP.PORT, 502);
  EXPECT_TRUE(ComPortsDistinct(*r));
  EXPECT_EQ(r->COM.WEB.PROTOCOL, 0);
  for (int n = 0; n < 32; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(r->COM.WEB.AUTH[n].MODE, n == 0 ? 1 : 0);
    EXPECT_STREQ(r->COM.WEB.AUTH[n].LOGIN, "kvmpt");
    EXPECT_STREQ(r->COM.WEB.AUTH[n].PASSWORD, "kvmpt");
    EXPECT_EQ(r->COM.WEB.AUTH[n].CTRL_MD[0], 0u);
  }
  EXPECT_STREQ(r->COM.FTP.ID, "TK48");
  EXPECT_STREQ(r->COM.FTP.PASSWORD, "PX52");
  EXPECT_EQ(r->COM.SNTP.MODE, 0);
  EXPECT_GT(std::strlen(r->COM.SNTP.SERVER), 0u);
  EXPECT_EQ(r->COM.MODBUS_TCP.RINGER_TIME, 180);
  EXPECT_STREQ(r->COM.SMTP_POP3.NAME, "TK48");
  EXPECT_EQ(r->COM.SMTP_POP3.SMTP_PORT, 25);
  EXPECT_EQ(r->COM.SMTP_POP3.POP3_PORT, 110);
  EXPECT_EQ(r->COM.FTPC.PORT, 21);
  EXPECT_EQ(r->COM.FTPC.PASV_ADDR, 1);
  EXPECT_EQ(r->COM.FTPC.ERROR.kind, 0);
  EXPECT_EQ(r->COM.FTPC.COM_LOG, 0);
}

TEST(DispDefaults, TrendPagesAndDataView) {
  const auto r = Defaults();
  const std::uint32_t colours[4] = {0x00FF8040, 0x00FF0000, 0x000080FF, 0x00008000};
  for (int n = 0; n < 16; ++n) {
    SCOPED_TRACE(n + 1);
    const TrendPage& page = r->DISP.TREND.TREND_PAGE[n];
    EXPECT_EQ(std::string(page.NAME), "PAGE" + std::to_string(n + 1));
    EXPECT_EQ(page.TREND_SPEED, 2);  // 10S
    for (int p = 0; p < 4; ++p) {
      EXPECT_EQ(page.COLOR[p], colours[p]);
      EXPECT_EQ(page.PEN[p].kind, 0);
      EXPECT_EQ(page.PEN[p].no, 1);  // a kind chosen later starts at channel 1
      EXPECT_EQ(page.THICK[p], 0);
      EXPECT_EQ(page.RANGE_H[p], 100.0);
      EXPECT_EQ(page.RANGE_L[p], 0.0);
    }
  }
  const DataView& d = r->DISP.DATA;
  for (std::uint32_t w : d.AI) EXPECT_EQ(w, 0xFFFFFFFFu);
  for (std::uint32_t w : d.MD) EXPECT_EQ(w, 0xFFFFFFFFu);
  EXPECT_EQ(d.GDO[0], 0xFFFFFFFFu);
}

TEST(DefaultDocument, HasItsFixedLength) {
  EXPECT_EQ(ConfigurationText(*Defaults()).size(), 5404310u);
}

TEST(ComDispWriter, LineFormsAndOrder) {
  auto r = Defaults();
  r->COM.FTPC.COM_LOG = 17;
  SetRef(r->COM.FTPC.ERROR, 2, 128);
  SetRef(r->DISP.TREND.TREND_PAGE[0].PEN[0], 4, 12);
  SetRef(r->DISP.TREND.TREND_PAGE[0].PEN[1], 0, 7);
  r->DISP.TREND.TREND_PAGE[0].COLOR[2] = 0x00FF0000;
  r->DISP.TREND.TREND_PAGE[0].RANGE_L[0] = -2000;
  SetText(r->COM.SMTP_POP3.MAIL_NAME[63], "last name");
  const std::string text = ConfigurationText(*r);

  EXPECT_TRUE(HasLine(text, "<FTPC>", "<COM_LOG>MD17</COM_LOG>"));
  EXPECT_TRUE(HasLine(text, "<FTPC>", "<COM_EVE>NONE</COM_EVE>"));
  EXPECT_TRUE(HasLine(text, "<FTPC>", "<ERROR>DO128</ERROR>"));
  // A pen's five lines stay together, RANGE_H before RANGE_L; kind 0 drops the number.
  EXPECT_NE(text.find("<TREND_PAGE1>\r\n<NAME>PAGE1</NAME>\r\n<TREND_SPEED>10S</TREND_SPEED>\r\n"
                      "<TREND_TIME>0</TREND_TIME>\r\n<PEN1>MA12</PEN1>\r\n<COLOR1>0x00FF8040</COLOR1>\r\n"
                      "<THICK1>INVALID</THICK1>\r\n<RANGE_H1>100.000</RANGE_H1>\r\n<RANGE_L1>-2000.000</RANGE_L1>\r\n"
                      "<PEN2>NONE</PEN2>\r\n"),
            std::string::npos);
  EXPECT_TRUE(HasLine(text, "<TREND_PAGE1>", "<COLOR3>0x00FF0000</COLOR3>"));
  // The FTP client writes PASV_ADDR after the four texts.
  EXPECT_NE(text.find("<FTP_SUBFOLDER></FTP_SUBFOLDER>\r\n<PASV_ADDR>ACTIVE</PASV_ADDR>\r\n<ERROR>"),
            std::string::npos);
  // All names of the address book, then all addresses.
  EXPECT_NE(text.find("<MAIL_NAME64>last name</MAIL_NAME64>\r\n<MAIL_ADDRESS1></MAIL_ADDRESS1>\r\n"),
            std::string::npos);
  // DISP comes before COM, and COM carries no network address block.
  EXPECT_LT(text.find("<DISP>\r\n"), text.find("<COM>\r\n"));
  EXPECT_EQ(text.find("TCP_IP"), std::string::npos);
  EXPECT_NE(text.find("<COM>\r\n<WEB>\r\n<PROTOCOL>HTTP</PROTOCOL>\r\n<PORT>80</PORT>\r\n<AUTH0>\r\n"),
            std::string::npos);
}

// A record with changed values in every block of both sections reads back
// unchanged from its own file.
TEST(ComDispWriter, RoundTrip) {
  auto r = Defaults();
  TrendPage& page = r->DISP.TREND.TREND_PAGE[15];
  SetText(page.NAME, "Boiler <1> & \"2\"");
  page.TREND_SPEED = 10;
  page.TREND_TIME = 23;
  SetRef(page.PEN[3], 8, 32);
  page.COLOR[3] = 0x00ABCDEF;
  page.THICK[3] = 1;
  page.RANGE_H[3] = 1e10;
  page.RANGE_L[3] = -1e10;
  r->DISP.DATA.DO[3] = 0x12345678;
  r->COM.WEB.PROTOCOL = 1;
  r->COM.WEB.PORT = 443;
  r->COM.WEB.AUTH[31].MODE = 1;
  SetText(r->COM.WEB.AUTH[31].LOGIN, "op#31");
  r->COM.WEB.AUTH[31].CTRL_MA[7] = 0x80000000;
  r->COM.WEB.AUTH[31].CTRL_AO[1] = 0xFFFFFFFF;
  r->COM.FTP.MODE = 1;
  r->COM.FTP.PORT = 2121;
  r->COM.SNTP.MODE = 1;
  SetText(r->COM.SNTP.SERVER, "time.example.org");
  r->COM.MODBUS_TCP.RINGER_TIME = 0;
  r->COM.SMTP_POP3.SMTP_AUTH.MODE = 2;
  SetText(r->COM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.ID, "pop'user");
  SetText(r->COM.SMTP_POP3.MAIL_ADDRESS[0], "a@example.jp");
  SetText(r->COM.SMTP_POP3.MAIL_NAME[10], "\xE5\xB1\xB1\xE7\x94\xB0");
  r->COM.SMTP_POP3.POP3_PORT = 995;
  r->COM.FTPC.PROTOCOL = 1;
  SetRef(r->COM.FTPC.ERROR, 1, 256);
  r->COM.FTPC.COM_EVE = 256;
  r->COM.FTPC.FILE_REP = 1;
  SetText(r->COM.FTPC.FTP_SUBFOLDER, "logs/tk48");

  auto back = Defaults();
  const ReadResult result = ParseConfiguration(*back, ConfigurationText(*r));
  EXPECT_EQ(result.flags, 0u) << result.path;
  EXPECT_EQ(std::memcmp(&r->DISP, &back->DISP, sizeof r->DISP), 0) << "DISP";
  EXPECT_EQ(std::memcmp(&r->COM, &back->COM, sizeof r->COM), 0) << "COM";
}

}  // namespace
}  // namespace tk48
