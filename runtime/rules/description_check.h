// Checks a window description and its click bindings before a back end builds the window:
// the slips a hand-written table invites, reported as sentences.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "runtime/forms/forms.h"
#include "runtime/forms/window_description.h"

namespace runtime {

// Returns one sentence per problem, empty when the description is sound: names unique and
// given, each tab index once and together 0 to n-1, no tab index on lines and pictures,
// fonts given, lines with end points and the rest with boxes, menus well nested, shortcuts
// readable and unique, and every binding on a button or menu item that exists, once, with a
// handler.
[[nodiscard]] std::vector<std::string> CheckDescription(const WindowDescription& description,
                                                        std::span<const Binding> bindings);

}  // namespace runtime
