// The MAIL_REPORT, RECORD, SCHEDULE and OPEMON sections: accepted values,
// numbered names, pen channels, defaults, line forms, through the reader, the
// writer and the defaults.
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

class SectionElement : public ::testing::TestWithParam<ElementCase> {};

TEST_P(SectionElement, ReadsAsTheTablesSay) { CheckElementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Logging, SectionElement,
    ::testing::Values(
        ElementCase{{{"RECORD.LOGGING.SEC", "30S"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.SEC), 30},
        ElementCase{{{"RECORD.LOGGING.SEC", "1S"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.SEC), 1},
        ElementCase{{{"RECORD.LOGGING.SEC", "3S"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.SEC", "5M"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.MIN", "15M"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.MIN), 15},
        ElementCase{{{"RECORD.LOGGING.MIN", "3M"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.MIN", "5S"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.HOUR", "16777215"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.HOUR), 16777215},
        ElementCase{{{"RECORD.LOGGING.HOUR", "16777216"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.WDAY", "127"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.WDAY), 127},
        ElementCase{{{"RECORD.LOGGING.WDAY", "128"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.LINE", "8"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.RATE", "HOUR"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.RATE), 2},
        ElementCase{{{"RECORD.LOGGING.OFFSET23.SEC", "59"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.OFFSET[23].SEC), 59},
        ElementCase{{{"RECORD.LOGGING.OFFSET5.MIN", "30"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.OFFSET[5].MIN),
                    30},
        ElementCase{{{"RECORD.LOGGING.OFFSET00.SEC", "60"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.OFFSET24.MIN", "1"}}, Outcome::Invalid, nullptr, 0,
                    "RECORD.LOGGING.OFFSET24"},
        ElementCase{{{"RECORD.LOGGING.PEN128.BAND.UPPER", "-1.5"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.PEN[127].BAND.UPPER * 10), -15},
        ElementCase{{{"RECORD.LOGGING.PEN129.PEN_TYPE", "AI"}}, Outcome::Invalid, nullptr, 0,
                    "RECORD.LOGGING.PEN129"},
        ElementCase{{{"RECORD.LOGGING.PEN0.PEN_TYPE", "AI"}}, Outcome::Invalid, nullptr, 0, "RECORD.LOGGING.PEN0"},
        ElementCase{{{"RECORD.LOGGING.PEN1.ERR_MODE", "FIXC"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.PEN[0].ERR_MODE), 2}));

// A pen's CH is judged by the pen type already stored for that pen.
INSTANTIATE_TEST_SUITE_P(
    PenChannels, SectionElement,
    ::testing::Values(
        ElementCase{{{"RECORD.LOGGING.PEN1.PEN_TYPE", "AI"},
                     {"RECORD.LOGGING.PEN1.CH", "5"},
                     {"RECORD.LOGGING.PEN1.PEN_TYPE", "NONE"},
                     {"RECORD.LOGGING.PEN1.CH", "5"}},
                    Outcome::Stored, TK48_FIELD(RECORD.LOGGING.PEN[0].CH), 0},
        ElementCase{{{"RECORD.LOGGING.PEN1.CH", "999"}}, Outcome::Stored, TK48_FIELD(RECORD.LOGGING.PEN[0].CH), 0},
        ElementCase{{{"RECORD.LOGGING.PEN2.PEN_TYPE", "AO"}, {"RECORD.LOGGING.PEN2.CH", "64"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.PEN[1].CH), 64},
        ElementCase{{{"RECORD.LOGGING.PEN2.PEN_TYPE", "AO"}, {"RECORD.LOGGING.PEN2.CH", "65"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.PEN3.PEN_TYPE", "DI"}, {"RECORD.LOGGING.PEN3.CH", "256"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.PEN[2].CH), 256},
        ElementCase{{{"RECORD.LOGGING.PEN3.PEN_TYPE", "GDO"}, {"RECORD.LOGGING.PEN3.CH", "33"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.LOGGING.PEN3.PEN_TYPE", "MD"}, {"RECORD.LOGGING.PEN3.CH", "0"}}, Outcome::Invalid},
        // The type of another pen does not count.
        ElementCase{{{"RECORD.LOGGING.PEN4.PEN_TYPE", "MA"}, {"RECORD.LOGGING.PEN5.CH", "7"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.LOGGING.PEN[4].CH), 0},
        ElementCase{{{"RECORD.REPORT.PEN1.PEN_TYPE", "MA"}, {"RECORD.REPORT.PEN1.CH", "256"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.REPORT.PEN[0].CH), 256},
        ElementCase{{{"RECORD.REPORT.PEN1.PEN_TYPE", "PI"}, {"RECORD.REPORT.PEN1.CH", "129"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.REPORT.PEN1.PEN_TYPE", "PI"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.PEN[0].PEN_TYPE),
                    2},
        ElementCase{{{"RECORD.REPORT.PEN1.PEN_TYPE", "DI"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.REPORT.PEN129.CH", "1"}}, Outcome::Invalid, nullptr, 0, "RECORD.REPORT.PEN129"}));

INSTANTIATE_TEST_SUITE_P(
    EventAndReport, SectionElement,
    ::testing::Values(
        ElementCase{{{"RECORD.EVENT.SCHD_LOG.CHAR_CODE", "UTF8"}}, Outcome::Stored,
                    TK48_FIELD(RECORD.EVENT.SCHD_LOG.CHAR_CODE), 1},
        ElementCase{{{"RECORD.EVENT.COM_LOG.MODE", "NOUSE"}}, Outcome::Stored, TK48_FIELD(RECORD.EVENT.COM_LOG.MODE),
                    0},
        ElementCase{{{"RECORD.EVENT.SYSTEM_LOG.CHAR_CODE", "UTF8"}}, Outcome::Unrecognised},
        ElementCase{{{"RECORD.REPORT.MAIL4", "4294967295"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.MAIL[3]),
                    0xFFFFFFFF},
        ElementCase{{{"RECORD.REPORT.MAIL5", "1"}}, Outcome::Unrecognised},
        ElementCase{{{"RECORD.REPORT.SEND_MON", "FIXED"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.SEND_MON), 2},
        ElementCase{{{"RECORD.REPORT.PEN7.BASE", "MIN"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.PEN[6].BASE), 3},
        ElementCase{{{"RECORD.REPORT.MONTH_CHANGE", "28"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.MONTH_CHANGE),
                    28},
        ElementCase{{{"RECORD.REPORT.MONTH_CHANGE", "0"}}, Outcome::Invalid},
        ElementCase{{{"RECORD.REPORT.YEAR_CHANGE", "12"}}, Outcome::Stored, TK48_FIELD(RECORD.REPORT.YEAR_CHANGE), 12},
        ElementCase{{{"RECORD.REPORT.YEAR_CHANGE", "13"}}, Outcome::Invalid}));

INSTANTIATE_TEST_SUITE_P(
    MailReport, SectionElement,
    ::testing::Values(
        ElementCase{{{"MAIL_REPORT.TIME.WDAY", "300"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.TIME.WDAY), 44},
        ElementCase{{{"MAIL_REPORT.TIME.WDAY", "4294967295"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.TIME.WDAY),
                    255},
        ElementCase{{{"MAIL_REPORT.TIME.WDAY", "0x41"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.TIME.WDAY), 0x41},
        ElementCase{{{"MAIL_REPORT.TIME.MAIL1", "0xFFFFFFFF"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.TIME.MAIL[0]),
                    0xFFFFFFFF},
        ElementCase{{{"MAIL_REPORT.TIME.REPORT_TIME23.OFFSET_SEC", "59"}}, Outcome::Stored,
                    TK48_FIELD(MAIL_REPORT.TIME.REPORT_TIME[23].OFFSET_SEC), 59},
        ElementCase{{{"MAIL_REPORT.TIME.REPORT_TIME0.OFFSET_MIN", "60"}}, Outcome::Invalid},
        ElementCase{{{"MAIL_REPORT.TIME.REPORT_TIME24.MODE", "USE"}}, Outcome::Unrecognised, nullptr, 0,
                    "MAIL_REPORT.TIME.REPORT_TIME24"},
        ElementCase{{{"MAIL_REPORT.FORM128.DST64", "TO"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.FORM[127].DST[63]),
                    1},
        ElementCase{{{"MAIL_REPORT.FORM1.DST65", "TO"}}, Outcome::Unrecognised},
        ElementCase{{{"MAIL_REPORT.FORM129.MODE", "USE"}}, Outcome::Unrecognised, nullptr, 0,
                    "MAIL_REPORT.FORM129"},
        ElementCase{{{"MAIL_REPORT.FORM1.FILTER", "OFF_HOUR"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.FORM[0].FILTER),
                    5},
        ElementCase{{{"MAIL_REPORT.FORM1.WD_NO", "6"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.FORM[0].WD_NO), 6},
        ElementCase{{{"MAIL_REPORT.FORM1.WD_NO", "0"}}, Outcome::Invalid},
        ElementCase{{{"MAIL_REPORT.FORM2.CH32", "GDO32"}}, Outcome::Stored, TK48_REF(MAIL_REPORT.FORM[1].CH[31]),
                    KindNo(8, 32)},
        ElementCase{{{"MAIL_REPORT.FORM2.CH33", "AI1"}}, Outcome::Unrecognised},
        ElementCase{{{"MAIL_REPORT.FORM3.FILE", "YEAR"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.FORM[2].FILE), 3},
        ElementCase{{{"MAIL_REPORT.FORM3.SUCCESS.CH", "DO128"}}, Outcome::Stored,
                    TK48_REF(MAIL_REPORT.FORM[2].SUCCESS.CH), KindNo(1, 128)},
        // The success and error outputs always name a channel.
        ElementCase{{{"MAIL_REPORT.FORM3.SUCCESS.CH", "NONE"}}, Outcome::Invalid},
        ElementCase{{{"MAIL_REPORT.FORM3.SUCCESS.CH", "MD"}}, Outcome::Invalid},
        ElementCase{{{"MAIL_REPORT.ERROR.MODE", "OFF"}}, Outcome::Stored, TK48_FIELD(MAIL_REPORT.ERROR.MODE), 2},
        ElementCase{{{"MAIL_REPORT.ERROR.CH", "MD256"}}, Outcome::Stored, TK48_REF(MAIL_REPORT.ERROR.CH),
                    KindNo(0, 256)},
        ElementCase{{{"MAIL_REPORT.ERROR.CH", "GDO33"}}, Outcome::Invalid}));

// Calendar years and months out of range are errors, not unknown names.
INSTANTIATE_TEST_SUITE_P(
    Calendar, SectionElement,
    ::testing::Values(
        ElementCase{{{"MAIL_REPORT.CALENDAR.HOLIDAY.Y2015.M1", "0x00000001"}}, Outcome::Stored,
                    TK48_FIELD(MAIL_REPORT.CALENDAR.HOLIDAY[0][0]), 1},
        ElementCase{{{"MAIL_REPORT.CALENDAR.WORK_DAY.Y2099.M12", "0x7FFFFFFF"}}, Outcome::Stored,
                    TK48_FIELD(MAIL_REPORT.CALENDAR.WORK_DAY[84][11]), 0x7FFFFFFF},
        ElementCase{{{"MAIL_REPORT.CALENDAR.HOLIDAY.Y2014.M01", "0x1"}}, Outcome::Invalid, nullptr, 0,
                    "MAIL_REPORT.CALENDAR.HOLIDAY.Y2014"},
        ElementCase{{{"MAIL_REPORT.CALENDAR.HOLIDAY.Y2015.M13", "0x1"}}, Outcome::Invalid}));

INSTANTIATE_TEST_SUITE_P(
    ScheduleAndMonitor, SectionElement,
    ::testing::Values(
        ElementCase{{{"SCHEDULE.UNIT1.BASIC6.PTN", "64"}}, Outcome::Stored, TK48_FIELD(SCHEDULE.UNIT[0].BASIC[6].PTN),
                    64},
        ElementCase{{{"SCHEDULE.UNIT1.BASIC6.PTN", "65"}}, Outcome::Invalid},
        ElementCase{{{"SCHEDULE.UNIT1.BASIC0.PTN", "-1"}}, Outcome::Invalid},
        ElementCase{{{"SCHEDULE.UNIT1.BASIC7.PTN", "1"}}, Outcome::Unrecognised, nullptr, 0, "SCHEDULE.UNIT1.BASIC7"},
        ElementCase{{{"SCHEDULE.UNIT33.MODE", "USE"}}, Outcome::Unrecognised, nullptr, 0, "SCHEDULE.UNIT33"},
        ElementCase{{{"SCHEDULE.UNIT32.MODE", "USE"}}, Outcome::Stored, TK48_FIELD(SCHEDULE.UNIT[31].MODE), 1},
        ElementCase{{{"SCHEDULE.PATTERN1.OUT1.STOP.HOUR", "24"}}, Outcome::Stored,
                    TK48_FIELD(SCHEDULE.PATTERN[0].OUT[0].STOP.HOUR), 24},
        ElementCase{{{"SCHEDULE.PATTERN1.OUT1.START.HOUR", "24"}}, Outcome::Invalid},
        ElementCase{{{"SCHEDULE.PATTERN64.OUT8.CH", "MD256"}}, Outcome::Stored,
                    TK48_REF(SCHEDULE.PATTERN[63].OUT[7].CH), KindNo(3, 256)},
        ElementCase{{{"SCHEDULE.PATTERN1.OUT1.CH", "AI1"}}, Outcome::Invalid},
        ElementCase{{{"SCHEDULE.PATTERN1.OUT9.CH", "DO1"}}, Outcome::Unrecognised, nullptr, 0,
                    "SCHEDULE.PATTERN1.OUT9"},
        ElementCase{{{"SCHEDULE.MENTE.INPUT.CH", "DI256"}}, Outcome::Stored, TK48_REF(SCHEDULE.MENTE.INPUT.CH),
                    KindNo(1, 256)},
        ElementCase{{{"SCHEDULE.MENTE.INPUT.CH", "DO1"}}, Outcome::Invalid},
        ElementCase{{{"OPEMON.PROC32.NUM_SUB3", "MD256"}}, Outcome::Stored, TK48_REF(OPEMON.PROC[31].NUM_SUB[2]),
                    KindNo(5, 256)},
        ElementCase{{{"OPEMON.PROC1.CH5", "DI1"}}, Outcome::Stored, TK48_REF(OPEMON.PROC[0].CH[4]), KindNo(4, 1)},
        ElementCase{{{"OPEMON.PROC1.NUM_MAIN", "PI128"}}, Outcome::Stored, TK48_REF(OPEMON.PROC[0].NUM_MAIN),
                    KindNo(2, 128)},
        ElementCase{{{"OPEMON.PROC1.NUM_MAIN", "GDO1"}}, Outcome::Invalid},
        ElementCase{{{"OPEMON.PROC1.CH6", "AI1"}}, Outcome::Unrecognised},
        ElementCase{{{"OPEMON.PROC1.NUM_SUB4", "AI1"}}, Outcome::Unrecognised},
        ElementCase{{{"OPEMON.PROC33.NAME", "x"}}, Outcome::Unrecognised, nullptr, 0, "OPEMON.PROC33"}));

TEST(SectionDefaults, GeneratedNamesAndValues) {
  const auto r = Defaults();
  EXPECT_STREQ(r->SCHEDULE.PATTERN[63].PTN_NAME, "Pattern64");
  EXPECT_STREQ(r->SCHEDULE.PATTERN[0].PTN_NAME, "Pattern1");
  EXPECT_STREQ(r->SCHEDULE.UNIT[31].NAME, "Unit32");
  EXPECT_STREQ(r->OPEMON.PROC[31].NAME, "Process32");
  for (const MailForm& f : r->MAIL_REPORT.FORM) {
    EXPECT_STREQ(f.TITLE, "MAIL REPORT");
    EXPECT_STREQ(f.MESSAGE, "MAIL REPORT");
    EXPECT_EQ(f.WD_NO, 1);
    EXPECT_EQ(f.CH[31].kind, 0);
    EXPECT_EQ(f.CH[31].no, 1);
    EXPECT_EQ(f.SUCCESS.CH.kind, 0);  // MD1
    EXPECT_EQ(f.SUCCESS.CH.no, 1);
  }
  EXPECT_EQ(r->MAIL_REPORT.TIME.WDAY, 0x7F);
  EXPECT_EQ(r->MAIL_REPORT.ERROR.CH.no, 1);
  const PatternOut& out = r->SCHEDULE.PATTERN[5].OUT[7];
  EXPECT_EQ(out.CH.no, 1);
  EXPECT_EQ(out.START.HOUR, 9);
  EXPECT_EQ(out.STOP.HOUR, 17);
  EXPECT_EQ(r->SCHEDULE.MENTE.INPUT.CH.no, 1);
  EXPECT_EQ(r->OPEMON.PROC[3].NUM_SUB[2].no, 1);
  EXPECT_EQ(r->OPEMON.PROC[3].NUM_MAIN.no, 1);

  const LoggingBlock& log = r->RECORD.LOGGING;
  EXPECT_EQ(log.DATA_DELETE, 1);
  EXPECT_EQ(log.SEC, 5);
  EXPECT_EQ(log.MIN, 5);
  EXPECT_EQ(log.WDAY, 127);
  EXPECT_EQ(log.PEN[127].BAND.UPPER, 12000.0);
  EXPECT_EQ(log.PEN[127].BAND.LOWER, -2000.0);
  EXPECT_EQ(log.PEN[127].CH, 0);
  const EventBlock& ev = r->RECORD.EVENT;
  EXPECT_EQ(ev.DATA_DELETE + ev.EVENT_LOG.MODE + ev.SYSTEM_LOG.MODE + ev.COM_LOG.MODE + ev.SCHD_LOG.MODE, 5);
  const ReportBlock& rep = r->RECORD.REPORT;
  EXPECT_EQ(rep.MODE, 1);
  EXPECT_EQ(rep.DATA_DELETE, 1);
  EXPECT_EQ(rep.MONTH_CHANGE, 1);
  EXPECT_EQ(rep.YEAR_CHANGE, 1);
  EXPECT_EQ(rep.PEN[0].BAND.LOWER, -2000.0);
}

TEST(SectionWriter, LineFormsAndOrder) {
  auto r = Defaults();
  r->RECORD.LOGGING.SEC = 30;
  r->RECORD.LOGGING.MIN = 15;
  r->RECORD.LOGGING.HOUR = 0xFFFFFF;
  r->RECORD.LOGGING.PEN[0].PEN_TYPE = 6;
  r->RECORD.LOGGING.PEN[0].CH = 64;
  r->RECORD.REPORT.MAIL[0] = 0xFFFFFFFF;
  r->MAIL_REPORT.TIME.MAIL[0] = 0xFFFFFFFF;
  r->MAIL_REPORT.TIME.WDAY = 44;
  SetRef(r->MAIL_REPORT.ERROR.CH, 2, 32);
  SetRef(r->SCHEDULE.MENTE.INPUT.CH, 0, 9);
  const std::string text = ConfigurationText(*r);

  EXPECT_TRUE(HasLine(text, "<LOGGING>", "<SEC>30S</SEC>"));
  EXPECT_TRUE(HasLine(text, "<LOGGING>", "<MIN>15M</MIN>"));
  EXPECT_TRUE(HasLine(text, "<LOGGING>", "<HOUR>16777215</HOUR>"));
  EXPECT_TRUE(HasLine(text, "<LOGGING>", "<WDAY>127</WDAY>"));
  // The report's mail words are decimal; the periodic mail's are hexadecimal.
  EXPECT_TRUE(HasLine(text, "<REPORT>", "<MAIL1>4294967295</MAIL1>"));
  EXPECT_TRUE(HasLine(text, "<TIME>", "<MAIL1>0xFFFFFFFF</MAIL1>"));
  EXPECT_TRUE(HasLine(text, "<TIME>", "<WDAY>0x2C</WDAY>"));
  EXPECT_TRUE(HasLine(text, "<MAIL_REPORT>", "<ERROR>\r\n<MODE>NONE</MODE>\r\n<CH>GDO32</CH>"));
  EXPECT_TRUE(HasLine(text, "<FORM128>", "<SUCCESS>\r\n<MODE>NONE</MODE>\r\n<CH>MD1</CH>"));
  EXPECT_TRUE(HasLine(text, "<MENTE>", "<MENTE>\r\n<INPUT>\r\n<CH>NONE</CH>\r\n</INPUT>\r\n</MENTE>"));
  EXPECT_NE(text.find("<PEN1>\r\n<PEN_TYPE>AO</PEN_TYPE>\r\n<CH>64</CH>\r\n<SAMPLING>INS</SAMPLING>\r\n<BAND>\r\n"
                      "<MODE>NOUSE</MODE>\r\n<UPPER>12000.000</UPPER>\r\n<LOWER>-2000.000</LOWER>\r\n</BAND>\r\n"
                      "<ERR_MODE>PRE</ERR_MODE>\r\n<ERR_VALUE>0.000</ERR_VALUE>\r\n<ERR_CHAR></ERR_CHAR>\r\n</PEN1>\r\n"),
            std::string::npos);
  EXPECT_TRUE(HasLine(text, "<REPORT>", "<SAMPLING>INS</SAMPLING>\r\n<BASE>SUM</BASE>\r\n<BAND>"));
  EXPECT_NE(text.find("</OFFSET23>\r\n<WDAY>127</WDAY>\r\n<ZEPHA>NOUSE</ZEPHA>\r\n</LOGGING>\r\n"), std::string::npos);
  EXPECT_TRUE(HasLine(text, "<LOGGING>", "<OFFSET00>\r\n<MIN>0</MIN>\r\n<SEC>0</SEC>\r\n</OFFSET00>"));
  EXPECT_TRUE(HasLine(text, "<TIME>", "<REPORT_TIME0>\r\n<MODE>NOUSE</MODE>"));
  EXPECT_TRUE(HasLine(text, "<SCHEDULE>", "<BASIC0>\r\n<PTN>0</PTN>\r\n</BASIC0>"));
  // MAIL_REPORT is written before RECORD, then SCHEDULE and OPEMON close the file.
  const std::size_t mail = text.find("<MAIL_REPORT>\r\n<FORM1>\r\n<MODE>NOUSE</MODE>\r\n<DST1>NONE</DST1>\r\n");
  ASSERT_NE(mail, std::string::npos);
  EXPECT_LT(mail, text.find("<RECORD>\r\n<LOGGING>\r\n<MODE>NOUSE</MODE>\r\n<HEADER1></HEADER1>\r\n"));
  EXPECT_LT(text.find("<RECORD>\r\n"), text.find("<SCHEDULE>\r\n<PATTERN1>\r\n<PTN_NAME>Pattern1</PTN_NAME>\r\n"));
  EXPECT_NE(text.find("<NUM_MAIN>NONE</NUM_MAIN>\r\n<NUM_SUB1>NONE</NUM_SUB1>\r\n<NUM_SUB2>NONE</NUM_SUB2>\r\n"
                      "<NUM_SUB3>NONE</NUM_SUB3>\r\n</PROC32>\r\n</OPEMON>\r\n</TK48G_CFG>\r\n\r\n"),
            std::string::npos);
}

// Changed values in every block of the four sections read back unchanged.
TEST(SectionWriter, RoundTrip) {
  auto r = Defaults();
  LoggingBlock& log = r->RECORD.LOGGING;
  log.MODE = 1;
  SetText(log.HEADER3, "line 1\r\nline 2 #3");
  log.LINE = 7;
  LoggingPen& pen = log.PEN[127];
  pen.PEN_TYPE = 8;
  pen.CH = 32;
  pen.SAMPLING = 3;
  pen.BAND.MODE = 1;
  pen.BAND.UPPER = 1e10;
  pen.BAND.LOWER = -1e10;
  pen.ERR_MODE = 2;
  pen.ERR_VALUE = -0.125;
  SetText(pen.ERR_CHAR, "ERR");
  log.RATE = 1;
  log.SEC = 30;
  log.MIN = 1;
  log.HOUR = 0x800001;
  log.DATE_CHANGE = 23;
  log.OFFSET[23].MIN = 59;
  log.OFFSET[23].SEC = 1;
  log.WDAY = 0;
  r->RECORD.EVENT.SCHD_LOG.MODE = 0;
  r->RECORD.EVENT.SCHD_LOG.CHAR_CODE = 1;
  ReportBlock& rep = r->RECORD.REPORT;
  SetText(rep.TITLE_YEAR, "\xE5\xB9\xB4\xE5\xA0\xB1");
  ReportPen& rpen = rep.PEN[0];
  rpen.PEN_TYPE = 3;
  rpen.CH = 256;
  rpen.SAMPLING = 2;
  rpen.BASE = 1;
  rpen.BAND.MODE = 1;
  rpen.BAND.UPPER = 5.5;
  rpen.BAND.LOWER = 0.001;
  rpen.ERR_MODE = 1;
  rpen.ERR_VALUE = 7;
  SetText(rpen.ERR_CHAR, "--");
  rep.MAIL[3] = 0x80000000;
  rep.SEND_YEAR = 2;
  rep.MONTH_CHANGE = 28;
  rep.YEAR_CHANGE = 0;
  MailForm& form = r->MAIL_REPORT.FORM[127];
  form.MODE = 1;
  form.DST[63] = 1;
  SetText(form.MESSAGE, "<alarm> 'A' & \"B\"");
  form.FILTER = 6;
  form.WD_NO = 6;
  SetRef(form.CH[31], 8, 32);
  form.FILE = 2;
  form.SUCCESS.MODE = 2;
  SetRef(form.SUCCESS.CH, 2, 32);
  MailTime& time = r->MAIL_REPORT.TIME;
  time.MODE = 1;
  time.MAIL[3] = 0xDEADBEEF;
  time.WDAY = 0xFF;
  time.REPORT_TIME[23].MODE = 1;
  time.REPORT_TIME[23].OFFSET_MIN = 59;
  time.REPORT_TIME[23].OFFSET_SEC = 58;
  r->MAIL_REPORT.ERROR.MODE = 1;
  SetRef(r->MAIL_REPORT.ERROR.CH, 1, 128);
  r->MAIL_REPORT.CALENDAR.WORK_DAY[84][11] = 0x7FFFFFFF;
  SchedulePattern& pat = r->SCHEDULE.PATTERN[63];
  SetText(pat.PTN_NAME, "Night");
  SetRef(pat.OUT[7].CH, 2, 32);
  pat.OUT[7].START.HOUR = 23;
  pat.OUT[7].START.MIN = 59;
  pat.OUT[7].STOP.HOUR = 24;
  ScheduleUnit& unit = r->SCHEDULE.UNIT[31];
  unit.MODE = 1;
  unit.BASIC[6].PTN = 64;
  SetRef(r->SCHEDULE.MENTE.INPUT.CH, 2, 256);
  OpemonProc& proc = r->OPEMON.PROC[31];
  SetText(proc.NAME, "Line #2");
  SetRef(proc.CH[4], 5, 256);
  SetRef(proc.NUM_MAIN, 1, 128);
  SetRef(proc.NUM_SUB[2], 3, 1);

  auto back = Defaults();
  const ReadResult result = ParseConfiguration(*back, ConfigurationText(*r));
  EXPECT_EQ(result.flags, 0u) << result.path;
  EXPECT_EQ(std::memcmp(&r->RECORD, &back->RECORD, sizeof r->RECORD), 0) << "RECORD";
  EXPECT_EQ(std::memcmp(&r->MAIL_REPORT, &back->MAIL_REPORT, sizeof r->MAIL_REPORT), 0) << "MAIL_REPORT";
  EXPECT_EQ(std::memcmp(&r->SCHEDULE, &back->SCHEDULE, sizeof r->SCHEDULE), 0) << "SCHEDULE";
  EXPECT_EQ(std::memcmp(&r->OPEMON, &back->OPEMON, sizeof r->OPEMON), 0) << "OPEMON";
}

}  // namespace
}  // namespace tk48
