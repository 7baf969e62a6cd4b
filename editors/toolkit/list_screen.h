#pragma once
// The one list screen of the editors, on Qt's model/view: a table model over
// an item store (an array of the record or of a working copy) and a
// QTableView, so a list of a thousand rows costs no widget per row.
//
// A list states only what differs: its columns (header, width, the text of a
// row), what a double-click edits, the whole-item copy behind "Copy" and
// "Paste" with an optional paste veto, a close veto (checks run on Back),
// extra buttons, and for a check-box list which rows take a tick.
//
// Keys: Back, Enter and Esc close a list screen (after its close veto); a
// chooser with OK and Cancel takes Enter as OK.
#include <QAbstractTableModel>
#include <QDialog>
#include <QTableView>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QPushButton;

namespace tk48 {

struct ListColumn {
  int headerId;  // string-table id of the header text
  int width;     // pixels
  std::function<QString(int row)> text;
};

struct ListSetup {
  int rows = 0;
  std::vector<ListColumn> columns;
  // Double-click on a row (empty: nothing); the row is shown again afterwards.
  std::function<void(QWidget* parent, int row)> edit;
  // Whole-item copy of row `from` over row `to` (empty: no context menu).
  std::function<void(int from, int to)> paste;
  // A paste that may be refused: false after showing the refusal's message.
  std::function<bool(int from, int to)> pasteAllowed;
  // The rows that take a double-click, Copy and Paste (empty: every row); an
  // action list leaves out the outputs not in use.
  std::function<bool(int row)> changeable;
  // A check-box list: the rows that show and take a tick (empty: no ticks).
  // Double-click toggles a row; the context menu offers "Select all" and
  // "Clear all".
  std::function<bool(int row)> tickable;
  // "Where is it used" in the context menu: every reference to the row's
  // channel (empty: no such entry).
  std::function<void(QWidget* parent, int row)> whereUsed;
};

class ListModel : public QAbstractTableModel {
 public:
  ListModel(QObject* parent, const ListSetup& setup, std::vector<char>& ticks);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  void RowChanged(int row);
  void AllChanged();

 private:
  const ListSetup& setup_;
  std::vector<char>& ticks_;
};

// The list itself, usable alone (a tab page of check boxes) or in a ListScreen.
class ListView : public QTableView {
  Q_OBJECT

 public:
  // `ticks` starts the ticks of a check-box list (one per row).
  ListView(QWidget* parent, ListSetup setup, std::vector<char> ticks = {});

  int SelectedRow() const;
  void SelectRow(int row);
  // The menu a right-click on the selected row opens.
  void ContextMenu(const QPoint& at);
  void Edit(int row);
  // Shows row `row` (or every row) again from the store.
  void Refresh(int row);
  void RefreshAll();
  const std::vector<char>& Ticks() const { return ticks_; }
  void SetAllTicks(bool ticked);
  const ListSetup& setup() const { return setup_; }

 private:
  void Toggle(int row);
  bool Changeable(int row) const;

  ListSetup setup_;
  std::vector<char> ticks_;
  ListModel* model_;
  int copied_ = -1;  // the row of the last Copy, while this list is shown
};

// An extra button under the list; `press` gets the selected row (-1 when none).
struct ListButton {
  int textId;
  std::function<void(QWidget* parent, int selectedRow)> press;
};

struct ListScreenSetup {
  QString title;
  ListSetup list;
  std::vector<ListButton> buttons;
  // Checks run when the screen is left; false keeps it open (the check has
  // shown its message).
  std::function<bool()> closeAllowed;
  // A chooser: "OK" and "Cancel" instead of "Back"; OK runs `ok` with the ticks.
  std::function<void(const std::vector<char>& ticks)> ok;
  std::vector<char> ticks;
  // A list over a working copy that Back and Enter keep and Esc (or the
  // window's close button) discards: `back` stores the copy.
  std::function<void()> back;
};

class ListScreen : public QDialog {
  Q_OBJECT

 public:
  ListScreen(QWidget* parent, ListScreenSetup setup);
  ListView* list() const { return list_; }
  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  QPushButton* backButton() const { return back_; }

  // Back, Enter and Esc: the close veto, then the screen closes; for a chooser
  // Enter and OK store the ticks, Esc and Cancel do not.
  void accept() override;
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool MayClose();

  ListScreenSetup setup_;
  ListView* list_;
  std::vector<QPushButton*> buttons_;
  QPushButton* back_ = nullptr;
};

// The bits of a bit set as ticks, one per row, and back.
std::vector<char> TicksOf(std::span<const std::uint32_t> words, int rows);
void StoreTicks(std::span<std::uint32_t> words, const std::vector<char>& ticks);

// Runs a list screen modally.
void RunListScreen(QWidget* parent, ListScreenSetup setup);

}  // namespace tk48
