#pragma once
// The maintenance puts that take more than one step, as the device expects
// them: a package upload is the data package, then its directory; a reset is
// "DEL" twice. Each step goes only after the one before succeeded. The screens
// and the command line run the same steps through their own put.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "maintenance/device_files.h"
#include "maintenance/packages.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48::maint {

struct PutStep {
  File file;
  std::span<const std::uint8_t> data;
};

// One put on the caller's connection; false after its own message.
using PutFunction = std::function<bool(File file, std::span<const std::uint8_t> data)>;

// Puts the steps in order and stops at the first that fails: its index, or
// nullopt when every step succeeded.
std::optional<std::size_t> PutInOrder(std::span<const PutStep> steps, const PutFunction& put);

// The user images and the user browser view: their two device files and the
// "DEL" bytes that remove them again.
struct PackageKind {
  File data;
  File directory;
  std::array<std::uint8_t, 2> reset;  // the first "DEL", then, after its success, the second
  int directoryFailed;                // a directory refused after its data reached the device
};
inline constexpr PackageKind kImagePackages{File::ImageData, File::ImageDir, kResetImages, text::kImageDirectoryFailed};
inline constexpr PackageKind kViewPackages{File::ViewData, File::ViewDir, kResetView, text::kViewDirectoryFailed};

// The steps point into `kind` and `packages`, which must outlive them.
inline constexpr std::size_t kDirectoryStep = 1;
std::array<PutStep, 2> UploadSteps(const PackageKind& kind, const CompressedPackages& packages);
std::array<PutStep, 2> ResetSteps(const PackageKind& kind);

// The upload's steps. A directory refused after its data reached the device
// leaves the device with half an upload, which is said (error icon). The
// index of the failed step, or nullopt.
std::optional<std::size_t> UploadPackages(const PackageKind& kind, const CompressedPackages& packages,
                                          const PutFunction& put, UiPort& ui);
bool ResetPackages(const PackageKind& kind, const PutFunction& put);

}  // namespace tk48::maint
