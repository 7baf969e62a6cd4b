#pragma once
// The UI port with Qt: modal message boxes, file dialogs, the login prompt
// (CDlgPassword) and the "Please wait" dialogs (CDlgWait232c, CDlgWaitTcpCipher).
// A call from another thread is carried out on the user-interface thread,
// which the caller waits for.
#include <QStringList>
#include <string_view>

#include "port/ui_port.h"

namespace tk48 {

class QtUi : public UiPort {
 public:
  std::optional<std::string> ChooseFile(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFolder(const FolderDialog& dialog) override;
  std::optional<Credentials> AskLogin(const Credentials& current) override;
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override;
  void RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                       const std::function<std::int64_t()>& progress) override;
  // A plain "Please wait" dialog with a busy bar.
  void RunWaiting(WaitKind kind, const std::function<void()>& work) override;

 protected:
  Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) override;
  // The box's "Show Details..." button offers `details`.
  Answer ShowDetailedMessage(std::string_view text, std::string_view details, Icon icon,
                             Buttons buttons) override;
};

// "TK48GCFG File(*.xml)|*.xml||" as Qt name filters: {"TK48GCFG File(*.xml)"}.
QStringList QtNameFilters(std::string_view filter);

}  // namespace tk48
