#pragma once
// tk48sim serving both transports at once (a pty and loopback) over one device
// state, and the surroundings of one device operation against it: connection
// settings for either transport, the login state, a scripted UI.
#include <filesystem>
#include <string>
#include <vector>

#include "link/transfers.h"
#include "tests/e2e/sim_net_process.h"
#include "tests/e2e/sim_serial_process.h"
#include "tests/link/transfer_test_ui.h"

namespace tk48::test {

using namespace std::chrono_literals;

enum class Transport { Usb, Net };
inline const char* Name(Transport t) { return t == Transport::Usb ? "USB" : "network"; }
inline constexpr Transport kTransports[] = {Transport::Usb, Transport::Net};

inline constexpr char kLoginId[] = "admin";
inline constexpr char kPassword[] = "secret";

class TransferSim {
 public:
  // `prepare` may put files into the device's state folder before it starts.
  explicit TransferSim(std::vector<std::string> options = {},
                       const std::function<void(const std::filesystem::path&)>& prepare = {})
      : sim_(Options(std::move(options), prepare)) {}

  bool ready() const { return sim_.ready(); }
  const std::string& output() const { return sim_.output(); }
  std::uint16_t port() const { return sim_.port(); }
  std::string PtyPath() const { return (dir_.Path() / "ttyTK48").string(); }
  std::filesystem::path StateDir() const { return dir_.Path() / "state"; }

 private:
  std::vector<std::string> Options(std::vector<std::string> extra,
                                   const std::function<void(const std::filesystem::path&)>& prepare) {
    std::filesystem::create_directories(StateDir());
    if (prepare) prepare(StateDir());
    std::vector<std::string> options{"--pty", PtyPath(), "--state", StateDir().string(), "--account",
                                     std::string(kLoginId) + ":" + kPassword};
    options.insert(options.end(), extra.begin(), extra.end());
    return options;
  }

  TempDir dir_;  // before the simulator: it holds the pty link and the state
  testing::SimNetProcess sim_;
};

// One operation's surroundings. The UI answers the login prompt with the
// simulator's account unless a test queues something else.
struct DeviceOperation {
  DeviceOperation(const TransferSim& sim, Transport transport, LoginState* sharedLogin = nullptr)
      : ctx{settings, sharedLogin ? *sharedLogin : login, ui,
            [path = sim.PtyPath()](int) { return std::optional<std::string>(path); }} {
    settings.usb = transport == Transport::Usb;
    settings.comPort = 3;
    settings.netPort = sim.port();
    settings.entryName = "simulator";
    settings.addressBook[4] = {"simulator", "127.0.0.1"};
    ctx.tagMessage = true;
    ctx.serialTiming = {1000ms, 3000ms, 100ms, 50ms, 3};
    ctx.netOptions = {10ms, 20s};
    ctx.transferTiming = {10ms, 10ms};
    ui.logins.push_back(Credentials{kLoginId, kPassword});
  }

  ConnectionSettings settings;
  LoginState login;
  TransferUi ui;
  DeviceContext ctx;
};

}  // namespace tk48::test
