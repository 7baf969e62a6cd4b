// The field reference: patterns that stand for every field of the configuration
// file and nothing else, the schema's kinds, ranges and formats in words, and
// the defaults record's values.
#include <gtest/gtest.h>

#include <set>

#include "model/field_path.h"
#include "model/schema_reference.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

const std::vector<FieldPattern>& Reference() {
  static const auto patterns = ConfigurationReference();
  return patterns;
}

const FieldPattern* Find(const std::string& path) {
  for (const FieldPattern& p : Reference())
    if (p.path == path) return &p;
  return nullptr;
}

TEST(SchemaReference, PatternsCoverEveryFieldOfTheConfigurationFileOnce) {
  auto r = testing::Defaults();
  std::size_t fields = 0;
  ForEachField(*r, ConfigurationSchema(), [&](const std::string&, const FieldRef&) { ++fields; });
  EXPECT_EQ(fields, 182834u);
  std::size_t covered = 0;
  std::set<std::string> paths;
  for (const FieldPattern& p : Reference()) {
    EXPECT_EQ(PatternMembers(p.path), p.count) << p.path;
    EXPECT_TRUE(paths.insert(p.path).second) << p.path;
    covered += p.count;
    // The access-settings document's blocks are not the configuration file's.
    EXPECT_NE(p.path.rfind("TK48GCFG.", 0), 0u) << p.path;
    EXPECT_NE(p.path.rfind("COM.TCP_IP.", 0), 0u) << p.path;
  }
  EXPECT_EQ(covered, fields);
  EXPECT_EQ(Reference().front().path, "SYSTEM.NAME1");
  EXPECT_EQ(Reference().back().path, "OPEMON.PROC[1..32].NUM_SUB[1..3]");
}

TEST(SchemaReference, DescribesEachKindFromItsSchemaNode) {
  const struct {
    const char* path;
    const char* kind;
    const char* range;
    const char* format;
    const char* firstDefault;
    std::size_t distinct;
  } cases[] = {
      {"SYSTEM.TIMEZONE", "int", "-12..13", "%d", "9", 1},
      {"IO.AI[1..128].SCALE_100", "real", "-10000000000 to 10000000000, at most 16 characters", "%.3f", "100.000", 1},
      {"IO.AI[1..128].AREA[1..5].AREA_NAME", "text", "", "text", "NAME5", 5},  // file order: AREA5 first
      {"DISP.TREND.TREND_PAGE[1..16].COLOR[1..4]", "int", "0x00000000..0xFFFFFFFF", "0x%08lX", "0x00FF8040", 4},
      {"RECORD.LOGGING.RATE", "keyword", "SEC, MIN, HOUR", "keyword", "SEC", 1},
      {"RECORD.LOGGING.SEC", "suffixed", "1S, 2S, 5S, 10S, 30S", "<n>S", "5S", 1},
      {"RECORD.LOGGING.PEN[1..128].CH", "pen-channel", "", "%d", nullptr, 0},
      {"MAIL_REPORT.CALENDAR.HOLIDAY.Y[2015..2099].M[1..12]", "int", "", "0x%08lX", "0x41830E0D", 0},
      {"IO.MA[1..256].INPUT.X[0..7]", "channel", "AI1..AI128", "keyword<n>", "AI1", 0},
  };
  for (const auto& c : cases) {
    const FieldPattern* p = Find(c.path);
    ASSERT_NE(p, nullptr) << c.path;
    EXPECT_EQ(KindName(*p->node), c.kind) << c.path;
    EXPECT_NE(RangeText(*p->node).find(c.range), std::string::npos) << c.path << ": " << RangeText(*p->node);
    EXPECT_EQ(FormatName(*p->node), c.format) << c.path;
    if (c.firstDefault) {
      EXPECT_EQ(p->defaults.values.front(), c.firstDefault) << c.path;
    }
    if (c.distinct) {
      EXPECT_EQ(p->defaults.distinct, c.distinct) << c.path;
    }
  }
  const FieldPattern* pen = Find("RECORD.LOGGING.PEN[1..128].CH");
  EXPECT_EQ(RangeText(*pen->node).find("by the pen type: NONE: 0; AI: 1..128;"), 0u);
  // Members that differ: the first distinct values and the last member's.
  const FieldPattern* holidays = Find("MAIL_REPORT.CALENDAR.HOLIDAY.Y[2015..2099].M[1..12]");
  EXPECT_GT(holidays->defaults.distinct, PatternDefaults::kListed);
  EXPECT_EQ(holidays->defaults.values.size(), PatternDefaults::kListed);
  EXPECT_FALSE(holidays->defaults.Uniform());
}

TEST(SchemaReference, ExpandsPatterns) {
  const struct {
    const char* pattern;
    std::size_t members;
  } cases[] = {{"SYSTEM.TIMEZONE", 1},      {"IO.AI[1..128].NAME", 128}, {"A[1..3].B[0..1]", 6},
               {"A[2015..2099].M[1..12]", 1020}, {"A[7]", 1},         {"A[3..1]", 0},
               {"A[1..", 0},                {"A[x]", 0},                {"A[1..y]", 0}};
  for (const auto& c : cases) EXPECT_EQ(PatternMembers(c.pattern), c.members) << c.pattern;
}

TEST(SchemaReference, MarkdownHasOneRowPerPatternAndEscapesMarkup) {
  const std::string md = ReferenceMarkdown(Reference());
  std::size_t rows = 0;
  for (std::size_t at = md.find("\n| `"); at != std::string::npos; at = md.find("\n| `", at + 1)) ++rows;
  EXPECT_EQ(rows, Reference().size());
  EXPECT_NE(md.find("\n## OPEMON\n"), std::string::npos);
  EXPECT_NE(md.find("| `IO.AI[1..128].AREA[1..5].AREA_NAME` | text |"), std::string::npos);
  EXPECT_NE(md.find("varies: "), std::string::npos);
  EXPECT_NE(md.find("182834 fields in " + std::to_string(Reference().size()) + " patterns."), std::string::npos);
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {{"a|b", "a\\|b"}, {"<n>", "\\<n\\>"}, {"A_B*C", "A\\_B\\*C"}, {"#D", "\\#D"}, {"plain 1..2", "plain 1..2"}};
  for (const auto& c : cases) EXPECT_EQ(MarkdownText(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace tk48
