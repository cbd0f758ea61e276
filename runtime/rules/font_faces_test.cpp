// The face asked for: the described one where the platform has it, else its best stand-in.
#include "runtime/rules/font_faces.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace runtime {
namespace {

struct FaceCase {
  const char* name;
  std::string_view face;
  std::set<std::string, std::less<>> installed;
  std::string_view asked;
};

class FaceToAskTest : public testing::TestWithParam<FaceCase> {};

TEST_P(FaceToAskTest, AsksForTheFaceOrItsFirstInstalledStandIn) {
  const FaceCase& row = GetParam();
  const auto installed = [&row](std::string_view face) { return row.installed.contains(face); };
  EXPECT_EQ(FaceToAsk(row.face, installed), row.asked);
}

INSTANTIATE_TEST_SUITE_P(
    FontFaces, FaceToAskTest,
    testing::Values(
        FaceCase{
            "Installed", "MS Sans Serif", {"MS Sans Serif", "Liberation Sans"}, "MS Sans Serif"},
        FaceCase{"Successor",
                 "MS Sans Serif",
                 {"Microsoft Sans Serif", "Liberation Sans"},
                 "Microsoft Sans Serif"},
        FaceCase{"FreeFaceOfArialMetrics",
                 "MS Sans Serif",
                 {"DejaVu Sans", "Liberation Sans"},
                 "Liberation Sans"},
        FaceCase{"WiderFaceForTahoma", "Tahoma", {"Liberation Sans", "DejaVu Sans"}, "DejaVu Sans"},
        FaceCase{"NoStandInInstalled", "Tahoma", {"Nimbus Sans"}, "Tahoma"},
        FaceCase{"FaceWithoutStandIns", "Courier New", {"Liberation Sans"}, "Courier New"}),
    [](const testing::TestParamInfo<FaceCase>& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace runtime
