// The checks around a device transfer that need no device: the result-code
// messages, the firmware check, the address book, the login prompt and the
// loading of configuration text.
#include <gtest/gtest.h>

#include <cstring>

#include "link/device_result.h"
#include "link/transfers.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

using testing::Defaults;

TEST(DeviceResult, EachCodeShowsItsTextWithTheErrorIcon) {
  const struct {
    std::int32_t code;
    const char* message;
    const char* shown;  // nullptr: nothing at all
  } cases[] = {
      {1, "", "Processing"},
      {3, "ignored", "Failed to save setting."},
      {101, "IO.AI[3].SCALE_100", "Cannot save: Unsupported setting value(s).\nIO.AI[3].SCALE_100"},
      {101, "", "Cannot save: Unsupported setting value(s).\n"},
      {101, "50%s off", "Cannot save: Unsupported setting value(s).\n50%s off"},  // the text is data, not a format
      {102, "", "Cannot save: Setting data corruption."},
      {103, "", "Cannot change logging setting during logging."},
      // 210 has its own entry: string-table entry 210 is an editor text.
      {210, "", "Error"},
      {100, "whatever", nullptr},
      {0, "", "Error.\nCODE:0"},
      {2, "", "Error.\nCODE:2"},
      {104, "", "Error.\nCODE:104"},
      {255, "", "Error.\nCODE:255"},
      {-46, "", "Error.\nCODE:-46"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    ScriptedUi ui;
    ShowDeviceResult(c.code, c.message, ui);
    if (!c.shown) {
      EXPECT_TRUE(ui.messages.empty());
      continue;
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.shown);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
  }
}

TEST(FirmwareCheck, OldFirmwareReadsOnlySomeSlmpDeviceCodesForPulseInputs) {
  constexpr const char* kPi7 = "Setting error: PI7\nSLMP device not supported by this TK48 version.";
  const struct {
    const char* name;
    int major;
    std::int32_t type;
    std::uint16_t code;
    const char* shown;  // nullptr: accepted
  } cases[] = {
      {"0x5A on version 1", 1, kTypeSlmp, 0x5A, nullptr},
      {"0x90 on version 1", 1, kTypeSlmp, 0x90, kPi7},
      {"0x90 on version 0", 0, kTypeSlmp, 0x90, kPi7},
      {"0x90 on version 2", 2, kTypeSlmp, 0x90, nullptr},
      {"0x90 on version 3", 3, kTypeSlmp, 0x90, nullptr},
      {"0x90 on a Modbus channel", 1, kTypeModbusTcp, 0x90, nullptr},
      {"0x1056 on version 1", 1, kTypeSlmp, 0x1056, nullptr},
      {"0x1057 on version 1", 1, kTypeSlmp, 0x1057, kPi7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto record = Defaults();
    record->IO.PI[6].TYPE = c.type;
    record->IO.PI[6].SLMP_DEV_CODE = c.code;
    ScriptedUi ui;
    EXPECT_EQ(FirmwareAccepts(*record, c.major, ui), c.shown == nullptr);
    if (c.shown) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.Last(), c.shown);
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    } else {
      EXPECT_TRUE(ui.messages.empty());
    }
  }
}

