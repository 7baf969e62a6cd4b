#include "app/connection_text.h"

#include "app/CTK48CFGApp.h"
#include "app/com_port_list.h"
#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

ConnectionText DescribeConnection(const CTK48CFGApp& app) {
  const auto& c = app.connection;
  if (c.usb) {
    const QStringList entries = ComPortEntries(Preferences::ComLookup());
    const int index = c.comPort - kFirstComPort;
    return {Text(text::kUsb), index >= 0 && index < entries.size() ? entries[index] : QString()};
  }
  const auto book = app.prefs.ReadAddressBook();
  if (const AddressEntry* entry = FindAddressEntry(book, c.entryName))
    return {Text(text::kNetwork), QUtf8(entry->name) + QStringLiteral(" (") + QUtf8(entry->address) + u')'};
  return {Text(text::kNetwork), QString()};
}

}  // namespace tk48
