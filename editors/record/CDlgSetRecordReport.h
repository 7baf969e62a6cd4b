#pragma once
// "Report form": the report settings, with the template chooser and the
// report pen list. The screen works on copies of the pens and the template
// bits; the record receives them on this screen's OK.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/record/record_pens.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/standard_lists.h"
#include "editors/toolkit/working_copy.h"

namespace tk48 {

class CDlgSetRecordReport : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRecordReport(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QComboBox* autoDelete;
  QComboBox* charCode;
  QLineEdit* titles[3];
  QPushButton* penButton;
  QPushButton* templateButton;
  QComboBox* send[3];
  QComboBox* dayStart;
  QComboBox* monthStart;
  QComboBox* yearStart;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  ReportBlock& report_;
  WorkingCopy<ReportPens> pens_;
  WorkingCopy<TemplateBits> templates_;
};

bool RunSetRecordReport(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
