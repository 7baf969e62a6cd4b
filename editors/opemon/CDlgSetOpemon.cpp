#include "editors/opemon/CDlgSetOpemon.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <span>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/zone_block.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Kinds of a process reference; a type list's entries map onto these.
constexpr int kNone = 0, kAi = 1, kPi = 2, kMa = 3, kDi = 4, kMd = 5;
constexpr int kNameChars = 32;
constexpr int kNoneStoresNo = 1;

std::span<const RefKind> AllKinds() {
  static const RefKind kinds[] = {{kNone, nullptr},
                                  {kAi, &FamilyOf(FamilyId::Ai)},
                                  {kPi, &FamilyOf(FamilyId::Pi)},
                                  {kMa, &FamilyOf(FamilyId::Ma)},
                                  {kDi, &FamilyOf(FamilyId::Di)},
                                  {kMd, &FamilyOf(FamilyId::Md)}};
  return kinds;
}
std::span<const RefKind> DiscreteKinds() {
  static const RefKind kinds[] = {{kNone, nullptr}, {kDi, &FamilyOf(FamilyId::Di)}, {kMd, &FamilyOf(FamilyId::Md)}};
  return kinds;
}
std::span<const RefKind> AnalogKinds() { return AllKinds().first(4); }

QComboBox* TypeList(QWidget* parent, std::span<const RefKind> kinds) {
  static constexpr int kTexts[] = {text::kOutputNone, text::kAi, text::kPi, text::kMa, text::kDi, text::kMd};
  auto* list = new QComboBox(parent);
  for (const RefKind& k : kinds) list->addItem(Tx(kTexts[k.kind]));
  return list;
}

// The kind a type list shows (its entry mapped onto the kind list).
int KindShown(const QComboBox* type, std::span<const RefKind> kinds) {
  const int at = type->currentIndex();
  return at < 0 ? kNone : kinds[static_cast<std::size_t>(at)].kind;
}

bool Discrete(int kind) { return kind == kDi || kind == kMd; }

QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QString Number(int row) { return QString::number(row + 1); }

}  // namespace

PreviewSwatch::PreviewSwatch(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setFixedSize(40, 20);
  setAutoFillBackground(true);
  Fill(Qt::black);
}

void PreviewSwatch::Fill(const QColor& colour) {
  colour_ = colour;
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
}

