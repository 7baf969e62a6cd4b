#include "editors/toolkit/editor_widgets.h"

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/ip_address_edit.h"
#include "resources/text_ids.h"

namespace tk48 {

QComboBox* ChoiceList(QWidget* parent, std::initializer_list<int> textIds) {
  auto* list = new QComboBox(parent);
  for (const int id : textIds) list->addItem(Tx(id));
  return list;
}

QComboBox* ChoiceList(QWidget* parent, text::TextRange texts) {
  auto* list = new QComboBox(parent);
  for (int k = 0; k < texts.count; ++k) list->addItem(Tx(texts[k]));
  return list;
}

QComboBox* NumberList(QWidget* parent, int first, int last) {
  auto* list = new QComboBox(parent);
  for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
  return list;
}

void SetEnabled(std::initializer_list<QWidget*> fields, bool on) {
  for (QWidget* field : fields) field->setEnabled(on);
}

QLineEdit* EditField(QWidget* parent, int minimumWidth) {
  auto* field = new QLineEdit(parent);
  if (minimumWidth > 0) field->setMinimumWidth(minimumWidth);
  return field;
}

void Name(QWidget* field, const QString& name) {
  if (auto* address = qobject_cast<IpAddressEdit*>(field)) {
    address->SetName(name);
  } else {
    field->setAccessibleName(name);
  }
}

QString SubName(const QString& group, const QString& field) {
  return QUtf8Text(FormatText(text::kSubName, group.toUtf8().constData(), field.toUtf8().constData()));
}

QString SubName(int groupTextId, int fieldTextId) { return SubName(Tx(groupTextId), Tx(fieldTextId)); }

QLabel* FieldLabel(QWidget* parent, const QString& text, QWidget* field) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(field);
  Name(field, text);
  return label;
}

QLabel* FieldLabel(QWidget* parent, int textId, QWidget* field) { return FieldLabel(parent, Tx(textId), field); }

void AddRow(QFormLayout* form, int textId, QWidget* field) {
  form->addRow(FieldLabel(form->parentWidget(), textId, field), field);
}

FootButtons MakeFootButtons(QWidget* parent, int okTextId, int cancelTextId) {
  auto* box = new QDialogButtonBox(parent);
  auto* ok = box->addButton(Tx(okTextId), QDialogButtonBox::AcceptRole);
  auto* cancel = box->addButton(Tx(cancelTextId), QDialogButtonBox::RejectRole);
  return {box, ok, cancel};
}

}  // namespace tk48
