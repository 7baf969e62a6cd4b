// The Connect dialog, the address book and its entry editor, the login prompt
// and "Confirm access mode", driven through their widgets.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "app/CDlgCom.h"
#include "app/CDlgCommConfirm.h"
#include "app/CDlgNetEdit.h"
#include "app/CDlgNetList.h"
#include "app/CDlgPassword.h"
#include "app/com_port_list.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

QStringList Entries(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// A double click on the row's first cell once the list is laid out and the row scrolled into view.
void DoubleClickRow(QTableWidget* table, int row) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(table->window()));
  table->scrollToItem(table->item(row, 0));
  QApplication::processEvents();
  const QPoint at = table->visualItemRect(table->item(row, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);  // selects it, as a user's first click does
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

class ConnectDialog : public GuiTest {
 protected:
  ConnectDialog() {
    StoreEntry(1, "alpha", "10.0.0.1");
    StoreEntry(2, "no-address", "");
    StoreEntry(3, "", "10.0.0.3");
    StoreEntry(5, "beta", "beta.example");
  }
  std::unique_ptr<CDlgCom> Open() {
    auto dialog = std::make_unique<CDlgCom>(prefs, ui, ComPortEntries(Preferences::ComLookup()));
    Show(*dialog);
    return dialog;
  }
  void PressOk(CDlgCom& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }
};

TEST_F(ConnectDialog, OpensOnTheStoredComPortOrTheFirst) {
  struct Case {
    int stored;
    int selected;
  } cases[] = {{1, 0}, {3, 2}, {20, 19}, {25, 0}, {0, 0}, {-4, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Store(pref::kCom, c.stored);
    auto dialog = Open();
    EXPECT_EQ(dialog->ComCombo()->count(), 20);
    EXPECT_EQ(dialog->ComCombo()->currentIndex(), c.selected);
  }
}

TEST_F(ConnectDialog, ComListNamesEveryNumberAndDescribesPortsBehindThem) {
  Store(ComPortPreferenceKey(3), "/tmp/tk48-connect-port");
  auto dialog = Open();
  const QStringList items = Entries(dialog->ComCombo());
  ASSERT_EQ(items.size(), 20);
  EXPECT_EQ(items[2], "/tmp/tk48-connect-port (COM3)");
  for (int i = 0; i < 20; ++i) {
    const QString com = QStringLiteral("COM%1").arg(i + 1);
    EXPECT_TRUE(items[i] == com || items[i].endsWith(" (" + com + ")")) << items[i].toStdString();
  }
}

TEST_F(ConnectDialog, NetworkListShowsOnlyEntriesWithNameAndAddress) {
  auto dialog = Open();
  EXPECT_EQ(Entries(dialog->NetCombo()), QStringList({"alpha", "beta"}));
  EXPECT_EQ(dialog->NetCombo()->currentText(), "alpha");  // nothing stored: the first
  Store(pref::kNet, "beta");
  EXPECT_EQ(Open()->NetCombo()->currentText(), "beta");
  Store(pref::kNet, "no-address");
  EXPECT_EQ(Open()->NetCombo()->currentText(), "alpha");
}

TEST_F(ConnectDialog, RadioButtonsEnableTheirOwnGroup) {
  Store(pref::kComType, 0);
  Store(pref::kNetPort, 1234);
  auto dialog = Open();
  EXPECT_TRUE(dialog->NetworkRadio()->isChecked());
  EXPECT_EQ(dialog->PortEdit()->text(), "1234");
  auto enabled = [&] {
    return std::vector<bool>{dialog->NetCombo()->isEnabled(), dialog->AddressBookButton()->isEnabled(),
                             dialog->PortEdit()->isEnabled(), dialog->ComCombo()->isEnabled()};
  };
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
  Click(dialog->UsbRadio());
  EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, true}));
  EXPECT_TRUE(dialog->UsbRadio()->hasFocus());
  Click(dialog->NetworkRadio());
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(ConnectDialog, NetworkOkChecksThePortAndTheEntry) {
  struct Case {
    const char* port;
    bool withEntries;
    std::string message;  // empty: accepted
  } cases[] = {
      {"65535", true, ""},
      {"0", true, ""},
      {"65536", true, "Out of port address (0 to 65535) range"},
      {"99999999999", true, "Out of port address (0 to 65535) range"},
      {"", true, "Out of port address (0 to 65535) range"},
      {"80", false, "Select network address."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.port);
    if (!c.withEntries) StoreEntry(1, "", ""), StoreEntry(5, "", "");
    ui.messages.clear();
    auto dialog = Open();
    Click(dialog->NetworkRadio());
    dialog->PortEdit()->setText(c.port);
    PressOk(*dialog);
    if (c.message.empty()) {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(dialog->result(), QDialog::Accepted);
    } else {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, c.message);
      EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
      EXPECT_TRUE(dialog->isVisible()) << "stays open";
    }
  }
}

