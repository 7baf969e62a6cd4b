#include "cli/fleet_ini.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "csv/csv_text.h"
#include "model/text_codec.h"

namespace tk48::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kByteArray = "@ByteArray(";

struct Escape {
  char letter;
  char value;
};
constexpr Escape kEscapes[] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                               {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};

bool Blank(char c) { return c == ' ' || c == '\t'; }
bool LineEnd(char c) { return c == '\n' || c == '\r'; }

// The value of `c` as a digit of `base` (8 or 16), or -1.
int Digit(char c, int base) {
  const auto u = static_cast<unsigned char>(c);
  const int value = std::isdigit(u) ? c - '0' : std::isxdigit(u) ? std::tolower(u) - 'a' + 10 : base;
  return value < base ? value : -1;
}

void AppendUnit(std::string& out, char16_t unit) { out += Utf16ToUtf8(std::u16string(1, unit)); }

struct IniLine {
  std::string_view text;
  std::size_t equals = std::string_view::npos;  // the first '=' outside quotes
};

// The next line as QSettings reads it: a quoted part may run across line
// ends, a '\' keeps the next character (a line end too) in the line, an
// unquoted ';' ends it, and a line starting with ';' is a comment.
std::optional<IniLine> NextLine(std::string_view data, std::size_t& pos) {
  const auto skipToLineEnd = [&] {
    while (pos < data.size() && !LineEnd(data[pos])) ++pos;
  };
  for (;;) {
    while (pos < data.size() && (Blank(data[pos]) || LineEnd(data[pos]))) ++pos;
    if (pos >= data.size()) return std::nullopt;
    if (data[pos] != ';') break;
    skipToLineEnd();
  }
  IniLine line;
  const std::size_t start = pos;
  bool quoted = false;
  for (; pos < data.size(); ++pos) {
    const char c = data[pos];
    if (c == '\\') {
      if (pos + 2 < data.size() && data[pos + 1] == '\r' && data[pos + 2] == '\n') ++pos;
      ++pos;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == '=' && !quoted && line.equals == std::string_view::npos) {
      line.equals = pos - start;
    } else if ((LineEnd(c) || c == ';') && !quoted) {
      break;
    }
  }
  line.text = data.substr(start, std::min(pos, data.size()) - start);
  if (pos < data.size() && data[pos] == ';') skipToLineEnd();
  return line;
}

// A section or key name: "%XX", "%UXXXX", and '\' for '/'.
std::string UnescapedKey(std::string_view key) {
  std::string out;
  for (std::size_t i = 0; i < key.size();) {
    if (key[i] == '\\') {
      out += '/';
      ++i;
      continue;
    }
    const bool wide = key[i] == '%' && i + 1 < key.size() && key[i + 1] == 'U';
    const std::size_t first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
    char16_t unit = 0;
    bool escaped = key[i] == '%' && first + digits <= key.size();
    for (std::size_t d = 0; escaped && d < digits; ++d) {
      const int value = Digit(key[first + d], 16);
      escaped = value >= 0;
      unit = static_cast<char16_t>(unit << 4 | std::max(value, 0));
    }
    if (!escaped) {
      out += key[i++];
      continue;
    }
    AppendUnit(out, unit);
    i = first + digits;
  }
  return out;
}

// A value's text as QSettings unescapes it; `cells` counts the cells when
// unquoted commas made it a list.
std::string UnescapedValue(std::string_view v, std::size_t& cells) {
  std::string out;
  std::size_t i = 0, keep = 0;  // trailing blanks beyond `keep` are dropped from an unquoted cell
  bool quoted = false, wasQuoted = false;
  cells = 1;
  const auto skipBlanks = [&] {
    while (i < v.size() && Blank(v[i])) ++i;
    keep = out.size();
  };
  const auto endCell = [&] {
    if (!wasQuoted)
      while (out.size() > keep && Blank(out.back())) out.pop_back();
  };
  skipBlanks();
  while (i < v.size()) {
    const char c = v[i];
    if (c == '\\') {
      if (++i >= v.size()) break;
      const char e = v[i++];
      const auto* escape =
          std::find_if(std::begin(kEscapes), std::end(kEscapes), [&](const Escape& x) { return x.letter == e; });
      const int base = e == 'x' ? 16 : Digit(e, 8) >= 0 ? 8 : 0;
      if (escape != std::end(kEscapes)) {
        out += escape->value;
      } else if (base != 0) {
        if (base == 8) --i;  // the first octal digit is part of the number
        const std::size_t from = i;
        char16_t unit = 0;
        for (int d = 0; i < v.size() && (d = Digit(v[i], base)) >= 0; ++i)
          unit = static_cast<char16_t>(unit * base + d);
        if (i > from) AppendUnit(out, unit);
      } else if (LineEnd(e) && i < v.size() && LineEnd(v[i]) && v[i] != e) {
        ++i;  // "\r\n" or "\n\r" goes on with the next line; any other escaped character is dropped
      }
      keep = out.size();
    } else if (c == '"') {
      ++i;
      wasQuoted = true;
      quoted = !quoted;
      if (!quoted) skipBlanks();
    } else if (c == ',' && !quoted) {
      endCell();
      out.clear();
      wasQuoted = false;
      ++cells;
      ++i;
      skipBlanks();
    } else {
      out += c;
      ++i;
    }
  }
  endCell();
  return out;
}

// What QSettings' toString() gives for the value's text.
std::string VariantText(std::string text) {
  if (text.starts_with("@@")) return text.substr(1);
  if (text.starts_with(kByteArray) && text.ends_with(')'))
    return text.substr(kByteArray.size(), text.size() - kByteArray.size() - 1);
  if (text.starts_with('@') && text.ends_with(')')) return {};  // @Invalid(), @Variant(...), @Rect(...)
  return text;
}

bool IsGeneral(std::string_view section) {
  constexpr std::string_view kGeneral = "general";
  return std::equal(section.begin(), section.end(), kGeneral.begin(), kGeneral.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

IniValues ParseQtIni(std::string_view text) {
  IniValues values;
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  std::string section;
  std::size_t pos = 0;
  while (const auto line = NextLine(text, pos)) {
    if (line->text.front() == '[') {
      const std::string_view name = line->text.substr(1, line->text.find(']') - 1);
      section = UnescapedKey(TrimBlanks(name));
      if (IsGeneral(section)) section.clear();
      continue;
    }
    if (line->equals == std::string_view::npos) continue;
    const std::string key = UnescapedKey(TrimBlanks(line->text.substr(0, line->equals)));
    std::size_t cells = 1;
    std::string value = UnescapedValue(line->text.substr(line->equals + 1), cells);
    values[section.empty() ? key : section + "/" + key] = cells > 1 ? std::string() : VariantText(std::move(value));
  }
  return values;
}

}  // namespace tk48::cli
