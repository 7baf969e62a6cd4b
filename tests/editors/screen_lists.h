#pragma once
// What every choice list of the setting screens must hold, written from the
// screens' descriptions (never read back from the code), and the texts a
// screen leaves blank on purpose. The screen-text test walks every screen and
// sub-screen and holds each list it meets against these tables.
#include <QComboBox>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/setting_data.h"

namespace tk48::test {

// Where a list is met: the record the walk runs on, the screen, and the item
// the screen (or the screen that opened it) edits.
struct ListPlace {
  const SettingData& record;
  const QDialog& screen;
  const QComboBox& list;
  int item;  // 0-based
};

// A list's entries where it is met. A channel list beside a type list also
// names that type list, so that the walk shows it each type in turn.
struct Entries {
  template <class Make>
    requires(!std::is_same_v<std::remove_cvref_t<Make>, Entries>)
  Entries(Make make) : make(std::move(make)) {}  // NOLINT: an entry maker converts
  QStringList operator()(const ListPlace& at) const { return make(at); }

  std::function<QStringList(const ListPlace&)> make;
  // The type list's accessible name is this list's with its last `typeFrom`
  // replaced by `typeTo`; empty for a list without one.
  std::string_view typeFrom, typeTo;
};

// One list: the screen by its class name ("CDlgSetIoAoMap"; a list screen by
// "ListScreen"), the list by its accessible name, where '*' stands for any
// run of characters ("Discrete / * / Type"), and its entries in order.
struct ListRule {
  std::string_view screen;
  std::string_view list;
  Entries entries;
};

// A text a screen leaves blank on purpose: the screen's class, what the
// widget is (its accessible name, or its class for a nameless one; '*' as
// above) and why.
struct BlankRule {
  std::string_view screen;
  std::string_view widget;
  std::string_view reason;
};

// ---- Entry makers ------------------------------------------------------------------------

// These entries, in order.
Entries Fixed(std::initializer_list<const char*> texts);
// These runs of texts, one after the other.
Entries Joined(std::initializer_list<std::span<const char* const>> runs);
// "first" .. "last" as plain numbers.
Entries Numbers(int first, int last);
// No entries at all (a channel list beside a type without channels).
Entries Empty();

// The SLMP bit devices, as the discrete input and output screens list them.
extern const std::span<const char* const> kSlmpBitDevices;

// The channel families as the choice lists name them.
enum class ListFamily { Ai, Di, Pi, Ma, Md, Ao, Do, Gdo };
// Family `f`'s channels, "%03d %s": the 1-based number, a space and the
// channel's name when it is in use (AI, DI, PI, AO, DO: TYPE not 0; GDO: MODE
// not 0; MA and MD always), else nothing after the space.
Entries Channels(ListFamily f);
QStringList ChannelEntries(const SettingData& record, ListFamily f);
// The channels of the family that the type list beside this list shows. The
// type list's accessible name is this list's with its last `from` replaced by
// `to` ("Analog / CH" -> "Analog / Type"); `families` maps the type list's
// entry texts to families, and an entry it does not name (a fixed value,
// "None") gives no entries.
struct TypeFamily {
  const char* text;
  ListFamily family;
};
Entries ChannelsOfType(std::string_view from, std::string_view to, std::initializer_list<TypeFamily> families);

// The tables of a group of screens.
struct ScreenTables {
  std::span<const ListRule> lists;
  std::span<const BlankRule> blanks;
};

// One file per group of hub sections.
ScreenTables SystemAndComTables();
ScreenTables InputTables();   // the slaves and the input channels, their zones and functions
ScreenTables OutputTables();  // AO, DO, GDO and who uses them
ScreenTables RecordAndScheduleTables();
ScreenTables MailDisplayMonitorTables();

// Whether `name` matches `pattern`, '*' matching any run.
bool NameMatches(std::string_view pattern, std::string_view name);

}  // namespace tk48::test
