// The details window's tables: properties and controls front to back, the window-filling
// Image1 behind the four labels. The texts are placeholders of a fictional author.
#include "ui/Form2/Form2_description.h"

#include <array>

#include "Form2_Image1.h"
#include "Form2_icon.h"
#include "ui/description_terms.h"

namespace ui::Form2 {
namespace {

using namespace description_terms;

constexpr Rgb kCyanGrey{0xCBEBED};

constexpr Font kSans975{"MS Sans Serif", 9.75, kRegular};

// The self-sizing labels keep the box their stored text takes; the back end sizes them to
// their caption with the left and top edges fixed. The examination text fits one line of
// Label1's fixed box.
// clang-format off
constexpr auto kControls = std::to_array<Control>({
  // kind   name      caption                     geometry (twips)              tab          font         fore       back       align  sizing    backdrop     role
  {Label,   "Label3", "555-0142",                 Box{ 120, 4320, 1050,  240},  3,           kSans975,    InfoText,  kPlatform, Left,  AutoSize, Transparent, None},
  {Label,   "Label2", "Class 12 B",               Box{ 120, 3600, 1470,  195},  2,           kWindowFont, kCyanGrey, kPlatform, Left,  AutoSize, Transparent, None},
  {Label,   "Label1", "2009 A/L",                 Box{ 120, 3840,  855,  255},  1,           kWindowFont, kCyanGrey, kPlatform, Left,  FixedBox, Transparent, None},
  {Label,   "Label4", "Eastbrook Grammar School", Box{ 120, 4080, 2145,  195},  0,           kWindowFont, kCyanGrey, kPlatform, Left,  AutoSize, Transparent, None},
  {Picture, "Image1", "",                         Box{   0,    0, 6120, 4680},  kNoTabIndex, kWindowFont, kPlatform, kPlatform, Left,  FixedBox, Opaque,      None, {}, Form2_Image1},
});
// clang-format on

}  // namespace

const runtime::WindowDescription kDescription = {
    .properties =
        {
            .name = "Form2",
            .title = "Alex",
            .clientWidth = 6105,
            .clientHeight = 4620,
            .startPosition = std::nullopt,
            .border = Sizable,
            .background = ButtonFace,
            .font = kSans825,
            .icon = Form2_icon,
        },
    .controls = kControls,
    .menu = {},
};

}  // namespace ui::Form2
