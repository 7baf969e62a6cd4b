#include "editors/checks/find.h"

#include <cctype>
#include <functional>

#include "model/field_path.h"

namespace tk48 {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool ContainsNoCase(std::string_view hay, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > hay.size()) return false;
  for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && Lower(hay[i + k]) == Lower(needle[k])) ++k;
    if (k == needle.size()) return true;
  }
  return false;
}

bool GlobNoCase(std::string_view s, std::string_view p) {
  std::size_t si = 0, pi = 0, star = std::string_view::npos, mark = 0;
  while (si < s.size()) {
    if (pi < p.size() && (p[pi] == '?' || Lower(p[pi]) == Lower(s[si]))) {
      ++si;
      ++pi;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = si;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      si = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

std::vector<FindHit> Collect(const SettingData& record,
                             const std::function<bool(const std::string&, const std::string&)>& keep) {
  std::vector<FindHit> hits;
  ForEachField(const_cast<SettingData&>(record), [&](const std::string& path, const FieldRef& f) {
    std::string value = FieldText(f);
    if (keep(path, value)) hits.push_back({path, std::move(value), true});
  });
  return hits;
}

}  // namespace

std::vector<FindHit> FindText(const SettingData& record, std::string_view text) {
  return Collect(record, [&](const std::string&, const std::string& v) { return ContainsNoCase(v, text); });
}

std::vector<FindHit> FindPath(const SettingData& record, std::string_view pattern) {
  return Collect(record, [&](const std::string& p, const std::string&) { return GlobNoCase(p, pattern); });
}

std::vector<FindHit> FindReferences(const SettingData& record, std::string_view channel) {
  // First version: exact text of a reference field ("AI5").
  std::string want;
  std::size_t i = 0;
  while (i < channel.size() && std::isalpha(static_cast<unsigned char>(channel[i]))) want += channel[i++];
  while (i + 1 < channel.size() && channel[i] == '0') ++i;
  want += channel.substr(i);
  std::vector<FindHit> hits;
  ForEachField(const_cast<SettingData&>(record), [&](const std::string& path, const FieldRef& f) {
    if (f.node->kind != Kind::Ref && f.node->kind != Kind::MdNumber) return;
    std::string value = FieldText(f);
    if (value.size() == want.size() && ContainsNoCase(value, want)) hits.push_back({path, std::move(value), true});
  });
  return hits;
}

std::string_view PathSection(std::string_view path) {
  return path.substr(0, path.find_first_of(".["));
}

}  // namespace tk48
