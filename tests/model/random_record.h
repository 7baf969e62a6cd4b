#pragma once
// Random records over the whole schema: every field a value the reader
// accepts, range ends often. A test derives to narrow the values (Real, Text)
// and to meet the rules between fields (Settle).
#include <algorithm>
#include <cstring>
#include <random>

#include "model/field_access.h"
#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48::test {

class RandomRecord {
 public:
  explicit RandomRecord(unsigned seed) : rng_(seed) {}
  virtual ~RandomRecord() = default;

  void Fill(SettingData& r) {
    VisitFields(ReaderSchema(), reinterpret_cast<unsigned char*>(&r), 0, 0,
                [this](const Node& n, const FieldSlot& s, std::int32_t, std::size_t) { Value(n, s); });
    Settle(r);
  }

 protected:
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    // The range ends come up often: they are where the faults are.
    switch (Pick(8)) {
      case 0: return lo;
      case 1: return hi;
      default: return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_);
    }
  }
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  virtual double Real(int decimals) {
    const std::int64_t scale = decimals == 4 ? 10000 : 1000;
    const std::int64_t limit = decimals == 4 ? 99999999999999ll : 9999999999999ll;  // 16 characters at most
    return static_cast<double>(Between(-limit, limit)) / static_cast<double>(scale);
  }

  virtual void Text(const Node& n, char* field) {
    // ASCII with every escaped character, CR LF pairs and three-byte UTF-8; a
    // third of the texts fill the field to its last byte.
    static const char* const pieces[] = {"a", "Z", "#", "<", ">", "&", "'", "\"", " ", "\r\n", "\xE6\x97\xA5",
                                         "\xEF\xBD\xA1"};
    std::memset(field, 0, n.capacity);
    const std::size_t room = n.capacity - 1u;
    const std::size_t mode = Pick(4);
    const std::size_t want = mode == 0 ? 0 : mode == 1 ? Pick(room + 1) : room;
    const bool wide = mode == 3 && !n.ascii;  // all three-byte characters
    for (std::size_t len = 0; len < want;) {
      const char* p = wide ? pieces[10] : pieces[Pick(n.ascii ? 10 : 12)];
      std::size_t pl = std::strlen(p);
      if (len + pl > want) p = "a", pl = 1;
      std::memcpy(field + len, p, pl);
      len += pl;
    }
  }

  void Value(const Node& n, const FieldSlot& s) {
    switch (n.kind) {
      case Kind::Int:
        if (n.viaReal) {
          StoreInt(s.value, n.width, Between(0, 0xFFFFFFFFll));
        } else if (!n.allowed.empty()) {
          StoreInt(s.value, n.width, n.allowed[Pick(n.allowed.size())]);
        } else {
          // A range wider than the field ("stored as its low bits") stores what the field holds.
          std::int64_t lo = n.min, hi = n.max;
          if (n.width == Width::U8) hi = std::min<std::int64_t>(hi, 255);
          if (n.width == Width::S16) lo = std::max<std::int64_t>(lo, -32768), hi = std::min<std::int64_t>(hi, 32767);
          StoreInt(s.value, n.width, Between(lo, hi));
        }
        break;
      case Kind::Real: StoreReal(s.value, Real(n.fmt == Fmt::F4 ? 4 : 3)); break;
      case Kind::Text: Text(n, reinterpret_cast<char*>(s.value)); break;
      case Kind::Keyword: StoreI32(s.value, static_cast<std::int32_t>(Pick(n.keywords->size()))); break;
      case Kind::Ref: {
        const std::size_t k = Pick(n.families->size());
        const Family& f = (*n.families)[k];
        StoreI32(s.value, static_cast<std::int32_t>(k));
        // A bare keyword carries no number: the record keeps its default one (or 0 for LOW/HIGH).
        if (!f.noNumber) StoreI16(s.number, static_cast<std::int16_t>(Between(1, f.max)));
        else if (f.zeroNumber) StoreI16(s.number, 0);
        break;
      }
      case Kind::MdNumber: StoreInt(s.value, n.width, Between(0, 256)); break;
      case Kind::Suffixed: StoreI32(s.value, n.allowed[Pick(n.allowed.size())]); break;
      case Kind::PenChannel: {
        // The pen type beside it is already chosen (it comes first in the file).
        const Family& f = (*n.families)[static_cast<std::size_t>(LoadI32(s.value - n.offset + n.depOffset))];
        StoreInt(s.value, n.width, f.max == 0 ? 0 : Between(1, f.max));
        break;
      }
      case Kind::Container:
      case Kind::Group: break;
    }
  }

  // The rules between fields; nothing by default.
  virtual void Settle(SettingData&) {}

  std::mt19937_64 rng_;
};

}  // namespace tk48::test
