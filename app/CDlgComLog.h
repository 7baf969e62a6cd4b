#pragma once
// CDlgComLog ("Communication log"): what the device writes to its USB port
// while DIP switch 1 puts it in log mode. A reader thread polls the port every
// 5 ms and appends to the log text under a lock; the view shows the last 1000
// lines. "Clear log" empties it, "Save log" writes it to a text file.
#include <QDialog>
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

  // `port`: the COM port, already open; the screen opens it again if it is not.
  CDlgComLog(CTK48CFGApp& app, std::unique_ptr<SerialPort> port, QWidget* parent = nullptr);
  ~CDlgComLog() override;

  QPlainTextEdit* View() const { return view_; }
  QPushButton* ClearButton() const { return clear_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* BackButton() const { return back_; }
  // Whether the reader thread is running.
  bool Reading() const;

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

  CTK48CFGApp& app_;
  std::shared_ptr<Reader> reader_;
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
