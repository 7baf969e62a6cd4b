// tk48sim's maintenance files on both transports, through one DeviceSession:
// the schedule files at their sizes with the days of its clock, the puts that
// act (clock, log, logging flag, schedules, preset, packages, resets), the
// refusals of a wrong payload, and the get faults.
#include <gtest/gtest.h>

#include <fstream>

#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/packages.h"
#include "maintenance/schedule_files.h"
#include "tests/e2e/cli_run.h"
#include "tests/e2e/transfer_sim.h"

namespace tk48 {
namespace {

using namespace test;
using namespace maint;
using Texts = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> GetFile(DeviceSession& s, File f, bool usb) { return s.Get(FileOf(f).name, Capacity(f, usb)); }
bool PutFile(DeviceSession& s, File f, std::span<const std::uint8_t> data) {
  return s.Put(FileOf(f).name, data, FileOf(f).pollCode);
}

TEST(SimMaintenance, SchedulesClockAndPutsOnBothTransports) {
  TransferSim sim({"--sd"});
  ASSERT_TRUE(sim.ready()) << sim.output();
  int round = 0;
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    const bool usb = t == Transport::Usb;
    DeviceOperation op(sim, t);
    DeviceSession s(op.ctx);
    ASSERT_TRUE(s.Connect());

    // The clock: the one-time days are the next seven from the date it was set to.
    const DateTime set{2030, 6, 28 + round, 12, 0, 0};
    ASSERT_TRUE(PutFile(s, File::Time, TimePayload(set)));
    auto received = GetFile(s, File::PatternGet, usb);
    ASSERT_TRUE(received);
    auto oneTime = UnpackOneTime(*received, op.ui);
    ASSERT_TRUE(oneTime);
    EXPECT_EQ(oneTime->units[4][0], (ScheduleDay{2030, 6, static_cast<std::uint16_t>(28 + round), static_cast<std::uint16_t>(5 + round), 0}));
    EXPECT_EQ(oneTime->units[4][6].month, 7);

    // A one-time day, a permanent entry and an output type change their files, kept consistent.
    ASSERT_TRUE(PutFile(s, File::Pattern, Payload(PatternPut{{2030, 7, 1}, 5, 9 + round})));
    ASSERT_TRUE(PutFile(s, File::Schper, Payload(PermanentPut{{2031, 1, 2}, 5, 3, 7})));
    ASSERT_TRUE(PutFile(s, File::Schmnt, Payload(OutputTypePut{kFamilyDo, 128, kOutputOff})));
    oneTime = UnpackOneTime(*GetFile(s, File::PatternGet, usb), op.ui);
    const auto permanent = UnpackPermanent(*GetFile(s, File::SchperGet, usb), op.ui);
    const auto types = UnpackOutputTypes(*GetFile(s, File::SchmntGet, usb), op.ui);
    ASSERT_TRUE(oneTime && permanent && types);
    EXPECT_EQ(oneTime->units[4][3 - round].pattern, 9 + round);
    EXPECT_EQ(permanent->units[4][2], (ScheduleDay{2031, 1, 2, 4, 7}));
    EXPECT_EQ(types->Type(kFamilyDo, 128), kOutputOff);
    EXPECT_EQ(types->EntryPattern(4, 3 - round), 9 + round);
    EXPECT_TRUE(types->EntrySet(4, kOneTimeDays + 2));

    // The log empties, the logging flag follows "LGNG".
    ASSERT_TRUE(PutFile(s, File::LogReset, FixedPayload(File::LogReset)));
    EXPECT_EQ(GetFile(s, File::LogGet, usb), Bytes{});
    ASSERT_TRUE(PutFile(s, File::Lgng, LoggingPayload(true)));
    EXPECT_EQ(op.ui.Texts(), Texts{});
    s.Close();
    ASSERT_TRUE(s.Connect());
    EXPECT_TRUE(s.status().logging());
    ASSERT_TRUE(PutFile(s, File::Lgng, LoggingPayload(false)));

    // Refusals: a wrong size, a value out of range, a date no one-time day has, a bad preset document.
    const std::uint8_t two[] = {1, 2};
    const std::uint8_t page17[] = {17};
    const std::string badDocument = "<TK48_CMD></TK48_CMD>";
    EXPECT_FALSE(PutFile(s, File::Trend, two));
    EXPECT_FALSE(PutFile(s, File::Trend, page17));
    EXPECT_FALSE(PutFile(s, File::Pattern, Payload(PatternPut{{2035, 1, 1}, 5, 1})));
    EXPECT_FALSE(PutFile(s, File::Sum, {reinterpret_cast<const std::uint8_t*>(badDocument.data()), badDocument.size()}));
    const std::string good = PresetDocument("PI", 3, "12.5");
    EXPECT_TRUE(PutFile(s, File::Sum, {reinterpret_cast<const std::uint8_t*>(good.data()), good.size()}));
    const auto texts = op.ui.Texts();
    ASSERT_EQ(texts.size(), usb ? 4u : 8u);  // the network adds the session error before each
    EXPECT_EQ(texts.back(), "Cannot save: Unsupported setting value(s).\nUnsupported preset command");
    EXPECT_EQ(texts.front(), usb ? "Failed to save setting." : texts.front());
    ++round;
  }
}

TEST(SimMaintenance, ImagePackagesAreUnpackedAndReset) {
  TransferSim sim;
  ASSERT_TRUE(sim.ready()) << sim.output();
  TempDir dir;
  const auto image = (dir.Path() / "a.jpg").string();
  std::ofstream(image, std::ios::binary) << "\xFF\xD8 five bytes of image\xFF\xD9";
  for (const Transport t : kTransports) {
    SCOPED_TRACE(Name(t));
    DeviceOperation op(sim, t);
    const auto packages = BuildImagePackages({"", image, ""}, op.ui);
    ASSERT_TRUE(packages);
    const auto compressed = CompressImagePackages(*packages, op.ui);
    ASSERT_TRUE(compressed);
    DeviceSession s(op.ctx);
    ASSERT_TRUE(s.Connect());
    ASSERT_TRUE(PutFile(s, File::ImageData, compressed->data));
    ASSERT_TRUE(PutFile(s, File::ImageDir, compressed->directory));
    EXPECT_EQ(ReadAll((sim.StateDir() / "images" / "fig2.jpg").string()), ReadAll(image));
    ASSERT_TRUE(PutFile(s, File::Delete, std::span(kResetImages).first(1)));
    ASSERT_TRUE(PutFile(s, File::Delete, std::span(kResetImages).subspan(1)));
    EXPECT_FALSE(std::filesystem::exists(sim.StateDir() / "images"));
    // A directory without its data is refused.
    EXPECT_FALSE(PutFile(s, File::ImageDir, compressed->directory));
    EXPECT_EQ(op.ui.Texts().back(), t == Transport::Usb ? "Failed to save setting." : op.ui.Texts().back());
  }
}

}  // namespace
}  // namespace tk48
