// The sentences of the shortfalls and their one line each on standard error.
#include "runtime/win32/shortfalls.h"

#include <cstdio>

namespace runtime::win32 {
namespace {

const char* Describe(Shortfall what) {
  switch (what) {
    case Shortfall::DllSearchPath:
      return "system libraries are not restricted to the system folder";
    case Shortfall::DpiAwareness:
      return "the windows are not aware of the screen's dpi";
    case Shortfall::CommonControls:
      return "the common controls could not be loaded";
    case Shortfall::Tooltips:
      return "the tooltips could not be made";
    case Shortfall::Shortcuts:
      return "the menu shortcuts could not be made";
    case Shortfall::Fonts:
      return "a font could not be made";
    case Shortfall::Icons:
      return "a window icon could not be made";
    case Shortfall::Pictures:
      return "a picture could not be decoded";
    case Shortfall::kCount:
      break;
  }
  return "a part of the program could not be set up";
}

}  // namespace

void ShortfallLog::Note(Shortfall what, DWORD error) {
  const auto kind = static_cast<std::size_t>(what);
  if (told_.test(kind)) {
    return;
  }
  told_.set(kind);
  std::fprintf(stderr, "pellomar: %s (error 0x%08lX); the program goes on without it.\n",
               Describe(what), static_cast<unsigned long>(error));
}

}  // namespace runtime::win32
