// tk48sim: a stand-in TK48-G device for the tests and benchmarks.
//
//   tk48sim --pty LINK [--state DIR] [--version MAJ.MIN.REV] [--baud 38400] [faults...]
//   tk48sim --tcp [ADDR:]PORT [--account ID:PW]... [--state DIR] [faults...]
//
// Each side (serial, network) is set up first, then served on its own thread;
// "ready" is printed once all of them serve. SIGTERM or SIGINT end the program.
#include <pthread.h>
#include <signal.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "sim/device_state.h"
#include "sim/net_device.h"
#include "sim/serial_device.h"
#include "sim/stop_signal.h"

namespace {

using namespace tk48::sim;

struct Options {
  DeviceConfig device;
  SerialConfig serial;
  NetConfig net;
};

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  const auto* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc{} && p == end;
}

bool ParseVersion(std::string_view text, DeviceVersion& v) {
  unsigned major = 0, minor = 0, revision = 0;
  const auto dot1 = text.find('.');
  const auto dot2 = text.find('.', dot1 == text.npos ? text.npos : dot1 + 1);
  if (dot2 == text.npos || !ParseNumber(text.substr(0, dot1), major) ||
      !ParseNumber(text.substr(dot1 + 1, dot2 - dot1 - 1), minor) || !ParseNumber(text.substr(dot2 + 1), revision) ||
      major > 255 || minor > 255 || revision > 65535)
    return false;
  v = {static_cast<std::uint8_t>(major), static_cast<std::uint8_t>(minor), static_cast<std::uint16_t>(revision)};
  return true;
}

// One row per option; a row with an empty `value` is a flag.
struct OptionRow {
  std::string_view name;
  std::string_view value;
  std::string_view help;
  std::function<bool(Options&, std::string_view)> apply;
};

template <typename T>
std::function<bool(Options&, std::string_view)> Store(T& (*field)(Options&)) {
  return [field](Options& o, std::string_view v) { return ParseNumber(v, field(o)); };
}

// A wait in milliseconds, at least 1.
std::function<bool(Options&, std::string_view)> StoreWait(std::chrono::milliseconds& (*field)(Options&)) {
  return [field](Options& o, std::string_view v) {
    int ms = 0;
    if (!ParseNumber(v, ms) || ms < 1) return false;
    field(o) = std::chrono::milliseconds(ms);
    return true;
  };
}

