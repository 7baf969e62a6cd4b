#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "model/setting_data.h"
namespace tk48 {
struct FindHit {
  std::string path;   // "IO.AI[7].NAME", as the field paths name it
  std::string value;  // the value as the configuration file writes it
  bool inUse = true;  // false when the item it belongs to is not in use (a disabled channel, an unused zone)
};
// Case-insensitive text search in the values as the file writes them (names, comments, messages, addresses, numbers), in file order.
std::vector<FindHit> FindText(const SettingData& record, std::string_view text);
// Path pattern: '*' matches any run of characters, '?' one; case-insensitive; "IO.AI[7].*", "*.MAIL*".
std::vector<FindHit> FindPath(const SettingData& record, std::string_view pattern);
// Every field that refers to the channel named as the file writes it ("AI005", "MA010", "DI001", "DO003"...).
std::vector<FindHit> FindReferences(const SettingData& record, std::string_view channel);
// The hub section of a path ("IO", "COM", "MAIL", ...: the path's first component), for the result list's section column.
std::string_view PathSection(std::string_view path);
}
