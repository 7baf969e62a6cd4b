#include "editors/io/CDlgSetIoNodeCom.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
CDlgSetIoNodeCom::CDlgSetIoNodeCom(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kCommunication));
  NodeConf& nodes = record.IO.NODE_CONF;
  interval = EditField(this, 80);
  timeout = EditField(this, 80);
  slmpTimeout = EditField(this, 80);
  transaction = ChoiceList(this, {text::kTransactionDisable, text::kTransactionEnable});
  fields_.Int(interval, nodes.INTERVAL);
  fields_.Int(timeout, nodes.TIMEOUT);
  fields_.Int(slmpTimeout, nodes.SLMP_TIMEOUT);
  fields_.Choice(transaction, nodes.TRANSACTION);

  auto* form = new QFormLayout;
  AddRow(form, text::kPausePeriod, interval);
  AddRow(form, text::kModbusTimeout, timeout);
  AddRow(form, text::kSlmpTimeout, slmpTimeout);
  AddRow(form, text::kTransactionId, transaction);
  const FootButtons foot = OkCancelButtons();
  okButton = foot.ok;
  cancelButton = foot.cancel;
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(foot.box);
  Start();
}

bool CDlgSetIoNodeCom::Validate() {
  return checks_.Int(interval, 100, 10000, text::kPausePeriodError) &&
         checks_.Int(timeout, 1, 10, text::kModbusTimeoutError) &&
         checks_.Int(slmpTimeout, 1, 60, text::kSlmpTimeoutError);
}

}  // namespace tk48
