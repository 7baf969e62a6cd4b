#include "editors/toolkit/check_pages.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/keys.h"
#include "resources/text_ids.h"

namespace tk48 {

namespace {
ListSetup AllTickable(ListSetup setup) {
  if (!setup.tickable) setup.tickable = [](int) { return true; };
  return setup;
}
}  // namespace

CheckPage::CheckPage(QWidget* parent, ListSetup setup, std::span<std::uint32_t> words)
    : ListView(parent, AllTickable(setup), TicksOf(words, setup.rows)), words_(words) {}

void CheckPage::Store() const { StoreTicks(words_, Ticks()); }

ListSetup FamilyCheckSetup(const SettingData& record, const ChannelFamily& family, int labelId, int nameHeaderId) {
  const SettingData* r = &record;
  const ChannelFamily* f = &family;
  ListSetup setup;
  setup.rows = family.count;
  setup.columns = {
      {text::kColumnCh, 70, [labelId](int row) { return QUtf8Text(FormatText(labelId, row + 1)); }},
      {nameHeaderId, 220, [r, f](int row) { return RowTextsOf(*f, *r, row).name; }},
  };
  return setup;
}

CheckPagesDialog::CheckPagesDialog(QWidget* parent, const QString& title) : QDialog(parent) {
  setWindowTitle(title);
  setModal(true);
  tabs_ = new QTabWidget(this);
  const FootButtons foot = MakeFootButtons(this, text::kOk, text::kCancel);
  ok_ = foot.ok;
  cancel_ = foot.cancel;
  connect(foot.box, &QDialogButtonBox::accepted, this, &CheckPagesDialog::accept);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  BindEnter(this, [this] { accept(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(foot.box);
  resize(360, 520);
}

void CheckPagesDialog::AddPage(int tabTextId, CheckPage* page) {
  page->setAccessibleName(Tx(tabTextId));
  tabs_->addTab(page, Tx(tabTextId));
  pages_.push_back(page);
  // A single page needs no tab to pick it.
  tabs_->tabBar()->setVisible(pages_.size() > 1);
}

void CheckPagesDialog::accept() {
  for (const CheckPage* page : pages_) page->Store();
  QDialog::accept();
}

}  // namespace tk48
