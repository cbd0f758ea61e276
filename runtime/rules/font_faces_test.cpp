// The face asked for: the described one where the platform has it, else its best stand-in.
#include "runtime/rules/font_faces.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace runtime {
namespace {

std::string_view AskedWith(std::string_view face, std::set<std::string_view> installed) {
  return FaceToAsk(face, [&installed](std::string_view each) { return installed.contains(each); });
}

TEST(FaceToAsk, TheFaceWhereInstalledElseItsFirstInstalledStandInElseTheFace) {
  EXPECT_EQ(AskedWith("MS Sans Serif", {"MS Sans Serif", "Liberation Sans"}), "MS Sans Serif");
  EXPECT_EQ(AskedWith("MS Sans Serif", {"Liberation Sans", "Microsoft Sans Serif"}),
            "Microsoft Sans Serif");
  EXPECT_EQ(AskedWith("MS Sans Serif", {"DejaVu Sans", "Liberation Sans"}), "Liberation Sans");
  EXPECT_EQ(AskedWith("Tahoma", {"Liberation Sans", "DejaVu Sans"}), "DejaVu Sans");
  EXPECT_EQ(AskedWith("Tahoma", {"Nimbus Sans"}), "Tahoma");
  EXPECT_EQ(AskedWith("Courier New", {"Liberation Sans"}), "Courier New");
}

}  // namespace
}  // namespace runtime
