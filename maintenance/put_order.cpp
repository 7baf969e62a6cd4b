#include "maintenance/put_order.h"

#include "resources/strings.h"

namespace tk48::maint {

std::optional<std::size_t> PutInOrder(std::span<const PutStep> steps, const PutFunction& put) {
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (!put(steps[i].file, steps[i].data)) return i;
  return std::nullopt;
}

std::array<PutStep, 2> UploadSteps(const PackageKind& kind, const CompressedPackages& packages) {
  return {PutStep{kind.data, packages.data}, PutStep{kind.directory, packages.directory}};
}

std::array<PutStep, 2> ResetSteps(const PackageKind& kind) {
  const std::span<const std::uint8_t> bytes(kind.reset);
  return {PutStep{File::Delete, bytes.first(1)}, PutStep{File::Delete, bytes.subspan(1)}};
}

std::optional<std::size_t> UploadPackages(const PackageKind& kind, const CompressedPackages& packages,
                                          const PutFunction& put, UiPort& ui) {
  const auto failed = PutInOrder(UploadSteps(kind, packages), put);
  if (failed == kDirectoryStep) ui.Message(LoadText(kind.directoryFailed), Icon::Error);
  return failed;
}

bool ResetPackages(const PackageKind& kind, const PutFunction& put) { return !PutInOrder(ResetSteps(kind), put); }

}  // namespace tk48::maint
