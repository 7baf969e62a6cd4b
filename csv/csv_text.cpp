#include "csv/csv_text.h"

#include <cstdio>

#include "resources/strings.h"

namespace tk48 {
namespace {

// Next code point of `s` from `i`; -1 for a byte that starts no valid sequence.
long NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i++]);
  if (b < 0x80) return b;
  int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (more < 0 || b >= 0xF8) return -1;
  long cp = b & (0x3F >> more);
  for (; more > 0; --more) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return cp;
}

int Conversions(std::string_view format) {
  int n = 0;
  for (std::size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (format[i + 1] == '%') {
      ++i;
      continue;
    }
    ++n;
  }
  return n;
}

}  // namespace

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const long cp = NextCodePoint(utf8, i);
    if (cp < 0 || cp > 0xFF) return std::nullopt;
    out.push_back(static_cast<char>(cp));
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (char c : latin1) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

std::optional<std::string> QuoteCsvText(std::string_view utf8) {
  auto bytes = Utf8ToLatin1(utf8);
  if (!bytes) return std::nullopt;
  if (bytes->find('"') != std::string::npos) {
    std::string out = "\"";
    for (char c : *bytes) {
      out.push_back(c);
      if (c == '"') out.push_back('"');
    }
    out.push_back('"');
    return out;
  }
  // A lone line feed is enclosed too: it would end the line on reading.
  if (bytes->find_first_of(",\r\n") != std::string::npos) return "\"" + *bytes + "\"";
  return bytes;
}

std::string HeaderText(std::uint16_t id, std::int32_t param) {
  if (id == 0 || id == kMatchedEmpty) return {};
  const std::string format(LoadText(id));
  char buffer[256];
  switch (Conversions(format)) {
    case 0: return format;
    case 1: std::snprintf(buffer, sizeof buffer, format.c_str(), param); break;
    default: std::snprintf(buffer, sizeof buffer, format.c_str(), 32 * param - 31, 32 * param); break;
  }
  return buffer;
}

std::string HeaderBytes(std::uint16_t id, std::int32_t param) {
  std::string text = HeaderText(id, param);
  static constexpr std::string_view kKatakanaMiddleDot = "\xE3\x83\xBB";
  for (std::size_t at; (at = text.find(kKatakanaMiddleDot)) != std::string::npos;)
    text.replace(at, kKatakanaMiddleDot.size(), "\xC2\xB7");
  auto bytes = Utf8ToLatin1(text);
  return bytes ? *bytes : std::string();
}

std::uint16_t WriteRowHeader(const CsvRowHeader& row, int headers, std::string& out, std::int32_t number) {
  std::uint16_t last = 0;
  for (int c = 0; c < headers; ++c) {
    const std::uint16_t id = row.id[c];
    if (id != 0 && id != kMatchedEmpty) {
      out += HeaderBytes(id, number);
      last = id;
    }
    out.push_back(',');
  }
  return last;
}

std::string FoldWidth(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    if (i + 2 < s.size() && b(0) == 0xEF && (b(1) == 0xBC || b(1) == 0xBD)) {
      const unsigned cp = 0xFF00u + ((b(1) & 0x3u) << 6) + (b(2) & 0x3Fu);
      if (cp >= 0xFF01 && cp <= 0xFF5E && (b(2) & 0xC0) == 0x80) {
        out.push_back(static_cast<char>(cp - 0xFEE0));
        i += 2;
        continue;
      }
    }
    if (i + 2 < s.size() && b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) {
      out.push_back(' ');
      i += 2;
      continue;
    }
    out.push_back(s[i]);
  }
  return out;
}

std::string TrimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace tk48
