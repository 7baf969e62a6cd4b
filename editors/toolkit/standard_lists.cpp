#include "editors/toolkit/standard_lists.h"

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/find_results.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kTemplates = 128;
constexpr std::int32_t kUse = 1;  // MODE: NOUSE, USE

}  // namespace

ListScreenSetup FamilyListSetup(SettingData& record, const ChannelFamily& family, ItemOpener open, const QString& title,
                              UiPort* ui) {
  SettingData* r = &record;
  const ChannelFamily* f = &family;
  ListScreenSetup setup;
  setup.title = title;
  setup.list.rows = family.count;
  setup.list.columns = {
      {text::kColumnCh, 60, [f](int row) { return RowLabel(*f, row); }},
      {text::kColumnChName, 150, [r, f](int row) { return RowTextsOf(*f, *r, row).name; }},
      {text::kColumnChComment, 150, [r, f](int row) { return RowTextsOf(*f, *r, row).comment; }},
  };
  if (open) setup.list.edit = [r, open = std::move(open)](QWidget* parent, int row) { open(parent, *r, row); };
  setup.list.paste = [r, f](int from, int to) { f->copy(*r, from, to); };
  if (ui)
    setup.list.whereUsed = [r, f, ui](QWidget* parent, int row) { WhereUsedView(parent, *r, *ui, RowLabel(*f, row)).exec(); };
  return setup;
}

ListScreenSetup TemplateChooserSetup(const SettingData& record, std::uint32_t (&bits)[4], const QString& title) {
  const SettingData* r = &record;
  auto inUse = [r](int row) { return r->MAIL_REPORT.FORM[row].MODE == kUse; };
  ListScreenSetup setup;
  setup.title = title;
  setup.list.rows = kTemplates;
  setup.list.columns = {
      {text::kColumnNo, 80, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kColumnSubject, 300,
       [r, inUse](int row) { return inUse(row) ? FromRecord(r->MAIL_REPORT.FORM[row].TITLE) : QString(); }},
  };
  setup.list.tickable = inUse;
  setup.ticks = TicksOf(bits, kTemplates);
  for (int row = 0; row < kTemplates; ++row)
    if (!inUse(row)) setup.ticks[static_cast<std::size_t>(row)] = 0;
  std::uint32_t* words = bits;
  setup.ok = [words](const std::vector<char>& ticks) { StoreTicks(std::span<std::uint32_t>(words, 4), ticks); };
  return setup;
}

bool ChooseTemplates(QWidget* parent, const SettingData& record, std::uint32_t (&bits)[4], const QString& title) {
  ListScreen chooser(parent, TemplateChooserSetup(record, bits, title));
  return chooser.exec() == QDialog::Accepted;
}

}  // namespace tk48
