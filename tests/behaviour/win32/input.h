// Real input, as the user gives it: key presses and mouse clicks through SendInput. Input
// goes to the foreground window, so a caller first brings the right window to the front.
#pragma once

#include <windows.h>

#include <string_view>

namespace tests::behaviour::win32 {

struct Keystroke {
  WORD key;  // a virtual-key code: 'C', VK_TAB, VK_F2
  bool ctrl = false;
  bool shift = false;
  bool extended = false;  // the keypad's Enter, say, beside the main keyboard's
};

// Presses and releases the key, holding its modifiers around it. False when the system did
// not take the input.
bool Press(Keystroke keystroke);

// Types each character as the keyboard's Unicode packet, whatever the keyboard layout.
bool Type(std::wstring_view text);

// Moves the mouse to a point of the screen, then clicks the left button there.
bool MoveTo(POINT screen);
bool ClickAt(POINT screen);

}  // namespace tests::behaviour::win32
