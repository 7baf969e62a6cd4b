#include "app/upload_review.h"

#include "app/CTK48CFGApp.h"
#include "app/change_review.h"
#include "app/qt_text.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

bool ReviewUpload(CTK48CFGApp& app, const SettingData& record, QWidget* parent) {
  if (app.prefs.ReadInt(pref::kMain, pref::kReviewBeforeUpload, pref::kDefaultReviewBeforeUpload) == 0) return true;
  const auto baseline = app.knownConfigurations.For(DeviceKey(app.connection));
  CDlgChangeReview review(baseline.record, record, CDlgChangeReview::Mode::Upload, parent);
  using Source = KnownConfigurations::Source;
  switch (baseline.source) {
    case Source::Device: review.SetCaption(Text(text::kReviewAgainstDevice)); break;
    case Source::File:
      review.SetCaption(QUtf8(FormatText(text::kReviewAgainstFile, baseline.file.c_str())));
      break;
    case Source::Defaults: review.SetCaption(Text(text::kReviewAgainstDefaults)); break;
  }
  return review.exec() == QDialog::Accepted;
}

}  // namespace tk48
