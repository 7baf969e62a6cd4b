// SerialLink against a scripted device on a pseudo-terminal.
#include <gtest/gtest.h>
#include <termios.h>

#include <atomic>
#include <functional>
#include <numeric>
#include <thread>

#include "link/crc16.h"
#include "link/serial_link.h"
#include "tests/link/serial_peer.h"

namespace tk48 {
namespace {

using namespace test;
using Clock = std::chrono::steady_clock;

const Bytes kSilent{};
const Bytes kAckOnly{kAck};
const Bytes kAckEot{kAck, kEot};
const Bytes kNakOnly{kNak};
const Bytes kNakEot{kNak, kEot};
const Bytes kJunk{'x'};

Bytes Pattern(std::size_t size) {
  Bytes data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  return data;
}

std::chrono::milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// ---------------------------------------------------------------- put

struct PutRun {
  bool ok = false;
  std::vector<PeerFrame> frames;  // every frame the device saw, repeats included
  std::int32_t progress = 0;
  std::chrono::milliseconds elapsed{};
};

// The device answers the i-th frame it sees with answers[i]; past the list it
// accepts (ACK, and EOT after a last block).
PutRun RunPut(const Bytes& data, const std::vector<Bytes>& answers = {}, std::string_view name = "CONFIG_P") {
  PtyPeer peer;
  SerialLink link(kFastTiming);
  EXPECT_TRUE(link.Open(peer.SlavePath()));
  PutRun run;
  std::atomic<bool> done{false};
  std::thread device([&] {
    while (!done) {
      auto frame = peer.ReadFrame(50ms);
      if (!frame) continue;
      const std::size_t i = run.frames.size();
      run.frames.push_back(*frame);
      if (i < answers.size())
        peer.Write(answers[i]);
      else
        peer.Write(frame->letter == 'p' && frame->terminator == kEtb ? kAckEot : kAckOnly);
    }
  });
  const auto start = Clock::now();
  run.ok = link.Put(name, data);
  run.elapsed = Since(start);
  run.progress = link.progress;
  done = true;
  device.join();
  return run;
}

TEST(SerialPut, SplitsTheFileIntoNumberedBlocks) {
  for (const std::size_t size : {0u, 1u, 1024u, 1025u, 3000u}) {
    SCOPED_TRACE(size);
    const auto data = Pattern(size);
    const auto run = RunPut(data);
    ASSERT_TRUE(run.ok);
    const std::size_t blocks = (size + 1023) / 1024;
    ASSERT_EQ(run.frames.size(), 1 + blocks);

    const auto& open = run.frames[0];
    EXPECT_EQ(open.letter, 'P');
    EXPECT_EQ(open.block, 0);
    EXPECT_EQ(open.complement, 0xFF);
    EXPECT_EQ(open.payload, ToBytes("CONFIG_P"));
    EXPECT_EQ(open.terminator, kEtx);

    Bytes sent;
    for (std::size_t b = 1; b <= blocks; ++b) {
      const auto& f = run.frames[b];
      EXPECT_TRUE(f.checkOk);
      EXPECT_EQ(f.letter, 'p');
      EXPECT_EQ(f.block, b);
      EXPECT_EQ(f.complement, static_cast<std::uint8_t>(~b));
      EXPECT_EQ(f.payload.size(), b < blocks ? 1024u : size - (blocks - 1) * 1024);
      EXPECT_EQ(f.terminator, b == blocks ? kEtb : kEtx);
      sent.insert(sent.end(), f.payload.begin(), f.payload.end());
    }
    EXPECT_EQ(sent, data);
    EXPECT_EQ(run.progress, static_cast<std::int32_t>(size));
  }
}

TEST(SerialPut, BlockNumbersWrapAfter255) {
  const auto data = Pattern(257 * 1024 + 1);
  const auto run = RunPut(data);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.frames.size(), 1u + 258);
  EXPECT_EQ(run.frames[255].block, 255);
  EXPECT_EQ(run.frames[256].block, 0);  // the 256th data block
  EXPECT_EQ(run.frames[256].complement, 0xFF);
  EXPECT_EQ(run.frames[257].block, 1);
  EXPECT_EQ(run.frames[258].terminator, kEtb);
}

TEST(SerialPut, AnswersToEachFrame) {
  // 1500 bytes: frame 0 is "P", frame 1 the first data block (ETX), frame 2 the last (ETB).
  struct Case {
    const char* what;
    std::vector<Bytes> answers;
    bool ok;
    std::size_t frames;
  } cases[] = {
      {"opening NAKed once", {kNakOnly, kAckOnly}, true, 4},
      {"opening NAKed three times", {kNakOnly, kNakOnly, kNakOnly}, false, 3},
      {"opening answered with junk", {kJunk}, false, 1},
      {"opening never answered", {kSilent, kSilent, kSilent}, false, 3},
      {"opening answered on the third try", {kSilent, kNakOnly, kAckOnly}, true, 5},
      {"data block NAKed once", {kAckOnly, kNakOnly}, true, 4},
      {"data block NAKed three times", {kAckOnly, kNakOnly, kNakOnly, kNakOnly}, false, 4},
      {"data block answered with junk", {kAckOnly, kJunk}, false, 2},
      {"data block answered late", {kAckOnly, kSilent, kAckOnly}, true, 4},
      {"last block NAK then EOT", {kAckOnly, kAckOnly, kNakEot}, true, 3},
      {"last block ACK and no EOT", {kAckOnly, kAckOnly, kAckOnly}, false, 3},
      {"last block ACK then junk", {kAckOnly, kAckOnly, {kAck, 'x'}}, true, 4},
      {"last block NAK NAK, then accepted", {kAckOnly, kAckOnly, {kNak, kNak}}, true, 4},
      {"last block answered with junk", {kAckOnly, kAckOnly, kJunk}, false, 3},
      {"last block never taken", {kAckOnly, kAckOnly, {kAck, 'x'}, {kNak, 'x'}, {kAck, kNak}}, false, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = RunPut(Pattern(1500), c.answers);
    EXPECT_EQ(run.ok, c.ok);
    EXPECT_EQ(run.frames.size(), c.frames);
  }
}

TEST(SerialPut, RefusesANameLongerThanABlock) {
  EXPECT_FALSE(RunPut({}, {}, std::string(1025, 'N')).ok);
  EXPECT_TRUE(RunPut({}, {}, std::string(1024, 'N')).ok);
}

// ---------------------------------------------------------------- get

// One step of a scripted reply: wait, send bytes, then collect this many control
// bytes from the link.
struct Step {
  Bytes bytes;
  int answers = 0;
  std::chrono::milliseconds before{0};
};

struct GetRun {
  bool ok = false;
  std::size_t received = 0;
  Bytes buffer;
  std::int32_t progress = 0;
  Bytes control;  // the link's answers to the steps
  std::optional<PeerFrame> request;
  bool enq = false;
  std::chrono::milliseconds elapsed{};
};

// The device ACKs the request, waits for ENQ and plays `steps`.
GetRun RunGet(const std::vector<Step>& steps, std::size_t capacity = 4096) {
  PtyPeer peer;
  SerialLink link(kFastTiming);
  EXPECT_TRUE(link.Open(peer.SlavePath()));
  GetRun run;
  run.buffer.assign(capacity, 0);
  std::thread device([&] {
    run.request = peer.ReadFrame();
    if (!run.request) return;
    peer.Write(kAck);
    run.enq = peer.ReadByte() == kEnq;
    for (const auto& step : steps) {
      std::this_thread::sleep_for(step.before);
      peer.Write(step.bytes);
      for (int i = 0; i < step.answers; ++i)
        if (auto b = peer.ReadByte()) run.control.push_back(*b);
    }
  });
  const auto start = Clock::now();
  run.ok = link.Get('G', ToBytes("CONFIG_P"), 'g', run.buffer, run.received);
  run.elapsed = Since(start);
  run.progress = link.progress;
  device.join();
  return run;
}

Bytes WithComplement(Bytes frame, std::uint8_t complement) {
  frame[2] = complement;
  return frame;
}
Bytes WithBadCheck(Bytes frame) {
  frame.back() ^= 0x01;
  return frame;
}
Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}
Bytes Slice(const Bytes& data, std::size_t from, std::size_t count) {
  return {data.begin() + static_cast<long>(from), data.begin() + static_cast<long>(from + count)};
}
// A frame whose terminator is not ETX or ETB, with a check that matches it.
Bytes WithTerminator(const Bytes& payload, std::uint8_t terminator) {
  auto frame = FrameBytes(0, 'g', payload, true);
  frame[frame.size() - 3] = terminator;
  const auto check = Crc16Genibus(std::span(frame).first(frame.size() - 2));
  frame[frame.size() - 2] = static_cast<std::uint8_t>(check >> 8);
  frame[frame.size() - 1] = static_cast<std::uint8_t>(check);
  return frame;
}

TEST(SerialGet, SendsTheRequestThenEnq) {
  const auto run = RunGet({{FrameBytes(0, 'g', ToBytes("abc"), true), 2}});
  ASSERT_TRUE(run.request);
  EXPECT_EQ(run.request->raw, FrameBytes(0, 'G', ToBytes("CONFIG_P"), true));
  EXPECT_TRUE(run.enq);
}

TEST(SerialGet, ReplyScripts) {
  const auto data = Pattern(2500);
  const auto block0 = FrameBytes(0, 'g', Slice(data, 0, 1024), false);
  const auto block1 = FrameBytes(1, 'g', Slice(data, 1024, 1024), false);
  const auto block2 = FrameBytes(2, 'g', Slice(data, 2048, 452), true);
  const auto only = FrameBytes(0, 'g', Slice(data, 0, 300), true);
  const auto afterDrain = 250ms;  // the link's drain settles within two 20 ms samples

  struct Case {
    const char* what;
    std::vector<Step> steps;
    bool ok;
    Bytes stored;  // what the buffer holds
    Bytes control;
  } cases[] = {
      {"three blocks", {{block0, 1}, {block1, 1}, {block2, 2}}, true, data, {kAck, kAck, kAck, kEot}},
      {"wrong complement: drained, no NAK",
       {{WithComplement(only, 0xFE), 0}, {only, 2, afterDrain}},
       true,
       Slice(data, 0, 300),
       {kAck, kEot}},
      {"bad check: NAK, then the block again",
       {{WithBadCheck(only), 1}, {only, 2}},
       true,
       Slice(data, 0, 300),
       {kNak, kAck, kEot}},
      {"bad check three times", {{WithBadCheck(only), 1}, {WithBadCheck(only), 1}, {WithBadCheck(only), 1}}, false,
       {}, {kNak, kNak, kNak}},
      {"unexpected block number, then the right one",
       {{FrameBytes(1, 'g', Slice(data, 0, 300), true), 0}, {only, 2, afterDrain}},
       true,
       Slice(data, 0, 300),
       {kAck, kEot}},
      {"unexpected block number three times",
       {{FrameBytes(1, 'g', {}, true), 0},
        {FrameBytes(1, 'g', {}, true), 0, afterDrain},
        {FrameBytes(1, 'g', {}, true), 0, afterDrain}},
       false,
       {},
       {}},
      {"length over 1024: drained",
       {{{kStx, 0, 0xFF, 'g', 0x04, 0x01}, 0}, {only, 2, afterDrain}},
       true,
       Slice(data, 0, 300),
       {kAck, kEot}},
      {"bad terminator: tried again without NAK",
       {{WithTerminator(Slice(data, 0, 300), 0x00), 0}, {only, 2, afterDrain}},
       true,
       Slice(data, 0, 300),
       {kAck, kEot}},
      {"block cut short, then sent whole",
       {{Slice(FrameBytes(0, 'g', Bytes(300, 'A'), true), 0, 100), 0}, {FrameBytes(0, 'g', Bytes(300, 'A'), true), 2, 500ms}},
       true,
       Bytes(300, 'A'),
       {kAck, kEot}},
      {"wrong reply letter fails at once", {{FrameBytes(0, 'x', ToBytes("abc"), true), 0}}, false, {}, {}},
      {"\"*\" reply with any block number", {{FrameBytes(7, '*', ToBytes("xyz"), true), 2}}, true, {}, {kAck, kEot}},
      {"\"*\" ends a reply with nothing received",
       {{block0, 1}, {FrameBytes(9, '*', ToBytes("xyz"), true), 2}},
       true,
       {},
       {kAck, kAck, kEot}},
      {"empty reply", {{FrameBytes(0, 'g', {}, true), 2}}, true, {}, {kAck, kEot}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = RunGet(c.steps);
    EXPECT_EQ(run.ok, c.ok);
    EXPECT_EQ(run.control, c.control);
    if (!c.ok) continue;
    EXPECT_EQ(run.received, c.stored.size());
    EXPECT_EQ(Bytes(run.buffer.begin(), run.buffer.begin() + static_cast<long>(run.received)), c.stored);
  }
}

// A reply larger than the buffer fails the get: every block is still
// acknowledged to the end, but from the first block that did not fit nothing
// more is stored (a later, smaller block is never spliced in).
TEST(SerialGet, DataBeyondCapacityFailsTheGet) {
  const auto data = Pattern(2148);
  // 1024 fits, the next 1024 would not (2048 > 1200), the last 100 would fit again.
  const auto run = RunGet({{FrameBytes(0, 'g', Slice(data, 0, 1024), false), 1},
                           {FrameBytes(1, 'g', Slice(data, 1024, 1024), false), 1},
                           {FrameBytes(2, 'g', Slice(data, 2048, 100), true), 2}},
                          1200);
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(run.control, (Bytes{kAck, kAck, kAck, kEot}));
  ASSERT_EQ(run.received, 1024u);
  EXPECT_EQ(Slice(run.buffer, 0, 1024), Slice(data, 0, 1024));
  EXPECT_EQ(run.buffer[1024], 0);
}

TEST(SerialGet, BlockNumbersWrapAfter255) {
  std::vector<Step> steps;
  Bytes expected;
  for (int i = 0; i < 258; ++i) {
    const Bytes payload{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)};
    expected.insert(expected.end(), payload.begin(), payload.end());
    steps.push_back({FrameBytes(static_cast<std::uint8_t>(i), 'g', payload, i == 257), i == 257 ? 2 : 1});
  }
  const auto run = RunGet(steps);
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.received, expected.size());
  EXPECT_EQ(Slice(run.buffer, 0, expected.size()), expected);
}