CDlgSetOpemonProc::CDlgSetOpemonProc(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  OpemonProc& proc = record.OPEMON.PROC[index];
  setWindowTitle(QUtf8Text(FormatText(text::kOpemonProcessTitle, index + 1)));
  name = EditField(this, 260);
  fields_.Text(name, proc.NAME);

  auto* grid = new QGridLayout;
  int line = 0;
  grid->addWidget(FieldLabel(this, text::kOpemonProcessName, name), line, 0);
  grid->addWidget(name, line++, 1, 1, 4);
  // A reference row: "<group>" "Type" [type] "CH" [channel].
  auto reference = [&](const QString& group, QComboBox*& typeList, QComboBox*& channelList,
                       std::span<const RefKind> kinds, ChannelRef& ref) {
    typeList = TypeList(this, kinds);
    channelList = new QComboBox(this);
    Unguarded(typeList);  // no check on a type change
    ChannelChoice(typeList, channelList, ref.kind, ref.no, kinds, record, kNoneStoresNo);
    Unguarded(channelList);  // the previews follow the channel
    Name(typeList, SubName(group, Tx(text::kType)));
    Name(channelList, SubName(group, Tx(text::kColumnCh)));
    grid->addWidget(new QLabel(group, this), line, 0);
    grid->addWidget(new QLabel(Tx(text::kType), this), line, 1);
    grid->addWidget(typeList, line, 2);
    grid->addWidget(new QLabel(Tx(text::kColumnCh), this), line, 3);
    grid->addWidget(channelList, line++, 4);
  };
  // A preview row: "<label>" "Color" [swatch] "Display comment" [text].
  auto preview = [&](const QString& group, const QString& label, PreviewRow& row) {
    row.label = new QLabel(label, this);
    row.swatch = new PreviewSwatch(this);
    row.text = new QLineEdit(this);
    row.text->setReadOnly(true);
    row.text->setFocusPolicy(Qt::NoFocus);
    Name(row.text, SubName(group + QLatin1Char(' ') + label, Tx(text::kOpemonDisplayComment)));
    row.colourCaption = new QLabel(Tx(text::kOpemonColor), this);
    row.commentCaption = new QLabel(Tx(text::kOpemonDisplayComment), this);
    grid->addWidget(row.label, line, 0);
    grid->addWidget(row.colourCaption, line, 1);
    grid->addWidget(row.swatch, line, 2);
    grid->addWidget(row.commentCaption, line, 3);
    grid->addWidget(row.text, line++, 4);
  };
  for (int k = 0; k < 5; ++k) {
    const QString group = QUtf8Text(FormatText(text::kOpemonChannel, k + 1));
    reference(group, type[k], channel[k], k == 0 ? AllKinds() : DiscreteKinds(), proc.CH[k]);
    if (k == 0) preview(group, Tx(text::kOpemonStatusOff), statusOff);
    preview(group, Tx(text::kOpemonStatus), status[k]);
  }
  reference(Tx(text::kOpemonMainDisplay), mainType, mainChannel, AnalogKinds(), proc.NUM_MAIN);
  for (int k = 0; k < 3; ++k)
    reference(QUtf8Text(FormatText(text::kOpemonSubDisplay, k + 1)), subType[k], subChannel[k], AllKinds(),
              proc.NUM_SUB[k]);
  OnChoice(type[0], [this] { ResetAfterChannel1(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetOpemonProc::Load() {
  ItemEditor::Load();
  // A stored kind the list does not offer shows as "None", and OK stores NONE.
  for (QComboBox* list : {type[0], type[1], type[2], type[3], type[4], mainType, subType[0], subType[1], subType[2]})
    if (list->currentIndex() < 0) list->setCurrentIndex(0);
  channel1Was_ = KindShown(type[0], AllKinds());
}

// Channel 1 leaving the discrete kinds, or turning analog, takes Channels 2
// to 5 and the main display off; the sub displays keep their values.
void CDlgSetOpemonProc::ResetAfterChannel1() {
  const int was = channel1Was_;
  const int now = KindShown(type[0], AllKinds());
  channel1Was_ = now;
  const bool toAnalog = now == kAi || now == kPi || now == kMa;
  const bool reset = (toAnalog && (was == kNone || Discrete(was))) || (now == kNone && Discrete(was));
  if (!reset) return;
  for (int k = 1; k < 5; ++k) {
    type[k]->setCurrentIndex(0);
    channel[k]->clear();
  }
  mainType->setCurrentIndex(0);
  mainChannel->clear();
}

void CDlgSetOpemonProc::UpdateEnables() {
  const int first = KindShown(type[0], AllKinds());
  const bool discrete = Discrete(first);
  channel[0]->setEnabled(first != kNone);
  // Each channel in use opens the next one's type.
  bool typeOpen = discrete;
  for (int k = 1; k < 5; ++k) {
    type[k]->setEnabled(typeOpen);
    const bool inUse = typeOpen && type[k]->currentIndex() > 0;
    channel[k]->setEnabled(inUse);
    typeOpen = inUse;
  }
  mainType->setEnabled(discrete);
  mainChannel->setEnabled(discrete && mainType->currentIndex() > 0);
  for (int k = 0; k < 3; ++k) {
    subType[k]->setEnabled(first != kNone);
    subChannel[k]->setEnabled(first != kNone && subType[k]->currentIndex() > 0);
  }
  statusOffShown_ = discrete;
  statusOff.SetVisible(discrete);
  ShowPreviews();
}

void CDlgSetOpemonProc::ShowStatus(PreviewRow& row, const StatusBlock* state) {
  row.swatch->Fill(state ? Rgb(state->DISP_COLOR) : QColor(Qt::black));
  row.text->setText(state ? FromRecord(state->DISP_STRING) : QString());
}

void CDlgSetOpemonProc::ShowPreviews() {
  // The ON and OFF states of the DI or MD a reference shows; none for a DI not in use.
  auto states = [this](const QComboBox* typeList, const QComboBox* channelList,
                       std::span<const RefKind> kinds) -> const StatusPair* {
    const int kind = KindShown(typeList, kinds);
    const int at = channelList->currentIndex();
    if (at < 0) return nullptr;
    if (kind == kDi) return FamilyOf(FamilyId::Di).inUse(record_, at) ? &record_.IO.DI[at].STATUS : nullptr;
    if (kind == kMd) return &record_.IO.MD[at].STATUS;
    return nullptr;
  };
  for (PreviewRow& row : status) ShowStatus(row, nullptr);
  ShowStatus(statusOff, nullptr);
  const int first = KindShown(type[0], AllKinds());
  const int at = channel[0]->currentIndex();
  if (Discrete(first)) {
    const StatusPair* own = states(type[0], channel[0], AllKinds());
    ShowStatus(statusOff, own ? &own->OFF : nullptr);
    ShowStatus(status[0], own ? &own->ON : nullptr);
    for (int k = 1; k < 5; ++k) {
      const StatusPair* other = states(type[k], channel[k], DiscreteKinds());
      ShowStatus(status[k], other ? &other->ON : nullptr);
    }
  } else if (first != kNone && at >= 0) {
    const FamilyId family = first == kAi ? FamilyId::Ai : first == kPi ? FamilyId::Pi : FamilyId::Ma;
    if (FamilyOf(family).inUse(record_, at)) {
      const ZoneBlock zones = first == kAi   ? ZonesOf(record_.IO.AI[at])
                              : first == kPi ? ZonesOf(record_.IO.PI[at])
                                             : ZonesOf(record_.IO.MA[at]);
      const int used = std::clamp<int>(zones.USE_AREAS, 0, 5);
      for (int z = 0; z < used; ++z) {
        status[z].swatch->Fill(Rgb(zones.AREA[z].AREA_COLOR));
        status[z].text->setText(FromRecord(zones.AREA[z].AREA_NAME));
      }
    }
  }
  // A hidden "Status(OFF)" swatch takes the window's background colour.
  if (!statusOffShown_) statusOff.swatch->Fill(palette().color(QPalette::Window));
}

bool CDlgSetOpemonProc::Validate() { return checks_.Text(name, kNameChars, text::kOpemonNameError); }

ListScreenSetup OpemonListSetup(SettingData& record, UiPort& ui) {
  SettingData* r = &record;
  ListScreenSetup setup;
  setup.title = Tx(text::kProcessMonitor);
  setup.list.rows = static_cast<int>(std::size(record.OPEMON.PROC));
  setup.list.columns = {
      {text::kColumnNo, 60, Number},
      {text::kOpemonProcessName, 300, [r](int row) { return FromRecord(r->OPEMON.PROC[row].NAME); }},
  };
  setup.list.edit = [r, &ui](QWidget* parent, int row) {
    CDlgSetOpemonProc screen(parent, *r, row, ui);
    screen.exec();
  };
  setup.list.paste = [r](int from, int to) { r->OPEMON.PROC[to] = r->OPEMON.PROC[from]; };
  return setup;
}

}  // namespace tk48
