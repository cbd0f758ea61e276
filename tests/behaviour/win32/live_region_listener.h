// A screen reader's way of hearing the program's announcements: it listens, out of context,
// for the live-region changes the program's process raises and reads the words from the
// changed object's MSAA name, as NVDA and Narrator speak them. The events wait in this
// thread's message queue until it is pumped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tests::behaviour::win32 {

class LiveRegionListener {
 public:
  // Listens to the process `processId`, keeping what `carrier`'s changes say, and what any
  // other's say marked as such. One listener at a time, on the thread that pumps for it.
  LiveRegionListener(DWORD processId, HWND carrier);
  ~LiveRegionListener();
  LiveRegionListener(const LiveRegionListener&) = delete;
  LiveRegionListener& operator=(const LiveRegionListener&) = delete;

  // False when the system refused to listen.
  [[nodiscard]] bool Listening() const { return hook_ != nullptr; }

  // Hears every event that has reached this thread's queue.
  void Pump();

  // What was heard, oldest first, and forgetting it.
  [[nodiscard]] const std::vector<std::string>& Heard() const { return heard_; }
  void Forget() { heard_.clear(); }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                               LONG child, DWORD thread, DWORD time);

  static inline LiveRegionListener* listening_ = nullptr;

  HWND carrier_;
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<std::string> heard_;
};

}  // namespace tests::behaviour::win32
