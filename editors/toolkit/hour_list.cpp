#include "editors/toolkit/hour_list.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::int32_t kUse = 1;

QString TwoDigits(int n) { return QUtf8Text(FormatText(text::kTwoDigits, n)); }

}  // namespace

HourOffsetScreen::HourOffsetScreen(QWidget* parent, HourRow& row, int hour, const HourListTexts& texts, UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(QUtf8Text(FormatText(texts.offsetTitle, hour)));
  flag = ChoiceList(this, {text::kDisable, text::kEnable});
  minutes = EditField(this, 60);
  seconds = EditField(this, 60);
  fields_.Choice(flag, row.MODE);
  fields_.Int(minutes, row.MIN);
  fields_.Int(seconds, row.SEC);
  GuardMode(flag);

  auto* form = new QFormLayout;
  AddRow(form, texts.flagLabel, flag);
  AddRow(form, text::kOffsetMin, minutes);
  AddRow(form, text::kOffsetSec, seconds);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void HourOffsetScreen::UpdateEnables() {
  const bool inUse = flag->currentIndex() == kUse;
  minutes->setEnabled(inUse);
  seconds->setEnabled(inUse);
}

bool HourOffsetScreen::Validate() {
  return checks_.Int(minutes, 0, 59, text::kTimeDelayMinError) && checks_.Int(seconds, 0, 59, text::kTimeDelaySecError);
}

ListScreenSetup HourListSetup(HourTable& hours, const HourListTexts& texts, UiPort& ui) {
  HourTable* h = &hours;
  ListScreenSetup setup;
  setup.title = Tx(texts.title);
  setup.list.rows = static_cast<int>(hours.size());
  setup.list.columns = {
      {text::kHour, 60, [](int row) { return TwoDigits(row); }},
      {texts.flagColumn, 80, [h](int row) { return Tx((*h)[row].MODE == kUse ? text::kEnable : text::kDisable); }},
      {text::kOffsetMin, 90, [h](int row) { return TwoDigits((*h)[row].MIN); }},
      {text::kOffsetSec, 90, [h](int row) { return TwoDigits((*h)[row].SEC); }},
  };
  setup.list.edit = [h, texts, &ui](QWidget* parent, int row) {
    HourRow copy = (*h)[static_cast<std::size_t>(row)];
    HourOffsetScreen screen(parent, copy, row, texts, ui);
    if (screen.exec() == QDialog::Accepted) (*h)[static_cast<std::size_t>(row)] = copy;
  };
  setup.list.paste = [h](int from, int to) { (*h)[static_cast<std::size_t>(to)] = (*h)[static_cast<std::size_t>(from)]; };
  return setup;
}

}  // namespace tk48
