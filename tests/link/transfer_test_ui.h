#pragma once
// A scripted UI for the transfer tests that also holds the progress dialog to
// its rule: every message comes from the dialog's own thread, never from the
// worker. It records what each dialog was given and the progress it read last.
#include <string>
#include <thread>
#include <vector>

#include "port/scripted_ui.h"

namespace tk48::test {

class TransferUi : public ScriptedUi {
 public:
  struct Dialog {
    WaitKind kind;
    std::int64_t length;
    std::int64_t lastProgress;  // read once the worker is done
  };

  std::thread::id uiThread = std::this_thread::get_id();
  int offThreadMessages = 0;
  std::vector<Dialog> dialogs;

  void RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                       const std::function<std::int64_t()>& progress) override {
    ScriptedUi::RunWithProgress(kind, length, work, progress);
    dialogs.push_back({kind, length, progress()});
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
  }

 protected:
  Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) override {
    if (std::this_thread::get_id() != uiThread) ++offThreadMessages;
    return ScriptedUi::ShowMessage(text, icon, buttons);
  }
};

}  // namespace tk48::test
