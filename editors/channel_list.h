#pragma once
// The list screen of one channel family: a row per item ("CH", "CH name",
// "CH comment"), double-click to edit a row, and a context menu with "Copy"
// and "Paste" that copies a whole item block from row to row without any
// check. Back, Enter and Esc close it; it writes nothing else.
#include <QDialog>
#include <functional>

#include "editors/channel_families.h"

class QMenu;
class QTableWidget;

namespace tk48 {

// Opens the family's item editor on row `index`; returns when it is closed.
using ItemOpener = std::function<void(QWidget* parent, SettingData& record, int index)>;

class ChannelListDialog : public QDialog {
  Q_OBJECT

 public:
  ChannelListDialog(QWidget* parent, SettingData& record, const ChannelFamily& family, ItemOpener open,
                    const QString& title);

  QTableWidget* table() const { return table_; }
  // The menu a right-click on the selected row opens ("Copy", "Paste").
  void ContextMenu(const QPoint& at);

 private:
  void Refresh(int index);
  void Edit(int index);
  int SelectedRow() const;

  SettingData& record_;
  const ChannelFamily& family_;
  ItemOpener open_;
  QTableWidget* table_;
  int copied_ = -1;  // the row of the last Copy, while this screen is open
};

}  // namespace tk48
