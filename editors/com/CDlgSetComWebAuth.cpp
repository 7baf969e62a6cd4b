#include "editors/com/CDlgSetComWebAuth.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "checks/c_number.h"
#include "editors/com/CDlgSetComWebAuthConf.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kHttpsEntry = 1;
constexpr std::int32_t kUse = 1;
// The standard port of each protocol, in list order.
constexpr const char* kStandardPorts[] = {"80", "443"};

std::string_view Bytes(const char (&text)[49]) { return {text, ::strnlen(text, sizeof text)}; }

}  // namespace

CDlgSetComWebAuth::CDlgSetComWebAuth(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  setWindowTitle(Tx(text::kWebServer));
  WebBlock& web = record.COM.WEB;
  std::copy(std::begin(web.AUTH), std::end(web.AUTH), work_.begin());
  protocol = ChoiceList(this, {text::kHttp, text::kHttps});
  port = EditField(this, 80);
  fields_.Choice(protocol, web.PROTOCOL);
  fields_.Int(port, web.PORT);
  // Every pick, the same protocol too, puts the standard port in; Load does not.
  connect(protocol, &QComboBox::activated, this,
          [this](int picked) { port->setText(kStandardPorts[picked == kHttpsEntry ? 1 : 0]); });

  ListSetup list;
  list.rows = static_cast<int>(work_.size());
  list.columns = {
      {text::kColumnId, 50, [](int row) { return QString::number(row + 1); }},
      {text::kMode, 80, [this](int row) { return Tx(work_[row].MODE == kUse ? text::kEnable : text::kDisable); }},
      {text::kLoginId, 180, [this](int row) { return FromRecord(work_[row].LOGIN); }},
  };
  list.edit = [this](QWidget* parent, int row) {
    CDlgSetComWebAuthConf identity(parent, work_[row], row, record_, ui_);
    identity.exec();
  };
  list.paste = [this](int from, int to) { work_[to] = work_[from]; };
  identities = new ListView(this, std::move(list));
  identities->setAccessibleName(Tx(text::kAuthorization));

  auto* form = new QFormLayout;
  AddRow(form, text::kProtocol, protocol);
  AddRow(form, text::kPortAddressNote, port);
  auto* authorization = new QGroupBox(Tx(text::kAuthorization), this);
  auto* box = new QVBoxLayout(authorization);
  box->addWidget(identities);

  const FootButtons foot = OkCancelColumn({form, new QLabel(Tx(text::kRestartNoteMarked), this), authorization});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  resize(420, 560);
  Start();
}

bool CDlgSetComWebAuth::Validate() {
  return checks_.Int(port, 0, 65535, text::kPortAddressError, Scope::Always) &&
         checks_.UniquePort(port, record_, PortService::Web, Scope::Always);
}

bool CDlgSetComWebAuth::CrossCheck() {
  if (protocol->currentIndex() == kHttpsEntry && ParseLong(Units(port->text())).value == 80)
    return checks_.Refuse(LoadText(text::kPortUnusable));
  // Enabled identities need logins of their own, byte for byte: two empty ones clash too.
  for (std::size_t i = 0; i < work_.size(); ++i) {
    if (work_[i].MODE != kUse) continue;
    for (std::size_t j = i + 1; j < work_.size(); ++j) {
      if (work_[j].MODE == kUse && Bytes(work_[i].LOGIN) == Bytes(work_[j].LOGIN))
        return checks_.Refuse(FormatText(text::kDuplicateLogin, std::string(Bytes(work_[i].LOGIN)).c_str()));
    }
  }
  return true;
}

void CDlgSetComWebAuth::Commit() {
  ItemEditor::Commit();
  std::copy(work_.begin(), work_.end(), std::begin(record_.COM.WEB.AUTH));
}

bool RunSetComWebAuth(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComWebAuth dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
