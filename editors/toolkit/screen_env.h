#pragma once
// What a screen is opened on, and the one way the toolkit opens the screen
// that edits a field (the hub's search, "Where is it used"). The screens of
// every section are known to the registry alone (editors/screen_registry.h),
// which defines OpenPath: the toolkit names what it needs, never a section.
#include <QWidget>
#include <functional>
#include <string_view>

#include "link/transfers.h"
#include "model/setting_data.h"

namespace tk48 {

class UiPort;

// The upload the direct network screens run once the user has confirmed it;
// tests replace it.
using AccessUpload = std::function<bool(const SettingData&, DeviceContext&)>;

struct ScreenEnv {
  QWidget* parent;
  SettingData& record;
  UiPort& ui;
  // The direct network screens' device and upload (tests pass a stand-in).
  DeviceContext* device = nullptr;
  AccessUpload upload = UploadAccessSettings;
};

// Opens the screens that lead to the one editing `path`
// ("IO.AI[5].AREA[2].UPPER.VALUE"), one inside the other as a user would,
// and puts the focus on the field when the last screen binds it. Returns when
// the first screen closes; false when no screen edits `path`.
bool OpenPath(std::string_view path, const ScreenEnv& env);

}  // namespace tk48
