// The communication log on a pseudo-terminal standing in for the device's USB
// port: the reader thread, the 1000-line view, clear, save and closing.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/CDlgComLog.h"
#include "app/CTK48CFGDlg.h"
#include "gui_fixture.h"
#include "link/serial_port.h"
#include "model/file_io.h"

namespace tk48::test {
namespace {

// The device's end of the line; the log reads the other end.
class DeviceLine {
 public:
  DeviceLine() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
  }
  ~DeviceLine() {
    if (master_ >= 0) close(master_);
  }
  const std::string& Path() const { return path_; }
  void Send(std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
      const auto n = write(master_, bytes.data() + done, bytes.size() - done);
      ASSERT_GT(n, 0);
      done += static_cast<std::size_t>(n);
    }
  }

 private:
  int master_ = -1;
  std::string path_;
};

std::string Numbered(int from, int to) {
  std::string lines;
  char line[32];
  for (int i = from; i <= to; ++i) lines += std::string(line, std::snprintf(line, sizeof line, "line %04d\r\n", i));
  return lines;
}

QStringList ViewLines(const CDlgComLog& log) {
  return log.View()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

// Lets the user-interface thread run until `done` holds.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(5);
  }
  return true;
}

class ComLog : public GuiTest {
 protected:
  ComLog() {
    EXPECT_FALSE(line.Path().empty());
    Store(ComPortPreferenceKey(1), line.Path());
    Start();
  }
  // Runs the screen as the main window does, with `act` on it; it must close.
  void RunLog(std::function<void(CDlgComLog&)> act) {
    WhenModal<CDlgComLog>(std::move(act));
    CDlgComLog log(app, nullptr);
    log.exec();
    EXPECT_FALSE(log.isVisible());
    EXPECT_FALSE(log.Reading());
  }
  // The port is free again: the reader closed it.
  bool PortReleased() const {
    SerialPort again;
    return again.Open(line.Path());
  }

  DeviceLine line;
  QTemporaryDir dir;
};

TEST_F(ComLog, MainWindowRunsItBetweenTheDipSwitchMessages) {
  CTK48CFGDlg window(app);
  Show(window);
  WhenModal<CDlgComLog>([this](CDlgComLog& log) {
    line.Send("boot ok\r\n");
    EXPECT_TRUE(WaitUntil([&] { return log.View()->toPlainText().contains("boot ok"); }));
    Click(log.BackButton());
  });
  Click(window.ComLogButton());
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Turn on DIP SW1 at the front of TK48.", "Exiting log",
                                               "Turn off DIP SW1 at the front of TK48."}));
  for (const auto& m : ui.messages) EXPECT_EQ(m.icon, Icon::Information);
  EXPECT_EQ(ui.messages[1].buttons, Buttons::OkCancel);
  EXPECT_TRUE(PortReleased());
}

TEST_F(ComLog, ViewKeepsTheLastThousandLines) {
  RunLog([this](CDlgComLog& log) {
    line.Send(Numbered(1, 1000));
    ASSERT_TRUE(WaitUntil([&] { return log.View()->toPlainText().contains("line 1000"); }));
    QStringList lines = ViewLines(log);
    EXPECT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.front(), "line 0001");
    line.Send(Numbered(1001, 1001));
    ASSERT_TRUE(WaitUntil([&] { return log.View()->toPlainText().contains("line 1001"); }));
    lines = ViewLines(log);
    EXPECT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.front(), "line 0002");
    EXPECT_EQ(lines.back(), "line 1001");
    EXPECT_EQ(log.View()->textCursor().position(), log.View()->document()->characterCount() - 1) << "caret at the end";
    QTest::keyClick(&log, Qt::Key_Escape);
  });
}

TEST_F(ComLog, SaveWritesEverythingReceivedAndNothingWhileEmpty) {
  const std::string path = (dir.path() + "/log.txt").toStdString();
  const std::string received = "temp 21.5\r\n温度\r\npartial";
  RunLog([&](CDlgComLog& log) {
    Click(log.SaveButton());
    EXPECT_TRUE(ui.fileDialogs.empty()) << "an empty log is not saved";
    line.Send(received);
    ASSERT_TRUE(WaitUntil([&] { return log.View()->toPlainText().contains("partial"); }));
    EXPECT_TRUE(log.View()->toPlainText().contains(QString::fromUtf8("温度")));
    ui.files = {path};
    Click(log.SaveButton());
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_TRUE(ui.fileDialogs[0].save);
    EXPECT_EQ(ui.fileDialogs[0].filter, "テキストファイル(*.txt)|*.txt||");
    EXPECT_EQ(ui.fileDialogs[0].initialName, "ComLog.txt");
    EXPECT_EQ(ui.fileDialogs[0].defaultExt, "txt");
    EXPECT_EQ(ReadWholeFile(path), received);
    EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
    ui.files = {(dir.path() + "/missing/log.txt").toStdString()};
    Click(log.SaveButton());
    EXPECT_EQ(ui.Last(), "Cannot open file.");
    EXPECT_EQ(ui.messages.back().icon, Icon::Error);
    Click(log.BackButton());
  });
}

TEST_F(ComLog, ClearAsksFirst) {
  RunLog([&](CDlgComLog& log) {
    line.Send("one\r\n");
    ASSERT_TRUE(WaitUntil([&] { return !log.View()->toPlainText().isEmpty(); }));
    ui.answers = {Answer::Cancel};
    Click(log.ClearButton());
    EXPECT_EQ(ui.Last(), "Deleting log");
    EXPECT_EQ(ui.messages.back().buttons, Buttons::OkCancel);
    EXPECT_EQ(ViewLines(log), QStringList({"one"}));
    Click(log.ClearButton());
    EXPECT_TRUE(log.View()->toPlainText().isEmpty());
    const auto dialogs = ui.fileDialogs.size();
    Click(log.SaveButton());
    EXPECT_EQ(ui.fileDialogs.size(), dialogs) << "nothing left to save";
    line.Send("two\r\n");
    ASSERT_TRUE(WaitUntil([&] { return !log.View()->toPlainText().isEmpty(); }));
    EXPECT_EQ(ViewLines(log), QStringList({"two"}));
    Click(log.BackButton());
  });
}

TEST_F(ComLog, BackCancelledKeepsReading) {
  RunLog([&](CDlgComLog& log) {
    ui.answers = {Answer::Cancel};
    QTest::keyClick(&log, Qt::Key_Return);
    EXPECT_EQ(ui.Last(), "Exiting log");
    EXPECT_TRUE(log.isVisible());
    line.Send("still here\r\n");
    EXPECT_TRUE(WaitUntil([&] { return log.View()->toPlainText().contains("still here"); }));
    log.close();  // the window's close box asks the same
    EXPECT_EQ(ui.messages.size(), 2u);
  });
  EXPECT_TRUE(PortReleased());
}

TEST_F(ComLog, APortThatCannotOpenIsReported) {
  Store(ComPortPreferenceKey(1), (dir.path() + "/gone").toStdString());
  RunLog([&](CDlgComLog& log) {
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot open COM port 1"});
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_FALSE(log.Reading());
    Click(log.BackButton());
  });
}

}  // namespace
}  // namespace tk48::test
