#pragma once
// Small builders the editor screens share: choice lists from the string
// table, number lists, labelled rows and the OK / Cancel (or Back) buttons.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

namespace tk48 {

// A drop-down list filled with string-table entries, in order.
QComboBox* ChoiceList(QWidget* parent, std::initializer_list<int> textIds);
// A drop-down list holding the plain numbers first..last.
QComboBox* NumberList(QWidget* parent, int first, int last);
// A one-line edit field.
QLineEdit* EditField(QWidget* parent, int minimumWidth = 0);

// The two buttons at the foot of a screen, with string-table texts.
struct FootButtons {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* cancel;
};
FootButtons MakeFootButtons(QWidget* parent, int okTextId, int cancelTextId);

}  // namespace tk48
