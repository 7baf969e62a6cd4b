#include "app/preferences.h"

#include <QSettings>

#include "app/qt_text.h"

namespace tk48 {
namespace {

// One store object per access: QSettings caches the file, and separate objects
// keep every access safe from any thread.
QSettings Store() { return QSettings(QUtf8(pref::kOrganisation), QUtf8(pref::kApplication)); }

QString Key(std::string_view section, std::string_view name) { return QUtf8(section) + u'/' + QUtf8(name); }

}  // namespace

std::string AddressSection(int number) { return "DST" + std::to_string(number); }
std::string UserPictureKey(int number) { return "USER_PCT_" + std::to_string(number); }

int Preferences::ReadInt(std::string_view section, std::string_view name, int fallback) const {
  const QVariant value = Store().value(Key(section, name));
  bool ok = false;
  const int n = value.toInt(&ok);
  return ok ? n : fallback;
}

std::string Preferences::ReadText(std::string_view section, std::string_view name) const {
  return StdUtf8(Store().value(Key(section, name)).toString());
}

void Preferences::WriteInt(std::string_view section, std::string_view name, int value) {
  Store().setValue(Key(section, name), value);
}

void Preferences::WriteText(std::string_view section, std::string_view name, std::string_view value) {
  Store().setValue(Key(section, name), QUtf8(value));
}

std::optional<std::string> Preferences::Lookup(std::string_view section, std::string_view name) {
  const QVariant value = Store().value(Key(section, name));
  if (!value.isValid()) return std::nullopt;
  return StdUtf8(value.toString());
}

std::array<AddressEntry, kAddressBookSize> Preferences::ReadAddressBook() const {
  std::array<AddressEntry, kAddressBookSize> book;
  for (int i = 0; i < kAddressBookSize; ++i) {
    const std::string section = AddressSection(i + 1);
    book[i] = {ReadText(section, pref::kName), ReadText(section, pref::kAddr)};
  }
  return book;
}

void Preferences::WriteAddressBook(const std::array<AddressEntry, kAddressBookSize>& book) {
  QSettings store = Store();
  for (int i = 0; i < kAddressBookSize; ++i) {
    const std::string section = AddressSection(i + 1);
    store.setValue(Key(section, pref::kName), QUtf8(book[i].name));
    store.setValue(Key(section, pref::kAddr), QUtf8(book[i].address));
  }
}

}  // namespace tk48
