// "find": the fields of a configuration file by value, by path or by the
// channel they refer to, one "PATH: value" line each, in file order. Passwords
// are listed as "(set)" and their values are not searched, unless
// --show-secrets asks for them.
#include <cstdio>

#include "cli/commands.h"
#include "query/find.h"

namespace tk48::cli {

// Like grep(1): 0 when something matched, 1 when nothing did, 2 for a usage
// error or a file that cannot be read.
int Find(const Args& args) {
  const auto path = args.Get("--path");
  const auto refs = args.Get("--refs");
  const bool text = args.positional.size() == 2;
  if (text + path.has_value() + refs.has_value() != 1) {
    std::fputs("usage: tk48gcfg-cli find FILE TEXT|--path PATTERN|--refs CHANNEL [--show-secrets]\n", stderr);
    return kExitUsage;
  }
  const auto record = ReadRecordFile(args.positional[0]);
  if (!record) return kExitUsage;
  const Secrets secrets = args.Has("--show-secrets") ? Secrets::Shown : Secrets::Hidden;
  const std::vector<FindHit> hits = text   ? FindText(*record, args.positional[1], secrets)
                                    : path ? FindPath(*record, *path, secrets)
                                           : FindReferences(*record, *refs);
  for (const FindHit& hit : hits) std::printf("%s: %s\n", hit.path.c_str(), hit.value.c_str());
  return hits.empty() ? kExitFailed : kExitOk;
}

}  // namespace tk48::cli
