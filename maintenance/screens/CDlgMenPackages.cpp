// "User defined imagery data" and "User defined browser view": the packages
// are built in memory, the data package put first, then its directory, on one
// connection; "Reset" removes them on the device in two steps.
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "maintenance/packages.h"
#include "maintenance/put_order.h"
#include "maintenance/screens/maint_screens.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {
namespace {

constexpr std::string_view kUserViewKey = "USER_VIEW";
const std::string kUserPictureKeys[] = {"USER_PCT_1", "USER_PCT_2", "USER_PCT_3"};

// A path field with its "..." button.
QLineEdit* PathRow(MaintScreen* screen, QFormLayout* form, int labelId, std::function<std::optional<std::string>()> choose) {
  auto* field = EditField(screen, 320);
  auto* browse = new QPushButton(Tx(text::kMenBrowse), screen);
  browse->setAutoDefault(false);
  Name(browse, SubName(labelId, text::kMenBrowse));
  QObject::connect(browse, &QPushButton::clicked, screen, [field, choose = std::move(choose)] {
    if (const auto chosen = choose()) field->setText(QUtf8Text(*chosen));
  });
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(browse);
  form->addRow(FieldLabel(screen, labelId, field), row);
  return field;
}

// `uploadFailed` (0: none) follows a failure other than the directory's.
bool Upload(MaintEnv& env, const CompressedPackages& p, const PackageKind& kind, int uploadFailed) {
  OneConnection connection(env);
  const auto failed = UploadPackages(kind, p, connection.put(), env.ui);
  if (failed && *failed != kDirectoryStep && uploadFailed) env.ui.Message(LoadText(uploadFailed), Icon::Error);
  return !failed;
}

bool Reset(MaintEnv& env, int questionId, const PackageKind& kind) {
  if (!Confirm(env.ui, questionId)) return false;
  OneConnection connection(env);
  return ResetPackages(kind, connection.put());
}

}  // namespace

CDlgMenUserJpg::CDlgMenUserJpg(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenImages) {
  const int labels[] = {text::kMenImage1, text::kMenImage2, text::kMenImage3};
  for (int i = 0; i < kImageSlots; ++i) {
    paths[i] = PathRow(this, form_, labels[i], [this] {
      FileDialog dialog;
      dialog.filter = std::string(LoadText(text::kMenImageFilter));
      return env_.ui.ChooseFile(dialog);
    });
    paths[i]->setText(QUtf8Text(env.readPath(kUserPictureKeys[i])));
  }
  AddCommand(text::kUploadToDevice, [this] {
    if (!Confirm(env_.ui, text::kConfirmTransferImages)) return;
    std::array<std::string, kImageSlots> chosen;
    // The choice is remembered before the files are read: a refused image keeps it.
    for (int i = 0; i < kImageSlots; ++i) {
      chosen[i] = paths[i]->text().trimmed().toStdString();
      env_.writePath(kUserPictureKeys[i], chosen[i]);
    }
    const auto packages = BuildImagePackages(chosen, env_.ui);
    if (!packages) return;
    const auto compressed = CompressImagePackages(*packages, env_.ui);
    if (compressed) Upload(env_, *compressed, kImagePackages, 0);
  });
  AddCommand(text::kMenReset, [this] { Reset(env_, text::kConfirmFactoryReset, kImagePackages); });
  AddBack();
}

void RunMenUserJpg(QWidget* parent, MaintEnv& env) { CDlgMenUserJpg(parent, env).exec(); }

CDlgMenUserView::CDlgMenUserView(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMenView) {
  folder = PathRow(this, form_, text::kMenFolder, [this] {
    return env_.ui.ChooseFolder({std::string(LoadText(text::kMenFolder)), "", folder->text().toStdString()});
  });
  folder->setText(QUtf8Text(env.readPath(kUserViewKey)));
  AddCommand(text::kMenConvertUpload, [this] {
    const std::string chosen = folder->text().trimmed().toStdString();
    if (chosen.empty()) return env_.ui.Message(LoadText(text::kSpecifyFolder), Icon::Error), void();
    if (!Confirm(env_.ui, text::kConfirmConvertView)) return;
    env_.writePath(kUserViewKey, chosen);
    const auto packages = BuildViewPackages(chosen, env_.ui);
    const auto compressed = packages ? CompressViewPackages(*packages, env_.ui) : std::nullopt;
    if (!compressed) return;
    if (Upload(env_, *compressed, kViewPackages, text::kViewUploadFailed))
      env_.ui.Message(LoadText(text::kCompleted), Icon::Information);
  });
  AddCommand(text::kMenReset, [this] { Reset(env_, text::kConfirmResetView, kViewPackages); });
  AddBack();
}

void RunMenUserView(QWidget* parent, MaintEnv& env) { CDlgMenUserView(parent, env).exec(); }

}  // namespace tk48::maint
