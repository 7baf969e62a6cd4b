#pragma once
// Random records as the CSV files can carry them: Latin-1 texts within the
// editors' limits (a third of the capacity; printable ASCII in ASCII fields),
// mail templates in use (no masked bits), the MA constants each function's
// screen accepts and a time unit in K2 for the accumulation, listed SLMP
// devices, and what the import checks between cells: zones in order, counter
// windows, outputs on points of their own, ports of their own.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "csv/slmp_devices.h"
#include "tests/model/random_record.h"

namespace tk48::test {

class CsvRecord : public RandomRecord {
 public:
  using RandomRecord::RandomRecord;

 protected:
  void Text(const Node& n, char* field) override {
    static const char* const pieces[] = {"a", "Z", "#", "<", ">", "&", "'", "\"", " ", "\r\n", "\xC3\xA9", "\xC2\xB5"};
    std::memset(field, 0, n.capacity);
    const std::size_t limit = (n.capacity - 1u) / 3;
    const std::size_t mode = Pick(3);
    const std::size_t want = mode == 0 ? 0 : mode == 1 ? Pick(limit + 1) : limit;
    for (std::size_t len = 0; len < want;) {
      const char* p = pieces[Pick(n.ascii ? 9 : 12)];
      std::size_t pl = std::strlen(p);
      if (len + pl > want) p = "a", pl = 1;
      std::memcpy(field + len, p, pl);
      len += pl;
    }
  }

  void Settle(SettingData& r) override {
    for (auto& form : r.MAIL_REPORT.FORM) form.MODE = 1;
    for (auto& ma : r.IO.MA) {
      Constants(ma);
      OrderZones(ma.AREA);
    }
    Devices(r.IO.AI, SlmpList::Word), Devices(r.IO.AO, SlmpList::Word), Devices(r.IO.PI, SlmpList::PulseWord);
    Devices(r.IO.DI, SlmpList::Bit), Devices(r.IO.DO, SlmpList::Bit);
    for (auto& ai : r.IO.AI) {
      OrderZones(ai.AREA);
      if (ai.SCALE == 0) ai.SCALE = 1;
    }
    for (auto& pi : r.IO.PI) {
      OrderZones(pi.AREA);
      if (pi.SCALE == 0) pi.SCALE = 1;
      pi.CARD_CH = static_cast<std::int16_t>(Between(1, 2));
      if (pi.WIDTH.LOW >= pi.WIDTH.HIGH) pi.WIDTH.LOW = 0, pi.WIDTH.HIGH = 1;
    }
    Points(r.IO.AO, 4), Points(r.IO.DO, 16);
    for (auto& ao : r.IO.AO)
      if (ao.WEB_SCALE == 0) ao.WEB_SCALE = 1;
    for (auto& md : r.IO.MD)
      if (md.INPUT_CONT.CN < 3) md.INPUT_CONT.CN = 0;
    r.RECORD.REPORT.YEAR_CHANGE = static_cast<std::uint8_t>(Between(1, 12));
    for (auto& pen : r.RECORD.LOGGING.PEN) {
      const bool discrete = pen.PEN_TYPE == 2 || pen.PEN_TYPE == 5 || pen.PEN_TYPE == 7 || pen.PEN_TYPE == 8;
      if (discrete) pen.ERR_VALUE = static_cast<double>(Pick(2));
    }
    auto& nodes = r.IO.NODE_CONF;
    for (int s = 0; s < kNodeCount; ++s) {
      std::memset(nodes.NODE[s], 0, sizeof nodes.NODE[s]);
      if (Pick(2))
        std::snprintf(nodes.NODE[s], sizeof nodes.NODE[s], "10.%d.0.%d", s, static_cast<int>(Between(0, 255)));
    }
    for (char* name : r.COM.SMTP_POP3.MAIL_NAME) std::replace(name, name + std::strlen(name), '"', '\'');
    // The FTP client's server address is of the login character set.
    Ascii(r.COM.FTPC.FTP_SERVER);
    r.COM.WEB.PORT = static_cast<std::uint16_t>(Between(0, 20000));
    r.COM.FTP.PORT = static_cast<std::uint16_t>(Between(20001, 40000));
    r.COM.MODBUS_TCP.PORT = static_cast<std::uint16_t>(Between(40001, 65535));
  }

 private:
  // The constants the function's screen accepts: sample counts, whole time
  // constants and counter rates, a time unit, a cutout of 0 to 120 %, a Z value
  // from 0.001, output ranges of -2000 to 12000.
  void Constants(MaCh& ma) {
    double* k = ma.CONST.K;
    static constexpr int kSamples[] = {4, 8, 16, 32, 64};
    switch (ma.TYPE) {
      case 5:
        k[1] = kSamples[Pick(5)];
        break;
      case 6:
        k[1] = static_cast<double>(Between(0, 100));
        break;
      case 12:
        k[1] = static_cast<double>(Between(0, 10000));
        k[2] = static_cast<double>(Pick(3));
        k[3] = static_cast<double>(Between(0, 120000)) / 1000;
        break;
      case 14:
        k[2] = static_cast<double>(Between(1, 10000000)) / 1000;
        break;
      case 15:
        k[3] = static_cast<double>(Between(-2000000, 12000000)) / 1000;
        k[4] = static_cast<double>(Between(-2000000, 12000000)) / 1000;
        break;
      default:
        break;
    }
  }

  // Zone limits rising from zone to zone, in whole thousandths.
  void OrderZones(AlarmArea (&areas)[kAreaCount]) {
    std::int64_t level = Between(-9000000000000ll, 9000000000000ll);
    for (AlarmArea& a : areas) {
      a.LEVEL_LOWER = static_cast<double>(level) / 1000;
      level += Between(1, 1000000);
      a.LEVEL_UPPER = static_cast<double>(level) / 1000;
    }
  }

  // Every output on a point of its own: card and channel, address, device number.
  template <class Channels>
  static void Points(Channels& channels, int perCard) {
    for (std::size_t i = 0; i < std::size(channels); ++i) {
      channels[i].CARD_NO = static_cast<std::int16_t>(static_cast<int>(i) / perCard + 1);
      channels[i].CARD_CH = static_cast<std::int16_t>(static_cast<int>(i) % perCard + 1);
      channels[i].MOD_ADDRESS = static_cast<std::uint32_t>(i + 1);
      channels[i].SLMP_DEV_NO = static_cast<std::uint32_t>(i);
    }
  }

  // Printable ASCII without the backslash: the rest of the text's bytes become 'x'.
  static void Ascii(char* text) {
    for (char* c = text; *c; ++c)
      if (static_cast<unsigned char>(*c) < 0x20 || static_cast<unsigned char>(*c) > 0x7E || *c == '\\') *c = 'x';
  }

  template <class Channels>
  static void Devices(Channels& channels, SlmpList list) {
    const auto known = SlmpDevices(list);
    for (std::size_t i = 0; i < std::size(channels); ++i) channels[i].SLMP_DEV_CODE = known[i % known.size()].code;
  }
};

}  // namespace tk48::test
