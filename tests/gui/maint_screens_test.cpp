// The maintenance screens offscreen against tk48sim: the version gate of the
// process data init, logging that follows the device's flags, template 101,
// an empty browser view folder, a result poll that reaches its limit, and a
// browser view upload over the network that the device then holds.
#include "maintenance/screens/maint_screens.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <fstream>
#include <map>

#include "gui_fixture.h"
#include "maintenance/device_files.h"
#include "model/defaults.h"
#include "model/writer.h"
#include "resources/strings.h"
#include "resources/text_ids.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using maint::MaintEnv;

constexpr std::int32_t kUse = 1;

// A device whose setting data has logging enabled (or not).
std::function<void(const fs::path&)> DeviceWithLogging(bool enabled) {
  return [enabled](const fs::path& state) {
    auto record = NewSettingData();
    ApplyDefaults(*record);
    record->RECORD.LOGGING.MODE = enabled ? kUse : 0;
    const std::string text = ConfigurationText(*record);
    const auto packed = maint::Compress({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    std::ofstream(state / "CONFIG_P", std::ios::binary)
        .write(reinterpret_cast<const char*>(packed->data()), static_cast<std::streamsize>(packed->size()));
  };
}

// The screens' surroundings for one transport of `sim`, with short bounds.
struct SimEnv {
  SimEnv(const TransferSim& sim, Transport t) {
    settings.usb = t == Transport::Usb;
    settings.netPort = sim.port();
    settings.entryName = "simulator";
    settings.addressBook[0] = {"simulator", "127.0.0.1"};
    for (int i = 0; i < 8; ++i) ui.logins.push_back(Credentials{kLoginId, kPassword});
    record = NewSettingData();
    ApplyDefaults(*record);
  }
  DeviceContext Ctx(const TransferSim* sim) {
    DeviceContext ctx{settings, login, ui, [path = sim->PtyPath()](int) { return std::optional<std::string>(path); }};
    ctx.serialTiming = {1000ms, 3000ms, 100ms, 50ms, 3};
    ctx.netOptions = {10ms, 5s};
    ctx.transferTiming = {10ms, 10ms, pollLimit};
    return ctx;
  }
  ConnectionSettings settings;
  LoginState login;
  ScriptedUi ui;
  std::unique_ptr<SettingData> record;
  std::chrono::milliseconds pollLimit{5000};
  std::function<DeviceContext()> device;

  MaintEnv Env(const TransferSim& sim) { return MaintEnv{ui, [this, &sim] { return Ctx(&sim); }, *record}; }
  std::string Last() const { return ui.Last(); }
};

std::string Text(int id) { return std::string(LoadText(id)); }

TEST_F(GuiTest, MaintenanceScreensAgainstTheDevice) {
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    {
      SCOPED_TRACE("process data init on major version 1 sends nothing");
      TransferSim sim({"--version", "1.4.0"});
      ASSERT_TRUE(sim.ready()) << sim.output();
      SimEnv s(sim, t);
      MaintEnv env = s.Env(sim);
      maint::CDlgMenInit dialog(nullptr, env);
      Show(dialog);
      Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenInitOpemon))));
      EXPECT_EQ(s.Last(), Text(text::kUnsupportedVersion));
      EXPECT_FALSE(fs::exists(sim.StateDir() / "OPMNCLR"));
      Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenInitMemory))));
      EXPECT_EQ(ReadAll((sim.StateDir() / "MBCLR").string()), std::string(1, '\0'));
    }
    {
      SCOPED_TRACE("logging follows the device's flag, not the setting data");
      TransferSim sim({"--sd", "--logging"}, DeviceWithLogging(true));
      ASSERT_TRUE(sim.ready()) << sim.output();
      SimEnv s(sim, t);
      MaintEnv env = s.Env(sim);
      WhenModal<maint::CDlgMenLogging>([&](maint::CDlgMenLogging& dialog) {
        Click(dialog.toggle);
        EXPECT_EQ(s.ui.messages.at(0).text, Text(text::kConfirmStopLogging));
        EXPECT_EQ(ReadAll((sim.StateDir() / "LGNG").string()), std::string(1, '\0'));
        Click(dialog.toggle);
        EXPECT_EQ(s.Last(), Text(text::kConfirmStartLogging));
        EXPECT_EQ(ReadAll((sim.StateDir() / "LGNG").string()), std::string(1, '\1'));
        dialog.reject();
      });
      maint::RunMenLogging(nullptr, env);
    }
    {
      SCOPED_TRACE("logging disabled in the setting data");
      TransferSim sim({"--sd"}, DeviceWithLogging(false));
      ASSERT_TRUE(sim.ready()) << sim.output();
      SimEnv s(sim, t);
      MaintEnv env = s.Env(sim);
      WhenModal<maint::CDlgMenLogging>([&](maint::CDlgMenLogging& dialog) {
        EXPECT_EQ(s.Last(), Text(text::kLoggingDisabled));
        EXPECT_FALSE(dialog.toggle->isEnabled());
        dialog.reject();
      });
      maint::RunMenLogging(nullptr, env);
    }
  }
}

