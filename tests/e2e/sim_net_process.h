#pragma once
// tk48sim serving its network side on a free loopback port, for the tests:
// started with the tests' short waits and the given options, ready once it
// printed "ready", stopped with SIGTERM when the object goes. Every wait is
// bounded.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tk48::testing {

class SimNetProcess {
 public:
  explicit SimNetProcess(std::vector<std::string> options);
  ~SimNetProcess();
  SimNetProcess(const SimNetProcess&) = delete;
  SimNetProcess& operator=(const SimNetProcess&) = delete;

  bool ready() const { return port_ != 0; }
  std::uint16_t port() const { return port_; }
  // What it printed before "ready".
  const std::string& output() const { return output_; }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::uint16_t port_ = 0;
  std::string output_;
};

}  // namespace tk48::testing
