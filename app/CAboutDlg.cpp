#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Text(text::kAboutMenu).remove(u'&').remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Text(text::kAboutVersion) + u' ' + QStringLiteral(TK48_VERSION), this));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);
  layout->addWidget(buttons);
}

}  // namespace tk48
