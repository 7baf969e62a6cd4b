#pragma once
// The change review: what one configuration changes against another, one row
// per changed field ("PATH: old -> new") in file order, under a row per
// section with its count, narrowed by a filter box. Before an upload it offers
// "Upload" and "Cancel"; to compare two configurations it only closes.
// Passwords show as "(changed)", never with their values: the review has no
// switch for them.
// A configuration that differs everywhere has some 180,000 changed fields: the
// list is one flat model whose rows are made only when the view shows them.
#include <QAbstractListModel>
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "model/record_diff.h"
#include "model/setting_data.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace tk48 {

// Section rows and change rows in one list; only the rows that pass the filter.
class ChangeListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ChangeListModel(std::vector<FieldChange> changes, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Keeps the changes whose path or values contain `needle` (ASCII letters in
  // either case; a hidden password by its path and "(changed)"); an empty
  // needle keeps all.
  void SetFilter(const std::string& needle);

  bool IsSectionRow(int row) const { return rows_[static_cast<std::size_t>(row)] < 0; }
  std::size_t Changes() const { return changes_.size(); }
  std::size_t Sections() const { return sections_.size(); }
  std::size_t Shown() const { return shown_; }

 private:
  struct Section {
    std::string_view name;
    std::uint32_t first, count;  // its changes: changes_[first .. first + count)
    std::uint32_t shown = 0;
  };
  bool Matches(const FieldChange& change) const;
  void Rebuild(const std::vector<bool>& keep);

  std::vector<FieldChange> changes_;
  std::vector<Section> sections_;
  // A row: a change's index, or -(section index + 1) for a section row.
  std::vector<std::int32_t> rows_;
  std::vector<bool> kept_;
  std::string needle_;
  std::size_t shown_ = 0;
};

class CDlgChangeReview : public QDialog {
  Q_OBJECT
 public:
  // Upload: "Upload" accepts, "Cancel" rejects. Compare: "Close" only.
  enum class Mode { Upload, Compare };

  CDlgChangeReview(std::vector<FieldChange> changes, Mode mode, QWidget* parent = nullptr);
  // What `after` changes against `before`.
  CDlgChangeReview(const SettingData& before, const SettingData& after, Mode mode, QWidget* parent = nullptr);

  // The line above the list: what the changes are against.
  void SetCaption(const QString& text);

  ChangeListModel& Model() const { return *model_; }
  QListView* List() const { return list_; }
  QLineEdit* Filter() const { return filter_; }
  QLabel* Caption() const { return caption_; }
  QLabel* Summary() const { return summary_; }
  QPushButton* UploadButton() const { return upload_; }  // nullptr when comparing
  QPushButton* CloseButton() const { return close_; }    // "Cancel", or "Close" when comparing

 private:
  void ApplyFilter();
  void ShowSummary();

  Mode mode_;
  ChangeListModel* model_;
  QLabel* caption_;
  QLineEdit* filter_;
  QListView* list_;
  QLabel* summary_;
  QPushButton* upload_ = nullptr;
  QPushButton* close_;
};

}  // namespace tk48
