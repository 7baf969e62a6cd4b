// Every field of the IO section, taken from the schema: its storage stays inside
// IoSection without overlapping another field, and a value other than its
// default survives writing and reading back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/schema.h"
#include "model/setting_data.h"
#include "model/writer.h"

namespace tk48 {
namespace {

struct Slot {
  std::string path;      // "IO.AI.AI3.AREA5.LEVEL_UPPER"
  const Node* node;
  std::size_t at;        // value's offset in SettingData
  std::size_t numberAt;  // Ref: the number's offset
};

std::size_t WidthBytes(Width w) {
  switch (w) {
    case Width::U8: case Width::S8: return 1;
    case Width::U16: case Width::S16: return 2;
    default: return 4;
  }
}

std::size_t ValueBytes(const Node& n) {
  switch (n.kind) {
    case Kind::Int: return WidthBytes(n.width);
    case Kind::Real: return sizeof(double);
    case Kind::Text: return n.capacity;
    default: return sizeof(std::int32_t);  // keyword, reference kind
  }
}

void Collect(const Node& n, std::size_t base, const std::string& path, std::vector<Slot>& out) {
  ASSERT_NE(n.kind, Kind::Group) << "the IO section has no groups";
  for (std::size_t k = 0; k < n.Items(); ++k) {
    const std::size_t i = n.descending ? n.Items() - 1 - k : k;  // file order
    const std::string name = path + "." + n.itemNames[i];
    if (n.IsField()) {
      const std::size_t numberStride = n.numStride ? n.numStride : n.stride;
      out.push_back({name, &n, base + n.offset + i * n.stride, base + n.numOffset + i * numberStride});
    } else {
      for (const Node& c : n.children) Collect(c, base + n.offset + i * n.stride, name, out);
    }
  }
}

const std::vector<Slot>& IoSlots() {
  static const std::vector<Slot> slots = [] {
    std::vector<Slot> s;
    for (const Node& section : ConfigurationSchema().children)
      if (section.name == "IO") Collect(section, 0, "", s);
    return s;
  }();
  return slots;
}

TEST(IoLayout, FieldsStayInsideTheSectionAndNeverOverlap) {
  struct Range {
    std::size_t from, to;
    const std::string* path;
  };
  std::vector<Range> ranges;
  for (const Slot& s : IoSlots()) {
    ranges.push_back({s.at, s.at + ValueBytes(*s.node), &s.path});
    if (s.node->kind == Kind::Ref) ranges.push_back({s.numberAt, s.numberAt + sizeof(std::int16_t), &s.path});
  }
  ASSERT_FALSE(ranges.empty());
  std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.from < b.from; });
  const std::size_t begin = offsetof(SettingData, IO), end = begin + sizeof(IoSection);
  EXPECT_GE(ranges.front().from, begin) << *ranges.front().path;
  EXPECT_LE(ranges.back().to, end) << *ranges.back().path;
  for (std::size_t i = 1; i < ranges.size(); ++i)
    ASSERT_LE(ranges[i - 1].to, ranges[i].from) << *ranges[i - 1].path << " overlaps " << *ranges[i].path;
}

std::uint64_t LowBits(std::int64_t v, Width w) {
  return static_cast<std::uint64_t>(v) & ((std::uint64_t{1} << (8 * WidthBytes(w))) - 1);
}

