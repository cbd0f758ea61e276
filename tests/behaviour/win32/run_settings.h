// What a run of the Windows driver is given on its command line: the program under test,
// the probe hook's library beside the driver, the folder for the screenshots, and the dots
// per inch of the screen the run is made for.
#pragma once

#include <string>

namespace tests::behaviour::win32 {

struct RunSettings {
  std::wstring program;
  std::wstring hookLibrary;
  std::wstring pictures;
  int dpi = 0;
};

// The run's settings, set once by the driver's main before the first test.
[[nodiscard]] RunSettings& Settings();

}  // namespace tests::behaviour::win32