// ---------------------------------------------------------------- bounds

TEST(SerialBounds, ASilentDeviceFailsWithinTheRetries) {
  const auto perAttempt = kFastTiming.byteWait + kFastTiming.retryPause;
  const auto bound = perAttempt * kFastTiming.attempts + 300ms;

  const auto put = RunPut(Pattern(10), {kSilent, kSilent, kSilent});
  EXPECT_FALSE(put.ok);
  EXPECT_EQ(put.frames.size(), 3u);
  EXPECT_GE(put.elapsed, perAttempt * kFastTiming.attempts);
  EXPECT_LT(put.elapsed, bound);

  // A get whose request is never answered.
  PtyPeer peer;
  SerialLink link(kFastTiming);
  ASSERT_TRUE(link.Open(peer.SlavePath()));
  Bytes buffer(16);
  std::size_t received = 99;
  const auto start = Clock::now();
  EXPECT_FALSE(link.Get('S', {}, 's', buffer, received));
  EXPECT_LT(Since(start), bound);
  EXPECT_EQ(received, 0u);
  int requests = 0;
  while (peer.ReadFrame(50ms)) ++requests;
  EXPECT_EQ(requests, kFastTiming.attempts);
}

// A device that stops reading: the line's queue fills and stays full, and the
// write gives up at its time-out instead of waiting for ever.
TEST(SerialBounds, AWriteToAPeerThatStopsReadingEndsAtItsTimeOut) {
  PtyPeer peer;  // never reads
  SerialPort port;
  port.SetWriteTimeout(300ms);
  ASSERT_TRUE(port.Open(peer.SlavePath()));
  const Bytes big(1 << 20, 0x55);
  const auto start = Clock::now();
  EXPECT_FALSE(port.Write(big));
  EXPECT_GE(Since(start), 300ms);
  EXPECT_LT(Since(start), 300ms + 300ms);
}

