// The Qt UI port: message boxes, file dialogs, the login prompt and the
// "Please wait" dialogs, each answered through its real widgets.
#include <QDialogButtonBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "app/CDlgPassword.h"
#include "app/CDlgWait232c.h"
#include "app/CDlgWaitTcpCipher.h"
#include "app/qt_ui.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

TEST(QtNameFiltersTest, MfcFiltersBecomeQtFilters) {
  struct Case {
    const char* filter;
    QStringList expected;
  } cases[] = {
      {"TK48GCFG File(*.xml)|*.xml||", {"TK48GCFG File(*.xml)"}},
      {"テキストファイル(*.txt)|*.txt||", {"テキストファイル(*.txt)"}},
      {"Images|*.bmp;*.png|All files(*.*)|*.*||", {"Images (*.bmp *.png)", "All files(*.*)"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(QtNameFilters(c.filter), c.expected) << c.filter;
}

class QtUiTest : public GuiTest {
 protected:
  QtUi qtUi;
};

TEST_F(QtUiTest, MessageBoxesShowTheirIconAndButtonsAndReportTheAnswer) {
  struct Case {
    Icon icon;
    Buttons buttons;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButtons shownButtons;
    QMessageBox::StandardButton press;  // NoButton: Escape
    Answer answer;
  } cases[] = {
      {Icon::Error, Buttons::Ok, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
      {Icon::Information, Buttons::OkCancel, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Cancel, Answer::Cancel},
      {Icon::Information, Buttons::OkCancel, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::NoButton, Answer::Cancel},
      {Icon::None, Buttons::Ok, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
      {Icon::None, Buttons::OkCancel, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
       Answer::Ok},
      {Icon::None, Buttons::YesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
       Answer::No},
      {Icon::Question, Buttons::YesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::NoButton, Answer::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.icon) * 10 + int(c.buttons));
    WhenModal<QMessageBox>([&](QMessageBox& box) {
      EXPECT_EQ(box.icon(), c.shownIcon);
      EXPECT_EQ(box.standardButtons(), c.shownButtons);
      EXPECT_EQ(box.text(), "first line\n<second> line");
      EXPECT_EQ(box.textFormat(), Qt::PlainText);
      if (c.press == QMessageBox::NoButton) QTest::keyClick(&box, Qt::Key_Escape);
      else Click(box.button(c.press));
    });
    EXPECT_EQ(qtUi.Message("first line\n<second> line", c.icon, c.buttons), c.answer);
  }
}

TEST_F(QtUiTest, DetailsGoBehindTheDetailsButtonAndLeaveTheMessageAsItIs) {
  const struct {
    const char* details;
    QString shown;
  } cases[] = {{"Line 3, column 9: no element found\nLine 4, column 1: x", "Line 3, column 9: no element found\nLine 4, column 1: x"},
               {"", ""}};  // no details: no details button
  for (const auto& c : cases) {
    SCOPED_TRACE(c.details);
    WhenModal<QMessageBox>([&](QMessageBox& box) {
      EXPECT_EQ(box.text(), "Failed to convert into setting data.");
      EXPECT_EQ(box.detailedText(), c.shown);
      EXPECT_EQ(box.icon(), QMessageBox::Critical);
      Click(box.button(QMessageBox::Ok));
    });
    EXPECT_EQ(qtUi.Message("Failed to convert into setting data.", Icon::Error, Buttons::Ok, c.details), Answer::Ok);
  }
}

TEST_F(QtUiTest, AMessageFromAnotherThreadIsShownOnTheUserInterfaceThread) {
  WhenModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.thread(), qApp->thread());
    Click(box.button(QMessageBox::Cancel));
  });
  std::atomic<int> answer{-1};
  std::thread worker([&] { answer = int(qtUi.Message("from a worker", Icon::Warning, Buttons::OkCancel)); });
  QElapsedTimer clock;
  clock.start();
  while (answer.load() < 0 && clock.elapsed() < 5000) QTest::qWait(5);
  worker.join();
  EXPECT_EQ(answer.load(), int(Answer::Cancel));
}

TEST_F(QtUiTest, FileDialogsTakeTheRequest) {
  QTemporaryDir dir;
  const QString existing = dir.path() + "/plant.xml";
  QFile(existing).open(QIODevice::WriteOnly);
  WhenModal<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(d.defaultSuffix(), "xml");
    EXPECT_EQ(d.nameFilters(), QStringList({"TK48GCFG File(*.xml)"}));
    EXPECT_EQ(d.selectedFiles(), QStringList({existing}));
    WhenModal<QMessageBox>([](QMessageBox& overwrite) { Click(overwrite.button(QMessageBox::Yes)); });
    QMetaObject::invokeMethod(&d, "accept");  // the file exists: asks first
  });
  EXPECT_EQ(qtUi.ChooseFile({true, "TK48GCFG File(*.xml)|*.xml||", existing.toStdString(), "xml"}),
            existing.toStdString());

  WhenModal<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
    d.reject();
  });
  EXPECT_EQ(qtUi.ChooseFile({false, "TK48GCFG File(*.xml)|*.xml||", "*.xml", ""}), std::nullopt);
}

