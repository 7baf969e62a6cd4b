#pragma once
// The command line's side of the UI port: messages go to stderr; questions are
// answered yes (the command itself is the user's confirmation); the login comes
// from the command's options.
#include <chrono>
#include <optional>

#include "port/ui_port.h"

namespace tk48::cli {

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

}  // namespace tk48::cli
