#include "app/CDlgBackups.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/change_review.h"
#include "app/qt_text.h"
#include "link/transfers.h"
#include "model/file_io.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48 {

// The listing as a table: one row a backup, the store's order (newest first).
class BackupListModel : public QAbstractTableModel {
 public:
  enum Column { kTime, kTransport, kDevice, kSize, kTransfer, kColumns };

  BackupListModel(std::vector<BackupEntry> entries, QObject* parent)
      : QAbstractTableModel(parent), entries_(std::move(entries)) {}

  const BackupEntry& At(int row) const { return entries_.at(static_cast<std::size_t>(row)); }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumns; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && index.column() == kSize)
      return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const BackupEntry& e = At(index.row());
    switch (index.column()) {
      case kTime: return QUtf8(e.Time());
      case kTransport: return Text(e.transport == BackupTransport::Usb ? text::kUsb : text::kNetwork);
      case kDevice: return QUtf8(e.device);
      case kSize: return QLocale::c().formattedDataSize(static_cast<qint64>(e.size), 1, QLocale::DataSizeTraditionalFormat);
      case kTransfer: return Text(e.kind == BackupKind::Download ? text::kBackupDownload : text::kBackupUpload);
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static constexpr int kHeaders[kColumns] = {text::kBackupColumnTime, text::kBackupColumnTransport,
                                               text::kBackupColumnDevice, text::kBackupColumnSize,
                                               text::kBackupColumnTransfer};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
    return Text(kHeaders[section]);
  }

 private:
  std::vector<BackupEntry> entries_;
};

CDlgBackups::CDlgBackups(BackupStore store, const SettingData& current, UiPort& ui, QWidget* parent)
    : QDialog(parent),
      store_(std::move(store)),
      current_(current),
      ui_(ui),
      model_(new BackupListModel(store_.List(), this)),
      list_(new QTableView(this)),
      folder_(new QLabel(this)),
      open_(new QPushButton(Text(text::kBackupOpen), this)),
      compare_(new QPushButton(Text(text::kBackupCompare), this)),
      close_(new QPushButton(Text(text::kBackupClose), this)) {
  setWindowTitle(Text(text::kBackups));
  folder_->setText(QUtf8(FormatText(text::kBackupFolder, store_.folder().c_str())));
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  list_->setModel(model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // One row opens; one or two compare.
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->resizeColumnsToContents();
  connect(list_, &QTableView::doubleClicked, this, &CDlgBackups::Open);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CDlgBackups::EnableButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folder_);
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open_);
  buttons->addWidget(compare_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  layout->addLayout(buttons);
  for (auto* button : {open_, compare_}) button->setAutoDefault(false);
  close_->setDefault(true);
  connect(open_, &QPushButton::clicked, this, &CDlgBackups::Open);
  connect(compare_, &QPushButton::clicked, this, &CDlgBackups::Compare);
  connect(close_, &QPushButton::clicked, this, &CDlgBackups::reject);
  if (model_->rowCount({}) > 0) list_->selectRow(0);
  EnableButtons();
  resize(640, 400);
}

CDlgBackups::~CDlgBackups() = default;

std::vector<BackupEntry> CDlgBackups::Selected() const {
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  std::vector<BackupEntry> entries;
  for (const int row : rows) entries.push_back(model_->At(row));
  return entries;
}

void CDlgBackups::EnableButtons() {
  const std::size_t chosen = Selected().size();
  open_->setEnabled(chosen == 1);
  compare_->setEnabled(chosen == 1 || chosen == 2);
}

std::unique_ptr<SettingData> CDlgBackups::Read(const BackupEntry& entry) const {
  const std::string path = store_.PathOf(entry);
  const FileRead read = ReadConfigurationFile(path);
  if (!read.bytes) {
    ui_.Message(RefusalText(read, path), Icon::Error);
    return nullptr;
  }
  auto record = NewSettingData();
  // Only a comparison: no message about information the record does not keep.
  if (!LoadSettingsText(*record, *read.bytes, ui_, false)) return nullptr;
  return record;
}

void CDlgBackups::Open() {
  const auto chosen = Selected();
  if (chosen.size() != 1) return;
  chosen_ = store_.PathOf(chosen.front());
  accept();
}

// Older to newer: one backup to the current record, or the older of two to the newer.
void CDlgBackups::Compare() {
  const auto chosen = Selected();
  if (chosen.empty() || chosen.size() > 2) return;
  const auto label = [](const BackupEntry& e) {
    return FormatText(text::kBackupLabel, e.Time().c_str(), e.device.c_str());
  };
  const BackupEntry& older = chosen.back();
  const auto before = Read(older);
  if (!before) return;
  std::unique_ptr<SettingData> newer;
  if (chosen.size() == 2 && !(newer = Read(chosen.front()))) return;
  CDlgChangeReview review(*before, newer ? *newer : current_, CDlgChangeReview::Mode::Compare, this);
  review.SetCaption(QUtf8(
      newer ? FormatText(text::kBackupAgainstBackup, label(older).c_str(), label(chosen.front()).c_str())
            : FormatText(text::kBackupAgainstCurrent, label(older).c_str())));
  review.exec();
}

}  // namespace tk48
