#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "model/schema.h"
#include "model/setting_data.h"
namespace tk48 {
struct FindHit {
  std::string path;   // "IO.AI[7].NAME", as the field paths name it
  std::string value;  // the value as the configuration file writes it
  bool inUse = true;  // false when the item it belongs to is not in use (a disabled channel, an unused zone)
};
// The searches cover the fields of the configuration file (not the access
// block of the direct network settings).
// A password is listed as "(set)" when it holds a value (empty when it holds
// none) unless `secrets` shows it; the hub's search never does.
// Case-insensitive text search in the values as the file writes them (names, comments, messages, addresses, numbers), in file order.
// A text matches as it was typed, before the file's escapes ("A&B" finds the name written "A#AB"),
// and as the file escapes it when the search holds the escape character '#' ("A#AB").
// A hidden password's value is not searched: a hit would tell what it holds.
// (The empty text still lists every field, passwords as "(set)".)
std::vector<FindHit> FindText(const SettingData& record, std::string_view text, Secrets secrets = Secrets::Hidden);
// Path pattern: '*' matches any run of characters, '?' one; case-insensitive; "IO.AI[7].*", "*.MAIL*".
std::vector<FindHit> FindPath(const SettingData& record, std::string_view pattern, Secrets secrets = Secrets::Hidden);
// Every field that refers to the channel named as the file writes it ("AI005", "MA010", "DI001", "DO003"...).
// The name is the family and the number, with or without leading zeros or a
// space, in either case ("AI005", "AI5", "ai 5"); an unknown name finds nothing.
// The references are the reference fields (written "AI5"), the pen channels
// (a number read with the pen's type), the MD numbers, the channel numbers a
// type selects (a DI of type AI reads AI_CH) and the bit sets of channels (zone
// actions, browser control, data view: the word holding the channel's bit). A
// reference counts only where its holder reads it (an MA's inputs as its
// function takes them, an MD's inputs as its function takes them, an AO's
// mapping of its mode); the holder not being in use marks it, as in the other
// searches.
std::vector<FindHit> FindReferences(const SettingData& record, std::string_view channel);
// The hub section of a path ("IO", "COM", "MAIL", ...: the path's first component), for the result list's section column.
std::string_view PathSection(std::string_view path);
}