// A valid value different from the field's default. `serial` counts the field
// items in file order and makes wide values unique: output points never
// collide, and reals fall in file order, so the written alarm areas (AREA5
// first, upper limit first) always ascend from area 1 to area 5.
void PutNonDefault(SettingData& r, const Slot& s, std::int64_t serial) {
  unsigned char* base = reinterpret_cast<unsigned char*>(&r);
  const Node& n = *s.node;
  switch (n.kind) {
    case Kind::Int: {
      std::int64_t v;
      if (!n.allowed.empty()) {
        v = n.def;
        for (std::int32_t a : n.allowed)
          if (a != n.def) v = a;
      } else if (n.max - n.min >= 65535) {
        v = n.max - serial % (n.max - n.min);
        if (LowBits(v, n.width) == LowBits(n.def, n.width)) --v;
      } else {
        v = n.max != n.def ? n.max : n.min;
      }
      const std::uint64_t u = LowBits(v, n.width);  // little-endian low bytes
      std::memcpy(base + s.at, &u, WidthBytes(n.width));
      break;
    }
    case Kind::Real: {
      const double v = 1e6 - 0.125 * static_cast<double>(serial);
      std::memcpy(base + s.at, &v, sizeof v);
      break;
    }
    case Kind::Text: {
      // Markup, escapes, a CR LF pair and a 3-byte character; whole pieces only.
      static const char* const pieces[] = {"<", "&", ">", "'", "\"", "#", "\r\n", "\xE3\x81\x82", "x"};
      std::string t = "T" + std::to_string(serial);
      for (std::size_t i = 0;; ++i) {
        const char* p = pieces[i % std::size(pieces)];
        if (t.size() + std::strlen(p) > n.capacity - 1u) break;
        t += p;
      }
      std::memset(base + s.at, 0, n.capacity);
      std::memcpy(base + s.at, t.data(), std::min<std::size_t>(t.size(), n.capacity - 1u));
      break;
    }
    case Kind::Keyword: {
      const auto last = static_cast<std::int32_t>(n.keywords->size() - 1);
      const std::int32_t v = last != n.def ? last : 0;
      std::memcpy(base + s.at, &v, sizeof v);
      break;
    }
    case Kind::Ref: {
      const auto& families = *n.families;
      auto k = static_cast<std::int32_t>(families.size() - 1);
      while (families[static_cast<std::size_t>(k)].noNumber) --k;
      const std::int16_t no = families[static_cast<std::size_t>(k)].max;
      std::memcpy(base + s.at, &k, sizeof k);
      std::memcpy(base + s.numberAt, &no, sizeof no);
      break;
    }
    default:
      FAIL() << s.path << ": kind not used by the IO section";
  }
}

TEST(IoRoundTrip, EveryFieldSurvivesWritingAndReading) {
  auto filled = NewSettingData();
  ApplyDefaults(*filled);
  auto defaults = NewSettingData();
  *defaults = *filled;
  std::int64_t serial = 0;
  for (const Slot& s : IoSlots()) PutNonDefault(*filled, s, ++serial);
  ASSERT_TRUE(CheckConsistency(*filled)) << "the filled record must itself be valid";

  auto read = NewSettingData();
  ApplyDefaults(*read);
  const ReadResult result = ParseConfiguration(*read, ConfigurationText(*filled));
  EXPECT_EQ(result.flags, 0u) << result.path;

  const auto* a = reinterpret_cast<const unsigned char*>(filled.get());
  const auto* b = reinterpret_cast<const unsigned char*>(read.get());
  const auto* d = reinterpret_cast<const unsigned char*>(defaults.get());
  int reported = 0, unchanged = 0;
  for (const Slot& s : IoSlots()) {
    const std::size_t bytes = ValueBytes(*s.node);
    const bool numberDiffers =
        s.node->kind == Kind::Ref && std::memcmp(a + s.numberAt, b + s.numberAt, sizeof(std::int16_t)) != 0;
    if ((std::memcmp(a + s.at, b + s.at, bytes) != 0 || numberDiffers) && reported++ < 10)
      ADD_FAILURE() << s.path << " did not survive";
    if (std::memcmp(a + s.at, d + s.at, bytes) == 0) ++unchanged;
  }
  // Only the single-valued MOD_TYPE of AO and DO cannot differ from its default.
  EXPECT_EQ(unchanged, 64 + 128);
  EXPECT_TRUE(SameRecord(*filled, *read));
}

}  // namespace
}  // namespace tk48
