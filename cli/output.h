#pragma once
#include <optional>
#include <string_view>
#include <string>

namespace tk48::cli {

// The document to -o OUT (written safely) or to stdout. False (with the
// configurator's own message on stderr) when it cannot be written.
bool EmitDocument(const std::optional<std::string>& out, std::string_view bytes);

// The whole file, or nullopt after the reason on stderr: "Failed to open file.",
// or the refusal of what is no regular file or is larger than a configuration
// file can be (nothing is read then).
std::optional<std::string> LoadInput(const std::string& path);

}  // namespace tk48::cli
