#pragma once
// The review before an upload: what the working record changes against what
// the device holds as far as this run knows (app/upload_baseline.h).
class QWidget;

namespace tk48 {

class CTK48CFGApp;
struct SettingData;

// Shows the change review unless the preference "REVIEW_BEFORE_UPLOAD" is 0;
// true when the upload goes on ("Upload", or no review).
bool ReviewUpload(CTK48CFGApp& app, const SettingData& record, QWidget* parent);

}  // namespace tk48
