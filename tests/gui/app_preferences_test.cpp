// Start-up: the preferences read into the application object, their defaults,
// and the login state of a new run.
#include <QFile>
#include <QSettings>

#include "app/connection_text.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

using AppStartup = GuiTest;

TEST_F(AppStartup, EmptyStoreGivesTheDefaults) {
  Start();
  EXPECT_TRUE(app.connection.usb);
  EXPECT_EQ(app.connection.comPort, 1);
  EXPECT_EQ(app.connection.netPort, 30341);
  EXPECT_EQ(app.connection.entryName, "");
  EXPECT_TRUE(app.confirmAccessMode);
  EXPECT_TRUE(app.tagMessage);
  EXPECT_EQ(app.csvDir, "");
  EXPECT_FALSE(app.login.loggedIn);
  // Start-up reads and never writes.
  EXPECT_TRUE(QSettings(QStringLiteral("VELTRA"), QStringLiteral("TK48GCFG")).allKeys().isEmpty());
}

TEST_F(AppStartup, StoredValuesAreReadByTheirNames) {
  // Written the way another program would: organisation, application, section/value.
  {
    QSettings raw(QStringLiteral("VELTRA"), QStringLiteral("TK48GCFG"));
    raw.setValue("TK48GCFG/COMTYPE", 0);
    raw.setValue("TK48GCFG/COM", 7);
    raw.setValue("TK48GCFG/NETPORT", 4000);
    raw.setValue("TK48GCFG/NET", QString::fromUtf8("装置A"));
    raw.setValue("TK48GCFG/CONNECT_CONFIRM", 0);
    raw.setValue("TK48GCFG/TAG_MESSAGE", 0);
    raw.setValue("TK48GCFG/CSV_DIR_PATH", "/data/csv");
  }
  Start();
  EXPECT_FALSE(app.connection.usb);
  EXPECT_EQ(app.connection.comPort, 7);
  EXPECT_EQ(app.connection.netPort, 4000);
  EXPECT_EQ(app.connection.entryName, "装置A");
  EXPECT_FALSE(app.confirmAccessMode);
  EXPECT_FALSE(app.tagMessage);
  EXPECT_EQ(app.csvDir, "/data/csv");
}

TEST_F(AppStartup, UnreadableNumbersTakeTheirDefaults) {
  Store(pref::kComType, "USB");
  Store(pref::kNetPort, "");
  Start();
  EXPECT_TRUE(app.connection.usb);
  EXPECT_EQ(app.connection.netPort, 30341);
}

TEST_F(AppStartup, LoginStartsAsThePlaceholderAndLogoutRestoresIt) {
  Start();
  EXPECT_EQ(app.login.login, kLoginPlaceholder);
  EXPECT_EQ(app.login.password, kLoginPlaceholder);
  app.login = {"admin", "secret", true};
  app.Logout();
  EXPECT_FALSE(app.login.loggedIn);
  EXPECT_EQ(app.login.login, kLoginPlaceholder);
  EXPECT_EQ(app.login.password, kLoginPlaceholder);
}

TEST_F(AppStartup, DeviceContextCarriesTheAddressBookAndTheComOverride) {
  StoreEntry(3, "line", "192.0.2.7");
  Store(ComPortPreferenceKey(4), "/tmp/tk48-test-port");
  Store(pref::kCom, 4);
  Start();
  DeviceContext ctx = app.DeviceCtx();
  EXPECT_EQ(ctx.settings.addressBook[2].name, "line");
  EXPECT_EQ(ctx.settings.addressBook[2].address, "192.0.2.7");
  EXPECT_EQ(ctx.comPath(4), "/tmp/tk48-test-port");
  EXPECT_TRUE(ctx.tagMessage);
}

// RESULT_POLL_LIMIT bounds the wait for a device that stays "processing".
TEST_F(AppStartup, ResultPollLimitInSeconds) {
  Start();
  EXPECT_EQ(app.DeviceCtx().transferTiming.pollLimit, std::chrono::seconds(300));
  const struct {
    int stored;
    std::chrono::milliseconds limit;
  } cases[] = {{20, std::chrono::seconds(20)}, {1, std::chrono::seconds(1)}, {0, std::chrono::seconds(300)},
               {-5, std::chrono::seconds(300)}};
  for (const auto& c : cases) {
    Store(pref::kResultPollLimit, c.stored);
    EXPECT_EQ(app.DeviceCtx().transferTiming.pollLimit, c.limit) << c.stored;
  }
}

// COMPRESS_LEVEL sets the zlib level of an upload; one zlib does not take
// (1 to 9) keeps the default 9.
TEST_F(AppStartup, CompressLevelOfAnUpload) {
  Start();
  EXPECT_EQ(app.DeviceCtx().compressLevel, 9);
  const struct {
    const char* stored;
    int level;
  } cases[] = {{"6", 6}, {"1", 1}, {"9", 9}, {"0", 9}, {"10", 9}, {"-6", 9}, {"fast", 9}};
  for (const auto& c : cases) {
    Store(pref::kCompressLevel, c.stored);
    EXPECT_EQ(app.DeviceCtx().compressLevel, c.level) << c.stored;
  }
}

TEST_F(AppStartup, ConnectionDescription) {
  StoreEntry(1, "plant", "");  // no address: not an entry
  StoreEntry(2, "plant", "10.0.0.2");
  Store(ComPortPreferenceKey(2), "/tmp/tk48-desc");
  struct Case {
    const char* what;
    int comType, com;
    const char* net;
    QString mode, device;
  } cases[] = {
      {"USB, a port without a device", 1, 1, "", "USB", "COM1"},
      {"USB, the overridden port", 1, 2, "", "USB", "/tmp/tk48-desc (COM2)"},
      {"USB, a number outside the list", 1, 25, "", "USB", ""},
      {"network, first present entry of that name", 0, 1, "plant", "Network", "plant (10.0.0.2)"},
      {"network, a name not in the book", 0, 1, "gone", "Network", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Store(pref::kComType, c.comType);
    Store(pref::kCom, c.com);
    Store(pref::kNet, c.net);
    Start();
    const ConnectionText text = DescribeConnection(app);
    EXPECT_EQ(text.accessMode, c.mode);
    EXPECT_EQ(text.device, c.device);
  }
}

}  // namespace
}  // namespace tk48::test
