// "Web server", its identity screen and the browser rights pages: the port
// rules in their order, duplicate logins, whole-identity paste, the login
// checks whatever the mode, the bit sets the pages write, and Cancel at
// every level.
#include <QTabWidget>
#include <cstring>
#include <string>

#include "editors/com/CDlgSetComWebAuth.h"
#include "editors/com/CDlgSetComWebAuthConf.h"
#include "editors/com/CDlgSetComWebAuthCtrl.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::Put;
using test::ShowActive;
using test::WhenMenu;
using test::WhenModal;

constexpr std::int32_t kNoUse = 0, kUse = 1;

class WebServer : public test::EditorTest {
 protected:
  WebServer() {
    // Every identity its own login; identity 1 enabled, the rest not.
    for (int i = 0; i < 32; ++i) Put(web().AUTH[i].LOGIN, "user" + std::to_string(i + 1));
  }
  WebBlock& web() { return record->COM.WEB; }
  bool Unchanged(const SettingData& before) const { return SameRecord(*record, before); }
  // Chooses `entry` in the context menu of the list's row `row`.
  static void MenuOn(ListView* list, int row, const char* entry) {
    list->SelectRow(row);
    WhenMenu([entry](QMenu& menu) { test::Choose(menu, test::Entry(menu, entry)); });
    list->ContextMenu({});
  }
  static void Tick(ListView* page, int row) {
    page->model()->setData(page->model()->index(row, 0), Qt::Checked, Qt::CheckStateRole);
  }
};

TEST_F(WebServer, ProtocolPicksWriteTheStandardPortAndHttpsRefuses80) {
  web().PROTOCOL = 0;
  web().PORT = 8080;
  CDlgSetComWebAuth editor(nullptr, *record, ui);
  ShowActive(editor);
  EXPECT_EQ(editor.port->text(), "8080") << "Load does not write the standard port";
  Pick(editor.protocol, 1);
  EXPECT_EQ(editor.port->text(), "443");
  editor.port->setText("8443");
  emit editor.protocol->activated(1);  // the same protocol picked again
  EXPECT_EQ(editor.port->text(), "443");
  editor.port->setText(" 80");
  Click(editor.okButton);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Last(), "Setting error: The port address is unusable.");
  Pick(editor.protocol, 0);
  EXPECT_EQ(editor.port->text(), "80");
  Pick(editor.protocol, 1);
  QTest::keyClick(&editor, Qt::Key_Return);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(web().PROTOCOL, 1);
  EXPECT_EQ(web().PORT, 443);
}

