#pragma once
// The modal "Please wait" dialog shared by CDlgWait232c and CDlgWaitTcpCipher:
// it starts the work on a worker thread, moves the bar to the transport's
// progress every 500 ms, and closes on the first tick after the work has
// returned. It has no buttons; Enter, Escape and closing the window do nothing.
#include <QDialog>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

class QProgressBar;

namespace tk48 {

class WaitDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 500;

  WaitDialog(std::int64_t length, std::function<void()> work, std::function<std::int64_t()> progress,
             QWidget* parent);
  ~WaitDialog() override;

  // Starts the worker and the timer and runs the dialog; returns once the work has returned.
  void Run();

  QProgressBar* Bar() const { return bar_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Tick();
  int Scaled(std::int64_t value) const;

  std::function<void()> work_;
  std::function<std::int64_t()> progress_;
  std::int64_t length_;
  QProgressBar* bar_;
  QTimer timer_;
  std::thread worker_;
  std::atomic<bool> finished_{false};
  bool cursorSet_ = false;
};

}  // namespace tk48
