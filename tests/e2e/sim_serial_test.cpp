// tk48sim's serial side driven through SerialLink on its pty.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "link/serial_frame.h"
#include "link/serial_link.h"
#include "link/serial_port.h"
#include "model/defaults.h"
#include "model/gzlib.h"
#include "model/reader.h"
#include "model/setting_data.h"
#include "maintenance/device_files.h"
#include "maintenance/packages.h"
#include "tests/e2e/sim_serial_process.h"

namespace tk48 {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

// The device's own byte bound (a busy machine must not turn a slow answer into a
// retry that eats a fault or a "still processing" reply), with short pauses.
constexpr SerialTiming kTiming{3000ms, 12000ms, 100ms, 50ms, 3};
// For the silent device: longer than the simulator's one-second pause before it
// repeats a reply block the link drained, shorter than the real bounds.
constexpr SerialTiming kQuickTiming{1000ms, 3000ms, 100ms, 50ms, 3};

Bytes ToBytes(std::string_view s) { return {s.begin(), s.end()}; }

// A user image data package as the device takes it: wrapped and compressed,
// its contents noise so that it keeps its size.
Bytes ImagePackage(std::size_t size) {
  Bytes contents(size);
  std::uint32_t x = 7;
  for (auto& b : contents) b = static_cast<std::uint8_t>((x = x * 1103515245 + 12345) >> 24);
  return *maint::Compress(maint::WrapUnpadded(contents));
}

Bytes Compress(std::string_view text) {
  CGzlib gz;
  EXPECT_TRUE(gz.Compress(ToBytes(text)));
  return {gz.Compressed().begin(), gz.Compressed().end()};
}

std::string Decompress(const Bytes& data) {
  CGzlib gz;
  if (!gz.Decompress(data)) return {};
  return {gz.Decompressed().begin(), gz.Decompressed().end()};
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A simulator on a pty in its own folder, and a link to it.
class SimSerial : public ::testing::Test {
 protected:
  void Launch(std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--pty", Link(), "--state", State().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    ASSERT_TRUE(sim_.Start(args)) << "tk48sim did not get ready";
    ASSERT_TRUE(link_.Open(Link()));
  }
  void Relaunch(std::vector<std::string> extra = {}) {
    link_.Close();
    ASSERT_EQ(sim_.Stop(), 0);
    Launch(std::move(extra));
  }

  std::string Link() const { return (dir_.Path() / "ttyTK48").string(); }
  std::filesystem::path State() const { return dir_.Path() / "state"; }

  std::optional<Bytes> Get(char request, const Bytes& payload, char reply, std::size_t capacity) {
    Bytes buffer(capacity);
    std::size_t received = 0;
    if (!link_.Get(request, payload, reply, buffer, received)) return std::nullopt;
    buffer.resize(received);
    return buffer;
  }
  std::optional<Bytes> Status() { return Get('S', {}, 's', 16); }
  std::optional<Bytes> GetFile(std::string_view name) { return Get('G', ToBytes(name), 'g', 0x680000); }
  std::optional<Bytes> Poll() { return Get('A', {}, 'a', 1024); }

  test::TempDir dir_;
  test::SimProcess sim_;
  SerialLink link_{kTiming};
};

TEST_F(SimSerial, StatusDownloadUploadAndPersistence) {
  Launch({"--version", "1.2.300", "--sd"});
  EXPECT_EQ(Status(), (Bytes{0x3E, 1, 2, 0x01, 0x2C, 0x01}));

  const auto stored = GetFile("CONFIG_P");
  ASSERT_TRUE(stored);
  const auto text = Decompress(*stored);
  ASSERT_FALSE(text.empty());
  auto record = NewSettingData();
  ApplyDefaults(*record);
  EXPECT_TRUE(ParseConfiguration(*record, text).ok());

  // Upload a changed configuration; the result poll reports CONFIG_P's code 2, done.
  std::string changed = text;
  const auto at = changed.find("<NAME1>TK48</NAME1>");
  ASSERT_NE(at, std::string::npos);
  changed.replace(at, 19, "<NAME1>SIMULATED</NAME1>");
  const auto upload = Compress(changed);
  ASSERT_TRUE(link_.Put("CONFIG_P", upload));
  EXPECT_EQ(link_.progress, static_cast<std::int32_t>(upload.size()));
  Bytes result;
  for (int polls = 0; polls < 50; ++polls) {  // the device may still be checking it
    auto r = Poll();
    ASSERT_TRUE(r);
    ASSERT_GE(r->size(), 2u);
    result = *r;
    if ((*r)[1] != 1) break;
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_EQ(result, (Bytes{2, 0}));
  EXPECT_EQ(GetFile("CONFIG_P"), upload);
  EXPECT_EQ(ReadFile(State() / "CONFIG_P"), upload);

  // The files survive a restart; the device keeps its flags off without --sd.
  Relaunch();
  EXPECT_EQ(Status(), (Bytes{0x3E, 2, 0, 0, 0, 0}));
  EXPECT_EQ(GetFile("CONFIG_P"), upload);

  ASSERT_EQ(sim_.Stop(), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Link())));
}

// The result of a put once the device has settled.
Bytes SettledResult(const std::function<std::optional<Bytes>()>& poll) {
  for (int i = 0; i < 100; ++i) {
    auto r = poll();
    if (!r || r->size() < 2) return r.value_or(Bytes{});
    if ((*r)[1] != 1) return *r;
    std::this_thread::sleep_for(50ms);
  }
  return {};
}

TEST_F(SimSerial, PutsAreCheckedAsTheDeviceDoes) {
  Launch();
  const auto poll = [&] { return Poll(); };
  const auto original = GetFile("CONFIG_P");
  ASSERT_TRUE(original);
  auto text = Decompress(*original);

  auto bad = text;
  const auto at = bad.find("<TIMEZONE>9</TIMEZONE>");
  ASSERT_NE(at, std::string::npos);
  bad.replace(at, 22, "<TIMEZONE>-13</TIMEZONE>");
  ASSERT_TRUE(link_.Put("CONFIG_P", Compress(bad)));
  const auto refused = SettledResult(poll);
  ASSERT_GE(refused.size(), 4u);
  EXPECT_EQ(refused[0], 2);
  EXPECT_EQ(refused[1], 101);
  EXPECT_EQ(refused.back(), 0);  // the message is NUL-terminated
  EXPECT_NE(std::string(refused.begin() + 2, refused.end() - 1).find("TIMEZONE"), std::string::npos);

  ASSERT_TRUE(link_.Put("CONFIG_P", ToBytes("not compressed")));
  EXPECT_EQ(SettledResult(poll), (Bytes{2, 102}));

  EXPECT_EQ(GetFile("CONFIG_P"), original);  // neither was stored

  // Other files are stored as they come, with their own operation code; a
  // maintenance put of the wrong size or with a value out of range gets 3.
  const Bytes time{0xEE, 7, 1, 0, 6, 0, 8, 0, 0, 0, 0, 0};  // 2030-01-06 08:00:00
  ASSERT_TRUE(link_.Put("TIME", time));
  EXPECT_EQ(SettledResult(poll), (Bytes{10, 0}));
  EXPECT_EQ(GetFile("TIME"), time);
  ASSERT_TRUE(link_.Put("TIME", Bytes(12, 7)));
  EXPECT_EQ(SettledResult(poll), (Bytes{10, 3}));
  EXPECT_EQ(GetFile("TIME"), time);

  // An empty put sends only the opening frame; the device takes it as an empty
  // file, which a one-byte command refuses.
  ASSERT_TRUE(link_.Put("NOTES", {}));
  EXPECT_EQ(SettledResult(poll), (Bytes{0xFF, 0}));
  EXPECT_TRUE(std::filesystem::exists(State() / "NOTES"));
  EXPECT_EQ(std::filesystem::file_size(State() / "NOTES"), 0u);
  ASSERT_TRUE(link_.Put("EVECLR", {}));
  EXPECT_EQ(SettledResult(poll), (Bytes{24, 3}));
  EXPECT_FALSE(std::filesystem::exists(State() / "EVECLR"));

  // A file the device does not have: the "*" reply, nothing received.
  EXPECT_EQ(GetFile("NO_SUCH_FILE"), Bytes{});
}

TEST_F(SimSerial, FaultsTheLinkRecoversFrom) {
  Launch({"--nak-block", "2", "--corrupt-check", "1", "--corrupt-complement", "3"});
  const Bytes data = ImagePackage(4000);  // four blocks each way
  ASSERT_TRUE(link_.Put("JDAT_P", data));  // block 2 NAKed once
  EXPECT_EQ(SettledResult([&] { return Poll(); }), (Bytes{6, 0}));
  EXPECT_EQ(GetFile("JDAT_P"), data);  // reply blocks 1 and 3 damaged once each
  // The configuration comes back with the device's own access blocks.
  const auto served = GetFile("CONFIG_P");
  ASSERT_TRUE(served);
  EXPECT_NE(Decompress(*served).find("<TK48GCFG>"), std::string::npos);
}

TEST_F(SimSerial, NakedThreeTimesThePutFails) {
  Launch({"--nak-block", "1", "--nak-times", "3"});
  const Bytes data = ImagePackage(100);
  EXPECT_FALSE(link_.Put("JDAT_P", data));
  EXPECT_EQ(Poll(), (Bytes{0, 0}));  // no put was completed, not even an empty one
  EXPECT_FALSE(std::filesystem::exists(State() / "JDAT_P"));
  EXPECT_TRUE(link_.Put("JDAT_P", data));  // the fault is spent
  EXPECT_EQ(SettledResult([&] { return Poll(); }), (Bytes{6, 0}));
  EXPECT_EQ(GetFile("JDAT_P"), data);
}

TEST_F(SimSerial, StatusOfTheWrongLength) {
  for (int length : {5, 7}) {
    SCOPED_TRACE(length);
    if (length == 5)
      Launch({"--status-length", "5"});
    else
      Relaunch({"--status-length", "7"});
    const auto status = Status();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->size(), static_cast<std::size_t>(length));
  }
}

