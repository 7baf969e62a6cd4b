#include "editors/io/input_editor.h"

#include "editors/toolkit/editor_text.h"

namespace tk48 {

InputEditor::InputEditor(QWidget* parent, SettingData& record, UiPort& ui, const InputPointSetup& setup, int labelId,
                         int index)
    : ItemEditor(parent, ui), InputPoint(this, setup), record_(record) {
  setWindowTitle(QUtf8Text(FormatText(labelId, index + 1)));
}

void InputEditor::GuardPoint() {
  Guard(kind);
  Guard(slmp.device);
  OnChoice(slmp.device, [this] { slmp.Carry(); });
}

bool InputEditor::CrossCheck() { return CheckSlaveRef(checks_, record_.IO.NODE_CONF, kind->currentIndex(), slaveNo); }

void InputEditor::LayOut(QLayout* left, QLayout* right) {
  const FootButtons foot = OkCancelColumns(left, right);
  okButton = foot.ok;
  cancelButton = foot.cancel;
}

void MeasuredInputEditor::Commit() {
  ItemEditor::Commit();
  CommitZones();
}

}  // namespace tk48
