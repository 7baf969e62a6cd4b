#include "app/wait_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kBarMax = std::numeric_limits<int>::max();
}

WaitDialog::WaitDialog(std::int64_t length, std::function<void()> work, std::function<std::int64_t()> progress,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      work_(std::move(work)),
      progress_(std::move(progress)),
      length_(std::max<std::int64_t>(length, 0)),
      bar_(new QProgressBar(this)) {
  setWindowTitle(Text(text::kAppTitle));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Text(text::kPleaseWait), this));
  bar_->setRange(0, Scaled(length_));
  bar_->setValue(0);
  bar_->setMinimumWidth(300);
  layout->addWidget(bar_);
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &WaitDialog::Tick);
}

WaitDialog::~WaitDialog() {
  if (worker_.joinable()) worker_.join();
  if (cursorSet_) QApplication::restoreOverrideCursor();
}

// The bar's range is an int: a longer job is shown in proportion.
int WaitDialog::Scaled(std::int64_t value) const {
  value = std::clamp<std::int64_t>(value, 0, length_);
  if (length_ <= kBarMax) return static_cast<int>(value);
  return static_cast<int>(static_cast<double>(value) / static_cast<double>(length_) * kBarMax);
}

void WaitDialog::Run() {
  worker_ = std::thread([this] {
    if (work_) work_();
    finished_.store(true);
  });
  timer_.start();
  exec();
}

void WaitDialog::Tick() {
  if (!cursorSet_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
  }
  if (progress_) bar_->setValue(Scaled(progress_()));
  if (!finished_.load()) return;
  timer_.stop();
  worker_.join();
  QApplication::restoreOverrideCursor();
  cursorSet_ = false;
  done(Accepted);
}

void WaitDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void WaitDialog::closeEvent(QCloseEvent* event) {
  if (finished_.load() && !timer_.isActive()) event->accept();
  else event->ignore();
}

void WaitDialog::reject() {}  // cannot be cancelled

}  // namespace tk48