TEST_F(ConnectDialog, OkWritesTheChosenConnection) {
  auto dialog = Open();
  Click(dialog->NetworkRadio());
  dialog->NetCombo()->setCurrentIndex(1);
  dialog->PortEdit()->setText("30342");
  PressOk(*dialog);
  EXPECT_EQ(StoredInt(pref::kComType), 0);
  EXPECT_EQ(StoredInt(pref::kNetPort), 30342);
  EXPECT_EQ(StoredText(pref::kNet), "beta");
  EXPECT_FALSE(IsStored(pref::kCom)) << "USB's value untouched";

  dialog = Open();
  Click(dialog->UsbRadio());
  dialog->ComCombo()->setCurrentIndex(4);
  PressOk(*dialog);
  EXPECT_EQ(StoredInt(pref::kComType), 1);
  EXPECT_EQ(StoredInt(pref::kCom), 5);
  EXPECT_EQ(StoredInt(pref::kNetPort), 30342);
}

TEST_F(ConnectDialog, EscapeWritesNothing) {
  auto dialog = Open();
  Click(dialog->NetworkRadio());
  dialog->PortEdit()->setText("1");
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  for (auto name : {pref::kComType, pref::kNetPort, pref::kNet, pref::kCom}) EXPECT_FALSE(IsStored(name)) << name;
}

TEST_F(ConnectDialog, DeletingTheSelectedEntryMovesTheStoredNameEvenWhenCancelled) {
  Store(pref::kComType, 0);
  Store(pref::kNet, "alpha");
  auto dialog = Open();
  WhenModal<CDlgNetList>([](CDlgNetList& book) {
    WhenModal<CDlgNetEdit>([&book](CDlgNetEdit& editor) {
      EXPECT_EQ(editor.NameEdit()->text(), "alpha");
      editor.NameEdit()->clear();
      QTest::keyClick(&editor, Qt::Key_Return);
    });
    DoubleClickRow(book.Table(), 0);
    QTest::keyClick(&book, Qt::Key_Return);  // the list's OK writes the book
  });
  Click(dialog->AddressBookButton());
  EXPECT_EQ(Entries(dialog->NetCombo()), QStringList({"beta"}));
  EXPECT_EQ(StoredText(pref::kNet), "beta");
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_EQ(StoredText(pref::kNet), "beta");
  EXPECT_EQ(prefs.ReadAddressBook()[0].name, "");
}

TEST_F(ConnectDialog, ACancelledAddressBookLeavesTheStoredName) {
  Store(pref::kComType, 0);
  Store(pref::kNet, "beta");
  auto dialog = Open();
  WhenModal<CDlgNetList>([](CDlgNetList& book) { QTest::keyClick(&book, Qt::Key_Escape); });
  Click(dialog->AddressBookButton());
  EXPECT_EQ(dialog->NetCombo()->currentText(), "beta");
  EXPECT_EQ(StoredText(pref::kNet), "beta");
}

// ---- The Connect command: who gets logged out ----

class ChangeConnectionTest : public ConnectDialog {
 protected:
  ChangeConnectionTest() {
    Store(pref::kComType, 0);
    Store(pref::kNet, "alpha");
    Start();
    app.login = {"user", "pw", true};
  }
  bool Change(std::function<void(CDlgCom&)> edit) {
    WhenModal<CDlgCom>(std::move(edit));
    return ChangeConnection(app, nullptr);
  }
};

TEST_F(ChangeConnectionTest, AnotherEntryLogsOut) {
  EXPECT_TRUE(Change([](CDlgCom& d) {
    d.NetCombo()->setCurrentIndex(1);
    QTest::keyClick(&d, Qt::Key_Return);
  }));
  EXPECT_EQ(app.connection.entryName, "beta");
  EXPECT_FALSE(app.login.loggedIn);
  EXPECT_EQ(app.login.login, kLoginPlaceholder);
}

