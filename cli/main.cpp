// tk48gcfg-cli: the configurator's core on the command line.
#include <cstdio>
#include <cstring>
#include <string_view>

#include "cli/args.h"
#include "cli/commands.h"

namespace {

const char* const kValueOptions[] = {"-o", "--usb", "--net", "--login", "--password", "--password-file",
                                     "--timeout", "--poll-limit", "--only", "--path", "--refs", "--backup-dir",
                                     "--defaults", "--level", "-j", "--devices"};

void Usage(FILE* to) {
  std::fputs("usage: tk48gcfg-cli COMMAND [ARGS]\n\ncommands:\n", to);
  for (auto list : {tk48::cli::FileCommands(), tk48::cli::EditCommands(), tk48::cli::DeviceCommands(),
                    tk48::cli::FleetCommands(), tk48::cli::CsvCommands()})
    for (const auto& c : list) std::fprintf(to, "  %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
  std::fputs("\nWithout -o the document goes to stdout. Exit status: 0 success, 1 failed, 2 usage.\n", to);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tk48::cli;
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    Usage(argc < 2 ? stderr : stdout);
    return argc < 2 ? kExitUsage : kExitOk;
  }
  const std::string_view name = argv[1];
  for (auto list : {FileCommands(), EditCommands(), DeviceCommands(), FleetCommands(), CsvCommands()}) {
    for (const Command& c : list) {
      if (c.name != name) continue;
      const auto args = ParseArgs({argv + 2, static_cast<std::size_t>(argc - 2)}, kValueOptions, c.flags);
      if (!args || args->positional.size() < c.minArgs || args->positional.size() > c.maxArgs) {
        std::fprintf(stderr, "usage: tk48gcfg-cli %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
        return kExitUsage;
      }
      return c.run(*args);
    }
  }
  std::fprintf(stderr, "unknown command %s\n", argv[1]);
  Usage(stderr);
  return kExitUsage;
}