TEST(SerialBounds, NoReplyBlockFailsAfterOneStxWait) {
  const auto run = RunGet({});
  EXPECT_FALSE(run.ok);
  EXPECT_GE(run.elapsed, kFastTiming.stxWait);
  EXPECT_LT(run.elapsed, kFastTiming.stxWait + 300ms);  // no second attempt
}

// ---------------------------------------------------------------- port

TEST(SerialPortOpen, AppliesTheLineSettings) {
  PtyPeer peer;
  SerialLink link;
  ASSERT_TRUE(link.Open(peer.SlavePath()));
  const int fd = open(peer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(fd, &tio), 0);
  close(fd);
  EXPECT_EQ(cfgetispeed(&tio), B38400);
  EXPECT_EQ(cfgetospeed(&tio), B38400);
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | INPCK | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  EXPECT_EQ(tio.c_cc[VMIN], 0);
  EXPECT_EQ(tio.c_cc[VTIME], 0);
}

TEST(SerialPortOpen, ExclusiveReopenableAndClosedTwiceSafely) {
  PtyPeer peer;
  SerialLink first, second;
  EXPECT_FALSE(first.Open("/nonexistent/tty"));
  EXPECT_FALSE(first.Open(""));
  ASSERT_TRUE(first.Open(peer.SlavePath()));
  EXPECT_FALSE(second.Open(peer.SlavePath()));
  ASSERT_TRUE(first.Open(peer.SlavePath()));  // closes its own handle first
  first.Close();
  first.Close();
  EXPECT_FALSE(first.IsOpen());
  EXPECT_TRUE(second.Open(peer.SlavePath()));
  Bytes buffer(16);
  std::size_t received = 0;
  EXPECT_FALSE(first.Put("X", {}));
  EXPECT_FALSE(first.Get('S', {}, 's', buffer, received));
}

TEST(SerialGet, StaleInputIsPurgedFirst) {
  PtyPeer peer;
  SerialLink link(kFastTiming);
  ASSERT_TRUE(link.Open(peer.SlavePath()));
  // Left-overs of an earlier exchange: they would answer the request and
  // pose as a reply block.
  peer.Write(Concat({{kJunk}, FrameBytes(0, 's', ToBytes("stale!"), true)}));
  std::this_thread::sleep_for(50ms);
  std::thread device([&] {
    if (!peer.ReadFrame()) return;
    peer.Write(kAck);
    if (peer.ReadByte() != kEnq) return;
    peer.Write(FrameBytes(0, 's', {0x3E, 2, 1, 0, 5, 1}, true));
  });
  Bytes buffer(16);
  std::size_t received = 0;
  EXPECT_TRUE(link.Get('S', {}, 's', buffer, received));
  device.join();
  EXPECT_EQ(Slice(buffer, 0, received), (Bytes{0x3E, 2, 1, 0, 5, 1}));
}

}  // namespace
}  // namespace tk48
