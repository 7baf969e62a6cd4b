#include "app/CDlgSetMain.h"

#include <unistd.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/CDlgCommConfirm.h"
#include "app/CDlgSetIdPwd.h"
#include "app/CTK48CFGApp.h"
#include "app/connection_text.h"
#include "app/credential_check.h"
#include "app/qt_text.h"
#include "editors/toolkit/find_results.h"
#include "model/file_io.h"
#include "model/writer.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

struct SectionRow {
  Screen screen;
  int label;
};
// The section editors, in the hub's order, then the CSV export.
constexpr SectionRow kSections[] = {
    {Screen::System, text::kSystem},           {Screen::InputOutput, text::kInputOutput},
    {Screen::Communication, text::kCommunication}, {Screen::Email, text::kEmail},
    {Screen::GraphDisplay, text::kGraphDisplay}, {Screen::Record, text::kRecord},
    {Screen::Scheduler, text::kScheduler},     {Screen::ProcessMonitor, text::kProcessMonitor},
    {Screen::SaveCsv, text::kSaveCsvFile},
};

// Whether `path` can be written at all: an existing file must be writable, a
// new one needs a writable folder. Tells "cannot open" from "failed to write".
bool CanCreate(const std::string& path) {
  const QFileInfo info(QUtf8(path));
  if (info.exists()) return !info.isDir() && ::access(path.c_str(), W_OK) == 0;
  return ::access(StdUtf8(info.absolutePath()).c_str(), W_OK) == 0;
}

}  // namespace

CDlgSetMain::CDlgSetMain(CTK48CFGApp& app, SettingData& record, std::string currentFile, QWidget* parent)
    : QDialog(parent),
      app_(app),
      record_(record),
      baseline_(NewSettingData()),
      currentFile_(std::move(currentFile)),
      upload_(new QPushButton(Text(text::kUploadToDevice), this)),
      saveFile_(new QPushButton(Text(text::kSaveFile), this)),
      back_(new QPushButton(Text(text::kBack), this)),
      tagMessage_(new QCheckBox(Text(text::kShowInvalidSettingCheck), this)),
      accessMode_(new QLabel(this)),
      device_(new QLabel(this)),
      find_(new FindPanel(this, record, app.ui)) {
  setWindowTitle(Text(text::kConfiguration));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int cell = 0;
  for (const auto& row : kSections) {
    if (row.screen == Screen::SaveCsv) continue;
    auto* button = new QPushButton(Text(row.label), this);
    screenButtons_[row.screen] = button;
    grid->addWidget(button, cell / 2, cell % 2);
    ++cell;
  }
  layout->addLayout(grid);

  auto* files = new QGridLayout;
  files->addWidget(upload_, 0, 0);
  files->addWidget(saveFile_, 0, 1);
  auto* csv = new QPushButton(Text(text::kSaveCsvFile), this);
  screenButtons_[Screen::SaveCsv] = csv;
  files->addWidget(csv, 1, 1);
  layout->addLayout(files);
  layout->addWidget(tagMessage_);

  auto* access = new QGroupBox(Text(text::kAccessMode), this);
  auto* accessLayout = new QVBoxLayout(access);
  accessLayout->addWidget(accessMode_);
  accessLayout->addWidget(device_);
  layout->addWidget(access);
  // The search of the whole configuration: Ctrl+F, Enter searches, Enter or a
  // double-click on a hit opens its screen.
  layout->addWidget(find_);
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, find_, &FindPanel::FocusField);
  layout->addWidget(back_, 0, Qt::AlignRight);

  // A section whose editor is not there yet keeps its button disabled.
  for (auto& [screen, button] : screenButtons_) {
    button->setAutoDefault(false);
    const ScreenOpener open = app_.screens(screen);
    button->setEnabled(static_cast<bool>(open));
    if (open)
      connect(button, &QPushButton::clicked, this, [this, open] {
        open({this, record_, app_});
        find_->Refresh();
      });
  }
  upload_->setAutoDefault(false);
  saveFile_->setAutoDefault(false);
  back_->setDefault(true);
  connect(upload_, &QPushButton::clicked, this, &CDlgSetMain::Upload);
  connect(saveFile_, &QPushButton::clicked, this, &CDlgSetMain::SaveFile);
  connect(back_, &QPushButton::clicked, this, &CDlgSetMain::reject);

  // Opening.
  ShowConnection();
  tagMessage_->setChecked(app_.prefs.ReadInt(pref::kMain, pref::kTagMessage, pref::kDefaultTagMessage) == 1);
  connect(tagMessage_, &QCheckBox::toggled, this, [this](bool on) {
    app_.prefs.WriteInt(pref::kMain, pref::kTagMessage, on ? 1 : 0);
    app_.tagMessage = on;
  });
  TakeBaseline();
}

CDlgSetMain::~CDlgSetMain() = default;

void CDlgSetMain::ShowConnection() {
  const ConnectionText text = DescribeConnection(app_);
  accessMode_->setText(text.accessMode);
  device_->setText(text.device);
}

void CDlgSetMain::TakeBaseline() { *baseline_ = record_; }

void CDlgSetMain::reject() {
  if (!SameRecord(record_, *baseline_) &&
      app_.ui.Message(LoadText(text::kDiscardChanges), Icon::Question, Buttons::OkCancel) != Answer::Ok)
    return;
  done(Rejected);
}

void CDlgSetMain::SaveFile() {
  const auto text = ConfigurationText(record_, app_.ui);
  if (!text) return;
  const auto path = app_.ui.ChooseFile({.save = true,
                                        .filter = std::string(LoadText(text::kConfigFileFilter)),
                                        .initialName = currentFile_.empty()
                                                           ? std::string(LoadText(text::kDefaultConfigFileName))
                                                           : currentFile_,
                                        .defaultExt = "xml"});
  if (!path) return;
  if (!CanCreate(*path)) {
    app_.ui.Message(LoadText(text::kFailedToOpenFile), Icon::Error);
    return;
  }
  // A failed write leaves the file that was there untouched.
  if (!WriteFileAtomically(*path, *text)) {
    app_.ui.Message(LoadText(text::kFailedToSaveFile), Icon::Error);
    return;
  }
  app_.ui.Message(LoadText(text::kFileSaved), Icon::Information);
  TakeBaseline();
}

void CDlgSetMain::Upload() {
  if (CheckCredentials(record_).any()) {
    app_.ui.Message(LoadText(text::kCredentialsWarning), Icon::Warning);
    CDlgSetIdPwd credentials(app_, record_, this);
    if (credentials.exec() != QDialog::Accepted) return;
  }
  if (app_.ui.Message(LoadText(text::kConfirmUpload), Icon::Information, Buttons::OkCancel) != Answer::Ok) return;
  if (app_.confirmAccessMode) {
    CDlgCommConfirm confirm(app_, this);
    if (confirm.exec() != QDialog::Accepted) {
      ShowConnection();  // "Change" may have changed it before "Cancel"
      return;
    }
  }
  ShowConnection();
  DeviceContext ctx = app_.DeviceCtx();
  if (!app_.reviewUpload(app_, record_, this)) return;
  if (app_.device.upload(record_, ctx)) {
    TakeBaseline();
    app_.knownConfigurations.Remember(DeviceKey(app_.connection), record_);
  }
}

}  // namespace tk48
