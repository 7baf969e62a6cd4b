#include "cli/cli_ui.h"

#include <cstdio>
#include <thread>

namespace tk48::cli {

Answer CliUi::ShowMessage(std::string_view text, Icon, Buttons buttons) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void CliUi::RunWithProgress(WaitKind, std::int64_t, const std::function<void()>& work,
                            const std::function<std::int64_t()>&) {
  std::thread worker(work);
  worker.join();
}

}  // namespace tk48::cli
