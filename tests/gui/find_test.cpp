// The hub's search: Ctrl+F, a search, a hit opened at its item with the field
// focused and its OK committing; a hit in every hub section opens the screen
// that edits it through its parent screens.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <cstring>

#include "app/CDlgSetMain.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/mail/CDlgSetRepTime.h"
#include "editors/system/CDlgSetSystem.h"
#include "editors/toolkit/find_results.h"
#include "editors/toolkit/list_screen.h"
#include "gui_fixture.h"
#include "model/defaults.h"

namespace tk48::test {
namespace {

template <std::size_t N>
void Put(char (&field)[N], const char* text) {
  std::memset(field, 0, N);
  std::strncpy(field, text, N - 1);
}

// The screens a hit opened, innermost first ("CDlgSetRecordLoggingPenConf <
// ListScreen < CDlgSetRecordLogging"), with the innermost screen's title and
// focused field; every screen is closed with Cancel once seen.
struct Opened {
  QString chain;
  QString title;
  QWidget* focus = nullptr;
};

QString ClassOf(const QObject* o) { return QString::fromLatin1(o->metaObject()->className()).remove("tk48::"); }

class FindTest : public GuiTest {
 protected:
  FindTest() {
    ApplyNewSetting(*record);
    Start();
  }

  std::unique_ptr<CDlgSetMain> OpenHub() {
    auto hub = std::make_unique<CDlgSetMain>(app, *record, std::string());
    Show(*hub);
    return hub;
  }

  static void Search(CDlgSetMain& hub, const QString& text) {
    QLineEdit* field = hub.Find()->Field();
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  // Runs `open` and reports the screens it brought up once the innermost
  // is `innermost` (or nothing came within the wait); then closes them all.
  static Opened Watch(const QString& innermost, const std::function<void()>& open) {
    Opened seen;
    bool settled = false;
    QElapsedTimer clock;
    clock.start();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!settled && top && top->isVisible() && (ClassOf(top) == innermost || clock.elapsed() > 5000)) {
        settled = true;
        seen.title = top->windowTitle();
        seen.focus = top->focusWidget();
        for (QWidget* w = top; w && ClassOf(w) != "CDlgSetMain"; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
          seen.chain += (seen.chain.isEmpty() ? "" : " < ") + ClassOf(w);
      }
      if (settled && top) top->done(QDialog::Rejected);
    });
    timer.start(5);
    open();
    timer.stop();
    return seen;
  }

  std::unique_ptr<SettingData> record = NewSettingData();
};

TEST_F(FindTest, CtrlFSearchAndDoubleClickOpenTheItemWithItsFieldFocused) {
  Put(record->IO.AI[4].NAME, "Boiler temperature");
  record->IO.AI[4].TYPE = 1;
  Put(record->OPEMON.PROC[1].NAME, "boiler start");
  auto hub = OpenHub();
  FindPanel& find = *hub->Find();

  hub->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(hub.get()));
  QTest::keySequence(hub.get(), QKeySequence::Find);
  EXPECT_TRUE(find.Field()->hasFocus());
  find.Field()->setText("BOILER");
  QTest::keyClick(find.Field(), Qt::Key_Return);
  EXPECT_TRUE(hub->isVisible()) << "Enter in the search field searches, it does not leave the hub";
  ASSERT_EQ(find.Results()->Hits().size(), 2u);
  EXPECT_EQ(find.Results()->Hits()[0].path, "IO.AI[5].NAME") << "file order";
  EXPECT_EQ(find.Results()->Hits()[1].path, "OPEMON.PROC[2].NAME");
  EXPECT_EQ(find.Status()->text(), "2 found");
  const auto* model = find.Results()->model();
  EXPECT_EQ(model->index(0, 1).data().toString(), "IO");
  EXPECT_EQ(model->index(0, 2).data().toString(), "Boiler temperature");
  EXPECT_EQ(model->index(0, 3).data().toString(), "Yes");

  // The hit opens AI005 with its name focused; an edit there committed by OK
  // reaches the record and the list.
  Opened seen;
  bool edited = false;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* screen = qobject_cast<CDlgSetIoAiCh*>(QApplication::activeModalWidget());
    if (!screen || !screen->isVisible() || edited || screen->focusWidget() != screen->name) return;
    edited = true;
    seen.title = screen->windowTitle();
    screen->name->setText("Boiler outlet");
    screen->OkStep();
  });
  timer.start(5);
  DoubleClickRow(find.Results(), 0);
  timer.stop();
  EXPECT_TRUE(edited) << "AI005 did not come up with its name focused";
  EXPECT_EQ(seen.title, "AI005");
  EXPECT_STREQ(record->IO.AI[4].NAME, "Boiler outlet");
  EXPECT_EQ(model->index(0, 2).data().toString(), "Boiler outlet");
  EXPECT_TRUE(hub->isVisible());

  // An edit through a section's own button shows in the list at once.
  WhenModal<CDlgSetSystem>([](CDlgSetSystem& system) {
    system.name[0]->setText("Boiler house");
    system.OkStep();
  });
  hub->ScreenButton(Screen::System)->click();
  ASSERT_EQ(find.Results()->Hits().size(), 3u);
  EXPECT_EQ(std::count_if(find.Results()->Hits().begin(), find.Results()->Hits().end(),
                          [](const FindHit& hit) { return hit.value == "Boiler house"; }),
            1);
  EXPECT_EQ(find.Status()->text(), "3 found");

  Search(*hub, "no such text anywhere");
  EXPECT_TRUE(find.Results()->Hits().empty());
  EXPECT_EQ(find.Status()->text(), "Nothing found.");
}

