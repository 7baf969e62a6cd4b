#pragma once
// The field reference: every field of the configuration file as a path pattern
// ("IO.AI[1..128].SCALE_100"), with its kind, accepted values, format and
// default. One walk over the defaults record gives the patterns and their
// defaults; the rest comes from each pattern's schema node. The CLI prints it
// (Markdown or JSON) and the build turns it into the package's reference.md.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/schema.h"

namespace tk48 {

// The default values a pattern's members start with.
struct PatternDefaults {
  static constexpr std::size_t kListed = 8;  // distinct values kept, in file order
  std::vector<std::string> values;           // the first kListed distinct ones
  std::size_t distinct = 0;                  // how many distinct values there are
  std::string last;                          // the last member's

  bool Uniform() const { return distinct == 1; }
};

struct FieldPattern {
  std::string path;       // "IO.AI[1..128].AREA[1..5].LEVEL_UPPER"
  const Node* node;       // the field's schema node
  std::size_t count = 0;  // the fields the pattern stands for
  PatternDefaults defaults;
};

// The patterns of every field of the configuration file, in file order.
std::vector<FieldPattern> ConfigurationReference();

// The schema's view of a field, in the reference's words.
std::string_view KindName(const Node& field);  // "int", "real", "text", "keyword", "channel", ...
std::string FormatName(const Node& field);     // "%d", "0x%08lX", "%.3f", "AI<n>", "<n>S", ...
std::string RangeText(const Node& field);      // "-12..13", "NOUSE, USE", "NONE, AI1..AI128", ...

// Expands a pattern's "[a..b]" parts: the number of paths it stands for, 0
// when the text is no pattern (an unclosed or reversed range).
std::size_t PatternMembers(std::string_view pattern);

// Plain text for Markdown: the characters Markdown would take as markup escaped.
std::string MarkdownText(std::string_view text);

// The reference as a Markdown document (reference.md) and as JSON.
std::string ReferenceMarkdown(const std::vector<FieldPattern>& patterns);
std::string ReferenceJson(const std::vector<FieldPattern>& patterns);

}  // namespace tk48