TEST_F(WebServer, OkRefusesInItsOrder) {
  record->COM.FTP.PORT = 21;
  record->COM.MODBUS_TCP.PORT = 502;
  const struct {
    const char* what;
    int protocol;
    const char* port;
    std::function<void(WebBlock&)> identities;
    std::string message;
  } cases[] = {
      {"port not a number", 0, "8o", {}, "Setting error: Port address"},
      {"port out of range", 0, "65536", {}, "Setting error: Port address\nUsable range: 0 to 65535"},
      {"the FTP port, before the HTTPS rule", 1, "21", {}, "Setting error: Duplicate port address"},
      {"the Modbus/TCP port", 0, "502", {}, "Setting error: Duplicate port address"},
      {"HTTPS on 80", 1, "80", {}, "Setting error: The port address is unusable."},
      {"two enabled empty logins", 0, "80",
       [](WebBlock& w) {
         w.AUTH[4].MODE = w.AUTH[9].MODE = kUse;
         Put(w.AUTH[4].LOGIN, "");
         Put(w.AUTH[9].LOGIN, "");
       },
       "Login ID:  duplicated"},
      {"the first pair in ascending order", 0, "80",
       [](WebBlock& w) {
         w.AUTH[3].MODE = w.AUTH[5].MODE = w.AUTH[7].MODE = kUse;
         Put(w.AUTH[7].LOGIN, "user3");
         Put(w.AUTH[5].LOGIN, "user1");
       },
       "Login ID: user1 duplicated"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    for (int i = 0; i < 32; ++i) Put(web().AUTH[i].LOGIN, "user" + std::to_string(i + 1));
    record->COM.FTP.PORT = 21;
    record->COM.MODBUS_TCP.PORT = 502;
    web().PROTOCOL = c.protocol;
    if (c.identities) c.identities(web());
    const auto before = Snapshot();
    ui.messages.clear();
    CDlgSetComWebAuth editor(nullptr, *record, ui);
    ShowActive(editor);
    editor.port->setText(c.port);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.Last(), c.message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(Unchanged(*before));
  }
}

TEST_F(WebServer, SameLoginOnADisabledIdentityIsAccepted) {
  Put(web().AUTH[1].LOGIN, "user1");
  web().AUTH[1].MODE = kNoUse;
  CDlgSetComWebAuth editor(nullptr, *record, ui);
  ShowActive(editor);
  Click(editor.okButton);
  EXPECT_FALSE(editor.isVisible()) << ui.Last();
}

TEST_F(WebServer, PasteCopiesTheWholeIdentityAndOkThenFindsTheDuplicate) {
  web().AUTH[0].CTRL_MD[3] = 0x1234;
  web().AUTH[1].MODE = kNoUse;
  const auto before = Snapshot();
  CDlgSetComWebAuth editor(nullptr, *record, ui);
  ShowActive(editor);
  EXPECT_EQ(editor.identities->model()->index(0, 1).data().toString(), "Enable");
  EXPECT_EQ(editor.identities->model()->index(1, 1).data().toString(), "Disable");
  EXPECT_EQ(editor.identities->model()->index(1, 2).data().toString(), "user2");
  MenuOn(editor.identities, 0, "Copy");
  MenuOn(editor.identities, 1, "Paste");
  EXPECT_EQ(editor.identities->model()->index(1, 1).data().toString(), "Enable");
  EXPECT_EQ(editor.identities->model()->index(1, 2).data().toString(), "user1");
  EXPECT_EQ(editor.Working()[1].CTRL_MD[3], 0x1234u);
  EXPECT_TRUE(Unchanged(*before)) << "nothing before OK";
  Click(editor.okButton);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Last(), "Login ID: user1 duplicated");
}

TEST_F(WebServer, IdentityLoginIsCheckedWhateverTheModeButEnablingIsFree) {
  WebAccount& id = web().AUTH[2];
  id.MODE = kNoUse;
  Put(id.LOGIN, std::string(20, 'x'));
  const auto before = Snapshot();
  CDlgSetComWebAuthConf editor(nullptr, id, 2, *record, ui);
  ShowActive(editor);
  EXPECT_EQ(editor.windowTitle(), "ID3");
  for (QWidget* w : std::initializer_list<QWidget*>{editor.login, editor.password, editor.channelButton,
                                                    editor.scheduleButton})
    EXPECT_FALSE(w->isEnabled());
  Click(editor.okButton);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Last(), "Setting error: Login ID\nMax. 16 characters");
  ui.messages.clear();
  Pick(editor.mode, 1);
  EXPECT_EQ(editor.mode->currentIndex(), 1) << "enabling is accepted";
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(editor.channelButton->isEnabled());
  EXPECT_TRUE(Unchanged(*before));
  // A letter outside the login set: the field message alone.
  editor.login->setText(QString::fromUtf8("J\xC3\xB6rg"));
  Click(editor.okButton);
  EXPECT_EQ(ui.Last(), "Setting error: Login ID");
  editor.login->setText("joerg");
  editor.password->setText(QString(17, 'p'));
  Click(editor.okButton);
  EXPECT_EQ(ui.Last(), "Setting error: Password\nMax. 16 characters");
  editor.password->setText("p@ss");
  QTest::keyClick(&editor, Qt::Key_Return);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(id.MODE, kUse);
  EXPECT_STREQ(id.LOGIN, "joerg");
  EXPECT_STREQ(id.PASSWORD, "p@ss");
}