TEST_F(FindTest, EnterOnAHitOpensItAndAFieldWithoutAScreenSaysSo) {
  auto hub = OpenHub();
  FindPanel& find = *hub->Find();
  Search(*hub, "SYSTEM.TIMEZONE");
  ASSERT_EQ(find.Results()->Hits().size(), 1u);
  find.Results()->setFocus();
  const Opened seen = Watch("CDlgSetSystem", [&] { QTest::keyClick(find.Results(), Qt::Key_Return); });
  EXPECT_EQ(seen.chain, "CDlgSetSystem");
  EXPECT_TRUE(hub->isVisible()) << "Enter on the list opens the hit, it does not leave the hub";

  // A path search that matches no path searches the values.
  Put(record->COM.FTPC.FTP_SERVER, "10.0.0.7");
  Search(*hub, "10.0.0.7");
  ASSERT_EQ(find.Results()->Hits().size(), 1u);
  EXPECT_EQ(find.Results()->Hits()[0].path, "COM.FTPC.FTP_SERVER");

  // The device's own address is set on the direct network screens only.
  find.Results()->SetHits({{"COM.TCP_IP.IP_ADDRESS.MY", "192.168.0.1", true}});
  find.Results()->Open(0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "No configuration screen edits COM.TCP_IP.IP_ADDRESS.MY: it belongs to the device's direct network settings.");
  EXPECT_EQ(ui.messages[0].icon, Icon::Information);
}

// The hub's search finds a password by its path and lists it as "(set)"; its
// value finds nothing. The hub has no switch to show it.
TEST_F(FindTest, PasswordsAreListedWithoutTheirValues) {
  Put(record->COM.WEB.AUTH[2].PASSWORD, "n3w-pw");
  auto hub = OpenHub();
  FindPanel& find = *hub->Find();
  const auto* model = find.Results()->model();
  Search(*hub, "COM.WEB.AUTH[3].PASSWORD");
  ASSERT_EQ(find.Results()->Hits().size(), 1u);
  EXPECT_EQ(model->index(0, 2).data().toString(), "(set)");
  EXPECT_EQ(model->index(0, 2).data(Qt::ToolTipRole).toString(), "(set)");

  Search(*hub, "n3w-pw");
  EXPECT_TRUE(find.Results()->Hits().empty());
  EXPECT_EQ(find.Status()->text(), "Nothing found.");
  // The web logins share the passwords' default value: only they are found.
  Search(*hub, "kvmpt");
  EXPECT_EQ(find.Results()->Hits().size(), 32u);
  for (const FindHit& hit : find.Results()->Hits()) EXPECT_NE(hit.path.find(".LOGIN"), std::string::npos) << hit.path;
}

