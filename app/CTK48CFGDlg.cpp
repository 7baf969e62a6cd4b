#include "app/CTK48CFGDlg.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/CAboutDlg.h"
#include "app/CDlgBackups.h"
#include "app/CDlgCom.h"
#include "app/CDlgComLog.h"
#include "app/CDlgCommConfirm.h"
#include "app/CDlgSetMain.h"
#include "app/CTK48CFGApp.h"
#include "app/backups.h"
#include "app/connection_text.h"
#include "app/qt_text.h"
#include "link/port_access.h"
#include "link/serial_port.h"
#include "model/defaults.h"
#include "model/file_io.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

QPushButton* AddButton(QWidget* parent, QLayout* layout, int label) {
  auto* button = new QPushButton(Text(label), parent);
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

}  // namespace

CTK48CFGDlg::CTK48CFGDlg(CTK48CFGApp& app, QWidget* parent)
    : QDialog(parent), app_(app), record_(NewSettingData()) {
  setWindowTitle(Text(text::kAppTitle));
  auto* layout = new QVBoxLayout(this);

  auto* configuration = new QGroupBox(Text(text::kConfiguration), this);
  auto* configurationLayout = new QVBoxLayout(configuration);
  newSetting_ = AddButton(this, configurationLayout, text::kNewSetting);
  download_ = AddButton(this, configurationLayout, text::kDownloadFromDevice);
  readFile_ = AddButton(this, configurationLayout, text::kReadFile);
  readCsv_ = AddButton(this, configurationLayout, text::kReadCsvFile);
  readCsv_->hide();  // the command exists, its button is not shown
  layout->addWidget(configuration);

  auto* maintenanceGroup = new QGroupBox(Text(text::kMaintenance), this);
  auto* maintenanceLayout = new QVBoxLayout(maintenanceGroup);
  maintenance_ = AddButton(this, maintenanceLayout, text::kMaintenance);
  comLog_ = AddButton(this, maintenanceLayout, text::kCommunicationLog);
  layout->addWidget(maintenanceGroup);

  auto* general = new QGroupBox(Text(text::kGeneral), this);
  auto* generalLayout = new QVBoxLayout(general);
  remoteConfig_ = AddButton(this, generalLayout, text::kAppTitle);
  network_ = AddButton(this, generalLayout, text::kNetwork);
  layout->addWidget(general);

  auto* access = new QGroupBox(Text(text::kAccessMode), this);
  auto* accessLayout = new QVBoxLayout(access);
  accessMode_ = new QLabel(access);
  device_ = new QLabel(access);
  confirm_ = new QCheckBox(Text(text::kConfirmAccessModeCheck), access);
  accessLayout->addWidget(accessMode_);
  accessLayout->addWidget(device_);
  accessLayout->addWidget(confirm_);
  layout->addWidget(access);

  auto* footer = new QHBoxLayout;
  connect_ = new QPushButton(Text(text::kConnect), this);
  connect_->setAutoDefault(false);
  quit_ = new QPushButton(Text(text::kQuit), this);
  quit_->setDefault(true);
  footer->addWidget(connect_);
  footer->addStretch(1);
  footer->addWidget(quit_);
  layout->addLayout(footer);

  // The hidden "Read file（CSV）" command answers Ctrl+Shift+R.
  readCsvShortcut_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), this);
  connect(readCsvShortcut_, &QShortcut::activated, this, &CTK48CFGDlg::ReadCsv);

  // There is no system menu to extend here: the About item is the window's context menu.
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  auto* about = new QAction(Text(text::kAboutMenu), this);
  addAction(separator);
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(about, &QAction::triggered, this, &CTK48CFGDlg::About);
  // The kept configurations come first in the same menu.
  backups_ = new QAction(Text(text::kBackups), this);
  insertAction(separator, backups_);
  connect(backups_, &QAction::triggered, this, &CTK48CFGDlg::Backups);

  connect(newSetting_, &QPushButton::clicked, this, &CTK48CFGDlg::NewSetting);
  connect(download_, &QPushButton::clicked, this, &CTK48CFGDlg::Download);
  connect(readFile_, &QPushButton::clicked, this, &CTK48CFGDlg::ReadFile);
  connect(readCsv_, &QPushButton::clicked, this, &CTK48CFGDlg::ReadCsv);
  connect(maintenance_, &QPushButton::clicked, this, &CTK48CFGDlg::Maintenance);
  connect(comLog_, &QPushButton::clicked, this, &CTK48CFGDlg::CommunicationLog);
  connect(remoteConfig_, &QPushButton::clicked, this, &CTK48CFGDlg::RemoteConfig);
  connect(network_, &QPushButton::clicked, this, &CTK48CFGDlg::NetworkSettings);
  connect(connect_, &QPushButton::clicked, this, &CTK48CFGDlg::Connect);
  connect(quit_, &QPushButton::clicked, this, &CTK48CFGDlg::reject);

  // Screens of other parts keep their buttons disabled until they exist.
  EnableFor(readCsv_, Screen::ReadCsv);
  readCsvShortcut_->setEnabled(readCsv_->isEnabled());
  EnableFor(maintenance_, Screen::Maintenance);
  EnableFor(remoteConfig_, Screen::RemoteConfig);
  EnableFor(network_, Screen::NetworkSettings);

  // Opening.
  ShowConnection();
  confirm_->setChecked(app_.prefs.ReadInt(pref::kMain, pref::kConnectConfirm, pref::kDefaultConnectConfirm) != 0);
  connect(confirm_, &QCheckBox::toggled, this, [this](bool on) {
    app_.prefs.WriteInt(pref::kMain, pref::kConnectConfirm, on ? 1 : 0);
    app_.confirmAccessMode = on;
  });
}

