#pragma once
// The command line's side of the UI port: messages go to stderr; questions are
// answered yes (the command itself is the user's confirmation); the login comes
// from the command's options.
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "port/ui_port.h"

namespace tk48::cli {

// What a command prints as its result (a status, a maintenance reading): to
// stdout, flushed; false when that fails. On a thread that runs one device of
// a fleet, to that device's report instead (see ResultCapture).
bool PrintResult(std::string_view text);

// While it lives, PrintResult on this thread appends to `sink`: devices run
// side by side on their own threads and each one's output stays its own.
class ResultCapture {
 public:
  explicit ResultCapture(std::string& sink);
  ~ResultCapture();
  ResultCapture(const ResultCapture&) = delete;
  ResultCapture& operator=(const ResultCapture&) = delete;

 private:
  std::string* previous_;
};

class CliUi : public UiPort {
 public:
  explicit CliUi(std::optional<Credentials> login = std::nullopt) : login_(std::move(login)) {}
  std::optional<std::string> ChooseFile(const FileDialog&) override { return std::nullopt; }
  // The options' login, refused as the login dialog refuses a text of more than 16 characters.
  std::optional<Credentials> AskLogin(const Credentials&) override;
  // Runs `work` on a worker thread; while it runs, and stderr is a terminal,
  // redraws a progress bar there every `tick`.
  // Nothing to keep alive on a command line: the work runs here, without a bar.
  void RunWaiting(WaitKind, const std::function<void()>& work) override { work(); }
  void RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                       const std::function<std::int64_t()>& progress) override;

  std::chrono::milliseconds tick{500};

 protected:
  Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) override;
  // The details follow the message on their own lines.
  Answer ShowDetailedMessage(std::string_view text, std::string_view details, Icon icon,
                             Buttons buttons) override;

 private:
  std::optional<Credentials> login_;
};

// The UI port of one device among several: its messages are kept, in order,
// for its line of the report; the work runs on the calling thread, and what
// the transfer in progress has moved can be read from another thread.
class DeviceUi : public CliUi {
 public:
  using CliUi::CliUi;
  void RunWaiting(WaitKind, const std::function<void()>& work) override;
  void RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                       const std::function<std::int64_t()>& progress) override;

  struct Progress {
    bool waiting = false;  // connecting, the status check, the login
    bool moving = false;   // a transfer: `done` bytes of `length`
    std::int64_t done = 0;
    std::int64_t length = 0;
  };
  // Safe from any thread.
  Progress Now() const;
  std::vector<std::string> Messages() const;

 protected:
  Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) override;

 private:
  mutable std::mutex mutex_;
  bool waiting_ = false;
  const std::function<std::int64_t()>* progress_ = nullptr;  // set while a transfer runs
  std::int64_t length_ = 0;
  std::vector<std::string> messages_;
};

}  // namespace tk48::cli
