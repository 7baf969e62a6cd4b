#include "editors/toolkit/channel_chooser.h"

#include <QSignalBlocker>
#include <QStringList>

namespace tk48 {

QString ChannelChoiceText(const ChannelFamily& family, const SettingData& record, int index) {
  return QStringLiteral("%1 %2").arg(index + 1, 3, 10, QChar(u'0')).arg(RowTextsOf(family, record, index).name);
}

void FillChannels(QComboBox* list, const SettingData& record, const ChannelFamily* family) {
  const QSignalBlocker quiet(list);
  list->clear();
  if (!family) return;
  QStringList entries;
  entries.reserve(family->count);
  for (int i = 0; i < family->count; ++i) entries << ChannelChoiceText(*family, record, i);
  list->addItems(entries);
  list->setCurrentIndex(-1);
}

void FillLabelledChannels(QComboBox* list, const SettingData& record, const ChannelFamily& family) {
  const QSignalBlocker quiet(list);
  list->clear();
  QStringList entries;
  entries.reserve(family.count);
  for (int i = 0; i < family.count; ++i) {
    const QString name = RowTextsOf(family, record, i).name;
    entries << (family.inUse(record, i) ? RowLabel(family, i) + u' ' + name : RowLabel(family, i));
  }
  list->addItems(entries);
  list->setCurrentIndex(-1);
}

}  // namespace tk48
