#include "editors/mail/CDlgSetRepForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/mail/CDlgSetRep.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/channel_families.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kSubjectChars = 32;
constexpr int kBodyChars = 256;
// The periods that name a business hour: within, out of, non-business hours.
constexpr int kFirstHourPeriod = 3, kLastHourPeriod = 5;

// The attached channel's types, "Disable" first.
const RefKind kAttachKinds[] = {
    {0, nullptr},
    {1, &FamilyOf(FamilyId::Ai)},
    {2, &FamilyOf(FamilyId::Di)},
    {3, &FamilyOf(FamilyId::Pi)},
    {4, &FamilyOf(FamilyId::Ma)},
    {5, &FamilyOf(FamilyId::Md)},
    {6, &FamilyOf(FamilyId::Ao)},
    {7, &FamilyOf(FamilyId::Do)},
    {8, &FamilyOf(FamilyId::Gdo)},
};
constexpr int kAttachTypeTexts[] = {text::kDisable, text::kAi,     text::kDi,     text::kPi,     text::kPageMa,
                                    text::kPageMd,  text::kPageAo, text::kPageDo, text::kPageGdo};

QPushButton* SubButton(QWidget* parent, int textId) {
  auto* button = new QPushButton(Tx(textId), parent);
  button->setAutoDefault(false);
  return button;
}

QString TypeText(const ChannelRef& ref) {
  const bool known = ref.kind >= 0 && ref.kind < static_cast<int>(std::size(kAttachTypeTexts));
  return known ? Tx(kAttachTypeTexts[ref.kind]) : QString();
}

// "%03d %s" for a channel in use, "%03d" for one that is not.
QString ChannelText(const SettingData& record, const ChannelRef& ref) {
  if (ref.kind <= 0 || ref.kind >= static_cast<int>(std::size(kAttachKinds))) return {};
  const ChannelFamily& family = *kAttachKinds[ref.kind].family;
  const int index = ref.no - 1;
  if (index < 0 || index >= family.count) return {};
  if (family.inUse(record, index)) return ChannelChoiceText(family, record, index);
  return QStringLiteral("%1").arg(ref.no, 3, 10, QChar(u'0'));
}

MailRecipients RecipientsOf(const MailForm& form) {
  MailRecipients r{};
  std::copy(std::begin(form.DST), std::end(form.DST), std::begin(r.DST));
  return r;
}
MailAttachments AttachmentsOf(const MailForm& form) {
  MailAttachments a{};
  std::copy(std::begin(form.CH), std::end(form.CH), std::begin(a.CH));
  return a;
}

}  // namespace

