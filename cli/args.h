#pragma once
// A command's arguments: positional values and "-o OUT" / "--name VALUE" options.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tk48::cli {

struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // "-o" -> "out.xml"

  std::optional<std::string> Get(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? std::nullopt : std::optional(it->second);
  }
};

// Options that take a value, and flags that take none (stored with an empty
// value); anything else starting with '-' is unknown. Returns nullopt (with a
// message on stderr) on an unknown option, a missing value or an option given twice.
std::optional<Args> ParseArgs(std::span<char* const> argv, std::span<const char* const> valueOptions,
                              std::span<const char* const> flagOptions = {});

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

}  // namespace tk48::cli
