#pragma once
// A UI port that tests script: it records every message box and answers from
// queues (OK / the first option when a queue is empty).
#include <deque>
#include <thread>
#include <string>
#include <vector>

#include "port/ui_port.h"

namespace tk48 {

class ScriptedUi : public UiPort {
 public:
  struct Shown {
    std::string text;
    Icon icon;
    Buttons buttons;
    std::string details = {};  // what the box offers behind its details button
  };

  std::vector<Shown> messages;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> files;
  std::deque<std::optional<std::string>> folders;
  std::vector<FolderDialog> folderDialogs;
  std::deque<std::optional<Credentials>> logins;
  int loginPrompts = 0;

  std::optional<std::string> ChooseFile(const FileDialog&) override {
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
  std::optional<std::string> ChooseFolder(const FolderDialog& dialog) override {
    folderDialogs.push_back(dialog);
    if (folders.empty()) return std::nullopt;
    auto f = folders.front();
    folders.pop_front();
    return f;
  }
  std::optional<Credentials> AskLogin(const Credentials&) override {
    ++loginPrompts;
    if (logins.empty()) return std::nullopt;
    auto l = logins.front();
    logins.pop_front();
    return l;
  }
  // Colour chooser: answers from the queue (nullopt, cancelled, when empty).
  std::deque<std::optional<std::uint32_t>> colors;
  std::vector<std::uint32_t> colorPrompts;  // the initial colour of each prompt
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override {
    colorPrompts.push_back(initial);
    if (colors.empty()) return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
  }
  int progressDialogs = 0;
  void RunWithProgress(WaitKind, std::int64_t, const std::function<void()>& work,
                       const std::function<std::int64_t()>&) override {
    ++progressDialogs;
    std::thread worker(work);  // a real worker thread, as the dialog runs it
    worker.join();
  }
  int waits = 0;  // RunWaiting calls, counted apart from the transfers
  void RunWaiting(WaitKind, const std::function<void()>& work) override {
    ++waits;
    std::thread worker(work);
    worker.join();
  }
  // The last message's text, or "" when none was shown.
  std::string Last() const { return messages.empty() ? std::string() : messages.back().text; }

 protected:
  Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) override {
    messages.push_back({std::string(text), icon, buttons});
    if (!answers.empty()) {
      const Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  // Shown through ShowMessage, so a port that watches its boxes sees this one too.
  Answer ShowDetailedMessage(std::string_view text, std::string_view details, Icon icon,
                             Buttons buttons) override {
    const std::size_t shown = messages.size();
    const Answer answer = ShowMessage(text, icon, buttons);
    if (messages.size() > shown) messages[shown].details = details;
    return answer;
  }
};

}  // namespace tk48