CDlgSetRepFormConf::CDlgSetRepFormConf(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui),
      form_(record.MAIL_REPORT.FORM[index]),
      recipients_(RecipientsOf(record.MAIL_REPORT.FORM[index])),
      attachments_(AttachmentsOf(record.MAIL_REPORT.FORM[index])) {
  setWindowTitle(QUtf8Text(FormatText(text::kNo02d, index + 1)));
  MailForm& f = form_;
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  recipientsButton = SubButton(this, text::kAddressList);
  subject = EditField(this, 320);
  body = new QPlainTextEdit(this);
  period = ChoiceList(this, {text::kAnyTime, text::kBusinessDay, text::kNonBusinessDay, text::kWithinBusinessHours,
                             text::kOutOfBusinessHours, text::kNonBusinessHours, text::kPause});
  businessHour = NumberList(this, 1, 6);
  channelsButton = SubButton(this, text::kChooseChannels);
  file = ChoiceList(this, {text::kOutputNone, text::kDailyReport, text::kMonthlyReport, text::kYearlyReport});
  successMode = ChoiceList(this, {text::kOutputNone, text::kOn, text::kOff});
  successType = ChoiceList(this, {text::kPageMd, text::kPageDo, text::kPageGdo});
  successChannel = new QComboBox(this);

  fields_.Choice(mode, f.MODE);
  fields_.Text(subject, f.TITLE);
  fields_.Text(body, f.MESSAGE);
  fields_.Choice(period, f.FILTER);
  fields_.Choice(businessHour, f.WD_NO, 1);
  fields_.Choice(file, f.FILE);
  fields_.Choice(successMode, f.SUCCESS.MODE);
  GuardMode(mode);
  Unguarded(period);
  Unguarded(successMode);
  ChannelChoice(successType, successChannel, f.SUCCESS.CH, MailOutputKinds(), record);

  connect(recipientsButton, &QPushButton::clicked, this, [this, &record] {
    recipients_.Edit([this, &record](MailRecipients& copy) {
      return ListScreen(this, RecipientChooserSetup(record, copy, ui_)).exec() == QDialog::Accepted;
    });
  });
  connect(channelsButton, &QPushButton::clicked, this, [this, &record] {
    attachments_.Edit([this, &record](MailAttachments& copy) {
      return ListScreen(this, ChannelChooserSetup(record, copy, ui_)).exec() == QDialog::Accepted;
    });
  });

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  form->addRow(Tx(text::kMailTo), recipientsButton);
  AddRow(form, text::kColumnSubject, subject);
  AddRow(form, text::kBodyText, body);
  AddRow(form, text::kEnabledTimePeriod, period);
  AddRow(form, text::kBusinessHourNo, businessHour);
  form->addRow(Tx(text::kAttachedChData), channelsButton);
  AddRow(form, text::kAttachedFile, file);
  AddRow(form, text::kDeliverySuccessOutput, successMode);
  auto* output = new QHBoxLayout;
  output->addWidget(successType);
  output->addWidget(successChannel);
  form->addRow(QString(), output);
  Name(successType, SubName(text::kDeliverySuccessOutput, text::kType));
  Name(successChannel, SubName(text::kDeliverySuccessOutput, text::kColumnCh));
  OkCancelColumn({form});
  Start();
}

void CDlgSetRepFormConf::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* w : std::initializer_list<QWidget*>{recipientsButton, subject, body, period, channelsButton, file,
                                                     successMode})
    w->setEnabled(on);
  const int p = period->currentIndex();
  businessHour->setEnabled(on && p >= kFirstHourPeriod && p <= kLastHourPeriod);
  const bool output = on && successMode->currentIndex() > 0;
  successType->setEnabled(output);
  successChannel->setEnabled(output);
}

bool CDlgSetRepFormConf::Validate() {
  return checks_.Text(subject, kSubjectChars, text::kSubjectError) && checks_.Text(body, kBodyChars, text::kBodyError);
}

void CDlgSetRepFormConf::Commit() {
  ItemEditor::Commit();
  std::copy(std::begin(recipients_.get().DST), std::end(recipients_.get().DST), std::begin(form_.DST));
  std::copy(std::begin(attachments_.get().CH), std::end(attachments_.get().CH), std::begin(form_.CH));
}

CDlgSetRepDstConf::CDlgSetRepDstConf(QWidget* parent, std::int32_t& stored, int index, UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(QUtf8Text(FormatText(text::kTwoDigits, index + 1)));
  to = ChoiceList(this, {text::kOutputNone, text::kTo});
  fields_.Choice(to, stored);
  auto* form = new QFormLayout;
  AddRow(form, text::kTo, to);
  OkCancelColumn({form});
  Start();
}

CDlgSetRepChConf::CDlgSetRepChConf(QWidget* parent, ChannelRef& ref, int index, const SettingData& record,
                                   UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(QUtf8Text(FormatText(text::kCh02d, index + 1)));
  type = new QComboBox(this);
  for (int id : kAttachTypeTexts) type->addItem(Tx(id));
  channel = new QComboBox(this);
  Unguarded(type);
  // "Disable" keeps the record's default number 1, so an unedited OK writes nothing new.
  ChannelChoice(type, channel, ref.kind, ref.no, kAttachKinds, record, std::int16_t{1});
  auto* form = new QFormLayout;
  AddRow(form, text::kType, type);
  AddRow(form, text::kColumnCh, channel);
  OkCancelColumn({form});
  Start();
}

