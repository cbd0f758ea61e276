// The about window's tables: properties and controls front to back, Image1 behind all.
// The author's details are placeholders of a fictional author, one line each.
#include "ui/Form1/Form1_description.h"

#include <array>

#include "Form1_Image1.h"
#include "Form1_icon.h"
#include "ui/description_terms.h"

namespace ui::Form1 {
namespace {

using namespace description_terms;

constexpr Rgb kLavender{0xC0C0FF};
constexpr Rgb kBlueViolet{0x8080FF};
constexpr Rgb kSteelBlue{0x81AFE9};

constexpr Font kTahoma2775{"Tahoma", 27.75, kBold};
constexpr Font kTahoma18{"Tahoma", 18, kBold};
constexpr Font kTahoma1425{"Tahoma", 14.25, kBold};
constexpr Font kTahoma1125{"Tahoma", 11.25, kBold};

// The self-sizing labels keep the box their stored text takes; the back end sizes them to
// their caption with the left and top edges fixed.
// clang-format off
constexpr auto kControls = std::to_array<Control>({
  // kind      name        caption                     geometry (twips)              tab          font         fore         back        align   sizing    backdrop     role
  {PushButton, "Command2", "Exit",                     Box{3480, 2160, 2175,  495},  7,           kWindowFont, kPlatform,   kPlatform,  Left,   FixedBox, Opaque,      None},
  {PushButton, "Command1", "More Details",             Box{ 480, 2160, 2175,  495},  5,           kWindowFont, kPlatform,   ButtonText, Left,   FixedBox, Opaque,      Default},
  {Label,      "Label8",   "555-0142",                 Box{4080, 3720, 2250,  435},  8,           kTahoma18,   kLavender,   kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label3",   "alex.quillby@example.com", Box{2760, 4080, 3525,  270},  6,           kTahoma1125, kBlueViolet, kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label7",   "Eastbrook.",               Box{ 120, 3960, 1815,  375},  4,           kTahoma1425, kLavender,   kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label6",   "Larkspur Lane,",           Box{ 120, 3600, 1815,  375},  3,           kTahoma1425, kLavender,   kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label5",   "221,",                     Box{ 120, 3240,  975,  375},  2,           kTahoma1425, kLavender,   kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label2",   "Alex Quillby,",            Box{ 120, 2880, 4455,  375},  1,           kTahoma1425, kLavender,   kPlatform,  Left,   AutoSize, Transparent, None},
  {Label,      "Label1",   "Pellomar Cooperation",     Box{ 600,  240, 4200, 1755},  0,           kTahoma2775, kSteelBlue,  kPlatform,  Centre, FixedBox, Transparent, None},
  {Picture,    "Image1",   "",                         Box{4920,  240, 1335, 1335},  kNoTabIndex, kWindowFont, kPlatform,   kPlatform,  Left,   FixedBox, Opaque,      None, {}, Form1_Image1},
});
// clang-format on

}  // namespace

const runtime::WindowDescription kDescription = {
    .properties =
        {
            .name = "Form1",
            .title = "Pellomar Cooperation",
            .clientWidth = 6405,
            .clientHeight = 4425,
            .startPosition = std::nullopt,
            .border = FixedDialog,
            .background = kDarkGrey,
            .font = kSans825,
            .icon = Form1_icon,
        },
    .controls = kControls,
    .menu = {},
};

}  // namespace ui::Form1
