#pragma once
// The one way the core talks to the user. The desktop application implements it
// with modal Qt dialogs; the command line prints to stderr; tests script it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tk48 {

enum class Icon : std::uint8_t { None, Error, Warning, Information, Question };
enum class Buttons : std::uint8_t { Ok, OkCancel, YesNo };
enum class Answer : std::uint8_t { Ok, Cancel, Yes, No };

struct FileDialog {
  bool save = false;
  std::string filter;       // "TK48GCFG File(*.xml)|*.xml||" form
  std::string initialName;  // "tk48gcfg.xml"
  std::string defaultExt;
};

// Which "Please wait" dialog a transfer shows.
enum class WaitKind : std::uint8_t { Usb, Network };

// The folder chooser: caption, prompt and the folder it starts at.
struct FolderDialog {
  std::string title;
  std::string prompt;
  std::string initial;
};

struct Credentials {
  std::string login;
  std::string password;
};

// The icon a box actually shows.
inline Icon EffectiveIcon(Icon icon, Buttons buttons) {
  if (icon != Icon::None) return icon;
  return buttons == Buttons::YesNo ? Icon::Question : Icon::Warning;
}

class UiPort {
 public:
  virtual ~UiPort() = default;
  // A modal message box. Icon::None picks warning for Ok/OkCancel and question for YesNo.
  Answer Message(std::string_view text, Icon icon, Buttons buttons = Buttons::Ok) {
    return ShowMessage(text, EffectiveIcon(icon, buttons), buttons);
  }
  // The same box offering `details` behind its details button (where the fault
  // lies, for example); the message itself reads as without them.
  Answer Message(std::string_view text, Icon icon, Buttons buttons, std::string_view details) {
    if (details.empty()) return Message(text, icon, buttons);
    return ShowDetailedMessage(text, details, EffectiveIcon(icon, buttons), buttons);
  }
  // File open/save dialog; nullopt when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialog& dialog) = 0;
  // Folder chooser (folders only; a typed path that is no folder is refused and
  // the chooser stays open); nullopt when cancelled.
  virtual std::optional<std::string> ChooseFolder(const FolderDialog&) { return std::nullopt; }
  // The login prompt; nullopt when cancelled.
  virtual std::optional<Credentials> AskLogin(const Credentials& current) = 0;
  // The colour chooser, opened on `initial` (0x00RRGGBB); the confirmed colour,
  // or nullopt when cancelled. Without a screen there is nothing to choose.
  virtual std::optional<std::uint32_t> ChooseColor(std::uint32_t /*initial*/) { return std::nullopt; }
  // The modal "Please wait" dialog: starts `work` on a worker thread, shows
  // progress() over 0..length every 500 ms, and returns once `work` has
  // returned. It has no buttons; Enter and Escape do not close it.
  virtual void RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                               const std::function<std::int64_t()>& progress) = 0;
  // The same dialog around work that has no progress to show (connecting and
  // the status check): the window stays alive while the device is slow.
  virtual void RunWaiting(WaitKind kind, const std::function<void()>& work) {
    RunWithProgress(kind, 0, work, [] { return std::int64_t{0}; });
  }

 protected:
  // Implementations show the box; the icon is already the effective one.
  virtual Answer ShowMessage(std::string_view text, Icon icon, Buttons buttons) = 0;
  // A port without a place for details shows the message alone.
  virtual Answer ShowDetailedMessage(std::string_view text, std::string_view /*details*/, Icon icon,
                                     Buttons buttons) {
    return ShowMessage(text, icon, buttons);
  }
};

}  // namespace tk48