TEST_F(ChangeConnectionTest, OnlyThePortKeepsTheLogin) {
  EXPECT_TRUE(Change([](CDlgCom& d) {
    d.PortEdit()->setText("40000");
    QTest::keyClick(&d, Qt::Key_Return);
  }));
  EXPECT_EQ(app.connection.netPort, 40000);
  EXPECT_TRUE(app.login.loggedIn);
  EXPECT_EQ(app.login.login, "user");
}

TEST_F(ChangeConnectionTest, CancelKeepsConnectionAndLogin) {
  EXPECT_FALSE(Change([](CDlgCom& d) {
    d.NetCombo()->setCurrentIndex(1);
    Click(d.UsbRadio());
    QTest::keyClick(&d, Qt::Key_Escape);
  }));
  EXPECT_FALSE(app.connection.usb);
  EXPECT_EQ(app.connection.entryName, "alpha");
  EXPECT_TRUE(app.login.loggedIn);
}

// The address book may change under the selected name while the dialog is
// open; Cancel then still logs out, so the old host's login never goes to the
// new one.
TEST_F(ChangeConnectionTest, CancelAfterTheEntryMovedToAnotherHostLogsOut) {
  EXPECT_FALSE(Change([this](CDlgCom& d) {
    StoreEntry(1, "alpha", "10.0.0.99");  // as the address book's OK writes it
    QTest::keyClick(&d, Qt::Key_Escape);
  }));
  EXPECT_EQ(app.connection.entryName, "alpha");
  EXPECT_FALSE(app.login.loggedIn);
  EXPECT_EQ(app.login.login, kLoginPlaceholder);
}

TEST_F(ChangeConnectionTest, SwitchingToUsbLogsOut) {
  EXPECT_TRUE(Change([](CDlgCom& d) {
    Click(d.UsbRadio());
    QTest::keyClick(&d, Qt::Key_Return);
  }));
  EXPECT_TRUE(app.connection.usb);
  EXPECT_FALSE(app.login.loggedIn);
}

// ---- Address book ----

using AddressBook = ConnectDialog;

TEST_F(AddressBook, ShowsAll32RowsAsStored) {
  CDlgNetList book(prefs, ui);
  Show(book);
  auto* table = book.Table();
  ASSERT_EQ(table->rowCount(), 32);
  EXPECT_EQ(table->columnCount(), 2);
  EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Device name");
  EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Domain name or IP address");
  EXPECT_EQ(table->item(1, 0)->text(), "no-address");  // kept in the book, though never offered
  EXPECT_EQ(table->item(2, 1)->text(), "10.0.0.3");
  EXPECT_EQ(table->item(31, 0)->text(), "");
}

TEST_F(AddressBook, EditedRowsAreWrittenOnOkOnly) {
  for (const bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    CDlgNetList book(prefs, ui);
    Show(book);
    WhenModal<CDlgNetEdit>([](CDlgNetEdit& editor) {
      editor.NameEdit()->setText("gamma");
      editor.AddressEdit()->setText("gamma.example");
      QTest::keyClick(&editor, Qt::Key_Return);
    });
    DoubleClickRow(book.Table(), 31);
    EXPECT_EQ(book.Table()->item(31, 0)->text(), "gamma");
    QTest::keyClick(&book, ok ? Qt::Key_Return : Qt::Key_Escape);
    const auto stored = prefs.ReadAddressBook()[31];
    EXPECT_EQ(stored.name, ok ? "gamma" : "");
    EXPECT_EQ(stored.address, ok ? "gamma.example" : "");
  }
}

TEST_F(AddressBook, RenamingToAnotherRowsNameIsRefused) {
  CDlgNetList book(prefs, ui);
  Show(book);
  WhenModal<CDlgNetEdit>([this](CDlgNetEdit& editor) {
    editor.NameEdit()->setText("beta");
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Duplicate device names.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    QTest::keyClick(&editor, Qt::Key_Escape);
  });
  DoubleClickRow(book.Table(), 0);
  EXPECT_EQ(book.Table()->item(0, 0)->text(), "alpha");
}

