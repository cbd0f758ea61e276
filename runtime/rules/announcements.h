// What screen readers announce after a click, the same on every back end. A window's live
// labels are the labels a screen reader reads by a name of their own, with the caption the
// program rewrites as their description (the running result, "Result"). The focus never
// rests on a label, so a click that rewrites one announces the new texts of them all, once,
// when the click is over: the user hears the result of the button just pressed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/forms/window_description.h"

namespace runtime {

class Announcements {
 public:
  // The live labels of `description`, whose controls must outlive this.
  explicit Announcements(const WindowDescription& description);

  // Notes that `control` now shows `text`; only a live label's text counts.
  void Written(const Control& control, std::string_view text);

  // What to announce once a click is over: nothing when it wrote no live label, else every
  // live label's name and text in tab-index order, "Result 400, Marker %". A live label that
  // shows nothing is left out, but for the first, which is said to be empty: "Result empty".
  // Each click is announced once: the next call says nothing until a label is written again.
  [[nodiscard]] std::optional<std::string> TakeAfterClick();

  // The live label that carries the announcement where a platform speaks through one of the
  // window's own controls: the first; null in a window without one.
  [[nodiscard]] const Control* Carrier() const;

 private:
  struct LiveLabel {
    const Control* row;
    std::string text;
  };

  std::vector<LiveLabel> labels_;  // by tab index
  bool written_ = false;
};

}  // namespace runtime
