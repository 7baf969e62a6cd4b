#include "cli/fleet_report.h"

#include <algorithm>
#include <cstdio>

namespace tk48::cli {
namespace {

constexpr int kMostFailures = 125;  // above are the shell's own statuses (126 and 127, 128 + a signal)
constexpr std::string_view kIndent = "    ";

// Every non-empty line of the messages, in order.
std::vector<std::string> MessageLines(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  for (const auto& message : messages)
    for (auto& line : SplitLines(message))
      if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string ResultLine(const std::string& name, const DeviceOutcome& outcome) {
  switch (outcome.end) {
    case DeviceOutcome::End::Ok:
      return name + ": ok" + (outcome.summary.empty() ? "" : " " + outcome.summary);
    case DeviceOutcome::End::NotStarted:
      return name + ": not started";
    case DeviceOutcome::End::Failed:
      break;
  }
  std::string line = name + ": failed";
  const auto lines = MessageLines(outcome.messages);
  for (std::size_t i = 0; i < lines.size(); ++i) line += (i == 0 ? ": " : " / ") + lines[i];
  return line;
}

FleetReport::FleetReport(std::vector<std::string> names)
    : names_(std::move(names)), outcomes_(names_.size()), ended_(names_.size(), false) {}

void FleetReport::Ended(std::size_t i, DeviceOutcome outcome) {
  outcomes_[i] = std::move(outcome);
  ended_[i] = true;
  for (; printed_ < names_.size() && ended_[printed_]; ++printed_) {
    const auto& name = names_[printed_];
    const auto& done = outcomes_[printed_];
    if (done.end == DeviceOutcome::End::Ok)
      for (const auto& line : MessageLines(done.messages)) std::fprintf(stderr, "%s: %s\n", name.c_str(), line.c_str());
    std::string text = ResultLine(name, done) + "\n";
    for (const auto& line : done.details) text += std::string(kIndent) + line + "\n";
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);  // before the next device's warnings on stderr
  }
}

int FleetReport::ExitStatus() const {
  const auto failed = std::count_if(outcomes_.begin(), outcomes_.end(),
                                    [](const DeviceOutcome& o) { return o.end != DeviceOutcome::End::Ok; });
  return static_cast<int>(std::min<long>(failed, kMostFailures));
}

}  // namespace tk48::cli