void CDlgSetRepChConf::UpdateEnables() { channel->setEnabled(type->currentIndex() > 0); }

ListScreenSetup FormListSetup(SettingData& record, UiPort& ui) {
  SettingData* r = &record;
  UiPort* port = &ui;
  ListScreenSetup setup;
  setup.title = Tx(text::kMailTemplate);
  setup.list.rows = kMailTemplateCount;
  setup.list.columns = {
      {text::kColumnNo, 60, [](int row) { return QUtf8Text(FormatText(text::kNo02d, row + 1)); }},
      {text::kMode, 80,
       [r](int row) { return Tx(r->MAIL_REPORT.FORM[row].MODE == kEnabledEntry ? text::kEnable : text::kDisable); }},
      {text::kColumnSubject, 300, [r](int row) { return FromRecord(r->MAIL_REPORT.FORM[row].TITLE); }},
  };
  setup.list.edit = [r, port](QWidget* parent, int row) { CDlgSetRepFormConf(parent, *r, row, *port).exec(); };
  setup.list.paste = [r](int from, int to) { r->MAIL_REPORT.FORM[to] = r->MAIL_REPORT.FORM[from]; };
  return setup;
}

ListScreenSetup RecipientChooserSetup(const SettingData& record, MailRecipients& dst, UiPort& ui) {
  const SmtpPop3Block* book = &record.COM.SMTP_POP3;
  MailRecipients* d = &dst;
  UiPort* port = &ui;
  ListScreenSetup setup;
  setup.title = Tx(text::kAddressList);
  setup.list.rows = 64;
  setup.list.columns = {
      {text::kColumnNo, 50, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kName, 160, [book](int row) { return FromRecord(book->MAIL_NAME[row]); }},
      {text::kAddress, 220, [book](int row) { return FromRecord(book->MAIL_ADDRESS[row]); }},
      {text::kTo, 60, [d](int row) { return d->DST[row] == 1 ? Tx(text::kTo) : Tx(text::kOutputNone); }},
  };
  setup.list.edit = [d, port](QWidget* parent, int row) { CDlgSetRepDstConf(parent, d->DST[row], row, *port).exec(); };
  setup.list.paste = [d](int from, int to) { d->DST[to] = d->DST[from]; };
  setup.ok = [](const std::vector<char>&) {};
  return setup;
}

ListScreenSetup ChannelChooserSetup(const SettingData& record, MailAttachments& ch, UiPort& ui) {
  const SettingData* r = &record;
  MailAttachments* a = &ch;
  UiPort* port = &ui;
  ListScreenSetup setup;
  setup.title = Tx(text::kAttachChData);
  setup.list.rows = kAttachedChannels;
  setup.list.columns = {
      {text::kColumnCh, 60, [](int row) { return QUtf8Text(FormatText(text::kCh02d, row + 1)); }},
      {text::kType, 80, [a](int row) { return TypeText(a->CH[row]); }},
      {text::kColumnChName, 240, [r, a](int row) { return ChannelText(*r, a->CH[row]); }},
  };
  setup.list.edit = [r, a, port](QWidget* parent, int row) {
    CDlgSetRepChConf(parent, a->CH[row], row, *r, *port).exec();
  };
  setup.list.paste = [a](int from, int to) { a->CH[to] = a->CH[from]; };
  setup.ok = [](const std::vector<char>&) {};
  return setup;
}

bool RunSetRepForm(QWidget* parent, SettingData& record, UiPort& ui) {
  RunListScreen(parent, FormListSetup(record, ui));
  return true;
}

}  // namespace tk48
