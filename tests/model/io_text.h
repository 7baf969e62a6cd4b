#pragma once
// Expected configuration text of the IO section, built line by line, and the
// pieces of a written document the IO tests look at.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tk48::testing {

struct Lines {
  std::string text;
  Lines& Open(std::string_view name) { return Raw("<" + std::string(name) + ">"); }
  Lines& Close(std::string_view name) { return Raw("</" + std::string(name) + ">"); }
  Lines& Field(std::string_view name, std::string_view value) {
    return Raw("<" + std::string(name) + ">" + std::string(value) + "</" + std::string(name) + ">");
  }
  // stem1..stemN (or from `first`), all with the same value.
  Lines& Fields(std::string_view stem, int first, int last, std::string_view value) {
    for (int i = first; i <= last; ++i) Field(std::string(stem) + std::to_string(i), value);
    return *this;
  }
  Lines& Raw(const std::string& line) {
    text += line + "\r\n";
    return *this;
  }
};

// The text of element `item` (for example "AI7") inside `container` of the IO
// section, start and end tag included; empty when it is not there.
inline std::string ItemText(const std::string& doc, std::string_view container, std::string_view item) {
  const std::size_t io = doc.find("<IO>\r\n");
  if (io == std::string::npos) return {};
  const std::size_t in = doc.find("<" + std::string(container) + ">\r\n", io);
  if (in == std::string::npos) return {};
  const std::string open = "<" + std::string(item) + ">\r\n", close = "</" + std::string(item) + ">\r\n";
  const std::size_t from = doc.find(open, in);
  const std::size_t to = doc.find(close, from);
  if (from == std::string::npos || to == std::string::npos) return {};
  return doc.substr(from, to + close.size() - from);
}

}  // namespace tk48::testing
