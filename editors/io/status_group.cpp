#include "editors/io/status_group.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "editors/io/action_lists.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kDisplayChars = 8, kMessageChars = 32, kDelayMax = 999;

struct StateTexts {
  int title, delay, displayMessage, delayMessage, messageMessage;
};
constexpr StateTexts kStates[] = {
    {text::kStatusOn, text::kOnDelay, text::kOnDisplayCommentError, text::kOnDelayError, text::kOnMessageError},
    {text::kStatusOff, text::kOffDelay, text::kOffDisplayCommentError, text::kOffDelayError, text::kOffMessageError},
};

}  // namespace

StatusGroup::StatusGroup(QWidget* parent, State state, StatusBlock& block, FieldBindings& fields,
                         const SettingData& record, UiPort& ui)
    : QGroupBox(Tx(kStates[state].title), parent), bits_(block) {
  const StateTexts& t = kStates[state];
  display = EditField(this, 100);
  colour = new ColourSwatch(this, ui);
  eventLog = new QCheckBox(Tx(text::kEventLog), this);
  eventNo = NumberList(this, 1, 64);
  message = EditField(this, 200);
  delay = EditField(this, 60);
  templates = new QPushButton(Tx(text::kChooseTemplate), this);
  resetPi = new QPushButton(Tx(text::kResetPiAction), this);
  resetMa = new QPushButton(Tx(text::kResetMaAction), this);

  fields.Text(display, block.DISP_STRING);
  fields.Colour(colour, block.DISP_COLOR);
  fields.Flag(eventLog, block.EVENT_LOG);
  fields.Choice(eventNo, block.EVENT_NO, 1);
  fields.Text(message, block.MESSAGE);
  fields.Int(delay, block.DELAY);

  const SettingData* r = &record;
  connect(templates, &QPushButton::clicked, this,
          [this, r] { ChooseTemplates(this, *r, bits_.MAIL, Tx(text::kChooseTemplate)); });
  connect(resetPi, &QPushButton::clicked, this, [this, r] {
    ActionListDialog list(this, *r, ActionKind::ResetPi, bits_.RESET_PI);
    list.exec();
  });
  connect(resetMa, &QPushButton::clicked, this, [this, r] {
    ActionListDialog list(this, *r, ActionKind::ResetMa, bits_.RESET_MA);
    list.exec();
  });

  // Fields share their labels with the other state's: each is named "Status (ON) (...)".
  const QString group = Tx(t.title);
  auto* form = new QFormLayout(this);
  const auto row = [&](int labelId, QWidget* field) {
    form->addRow(FieldLabel(this, labelId, field), field);
    Name(field, SubName(group, Tx(labelId)));
  };
  row(text::kDisplayComment, display);
  row(text::kStatusColour, colour);
  form->addRow(eventLog);
  Name(eventLog, SubName(group, Tx(text::kEventLog)));
  row(text::kEventNo, eventNo);
  row(text::kZoneMessage, message);
  row(t.delay, delay);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {templates, resetPi, resetMa}) {
    b->setAutoDefault(false);
    Name(b, SubName(group, b->text()));
    buttons->addWidget(b);
  }
  form->addRow(buttons);
}

void StatusGroup::Enable(bool on) {
  SetEnabled({display, colour, eventLog, eventNo, message, delay, templates, resetPi, resetMa}, on);
}

void StatusGroup::Commit(StatusBlock& block) const {
  std::copy(std::begin(bits_.MAIL), std::end(bits_.MAIL), block.MAIL);
  std::copy(std::begin(bits_.RESET_PI), std::end(bits_.RESET_PI), block.RESET_PI);
  std::copy(std::begin(bits_.RESET_MA), std::end(bits_.RESET_MA), block.RESET_MA);
}

bool CheckStatusPair(const FieldChecks& checks, const StatusGroup& on, const StatusGroup& off) {
  const StateTexts& a = kStates[StatusGroup::kOn];
  const StateTexts& b = kStates[StatusGroup::kOff];
  constexpr Scope always = Scope::Always;
  return checks.Text(on.display, kDisplayChars, a.displayMessage, always) &&
         checks.Text(off.display, kDisplayChars, b.displayMessage, always) &&
         checks.Int(on.delay, 0, kDelayMax, a.delayMessage, always) &&
         checks.Int(off.delay, 0, kDelayMax, b.delayMessage, always) &&
         checks.Text(on.message, kMessageChars, a.messageMessage, always) &&
         checks.Text(off.message, kMessageChars, b.messageMessage, always);
}

}  // namespace tk48