CTK48CFGDlg::~CTK48CFGDlg() = default;

void CTK48CFGDlg::EnableFor(QPushButton* button, Screen screen) {
  button->setEnabled(static_cast<bool>(app_.screens(screen)));
}

void CTK48CFGDlg::ShowConnection() {
  const ConnectionText text = DescribeConnection(app_);
  accessMode_->setText(text.accessMode);
  device_->setText(text.device);
  comLog_->setEnabled(app_.connection.usb);
}

bool CTK48CFGDlg::AccessModeGate() {
  if (app_.confirmAccessMode) {
    CDlgCommConfirm confirm(app_, this);
    if (confirm.exec() != QDialog::Accepted) {
      ShowConnection();  // "Change" may have changed it
      return false;
    }
  }
  ShowConnection();
  return true;
}

void CTK48CFGDlg::OpenHub(bool fromFile) {
  app_.knownConfigurations.OpenedFrom(fromFile ? record_.get() : nullptr, currentFile_);
  {
    CDlgSetMain hub(app_, *record_, currentFile_, this);
    hub.exec();
  }
  // "Upload" then "Change" inside the hub may have switched the connection.
  ShowConnection();
}

void CTK48CFGDlg::NewSetting() {
  currentFile_.clear();
  ApplyNewSetting(*record_);
  OpenHub();
}

void CTK48CFGDlg::Download() {
  if (!AccessModeGate()) return;
  DeviceContext ctx = app_.DeviceCtx();
  if (!app_.device.download(*record_, ctx)) return;
  app_.knownConfigurations.Remember(DeviceKey(app_.connection), *record_);
  OpenHub();
}

void CTK48CFGDlg::ReadFile() {
  const auto path = app_.ui.ChooseFile({.save = false,
                                        .filter = std::string(LoadText(text::kConfigFileFilter)),
                                        .initialName = std::string(LoadText(text::kXmlFilePattern)),
                                        .defaultExt = {}});
  if (path) OpenFile(*path);
}

void CTK48CFGDlg::OpenFile(const std::string& path) {
  // A FIFO, a device or an oversized file is refused before anything changes.
  const FileRead read = ReadConfigurationFile(path);
  if (!read.bytes) {
    app_.ui.Message(RefusalText(read, path), Icon::Error);
    return;
  }
  currentFile_ = path;
  // Resets the record to its defaults before it reads.
  if (LoadSettingsText(*record_, *read.bytes, app_.ui, app_.tagMessage)) OpenHub(true);
}

void CTK48CFGDlg::Backups() {
  std::optional<std::string> chosen;
  {
    CDlgBackups backups(OpenBackupStore(app_.prefs), *record_, app_.ui, this);
    if (backups.exec() == QDialog::Accepted) chosen = backups.Chosen();
  }
  if (chosen) OpenFile(*chosen);
}

void CTK48CFGDlg::ReadCsv() {
  const ScreenOpener import = app_.screens(Screen::ReadCsv);
  if (!import) return;
  ApplyDefaults(*record_);
  if (import({this, *record_, app_})) OpenHub();
}

void CTK48CFGDlg::Maintenance() {
  const ScreenOpener menu = app_.screens(Screen::Maintenance);
  if (!menu || !AccessModeGate()) return;
  DeviceContext ctx = app_.DeviceCtx();
  if (!app_.device.checkConnection(ctx)) return;
  menu({this, *record_, app_});
}

void CTK48CFGDlg::DownloadAndEdit(Screen screen) {
  const ScreenOpener editor = app_.screens(screen);
  if (!editor || !AccessModeGate()) return;
  DeviceContext ctx = app_.DeviceCtx();
  if (!app_.device.downloadAccess(*record_, ctx)) return;
  editor({this, *record_, app_});
}

void CTK48CFGDlg::RemoteConfig() { DownloadAndEdit(Screen::RemoteConfig); }
void CTK48CFGDlg::NetworkSettings() { DownloadAndEdit(Screen::NetworkSettings); }

void CTK48CFGDlg::Connect() {
  ChangeConnection(app_, this);
  ShowConnection();
}

void CTK48CFGDlg::CommunicationLog() {
  // The log reads a COM port: a network connection has none to open.
  if (!app_.connection.usb) return;
  auto port = std::make_unique<SerialPort>();
  const auto path = ComPortPath(app_.connection.comPort, Preferences::ComLookup());
  if (!path || !port->Open(*path)) {
    app_.ui.Message(CannotOpenPortText(app_.connection.comPort, path, port->openError()), Icon::Error);
    return;
  }
  app_.ui.Message(LoadText(text::kDipSwitchOn), Icon::Information);
  {
    CDlgComLog log(app_, std::move(port), this);
    log.exec();
  }
  app_.ui.Message(LoadText(text::kDipSwitchOff), Icon::Information);
}

void CTK48CFGDlg::About() {
  CAboutDlg about(this);
  about.exec();
}

}  // namespace tk48