const std::vector<OptionRow>& OptionTable() {
  static const std::vector<OptionRow> rows = {
      // Device
      {"--state", "DIR", "keep the device files in DIR (default: in memory)",
       [](Options& o, std::string_view v) { o.device.stateDir = std::string(v); return true; }},
      {"--version", "MAJ.MIN.REV", "firmware version in the status (default 2.0.0)",
       [](Options& o, std::string_view v) { return ParseVersion(v, o.device.version); }},
      {"--sd", "", "status: an SD card is inserted",
       [](Options& o, std::string_view) { return o.device.sdCard = true; }},
      {"--logging", "", "status: logging is running",
       [](Options& o, std::string_view) { return o.device.logging = true; }},
      // Serial side
      {"--pty", "LINK", "serve the serial side on a pty whose slave LINK points to",
       [](Options& o, std::string_view v) { o.serial.link = std::string(v); return !v.empty(); }},
      {"--baud", "RATE", "pace the serial line at RATE bit/s (10 bits a byte)",
       Store<long>([](Options& o) -> long& { return o.serial.baud; })},
      {"--frame-wait", "MS", "drop a frame whose rest takes longer than MS to come (default 3000)",
       StoreWait([](Options& o) -> std::chrono::milliseconds& { return o.serial.frameWait; })},
      {"--answer-wait", "MS", "send a reply block again when MS pass without its answer (default 1000)",
       StoreWait([](Options& o) -> std::chrono::milliseconds& { return o.serial.answerWait; })},
      // Serial faults
      {"--nak-block", "N", "NAK the N-th data block of a put (once per run)",
       Store<int>([](Options& o) -> int& { return o.serial.faults.nakBlock; })},
      {"--nak-times", "K", "... K times in a row (default 1)",
       Store<int>([](Options& o) -> int& { return o.serial.faults.nakTimes; })},
      {"--corrupt-check", "N", "spoil the check of reply block N (from 0) once",
       Store<int>([](Options& o) -> int& { return o.serial.faults.corruptCheckBlock; })},
      {"--corrupt-complement", "N", "spoil the block-number complement of reply block N once",
       Store<int>([](Options& o) -> int& { return o.serial.faults.corruptComplementBlock; })},
      {"--silent", "", "never answer on the serial line",
       [](Options& o, std::string_view) { return o.serial.faults.silent = true; }},
      {"--status-length", "N", "answer the status with N bytes",
       Store<int>([](Options& o) -> int& { return o.serial.faults.statusLength; })},
      {"--processing", "N", "answer the first N result polls after a put with \"still processing\"",
       Store<int>([](Options& o) -> int& { return o.serial.faults.processingPolls; })},
      {"--processing-endless", "", "answer every result poll after a put with \"still processing\"",
       [](Options& o, std::string_view) { return (o.serial.faults.processingPolls = kEndless) != 0; }},
      {"--poll-length", "N", "cut each result poll reply to N bytes",
       Store<int>([](Options& o) -> int& { return o.serial.faults.pollLength; })},
      {"--stop-reading", "N", "after taking the N-th data block of a put, never read the serial line again",
       Store<int>([](Options& o) -> int& { return o.serial.faults.stopReadingAfter; })},
      {"--put-result", "CODE", "answer every serial put's result poll with CODE",
       Store<int>([](Options& o) -> int& { return o.serial.faults.putResult; })},
      {"--put-message", "TEXT", "... and the message TEXT",
       [](Options& o, std::string_view v) { o.serial.faults.putMessage = std::string(v); return true; }},
      // Network side
      {"--tcp", "[ADDR:]PORT", "serve the network side (default 127.0.0.1:30341; port 0: any free port)",
       [](Options& o, std::string_view v) { return o.net.enabled = ParseNetAddress(v, o.net); }},
      {"--account", "ID:PW", "also accept this login (repeatable)",
       [](Options& o, std::string_view v) { return ParseNetAccount(v, o.net.accounts.emplace_back()); }},
      {"--net-idle", "MS", "hang up on a client that sends nothing for MS (default 30000)",
       StoreWait([](Options& o) -> std::chrono::milliseconds& { return o.net.idle; })},
      {"--net-linger", "MS", "after a connection's last reply, wait up to MS for the client to hang up (default 2000)",
       StoreWait([](Options& o) -> std::chrono::milliseconds& { return o.net.linger; })},
      // Network faults
      {"--net-model", "CODE", "answer the network status with model CODE",
       Store<int>([](Options& o) -> int& { return o.net.faults.model; })},
      {"--net-no-challenge", "", "answer the network status without the challenge",
       [](Options& o, std::string_view) { return o.net.faults.noChallenge = true; }},
      {"--net-cut-header", "CMD", "cut the reply header to CMD (C, L, G or P) short and hang up",
       [](Options& o, std::string_view v) { o.net.faults.cutHeader = v.size() == 1 ? v[0] : 0; return v.size() == 1; }},
      {"--net-mute", "", "accept every connection and never answer",
       [](Options& o, std::string_view) { return o.net.faults.mute = true; }},
      {"--net-refuse-put", "CODE", "refuse every network put with result CODE",
       Store<int>([](Options& o) -> int& { return o.net.faults.refusePut; })},
      {"--net-refuse-message", "TEXT", "... and the message TEXT",
       [](Options& o, std::string_view v) { o.net.faults.refuseMessage = std::string(v); return true; }},
      // Faults of both sides
      {"--refuse-get", "NAME", "refuse every get of the device file NAME (network \"n\", USB \"*\")",
       [](Options& o, std::string_view v) {
         o.serial.faults.refuseGet = o.net.faults.refuseGet = std::string(v);
         return !v.empty();
       }},
      {"--cut-get", "NAME:N", "answer a get of NAME with the first N bytes of its reply, then silence",
       [](Options& o, std::string_view v) {
         const auto colon = v.rfind(':');
         int n = 0;
         if (colon == v.npos || colon == 0 || !ParseNumber(v.substr(colon + 1), n) || n < 0) return false;
         o.serial.faults.cutGetName = o.net.faults.cutGetName = std::string(v.substr(0, colon));
         o.serial.faults.cutGetBytes = o.net.faults.cutGetBytes = n;
         return true;
       }},
      {"--net-silent", "CMD", "never answer the network command CMD (C, L, G or P) nor anything after it",
       [](Options& o, std::string_view v) {
         o.net.faults.silent = v.size() == 1 ? v[0] : 0;
         return v.size() == 1 && std::string_view("CLGP").find(v[0]) != v.npos;
       }},
  };
  return rows;
}

