#include "cli/cli_ui.h"

#include <cstdio>

namespace tk48::cli {

Answer CliUi::ShowMessage(std::string_view text, Icon, Buttons buttons) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

}  // namespace tk48::cli