TEST_F(GuiTest, MaintenanceRefusalsLeaveTheDeviceAlone) {
  TransferSim sim({"--processing-endless"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  SimEnv s(sim, Transport::Usb);
  s.pollLimit = 300ms;
  MaintEnv env = s.Env(sim);

  // Template 101: its index is the regular report's.
  ASSERT_TRUE(maint::DownloadRecord(env));
  {
    maint::CDlgMenMailTest dialog(nullptr, env);
    Show(dialog);
    dialog.mail->setCurrentIndex(100);
    Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenSendTestMail))));
    EXPECT_EQ(s.Last(), Text(text::kTemplateIsReportCode));
    EXPECT_FALSE(fs::exists(sim.StateDir() / "MAIL"));
  }
  // An empty folder: its message, and no package file anywhere.
  TempDir dir;
  fs::create_directories(dir.Path() / "empty");
  const auto cwd = fs::current_path();
  fs::current_path(dir.Path());
  {
    maint::CDlgMenUserView dialog(nullptr, env);
    Show(dialog);
    dialog.folder->setText(QString::fromStdString((dir.Path() / "empty").string()));
    Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenConvertUpload))));
    EXPECT_EQ(s.Last(), Text(text::kNoFileInFolder));
  }
  fs::current_path(cwd);
  EXPECT_TRUE(fs::is_empty(dir.Path() / "empty"));
  // An image that cannot be read is refused, and the user's choice is kept for next time.
  {
    std::map<std::string, std::string> remembered;
    env.writePath = [&](std::string_view key, const std::string& path) { remembered[std::string(key)] = path; };
    maint::CDlgMenUserJpg dialog(nullptr, env);
    Show(dialog);
    const std::string missing = (dir.Path() / "plant.jpg").string();
    dialog.paths[0]->setText(QString::fromStdString(missing));
    Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kUploadToDevice))));
    EXPECT_EQ(s.Last(), std::string(FormatText(text::kCannotOpenImage, 1, missing.c_str())));
    EXPECT_EQ(remembered["USER_PCT_1"], missing);
    EXPECT_FALSE(fs::exists(sim.StateDir() / "JDAT_P"));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
  EXPECT_FALSE(fs::exists(sim.StateDir() / "UDAT_P"));
  // A device that stays "processing": the poll ends at its limit with its message.
  {
    maint::CDlgMenOpe dialog(nullptr, env);
    Show(dialog);
    Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenRestart))));
    EXPECT_EQ(s.Last(), Text(text::kResultPollOutOfTime));
  }
}

TEST_F(GuiTest, BrowserViewUploadOverTheNetwork) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  SimEnv s(sim, Transport::Net);
  std::string remembered;
  MaintEnv env = s.Env(sim);
  env.writePath = [&](std::string_view key, const std::string& path) {
    if (key == "USER_VIEW") remembered = path;
  };
  TempDir dir;
  const fs::path site = dir.Path() / "site";
  fs::create_directories(site);
  std::ofstream(site / "index.html") << "<html>plant</html>";
  std::ofstream(site / "style.css") << "body { color: red; }";
  maint::CDlgMenUserView dialog(nullptr, env);
  Show(dialog);
  dialog.folder->setText(QString::fromStdString(site.string()));
  Click(ButtonNamed(dialog, QString::fromStdString(Text(text::kMenConvertUpload))));
  EXPECT_EQ(s.Last(), Text(text::kCompleted));
  EXPECT_EQ(remembered, site.string());
  EXPECT_EQ(ReadAll((sim.StateDir() / "view" / "index.html").string()), "<html>plant</html>");
  EXPECT_EQ(ReadAll((sim.StateDir() / "view" / "style.css").string()), "body { color: red; }");
}

}  // namespace
}  // namespace tk48::test