TEST_F(AddressBook, EmptyNameDeletesTheWholeRow) {
  CDlgNetList book(prefs, ui);
  Show(book);
  WhenModal<CDlgNetEdit>([](CDlgNetEdit& editor) {
    editor.NameEdit()->clear();
    QTest::keyClick(&editor, Qt::Key_Return);
  });
  DoubleClickRow(book.Table(), 4);
  EXPECT_EQ(book.Table()->item(4, 0)->text(), "");
  EXPECT_EQ(book.Table()->item(4, 1)->text(), "");
  QTest::keyClick(&book, Qt::Key_Return);
  EXPECT_EQ(prefs.ReadText("DST5", "NAME"), "");
  EXPECT_EQ(prefs.ReadText("DST5", "ADDR"), "");
}

TEST_F(AddressBook, EntryEditorNameRules) {
  const QStringList names = {"alpha", "", "", "Beta", ""};
  struct Case {
    int row;
    const char* name;
    bool accepted;
  } cases[] = {
      {0, "alpha", true},   // its own name
      {1, "alpha", false},  // another row's
      {1, "Beta", false},
      {1, "beta", true},    // names compare exactly
      {1, "alpha ", true},
      {4, "", true},        // empty names never clash
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + " " + c.name);
    ui.messages.clear();
    CDlgNetEdit editor(ui, c.row, names[c.row], "", names);
    Show(editor);
    editor.NameEdit()->setText(c.name);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(ui.messages.size(), c.accepted ? 0u : 1u);
  }
}

// ---- Login ----

TEST_F(GuiTest, LoginAcceptsSixteenCharactersAndRefusesSeventeen) {
  struct Case {
    QString login, password;
    bool accepted;
  } cases[] = {
      {QString(16, u'a'), QString(16, u'b'), true},
      {QString(17, u'a'), "", false},
      {"", QString(17, u'b'), false},
      {"", "", true},
      {QString(16, QChar(0x3042)), "pw", true},  // 48 UTF-8 bytes: still fits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.login.toStdString() + "/" + c.password.toStdString());
    ui.messages.clear();
    CDlgPassword dialog(ui);
    Show(dialog);
    EXPECT_TRUE(dialog.LoginEdit()->text().isEmpty());
    EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    dialog.LoginEdit()->setText(c.login);
    dialog.PasswordEdit()->setText(c.password);
    QTest::keyClick(&dialog, Qt::Key_Return);
    if (c.accepted) {
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_EQ(dialog.Result().login, c.login.toStdString());
      EXPECT_EQ(dialog.Result().password, c.password.toStdString());
      EXPECT_TRUE(ui.messages.empty());
    } else {
      EXPECT_TRUE(dialog.isVisible());
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, "Invalid login ID and/or password");
      EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    }
  }
}

// ---- Confirm access mode ----

class ConfirmAccess : public ChangeConnectionTest {};

TEST_F(ConfirmAccess, ConnectAcceptsCancelAndEscapeDoNot) {
  struct Case {
    const char* what;
    std::function<void(CDlgCommConfirm&)> press;
    int result;
  } cases[] = {
      {"Connect", [](CDlgCommConfirm& d) { Click(d.ConnectButton()); }, QDialog::Accepted},
      {"Enter", [](CDlgCommConfirm& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
      {"Cancel", [](CDlgCommConfirm& d) { Click(d.CancelButton()); }, QDialog::Rejected},
      {"Escape", [](CDlgCommConfirm& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CDlgCommConfirm dialog(app);
    Show(dialog);
    EXPECT_EQ(dialog.AccessModeLabel()->text(), "Network");
    EXPECT_EQ(dialog.DeviceLabel()->text(), "alpha (10.0.0.1)");
    c.press(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), c.result);
  }
}

TEST_F(ConfirmAccess, ChangeShowsTheNewConnectionAndStaysOpen) {
  CDlgCommConfirm dialog(app);
  Show(dialog);
  WhenModal<CDlgCom>([](CDlgCom& d) {
    d.NetCombo()->setCurrentIndex(1);
    QTest::keyClick(&d, Qt::Key_Return);
  });
  Click(dialog.ChangeButton());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.DeviceLabel()->text(), "beta (beta.example)");
  EXPECT_FALSE(app.login.loggedIn);
}

}  // namespace
}  // namespace tk48::test
