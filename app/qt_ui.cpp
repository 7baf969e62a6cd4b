#include "app/qt_ui.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>

#include "app/CDlgPassword.h"
#include "app/CDlgWait232c.h"
#include "app/CDlgWaitTcpCipher.h"
#include "app/qt_text.h"
#include "app/wait_dialog.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Runs `fn` on the user-interface thread and returns its result.
template <typename Fn>
auto OnUiThread(Fn fn) -> decltype(fn()) {
  if (QThread::currentThread() == qApp->thread()) return fn();
  decltype(fn()) result{};
  QMetaObject::invokeMethod(qApp, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
  return result;
}

QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

struct IconRow {
  Icon icon;
  QMessageBox::Icon qt;
};
constexpr IconRow kIcons[] = {{Icon::None, QMessageBox::NoIcon},
                              {Icon::Error, QMessageBox::Critical},
                              {Icon::Warning, QMessageBox::Warning},
                              {Icon::Information, QMessageBox::Information},
                              {Icon::Question, QMessageBox::Question}};

struct ButtonsRow {
  Buttons buttons;
  QMessageBox::StandardButtons qt;
  Answer escape;  // the answer of Escape or closing the box
};
constexpr ButtonsRow kButtons[] = {{Buttons::Ok, QMessageBox::Ok, Answer::Ok},
                                   {Buttons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, Answer::Cancel},
                                   {Buttons::YesNo, QMessageBox::Yes | QMessageBox::No, Answer::No}};

struct AnswerRow {
  QMessageBox::StandardButton qt;
  Answer answer;
};
constexpr AnswerRow kAnswers[] = {{QMessageBox::Ok, Answer::Ok},
                                  {QMessageBox::Cancel, Answer::Cancel},
                                  {QMessageBox::Yes, Answer::Yes},
                                  {QMessageBox::No, Answer::No}};

}  // namespace

QStringList QtNameFilters(std::string_view filter) {
  const QStringList parts = QUtf8(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& label = parts[i];
    if (label.isEmpty()) break;  // the "||" that ends the list
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    filters << (label.endsWith(u'(' + patterns + u')') ? label : label + QStringLiteral(" (") + patterns + u')');
  }
  return filters;
}

Answer QtUi::ShowMessage(std::string_view text, Icon icon, Buttons buttons) {
  return ShowDetailedMessage(text, {}, icon, buttons);
}

Answer QtUi::ShowDetailedMessage(std::string_view text, std::string_view details, Icon icon, Buttons buttons) {
  const QString message = QUtf8(text);
  return OnUiThread([&] {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    for (const auto& row : kIcons)
      if (row.icon == icon) qtIcon = row.qt;
    const ButtonsRow* set = &kButtons[0];
    for (const auto& row : kButtons)
      if (row.buttons == buttons) set = &row;
    QMessageBox box(qtIcon, Text(text::kAppTitle), message, set->qt, DialogParent());
    box.setTextFormat(Qt::PlainText);
    if (!details.empty()) box.setDetailedText(QUtf8(details));
    box.exec();
    auto* clicked = box.clickedButton();
    for (const auto& row : kAnswers)
      if (clicked && box.standardButton(clicked) == row.qt) return row.answer;
    return set->escape;
  });
}

std::optional<std::string> QtUi::ChooseFile(const FileDialog& request) {
  return OnUiThread([&]() -> std::optional<std::string> {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(request.filter));
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QUtf8(request.defaultExt));
    // A pattern such as "*.xml" is what the filter already shows; only a name is preselected.
    if (const QString name = QUtf8(request.initialName); !name.isEmpty() && !name.contains(u'*'))
      dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return StdUtf8(dialog.selectedFiles().front());
  });
}

std::optional<std::string> QtUi::ChooseFolder(const FolderDialog& request) {
  return OnUiThread([&]() -> std::optional<std::string> {
    QFileDialog dialog(DialogParent(), QUtf8(request.title), QUtf8(request.initial));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::FileName, QUtf8(request.prompt));
    for (;;) {
      if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
      const QString chosen = dialog.selectedFiles().front();
      if (QFileInfo(chosen).isDir()) return StdUtf8(chosen);
      // A typed path that is no folder: say so and keep browsing from the last good one.
      Message(LoadText(text::kCsvInvalidPath), Icon::Error);
      dialog.setDirectory(dialog.directory());
    }
  });
}

std::optional<Credentials> QtUi::AskLogin(const Credentials&) {
  return OnUiThread([&]() -> std::optional<Credentials> {
    CDlgPassword dialog(*this, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
  });
}

std::optional<std::uint32_t> QtUi::ChooseColor(std::uint32_t initial) {
  return OnUiThread([&]() -> std::optional<std::uint32_t> {
    QColorDialog dialog(QColor::fromRgb(initial & 0xFFFFFFu), DialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return static_cast<std::uint32_t>(dialog.selectedColor().rgb() & 0xFFFFFFu);
  });
}

void QtUi::RunWithProgress(WaitKind kind, std::int64_t length, const std::function<void()>& work,
                           const std::function<std::int64_t()>& progress) {
  OnUiThread([&] {
    if (kind == WaitKind::Usb) {
      CDlgWait232c dialog(length, work, progress, DialogParent());
      dialog.Run();
    } else {
      CDlgWaitTcpCipher dialog(length, work, progress, DialogParent());
      dialog.Run();
    }
    return 0;
  });
}

void QtUi::RunWaiting(WaitKind, const std::function<void()>& work) {
  OnUiThread([&] {
    WaitDialog dialog(0, work, {}, DialogParent());
    dialog.Run();
    return 0;
  });
}

}  // namespace tk48