TEST_F(WebServer, RightsPagesWriteTheirBitSets) {
  WebAccount& id = web().AUTH[0];
  std::strcpy(record->IO.AO[4].NAME, "Valve");
  record->IO.AO[4].TYPE = 1;
  std::strcpy(record->IO.AO[5].NAME, "Unused");
  record->IO.AO[5].TYPE = 0;
  CDlgSetComWebAuthCtrlCh rights(nullptr, id, *record, ui);
  ASSERT_EQ(rights.PageCount(), 5);
  QStringList tabs;
  int rows = 0;
  for (int i = 0; i < 5; ++i) {
    tabs << rights.Tabs()->tabText(i);
    rows += rights.Page(i)->model()->rowCount();
  }
  EXPECT_EQ(tabs, (QStringList{"MA", "MD", "AO", "DO", "GDO"}));
  EXPECT_EQ(rows, 736);
  ListView* ao = rights.Page(2);
  EXPECT_EQ(ao->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("名称"));
  EXPECT_EQ(ao->model()->index(4, 0).data().toString(), "05");
  EXPECT_EQ(ao->model()->index(4, 1).data().toString(), "Valve");
  EXPECT_EQ(ao->model()->index(5, 1).data().toString(), "") << "an AO not in use shows no name";
  EXPECT_EQ(rights.Page(0)->model()->index(99, 0).data().toString(), "100");
  Tick(ao, 4);     // a box click
  ao->Edit(39);    // a double-click toggles
  ShowActive(rights);
  QTest::keyClick(&rights, Qt::Key_Return);
  EXPECT_FALSE(rights.isVisible());
  EXPECT_EQ(id.CTRL_AO[0], 0x00000010u);
  EXPECT_EQ(id.CTRL_AO[1], 0x00000080u);
}

TEST_F(WebServer, ClearAllOnOnePageChangesOnlyItsBitSet) {
  WebAccount& id = web().AUTH[0];
  for (auto* words : {&id.CTRL_MD, &id.CTRL_MA}) std::fill(std::begin(*words), std::end(*words), 0xFFFFFFFFu);
  std::fill(std::begin(id.CTRL_DO), std::end(id.CTRL_DO), 0xA5A5A5A5u);
  id.CTRL_GDO[0] = 0x80000001u;
  id.CTRL_AO[0] = 3;
  id.CTRL_SU[0] = 7;
  const WebAccount before = id;
  CDlgSetComWebAuthCtrlCh rights(nullptr, id, *record, ui);
  ShowActive(rights);
  rights.Tabs()->setCurrentIndex(1);
  MenuOn(rights.Page(1), 0, "Clear all");
  Click(rights.okButton());
  for (const std::uint32_t word : id.CTRL_MD) EXPECT_EQ(word, 0u);
  id.CTRL_MD[0] = 0;
  EXPECT_EQ(std::memcmp(id.CTRL_MA, before.CTRL_MA, sizeof id.CTRL_MA), 0);
  EXPECT_EQ(std::memcmp(id.CTRL_DO, before.CTRL_DO, sizeof id.CTRL_DO), 0);
  EXPECT_EQ(id.CTRL_GDO[0], before.CTRL_GDO[0]);
  EXPECT_EQ(id.CTRL_AO[0], before.CTRL_AO[0]);
  EXPECT_EQ(id.CTRL_SU[0], before.CTRL_SU[0]);
}

