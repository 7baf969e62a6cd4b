// "Date/Time": six fields from the computer's clock; Apply sets the device clock.
#include <QLineEdit>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "maintenance/date_time.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/text_ids.h"

namespace tk48::maint {

CDlgMenTime::CDlgMenTime(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenDateTime) {
  const DateTime now = LocalNow();
  const int values[] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
  const int labels[] = {text::kMenYear, text::kMenMonth, text::kMenDay,
                        text::kMenHour, text::kMenMinute, text::kMenSecond};
  for (int i = 0; i < 6; ++i) {
    fields[i] = EditField(this, 60);
    fields[i]->setMaxLength(i == 0 ? 4 : 2);
    fields[i]->setText(QString::number(values[i]));
    AddRow(form_, labels[i], fields[i]);
  }
  AddCommand(text::kMenApply, [this] { Apply(); });
  AddBack();
}

void CDlgMenTime::Apply() {
  std::array<std::u16string, 6> texts;
  std::array<std::u16string_view, 6> views;
  for (int i = 0; i < 6; ++i) views[i] = texts[i] = fields[i]->text().toStdU16String();
  const auto t = CheckDateTimeFields(views, env_.ui);
  if (t) PutFile(env_, File::Time, TimePayload(*t));
}

void RunMenTime(QWidget* parent, MaintEnv& env) { CDlgMenTime(parent, env).exec(); }

}  // namespace tk48::maint
