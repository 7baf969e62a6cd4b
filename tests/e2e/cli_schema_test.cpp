// "schema": the field reference as a user or a generator takes it from the
// command line. The JSON form is read back with a strict parser of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/schema_reference.h"
#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

// A JSON value: the whole grammar, numbers kept as their text.
struct Json {
  enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
  std::string text;  // string contents, number text, "true"/"false"
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& operator[](const std::string& key) const {
    static const Json none;
    const auto it = members.find(key);
    return it == members.end() ? none : it->second;
  }
};

class JsonParser {
 public:
  explicit JsonParser(const std::string& s) : s_(s) {}
  // The document, or nullptr when it is not exactly one JSON value.
  std::unique_ptr<Json> Document() {
    auto v = std::make_unique<Json>();
    if (!Value(*v)) return nullptr;
    Space();
    return at_ == s_.size() ? std::move(v) : nullptr;
  }

 private:
  void Space() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' || s_[at_] == '\t')) ++at_;
  }
  bool Eat(char c) {
    Space();
    if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
    return false;
  }
  bool Word(const char* w, Json& v, Json::Type type) {
    const std::string word(w);
    if (s_.compare(at_, word.size(), word) != 0) return false;
    at_ += word.size();
    v.type = type;
    v.text = word;
    return true;
  }
  bool String(std::string& out) {
    if (!Eat('"')) return false;
    while (at_ < s_.size()) {
      const char c = s_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= s_.size()) return false;
      const char e = s_[at_++];
      static const std::string plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
      if (const auto k = plain.find(e); k != std::string::npos) {
        out += meant[k];
      } else if (e == 'u' && at_ + 4 <= s_.size()) {
        const unsigned code = std::stoul(s_.substr(at_, 4), nullptr, 16);
        if (code >= 0x80) return false;  // the reference escapes control characters only
        out += static_cast<char>(code);
        at_ += 4;
      } else {
        return false;
      }
    }
    return false;
  }
  bool Number(Json& v) {
    const std::size_t start = at_;
    if (at_ < s_.size() && s_[at_] == '-') ++at_;
    const std::size_t digits = at_;
    while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
    if (at_ == digits || (s_[digits] == '0' && at_ - digits > 1)) return false;
    if (at_ < s_.size() && s_[at_] == '.') {
      const std::size_t fraction = ++at_;
      while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
      if (at_ == fraction) return false;
    }
    v.type = Json::Type::Number;
    v.text = s_.substr(start, at_ - start);
    return true;
  }
  bool Value(Json& v) {
    if (++depth_ > 64) return false;
    Space();
    if (at_ >= s_.size()) return false;
    bool ok = false;
    switch (s_[at_]) {
      case '{':
        ++at_;
        v.type = Json::Type::Object;
        ok = Eat('}');
        while (!ok) {
          std::string key;
          Json member;
          if (!String(key) || !Eat(':') || !Value(member) || v.members.count(key)) break;
          v.members.emplace(key, std::move(member));
          if (Eat('}')) ok = true;
          else if (!Eat(',')) break;
        }
        break;
      case '[':
        ++at_;
        v.type = Json::Type::Array;
        ok = Eat(']');
        while (!ok) {
          v.items.emplace_back();
          if (!Value(v.items.back())) break;
          if (Eat(']')) ok = true;
          else if (!Eat(',')) break;
        }
        break;
      case '"': v.type = Json::Type::String; ok = String(v.text); break;
      case 't': ok = Word("true", v, Json::Type::Bool); break;
      case 'f': ok = Word("false", v, Json::Type::Bool); break;
      case 'n': ok = Word("null", v, Json::Type::Null); break;
      default: ok = Number(v);
    }
    --depth_;
    return ok;
  }
  const std::string& s_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

TEST(CliSchemaJson, TheParserRefusesWhatIsNotJson) {
  for (const char* bad : {"", "{", "{\"a\":1,}", "[1 2]", "{\"a\" 1}", "\"x", "01", "[1]x", "{\"a\":1,\"a\":2}",
                          "\"tab\there\"", "nul"})
    EXPECT_EQ(JsonParser(bad).Document(), nullptr) << bad;
  const auto ok = JsonParser(R"( {"a": [1, -2.5, "x\"y", true, null], "b": {}} )").Document();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ((*ok)["a"].items.at(2).text, "x\"y");
}

TEST(CliSchema, JsonListsEveryFieldOfTheFileWithItsDefault) {
  const auto r = test::RunCli({"schema", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto doc = JsonParser(r.out).Document();
  ASSERT_NE(doc, nullptr) << "not JSON";
  const Json& fields = (*doc)["fields"];
  ASSERT_EQ(fields.type, Json::Type::Array);
  std::size_t expanded = 0;
  std::map<std::string, const Json*> byPath;
  for (const Json& f : fields.items) {
    const std::string& path = f["path"].text;
    const std::size_t members = PatternMembers(path);
    EXPECT_GT(members, 0u) << path;
    EXPECT_EQ(std::to_string(members), f["count"].text) << path;
    expanded += members;
    EXPECT_TRUE(byPath.emplace(path, &f).second) << path << " twice";
    EXPECT_FALSE(f["kind"].text.empty()) << path;
    // A default, or the distinct ones where the members differ.
    EXPECT_TRUE(f["default"].type == Json::Type::String || f["defaults"].items.size() > 1) << path;
  }
  EXPECT_EQ(expanded, 182834u);

  const Json* tz = byPath["SYSTEM.TIMEZONE"];
  ASSERT_NE(tz, nullptr);
  EXPECT_EQ((*tz)["default"].text, "9");
  EXPECT_EQ((*tz)["min"].text, "-12");
  EXPECT_EQ((*tz)["max"].text, "13");
  const Json* colours = byPath["DISP.TREND.TREND_PAGE[1..16].COLOR[1..4]"];
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ((*colours)["default"].type, Json::Type::Null);
  EXPECT_EQ((*colours)["defaults"].items.size(), 4u);
  const Json* rate = byPath["RECORD.LOGGING.RATE"];
  ASSERT_NE(rate, nullptr);
  EXPECT_EQ((*rate)["keywords"].items.size(), 3u);
}

TEST(CliSchema, MarkdownByDefaultToStdoutOrAFile) {
  const auto r = test::RunCli({"schema"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("# ", 0), 0u);
  EXPECT_NE(r.out.find("| `SYSTEM.TIMEZONE` | int | -12..13 | `%d` | `9` |"), std::string::npos);

  const auto file = std::filesystem::temp_directory_path() / ("tk48-schema-" + std::to_string(::getpid()) + ".md");
  EXPECT_EQ(test::RunCli({"schema", "-o", file.string()}).status, 0);
  EXPECT_EQ(test::ReadAll(file.string()), r.out);
  std::filesystem::remove(file);

  // --json is schema's own: another command refuses it.
  for (const auto& usage : {std::vector<std::string>{"schema", "FILE"}, {"schema", "--json", "--json"},
                            {"schema", "--xml"}, {"new", "--json"}}) {
    const auto bad = test::RunCli(usage);
    EXPECT_EQ(bad.status, 2) << usage.front() << " " << usage.back();
    EXPECT_EQ(bad.out, "") << usage.front() << " " << usage.back();
  }
}

}  // namespace
}  // namespace tk48
