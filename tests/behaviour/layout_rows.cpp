// How the three windows look, in pixels of their client areas at 96 and 144 dots per inch,
// written out as a user would measure them on the screen: the frames, each control's
// rectangle and the name screen readers hear for it, the fonts, the menu and the tooltip.
#include <array>
#include <cstdlib>
#include <vector>

#include "tests/behaviour/behaviour_table.h"

namespace tests::behaviour {
namespace {

constexpr int kAuto = kSizedToText;
constexpr int kStandardDpi = 96;
constexpr Role kButton = Role::PushButton;
constexpr Role kText = Role::Text;
constexpr Role kStatic = Role::StaticText;
constexpr Role kGroup = Role::Grouping;
constexpr Role kLine = Role::Separator;
constexpr Role kPicture = Role::Graphic;

constexpr std::string_view kNoScreen =
    "the scripted back end has no screen, no fonts and no screen reader";

// clang-format off
const std::vector<WindowRow> kWindows = {
  // window   title                           client 96    client 144   place 96     place 144    sizable menu bar
  {"frmcal", "Pellomar Advanced Calculator", {447, 306},  {671, 459},  Point{270, 268}, Point{405, 402}, true, true,
   {"Cmdpersen", "cmdsq", "cmdcube", "cmdSqu", "cmdsum", "cmdsub", "cmdmul", "cmddiv", "cmdclr",
    "txtnum", "Frame1", "Line4", "Line3", "Line2", "Line1", "LblSpc", "lblans"}},
  {"Form1",  "Pellomar Cooperation",         {427, 295},  {641, 443},  std::nullopt, std::nullopt, false, false,
   {"Command2", "Command1", "Label8", "Label3", "Label7", "Label6", "Label5", "Label2", "Label1",
    "Image1"}},
  {"Form2",  "Alex",                         {407, 308},  {611, 462},  std::nullopt, std::nullopt, true,  false,
   {"Label3", "Label2", "Label1", "Label4", "Image1"}},
};

constexpr std::array kControls = std::to_array<ControlRow>({
  // window   control      at 96 dpi                  at 144 dpi                 to screen readers: role, name
  {"frmcal", "Cmdpersen", {232, 224,  57,  49},      {348, 336,  85,  74},      kButton,  "%"},
  {"frmcal", "cmdsq",     {160, 224,  57,  49},      {240, 336,  85,  74},      kButton,  "x^(Power)"},
  {"frmcal", "cmdcube",   { 88, 224,  57,  49},      {132, 336,  85,  74},      kButton,  "cube"},
  {"frmcal", "cmdSqu",    { 16, 224,  57,  49},      { 24, 336,  85,  74},      kButton,  "Square"},
  {"frmcal", "cmdsum",    { 16, 168,  57,  49},      { 24, 252,  85,  74},      kButton,  "+"},
  {"frmcal", "cmdsub",    { 88, 168,  57,  49},      {132, 252,  85,  74},      kButton,  "-"},
  {"frmcal", "cmdmul",    {160, 168,  57,  49},      {240, 252,  85,  74},      kButton,  "*"},
  {"frmcal", "cmddiv",    {232, 168,  57,  49},      {348, 252,  85,  74},      kButton,  "/"},
  {"frmcal", "cmdclr",    {296, 168,  97, 105},      {444, 252, 146, 158},      kButton,  "Clear"},
  {"frmcal", "txtnum",    { 16,  24, 385,  33},      { 24,  36, 578,  50},      kText,    "Entry"},
  {"frmcal", "Frame1",    {  8, 144, 393, 137},      { 12, 216, 590, 206},      kGroup,   "Pallete"},
  // A line covers the pixels it is drawn on, both ends included.
  {"frmcal", "Line4",     {400,  64,   1,  41},      {600,  96,   1,  61},      kLine,    ""},
  {"frmcal", "Line3",     { 16,  64, 385,   1},      { 24,  96, 577,   1},      kLine,    ""},
  {"frmcal", "Line2",     { 16,  63,   1,  42},      { 24,  94,   1,  63},      kLine,    ""},
  {"frmcal", "Line1",     { 16, 104, 385,   1},      { 24, 156, 577,   1},      kLine,    ""},
  {"frmcal", "LblSpc",    {368,  75,  33,  29},      {552, 112,  50,  44},      kStatic,  "Marker"},
  {"frmcal", "lblans",    { 19,  75, 350,  29},      { 29, 113, 525,  44},      kStatic,  "Result"},
  {"Form1",  "Command2",  {232, 144, 145,  33},      {348, 216, 218,  50},      kButton,  "Exit"},
  {"Form1",  "Command1",  { 32, 144, 145,  33},      { 48, 216, 218,  50},      kButton,  "More Details"},
  {"Form1",  "Label8",    {272, 248, kAuto, kAuto},  {408, 372, kAuto, kAuto},  kStatic,  "555-0142"},
  {"Form1",  "Label3",    {184, 272, kAuto, kAuto},  {276, 408, kAuto, kAuto},  kStatic,  "alex.quillby@example.com"},
  {"Form1",  "Label7",    {  8, 264, kAuto, kAuto},  { 12, 396, kAuto, kAuto},  kStatic,  "Eastbrook."},
  {"Form1",  "Label6",    {  8, 240, kAuto, kAuto},  { 12, 360, kAuto, kAuto},  kStatic,  "Larkspur Lane,"},
  {"Form1",  "Label5",    {  8, 216, kAuto, kAuto},  { 12, 324, kAuto, kAuto},  kStatic,  "221,"},
  {"Form1",  "Label2",    {  8, 192, kAuto, kAuto},  { 12, 288, kAuto, kAuto},  kStatic,  "Alex Quillby,"},
  {"Form1",  "Label1",    { 40,  16, 280, 117},      { 60,  24, 420, 176},      kStatic,  "Pellomar Cooperation"},
  {"Form1",  "Image1",    {328,  16,  89,  89},      {492,  24, 134, 134},      kPicture, ""},
  {"Form2",  "Label3",    {  8, 288, kAuto, kAuto},  { 12, 432, kAuto, kAuto},  kStatic,  "555-0142"},
  {"Form2",  "Label2",    {  8, 240, kAuto, kAuto},  { 12, 360, kAuto, kAuto},  kStatic,  "Class 12 B"},
  {"Form2",  "Label1",    {  8, 256,  57,  17},      { 12, 384,  86,  26},      kStatic,  "2009 A/L"},
  {"Form2",  "Label4",    {  8, 272, kAuto, kAuto},  { 12, 408, kAuto, kAuto},  kStatic,  "Eastbrook Grammar School"},
  // The picture reaches beyond the client area, which cuts it off.
  {"Form2",  "Image1",    {  0,   0, 408, 312},      {  0,   0, 612, 468},      kPicture, ""},
});

constexpr std::array kFonts = std::to_array<FontRow>({
  // window   control      face                     96  144  bold
  {"frmcal", "txtnum",    "MS Sans Serif",        18,  27, false},
  {"frmcal", "lblans",    "MS Sans Serif",        24,  36, false},
  {"frmcal", "LblSpc",    "MS Sans Serif",        24,  36, false},
  {"frmcal", "cmdsum",    "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmdsub",    "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmdmul",    "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmddiv",    "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmdclr",    "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmdSqu",    "Microsoft Sans Serif", 11,  17, false},
  {"frmcal", "cmdcube",   "MS Sans Serif",        11,  17, false},
  {"frmcal", "cmdsq",     "MS Sans Serif",        11,  17, false},
  {"frmcal", "Cmdpersen", "MS Sans Serif",        11,  17, false},
  {"frmcal", "Frame1",    "MS Sans Serif",        11,  17, false},
  {"Form1",  "Command2",  "MS Sans Serif",        11,  17, false},
  {"Form1",  "Command1",  "MS Sans Serif",        11,  17, false},
  {"Form1",  "Label8",    "Tahoma",               24,  36, true},
  {"Form1",  "Label3",    "Tahoma",               15,  23, true},
  {"Form1",  "Label7",    "Tahoma",               19,  29, true},
  {"Form1",  "Label6",    "Tahoma",               19,  29, true},
  {"Form1",  "Label5",    "Tahoma",               19,  29, true},
  {"Form1",  "Label2",    "Tahoma",               19,  29, true},
  {"Form1",  "Label1",    "Tahoma",               37,  56, true},
  {"Form2",  "Label3",    "MS Sans Serif",        13,  20, false},
  {"Form2",  "Label2",    "MS Sans Serif",        11,  17, false},
  {"Form2",  "Label1",    "MS Sans Serif",        11,  17, false},
  {"Form2",  "Label4",    "MS Sans Serif",        11,  17, false},
});

constexpr std::array kMenu = std::to_array<MenuRow>({
  // item        caption    shortcut
  {"mnfile",    "File",    ""},
  {"mnexit",    "Exit",    "Ctrl+Q"},
  {"mnedit",    "Edit",    ""},
  {"mnclear",   "Clear",   "Ctrl+C"},
  {"mnhelp",    "Help",    ""},
  {"mnhelpme",  "Help me", "F1"},
  {"mnabout",   "About",   "F2"},
});

constexpr std::array kTooltips = std::to_array<TooltipRow>({
  {"frmcal", "cmdsq", "First enter the number.Then enter the power."},
});
// clang-format on

}  // namespace

int EdgeTolerance(Backend backend, int dpi) {
  return backend == Backend::Qt && dpi != kStandardDpi ? 1 : 0;
}

bool Matches(const Rect& expected, const Rect& found, int tolerance) {
  const auto near = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  const bool cornerMatches = near(found.left, expected.left) && near(found.top, expected.top);
  if (expected.width == kSizedToText) {
    return cornerMatches && found.width > 0 && found.height > 0;
  }
  return cornerMatches && near(found.left + found.width, expected.left + expected.width) &&
         near(found.top + found.height, expected.top + expected.height);
}

const std::vector<Step>& LayoutSteps() {
  static const std::vector<Step> steps = {{Step::Kind::Click, "frmcal", "mnabout"},
                                          {Step::Kind::Click, "Form1", "Command1"}};
  return steps;
}

Marks LayoutMarks() {
  return {.scripted = kNoScreen};
}

std::span<const WindowRow> WindowRows() {
  return kWindows;
}
std::span<const ControlRow> ControlRows() {
  return kControls;
}
std::span<const FontRow> FontRows() {
  return kFonts;
}
std::span<const MenuRow> MenuRows() {
  return kMenu;
}
std::span<const TooltipRow> TooltipRows() {
  return kTooltips;
}

const Rect& RectAt(const ControlRow& row, int dpi) {
  return dpi == 144 ? row.at144 : row.at96;
}
const Size& ClientAt(const WindowRow& row, int dpi) {
  return dpi == 144 ? row.clientAt144 : row.clientAt96;
}
const std::optional<Point>& PlaceAt(const WindowRow& row, int dpi) {
  return dpi == 144 ? row.placeAt144 : row.placeAt96;
}
int FontPixelsAt(const FontRow& row, int dpi) {
  return dpi == 144 ? row.pixelsAt144 : row.pixelsAt96;
}

}  // namespace tests::behaviour
