#include "app/change_review.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "app/qt_text.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), Fold);
  return out;
}

}  // namespace

ChangeListModel::ChangeListModel(std::vector<FieldChange> changes, QObject* parent)
    : QAbstractListModel(parent), changes_(std::move(changes)), kept_(changes_.size(), true) {
  // The changes come in file order, so a section's changes stand together.
  for (std::uint32_t i = 0; i < changes_.size(); ++i) {
    if (sections_.empty() || sections_.back().name != changes_[i].section)
      sections_.push_back({changes_[i].section, i, 0});
    ++sections_.back().count;
  }
  Rebuild(kept_);
}

int ChangeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ChangeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::int32_t row = rows_[static_cast<std::size_t>(index.row())];
  if (row < 0) {
    const Section& s = sections_[static_cast<std::size_t>(-row - 1)];
    if (role == Qt::FontRole) {
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    if (role != Qt::DisplayRole) return {};
    const std::string name(s.name);
    return s.shown == s.count ? QUtf8(FormatText(text::kReviewGroup, name.c_str(), static_cast<int>(s.count)))
                              : QUtf8(FormatText(text::kReviewGroupFiltered, name.c_str(), static_cast<int>(s.shown),
                                                 static_cast<int>(s.count)));
  }
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  return QUtf8(ChangeLine(changes_[static_cast<std::size_t>(row)]));
}

bool ChangeListModel::Matches(const FieldChange& change) const {
  const auto in = [this](std::string_view hay) {
    return std::search(hay.begin(), hay.end(), needle_.begin(), needle_.end(),
                       [](char a, char b) { return Fold(a) == b; }) != hay.end();
  };
  if (in(change.path)) return true;
  // A hidden password matches by what its row shows, "(changed)", never by its values.
  return change.hidden ? in(LoadText(text::kSecretChanged)) : in(change.before) || in(change.after);
}

void ChangeListModel::SetFilter(const std::string& needle) {
  const std::string folded = Folded(needle);
  if (folded == needle_) return;
  // A longer needle that holds the last one can only narrow: look at the kept rows alone.
  const bool narrows = folded.find(needle_) != std::string::npos;
  needle_ = folded;
  std::vector<bool> keep(changes_.size(), needle_.empty());
  if (!needle_.empty())
    for (std::size_t i = 0; i < changes_.size(); ++i) keep[i] = (!narrows || kept_[i]) && Matches(changes_[i]);
  beginResetModel();
  Rebuild(keep);
  endResetModel();
}

void ChangeListModel::Rebuild(const std::vector<bool>& keep) {
  kept_ = keep;
  rows_.clear();
  shown_ = 0;
  for (std::size_t s = 0; s < sections_.size(); ++s) {
    Section& section = sections_[s];
    section.shown = 0;
    const std::size_t header = rows_.size();
    rows_.push_back(-static_cast<std::int32_t>(s) - 1);
    for (std::uint32_t i = section.first; i < section.first + section.count; ++i) {
      if (!kept_[i]) continue;
      rows_.push_back(static_cast<std::int32_t>(i));
      ++section.shown;
    }
    if (section.shown == 0) rows_.resize(header);  // a section with nothing to show has no row
    shown_ += section.shown;
  }
}

CDlgChangeReview::CDlgChangeReview(std::vector<FieldChange> changes, Mode mode, QWidget* parent)
    : QDialog(parent),
      mode_(mode),
      model_(new ChangeListModel(std::move(changes), this)),
      caption_(new QLabel(this)),
      filter_(new QLineEdit(this)),
      list_(new QListView(this)),
      summary_(new QLabel(this)),
      close_(new QPushButton(Text(mode == Mode::Upload ? text::kCancel : text::kReviewClose), this)) {
  setWindowTitle(Text(mode == Mode::Upload ? text::kReviewChangesTitle : text::kCompareTitle));
  auto* layout = new QVBoxLayout(this);
  caption_->setWordWrap(true);
  caption_->hide();
  layout->addWidget(caption_);
  filter_->setPlaceholderText(Text(text::kReviewFilter));
  filter_->setClearButtonEnabled(true);
  layout->addWidget(filter_);
  // Rows of one height let the view lay out only what it shows.
  list_->setUniformItemSizes(true);
  list_->setModel(model_);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(list_, 1);
  layout->addWidget(summary_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  if (mode == Mode::Upload) {
    upload_ = new QPushButton(Text(text::kReviewUpload), this);
    upload_->setAutoDefault(false);
    buttons->addWidget(upload_);
    connect(upload_, &QPushButton::clicked, this, &QDialog::accept);
  }
  // Enter in the filter box must not upload: no button is the default.
  close_->setAutoDefault(false);
  buttons->addWidget(close_);
  layout->addLayout(buttons);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(filter_, &QLineEdit::textChanged, this, &CDlgChangeReview::ApplyFilter);

  ShowSummary();
  filter_->setFocus();
  resize(760, 520);
}

CDlgChangeReview::CDlgChangeReview(const SettingData& before, const SettingData& after, Mode mode, QWidget* parent)
    : CDlgChangeReview(DiffRecords(before, after, Secrets::Hidden), mode, parent) {}

void CDlgChangeReview::SetCaption(const QString& text) {
  caption_->setText(text);
  caption_->setVisible(!text.isEmpty());
}

void CDlgChangeReview::ApplyFilter() {
  model_->SetFilter(StdUtf8(filter_->text()));
  ShowSummary();
}

void CDlgChangeReview::ShowSummary() {
  const ChangeListModel& m = *model_;
  if (m.Changes() == 0) {
    summary_->setText(Text(mode_ == Mode::Upload ? text::kReviewNoUploadChange : text::kReviewSameConfigurations));
    return;
  }
  summary_->setText(m.Shown() == m.Changes()
                        ? QUtf8(FormatText(text::kReviewSummary, static_cast<int>(m.Changes()),
                                           static_cast<int>(m.Sections())))
                        : QUtf8(FormatText(text::kReviewSummaryFiltered, static_cast<int>(m.Shown()),
                                           static_cast<int>(m.Changes()))));
}

}  // namespace tk48
