#pragma once
// The device's side of the USB serial block protocol, served on a pseudo-terminal
// whose slave path is published as a symbolic link (the "COM port" the
// configurator opens).
#include <chrono>
#include <cstdint>
#include <string>

#include "sim/device_state.h"
#include "sim/stop_signal.h"

namespace tk48::sim {

// Faults the tests switch on. Block numbers count the data blocks of a put from
// 1 and the blocks of a reply from 0, whatever number the frame carries.
inline constexpr int kEndless = -1;

struct SerialFaults {
  int nakBlock = 0;                 // NAK this data block of a put (0: never) ...
  int nakTimes = 1;                 // ... this many times in a row, once per run
  int corruptCheckBlock = -1;       // spoil the check of this reply block once
  int corruptComplementBlock = -1;  // spoil the block-number complement of this reply block once
  bool silent = false;              // read everything, answer nothing
  int statusLength = 6;             // bytes in the "s" reply
  int processingPolls = 0;          // answer each put's first N result polls with "still processing"
                                    // (kEndless: every poll)
  int pollLength = -1;              // cut each result poll reply to this many bytes (-1: whole)
  int stopReadingAfter = -1;        // after taking this data block of a put, never read the line again
  int putResult = -1;               // answer every put with this result code (-1: the real one)
  std::string putMessage;           // ... and this message
  std::string refuseGet;            // answer a get of this file with the "*" refusal
  std::string cutGetName;           // send only the first cutGetBytes bytes of the reply to a get of this file
  int cutGetBytes = -1;
};

struct SerialConfig {
  std::string link;   // path of the symbolic link to the pty's slave; empty: no serial side
  long baud = 0;      // pace the line at this rate (10 bits a byte); 0: as fast as the pty goes
  // The device's waits: for the rest of a frame, and for the answer to a reply
  // block before sending it again. Tests shorten them.
  std::chrono::milliseconds frameWait{3000};
  std::chrono::milliseconds answerWait{1000};
  SerialFaults faults;
};

class SerialDevice {
 public:
  SerialDevice(DeviceState& device, SerialConfig config);
  ~SerialDevice();
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  // Creates the pty and the link; false (with a reason) when that fails.
  bool Start(std::string* error);
  // Serves until `stop` is requested.
  void Run(const StopSignal& stop);

 private:
  struct Impl;
  DeviceState& device_;
  SerialConfig config_;
  int master_ = -1;
};

}  // namespace tk48::sim