TEST_F(QtUiTest, ColourChooserAnswersRgbOrNothing) {
  WhenModal<QColorDialog>([](QColorDialog& d) {
    EXPECT_EQ(d.currentColor(), QColor(0, 0, 0));
    d.setCurrentColor(QColor(0x12, 0x34, 0x56));
    d.accept();
  });
  EXPECT_EQ(qtUi.ChooseColor(0), 0x00123456u);
  WhenModal<QColorDialog>([](QColorDialog& d) { d.reject(); });
  EXPECT_EQ(qtUi.ChooseColor(0x00FF0000u), std::nullopt);
}

TEST_F(QtUiTest, FolderChooserTakesTheRequest) {
  QTemporaryDir dir;
  WhenModal<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save the CSV file");
    EXPECT_EQ(d.fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(d.testOption(QFileDialog::ShowDirsOnly));
    EXPECT_EQ(d.labelText(QFileDialog::FileName), "Select the folder to save.");
    EXPECT_EQ(d.directory().absolutePath(), QDir(dir.path()).absolutePath());
    d.selectFile(dir.path());
    QMetaObject::invokeMethod(&d, "accept");
  });
  const auto chosen = qtUi.ChooseFolder({"Save the CSV file", "Select the folder to save.", dir.path().toStdString()});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(QDir(QString::fromStdString(*chosen)).absolutePath(), QDir(dir.path()).absolutePath());

  WhenModal<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(qtUi.ChooseFolder({"Read the CSV file", "Select the folder to read from.", ""}), std::nullopt);
}

TEST_F(QtUiTest, LoginPromptIsCDlgPassword) {
  WhenModal<CDlgPassword>([](CDlgPassword& d) {
    d.LoginEdit()->setText("operator");
    d.PasswordEdit()->setText("pw");
    QTest::keyClick(&d, Qt::Key_Return);
  });
  const auto answer = qtUi.AskLogin({"old", "old"});
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->login, "operator");
  EXPECT_EQ(answer->password, "pw");
  WhenModal<CDlgPassword>([](CDlgPassword& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(qtUi.AskLogin({}), std::nullopt);
}

TEST_F(QtUiTest, WaitDialogRunsTheWorkAndCannotBeClosed) {
  for (const WaitKind kind : {WaitKind::Usb, WaitKind::Network}) {
    SCOPED_TRACE(int(kind));
    std::atomic<std::int64_t> progress{0};
    std::atomic<bool> release{false};
    bool checked = false;
    std::thread::id workThread;
    WhenModal<WaitDialog>([&](WaitDialog& d) {
      EXPECT_EQ(qobject_cast<CDlgWait232c*>(&d) != nullptr, kind == WaitKind::Usb);
      EXPECT_EQ(qobject_cast<CDlgWaitTcpCipher*>(&d) != nullptr, kind == WaitKind::Network);
      EXPECT_EQ(d.Bar()->maximum(), 6815744);
      EXPECT_TRUE(d.findChildren<QAbstractButton*>().isEmpty()) << "no buttons";
      EXPECT_EQ(d.findChild<QLabel*>()->text(), "Please wait");
      progress = 3000000;
      QTest::qWait(700);  // at least one tick
      EXPECT_EQ(d.Bar()->value(), 3000000);
      for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&d, key);
      d.close();
      EXPECT_TRUE(d.isVisible()) << "Enter, Escape and closing do nothing";
      checked = true;
      release = true;
    });
    qtUi.RunWithProgress(
        kind, 6815744,
        [&] {
          workThread = std::this_thread::get_id();
          while (!release.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        [&] { return progress.load(); });
    EXPECT_TRUE(checked);
    EXPECT_NE(workThread, std::this_thread::get_id()) << "the work ran on a worker thread";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed once the work returned";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

}  // namespace
}  // namespace tk48::test
