#include "editors/editor_widgets.h"

#include "editors/editor_text.h"

namespace tk48 {

QComboBox* ChoiceList(QWidget* parent, std::initializer_list<int> textIds) {
  auto* list = new QComboBox(parent);
  for (const int id : textIds) list->addItem(Tx(id));
  return list;
}

QComboBox* NumberList(QWidget* parent, int first, int last) {
  auto* list = new QComboBox(parent);
  for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
  return list;
}

QLineEdit* EditField(QWidget* parent, int minimumWidth) {
  auto* field = new QLineEdit(parent);
  if (minimumWidth > 0) field->setMinimumWidth(minimumWidth);
  return field;
}

FootButtons MakeFootButtons(QWidget* parent, int okTextId, int cancelTextId) {
  auto* box = new QDialogButtonBox(parent);
  auto* ok = box->addButton(Tx(okTextId), QDialogButtonBox::AcceptRole);
  auto* cancel = box->addButton(Tx(cancelTextId), QDialogButtonBox::RejectRole);
  return {box, ok, cancel};
}

}  // namespace tk48
