// The Win32 back end's program-wide part.
#include "runtime/win32/win32_forms.h"

#include <cstdio>

#include "runtime/win32/control_ids.h"
#include "runtime/win32/last_error.h"
#include "runtime/win32/text.h"
#include "runtime/win32/win32_window.h"

namespace runtime::win32 {
namespace {

// The exit code when the system's message queue fails under a running program: neither a
// failed start nor the program's own end.
constexpr int kMessageQueueFailedExitCode = 2;

BOOL CALLBACK HideIfOurs(HWND window, LPARAM /*unused*/) {
  if (Win32Window::Of(window) != nullptr) {
    ShowWindow(window, SW_HIDE);
  }
  return TRUE;
}

}  // namespace

Win32Forms::Win32Forms(const Project& project) : title_(ToWide(project.title)) {}

std::unique_ptr<Window> Win32Forms::NewWindow(const WindowDescription& description,
                                              std::vector<Binding> bindings) {
  return std::make_unique<Win32Window>(description, std::move(bindings), *this);
}

int Win32Forms::Run() {
  MSG message{};
  while (true) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      return static_cast<int>(message.wParam);
    }
    if (got == -1) {
      std::fprintf(stderr, "pellomar: the message queue failed (error 0x%08lX).\n",
                   static_cast<unsigned long>(GetLastError()));
      return kMessageQueueFailedExitCode;
    }
    // Keys go to our window's shortcuts first, so they win over the focused control (Ctrl+C
    // never reaches the entry), then to the keyboard rule (Enter, Esc and the arrows), then to
    // the dialog keys, which move the focus on Tab.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Win32Window* form = Win32Window::Of(root)) {
      if (form->Accelerators() != nullptr &&
          TranslateAcceleratorW(root, form->Accelerators(), &message) != 0) {
        continue;
      }
      if (form->AnswerKey(message) || IsDialogMessageW(root, &message) != 0) {
        continue;
      }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Forms::EndProgram() {
  EnumThreadWindows(GetCurrentThreadId(), HideIfOurs, 0);
  PostQuitMessage(0);
}

void Win32Forms::ReportStartFailure(const std::exception& error) {
  MessageBoxW(nullptr, ToWide(error.what()).c_str(), title_.c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void Win32Forms::Report(HWND window, const std::exception& error) const {
  HWND owner = window != nullptr && IsWindowVisible(window) != FALSE ? window : nullptr;
  MessageBoxW(owner, ToWide(error.what()).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

Status Win32Forms::PrepareProcess() {
  // A program run from a downloads folder must not load a planted copy of a system library.
  if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    shortfalls_.Note(Shortfall::DllSearchPath, GetLastError());
  }
  // The manifest declares it too, and then the system refuses to set it again: what counts
  // is that the windows end up aware of each screen's dpi.
  if (!SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
    const DWORD refused = GetLastError();
    if (GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) !=
        DPI_AWARENESS_PER_MONITOR_AWARE) {
      shortfalls_.Note(Shortfall::DpiAwareness, refused);
    }
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Win32Window::Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName.data();
  return RegisterClassExW(&windowClass) != 0 ? kOk : LastErrorStatus();
}

}  // namespace runtime::win32