TEST_F(SimSerial, ResultPollFaults) {
  Launch({"--processing", "2", "--put-result", "103", "--put-message", "logging"});
  ASSERT_TRUE(link_.Put("CONFIG_P", Bytes(10, 0)));
  // The two forced "still processing" answers come first; after them the device
  // may still be finishing its check on a slow machine, so poll until it settles.
  EXPECT_EQ(Poll(), (Bytes{2, 1}));
  EXPECT_EQ(Poll(), (Bytes{2, 1}));
  const Bytes expected{2, 103, 'l', 'o', 'g', 'g', 'i', 'n', 'g', 0};
  EXPECT_EQ(SettledResult([&] { return Poll(); }), expected);
  EXPECT_EQ(Poll(), expected);  // the result stays until the next put
}

TEST_F(SimSerial, ASilentDeviceFailsWithinTheBounds) {
  Launch({"--silent"});
  link_.Close();
  SerialLink quick{kQuickTiming};
  ASSERT_TRUE(quick.Open(Link()));
  Bytes buffer(16);
  std::size_t received = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(quick.Get('S', {}, 's', buffer, received));
  EXPECT_FALSE(quick.Put("TIME", Bytes(12, 0)));
  const auto bound = 2 * kQuickTiming.attempts * (kQuickTiming.byteWait + kQuickTiming.retryPause) + 1s;
  EXPECT_LT(std::chrono::steady_clock::now() - start, bound);
}

