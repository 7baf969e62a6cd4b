#pragma once
// Small builders the editor screens share: choice lists from the string
// table, number lists, labelled rows and the OK / Cancel (or Back) buttons.
// Every input widget carries its label as its accessible name, so screen
// readers and UI automation find "Time zone (Hour)", not a bare value: a
// labelled row (AddRow, FieldLabel) names its field, and Name covers a field
// that shares its label with another.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

#include "resources/text_ids.h"

namespace tk48 {

// The entry of "Enable" in a "Disable", "Enable" list, which stores 1 (USE).
inline constexpr int kEnabledEntry = 1;

// A drop-down list filled with string-table entries, in order.
QComboBox* ChoiceList(QWidget* parent, std::initializer_list<int> textIds);
QComboBox* ChoiceList(QWidget* parent, text::TextRange texts);
// A drop-down list holding the plain numbers first..last.
QComboBox* NumberList(QWidget* parent, int first, int last);
// A one-line edit field.
QLineEdit* EditField(QWidget* parent, int minimumWidth = 0);

// Gives `field` the accessible name `name` (each part of an address field too).
void Name(QWidget* field, const QString& name);
// "Time zone (Hour)": a field under a group label with a label of its own.
QString SubName(int groupTextId, int fieldTextId);
QString SubName(const QString& group, const QString& field);
// The label of `field`: its buddy, whose text also names the field.
QLabel* FieldLabel(QWidget* parent, int textId, QWidget* field);
QLabel* FieldLabel(QWidget* parent, const QString& text, QWidget* field);
// A form row "label  field"; the field is named by the label.
void AddRow(QFormLayout* form, int textId, QWidget* field);

// Enables or disables every one of `fields`.
void SetEnabled(std::initializer_list<QWidget*> fields, bool on);

// The two buttons at the foot of a screen, with string-table texts.
struct FootButtons {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* cancel;
};
FootButtons MakeFootButtons(QWidget* parent, int okTextId, int cancelTextId);

}  // namespace tk48
