#pragma once
// CDlgCsvFileSelect: the thirty CSV files in their eight groups, "Select all"
// per group and for all, then the folder chooser and the export or import of
// the checked files.
#include <QDialog>
#include <vector>

class QCheckBox;
class QPushButton;

namespace tk48 {

class CTK48CFGApp;
struct SettingData;

class CDlgCsvFileSelect : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Export, Import };
  // `proceed` (import): set by the caller, cleared when the user cancels.
  CDlgCsvFileSelect(CTK48CFGApp& app, SettingData& record, Mode mode, bool* proceed = nullptr,
                    QWidget* parent = nullptr);

  // File i of the set, in the dialog's order.
  QCheckBox* Box(int i) const { return boxes_[static_cast<std::size_t>(i)]; }
  // The "Select all" button of group g (the last one selects every file); nullptr for a group without one.
  QPushButton* SelectAll(int group) const { return selectAll_[static_cast<std::size_t>(group)]; }
  QPushButton* OkButton() const { return ok_; }

 public slots:
  void accept() override;
  void reject() override;

 private:
  void Toggle(int first, int count);

  CTK48CFGApp& app_;
  SettingData& record_;
  Mode mode_;
  bool* proceed_;
  std::vector<QCheckBox*> boxes_;
  std::vector<QPushButton*> selectAll_;
  QPushButton* ok_;
};

// Opens the dialog in export mode on the working record (the hub's "Save the CSV file").
bool RunCsvExport(QWidget* parent, SettingData& record, CTK48CFGApp& app);
// Opens it in import mode on a record the caller has reset to the defaults (the
// main window's "Read file（CSV）"); true when the hub should open: the proceed
// flag, cleared only by cancelling.
bool RunCsvImport(QWidget* parent, SettingData& record, CTK48CFGApp& app);

}  // namespace tk48
