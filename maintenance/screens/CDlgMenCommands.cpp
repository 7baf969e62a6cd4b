// The screens and menu buttons that send one command: "Initialize",
// "Restart TK48", "FTP client test", "Clear event log". The question comes
// before any connection.
#include <QPushButton>

#include "maintenance/menu_checks.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/text_ids.h"

namespace tk48::maint {

CDlgMenInit::CDlgMenInit(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenInit) {
  AddCommand(text::kMenInitMemory, [this] {
    if (Confirm(env_.ui, text::kConfirmInitMemory)) PutFile(env_, File::Mbclr, FixedPayload(File::Mbclr));
  });
  // Only a device of major version 2 has the process operation data: below it nothing is sent.
  AddCommand(text::kMenInitOpemon, [this] {
    if (!Confirm(env_.ui, text::kConfirmInitOpemon)) return;
    DeviceContext ctx = env_.device();
    DeviceSession session(ctx);
    if (!session.Connect() || !CheckOpemonVersion(session.status().major, env_.ui)) return;
    session.Put(FileOf(File::Opmnclr).name, FixedPayload(File::Opmnclr), FileOf(File::Opmnclr).pollCode);
  });
  AddBack();
}

void RunMenInit(QWidget* parent, MaintEnv& env) { CDlgMenInit(parent, env).exec(); }

CDlgMenOpe::CDlgMenOpe(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenRestart) {
  AddCommand(text::kMenRestart, [this] {
    if (Confirm(env_.ui, text::kConfirmRestart)) PutFile(env_, File::Ope, FixedPayload(File::Ope));
  });
  AddBack();
}

void RunMenOpe(QWidget* parent, MaintEnv& env) { CDlgMenOpe(parent, env).exec(); }

// Over USB the device needs its SD card for the test.
void RunFtpTest(QWidget*, MaintEnv& env) {
  if (!Confirm(env.ui, text::kConfirmProceed)) return;
  DeviceContext ctx = env.device();
  DeviceSession session(ctx);
  if (!session.Connect()) return;
  if (ctx.settings.usb && !CheckSdCard(session.status().sdCard(), SdUse::FtpTest, env.ui)) return;
  session.Put(FileOf(File::Ftpc).name, FixedPayload(File::Ftpc), FileOf(File::Ftpc).pollCode);
}

void RunEventClear(QWidget*, MaintEnv& env) {
  if (Confirm(env.ui, text::kConfirmClearEventLog)) PutFile(env, File::Eveclr, FixedPayload(File::Eveclr));
}

}  // namespace tk48::maint