void PrintUsage(std::FILE* out) {
  std::fputs("usage: tk48sim [options]\n", out);
  for (const auto& row : OptionTable()) {
    std::string usage(row.name);
    if (!row.value.empty()) usage.append(" ").append(row.value);
    std::fprintf(out, "  %-28s %.*s\n", usage.c_str(), int(row.help.size()), row.help.data());
  }
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string_view value;
    bool inlineValue = false;
    if (const auto eq = arg.find('='); eq != arg.npos) {
      value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      inlineValue = true;
    }
    const OptionRow* row = nullptr;
    for (const auto& r : OptionTable())
      if (r.name == arg) row = &r;
    if (!row) {
      std::fprintf(stderr, "tk48sim: unknown option %s\n", argv[i]);
      return false;
    }
    if (!row->value.empty() && !inlineValue) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "tk48sim: %s needs %.*s\n", argv[i], int(row->value.size()), row->value.data());
        return false;
      }
      value = argv[++i];
    }
    if (!row->apply(options, value)) {
      std::fprintf(stderr, "tk48sim: bad value for %.*s: %.*s\n", int(arg.size()), arg.data(), int(value.size()),
                   value.data());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    PrintUsage(stderr);
    return 2;
  }

  // Signals are taken by sigwait() below, never by the serving threads.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  DeviceState device(options.device);
  std::string error;
  if (!device.Init(&error)) {
    std::fprintf(stderr, "tk48sim: %s\n", error.c_str());
    return 1;
  }

  StopSignal stop;
  std::vector<std::function<void()>> sides;  // each serves until `stop`

  std::optional<SerialDevice> serial;
  if (!options.serial.link.empty()) {
    serial.emplace(device, options.serial);
    if (!serial->Start(&error)) {
      std::fprintf(stderr, "tk48sim: %s\n", error.c_str());
      return 1;
    }
    sides.push_back([&] { serial->Run(stop); });
  }

  std::optional<NetDevice> net;
  if (options.net.enabled) {
    net.emplace(device, options.net);
    if (!net->Start(&error)) {
      std::fprintf(stderr, "tk48sim: %s\n", error.c_str());
      return 1;
    }
    sides.push_back([&] { net->Run(stop); });
  }

  if (sides.empty()) {
    std::fputs("tk48sim: nothing to serve (give --pty or --tcp)\n", stderr);
    return 2;
  }

  std::vector<std::jthread> threads;
  for (auto& side : sides) threads.emplace_back(side);
  std::puts("ready");
  std::fflush(stdout);

  int signal = 0;
  sigwait(&signals, &signal);
  stop.Request();
  threads.clear();  // joins
  return 0;
}
