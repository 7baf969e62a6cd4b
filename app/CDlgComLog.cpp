#include "app/CDlgComLog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
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
// More new bytes than this cannot all stay in the view (a character takes at
// most four): the view is drawn afresh from the text's tail instead.
constexpr std::size_t kRedrawBytes = std::size_t{CDlgComLog::kMaxChars} * 4;
// The log text sheds a quarter of its bound at a time, from a line start when
// one comes within this many bytes.
constexpr std::size_t kLineStartReach = 65536;

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where to cut `text` so that at most `keep` bytes stay: after a line break if
// one is near, else not inside a UTF-8 character.
std::size_t CutFor(std::string_view text, std::size_t keep) {
  std::size_t cut = text.size() > keep ? text.size() - keep : 0;
  if (cut == 0) return 0;
  const std::size_t lineEnd = text.substr(cut, kLineStartReach).find('\n');
  if (lineEnd != std::string_view::npos) return cut + lineEnd + 1;
  for (int i = 0; i < 3 && cut < text.size() && Continuation(text[cut]); ++i) ++cut;
  return cut;
}

// `text` with a line break wherever a line would grow past kMaxLineChars;
// `column`: the characters the view's last line holds already.
QString BreakLongLines(const QString& text, int column) {
  QString out;
  out.reserve(text.size() + text.size() / CDlgComLog::kMaxLineChars + 1);
  for (const QChar c : text) {
    if (c == u'\n') {
      column = 0;
    } else {
      if (column >= CDlgComLog::kMaxLineChars && !c.isLowSurrogate()) out += u'\n', column = 0;
      ++column;
    }
    out += c;
  }
  return out;
}

}  // namespace

// Shared by the screen and the reader thread. It outlives the screen if a
// reader ever has to be abandoned.
struct CDlgComLog::Reader : std::enable_shared_from_this<Reader> {
  std::unique_ptr<SerialPort> port;
  std::mutex lock;
  std::string text;           // guarded by `lock`: the last kMaxStoredBytes at most
  std::uint64_t dropped = 0;  // guarded: bytes shed from the front of `text` since the last clear
  std::uint64_t clears = 0;   // guarded: "Clear log" presses
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
      Store({reinterpret_cast<const char*>(chunk), queued});
      Notify();
      std::this_thread::sleep_for(kPoll);
    }
    port->Close();
    finished.store(true);
  }

  void Store(std::string_view bytes) {
    std::lock_guard guard(lock);
    // A NUL ends nothing here: it is dropped, the rest of the chunk kept.
    for (const char c : bytes)
      if (c != 0) text.push_back(c);
    if (text.size() <= kMaxStoredBytes) return;
    const std::size_t cut = CutFor(text, kMaxStoredBytes / 4 * 3);
    text.erase(0, cut);
    dropped += cut;
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
  // Text added piece by piece would otherwise pile up in the undo history for ever.
  view_->setUndoRedoEnabled(false);
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

void CDlgComLog::Receive(std::string_view bytes) {
  reader_->Store(bytes);
  reader_->Notify();
}

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
  std::string fresh;
  bool redraw = false;
  {
    std::lock_guard guard(reader_->lock);
    const Reader& r = *reader_;
    const std::uint64_t end = r.dropped + r.text.size();
    // Cleared, shed before it was shown, or more than the view could keep.
    redraw = r.clears != shownClears_ || shownEnd_ < r.dropped || end - shownEnd_ > kRedrawBytes;
    if (!redraw) {
      fresh = r.text.substr(static_cast<std::size_t>(shownEnd_ - r.dropped));
    } else {
      const std::string_view tail = std::string_view(r.text).substr(CutFor(r.text, kRedrawBytes));
      fresh = std::string(LastLines(tail, kMaxLines));
    }
    shownEnd_ = end;
    shownClears_ = r.clears;
  }
  if (redraw) {
    view_->clear();
    decoder_ = QStringDecoder(QStringDecoder::System);
  } else if (fresh.empty()) {
    return;
  }
  QString shown = decoder_.decode(fresh);
  shown.remove(u'\r');
  shown = BreakLongLines(shown, view_->document()->lastBlock().length() - 1);
  // The addition and the trim are two changes: one change spanning the front
  // and the end would have the whole view laid out again.
  QTextCursor end(view_->document());
  end.beginEditBlock();
  end.movePosition(QTextCursor::End);
  end.insertText(shown);
  end.endEditBlock();
  TrimView();
  view_->moveCursor(QTextCursor::End);
  view_->ensureCursorVisible();
}

// The first lines beyond kMaxLines go, then the first characters beyond kMaxChars.
void CDlgComLog::TrimView() {
  QTextDocument& doc = *view_->document();
  // A final line break closes the last line: the empty block after it is no line.
  const bool closed = doc.lastBlock().length() == 1;
  const int extraLines = doc.blockCount() - kMaxLines - (closed ? 1 : 0);
  int cut = extraLines > 0 ? doc.findBlockByNumber(extraLines).position() : 0;
  // The document counts one more character than its text holds.
  const int extraChars = doc.characterCount() - 1 - cut - kMaxChars;
  if (extraChars > 0) {
    cut += extraChars;
    if (doc.characterAt(cut).isLowSurrogate()) ++cut;  // not half a character
  }
  if (cut == 0) return;
  // In an edit block the cursor does not lay out the lines it passes.
  QTextCursor front(&doc);
  front.beginEditBlock();
  front.setPosition(cut, QTextCursor::KeepAnchor);
  front.removeSelectedText();
  front.endEditBlock();
}

void CDlgComLog::ClearLog() {
  if (app_.ui.Message(LoadText(text::kDeletingLog), Icon::Information, Buttons::OkCancel) != Answer::Ok) return;
  {
    std::lock_guard guard(reader_->lock);
    reader_->text.clear();
    reader_->dropped = 0;
    ++reader_->clears;
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
