#include "cli/cli_ui.h"

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {
namespace {

constexpr std::size_t kMaxLoginCharacters = 16;
constexpr int kBarWidth = 40;

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t Characters(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void DrawBar(std::int64_t done, std::int64_t length) {
  const std::int64_t shown = std::clamp<std::int64_t>(done, 0, std::max<std::int64_t>(length, 0));
  const int filled = length > 0 ? static_cast<int>(shown * kBarWidth / length) : 0;
  const int percent = length > 0 ? static_cast<int>(shown * 100 / length) : 0;
  const auto title = LoadText(text::kPleaseWait);
  std::fprintf(stderr, "\r%.*s [%s%s] %3d%% %lld/%lld", static_cast<int>(title.size()), title.data(),
               std::string(static_cast<std::size_t>(filled), '#').c_str(),
               std::string(static_cast<std::size_t>(kBarWidth - filled), ' ').c_str(), percent,
               static_cast<long long>(shown), static_cast<long long>(length));
  std::fflush(stderr);
}

thread_local std::string* tResultSink = nullptr;

}  // namespace

bool PrintResult(std::string_view text) {
  if (tResultSink) {
    tResultSink->append(text);
    return true;
  }
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

ResultCapture::ResultCapture(std::string& sink) : previous_(tResultSink) { tResultSink = &sink; }
ResultCapture::~ResultCapture() { tResultSink = previous_; }

Answer CliUi::ShowMessage(std::string_view text, Icon, Buttons buttons) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

Answer CliUi::ShowDetailedMessage(std::string_view text, std::string_view details, Icon icon, Buttons buttons) {
  const Answer answer = ShowMessage(text, icon, buttons);
  ShowMessage(details, icon, Buttons::Ok);
  return answer;
}

std::optional<Credentials> CliUi::AskLogin(const Credentials&) {
  const auto tooLong = [](const std::string& text) { return Characters(text) > kMaxLoginCharacters; };
  if (login_ && (tooLong(login_->login) || tooLong(login_->password))) {
    Message(LoadText(text::kInvalidLogin), Icon::Information);
    return std::nullopt;
  }
  return login_;
}

void CliUi::RunWithProgress(WaitKind, std::int64_t length, const std::function<void()>& work,
                            const std::function<std::int64_t()>& progress) {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::thread worker([&] {
    work();
    const std::lock_guard lock(mutex);
    done = true;
    finished.notify_one();
  });
  if (::isatty(STDERR_FILENO)) {
    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, tick, [&] { return done; })) DrawBar(progress(), length);
    std::fputs("\r\x1b[K", stderr);  // the bar goes; messages follow on a clean line
    std::fflush(stderr);
  }
  worker.join();
}

Answer DeviceUi::ShowMessage(std::string_view text, Icon, Buttons buttons) {
  const std::lock_guard lock(mutex_);
  messages_.emplace_back(text);
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void DeviceUi::RunWaiting(WaitKind, const std::function<void()>& work) {
  {
    const std::lock_guard lock(mutex_);
    waiting_ = true;
  }
  work();
  const std::lock_guard lock(mutex_);
  waiting_ = false;
}

// The progress function lives only while the transfer runs: it is cleared
// under the lock before this returns, so Now() never calls one that is gone.
void DeviceUi::RunWithProgress(WaitKind, std::int64_t length, const std::function<void()>& work,
                               const std::function<std::int64_t()>& progress) {
  {
    const std::lock_guard lock(mutex_);
    progress_ = &progress;
    length_ = length;
  }
  work();
  const std::lock_guard lock(mutex_);
  progress_ = nullptr;
}

DeviceUi::Progress DeviceUi::Now() const {
  const std::lock_guard lock(mutex_);
  if (progress_) return {false, true, (*progress_)(), length_};
  return {waiting_, false, 0, 0};
}

std::vector<std::string> DeviceUi::Messages() const {
  const std::lock_guard lock(mutex_);
  return messages_;
}

}  // namespace tk48::cli
