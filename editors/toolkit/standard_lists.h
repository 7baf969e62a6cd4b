#pragma once
// Lists that several screens share: the list screen of a channel family and
// the template chooser.
#include <QString>
#include <cstdint>
#include <functional>

#include "editors/toolkit/channel_families.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/list_screen.h"

namespace tk48 {

class UiPort;

// Opens the family's item editor on row `index`; returns when it is closed.
using ItemOpener = std::function<void(QWidget* parent, SettingData& record, int index)>;

// A channel family's list: "CH", "CH name", "CH comment" (name and comment by
// the family's in-use rule), double-click opens `open`, Copy and Paste copy
// whole items; with `ui`, "Where is it used" lists a channel's references and
// opens their screens.
ListScreenSetup FamilyListSetup(SettingData& record, const ChannelFamily& family, ItemOpener open, const QString& title,
                              UiPort* ui = nullptr);

// The same with `Editor` (constructed on parent, record, row, UI port) as the
// row's editor, titled with string-table entry `titleId`.
template <class Editor, class Port>
ListScreenSetup EditorListSetup(SettingData& record, Port& ui, FamilyId family, int titleId) {
  Port* port = &ui;
  const auto open = [port](QWidget* parent, SettingData& r, int index) {
    Editor editor(parent, r, index, *port);
    editor.exec();
  };
  return FamilyListSetup(record, FamilyOf(family), open, Tx(titleId), port);
}

// The template chooser of zones, records, reports and mail: 128 rows "%02d"
// with "No." and "Subject"; only templates in use (FORM[m].MODE is USE) show
// their subject and take a tick. OK stores the ticks into `bits` and drops
// the bits of templates not in use; Cancel changes nothing. True on OK.
// The template chooser's working copy: the four words of a template bit set.
struct TemplateBits {
  std::uint32_t MAIL[4];
};

bool ChooseTemplates(QWidget* parent, const SettingData& record, std::uint32_t (&bits)[4], const QString& title);
ListScreenSetup TemplateChooserSetup(const SettingData& record, std::uint32_t (&bits)[4], const QString& title);

}  // namespace tk48
