// SendInput events: absolute mouse positions are in the 0..65535 range over the primary
// screen, which the driver sees in real pixels since it is aware of the dpi.
#include "tests/behaviour/win32/input.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tests::behaviour::win32 {
namespace {

INPUT KeyEvent(WORD key, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

INPUT MouseEvent(POINT screen, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  // The centre of the pixel, so that rounding cannot reach its neighbour.
  input.mi.dx = (screen.x * 65536 + 32768) / width;
  input.mi.dy = (screen.y * 65536 + 32768) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

struct RecentClick {
  POINT point;
  DWORD time;
};

// The clicks that a click now could still make a double click of.
std::vector<RecentClick> recentClicks;

// Two clicks close in time and place make a double click, and a text box that does not have
// the focus ignores one; the driver's clicks are single clicks, so a click close to a recent
// one moves a little sideways, out of the double-click rectangle.
POINT AwayFromRecentClicks(POINT screen) {
  const DWORD now = GetTickCount();
  std::erase_if(recentClicks, [now](const RecentClick& click) {
    return now - click.time > GetDoubleClickTime();
  });
  const int width = GetSystemMetrics(SM_CXDOUBLECLK);
  const int height = GetSystemMetrics(SM_CYDOUBLECLK);
  const auto nearARecentClick = [&](POINT point) {
    return std::ranges::any_of(recentClicks, [&](const RecentClick& click) {
      return std::abs(point.x - click.point.x) <= width &&
             std::abs(point.y - click.point.y) <= height;
    });
  };
  POINT point = screen;
  for (int step = 1; nearARecentClick(point); ++step) {
    // Right, left, further right, further left, ...
    point.x = screen.x + (step + 1) / 2 * (width + 1) * (step % 2 == 1 ? 1 : -1);
  }
  return point;
}

bool Send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool Press(Keystroke keystroke) {
  std::vector<INPUT> inputs;
  const auto withModifiers = [&inputs, &keystroke](DWORD up) {
    if (keystroke.ctrl) {
      inputs.push_back(KeyEvent(VK_CONTROL, 0, up));
    }
    if (keystroke.shift) {
      inputs.push_back(KeyEvent(VK_SHIFT, 0, up));
    }
  };
  withModifiers(0);
  const DWORD extended = keystroke.extended ? KEYEVENTF_EXTENDEDKEY : 0;
  inputs.push_back(KeyEvent(keystroke.key, 0, extended));
  inputs.push_back(KeyEvent(keystroke.key, 0, extended | KEYEVENTF_KEYUP));
  withModifiers(KEYEVENTF_KEYUP);
  return Send(inputs);
}

bool Type(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (const wchar_t character : text) {
    inputs.push_back(KeyEvent(0, character, KEYEVENTF_UNICODE));
    inputs.push_back(KeyEvent(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

bool MoveTo(POINT screen) {
  return Send({MouseEvent(screen, MOUSEEVENTF_MOVE)});
}

bool ClickAt(POINT screen) {
  const POINT point = AwayFromRecentClicks(screen);
  recentClicks.push_back({point, GetTickCount()});
  // Each event carries the point: a button event without one lands wherever the pointer is
  // by then, and Wine may still move the pointer on a late report of an earlier position.
  return Send({MouseEvent(point, MOUSEEVENTF_MOVE),
               MouseEvent(point, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN),
               MouseEvent(point, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)});
}

}  // namespace tests::behaviour::win32