TEST_F(SimSerial, BaudRatePacesBothDirections) {
  Launch({"--baud", "38400"});
  const Bytes data = ImagePackage(2100);
  // Two full frames each way, 10 bits a byte: no less than the line needs.
  const auto lineTime = std::chrono::duration<double>(2 * (1024 + 9) / 3840.0);
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(link_.Put("JDAT_P", data));
  EXPECT_GE(std::chrono::steady_clock::now() - start, lineTime);
  EXPECT_EQ(SettledResult([&] { return Poll(); }), (Bytes{6, 0}));
  start = std::chrono::steady_clock::now();
  EXPECT_EQ(GetFile("JDAT_P"), data);
  EXPECT_GE(std::chrono::steady_clock::now() - start, lineTime);
}

// The device's waits on the line, shortened: a frame cut short is dropped once
// the frame wait has passed, so that the next frame stands on its own; a reply
// block nobody answers comes again after each answer wait (the device's own
// are 3 s and 1 s).
TEST_F(SimSerial, AFrameCutShortIsDroppedAndAnUnansweredBlockComesAgain) {
  Launch({"--frame-wait", "100", "--answer-wait", "200"});
  link_.Close();
  SerialPort port;
  ASSERT_TRUE(port.Open(Link()));
  const Frame status = MakeFrame(0, 'S', {}, true);
  ASSERT_TRUE(port.Write(status.View().first(3)));
  std::this_thread::sleep_for(600ms);
  ASSERT_TRUE(port.Write(status.View()));
  std::uint8_t answer = 0;
  ASSERT_TRUE(port.ReadExact({&answer, 1}, 5s));
  EXPECT_EQ(answer, kAck);

  ASSERT_TRUE(port.Write(std::array{kEnq}));
  Bytes first(kFrameOverhead + 6);
  ASSERT_TRUE(port.ReadExact(first, 5s));
  int copies = 0;
  Bytes again(first.size());
  const auto end = std::chrono::steady_clock::now() + 1500ms;
  while (port.ReadExact(again, std::chrono::duration_cast<std::chrono::milliseconds>(
                                   end - std::chrono::steady_clock::now()))) {
    EXPECT_EQ(again, first);
    ++copies;
  }
  EXPECT_GE(copies, 3);
}

}  // namespace
}  // namespace tk48
