// The communication log on a pseudo-terminal standing in for the device's USB
// port: the reader thread, the 1000-line view, clear, save and closing; and the
// bounds of the view and the log text, fed as the reader feeds them.
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

// What the view should hold after `received`: its lines, each longer one in
// pieces of kMaxLineChars; of them the last 1000 (a final line break closes the
// last one), and of those the last characters that fit.
QString Expected(const std::string& received) {
  QString text = QString::fromUtf8(received).remove(u'\r');
  const bool closed = text.endsWith(u'\n');
  if (closed) text.chop(1);
  QStringList lines;
  for (const QString& line : text.split(u'\n'))
    for (qsizetype at = 0; at == 0 || at < line.size(); at += CDlgComLog::kMaxLineChars)
      lines += line.mid(at, CDlgComLog::kMaxLineChars);
  if (lines.size() > CDlgComLog::kMaxLines) lines = lines.mid(lines.size() - CDlgComLog::kMaxLines);
  text = lines.join(u'\n') + (closed ? "\n" : "");
  return text.right(CDlgComLog::kMaxChars);
}

// Bytes without a line break that do not repeat: a wrong tail shows.
std::string Unbroken(std::size_t size, unsigned seed) {
  std::string bytes(size, ' ');
  for (char& c : bytes) seed = seed * 1103515245u + 12345u, c = static_cast<char>('a' + (seed >> 16) % 26);
  return bytes;
}

// Feeds `bytes` to the screen in pieces of `piece` bytes, letting the view
// follow after every `showEvery` pieces (and at the end).
void Feed(CDlgComLog& log, const std::string& bytes, std::size_t piece, int showEvery) {
  int pieces = 0;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    log.Receive(std::string_view(bytes).substr(at, piece));
    if (++pieces % showEvery == 0) QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
}

// The view shows what arrived since it was last shown; pieces cut characters,
// CR LF pairs and lines anywhere, and whatever the pace, the view ends as the
// whole text's tail would be shown.
TEST_F(ComLog, TheViewFollowsPieceByPieceWithinItsCaps) {
  std::string lines, longLines;
  for (int i = 1; i <= 1500; ++i) lines += "温度 " + std::to_string(i) + "\r\n";
  for (int i = 1; i <= 400; ++i) longLines += std::string(300 + i, static_cast<char>('a' + i % 26)) + "\r\n";
  const struct {
    const char* what;
    std::string bytes;
    std::size_t piece;
    int showEvery;
  } cases[] = {
      {"short lines, shown after every 7 bytes", lines, 7, 1},
      {"short lines, an unfinished one last", lines + "partial 温", 4096, 1},
      {"long lines, shown in pieces, over the character cap", longLines, 1000, 1},
      {"a line of exactly two pieces", std::string(2 * CDlgComLog::kMaxLineChars, 'x') + "\r\nnext", 100, 1},
      {"more than the view can hold between two looks", Unbroken(1 << 20, 7) + lines, 65536, 1000},
  };
  Start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CDlgComLog log(app, nullptr);
    Show(log);
    Feed(log, c.bytes, c.piece, c.showEvery);
    EXPECT_EQ(log.View()->toPlainText(), Expected(c.bytes));
    EXPECT_LE(log.View()->document()->blockCount(), CDlgComLog::kMaxLines + 1);
    EXPECT_EQ(log.View()->textCursor().position(), log.View()->document()->characterCount() - 1) << "caret at the end";
  }
}

// 10 MB without a line break, shown as it comes: the view keeps its last
// characters only, and the log text (what "Save log" writes) its last bytes.
TEST_F(ComLog, TenMegabytesWithoutLineBreaksStayWithinTheCaps) {
  Start();
  CDlgComLog log(app, nullptr);
  Show(log);
  std::string sent = Unbroken(10 << 20, 1);
  Feed(log, sent, 4096, 4);
  EXPECT_EQ(log.View()->toPlainText().size(), CDlgComLog::kMaxChars);
  EXPECT_EQ(log.View()->toPlainText(), Expected(sent));
  qsizetype longest = 0;
  for (const QString& line : ViewLines(log)) longest = std::max(longest, line.size());
  EXPECT_EQ(longest, CDlgComLog::kMaxLineChars);
  EXPECT_FALSE(log.View()->document()->isUndoAvailable()) << "no history piling up";

  // On past the log text's bound, 1 MB between two looks of the view: it is
  // drawn afresh from the text's tail, the pieces of a line cut from there.
  const std::string more = Unbroken(8 << 20, 2) + "\r\nlast line";
  Feed(log, more, 65536, 16);
  sent += more;
  QString shown = log.View()->toPlainText();
  EXPECT_LE(shown.size(), CDlgComLog::kMaxChars);
  EXPECT_TRUE(shown.endsWith("\nlast line"));
  EXPECT_TRUE(QString::fromLatin1(sent).remove("\r\n").endsWith(shown.remove(u'\n')));
  const std::string path = (dir.path() + "/log.txt").toStdString();
  ui.files = {path};
  Click(log.SaveButton());
  const FileRead saved = ReadFileWithin(path, CDlgComLog::kMaxStoredBytes);
  ASSERT_TRUE(saved.bytes);
  EXPECT_GE(saved.bytes->size(), CDlgComLog::kMaxStoredBytes / 2);
  EXPECT_TRUE(sent.ends_with(*saved.bytes)) << "the latest bytes, in order";
}

}  // namespace
}  // namespace tk48::test
