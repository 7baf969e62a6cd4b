#include "cli/output.h"

#include <cstdio>
#include <utility>

#include "model/file_io.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::cli {

namespace {
void Say(int id) {
  const auto text = LoadText(id);
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}
}  // namespace

bool EmitDocument(const std::optional<std::string>& out, std::string_view bytes) {
  if (out) {
    if (WriteFileAtomically(*out, bytes)) return true;
    Say(text::kFailedToSaveFile);
    return false;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    Say(text::kFailedToSaveFile);
    return false;
  }
  return true;
}

std::optional<std::string> LoadInput(const std::string& path) {
  FileRead read = ReadConfigurationFile(path);
  if (!read.bytes) std::fprintf(stderr, "%s\n", RefusalText(read, path).c_str());
  return std::move(read.bytes);
}

}  // namespace tk48::cli
