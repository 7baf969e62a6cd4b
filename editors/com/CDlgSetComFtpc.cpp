#include "editors/com/CDlgSetComFtpc.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kChars = 64;

// The failure output's types, in list order: the stored kind is the position.
const RefKind kErrorKinds[] = {
    {0, nullptr},
    {1, &FamilyOf(FamilyId::Md)},
    {2, &FamilyOf(FamilyId::Do)},
    {3, &FamilyOf(FamilyId::Gdo)},
};

struct LogKind {
  int labelId;
  std::int32_t FtpcBlock::*send;
  std::uint16_t FtpcBlock::*command;
};
constexpr LogKind kLogKinds[5] = {
    {text::kLoggingData, &FtpcBlock::FILE_LOG, &FtpcBlock::COM_LOG},
    {text::kEventLog, &FtpcBlock::FILE_EVE, &FtpcBlock::COM_EVE},
    {text::kSystemLog, &FtpcBlock::FILE_SYS, &FtpcBlock::COM_SYS},
    {text::kCommunicationLog, &FtpcBlock::FILE_COM, &FtpcBlock::COM_COM},
    {text::kSchedulerLog, &FtpcBlock::FILE_SCHD, &FtpcBlock::COM_SCHD},
};

}  // namespace

CDlgSetComFtpc::CDlgSetComFtpc(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), ftpc_(record.COM.FTPC) {
  setWindowTitle(Tx(text::kFtpClient));
  const std::initializer_list<int> disableEnable = {text::kDisable, text::kEnable};
  mode = ChoiceList(this, disableEnable);
  protocol = ChoiceList(this, {text::kFtp, text::kFtps});
  port = EditField(this, 80);
  server = EditField(this, 320);
  login = EditField(this, 320);
  password = EditField(this, 320);
  subfolder = EditField(this, 320);
  ignorePasv = new QCheckBox(Tx(text::kIgnore), this);
  errorType = ChoiceList(this, {text::kOutputNone, text::kPageMd, text::kPageDo, text::kPageGdo});
  errorChannel = new QComboBox(this);
  report = ChoiceList(this, disableEnable);

  fields_.Choice(mode, ftpc_.MODE);
  fields_.Choice(protocol, ftpc_.PROTOCOL);
  fields_.Int(port, ftpc_.PORT);
  fields_.Text(server, ftpc_.FTP_SERVER);
  fields_.Text(login, ftpc_.FTP_LOGIN);
  fields_.Text(password, ftpc_.FTP_PASSWORD);
  fields_.Text(subfolder, ftpc_.FTP_SUBFOLDER);
  fields_.Flag(ignorePasv, ftpc_.PASV_ADDR);
  Guard(mode);
  ChannelChoice(errorType, errorChannel, ftpc_.ERROR, kErrorKinds, record);
  OnChoice(errorType, [this] { errorTypePicked_ = true; });
  fields_.Choice(report, ftpc_.FILE_REP);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kProtocol, protocol);
  AddRow(form, text::kPortAddress, port);
  AddRow(form, text::kServerAddress, server);
  Name(server, SubName(text::kFtp, text::kServerAddress));
  AddRow(form, text::kLoginId, login);
  AddRow(form, text::kPassword, password);
  AddRow(form, text::kSubfolder, subfolder);
  AddRow(form, text::kPasvAddress, ignorePasv);
  Name(ignorePasv, SubName(text::kPasvAddress, text::kIgnore));

  auto* failure = new QHBoxLayout;
  failure->addWidget(FieldLabel(this, text::kType, errorType));
  failure->addWidget(errorType);
  failure->addWidget(FieldLabel(this, text::kColumnCh, errorChannel));
  failure->addWidget(errorChannel, 1);
  Name(errorType, SubName(text::kFailureOutput, text::kType));
  Name(errorChannel, SubName(text::kFailureOutput, text::kColumnCh));
  form->addRow(Tx(text::kFailureOutput), failure);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Tx(text::kSendOnSave), this), 0, 1);
  grid->addWidget(new QLabel(Tx(text::kSendCommand), this), 0, 2);
  grid->addWidget(new QLabel(Tx(text::kColumnCh), this), 0, 3);
  for (int i = 0; i < 5; ++i) {
    const LogKind& kind = kLogKinds[i];
    LogRow& row = logs[i];
    row.sendOnSave = ChoiceList(this, disableEnable);
    row.command = ChoiceList(this, {text::kOutputNone, text::kPageMd});
    row.channel = new QComboBox(this);
    fields_.Choice(row.sendOnSave, ftpc_.*kind.send);
    ChannelNumberChoice(row.command, row.channel, ftpc_.*kind.command, FamilyOf(FamilyId::Md), record);
    grid->addWidget(FieldLabel(this, kind.labelId, row.sendOnSave), i + 1, 0);
    // The column heads label every row: "Event log (Send command)".
    Name(row.sendOnSave, SubName(kind.labelId, text::kSendOnSave));
    Name(row.command, SubName(kind.labelId, text::kSendCommand));
    Name(row.channel, SubName(kind.labelId, text::kColumnCh));
    grid->addWidget(row.sendOnSave, i + 1, 1);
    grid->addWidget(row.command, i + 1, 2);
    grid->addWidget(row.channel, i + 1, 3);
  }
  grid->addWidget(FieldLabel(this, text::kReportFormData, report), 6, 0);
  Name(report, SubName(text::kReportFormData, text::kSendOnUpdate));
  grid->addWidget(report, 6, 1);
  grid->addWidget(new QLabel(Tx(text::kSendOnUpdate), this), 6, 2);

  const FootButtons foot = OkCancelColumn({form, grid});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComFtpc::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* field : std::initializer_list<QWidget*>{protocol, port, server, login, password, subfolder, ignorePasv,
                                                        errorType, report})
    field->setEnabled(on);
  errorChannel->setEnabled(on && errorType->currentIndex() > 0);
  for (const LogRow& row : logs) {
    row.sendOnSave->setEnabled(on);
    row.command->setEnabled(on);
    row.channel->setEnabled(on && row.command->currentIndex() > 0);
  }
}

// Disabled, the fields are not in use and their checks are skipped.
bool CDlgSetComFtpc::Validate() {
  return checks_.Int(port, 0, 65535, text::kPortAddressError) &&
         checks_.Ascii(server, kChars, text::kFtpServerError, 0, 0) &&
         checks_.Ascii(login, kChars, text::kFtpLoginError, 0, 0) &&
         checks_.Ascii(password, kChars, text::kFtpPasswordError, 0, 0) &&
         checks_.Text(subfolder, kChars, text::kFtpSubfolderError);
}

void CDlgSetComFtpc::Commit() {
  ItemEditor::Commit();
  // "None" picked for the failure output: no channel either.
  if (errorTypePicked_ && ftpc_.ERROR.kind == 0) ftpc_.ERROR.no = 0;
}

bool RunSetComFtpc(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComFtpc dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
