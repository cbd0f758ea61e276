// The driver's side of the probe hook: shared memory and an event named after this process,
// the hook set on the window's thread, and the question posted until the hook answers. A
// hook only starts to run in the other thread once that thread has noticed it, so the first
// question can pass unseen.
#include "tests/behaviour/win32/inside_view.h"

#include <algorithm>
#include <memory>
#include <span>

#include "tests/behaviour/win32/probe_reply.h"
#include "tests/behaviour/win32/wait.h"

namespace tests::behaviour::win32 {
namespace {

struct CloseHandleDeleter {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, CloseHandleDeleter>;

struct UnhookDeleter {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using Hook = std::unique_ptr<std::remove_pointer_t<HHOOK>, UnhookDeleter>;

struct UnmapDeleter {
  void operator()(const void* view) const { UnmapViewOfFile(view); }
};
using View = std::unique_ptr<const ProbeReply, UnmapDeleter>;

// The first `count` records of a reply's array, never more than it holds.
template <class Record, std::size_t kSize>
std::span<const Record> Filled(const Record (&records)[kSize], std::int32_t count) {
  return std::span(records).first(
      static_cast<std::size_t>(std::clamp(count, 0, static_cast<std::int32_t>(kSize))));
}

std::wstring NameFor(const wchar_t* prefix) {
  return prefix + std::to_wstring(GetCurrentProcessId());
}

}  // namespace

std::optional<InsideView> LookInside(HWND window, const std::wstring& hookLibrary,
                                     const InsideChange& change) {
  HMODULE library = LoadLibraryW(hookLibrary.c_str());
  const auto hookProcedure =
      library != nullptr ? reinterpret_cast<HOOKPROC>(
                               reinterpret_cast<void*>(GetProcAddress(library, kProbeProcedure)))
                         : nullptr;
  if (hookProcedure == nullptr) {
    return std::nullopt;
  }
  const Handle memory(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         sizeof(ProbeReply), NameFor(kReplyMemoryPrefix).c_str()));
  const Handle replied(CreateEventW(nullptr, FALSE, FALSE, NameFor(kReplyEventPrefix).c_str()));
  const Hook hook(SetWindowsHookExW(WH_GETMESSAGE, hookProcedure, library,
                                    GetWindowThreadProcessId(window, nullptr)));
  if (!memory || !replied || !hook) {
    return std::nullopt;
  }
  if (auto* request = static_cast<ProbeReply*>(
          MapViewOfFile(memory.get(), FILE_MAP_WRITE, 0, 0, sizeof(ProbeReply)))) {
    request->newDpi = change.newDpi;
    request->highlight = change.highlight.value_or(kNoColourChange);
    UnmapViewOfFile(request);
  } else {
    return std::nullopt;
  }
  const UINT question = RegisterWindowMessageW(kProbeMessage);
  const bool answered = WaitUntil([&] {
    PostMessageW(window, question, GetCurrentProcessId(), 0);
    return WaitForSingleObject(replied.get(), 100) == WAIT_OBJECT_0;
  });
  const View view(
      static_cast<const ProbeReply*>(MapViewOfFile(memory.get(), FILE_MAP_READ, 0, 0, 0)));
  if (!answered || !view) {
    return std::nullopt;
  }
  InsideView inside;
  for (const MenuItemRecord& record : Filled(view->menu, view->menuItems)) {
    inside.menu.push_back({record.depth, record.id, record.text});
  }
  inside.bigIcon = {view->bigIcon.width, view->bigIcon.print};
  inside.smallIcon = {view->smallIcon.width, view->smallIcon.print};
  for (const ControlFontRecord& record : Filled(view->fonts, view->controls)) {
    inside.fonts.push_back(
        {record.id, record.emHeight, record.weight, record.decorated != 0, record.face});
  }
  return inside;
}

}  // namespace tests::behaviour::win32
