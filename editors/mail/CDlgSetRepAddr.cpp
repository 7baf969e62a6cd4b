#include "editors/mail/CDlgSetRepAddr.h"

#include <QFormLayout>
#include <algorithm>
#include <cstring>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kChars = 64;
}  // namespace

MailBook MailBookOf(const SettingData& record) {
  MailBook book{};
  std::memcpy(book.NAME, record.COM.SMTP_POP3.MAIL_NAME, sizeof book.NAME);
  std::memcpy(book.ADDRESS, record.COM.SMTP_POP3.MAIL_ADDRESS, sizeof book.ADDRESS);
  return book;
}

void StoreMailBook(const MailBook& book, SettingData& record) {
  std::memcpy(record.COM.SMTP_POP3.MAIL_NAME, book.NAME, sizeof book.NAME);
  std::memcpy(record.COM.SMTP_POP3.MAIL_ADDRESS, book.ADDRESS, sizeof book.ADDRESS);
}

CDlgSetRepAddrConf::CDlgSetRepAddrConf(QWidget* parent, MailBook& book, int index, UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(QUtf8Text(FormatText(text::kNo02d, index + 1)));
  name = EditField(this, 320);
  address = EditField(this, 320);
  fields_.Text(name, book.NAME[index]);
  fields_.Text(address, book.ADDRESS[index]);
  auto* form = new QFormLayout;
  AddRow(form, text::kName, name);
  AddRow(form, text::kAddress, address);
  OkCancelColumn({form});
  Start();
}

bool CDlgSetRepAddrConf::Validate() {
  // The device's mail header cannot carry a quotation mark in a name.
  return checks_.Text(name, kChars, text::kRecipientNameError) &&
         (!FieldText(name).contains(u'"') || checks_.Refuse(LoadText(text::kQuoteCannotBeUsed))) &&
         checks_.Text(address, kChars, text::kMailAddressError);
}

ListScreenSetup AddressListSetup(SettingData& record, MailBook& book, UiPort& ui) {
  MailBook* b = &book;
  UiPort* port = &ui;
  ListScreenSetup setup;
  setup.title = Tx(text::kAddressList);
  setup.list.rows = kMailAddressCount;
  setup.list.columns = {
      {text::kColumnNo, 60, [](int row) { return QUtf8Text(FormatText(text::kNo02d, row + 1)); }},
      {text::kName, 200, [b](int row) { return FromRecord(b->NAME[row]); }},
      {text::kAddress, 260, [b](int row) { return FromRecord(b->ADDRESS[row]); }},
  };
  setup.list.edit = [b, port](QWidget* parent, int row) { CDlgSetRepAddrConf(parent, *b, row, *port).exec(); };
  setup.list.paste = [b](int from, int to) {
    std::copy_n(b->NAME[from], sizeof b->NAME[from], b->NAME[to]);
    std::copy_n(b->ADDRESS[from], sizeof b->ADDRESS[from], b->ADDRESS[to]);
  };
  setup.back = [b, r = &record] { StoreMailBook(*b, *r); };
  return setup;
}

bool RunSetRepAddr(QWidget* parent, SettingData& record, UiPort& ui) {
  MailBook book = MailBookOf(record);
  ListScreen list(parent, AddressListSetup(record, book, ui));
  return list.exec() == QDialog::Accepted;
}

}  // namespace tk48
