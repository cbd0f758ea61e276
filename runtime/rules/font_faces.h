// The faces that stand in for the ones our descriptions name, where a platform lacks them or
// cannot draw them at the size asked for.
#pragma once

#include <span>
#include <string_view>

namespace runtime {

struct FaceStandIns {
  std::string_view face;
  std::span<const std::string_view> standIns;  // best first
};

// Every face with stand-ins: "MS Sans Serif", whose TrueType successor "Microsoft Sans
// Serif" comes first, then free faces with the metrics of Arial; "Microsoft Sans Serif"; and
// "Tahoma", best stood in for by the wider DejaVu Sans.
[[nodiscard]] std::span<const FaceStandIns> AllFaceStandIns();

// The stand-ins of `face`, best first; empty for a face without any.
[[nodiscard]] std::span<const std::string_view> StandInsFor(std::string_view face);

}  // namespace runtime
