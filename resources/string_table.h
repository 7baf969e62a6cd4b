#pragma once
// The string table, sorted by number. Families keep together in ranges:
// see the comments between the groups.
#include <string_view>

namespace tk48 {

struct StringEntry {
  int id;
  std::string_view text;
};

inline constexpr StringEntry kStringTable[] = {
    {1200, "Failed to decompress setting data."},
    {1232, "Failed to compress setting data."},
    {1261, "Setting data size is over capacity."},
    {5103, "TK48GCFG File(*.xml)|*.xml||"},
    {5104, "Failed to convert into setting data."},
    {5105, "Cannot edit: Setting contains unsupported parameter(s). Update TK48GCFG.\n%s"},
    {5106, "Cannot edit parameter: Setting contains unsupported information.\n%s"},
};

}  // namespace tk48
