// The screens that show one reply: "MAC address", "TK48 version", "System log"
// and "Disk usage". Each reads on opening and opens only with what it read.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "maintenance/menu_checks.h"
#include "maintenance/replies.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

CDlgMenMac::CDlgMenMac(QWidget* parent, MaintEnv& env, const std::string& mac)
    : MaintScreen(parent, env, text::kMenMac) {
  AddShown(text::kMenMac, mac);
  AddBack();
}

void RunMenMac(QWidget* parent, MaintEnv& env) {
  const auto reply = GetFile(env, File::Mac);
  const auto mac = reply ? MacText(*reply, env.ui) : std::nullopt;
  if (mac) CDlgMenMac(parent, env, *mac).exec();
}

CDlgMenVer::CDlgMenVer(QWidget* parent, MaintEnv& env, const std::string& version)
    : MaintScreen(parent, env, text::kMenVersion) {
  AddShown(text::kMenVersion, version);
  AddBack();
}

void RunMenVer(QWidget* parent, MaintEnv& env) {
  const auto status = ReadStatus(env);
  if (!status) return env.ui.Message(LoadText(text::kVersionFailure), Icon::Error), void();
  CDlgMenVer(parent, env, VersionText(*status)).exec();
}

CDlgMenSysLog::CDlgMenSysLog(QWidget* parent, MaintEnv& env, const std::string& log)
    : MaintScreen(parent, env, text::kMenSysLog) {
  text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setPlainText(QString::fromStdString(log));
  Name(text, Tx(text::kMenSysLog));
  layout_->insertWidget(0, text);
  AddCommand(text::kMenResetLog, [this] {
    if (Confirm(env_.ui, text::kConfirmResetSystemLog) && PutFile(env_, File::LogReset, FixedPayload(File::LogReset)))
      text->clear();
  });
  AddBack();
}

void RunMenSysLog(QWidget* parent, MaintEnv& env) {
  const auto reply = GetFile(env, File::LogGet);
  if (reply) CDlgMenSysLog(parent, env, LogText(*reply)).exec();
}

CDlgMenSdUse::CDlgMenSdUse(QWidget* parent, MaintEnv& env, const std::string& free)
    : MaintScreen(parent, env, text::kMenDisk) {
  AddShown(text::kMenFreeCapacity, free);
  AddBack();
}

// The SD card flag and the reply come over one connection.
void RunMenSdUse(QWidget* parent, MaintEnv& env) {
  DeviceContext ctx = env.device();
  DeviceSession session(ctx);
  if (!session.Connect() || !CheckSdCard(session.status().sdCard(), SdUse::Disk, env.ui)) return;
  const auto reply = session.Get(FileOf(File::Sd).name, Capacity(File::Sd, ctx.settings.usb));
  session.Close();
  const auto free = reply ? DiskReplyText(*reply, env.ui) : std::nullopt;
  if (free) CDlgMenSdUse(parent, env, *free).exec();
}

}  // namespace tk48::maint
