#include "editors/toolkit/list_screen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/keys.h"
#include "resources/text_ids.h"

namespace tk48 {

ListModel::ListModel(QObject* parent, const ListSetup& setup, std::vector<char>& ticks)
    : QAbstractTableModel(parent), setup_(setup), ticks_(ticks) {}

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : setup_.rows; }

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(setup_.columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return setup_.columns[static_cast<std::size_t>(index.column())].text(index.row());
  if (role == Qt::CheckStateRole && index.column() == 0 && setup_.tickable && setup_.tickable(index.row()))
    return ticks_[static_cast<std::size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
  return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return Tx(setup_.columns[static_cast<std::size_t>(section)].headerId);
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == 0 && setup_.tickable && setup_.tickable(index.row())) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable)) return false;
  ticks_[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

void ListModel::RowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }

void ListModel::AllChanged() { emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1)); }

ListView::ListView(QWidget* parent, ListSetup setup, std::vector<char> ticks)
    : QTableView(parent), setup_(std::move(setup)), ticks_(std::move(ticks)) {
  ticks_.resize(static_cast<std::size_t>(setup_.rows), 0);
  model_ = new ListModel(this, setup_, ticks_);
  setModel(model_);
  for (std::size_t c = 0; c < setup_.columns.size(); ++c) setColumnWidth(static_cast<int>(c), setup_.columns[c].width);
  verticalHeader()->hide();
  // Rows of one height: the view never measures a row to lay the list out.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { Edit(index.row()); });
  connect(this, &QWidget::customContextMenuRequested, this, &ListView::ContextMenu);
}

int ListView::SelectedRow() const {
  const auto rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ListView::SelectRow(int row) { selectRow(row); }

void ListView::Refresh(int row) { model_->RowChanged(row); }

void ListView::RefreshAll() { model_->AllChanged(); }

bool ListView::Changeable(int row) const { return !setup_.changeable || setup_.changeable(row); }

void ListView::Toggle(int row) {
  if (!setup_.tickable(row)) return;
  ticks_[static_cast<std::size_t>(row)] = !ticks_[static_cast<std::size_t>(row)];
  Refresh(row);
}

void ListView::SetAllTicks(bool ticked) {
  for (int row = 0; row < setup_.rows; ++row)
    if (setup_.tickable(row)) ticks_[static_cast<std::size_t>(row)] = ticked;
  RefreshAll();
}

void ListView::Edit(int row) {
  if (row < 0 || row >= setup_.rows || !Changeable(row)) return;
  if (setup_.tickable) {
    Toggle(row);
  } else if (setup_.edit) {
    setup_.edit(this, row);
    Refresh(row);  // OK or Cancel: the row shows what the store holds now
  }
}

void ListView::ContextMenu(const QPoint& at) {
  const int row = SelectedRow();
  if (row < 0 || (!setup_.paste && !setup_.tickable && !setup_.whereUsed) || !Changeable(row)) return;
  QMenu menu(this);
  QAction* copy = nullptr;
  QAction* whereUsed = nullptr;
  QAction* paste = nullptr;
  QAction* all = nullptr;
  QAction* none = nullptr;
  if (setup_.paste) {
    copy = menu.addAction(Tx(text::kCopy));
    paste = menu.addAction(Tx(text::kPaste));
    paste->setEnabled(copied_ >= 0);
  }
  if (setup_.tickable) {
    all = menu.addAction(Tx(text::kSelectAll));
    none = menu.addAction(Tx(text::kClearAll));
  }
  if (setup_.whereUsed) {
    if (!menu.isEmpty()) menu.addSeparator();
    whereUsed = menu.addAction(Tx(text::kWhereUsed));
  }
  const QAction* chosen = menu.exec(viewport()->mapToGlobal(at));
  if (!chosen) return;
  if (chosen == whereUsed) {
    setup_.whereUsed(this, row);
    RefreshAll();  // a screen opened from the references may have changed any row
    return;
  }
  if (chosen == copy) {
    copied_ = row;
  } else if (chosen == paste && copied_ >= 0) {
    if (setup_.pasteAllowed && !setup_.pasteAllowed(copied_, row)) return;
    setup_.paste(copied_, row);
    Refresh(row);
  } else if (chosen == all || chosen == none) {
    SetAllTicks(chosen == all);
  }
}

ListScreen::ListScreen(QWidget* parent, ListScreenSetup setup) : QDialog(parent), setup_(std::move(setup)) {
  setWindowTitle(setup_.title);
  setModal(true);
  list_ = new ListView(this, setup_.list, setup_.ticks);
  list_->setAccessibleName(setup_.title);

  auto* foot = new QHBoxLayout;
  for (const ListButton& b : setup_.buttons) {
    auto* button = new QPushButton(Tx(b.textId), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, press = b.press] { press(this, list_->SelectedRow()); });
    foot->addWidget(button);
    buttons_.push_back(button);
  }
  foot->addStretch();
  if (setup_.ok) {
    auto* ok = new QPushButton(Tx(text::kOk), this);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ListScreen::accept);
    foot->addWidget(ok);
    buttons_.push_back(ok);
  }
  back_ = new QPushButton(Tx(setup_.ok ? text::kCancel : text::kBack), this);
  back_->setAutoDefault(false);
  if (setup_.back && !setup_.ok)
    connect(back_, &QPushButton::clicked, this, &ListScreen::accept);
  else
    connect(back_, &QPushButton::clicked, this, &ListScreen::reject);
  foot->addWidget(back_);
  BindEnter(this, [this] { accept(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(foot);
  int width = 40;
  for (const ListColumn& c : setup_.list.columns) width += c.width;
  resize(width, 480);
}

bool ListScreen::MayClose() { return !setup_.closeAllowed || setup_.closeAllowed(); }

void ListScreen::accept() {
  // A list screen has no OK: Enter leaves it like Back.
  if (!setup_.ok && !setup_.back) return reject();
  if (!setup_.ok) {
    if (!MayClose()) return;
    setup_.back();
    return QDialog::accept();
  }
  if (!MayClose()) return;
  setup_.ok(list_->Ticks());
  QDialog::accept();
}

void ListScreen::reject() {
  // A chooser's Cancel changes nothing, so nothing needs checking.
  if (!setup_.ok && !MayClose()) return;
  QDialog::reject();
}

void ListScreen::closeEvent(QCloseEvent* event) {
  // The window's close button is Back (or Cancel).
  event->ignore();
  reject();
}

std::vector<char> TicksOf(std::span<const std::uint32_t> words, int rows) {
  std::vector<char> ticks(static_cast<std::size_t>(rows), 0);
  for (std::size_t i = 0; i < ticks.size() && i / 32 < words.size(); ++i) ticks[i] = (words[i / 32] >> (i % 32)) & 1u;
  return ticks;
}

void StoreTicks(std::span<std::uint32_t> words, const std::vector<char>& ticks) {
  for (std::size_t i = 0; i < ticks.size() && i / 32 < words.size(); ++i) {
    const std::uint32_t bit = 1u << (i % 32);
    words[i / 32] = ticks[i] ? words[i / 32] | bit : words[i / 32] & ~bit;
  }
}

void RunListScreen(QWidget* parent, ListScreenSetup setup) {
  ListScreen screen(parent, std::move(setup));
  screen.exec();
}

}  // namespace tk48
