// The faces that stand in for the ones our descriptions name, where a platform lacks them or
// cannot draw them at the size asked for.
#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace runtime {

// The stand-ins of `face`, best first; empty for a face without any. "MS Sans Serif" has its
// TrueType successor "Microsoft Sans Serif" first, then free faces with the metrics of Arial,
// as "Microsoft Sans Serif" has; "Tahoma" is best stood in for by the wider DejaVu Sans.
[[nodiscard]] std::span<const std::string_view> StandInsFor(std::string_view face);

// The face to ask a platform for, where `installed` tells whether it has a face: `face`
// itself, or else the first of its stand-ins it has, or else `face` after all, for the
// platform's own fallback.
[[nodiscard]] std::string_view FaceToAsk(std::string_view face,
                                         const std::function<bool(std::string_view)>& installed);

}  // namespace runtime
