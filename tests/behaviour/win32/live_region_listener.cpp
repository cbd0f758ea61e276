// The live-region hook, and reading the words from the object an event names.
#include "tests/behaviour/win32/live_region_listener.h"

#include <oleacc.h>

#include "runtime/win32/text.h"

namespace tests::behaviour::win32 {
namespace {

// The object's name, as the screen reader reads it once told of the change; a note of what
// went wrong when the object does not answer, so that a row shows it.
std::string NameOf(HWND window, LONG object, LONG child) {
  IAccessible* accessible = nullptr;
  VARIANT which;
  VariantInit(&which);
  const HRESULT found = AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                                  static_cast<DWORD>(child), &accessible, &which);
  if (FAILED(found) || accessible == nullptr) {
    return "(no MSAA object: " + std::to_string(found) + ")";
  }
  BSTR name = nullptr;
  const HRESULT named = accessible->get_accName(which, &name);
  std::wstring words;
  if (name != nullptr) {
    words.assign(name, SysStringLen(name));
    SysFreeString(name);
  }
  VariantClear(&which);
  accessible->Release();
  return FAILED(named) ? "(no MSAA name: " + std::to_string(named) + ")"
                       : runtime::win32::ToUtf8(words);
}

}  // namespace

LiveRegionListener::LiveRegionListener(DWORD processId, HWND carrier) : carrier_(carrier) {
  // Out-of-context events come through this thread's message queue, made here if it has none.
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  hook_ = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                          &LiveRegionListener::OnEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
  listening_ = this;
}

LiveRegionListener::~LiveRegionListener() {
  if (hook_ != nullptr) {
    UnhookWinEvent(hook_);
  }
  if (listening_ == this) {
    listening_ = nullptr;
  }
}

void LiveRegionListener::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void CALLBACK LiveRegionListener::OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                          LONG child, DWORD /*thread*/, DWORD /*time*/) {
  LiveRegionListener* listener = listening_;
  if (listener == nullptr || hook != listener->hook_ || event != EVENT_OBJECT_LIVEREGIONCHANGED) {
    return;
  }
  // Only the calculator's result label carries announcements: a change said by any other
  // control is heard too, marked, so that a row sees it said twice.
  const std::string words = NameOf(window, object, child);
  listener->heard_.push_back(window == listener->carrier_ ? words : "(another control) " + words);
}

}  // namespace tests::behaviour::win32
