#include "editors/io/output_editor.h"

#include <QGridLayout>
#include <QLabel>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The mapping's family list: NONE, DI, MD.
const RefKind kMappingKinds[] = {
    {0, nullptr}, {1, &FamilyOf(FamilyId::Di)}, {2, &FamilyOf(FamilyId::Md)}};

}  // namespace

OutputEditor::OutputEditor(QWidget* parent, UiPort& ui, const SettingData& record, const Item& item)
    : ItemEditor(parent, ui) {
  name = EditField(this, 200);
  comment = EditField(this, 200);
  onText = EditField(this, 120);
  onColour = new ColourSwatch(this, ui);
  offText = EditField(this, 120);
  offColour = new ColourSwatch(this, ui);
  mappingType = ChoiceList(this, {text::kIoDisable, text::kDi, text::kMd});
  mappingChannel = new QComboBox(this);
  mappingChannel->setMinimumContentsLength(24);
  web = ChoiceList(this, {text::kIoDisable, text::kIoEnable});

  fields_.Text(name, item.name);
  fields_.Text(comment, item.comment);
  fields_.Text(onText, item.status.ON.DISP_STRING);
  fields_.Colour(onColour, item.status.ON.DISP_COLOR);
  fields_.Text(offText, item.status.OFF.DISP_STRING);
  fields_.Colour(offColour, item.status.OFF.DISP_COLOR);
  ChannelChoice(mappingType, mappingChannel, item.mapping, kMappingKinds, record);
  fields_.Choice(web, item.web);
  Unguarded(web);
}

QGridLayout* OutputEditor::CommonLayout(QWidget* beforeMapping) {
  auto* grid = new QGridLayout;
  int row = 0;
  auto add = [&](QWidget* label, QWidget* field) {
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row++, 1, 1, 3);
  };
  add(FieldLabel(this, text::kColumnChName, name), name);
  add(FieldLabel(this, text::kColumnChComment, comment), comment);
  struct State {
    int label;
    QLineEdit* text;
    ColourSwatch* colour;
  };
  for (const State& s :
       {State{text::kOutputStatusOn, onText, onColour}, State{text::kOutputStatusOff, offText, offColour}}) {
    grid->addWidget(new QLabel(Tx(s.label), this), row, 0);
    grid->addWidget(new QLabel(Tx(text::kDisplayComment), this), row, 1);
    grid->addWidget(s.text, row, 2);
    grid->addWidget(new QLabel(Tx(text::kStatusColour), this), row, 3);
    grid->addWidget(s.colour, row++, 4);
    Name(s.text, SubName(s.label, text::kDisplayComment));
    Name(s.colour, SubName(s.label, text::kStatusColour));
  }
  if (beforeMapping) grid->addWidget(beforeMapping, row++, 0, 1, 5);
  grid->addWidget(new QLabel(Tx(text::kIoMapping), this), row, 0);
  grid->addWidget(new QLabel(Tx(text::kErrOutType), this), row, 1);
  grid->addWidget(mappingType, row, 2);
  grid->addWidget(new QLabel(Tx(text::kColumnCh), this), row, 3);
  grid->addWidget(mappingChannel, row++, 4);
  Name(mappingType, SubName(text::kIoMapping, text::kErrOutType));
  Name(mappingChannel, SubName(text::kIoMapping, text::kColumnCh));
  add(FieldLabel(this, text::kControlOnBrowser, web), web);
  return grid;
}

void OutputEditor::EnableCommon(bool on) {
  SetEnabled({name, comment, onText, onColour, offText, offColour, mappingType}, on);
  const bool mapped = mappingType->currentIndex() > kNoMapping;
  mappingChannel->setEnabled(on && mapped);
  web->setEnabled(on && !mapped);
}

bool OutputEditor::CheckTexts() const {
  return checks_.Text(name, 16, text::kChNameError, Scope::Always) &&
         checks_.Text(comment, 16, text::kChCommentError, Scope::Always) &&
         checks_.Text(onText, 8, text::kOnDisplayCommentError, Scope::Always) &&
         checks_.Text(offText, 8, text::kOffDisplayCommentError, Scope::Always);
}

bool OutputEditor::MappingRuleApplies() const {
  if (mappingType->currentIndex() <= kNoMapping) return false;
  return !Guarding() || mappingType->isEnabled();
}

}  // namespace tk48
