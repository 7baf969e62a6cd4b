// The "System" screen: load, commit of every field, the checks in their order,
// the daylight-saving rule and its enables.
#include <cstring>

#include "editors/system/CDlgSetSystem.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

class SystemEditor : public test::EditorTest {
 protected:
  SystemEditor() {
    SystemSection& s = record->SYSTEM;
    std::strcpy(s.NAME1, "T\xC5\x8Dky\xC5\x8D");  // "Tōkyō"
    std::strcpy(s.NAME2, "line 2");
    s.LANGUAGE = 1;
    s.TIMEZONE = -5;
    s.TIMEZONE_MIN = 30;
    s.TIME_AVE = 0;
    s.DST = {0, {4, 5, 6, 23}, {10, 1, 0, 0}};
  }
  bool Unchanged(const SettingData& before) const { return SameRecord(*record, before); }
};

TEST_F(SystemEditor, LoadShowsTheRecord) {
  CDlgSetSystem editor(nullptr, *record, ui);
  EXPECT_EQ(editor.windowTitle(), "System");
  EXPECT_EQ(editor.name[0]->text(), QString::fromUtf8("T\xC5\x8Dky\xC5\x8D"));
  EXPECT_EQ(editor.name[1]->text(), "line 2");
  EXPECT_EQ(editor.name[2]->text(), "");
  EXPECT_EQ(editor.language->currentText(), "English");
  EXPECT_EQ(editor.zoneHour->text(), "-5");
  EXPECT_EQ(editor.zoneMinute->text(), "30");
  EXPECT_EQ(editor.timeAve->currentText(), "Disable");
  EXPECT_EQ(editor.dstMode->currentText(), "Disable");
  EXPECT_EQ(editor.start.month->currentText(), "4");
  EXPECT_EQ(editor.start.week->currentText(), "Last");
  EXPECT_EQ(editor.start.weekday->currentText(), "Saturday");
  EXPECT_EQ(editor.start.hour->currentText(), "23");
  EXPECT_EQ(editor.end.month->currentText(), "10");
  EXPECT_EQ(editor.end.week->currentText(), "1");
  EXPECT_EQ(editor.end.weekday->currentText(), "Sunday");
  EXPECT_EQ(editor.end.hour->currentText(), "0");
  EXPECT_EQ(editor.start.week->count(), 5);
  EXPECT_EQ(editor.end.hour->count(), 24);
}

TEST_F(SystemEditor, DaylightSavingListsFollowTheModeAtOnce) {
  CDlgSetSystem editor(nullptr, *record, ui);
  ShowActive(editor);
  const QComboBox* lists[] = {editor.start.month, editor.start.week, editor.start.weekday, editor.start.hour,
                              editor.end.month,   editor.end.week,   editor.end.weekday,   editor.end.hour};
  for (const QComboBox* list : lists) EXPECT_FALSE(list->isEnabled());
  // The mode is not guarded: an invalid field elsewhere does not stop it.
  editor.zoneHour->setText("99");
  Pick(editor.dstMode, 1);
  for (const QComboBox* list : lists) EXPECT_TRUE(list->isEnabled());
  EXPECT_EQ(editor.focusWidget(), editor.dstMode);
  EXPECT_TRUE(ui.messages.empty());
  Pick(editor.dstMode, 0);
  for (const QComboBox* list : lists) EXPECT_FALSE(list->isEnabled());
}

TEST_F(SystemEditor, OkWritesEveryFieldIncludingTheDisabledLists) {
  CDlgSetSystem editor(nullptr, *record, ui);
  ShowActive(editor);
  editor.name[0]->setText(QString::fromUtf8("Werk \xE6\x9D\xB1"));
  editor.name[2]->setText("third");
  editor.language->setCurrentIndex(0);
  editor.zoneHour->setText("13");
  editor.zoneMinute->setText("0");
  editor.timeAve->setCurrentIndex(1);
  Click(editor.okButton);
  ASSERT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_TRUE(ui.messages.empty());
  const SystemSection& s = record->SYSTEM;
  EXPECT_STREQ(s.NAME1, "Werk \xE6\x9D\xB1");
  EXPECT_STREQ(s.NAME2, "line 2");
  EXPECT_STREQ(s.NAME3, "third");
  EXPECT_EQ(s.LANGUAGE, 0);
  EXPECT_EQ(s.TIMEZONE, 13);
  EXPECT_EQ(s.TIMEZONE_MIN, 0);
  EXPECT_EQ(s.TIME_AVE, 1);
  EXPECT_EQ(s.DST.MODE, 0);
  EXPECT_EQ(s.DST.START.MON, 4);
  EXPECT_EQ(s.DST.START.WEEK1, 5);
  EXPECT_EQ(s.DST.START.WEEK2, 6);
  EXPECT_EQ(s.DST.START.HOUR, 23);
  EXPECT_EQ(s.DST.END.MON, 10);
  EXPECT_EQ(s.DST.END.WEEK1, 1);
}

