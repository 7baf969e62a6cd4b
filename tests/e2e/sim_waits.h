#pragma once
// The simulator's waits as the tests start it: the device's paths, reached
// sooner. Each stays well above what a busy machine adds to a well-behaved
// exchange, so that no wait ends one that would have gone on.
#include <string>
#include <vector>

namespace tk48::test {

inline const std::vector<std::string> kSimWaits = {
    "--frame-wait", "500",   // only a frame cut short waits it out
    "--answer-wait", "500",  // above the link's drain of a damaged block (two samples) before the repeat
    "--net-idle", "5000",    // no test leaves a connection silent; a stalled client must not look silent
    "--net-linger", "300",   // its last reply has gone; only the next connection waits
};

}  // namespace tk48::test
