#pragma once
// CDlgComLog ("Communication log"): what the device writes to its USB port
// while DIP switch 1 puts it in log mode. A reader thread polls the port every
// 5 ms and appends to the log text under a lock; the view shows the last 1000
// lines. "Clear log" empties it, "Save log" writes it to a text file.
//
// Both stay bounded however long the screen runs and however few line breaks
// the device sends: the log text keeps its last kMaxStoredBytes (what "Save
// log" writes), the view its last kMaxLines lines and kMaxChars characters. The
// view takes only what arrived since it was last shown, not the whole text again.
#include <QDialog>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

class QPlainTextEdit;
class QPushButton;

namespace tk48 {

class CTK48CFGApp;
class SerialPort;

class CDlgComLog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxLines = 1000;
  // About 1000 lines of 100 characters; beyond it the first line is cut.
  static constexpr int kMaxChars = 100000;
  // A longer line is shown in pieces of this many characters, each a line of
  // the view: Qt lays out a whole line whenever it changes, and a device that
  // sends no line break would keep the view busy with one line of kMaxChars.
  static constexpr int kMaxLineChars = 256;
  // Over an hour of the port's 38400 bit/s without a pause.
  static constexpr std::size_t kMaxStoredBytes = std::size_t{16} << 20;

  // `port`: the COM port, already open; the screen opens it again if it is not.
  CDlgComLog(CTK48CFGApp& app, std::unique_ptr<SerialPort> port, QWidget* parent = nullptr);
  ~CDlgComLog() override;

  QPlainTextEdit* View() const { return view_; }
  QPushButton* ClearButton() const { return clear_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* BackButton() const { return back_; }
  // Whether the reader thread is running.
  bool Reading() const;
  // Takes bytes as the reader takes what the port delivers: stored under the
  // lock, then the view follows on the user-interface thread. Any thread.
  void Receive(std::string_view bytes);

  // Runs the screen: starts the reader, then the modal loop.
  int exec() override;

 public slots:
  void ClearLog();
  void SaveLog();
  // "Back", Escape and Enter: asks, then ends the reader and closes.
  void reject() override;
  void accept() override { reject(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Reader;
  bool StartReader();
  void StopReader();
  void ShowLog();
  void TrimView();

  CTK48CFGApp& app_;
  std::shared_ptr<Reader> reader_;
  // What the view holds: the log text up to this offset (counted from the last
  // clear, dropped bytes included), decoded by `decoder_`, which keeps a
  // character cut between two chunks.
  std::uint64_t shownEnd_ = 0;
  std::uint64_t shownClears_ = 0;
  QStringDecoder decoder_{QStringDecoder::System};
  std::thread thread_;
  QPlainTextEdit* view_;
  QPushButton* clear_;
  QPushButton* save_;
  QPushButton* back_;
};

// The tail of `text` holding its last `count` lines; a final line break does
// not begin another line.
std::string_view LastLines(std::string_view text, int count);

}  // namespace tk48
