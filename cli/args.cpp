#include "cli/args.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace tk48::cli {

std::optional<Args> ParseArgs(std::span<char* const> argv, std::span<const char* const> valueOptions,
                              std::span<const char* const> flagOptions) {
  Args args;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string_view a = argv[i];
    const bool flag = std::any_of(flagOptions.begin(), flagOptions.end(), [&](const char* o) { return a == o; });
    if (flag) {
      if (!args.options.emplace(std::string(a), std::string()).second) {
        std::fprintf(stderr, "option %s given twice\n", argv[i]);
        return std::nullopt;
      }
    } else if (a.size() > 1 && a[0] == '-') {
      const bool known = std::any_of(valueOptions.begin(), valueOptions.end(),
                                     [&](const char* o) { return a == o; });
      if (!known) {
        std::fprintf(stderr, "unknown option %s\n", argv[i]);
        return std::nullopt;
      }
      if (i + 1 >= argv.size()) {
        std::fprintf(stderr, "option %s needs a value\n", argv[i]);
        return std::nullopt;
      }
      if (!args.options.emplace(std::string(a), argv[++i]).second) {
        std::fprintf(stderr, "option %s given twice\n", argv[i - 1]);
        return std::nullopt;
      }
    } else {
      args.positional.emplace_back(a);
    }
  }
  return args;
}

}  // namespace tk48::cli
