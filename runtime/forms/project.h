// The project description the program hands to the forms runtime at start.
#pragma once

#include <string_view>

namespace runtime {

struct Project {
  std::string_view title;          // the application title: message boxes, the task list
  std::string_view description;    // one sentence describing the program
  std::string_view applicationId;  // reverse-DNS: names the desktop entry and icon on Linux
};

}  // namespace runtime