TEST_F(WebServer, ScheduleUnitRightsNameEnabledUnits) {
  WebAccount& id = web().AUTH[0];
  std::strcpy(record->SCHEDULE.UNIT[1].NAME, "Pumps");
  record->SCHEDULE.UNIT[1].MODE = kUse;
  std::strcpy(record->SCHEDULE.UNIT[2].NAME, "Off");
  record->SCHEDULE.UNIT[2].MODE = kNoUse;
  id.CTRL_SU[0] = 0x80000000u;
  CDlgSetComWebAuthCtrlSu rights(nullptr, id, *record, ui);
  ListView* units = rights.Page(0);
  EXPECT_EQ(units->model()->rowCount(), 32);
  EXPECT_EQ(units->model()->index(1, 0).data().toString(), "02");
  EXPECT_EQ(units->model()->index(1, 1).data().toString(), "Pumps");
  EXPECT_EQ(units->model()->index(2, 1).data().toString(), "");
  EXPECT_EQ(units->model()->index(31, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  MenuOn(units, 0, "Select all");
  Click(rights.okButton());
  EXPECT_EQ(id.CTRL_SU[0], 0xFFFFFFFFu);
}

// Cancel at any level discards that level and everything under it; the record
// changes only with the web server's OK.
TEST_F(WebServer, CancelAtEveryLevelLeavesTheRecord) {
  const auto before = Snapshot();
  CDlgSetComWebAuth editor(nullptr, *record, ui);
  ShowActive(editor);
  const auto tickAo5Then = [](CDlgSetComWebAuthCtrlCh& rights, bool ok) {
    Tick(rights.Page(2), 4);
    Click(ok ? rights.okButton() : rights.cancelButton());
  };
  {
    SCOPED_TRACE("rights cancelled, identity OK");
    WhenModal<CDlgSetComWebAuthConf>([&](CDlgSetComWebAuthConf& identity) {
      WhenModal<CDlgSetComWebAuthCtrlCh>([&](CDlgSetComWebAuthCtrlCh& r) { tickAo5Then(r, false); });
      Click(identity.channelButton);
      EXPECT_EQ(identity.Working().CTRL_AO[0], 0u);
      Click(identity.okButton);
    });
    editor.identities->Edit(0);
    EXPECT_EQ(editor.Working()[0].CTRL_AO[0], 0u);
  }
  {
    SCOPED_TRACE("rights OK, identity cancelled");
    WhenModal<CDlgSetComWebAuthConf>([&](CDlgSetComWebAuthConf& identity) {
      WhenModal<CDlgSetComWebAuthCtrlCh>([&](CDlgSetComWebAuthCtrlCh& r) { tickAo5Then(r, true); });
      Click(identity.channelButton);
      EXPECT_EQ(identity.Working().CTRL_AO[0], 0x10u);
      identity.login->setText("changed");
      Click(identity.cancelButton);
    });
    editor.identities->Edit(0);
    EXPECT_EQ(editor.Working()[0].CTRL_AO[0], 0u);
    EXPECT_STREQ(editor.Working()[0].LOGIN, "user1");
  }
  {
    SCOPED_TRACE("rights and identity OK, web server cancelled");
    WhenModal<CDlgSetComWebAuthConf>([&](CDlgSetComWebAuthConf& identity) {
      WhenModal<CDlgSetComWebAuthCtrlCh>([&](CDlgSetComWebAuthCtrlCh& r) { tickAo5Then(r, true); });
      Click(identity.channelButton);
      Click(identity.okButton);
    });
    editor.identities->Edit(0);
    EXPECT_EQ(editor.Working()[0].CTRL_AO[0], 0x10u);
    EXPECT_TRUE(Unchanged(*before));
    Click(editor.cancelButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(Unchanged(*before));
  }
  CDlgSetComWebAuth again(nullptr, *record, ui);
  ShowActive(again);
  WhenModal<CDlgSetComWebAuthConf>([&](CDlgSetComWebAuthConf& identity) {
    WhenModal<CDlgSetComWebAuthCtrlCh>([&](CDlgSetComWebAuthCtrlCh& r) { tickAo5Then(r, true); });
    Click(identity.channelButton);
    Click(identity.okButton);
  });
  again.identities->Edit(0);
  Click(again.okButton);
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(web().AUTH[0].CTRL_AO[0], 0x10u) << "the web server's OK stores it";
}

}  // namespace
}  // namespace tk48
