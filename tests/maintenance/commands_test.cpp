// The maintenance commands: the date/time rules, the payloads and the device's
// decoding of them, the replies as shown, and the checks that need the setting data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "maintenance/date_time.h"
#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/replies.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48::maint {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> v) { return std::vector<std::uint8_t>(v.begin(), v.end()); }

TEST(MaintDateTime, FieldsAndCommandLineForm) {
  const struct {
    std::u16string year, month, day, hour, minute, second;
    bool ok;
  } cases[] = {
      {u"2020", u"2", u"29", u"23", u"59", u"59", true},   // leap day
      {u"2015", u"01", u"01", u"0", u"0", u"0", true},
      {u"2099", u"12", u"31", u"12", u"30", u"0", true},
      {u"2100", u"1", u"1", u"0", u"0", u"0", false},      // past the device's years
      {u"2014", u"12", u"31", u"0", u"0", u"0", false},
      {u"2019", u"2", u"29", u"0", u"0", u"0", false},
      {u"2020", u"4", u"31", u"0", u"0", u"0", false},
      {u"2020", u"13", u"1", u"0", u"0", u"0", false},
      {u"2020", u"1", u"1", u"24", u"0", u"0", false},
      {u"2020", u"1", u"1", u"0", u"60", u"0", false},
      {u"2020", u"1", u"1", u"0", u"0", u"60", false},
      {u"02020", u"1", u"1", u"0", u"0", u"0", false},     // year over 4 characters
      {u"2020", u"001", u"1", u"0", u"0", u"0", false},    // month over 2 characters
      {u"2020", u"+1", u"1", u"0", u"0", u"0", false},     // all digits
      {u"2020", u" 1", u"1", u"0", u"0", u"0", false},
      {u"2020", u"1", u"", u"0", u"0", u"0", false},
      {u"2020", u"1", u"1", u"0", u"0", u"\uff15", false},  // a full-width digit
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    const auto t = CheckDateTimeFields({c.year, c.month, c.day, c.hour, c.minute, c.second}, ui);
    EXPECT_EQ(t.has_value(), c.ok) << std::string(c.year.begin(), c.year.end()) << "-"
                                   << std::string(c.month.begin(), c.month.end()) << "-"
                                   << std::string(c.day.begin(), c.day.end());
    if (!c.ok) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, "Illegal date/time");
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    }
  }
  const struct {
    std::string_view text;
    bool ok;
  } iso[] = {{"2020-02-29T23:59:59", true}, {"2019-02-29T00:00:00", false}, {"2100-01-01T00:00:00", false},
             {"2020-04-31T00:00:00", false}, {"2020-02-29 23:59:59", false}, {"2020-2-29T23:59:59", false},
             {"2020-02-29T23:59", false},   {"2020-0a-29T23:59:59", false}};
  for (const auto& c : iso) {
    ScriptedUi ui;
    EXPECT_EQ(CheckIsoDateTime(c.text, ui).has_value(), c.ok) << c.text;
    EXPECT_EQ(ui.messages.size(), c.ok ? 0u : 1u) << c.text;
  }
}

TEST(MaintDateTime, TimePayloadIsSixLittleEndianNumbers) {
  const auto p = TimePayload({2020, 2, 29, 23, 58, 7});
  EXPECT_EQ(std::vector<std::uint8_t>(p.begin(), p.end()),
            Bytes({0xE4, 0x07, 2, 0, 29, 0, 23, 0, 58, 0, 7, 0}));
  const auto put = DecodePut("TIME", p);
  ASSERT_TRUE(put);
  EXPECT_EQ(put->numbers[0], 2020);
  EXPECT_EQ(put->numbers[5], 7);
}