TEST(FirmwareCheck, EveryListedCodePassesAndTheFirstBadChannelIsNamed) {
  auto record = Defaults();
  const std::uint16_t listed[] = {0x52, 0x56, 0x5A, 0x62, 0x1056, 0x1062};
  for (int i = 0; i < 6; ++i) {
    record->IO.PI[i].TYPE = kTypeSlmp;
    record->IO.PI[i].SLMP_DEV_CODE = listed[i];
  }
  ScriptedUi ui;
  EXPECT_TRUE(FirmwareAccepts(*record, 1, ui));
  record->IO.PI[127].TYPE = kTypeSlmp;  // the last channel, code 0
  record->IO.PI[40].TYPE = kTypeSlmp;
  record->IO.PI[40].SLMP_DEV_CODE = 0x90;
  EXPECT_FALSE(FirmwareAccepts(*record, 1, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.Last(), "Setting error: PI41\nSLMP device not supported by this TK48 version.");
}

TEST(NetworkAddress, TheFirstPresentEntryWithTheExactNameGivesTheAddress) {
  ConnectionSettings settings;
  settings.addressBook[1] = {"plant", ""};  // no address: not an entry, as the connection lines count it
  settings.addressBook[3] = {"plant", "10.0.0.4"};
  settings.addressBook[7] = {"Plant", "10.0.0.8"};
  settings.addressBook[9] = {"plant", "10.0.0.10"};
  settings.addressBook[31] = {"last", "logger.example"};
  const struct {
    const char* entry;
    const char* address;  // nullptr: "Illegal network address"
  } cases[] = {
      {"plant", "10.0.0.4"}, {"Plant", "10.0.0.8"}, {"last", "logger.example"},
      {"PLANT", nullptr},    {"plant ", nullptr},   {"plan", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    settings.entryName = c.entry;
    ScriptedUi ui;
    const auto address = ResolveNetworkAddress(settings, ui);
    if (c.address) {
      EXPECT_EQ(address, c.address);
      EXPECT_TRUE(ui.messages.empty());
    } else {
      EXPECT_FALSE(address);
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.Last(), "Illegal network address");
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    }
  }
}

TEST(Login, ThePromptAppearsOnlyWhileNotLoggedIn) {
  {
    SCOPED_TRACE("logged in: the stored login is reused");
    LoginState login{"admin", "secret", true};
    ScriptedUi ui;
    EXPECT_TRUE(EnsureLogin(login, ui));
    EXPECT_EQ(ui.loginPrompts, 0);
    EXPECT_EQ(login.password, "secret");
  }
  {
    SCOPED_TRACE("cancelled: nothing changes");
    LoginState login{"old", "oldpw", false};
    ScriptedUi ui;
    ui.logins.push_back(std::nullopt);
    EXPECT_FALSE(EnsureLogin(login, ui));
    EXPECT_EQ(ui.loginPrompts, 1);
    EXPECT_EQ(login.login, "old");
    EXPECT_EQ(login.password, "oldpw");
  }
  {
    SCOPED_TRACE("confirmed: both texts replaced, the flag waits for the login");
    LoginState login{"old", "oldpw", false};
    ScriptedUi ui;
    ui.logins.push_back(Credentials{"admin", ""});
    EXPECT_TRUE(EnsureLogin(login, ui));
    EXPECT_EQ(login.login, "admin");
    EXPECT_EQ(login.password, "");
    EXPECT_FALSE(login.loggedIn);
  }
}

TEST(DeviceStatusText, VersionAndFlags) {
  const DeviceStatus status{0x3E, 2, 10, 300, 3};
  EXPECT_EQ(VersionText(status), "TK48-G Ver. 2.10.300");
  EXPECT_TRUE(status.sdCard());
  EXPECT_TRUE(status.logging());
  EXPECT_FALSE((DeviceStatus{0x3E, 1, 0, 0, 2}).sdCard());
}

TEST(LoadSettingsText, StartsFromTheDefaults) {
  auto expected = Defaults();
  expected->SYSTEM.TIMEZONE = 5;
  const std::string text = ConfigurationText(*expected);

  auto record = NewSettingData();
  std::memset(record.get(), 0x5A, sizeof(SettingData));  // whatever the record held before
  ScriptedUi ui;
  EXPECT_TRUE(LoadSettingsText(*record, text, ui, true));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ConfigurationText(*record), text);

  // A document holding one field leaves every other field at its default.
  auto partial = NewSettingData();
  std::memset(partial.get(), 0x5A, sizeof(SettingData));
  EXPECT_TRUE(LoadSettingsText(*partial, "<TK48G_CFG>\r\n</TK48G_CFG>\r\n", ui, true));
  EXPECT_EQ(ConfigurationText(*partial), ConfigurationText(*Defaults()));

  EXPECT_FALSE(LoadSettingsText(*record, "not a configuration", ui, true));
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().icon, Icon::Error);
}

}  // namespace
}  // namespace tk48
