#include "editors/com/CDlgSetComWebAuthConf.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editors/com/CDlgSetComWebAuthCtrl.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kLoginChars = 16;
}  // namespace

CDlgSetComWebAuthConf::CDlgSetComWebAuthConf(QWidget* parent, WebAccount& target, int index,
                                             const SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), target_(target), work_(target) {
  setWindowTitle(QUtf8Text(FormatText(text::kAccountLabel, index + 1)));
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  login = EditField(this, 160);
  password = EditField(this, 160);
  fields_.Choice(mode, work_.MODE);
  fields_.Text(login, work_.LOGIN);
  fields_.Text(password, work_.PASSWORD);
  Guard(mode);

  // The rights screens write into this screen's copy, and only on their OK.
  channelButton = new QPushButton(Tx(text::kColumnCh), this);
  scheduleButton = new QPushButton(Tx(text::kScheduleUnit), this);
  for (QPushButton* b : {channelButton, scheduleButton}) b->setAutoDefault(false);
  connect(channelButton, &QPushButton::clicked, this, [this, &record] {
    CDlgSetComWebAuthCtrlCh rights(this, work_, record, ui_);
    rights.exec();
  });
  connect(scheduleButton, &QPushButton::clicked, this, [this, &record] {
    CDlgSetComWebAuthCtrlSu rights(this, work_, record, ui_);
    rights.exec();
  });

  auto* authorization = new QGroupBox(Tx(text::kAuthorization), this);
  auto* form = new QFormLayout(authorization);
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kLoginId, login);
  AddRow(form, text::kPassword, password);
  auto* function = new QGroupBox(Tx(text::kFunction), this);
  auto* buttons = new QHBoxLayout(function);
  buttons->addWidget(channelButton);
  buttons->addWidget(scheduleButton);

  const FootButtons foot = OkCancelColumn({authorization, function});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComWebAuthConf::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* w : std::initializer_list<QWidget*>{login, password, channelButton, scheduleButton}) w->setEnabled(on);
}

// Login and password are checked whatever the mode; a change of the mode only
// checks them while they are in use.
bool CDlgSetComWebAuthConf::Validate() {
  return checks_.Ascii(login, kLoginChars, text::kLoginIdError, 0, 0, Scope::Always) &&
         checks_.Ascii(password, kLoginChars, text::kPasswordError, 0, 0, Scope::Always);
}

void CDlgSetComWebAuthConf::Commit() {
  ItemEditor::Commit();
  target_ = work_;
}

}  // namespace tk48
