#pragma once
// The device's side of the network session: the unencrypted status exchange
// with a fresh challenge, the login against the device's access accounts, and
// encrypted gets and puts of the same device files as the serial side.
#include <chrono>
#include <cstdint>
#include <span>
#include <string_view>
#include <string>
#include <vector>

#include "link/net_socket.h"
#include "sim/device_state.h"
#include "sim/stop_signal.h"

namespace tk48::sim {

struct NetAccount {
  std::string login;
  std::string password;
};

// Faults the tests switch on.
struct NetFaults {
  int model = -1;            // answer the status with this model code (-1: the real one)
  bool noChallenge = false;  // answer the status without its second payload
  char cutHeader = 0;        // cut the reply header to this command ("C", "L", "G", "P") short
  int refusePut = -1;        // refuse every put with this result code (-1: the real outcome)
  std::string refuseMessage; // ... and this message text
  bool mute = false;         // accept every connection and never answer
  std::string refuseGet;     // refuse a get of this file ("n")
  char silent = 0;           // never answer this command (C, L, G or P), nor anything after it
  std::string cutGetName;    // send only the first cutGetBytes bytes of the reply to a get of this file, then nothing
  int cutGetBytes = -1;
};

struct NetConfig {
  bool enabled = false;
  std::string address = "127.0.0.1";
  std::uint16_t port = 30341;       // 0: any free port (printed at start)
  std::vector<NetAccount> accounts;  // accepted besides the enabled accounts of the access block
  // The device's waits. Tests shorten them.
  std::chrono::milliseconds idle{30000};   // a silent client is dropped after this
  std::chrono::milliseconds linger{2000};  // after the last reply, for the client to hang up first
  NetFaults faults;
};

// Parses "[ADDR:]PORT" into `config` (an empty text keeps the defaults).
bool ParseNetAddress(std::string_view text, NetConfig& config);
// Parses "ID:PW" (the password may hold further colons).
bool ParseNetAccount(std::string_view text, NetAccount& account);

class NetDevice {
 public:
  NetDevice(DeviceState& device, NetConfig config);

  // Binds and listens, then prints "tcp ADDR:PORT"; false (with a reason) on failure.
  bool Start(std::string* error);
  // Serves one connection after another until `stop` is requested.
  void Run(const StopSignal& stop);

 private:
  struct Connection;
  void Serve(Connection& c);
  bool AnswerStatus(Connection& c);
  bool AnswerLogin(Connection& c);
  bool AnswerGet(Connection& c, std::string_view name);
  bool AnswerPut(Connection& c, std::string_view name, std::span<const std::uint8_t> data);
  // Sends a reply to `command`; false when the connection is to end.
  bool Send(Connection& c, char command, std::uint8_t letter, std::span<const std::uint8_t> payload1,
            std::span<const std::uint8_t> payload2, bool encrypted);

  DeviceState& device_;
  NetConfig config_;
  Socket listener_;
};

}  // namespace tk48::sim
