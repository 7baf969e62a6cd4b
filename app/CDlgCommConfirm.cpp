#include "app/CDlgCommConfirm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/CDlgCom.h"
#include "app/CTK48CFGApp.h"
#include "app/connection_text.h"
#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

CDlgCommConfirm::CDlgCommConfirm(CTK48CFGApp& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      accessMode_(new QLabel(this)),
      device_(new QLabel(this)),
      change_(new QPushButton(Text(text::kChange), this)),
      connect_(new QPushButton(Text(text::kConnect), this)),
      cancel_(new QPushButton(Text(text::kCancel), this)) {
  setWindowTitle(Text(text::kConfirmAccessMode));
  auto* form = new QFormLayout(this);
  form->addRow(Text(text::kAccessMode), accessMode_);
  form->addRow(Text(text::kDevice), device_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(change_);
  buttons->addStretch(1);
  buttons->addWidget(connect_);
  buttons->addWidget(cancel_);
  form->addRow(buttons);
  connect_->setDefault(true);
  connect(change_, &QPushButton::clicked, this, &CDlgCommConfirm::Change);
  connect(connect_, &QPushButton::clicked, this, &CDlgCommConfirm::accept);
  connect(cancel_, &QPushButton::clicked, this, &CDlgCommConfirm::reject);
  ShowConnection();
}

void CDlgCommConfirm::ShowConnection() {
  const ConnectionText text = DescribeConnection(app_);
  accessMode_->setText(text.accessMode);
  device_->setText(text.device);
}

void CDlgCommConfirm::Change() {
  ChangeConnection(app_, this);
  ShowConnection();
}

}  // namespace tk48