TEST_F(FindTest, ASubScreensOkCommitsThroughItsParentsOk) {
  record->MAIL_REPORT.TIME.MODE = 1;
  record->MAIL_REPORT.TIME.REPORT_TIME[5].MODE = 1;
  record->MAIL_REPORT.TIME.REPORT_TIME[5].OFFSET_MIN = 3;
  auto hub = OpenHub();
  Search(*hub, "MAIL_REPORT.TIME.REPORT_TIME[5].OFFSET_MIN");
  ASSERT_EQ(hub->Find()->Results()->Hits().size(), 1u);
  for (const bool parentOk : {false, true}) {
    SCOPED_TRACE(parentOk ? "the parent's OK" : "the parent's Cancel");
    // The hour's screen (its minutes focused) takes 17 and OK, the list of
    // hours Back, then "Regular report" OK or Cancel.
    bool hourDone = false, parentDone = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* top = QApplication::activeModalWidget();
      if (auto* hour = qobject_cast<CDlgSetRepTimeSendConf*>(top); hour && !hourDone) {
        hourDone = true;
        hour->minutes->setText("17");
        hour->OkStep();
      } else if (auto* hours = qobject_cast<ListScreen*>(top); hours && hourDone) {
        hours->accept();
      } else if (auto* report = qobject_cast<CDlgSetRepTime*>(top); report && hourDone && !parentDone) {
        parentDone = true;
        if (parentOk) {
          report->OkStep();
        } else {
          report->reject();
        }
      }
    });
    timer.start(5);
    hub->Find()->Results()->Open(0);
    timer.stop();
    EXPECT_TRUE(parentDone);
    EXPECT_EQ(record->MAIL_REPORT.TIME.REPORT_TIME[5].OFFSET_MIN, parentOk ? 17 : 3);
    EXPECT_EQ(hub->Find()->Results()->model()->index(0, 2).data().toString(), parentOk ? "17" : "3");
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FindTest, AHitInEveryHubSectionOpensItsScreenThroughItsParents) {
  // A channel of each family in use, so that its sub-screen buttons are enabled.
  record->IO.AI[4].TYPE = 1;
  record->IO.PI[1].TYPE = 1;
  record->IO.AO[2].TYPE = 1;
  record->IO.GDO[1].MODE = 1;
  record->MAIL_REPORT.FORM[2].MODE = 1;
  record->IO.MA[2].TYPE = 1;
  record->RECORD.LOGGING.MODE = 1;
  record->MAIL_REPORT.TIME.MODE = 1;
  struct Case {
    const char* path;
    const char* chain;  // the screens opened, innermost first
    const char* title;  // the innermost screen's title: its item
  } cases[] = {
      {"SYSTEM.NAME2", "CDlgSetSystem", "System"},
      {"IO.AI[5].SCALE_100", "CDlgSetIoAiCh", "AI005"},
      {"IO.AI[5].AREA[2].AREA_NAME", "CDlgSetIoArea < CDlgSetIoAiCh", "Alarm zone setting (AI005)"},
      {"IO.PI[2].AREA[1].LEVEL_UPPER", "CDlgSetIoArea < CDlgSetIoPiCh", "Alarm zone setting (PI002)"},
      {"IO.MA[3].CONST.K[2]", "CDlgSetIoMaFunc < CDlgSetIoMaCh", "Function setting (Addition/Subtraction)"},
      {"IO.AO[3].IO_MAPPING.MODE", "CDlgSetIoAoMap < CDlgSetIoAoCh", ""},
      {"IO.GDO[2].CH[3]", "CDlgSetIoGdoIncCh < CDlgSetIoGdoCh", ""},
      {"IO.NODE_CONF.PORT[4]", "CDlgSetIoNodeConf", "Slave 4"},
      {"COM.FTPC.FTP_SERVER", "CDlgSetComFtpc", ""},
      {"COM.WEB.AUTH[3].LOGIN", "CDlgSetComWebAuthConf < CDlgSetComWebAuth", "ID4"},
      {"COM.SMTP_POP3.MAIL_ADDRESS[4]", "CDlgSetRepAddrConf < ListScreen", "No.04"},
      {"MAIL_REPORT.FORM[3].DST[2]", "CDlgSetRepDstConf < ListScreen < CDlgSetRepFormConf", "02"},
      {"MAIL_REPORT.TIME.REPORT_TIME[5].MODE", "CDlgSetRepTimeSendConf < ListScreen < CDlgSetRepTime", "Set time to send: 5 (hour)"},
      {"DISP.TREND.TREND_PAGE[2].NAME", "CDlgSetDispTrendPage", "Page2"},
      {"DISP.DATA.AI[1]", "CDlgSetDispData", ""},
      {"RECORD.LOGGING.PEN[7].CH", "CDlgSetRecordLoggingPenConf < ListScreen < CDlgSetRecordLogging", "PEN07"},
      {"RECORD.REPORT.PEN[2].SAMPLING", "CDlgSetRecordReportPenConf < ListScreen < CDlgSetRecordReport", "PEN02"},
      // The hourly offsets are not in use at this rate: their parent opens.
      {"RECORD.LOGGING.OFFSET[3].MIN", "CDlgSetRecordLogging", ""},
      {"RECORD.EVENT.DATA_DELETE", "CDlgSetRecordEvent", ""},
      {"SCHEDULE.PATTERN[2].OUT[3].CH", "CDlgSetSchConf < CDlgSetSchPattern", "No.3"},
      {"SCHEDULE.UNIT[4].NAME", "CDlgSetSchUnitReg", "Schedule unit 4"},
      {"OPEMON.PROC[4].NAME", "CDlgSetOpemonProc", "Process 4"},
  };
  auto hub = OpenHub();
  FindPanel& find = *hub->Find();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    Search(*hub, c.path);
    ASSERT_EQ(find.Results()->Hits().size(), 1u);
    const QString chain = QString::fromLatin1(c.chain);
    const Opened seen = Watch(chain.section(' ', 0, 0), [&] { DoubleClickRow(find.Results(), 0); });
    EXPECT_EQ(seen.chain, chain);
    if (*c.title) {
      EXPECT_EQ(seen.title, c.title);
    }
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(hub->isVisible());
}

}  // namespace
}  // namespace tk48::test
