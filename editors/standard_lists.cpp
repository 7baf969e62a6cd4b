#include "editors/standard_lists.h"

#include "editors/editor_text.h"
#include "editors/find_results.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kTemplates = 128;
constexpr std::int32_t kUse = 1;  // MODE: NOUSE, USE

}  // namespace

ListScreenSpec FamilyListSpec(SettingData& record, const ChannelFamily& family, ItemOpener open, const QString& title,
                              UiPort* ui) {
  SettingData* r = &record;
  const ChannelFamily* f = &family;
  ListScreenSpec spec;
  spec.title = title;
  spec.list.rows = family.count;
  spec.list.columns = {
      {text::kColumnCh, 60, [f](int row) { return RowLabel(*f, row); }},
      {text::kColumnChName, 150, [r, f](int row) { return RowTextsOf(*f, *r, row).name; }},
      {text::kColumnChComment, 150, [r, f](int row) { return RowTextsOf(*f, *r, row).comment; }},
  };
  if (open) spec.list.edit = [r, open = std::move(open)](QWidget* parent, int row) { open(parent, *r, row); };
  spec.list.paste = [r, f](int from, int to) { f->copy(*r, from, to); };
  if (ui)
    spec.list.whereUsed = [r, f, ui](QWidget* parent, int row) { WhereUsedView(parent, *r, *ui, RowLabel(*f, row)).exec(); };
  return spec;
}

ListScreenSpec TemplateChooserSpec(const SettingData& record, std::uint32_t (&bits)[4], const QString& title) {
  const SettingData* r = &record;
  auto inUse = [r](int row) { return r->MAIL_REPORT.FORM[row].MODE == kUse; };
  ListScreenSpec spec;
  spec.title = title;
  spec.list.rows = kTemplates;
  spec.list.columns = {
      {text::kColumnNo, 80, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kColumnSubject, 300,
       [r, inUse](int row) { return inUse(row) ? FromRecord(r->MAIL_REPORT.FORM[row].TITLE) : QString(); }},
  };
  spec.list.tickable = inUse;
  spec.ticks = TicksOf(bits, kTemplates);
  for (int row = 0; row < kTemplates; ++row)
    if (!inUse(row)) spec.ticks[static_cast<std::size_t>(row)] = 0;
  std::uint32_t* words = bits;
  spec.ok = [words](const std::vector<char>& ticks) { StoreTicks(std::span<std::uint32_t>(words, 4), ticks); };
  return spec;
}

bool ChooseTemplates(QWidget* parent, const SettingData& record, std::uint32_t (&bits)[4], const QString& title) {
  ListScreen chooser(parent, TemplateChooserSpec(record, bits, title));
  return chooser.exec() == QDialog::Accepted;
}

}  // namespace tk48