TEST_F(SystemEditor, FieldChecksAndTheirMessages) {
  const std::string name1 = "Setting error: Name\nMax. 32 characters (alphanumerical: 64 characters)";
  const QString wide33 = QString::fromUtf8("\xC3\xA9") + QString(32, u'a');
  struct Case {
    int field;  // 0..2 names, 3 hour, 4 minute
    QString text;
    std::string message;
  };
  const Case cases[] = {
      {0, QString(64, u'a'), ""},
      {0, QString(65, u'a'), name1},
      {0, wide33, name1},
      {1, wide33, "Setting error: Name 2\nMax. 32 characters (alphanumerical: 64 characters)"},
      {2, wide33, "Setting error: Name 3\nMax. 32 characters (alphanumerical: 64 characters)"},
      {3, "-12", ""},
      {3, "13", ""},
      {3, "-13", "Setting error: Time zone (hour)\nUsable range: -12 to 13"},
      {3, "14", "Setting error: Time zone (hour)\nUsable range: -12 to 13"},
      {3, "5 ", "Setting error: Time zone (hour)"},
      {3, "", "Setting error: Time zone (hour)"},
      {4, "59", ""},
      {4, "60", "Setting error: Time zone (minute)\nUsable range: 0 to 59"},
      {4, "-1", "Setting error: Time zone (minute)\nUsable range: 0 to 59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    ApplyDefaults(*record);
    const auto before = Snapshot();
    ui.messages.clear();
    CDlgSetSystem editor(nullptr, *record, ui);
    ShowActive(editor);
    QLineEdit* fields[] = {editor.name[0], editor.name[1], editor.name[2], editor.zoneHour, editor.zoneMinute};
    fields[c.field]->setText(c.text);
    Click(editor.okButton);
    if (c.message.empty()) {
      EXPECT_EQ(editor.result(), QDialog::Accepted);
      EXPECT_TRUE(ui.messages.empty());
    } else {
      EXPECT_TRUE(editor.isVisible());
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(Unchanged(*before));
      EXPECT_EQ(fields[c.field]->text(), c.text);
    }
  }
}

TEST_F(SystemEditor, FirstFailingCheckInScreenOrderSpeaksAlone) {
  CDlgSetSystem editor(nullptr, *record, ui);
  ShowActive(editor);
  editor.zoneMinute->setText("60");
  editor.zoneHour->setText("-13");
  editor.name[1]->setText(QString(65, u'x'));
  Click(editor.okButton);
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"Setting error: Name 2\nMax. 32 characters (alphanumerical: 64 characters)"});
}

TEST_F(SystemEditor, SameMonthRefusedOnlyWhileDaylightSavingIsEnabled) {
  const std::string sameMonth = "Start and End of daylight saving time must not be within the same month.";
  for (const int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    ApplyDefaults(*record);
    const auto before = Snapshot();
    ui.messages.clear();
    CDlgSetSystem editor(nullptr, *record, ui);
    ShowActive(editor);
    Pick(editor.dstMode, 1);
    editor.start.month->setCurrentIndex(6);
    editor.end.month->setCurrentIndex(6);
    Pick(editor.dstMode, mode);
    Click(editor.okButton);
    if (mode == 1) {
      EXPECT_TRUE(editor.isVisible());
      ASSERT_EQ(Texts(), std::vector<std::string>{sameMonth});
      EXPECT_EQ(ui.messages[0].icon, Icon::Error);
      EXPECT_TRUE(Unchanged(*before));
    } else {
      EXPECT_EQ(editor.result(), QDialog::Accepted);
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(record->SYSTEM.DST.START.MON, 7);
      EXPECT_EQ(record->SYSTEM.DST.END.MON, 7);
    }
  }
}

TEST_F(SystemEditor, EnterWithAnInvalidFieldKeepsTheEditorOpen) {
  const auto before = Snapshot();
  CDlgSetSystem editor(nullptr, *record, ui);
  ShowActive(editor);
  editor.zoneHour->setText("-13");
  editor.zoneHour->setFocus();
  QTest::keyClick(editor.zoneHour, Qt::Key_Return);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Time zone (hour)\nUsable range: -12 to 13"});
  EXPECT_TRUE(Unchanged(*before));
  QTest::keyClick(editor.zoneHour, Qt::Key_Escape);
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_TRUE(Unchanged(*before));
}

}  // namespace
}  // namespace tk48
