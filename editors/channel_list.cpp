#include "editors/channel_list.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editors/editor_text.h"
#include "editors/keys.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kColumnWidths[] = {60, 150, 150};

}  // namespace

ChannelListDialog::ChannelListDialog(QWidget* parent, SettingData& record, const ChannelFamily& family,
                                     ItemOpener open, const QString& title)
    : QDialog(parent), record_(record), family_(family), open_(std::move(open)),
      table_(new QTableWidget(family.count, 3, this)) {
  setWindowTitle(title);
  setModal(true);
  table_->setHorizontalHeaderLabels({Tx(text::kColumnCh), Tx(text::kColumnChName), Tx(text::kColumnChComment)});
  for (int c = 0; c < 3; ++c) table_->setColumnWidth(c, kColumnWidths[c]);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setShowGrid(true);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  for (int i = 0; i < family.count; ++i) {
    table_->setItem(i, 0, new QTableWidgetItem(RowLabel(family, i)));
    table_->setItem(i, 1, new QTableWidgetItem);
    table_->setItem(i, 2, new QTableWidgetItem);
    Refresh(i);
  }
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Edit(row); });
  connect(table_, &QWidget::customContextMenuRequested, this, &ChannelListDialog::ContextMenu);

  auto* back = new QPushButton(Tx(text::kBack), this);
  back->setAutoDefault(false);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  BindEnter(this, [this] { reject(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(back, 0, Qt::AlignRight);
  resize(420, 480);
}

void ChannelListDialog::Refresh(int index) {
  const RowTexts texts = family_.row(record_, index);
  table_->item(index, 1)->setText(texts.name);
  table_->item(index, 2)->setText(texts.comment);
}

void ChannelListDialog::Edit(int index) {
  if (index < 0 || index >= family_.count || !open_) return;
  open_(this, record_, index);
  Refresh(index);  // OK or Cancel: the row shows what the record holds now
}

int ChannelListDialog::SelectedRow() const {
  const auto rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void ChannelListDialog::ContextMenu(const QPoint& at) {
  const int row = SelectedRow();
  if (row < 0) return;
  QMenu menu(this);
  QAction* copy = menu.addAction(Tx(text::kCopy));
  QAction* paste = menu.addAction(Tx(text::kPaste));
  paste->setEnabled(copied_ >= 0);
  const QAction* chosen = menu.exec(table_->viewport()->mapToGlobal(at));
  if (chosen == copy) {
    copied_ = row;
  } else if (chosen == paste && copied_ >= 0) {
    family_.copy(record_, copied_, row);
    Refresh(row);
  }
}

}  // namespace tk48
