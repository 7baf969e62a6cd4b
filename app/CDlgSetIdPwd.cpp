#include "app/CDlgSetIdPwd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTK48CFGApp.h"
#include "app/credential_check.h"
#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

struct ActionRow {
  bool CredentialFlags::*flag;
  int label;
  Screen screen;
};
constexpr ActionRow kActions[] = {{&CredentialFlags::web, text::kWebServer, Screen::WebAuth},
                                  {&CredentialFlags::ftp, text::kFtpServer, Screen::FtpServer}};

}  // namespace

CDlgSetIdPwd::CDlgSetIdPwd(CTK48CFGApp& app, SettingData& record, QWidget* parent)
    : QDialog(parent),
      app_(app),
      record_(record),
      slots_{new QPushButton(this), new QPushButton(this)},
      ok_(new QPushButton(Text(text::kOk), this)),
      cancel_(new QPushButton(Text(text::kCancel), this)) {
  setWindowTitle(Text(text::kIdPasswordTitle));
  setMinimumWidth(260);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Text(text::kSetIdAndPassword), this));
  for (auto* slot : slots_) {
    slot->setAutoDefault(false);
    slot->hide();
    layout->addWidget(slot);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &CDlgSetIdPwd::accept);
  connect(cancel_, &QPushButton::clicked, this, [this] { done(Rejected); });

  // The buttons fill from the top slot in the order of the flags.
  const CredentialFlags flags = CheckCredentials(record_);
  std::size_t next = 0;
  for (const auto& action : kActions) {
    if (!(flags.*action.flag)) continue;
    QPushButton* slot = slots_[next++];
    slot->setText(Text(action.label));
    slot->show();
    // The editor is disabled until it exists.
    const ScreenOpener open = app_.screens(action.screen);
    slot->setEnabled(static_cast<bool>(open));
    if (open) connect(slot, &QPushButton::clicked, this, [this, open] { open({this, record_, app_}); });
  }
}

void CDlgSetIdPwd::accept() {
  if (CheckCredentials(record_).any() &&
      app_.ui.Message(LoadText(text::kCredentialsStillWeak), Icon::Warning, Buttons::OkCancel) != Answer::Ok)
    return;
  done(Accepted);
}

void CDlgSetIdPwd::reject() { accept(); }

}  // namespace tk48
