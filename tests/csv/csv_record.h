#pragma once
// Random records as the CSV files can carry them: Latin-1 texts within the
// editors' limits (a third of the capacity; printable ASCII in ASCII fields),
// mail templates in use (no masked bits), whole K1 for the averaging
// functions and a time unit in K2 for the accumulation, listed SLMP devices.
#include <cmath>
#include <cstring>

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
      if (ma.TYPE == 5 || ma.TYPE == 6 || ma.TYPE == 12) ma.CONST.K[1] = std::round(ma.CONST.K[1]);
      if (ma.TYPE == 12) ma.CONST.K[2] = static_cast<double>(static_cast<long long>(std::fabs(ma.CONST.K[1])) % 3);
    }
    Devices(r.IO.AI, SlmpList::Word), Devices(r.IO.AO, SlmpList::Word), Devices(r.IO.PI, SlmpList::PulseWord);
    Devices(r.IO.DI, SlmpList::Bit), Devices(r.IO.DO, SlmpList::Bit);
  }

 private:
  template <class Channels>
  static void Devices(Channels& channels, SlmpList list) {
    const auto known = SlmpDevices(list);
    for (std::size_t i = 0; i < std::size(channels); ++i) channels[i].SLMP_DEV_CODE = known[i % known.size()].code;
  }
};

}  // namespace tk48::test
