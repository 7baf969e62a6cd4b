#include "editors/toolkit/find_results.h"

#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/screen_env.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

enum Column { kPath, kSection, kValue, kInUse, kColumns };
constexpr int kWidths[kColumns] = {280, 90, 260, 60};

QString Utf8(std::string_view text) { return QUtf8Text(text); }

bool IsEnter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

void FindModel::SetHits(std::vector<FindHit> hits) {
  beginResetModel();
  hits_ = std::move(hits);
  endResetModel();
}

int FindModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

int FindModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant FindModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FindHit& hit = hits_[static_cast<std::size_t>(index.row())];
  if (role == Qt::ForegroundRole && !hit.inUse) return QColor(Qt::gray);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case kPath: return Utf8(hit.path);
    case kSection: return Utf8(PathSection(hit.path));
    case kValue: return Utf8(hit.value);
    case kInUse:
      return Tx(hit.inUse ? text::kInUseYes : text::kInUseNo);
    default: return {};
  }
}

QVariant FindModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
  return Tx(text::kFindColumns[section]);
}

FindResults::FindResults(QWidget* parent, SettingData& record, UiPort& ui)
    : QTableView(parent), record_(record), ui_(ui), model_(new FindModel(this)) {
  setModel(model_);
  // Rows of one height and fixed columns: the view never measures a row, so a
  // list of a hundred thousand hits shows at once.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  for (int c = 0; c < kColumns; ++c) setColumnWidth(c, kWidths[c]);
  horizontalHeader()->setStretchLastSection(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setAccessibleName(Tx(text::kFind));
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { Open(index.row()); });
}

void FindResults::SetHits(std::vector<FindHit> hits) {
  const int row = CurrentRow();
  model_->SetHits(std::move(hits));
  if (model_->rowCount() > 0) selectRow(std::clamp(row, 0, model_->rowCount() - 1));
}

void FindResults::Open(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  const std::string path = Hits()[static_cast<std::size_t>(row)].path;
  if (!OpenPath(path, {.parent = window(), .record = record_, .ui = ui_})) {
    ui_.Message(FormatText(text::kNoScreenForPath, path.c_str()), Icon::Information);
    return;
  }
  emit Opened();
}

void FindResults::keyPressEvent(QKeyEvent* event) {
  if (IsEnter(event)) {
    Open(CurrentRow());
    return;  // taken: Enter opens the hit and never reaches the dialog's buttons
  }
  QTableView::keyPressEvent(event);
}

bool LooksLikePath(std::string_view text) {
  return !text.empty() && text.find(' ') == std::string_view::npos &&
         text.find_first_of(".[*") != std::string_view::npos;
}

// The hub has no switch for passwords: they stay hidden, found by path only.
std::vector<FindHit> SearchRecord(const SettingData& record, std::string_view text) {
  if (text.empty()) return {};
  if (LooksLikePath(text)) {
    auto hits = FindPath(record, text, Secrets::Hidden);
    if (!hits.empty()) return hits;
  }
  return FindText(record, text, Secrets::Hidden);
}

FindPanel::FindPanel(QWidget* parent, SettingData& record, UiPort& ui)
    : QWidget(parent),
      record_(record),
      field_(new QLineEdit(this)),
      results_(new FindResults(this, record, ui)),
      status_(new QLabel(this)) {
  field_->setPlaceholderText(Tx(text::kFindPlaceholder));
  field_->setAccessibleName(Tx(text::kFind));
  field_->setClearButtonEnabled(true);
  field_->installEventFilter(this);
  results_->setMinimumHeight(160);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* line = new QHBoxLayout;
  line->addWidget(field_, 1);
  line->addWidget(status_);
  layout->addLayout(line);
  layout->addWidget(results_);
  // An edit in the opened screen shows in the list at once.
  connect(results_, &FindResults::Opened, this, [this] { results_->SetHits(SearchRecord(record_, searched_.toStdString())); });
}

void FindPanel::FocusField() {
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

void FindPanel::Search() { Show(field_->text().trimmed()); }

void FindPanel::Refresh() {
  if (!searched_.isEmpty()) Show(searched_);
}

void FindPanel::Show(const QString& text) {
  searched_ = text;
  results_->SetHits(SearchRecord(record_, searched_.toStdString()));
  const int found = static_cast<int>(results_->Hits().size());
  status_->setText(searched_.isEmpty() ? QString()
                   : found > 0         ? QUtf8Text(FormatText(text::kFoundCount, found))
                                       : Tx(text::kNothingFound));
}

bool FindPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && IsEnter(event)) {
    Search();
    return true;  // taken: Enter searches and never closes the hub
  }
  if (watched == field_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && !results_->Hits().empty()) {
    results_->setFocus(Qt::TabFocusReason);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

WhereUsedView::WhereUsedView(QWidget* parent, SettingData& record, UiPort& ui, const QString& channel)
    : QDialog(parent), results_(new FindResults(this, record, ui)) {
  const std::string name = channel.toStdString();
  setWindowTitle(QUtf8Text(FormatText(text::kWhereUsedTitle, name.c_str())));
  auto* status = new QLabel(this);
  auto* back = new QPushButton(Tx(text::kBack), this);
  back->setAutoDefault(false);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  SettingData* r = &record;
  const auto list = [this, status, r, name] {
    results_->SetHits(FindReferences(*r, name));
    const int found = static_cast<int>(results_->Hits().size());
    status->setText(found > 0 ? QUtf8Text(FormatText(text::kFoundCount, found)) : Tx(text::kNothingFound));
  };
  connect(results_, &FindResults::Opened, this, list);
  list();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status);
  layout->addWidget(results_);
  layout->addWidget(back, 0, Qt::AlignRight);
  resize(760, 420);
}

}  // namespace tk48
