// The screens that download the setting data first, into the maintenance
// record: "Start/stop logging", "Clear trend data", "Test mail", "Preset count".
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "maintenance/menu_checks.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

// Logging disabled in the setting data: the message, and the button stays off.
CDlgMenLogging::CDlgMenLogging(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenLogging) {
  toggle = AddCommand(text::kMenLogging, [this] {
    // The device's running flag decides, not the setting data: read it first, then ask.
    const auto status = ReadStatus(env_);
    if (!status || !CheckSdCard(status->sdCard(), SdUse::Disk, env_.ui)) return;
    const LoggingStep step = NextLoggingStep(status->logging());
    if (Confirm(env_.ui, step.questionId)) PutFile(env_, File::Lgng, step.payload);
  });
  AddBack();
}

void RunMenLogging(QWidget* parent, MaintEnv& env) {
  if (!DownloadRecord(env)) return;
  CDlgMenLogging dialog(parent, env);
  if (!CheckLoggingEnabled(env.record, env.ui)) dialog.toggle->setEnabled(false);
  dialog.exec();
}

CDlgMenTrend::CDlgMenTrend(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenTrend) {
  page = new QComboBox(this);
  for (int p = 1; p <= kTrendPages; ++p) page->addItem(QUtf8Text(FormatText(text::kMenTrendPageRow, p)));
  page->addItem(Tx(text::kTrendAllPages));
  AddRow(form_, text::kMenTrendPage, page);
  AddCommand(text::kMenClear, [this] {
    const int index = page->currentIndex();
    const auto payload = TrendPayload(index == kTrendPages ? 0 : index + 1);
    if (payload && Confirm(env_.ui, text::kConfirmClearTrend)) PutFile(env_, File::Trend, *payload);
  });
  AddBack();
}

void RunMenTrend(QWidget* parent, MaintEnv& env) {
  if (DownloadRecord(env)) CDlgMenTrend(parent, env).exec();
}

CDlgMenMailTest::CDlgMenMailTest(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenTestMail) {
  mail = new QComboBox(this);
  for (int n = 1; n <= kMailTemplates; ++n)
    mail->addItem(QUtf8Text(FormatText(text::kMenTemplateRow, n, env.record.MAIL_REPORT.FORM[n - 1].TITLE)));
  mail->addItem(Tx(text::kMenRegularReport));
  AddRow(form_, text::kMenMailTemplate, mail);
  AddCommand(text::kMenSendTestMail, [this] {
    const int index = mail->currentIndex();
    const auto byte = index == kMailTemplates ? TestReportPayload(env_.record, env_.ui)
                                              : TestMailPayload(env_.record, index + 1, env_.ui);
    if (byte && Confirm(env_.ui, text::kConfirmProceed)) PutFile(env_, File::Mail, {&*byte, 1});
  });
  AddBack();
}

void RunMenMailTest(QWidget* parent, MaintEnv& env) {
  if (DownloadRecord(env)) CDlgMenMailTest(parent, env).exec();
}

CDlgMenPriSum::CDlgMenPriSum(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenPreset) {
  family = new QComboBox(this);
  family->addItem(QStringLiteral("PI"));
  channel = new QComboBox(this);
  for (const auto& row : PresetChannelRows(env.record)) channel->addItem(QUtf8Text(row));
  value = EditField(this, 120);
  AddRow(form_, text::kMenFamily, family);
  AddRow(form_, text::kMenChannel, channel);
  AddRow(form_, text::kMenPresetValue, value);
  AddCommand(text::kUploadToDevice, [this] {
    const auto document =
        PresetPayload(env_.record, channel->currentIndex() + 1, value->text().toStdU16String(), env_.ui);
    if (document && Confirm(env_.ui, text::kConfirmUpload))
      PutFile(env_, File::Sum, {reinterpret_cast<const std::uint8_t*>(document->data()), document->size()});
  });
  AddBack();
}

void RunMenPriSum(QWidget* parent, MaintEnv& env) {
  if (DownloadRecord(env)) CDlgMenPriSum(parent, env).exec();
}

}  // namespace tk48::maint
