#include "editors/mail/CDlgSetRep.h"

#include <QFormLayout>

#include "editors/mail/CDlgSetRepAddr.h"
#include "editors/mail/CDlgSetRepCalendar.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/mail/CDlgSetRepTime.h"
#include "editors/toolkit/channel_families.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/list_screen.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

const RefKind kOutputKinds[] = {
    {0, &FamilyOf(FamilyId::Md)},
    {1, &FamilyOf(FamilyId::Do)},
    {2, &FamilyOf(FamilyId::Gdo)},
};

void OpenAddresses(QWidget* p, SettingData& r, UiPort& ui) { RunSetRepAddr(p, r, ui); }
void OpenForms(QWidget* p, SettingData& r, UiPort& ui) { RunSetRepForm(p, r, ui); }
void OpenTime(QWidget* p, SettingData& r, UiPort& ui) { RunSetRepTime(p, r, ui); }
void OpenCalendar(QWidget* p, SettingData& r, UiPort& ui) { RunSetRepCalendar(p, r, ui); }
void OpenError(QWidget* p, SettingData& r, UiPort& ui) { CDlgSetRepError(p, r, ui).exec(); }

constexpr MenuEntry kMailMenu[] = {
    {text::kAddressList, &OpenAddresses},     {text::kMailTemplate, &OpenForms},
    {text::kRegularReport, &OpenTime},        {text::kDeliveryFailureOutput, &OpenError},
    {text::kEmailingCalendar, &OpenCalendar},
};

}  // namespace

std::span<const RefKind> MailOutputKinds() { return kOutputKinds; }

CDlgSetRep::CDlgSetRep(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kEmail, kMailMenu, record, ui) {}

CDlgSetRepError::CDlgSetRepError(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kDeliveryFailureOutput));
  MailError& error = record.MAIL_REPORT.ERROR;
  mode = ChoiceList(this, {text::kOutputNone, text::kOn, text::kOff});
  type = ChoiceList(this, {text::kPageMd, text::kPageDo, text::kPageGdo});
  channel = new QComboBox(this);
  fields_.Choice(mode, error.MODE);
  Unguarded(mode);
  ChannelChoice(type, channel, error.CH, kOutputKinds, record);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kType, type);
  AddRow(form, text::kColumnCh, channel);
  OkCancelColumn({form});
  Start();
}

void CDlgSetRepError::UpdateEnables() {
  const bool output = mode->currentIndex() > 0;
  type->setEnabled(output);
  channel->setEnabled(output);
}

}  // namespace tk48
