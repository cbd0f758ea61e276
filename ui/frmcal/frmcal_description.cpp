// The calculator window's tables. Rows run front to back in the window's stacking order, so
// the buttons lie in front of Frame1 and the lines are drawn over the two display labels.
#include "ui/frmcal/frmcal_description.h"

#include <array>

#include "frmcal_icon.h"
#include "ui/description_terms.h"

namespace ui::frmcal {
namespace {

using namespace description_terms;

constexpr Rgb kWhite{0xFFFFFF};
constexpr Rgb kLightGrey{0xE0E0E0};

constexpr Font kSans135{"MS Sans Serif", 13.5, kRegular};
constexpr Font kSans18{"MS Sans Serif", 18, kRegular};
constexpr Font kMicrosoftSans825{"Microsoft Sans Serif", 8.25, kRegular};

// clang-format off
constexpr auto kControls = std::to_array<Control>({
  // kind      name         caption      geometry (twips)                 tab          font              fore       back       align  sizing    backdrop     role  tooltip, picture, accessible name
  {PushButton, "Cmdpersen", "%",         Box{3480, 3360,  850,  735},     11,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdsq",     "x^(Power)", Box{2400, 3360,  850,  735},     10,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None, "First enter the number.Then enter the power."},
  {PushButton, "cmdcube",   "cube",      Box{1320, 3360,  850,  735},      9,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdSqu",    "Square",    Box{ 240, 3360,  850,  735},      8,          kMicrosoftSans825,kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdsum",    "+",         Box{ 240, 2520,  850,  735},      7,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdsub",    "-",         Box{1320, 2520,  850,  735},      6,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdmul",    "*",         Box{2400, 2520,  850,  735},      5,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmddiv",    "/",         Box{3480, 2520,  850,  735},      4,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {PushButton, "cmdclr",    "Clear",     Box{4440, 2520, 1455, 1575},      2,          kWindowFont,      kPlatform, kPlatform, Left,  FixedBox, Opaque,      None},
  {TextBox,    "txtnum",    "",          Box{ 240,  360, 5775,  495},      1,          kSans135,         kPlatform, kPlatform, Left,  FixedBox, Opaque,      None, {}, {}, "Entry"},
  {Frame,      "Frame1",    "Pallete",   Box{ 120, 2160, 5895, 2055},     12,          kWindowFont,      kLightGrey,kDarkGrey, Left,  FixedBox, Opaque,      None},
  // Lines: from (x1, y1) to (x2, y2), one pixel wide, in the selection-highlight colour.
  {Line,       "Line4",     "",          Segment{6000, 1560, 6000,  960}, kNoTabIndex, kWindowFont,      Highlight, kPlatform, Left,  FixedBox, Transparent, None},
  {Line,       "Line3",     "",          Segment{6000,  960,  240,  960}, kNoTabIndex, kWindowFont,      Highlight, kPlatform, Left,  FixedBox, Transparent, None},
  {Line,       "Line2",     "",          Segment{ 240, 1560,  240,  940}, kNoTabIndex, kWindowFont,      Highlight, kPlatform, Left,  FixedBox, Transparent, None},
  {Line,       "Line1",     "",          Segment{ 240, 1560, 6000, 1560}, kNoTabIndex, kWindowFont,      Highlight, kPlatform, Left,  FixedBox, Transparent, None},
  {Label,      "LblSpc",    "",          Box{5520, 1120,  495,  435},      3,          kSans18,          kWhite,    kDarkGrey, Left,  FixedBox, Opaque,      None, {}, {}, "Marker"},
  {Label,      "lblans",    "",          Box{ 285, 1125, 5250,  435},      0,          kSans18,          kWhite,    kDarkGrey, Right, FixedBox, Opaque,      None, {}, {}, "Result"},
});

constexpr auto kMenu = std::to_array<MenuEntry>({
  // depth name        index caption    shortcut
  {0,      "mnfile",    1,   "File"},
  {1,      "mnexit",   11,   "Exit",    "Ctrl+Q"},
  {0,      "mnedit",    2,   "Edit"},
  {1,      "mnclear",  21,   "Clear",   "Ctrl+C"},
  {0,      "mnhelp",    3,   "Help"},
  {1,      "mnhelpme", 31,   "Help me", "F1"},
  {1,      "mnabout",  32,   "About",   "F2"},
});
// clang-format on

}  // namespace

const runtime::WindowDescription kDescription = {
    .properties =
        {
            .name = "frmcal",
            .title = "Pellomar Advanced Calculator",
            .clientWidth = 6705,
            .clientHeight = 4590,
            .startPosition = runtime::Point{4050, 4020},
            .border = Sizable,
            .background = kDarkGrey,
            .font = kSans825,
            .icon = frmcal_icon,
        },
    .controls = kControls,
    .menu = kMenu,
};

}  // namespace ui::frmcal
