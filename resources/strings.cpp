#include "resources/strings.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "resources/string_table.h"

namespace tk48 {

std::string_view LoadText(int id) {
  const auto* end = std::end(kStringTable);
  const auto* it = std::lower_bound(std::begin(kStringTable), end, id,
                                    [](const StringEntry& e, int key) { return e.id < key; });
  return (it != end && it->id == id) ? it->text : std::string_view{};
}

std::string FormatText(int id, ...) {
  const std::string format(LoadText(id));
  va_list args;
  va_start(args, id);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format.c_str(), copy);
  va_end(copy);
  std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format.c_str(), args);
  va_end(args);
  return out;
}

}  // namespace tk48