TEST(MaintDeviceFiles, TableRows) {
  const struct {
    File file;
    std::string_view name;
    bool put;
    int poll;
    std::size_t usb, net;
  } rows[] = {
      {File::Time, "TIME", true, 10, 0, 0},         {File::Mac, "MAC", false, 0, 6, 6},
      {File::LogGet, "LOG", false, 0, 4096, 4096},  {File::LogReset, "LOG", true, 12, 0, 0},
      {File::Opmnclr, "OPMNCLR", true, 28, 0, 0},   {File::Sd, "SD", false, 0, 12, 12},
      {File::ViewData, "UDAT_P", true, 20, 0, 0},   {File::ViewDir, "UDIR_P", true, 19, 0, 0},
      {File::PatternGet, "PATTERN_P", false, 0, 2240, 4480},
      {File::SchperGet, "SCHPER_P", false, 0, 3200, 6400},
      {File::SchmntGet, "SCHMNT_P", false, 0, 6912, 13824},
      {File::Schmnt, "SCHMNT", true, 27, 0, 0},
  };
  for (const auto& r : rows) {
    const DeviceFile& s = FileOf(r.file);
    EXPECT_EQ(s.name, r.name);
    EXPECT_EQ(s.put, r.put) << r.name;
    EXPECT_EQ(s.pollCode, r.poll) << r.name;
    EXPECT_EQ(Capacity(r.file, true), r.usb) << r.name;
    EXPECT_EQ(Capacity(r.file, false), r.net) << r.name;
  }
  const struct {
    File file;
    int byte;
  } fixed[] = {{File::LogReset, 1}, {File::Ftpc, 110}, {File::Mbclr, 0}, {File::Opmnclr, 0}, {File::Eveclr, 0},
               {File::Ope, 4}};
  for (const auto& f : fixed) EXPECT_EQ(FixedPayload(f.file)[0], f.byte) << FileOf(f.file).name;
}

// The device refuses a put of the wrong size or with a value it cannot use.
TEST(MaintDeviceFiles, DevicePutsRangeChecked) {
  const struct {
    std::string_view name;
    std::vector<std::uint8_t> data;
    bool ok;
  } cases[] = {
      {"TREND", Bytes({16}), true},
      {"TREND", Bytes({0}), true},
      {"TREND", Bytes({17}), false},
      {"TREND", Bytes({1, 0}), false},
      {"LGNG", Bytes({1}), true},
      {"LGNG", Bytes({2}), false},
      {"LOG", Bytes({1}), true},
      {"LOG", Bytes({0}), false},
      {"OPE", Bytes({4}), true},
      {"OPE", Bytes({5}), false},
      {"FTPC", Bytes({110}), true},
      {"MAIL", Bytes({127}), true},
      {"MAIL", Bytes({128}), false},
      {"DEL", Bytes({10}), true},
      {"DEL", Bytes({13}), true},
      {"DEL", Bytes({14}), false},
      {"TIME", Bytes({0xE3, 0x07, 2, 0, 29, 0, 0, 0, 0, 0, 0, 0}), false},  // 2019-02-29
      {"TIME", Bytes({0xE4, 0x07, 2, 0, 29, 0, 0, 0, 0, 0, 0}), false},     // 11 bytes
      {"PATTERN", PackNumbers(std::vector<std::uint16_t>{2021, 3, 1, 32, 64}), true},
      {"PATTERN", PackNumbers(std::vector<std::uint16_t>{2021, 3, 1, 33, 1}), false},
      {"PATTERN", PackNumbers(std::vector<std::uint16_t>{2021, 3, 1, 0, 1}), false},
      {"PATTERN", PackNumbers(std::vector<std::uint16_t>{2021, 3, 1, 1, 65}), false},
      {"PATTERN", PackNumbers(std::vector<std::uint16_t>{2021, 2, 29, 1, 1}), false},
      {"SCHPER", PackNumbers(std::vector<std::uint16_t>{2024, 2, 29, 1, 10, 0}), true},
      {"SCHPER", PackNumbers(std::vector<std::uint16_t>{2024, 2, 29, 1, 11, 0}), false},
      {"SCHPER", PackNumbers(std::vector<std::uint16_t>{2024, 2, 29, 1, 0, 0}), false},
      {"SCHMNT", PackNumbers(std::vector<std::uint16_t>{1, 128, 2}), true},
      {"SCHMNT", PackNumbers(std::vector<std::uint16_t>{1, 129, 2}), false},  // DO 129
      {"SCHMNT", PackNumbers(std::vector<std::uint16_t>{0, 256, 0}), true},
      {"SCHMNT", PackNumbers(std::vector<std::uint16_t>{0, 1, 3}), false},    // type 3
      {"SCHMNT", PackNumbers(std::vector<std::uint16_t>{2, 1, 0}), false},    // family 2
      {"SUM", Bytes({0}), false},     // a document, not a fixed put
      {"MAC", Bytes({0}), false},     // a get
      {"NOPE", Bytes({0}), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodePut(c.name, c.data).has_value(), c.ok) << c.name << " " << c.data.size() << " bytes";
  }
}

