// The stand-ins of the faces our descriptions name.
#include "runtime/rules/font_faces.h"

#include <algorithm>
#include <array>

namespace runtime {
namespace {

// Liberation Sans and Arimo have the metrics of Arial, the nearest free face to MS Sans Serif
// and its successor; DejaVu Sans is wider, nearer to Tahoma.
constexpr std::array<std::string_view, 5> kForMsSansSerif = {
    "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans", "FreeSans"};
constexpr std::array<std::string_view, 4> kForMicrosoftSansSerif = {"Liberation Sans", "Arimo",
                                                                    "DejaVu Sans", "FreeSans"};
constexpr std::array<std::string_view, 3> kForTahoma = {"DejaVu Sans", "Liberation Sans",
                                                        "FreeSans"};

struct FaceStandIns {
  std::string_view face;
  std::span<const std::string_view> standIns;  // best first
};

constexpr std::array<FaceStandIns, 3> kStandIns = {{
    {"MS Sans Serif", kForMsSansSerif},
    {"Microsoft Sans Serif", kForMicrosoftSansSerif},
    {"Tahoma", kForTahoma},
}};

}  // namespace

std::span<const std::string_view> StandInsFor(std::string_view face) {
  const auto* found = std::ranges::find(kStandIns, face, &FaceStandIns::face);
  return found != kStandIns.end() ? found->standIns : std::span<const std::string_view>();
}

std::string_view FaceToAsk(std::string_view face,
                           const std::function<bool(std::string_view)>& installed) {
  if (installed(face)) {
    return face;
  }
  const std::span<const std::string_view> standIns = StandInsFor(face);
  const auto standIn = std::ranges::find_if(standIns, installed);
  return standIn != standIns.end() ? *standIn : face;
}

}  // namespace runtime
