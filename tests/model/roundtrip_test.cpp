// Random valid records over the whole schema: written, read back into fresh
// defaults and written again, they give the same record and the same bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "model/defaults.h"
#include "model/field_access.h"
#include "model/field_path.h"
#include "model/reader.h"
#include "model/schema.h"
#include "model/writer.h"

namespace tk48 {
namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  void Fill(SettingData& r) {
    VisitFields(ReaderSchema(), reinterpret_cast<unsigned char*>(&r), 0, 0,
                [this](const Node& n, const FieldSlot& s, std::int32_t, std::size_t) { Value(n, s); });
    MakeConsistent(r);
  }

 private:
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    // The range ends come up often: they are where the faults are.
    switch (Pick(8)) {
      case 0: return lo;
      case 1: return hi;
      default: return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng_);
    }
  }
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  double Real(int decimals) {
    const std::int64_t scale = decimals == 4 ? 10000 : 1000;
    const std::int64_t limit = decimals == 4 ? 99999999999999ll : 9999999999999ll;  // 16 characters at most
    return static_cast<double>(Between(-limit, limit)) / static_cast<double>(scale);
  }

  void Text(const Node& n, char* field) {
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

  // The consistency rules, satisfied with values that are still random.
  void MakeConsistent(SettingData& r) {
    auto areas = [this](AlarmArea* area) {
      // Whole thousandths, so that each limit prints and reads back exactly.
      std::int64_t level = Between(-9000000000000ll, 9000000000000ll);
      for (int k = 0; k < 5; ++k) {
        area[k].LEVEL_LOWER = static_cast<double>(level) / 1000;
        level += Between(1, 1000000);
        area[k].LEVEL_UPPER = static_cast<double>(level) / 1000;
      }
    };
    for (auto& c : r.IO.AI) {
      areas(c.AREA);
      if (c.SCALE == 0) c.SCALE = 1;
    }
    for (auto& c : r.IO.PI) {
      areas(c.AREA);
      if (c.SCALE == 0) c.SCALE = 1;
      if (c.WIDTH.LOW >= c.WIDTH.HIGH) {
        if (c.WIDTH.HIGH == 0) c.WIDTH.HIGH = 1;
        c.WIDTH.LOW = c.WIDTH.HIGH - 1;
      }
    }
    for (auto& c : r.IO.MA) areas(c.AREA);
    // Every output on a point of its own: card and channel, address, device number.
    auto distinct = [](auto& outputs, std::size_t channelsPerCard) {
      for (std::size_t i = 0; i < std::size(outputs); ++i) {
        auto& c = outputs[i];
        c.CARD_NO = static_cast<std::int16_t>(i / channelsPerCard + 1);
        c.CARD_CH = static_cast<std::int16_t>(i % channelsPerCard + 1);
        c.MOD_ADDRESS = static_cast<std::uint32_t>(i + 1);
        c.SLMP_DEV_NO = static_cast<std::uint32_t>(i);
      }
    };
    distinct(r.IO.DO, 16);
    distinct(r.IO.AO, 4);
    r.COM.WEB.PORT = static_cast<std::uint16_t>(Between(0, 20000));
    r.COM.FTP.PORT = static_cast<std::uint16_t>(Between(20001, 40000));
    r.COM.MODBUS_TCP.PORT = static_cast<std::uint16_t>(Between(40001, 65535));
  }

  std::mt19937_64 rng_;
};

// The paths of the first fields whose bytes differ, for the failure message.
std::string DifferingFields(SettingData& a, const SettingData& b) {
  std::string out;
  const auto* pa = reinterpret_cast<const unsigned char*>(&a);
  const auto* pb = reinterpret_cast<const unsigned char*>(&b);
  ForEachField(a, [&](const std::string& path, const FieldRef& f) {
    const std::size_t at = static_cast<std::size_t>(f.slot.value - pa);
    const std::size_t size = f.node->kind == Kind::Real ? 8 : f.node->kind == Kind::Text ? f.node->capacity : 1;
    bool differ = std::memcmp(pa + at, pb + at, size) != 0;
    if (f.slot.number) differ |= std::memcmp(f.slot.number, pb + (f.slot.number - pa), 2) != 0;
    if (differ && out.size() < 400) out += path + " = " + FieldText(f) + "\n";
  });
  return out;
}

TEST(RoundTrip, RandomRecordsOverTheWholeSchema) {
  for (unsigned seed : {1u, 2u, 3u}) {
    auto original = NewSettingData();
    ApplyDefaults(*original);
    Generator(seed).Fill(*original);
    ASSERT_TRUE(CheckConsistency(*original)) << "generator broke a rule, seed " << seed;

    const std::string first = ConfigurationText(*original);
    const std::string access = AccessSettingsText(*original);
    auto copy = NewSettingData();
    ApplyDefaults(*copy);
    const ReadResult full = ParseConfiguration(*copy, first);
    ASSERT_TRUE(full.ok()) << full.path << " seed " << seed << " flags " << full.flags << "\n"
                           << DifferingFields(*original, *copy);
    ASSERT_EQ(full.flags, 0u) << full.path;
    ASSERT_TRUE(ParseConfiguration(*copy, access).ok());

    EXPECT_EQ(ConfigurationText(*copy), first) << "seed " << seed;
    EXPECT_EQ(AccessSettingsText(*copy), access) << "seed " << seed;
    EXPECT_TRUE(SameRecord(*copy, *original)) << "seed " << seed << "\n" << DifferingFields(*original, *copy);
  }
}

}  // namespace
}  // namespace tk48
