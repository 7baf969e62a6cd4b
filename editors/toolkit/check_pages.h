#pragma once
// Check-box pages over bit sets: each page lists rows with a check box, row k
// ticked when bit (k-1) mod 32 of word (k-1)/32 is set. A dialog holds one
// page or several on tabs; its OK stores every page, shown or not, and
// Cancel (or Esc) stores none. A box click or a double-click toggles a row;
// the context menu offers "Select all" and "Clear all" for the page.
// The browser rights of a web identity use it, and so can any screen that
// picks channels by ticks (the data view's pages).
#include <QDialog>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "editors/toolkit/channel_families.h"
#include "editors/toolkit/list_screen.h"

class QPushButton;
class QTabWidget;

namespace tk48 {

// One page: a check-box list over `words`, every row tickable unless the
// setup says otherwise.
class CheckPage : public ListView {
  Q_OBJECT

 public:
  CheckPage(QWidget* parent, ListSetup setup, std::span<std::uint32_t> words);
  // Writes the ticks into the words: a ticked row sets its bit, an unticked one clears it.
  void Store() const;

 private:
  std::span<std::uint32_t> words_;
};

// A family's channels as a check page: the "CH" column in `labelId`'s format
// ("%03d"), the name column under `nameHeaderId` showing a channel's name by
// the family's in-use rule.
ListSetup FamilyCheckSetup(const SettingData& record, const ChannelFamily& family, int labelId, int nameHeaderId);

class CheckPagesDialog : public QDialog {
  Q_OBJECT

 public:
  CheckPagesDialog(QWidget* parent, const QString& title);

  // The page, named by `tabTextId`; with more than one page they show on tabs.
  void AddPage(int tabTextId, CheckPage* page);
  CheckPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  QTabWidget* Tabs() const { return tabs_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  // OK and Enter: every page into its words.
  void accept() override;

 private:
  std::vector<CheckPage*> pages_;
  QTabWidget* tabs_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tk48
