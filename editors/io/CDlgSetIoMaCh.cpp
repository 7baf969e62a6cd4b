#include "editors/io/CDlgSetIoMaCh.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "checks/c_number.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kLimit = 10000000000.0;
constexpr int kBackupFirst = 127, kBackupLast = 158;  // MA128 to MA159

}  // namespace

CDlgSetIoMaCh::CDlgSetIoMaCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui),
      ChannelZones(record, record.IO.MA[index], text::kMaZoneTitle, index),
      record_(record),
      ch_(record.IO.MA[index]),
      index_(index),
      function_(FunctionOf(record.IO.MA[index])) {
  setWindowTitle(QUtf8Text(FormatText(text::kMaLabel, index + 1)));
  function = ChoiceList(this, text::kMaFunctions);
  functionButton = new QPushButton(Tx(text::kFunctionSetting), this);
  functionButton->setAutoDefault(false);
  MakeNames(this);
  MakeUnit(this);
  init = EditField(this, 120);
  backup = ChoiceList(this, {text::kIoDisable, text::kIoEnable});
  web = ChoiceList(this, {text::kBrowserDisable, text::kBrowserEnable});
  webLower = EditField(this, 120);
  webUpper = EditField(this, 120);
  // The action lists show this register with its name and comment as typed.
  MakeZonesButton(this, ui, [this, index] {
    return ZoneOwner{FamilyId::Ma, index, true, name->text(), comment->text()};
  });

  fields_.Choice(function, ch_.TYPE);
  BindNames(fields_, ch_);
  BindUnit(fields_, ch_);
  fields_.Real(init, ch_.INIT);
  fields_.Choice(backup, ch_.BACKUP);
  fields_.Choice(web, ch_.WEB);
  fields_.Real(webLower, ch_.WEB_LOWER);
  fields_.Real(webUpper, ch_.WEB_UPPER);

  Guard(function);
  Guard(web);
  // A new function starts from its own defaults.
  OnChoice(function, [this] {
    const int f = function->currentIndex();
    function_.Edit([f](MaFunctionBlock& block) {
      ResetFunction(block, f);
      return true;
    });
  });
  connect(functionButton, &QPushButton::clicked, this, &CDlgSetIoMaCh::EditFunction);

  auto* form = new QFormLayout;
  AddRow(form, text::kFunction, function);
  form->addRow(functionButton);
  AddNameRows(form);
  AddUnitRows(form);
  AddRow(form, text::kInitialValue, init);
  AddRow(form, text::kMaBackup, backup);
  AddRow(form, text::kControlOnBrowser, web);
  AddRow(form, text::kLowerLimit, webLower);
  Name(webLower, SubName(text::kOperationalRange, text::kLowerLimit));
  AddRow(form, text::kUpperLimit, webUpper);
  Name(webUpper, SubName(text::kOperationalRange, text::kUpperLimit));
  form->addRow(zonesButton);
  const FootButtons foot = OkCancelColumn({form});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoMaCh::UpdateEnables() {
  const bool own = function->currentIndex() == kMaDisable;
  const bool browser = own && web->currentIndex() == 1;
  functionButton->setEnabled(function->currentIndex() > kMaDisable);
  SetEnabled({init, web}, own);
  SetEnabled({webLower, webUpper}, browser);
  backup->setEnabled(own && index_ >= kBackupFirst && index_ <= kBackupLast);
}

bool CDlgSetIoMaCh::Validate() {
  // Whatever the function and the browser setting.
  constexpr Scope always = Scope::Always;
  if (!CheckNames(checks_, always) || !CheckUnit(checks_, always) ||
      !checks_.Real(init, text::kInitialValueError, -kLimit, kLimit, 3, always) ||
      !checks_.Real(webLower, text::kBrowserLowerLimitError, -kLimit, kLimit, 3, always) ||
      !checks_.Real(webUpper, text::kBrowserUpperLimitError, -kLimit, kLimit, 3, always))
    return false;
  // A guarded change leaves the range order alone while the range is not in use.
  if (Guarding() && !webLower->isEnabled()) return true;
  const double lower = ParseDouble(Units(webLower->text())).value;
  const double upper = ParseDouble(Units(webUpper->text())).value;
  if (!(upper > lower)) return checks_.Refuse(LoadText(text::kBrowserLimitOrderError));
  return true;
}

void CDlgSetIoMaCh::Commit() {
  ItemEditor::Commit();
  ch_.CONST = function_.get().CONST;
  ch_.INPUT = function_.get().INPUT;
  CommitZones();
}

void CDlgSetIoMaCh::EditFunction() {
  const int f = function->currentIndex();
  function_.Edit([this, f](MaFunctionBlock& copy) { return RunMaFunction(this, record_, f, copy, ui_); });
}

ListScreenSetup MaListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoMaCh>(record, ui, FamilyId::Ma, text::kAnalogFunctionRegister);
}

}  // namespace tk48
