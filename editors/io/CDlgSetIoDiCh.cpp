#include "editors/io/CDlgSetIoDiCh.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The "CH setting" entries after "SLMP".
constexpr int kMoreKinds[] = {text::kAi, text::kControlInput, text::kDemo};

}  // namespace

CDlgSetIoDiCh::CDlgSetIoDiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : InputEditor(parent, record, ui, {kMoreKinds, kBitRegisterTypes, SlmpBitDevices(), 16, 65536}, text::kDiLabel,
                  index),
      ch_(record.IO.DI[index]) {
  aiCh = new QComboBox(this);
  FillLabelledChannels(aiCh, record, FamilyOf(FamilyId::Ai));
  aiBit = NumberList(this, 0, 15);
  MakeNames(this);
  invert = new QCheckBox(Tx(text::kInvert), this);

  BindPoint(fields_, ch_);
  fields_.Choice(aiCh, ch_.AI_CH, 1);
  fields_.Choice(aiBit, ch_.AI_BIT);
  BindNames(fields_, ch_);
  fields_.Flag(invert, ch_.INVERT);
  on = new StatusGroup(this, StatusGroup::kOn, ch_.STATUS.ON, fields_, record, ui);
  off = new StatusGroup(this, StatusGroup::kOff, ch_.STATUS.OFF, fields_, record, ui);

  GuardPoint();

  auto* source = new QFormLayout;
  AddPointRows(source);
  AddRow(source, text::kAiChNo, aiCh);
  AddRow(source, text::kAiBit, aiBit);
  AddNameRows(source);
  source->addRow(invert);
  Name(invert, Tx(text::kInvert));
  auto* states = new QVBoxLayout;
  states->addWidget(on);
  states->addWidget(off);
  LayOut(source, states);
  Start();
}

void CDlgSetIoDiCh::UpdateEnables() {
  const int k = kind->currentIndex();
  const bool used = k > kDisable;
  EnablePoint();
  SetEnabled({name, comment, invert}, used);
  SetEnabled({aiCh, aiBit}, k == kAi);
  on->Enable(used);
  off->Enable(used);
}

bool CDlgSetIoDiCh::Validate() {
  return CheckPoint(checks_) && CheckNames(checks_, Scope::Always) && CheckStatusPair(checks_, *on, *off);
}

void CDlgSetIoDiCh::Commit() {
  ItemEditor::Commit();
  on->Commit(ch_.STATUS.ON);
  off->Commit(ch_.STATUS.OFF);
}

ListScreenSetup DiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoDiCh>(record, ui, FamilyId::Di, text::kDiscreteInput);
}

}  // namespace tk48
