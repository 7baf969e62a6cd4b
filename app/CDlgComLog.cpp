#include "app/CDlgComLog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>

#include "app/CTK48CFGApp.h"
#include "app/qt_text.h"
#include "link/com_ports.h"
#include "link/port_access.h"
#include "link/serial_port.h"
#include "model/file_io.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr auto kPoll = std::chrono::milliseconds(5);
constexpr auto kStopWait = std::chrono::milliseconds(10000);
constexpr std::size_t kChunk = 4096;

}  // namespace

// Shared by the screen and the reader thread. It outlives the screen if a
// reader ever has to be abandoned.
struct CDlgComLog::Reader : std::enable_shared_from_this<Reader> {
  std::unique_ptr<SerialPort> port;
  std::mutex lock;
  std::string text;  // guarded by `lock`
  std::atomic<int> stop{0};
  std::atomic<bool> finished{false};
  std::atomic<bool> notifyPending{false};  // one new-text notification in flight at most
  QPointer<CDlgComLog> screen;             // touched on the user-interface thread only

  void Run() {
    std::uint8_t chunk[kChunk];
    while (!stop.load()) {
      const std::size_t queued = std::min(port->Queued(), kChunk);
      if (queued == 0 || !port->ReadExact({chunk, queued}, std::chrono::milliseconds(0))) {
        std::this_thread::sleep_for(kPoll);
        continue;
      }
      {
        std::lock_guard guard(lock);
        // A NUL ends nothing here: it is dropped, the rest of the chunk kept.
        for (std::size_t i = 0; i < queued; ++i)
          if (chunk[i] != 0) text.push_back(static_cast<char>(chunk[i]));
      }
      Notify();
      std::this_thread::sleep_for(kPoll);
    }
    port->Close();
    finished.store(true);
  }

  void Notify() {
    if (notifyPending.exchange(true)) return;
    QMetaObject::invokeMethod(qApp, [self = shared_from_this()] {
      self->notifyPending.store(false);
      if (self->screen) self->screen->ShowLog();
    }, Qt::QueuedConnection);
  }
};

std::string_view LastLines(std::string_view text, int count) {
  std::size_t end = text.size();
  if (end && text[end - 1] == '\n') --end;  // the final break closes the last line
  int lines = 1;
  for (std::size_t i = end; i-- > 0;)
    if (text[i] == '\n' && ++lines > count) return text.substr(i + 1);
  return text;
}

CDlgComLog::CDlgComLog(CTK48CFGApp& app, std::unique_ptr<SerialPort> port, QWidget* parent)
    : QDialog(parent),
      app_(app),
      reader_(std::make_shared<Reader>()),
      view_(new QPlainTextEdit(this)),
      clear_(new QPushButton(Text(text::kClearLog), this)),
      save_(new QPushButton(Text(text::kSaveLog), this)),
      back_(new QPushButton(Text(text::kBack), this)) {
  reader_->port = port ? std::move(port) : std::make_unique<SerialPort>();
  reader_->screen = this;
  setWindowTitle(Text(text::kCommunicationLog));
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear_);
  buttons->addWidget(save_);
  buttons->addStretch(1);
  buttons->addWidget(back_);
  layout->addLayout(buttons);
  clear_->setAutoDefault(false);
  save_->setAutoDefault(false);
  back_->setDefault(true);
  connect(clear_, &QPushButton::clicked, this, &CDlgComLog::ClearLog);
  connect(save_, &QPushButton::clicked, this, &CDlgComLog::SaveLog);
  connect(back_, &QPushButton::clicked, this, &CDlgComLog::reject);
  resize(640, 480);
}

CDlgComLog::~CDlgComLog() { StopReader(); }

bool CDlgComLog::Reading() const { return thread_.joinable(); }

int CDlgComLog::exec() {
  if (!StartReader()) {
    const auto path = ComPortPath(app_.connection.comPort, Preferences::ComLookup());
    app_.ui.Message(CannotOpenPortText(app_.connection.comPort, path, reader_->port->openError()), Icon::Error);
  }
  return QDialog::exec();
}

bool CDlgComLog::StartReader() {
  if (thread_.joinable()) return true;
  auto& port = *reader_->port;
  if (!port.IsOpen()) {
    const auto path = ComPortPath(app_.connection.comPort, Preferences::ComLookup());
    if (!path || !port.Open(*path)) return false;
  }
  thread_ = std::thread([reader = reader_] { reader->Run(); });
  return true;
}

// The reader sleeps at most 5 ms between looks at the stop request; one that
// still has not ended after 10 s is left behind with the state it shares.
void CDlgComLog::StopReader() {
  if (!thread_.joinable()) return;
  reader_->stop.store(1);
  const auto deadline = std::chrono::steady_clock::now() + kStopWait;
  while (!reader_->finished.load() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  if (reader_->finished.load()) thread_.join();
  else thread_.detach();
}

void CDlgComLog::ShowLog() {
  QString shown;
  {
    std::lock_guard guard(reader_->lock);
    shown = QString::fromLocal8Bit(LastLines(reader_->text, kMaxLines));
  }
  shown.remove(u'\r');
  view_->setPlainText(shown);
  view_->moveCursor(QTextCursor::End);
  view_->ensureCursorVisible();
}

void CDlgComLog::ClearLog() {
  if (app_.ui.Message(LoadText(text::kDeletingLog), Icon::Information, Buttons::OkCancel) != Answer::Ok) return;
  {
    std::lock_guard guard(reader_->lock);
    reader_->text.clear();
  }
  ShowLog();
}

void CDlgComLog::SaveLog() {
  std::string text;
  {
    std::lock_guard guard(reader_->lock);
    text = reader_->text;
  }
  if (text.empty()) return;
  const auto path = app_.ui.ChooseFile({.save = true,
                                        .filter = std::string(LoadText(text::kTextFileFilter)),
                                        .initialName = std::string(LoadText(text::kComLogFileName)),
                                        .defaultExt = "txt"});
  if (!path) return;
  // The bytes as the device sent them: the system's own character set.
  if (!WriteFileAtomically(*path, text)) {
    app_.ui.Message(LoadText(text::kCannotOpenFile), Icon::Error);
    return;
  }
  app_.ui.Message(LoadText(text::kFileSaved), Icon::Information);
}

void CDlgComLog::reject() {
  if (app_.ui.Message(LoadText(text::kExitingLog), Icon::Information, Buttons::OkCancel) != Answer::Ok) return;
  StopReader();
  done(Rejected);
}

void CDlgComLog::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

}  // namespace tk48
