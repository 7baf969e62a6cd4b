#include "app/CDlgCsvFileSelect.h"

#include <QCheckBox>
#include <algorithm>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <sys/stat.h>

#include "app/CTK48CFGApp.h"
#include "app/preferences.h"
#include "app/qt_text.h"
#include "csv/csv_layout.h"
#include "csv/csv_transfer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

CDlgCsvFileSelect::CDlgCsvFileSelect(CTK48CFGApp& app, SettingData& record, Mode mode, bool* proceed,
                                     QWidget* parent)
    : QDialog(parent), app_(app), record_(record), mode_(mode), proceed_(proceed) {
  setWindowTitle(Text(mode == Mode::Export ? text::kCsvSaveTitle : text::kCsvReadTitle));
  auto* layout = new QVBoxLayout(this);
  const auto files = CsvFiles();
  const auto groups = CsvGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const CsvGroup& group = groups[g];
    QWidget* frame = group.title ? static_cast<QWidget*>(new QGroupBox(Text(group.title), this)) : new QWidget(this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < group.count; ++i) {
      auto* box = new QCheckBox(Text(files[static_cast<std::size_t>(group.first + i)].label), frame);
      grid->addWidget(box, i / 2, i % 2);
      boxes_.push_back(box);
    }
    QPushButton* all = nullptr;
    if (group.title) {
      all = new QPushButton(Text(text::kCsvSelectAll), frame);
      grid->addWidget(all, (group.count + 1) / 2, 1, Qt::AlignRight);
      connect(all, &QPushButton::clicked, this, [this, group] { Toggle(group.first, group.count); });
    }
    selectAll_.push_back(all);
    layout->addWidget(frame);
  }
  // The last "Select all" works on every file.
  auto* every = new QPushButton(Text(text::kCsvSelectAll), this);
  connect(every, &QPushButton::clicked, this, [this] { Toggle(0, static_cast<int>(boxes_.size())); });
  selectAll_.back() = every;
  layout->addWidget(every, 0, Qt::AlignRight);
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(text::kCancel), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCsvFileSelect::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCsvFileSelect::reject);
  layout->addWidget(buttons);
}

// Any box unchecked: check them all; all checked: uncheck them all.
void CDlgCsvFileSelect::Toggle(int first, int count) {
  bool all = true;
  for (int i = first; i < first + count; ++i) all = all && boxes_[static_cast<std::size_t>(i)]->isChecked();
  for (int i = first; i < first + count; ++i) boxes_[static_cast<std::size_t>(i)]->setChecked(!all);
}

void CDlgCsvFileSelect::accept() {
  std::vector<bool> checked;
  for (QCheckBox* box : boxes_) checked.push_back(box->isChecked());
  if (std::find(checked.begin(), checked.end(), true) == checked.end()) {
    app_.ui.Message(LoadText(text::kCsvSelectItems), Icon::Information);
    return;
  }
  const bool save = mode_ == Mode::Export;
  const auto folder = app_.ui.ChooseFolder(
      {StdUtf8(windowTitle()), std::string(LoadText(save ? text::kCsvSaveFolderPrompt : text::kCsvReadFolderPrompt)),
       app_.csvDir});
  if (!folder) {
    reject();
    return;
  }
  if (!IsDirectory(*folder)) {
    app_.ui.Message(LoadText(text::kCsvInvalidPath), Icon::Error);
    QDialog::accept();
    return;
  }
  if (save) {
    ExportCsvSet(*folder, checked, record_, app_.ui);
    app_.ui.Message(LoadText(text::kFileSaved), Icon::Information);
  } else {
    ImportCsvSet(*folder, checked, record_, app_.ui);
  }
  app_.csvDir = *folder;
  app_.prefs.WriteText(pref::kMain, pref::kCsvDirPath, *folder);
  QDialog::accept();
}

void CDlgCsvFileSelect::reject() {
  if (proceed_) *proceed_ = false;
  QDialog::reject();
}

bool RunCsvExport(QWidget* parent, SettingData& record, CTK48CFGApp& app) {
  CDlgCsvFileSelect dialog(app, record, CDlgCsvFileSelect::Mode::Export, nullptr, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool RunCsvImport(QWidget* parent, SettingData& record, CTK48CFGApp& app) {
  bool proceed = true;
  CDlgCsvFileSelect dialog(app, record, CDlgCsvFileSelect::Mode::Import, &proceed, parent);
  dialog.exec();
  return proceed;
}

}  // namespace tk48
