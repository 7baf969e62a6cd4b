#include "app/com_port_list.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The adapter's own description where the system knows the device, else the core's name for it.
QString Describe(const ComPortEntry& entry, const QList<QSerialPortInfo>& infos) {
  const QString target = QFileInfo(QUtf8(entry.port.path)).canonicalFilePath();
  for (const auto& info : infos)
    if (!target.isEmpty() && info.systemLocation() == target && !info.description().isEmpty())
      return info.description();
  return QUtf8(entry.port.description);
}

}  // namespace

QStringList ComPortEntries(const PreferenceLookup& lookup, std::span<const SerialPortEntry> ports) {
  QStringList entries;
  for (int number = kFirstComPort; number <= kLastComPort; ++number)
    entries << QUtf8(FormatText(text::kComPortName, number));
  const auto infos = QSerialPortInfo::availablePorts();
  for (const auto& entry : ListComPorts(lookup, ports))
    entries[entry.number - kFirstComPort] = Describe(entry, infos) + QStringLiteral(" (") + entries[entry.number - kFirstComPort] + u')';
  return entries;
}

QStringList ComPortEntries(const PreferenceLookup& lookup) { return ComPortEntries(lookup, ListSerialPorts()); }

}  // namespace tk48