TEST(MaintReplies, DiskTexts) {
  const struct {
    double bytes;
    std::string_view text;
  } cases[] = {
      {1536, "1.50KB (1536byte)"},
      {3221225472.0, "3.00GB (3221225472byte)"},
      {512, "512byte"},
      {0, "0byte"},
      {1023, "1023byte"},
      {1024, "1.00KB (1024byte)"},
      {1048576, "1.00MB (1048576byte)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DiskText(c.bytes), c.text);
    ScriptedUi ui;
    const auto reply = DiskReply(c.bytes);
    EXPECT_EQ(DiskReplyText(reply, ui), std::string(c.text));
  }
}

TEST(MaintReplies, BadDiskRepliesFailToReceive) {
  std::vector<std::vector<std::uint8_t>> bad;
  for (const double v : {-1.0, std::numeric_limits<double>::infinity(), std::nan("")}) {
    const auto r = DiskReply(v);
    bad.emplace_back(r.begin(), r.end());
  }
  bad.push_back(Bytes({0, 0, 0, 0, 0, 0, 0}));  // 7 bytes
  bad.push_back({});
  for (const auto& r : bad) {
    ScriptedUi ui;
    EXPECT_FALSE(DiskReplyText(r, ui));
    EXPECT_EQ(ui.Last(), "Failed to receive.");
  }
  // Eight bytes suffice.
  const auto r = DiskReply(512);
  EXPECT_EQ(FreeCapacity(std::span(r).first(8)), 512.0);
}

TEST(MaintReplies, MacNeedsExactlySixBytes) {
  ScriptedUi ui;
  EXPECT_EQ(MacText(Bytes({0x00, 0x1A, 0x2b, 0xFF, 0x10, 0x09}), ui), "00-1A-2B-FF-10-09");
  for (const auto& r : {Bytes({1, 2, 3, 4, 5}), Bytes({1, 2, 3, 4, 5, 6, 7})}) {
    ScriptedUi bad;
    EXPECT_FALSE(MacText(r, bad));
    EXPECT_EQ(bad.Last(), "Failure to obtain MAC address");
  }
}

TEST(MaintReplies, LogStopsAtNulAndCapacity) {
  std::vector<std::uint8_t> full(4096, 'a');
  full.push_back('b');  // beyond the capacity: never shown
  const struct {
    std::vector<std::uint8_t> reply;
    std::string text;
  } cases[] = {
      {Bytes({'o', 'k', 0, 'x', 'y'}), "ok"},
      {Bytes({0xE3, 0x81, 0x82, '\n'}), "\xE3\x81\x82\n"},            // UTF-8 as it is
      {Bytes({'a', 0xFF, 'b'}), "a\xEF\xBF\xBD" "b"},                  // a stray byte
      {Bytes({'a', 0xE3, 0x81}), "a\xEF\xBF\xBD\xEF\xBF\xBD"},          // cut sequence
      {Bytes({0xC0, 0xAF}), "\xEF\xBF\xBD\xEF\xBF\xBD"},                // overlong
      {full, std::string(4096, 'a')},
  };
  for (const auto& c : cases) EXPECT_EQ(LogText(c.reply), c.text);
}

class MaintMenuChecks : public ::testing::Test {
 protected:
  std::unique_ptr<SettingData> record = testing::Defaults();
};

TEST_F(MaintMenuChecks, PresetChecksInOrder) {
  PiCh& pi = record->IO.PI[4];  // PI 5
  pi.TYPE = kTypeCard;
  pi.MODE = 0;  // SUM
  const struct {
    double scale;
    std::u16string value;
    std::string message;  // empty: accepted
  } cases[] = {
      {1.0, u"4294967295", ""},
      {1.0, u"4294967296", "Setting error: Preset value (overflow)"},
      {0.5, u"2147483648", "Setting error: Preset value (overflow)"},  // value / scale above 2^32 - 1
      {0.5, u"2147483647.5", ""},
      {1.0, u"-1", "Setting error: Preset value (overflow)"},          // opposite sign to the scale
      {-1.0, u"1", "Setting error: Preset value (overflow)"},
      {-1.0, u"-5", ""},
      {0.0, u"0", ""},
      {0.0, u"1", "Setting error: Preset value (overflow)"},
      {1.0, u"1.0001", "Setting error: Preset value"},                  // 3 decimals at most
      {1.0, u"abc", "Setting error: Preset value"},
  };
  for (const auto& c : cases) {
    pi.SCALE = c.scale;
    ScriptedUi ui;
    const auto doc = PresetPayload(*record, 5, c.value, ui);
    const std::string shown = std::string(c.value.begin(), c.value.end());
    EXPECT_EQ(doc.has_value(), c.message.empty()) << shown;
    if (!c.message.empty()) {
      ASSERT_EQ(ui.messages.size(), 1u) << shown;
      EXPECT_EQ(ui.messages[0].text.substr(0, c.message.size()), c.message) << shown;
      EXPECT_EQ(ui.messages[0].icon, Icon::Error) << shown;
    } else {
      EXPECT_EQ(*doc, PresetDocument("PI", 5, shown));
    }
  }
}

TEST_F(MaintMenuChecks, ChannelsThatCannotBePreset) {
  const struct {
    std::int32_t type, mode, modeTcp;
    bool preset;
  } cases[] = {
      {kTypeNone, 0, 0, false}, {kTypeCard, 0, 0, true},  {kTypeCard, 1, 0, false},
      {kTypeModbusTcp, 1, 0, true}, {kTypeModbusTcp, 0, 1, false}, {kTypeSlmp, 0, 2, false},
      {5 /* REG */, 0, 0, false}, {4 /* DI */, 0, 0, true},
  };
  for (const auto& c : cases) {
    PiCh& pi = record->IO.PI[0];
    pi.TYPE = c.type;
    pi.MODE = c.mode;
    pi.MODE_TCP = c.modeTcp;
    pi.SCALE = 1;
    ScriptedUi ui;
    EXPECT_EQ(PresetPayload(*record, 1, u"10", ui).has_value(), c.preset) << c.type;
    if (!c.preset) {
      EXPECT_EQ(ui.Last(), "No presetting for this channel.");
      EXPECT_EQ(ui.messages.back().icon, Icon::Information);
    }
  }
}

TEST_F(MaintMenuChecks, PresetDocumentAndDeviceParse) {
  const std::string doc = PresetDocument("PI", 12, "-1.5");
  EXPECT_EQ(doc,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TK48_CMD>\r\n<PI>\r\n<CH12>-1.5</CH12>\r\n</PI>\r\n"
            "</TK48_CMD>\r\n");
  const auto bytes = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
  const auto cmd = ParsePresetDocument(bytes(doc));
  ASSERT_TRUE(cmd);
  EXPECT_EQ(cmd->channel, 12);
  EXPECT_EQ(cmd->value, "-1.5");
  for (const std::string& bad : {PresetDocument("PI", 129, "1"), PresetDocument("PI", 0, "1"),
                                 PresetDocument("AI", 1, "1"), PresetDocument("PI", 1, "x"),
                                 PresetDocument("PI", 1, ""), doc.substr(0, doc.size() - 2)}) {
    EXPECT_FALSE(ParsePresetDocument(bytes(bad))) << bad;
  }
  // The rows name only the channels in use.
  record->IO.PI[1].TYPE = kTypeCard;
  std::strcpy(record->IO.PI[1].NAME, "Flow");
  std::strcpy(record->IO.PI[2].NAME, "Unused");
  const auto rows = PresetChannelRows(*record);
  ASSERT_EQ(rows.size(), 128u);
  EXPECT_EQ(rows[1], "02 Flow");
  EXPECT_EQ(rows[2], "03 ");
}

TEST_F(MaintMenuChecks, TestMailPayloads) {
  auto& forms = record->MAIL_REPORT.FORM;
  forms[2].MODE = 1;
  forms[2].DST[7] = 1;   // template 3: in use, one recipient
  forms[3].MODE = 1;     // template 4: in use, nobody
  forms[100].MODE = 1;
  forms[100].DST[0] = 1;
  forms[127].MODE = 1;
  forms[127].DST[63] = 1;
  const struct {
    int number;
    int payload;  // -1: refused
    std::string_view message;
  } cases[] = {
      {3, 2, ""},
      {128, 127, ""},
      {4, -1, "No mail address is specified for event."},
      {5, -1, "The event is disabled."},
      {101, -1, "Mail template 101 cannot be sent as a test mail"},  // would send the regular report
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    const auto p = TestMailPayload(*record, c.number, ui);
    EXPECT_EQ(p ? *p : -1, c.payload) << c.number;
    if (c.payload < 0) {
      EXPECT_EQ(ui.Last().substr(0, c.message.size()), c.message) << c.number;
    }
  }

  auto& report = record->MAIL_REPORT.TIME;
  ScriptedUi off;
  report.MODE = 0;
  EXPECT_FALSE(TestReportPayload(*record, off));
  EXPECT_EQ(off.Last(), "Regular reporting is disabled.");
  report.MODE = 1;
  report.MAIL[0] = 1u << 3;  // template 4: in use without a recipient
  ScriptedUi none;
  EXPECT_FALSE(TestReportPayload(*record, none));
  EXPECT_EQ(none.Last(), "No mail address is specified.");
  report.MAIL[0] |= 1u << 2;  // template 3
  ScriptedUi ok;
  EXPECT_EQ(TestReportPayload(*record, ok), std::optional<std::uint8_t>(100));
}

TEST_F(MaintMenuChecks, StatusAndLogging) {
  ScriptedUi ui;
  EXPECT_FALSE(CheckOpemonVersion(1, ui));
  EXPECT_EQ(ui.Last(), "Unsupported version");
  EXPECT_TRUE(CheckOpemonVersion(2, ui));
  EXPECT_FALSE(CheckSdCard(false, SdUse::Disk, ui));
  EXPECT_EQ(ui.Last(), "No disk");
  EXPECT_FALSE(CheckSdCard(false, SdUse::FtpTest, ui));
  EXPECT_EQ(ui.Last(), "Insert SD card.");
  EXPECT_EQ(ui.messages.size(), 3u);

  record->RECORD.LOGGING.MODE = 0;
  EXPECT_FALSE(CheckLoggingEnabled(*record, ui));
  EXPECT_EQ(ui.Last(), "Logging is disabled.");
  record->RECORD.LOGGING.MODE = 1;
  EXPECT_TRUE(CheckLoggingEnabled(*record, ui));
  // The device's running flag decides, never the setting data.
  EXPECT_EQ(NextLoggingStep(true).payload[0], 0);
  EXPECT_EQ(NextLoggingStep(false).payload[0], 1);
}

}  // namespace
}  // namespace tk48::maint
