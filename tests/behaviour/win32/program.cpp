// Starting the program, finding its windows among the desktop's and ending it by its handle.
#include "tests/behaviour/win32/program.h"

#include <algorithm>
#include <cstdio>

#include "runtime/win32/control_ids.h"
#include "runtime/win32/text.h"
#include "tests/behaviour/win32/wait.h"
#include "tests/behaviour/win32/window_access.h"
#include "ui/frmcal/frmcal_description.h"

namespace tests::behaviour::win32 {
namespace {

// The exit code that marks a program this driver ended, in its own log and Wine's.
constexpr UINT kEndedByTheTests = 99;

struct Search {
  DWORD processId;
  std::wstring className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<Search*>(search);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[64] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  if (processId == wanted.processId &&
      (wanted.className.empty() || lstrcmpiW(className, wanted.className.c_str()) == 0)) {
    wanted.found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> WindowsTitled(const std::vector<HWND>& windows, std::string_view title) {
  const std::wstring wanted = runtime::win32::ToWide(title);
  std::vector<HWND> titled;
  std::ranges::copy_if(windows, std::back_inserter(titled),
                       [&wanted](HWND window) { return TitleOf(window) == wanted; });
  return titled;
}

}  // namespace

std::unique_ptr<Program> Program::Start(const std::wstring& path, std::string& error) {
  // Under load, Wine now and then breaks one start of many in a row: it refuses to create the
  // process (ERROR_INTERNAL_ERROR), or the process comes up without working windows and ends
  // at once. Either is tried again a moment later and said on standard error; a program that
  // never comes up fails all three tries.
  bool again = true;
  for (int attempt = 0; attempt < 3 && again; ++attempt) {
    if (attempt > 0) {
      std::fprintf(stderr, "%s; starting it again\n", error.c_str());
      Sleep(500);
    }
    if (std::unique_ptr<Program> program = TryStart(path, error, again)) {
      return program;
    }
  }
  return nullptr;
}

std::unique_ptr<Program> Program::TryStart(const std::wstring& path, std::string& error,
                                           bool& again) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::wstring commandLine = L"\"" + path + L"\"";
  if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &started) == FALSE) {
    error = "cannot start " + runtime::win32::ToUtf8(path) + " (error " +
            std::to_string(GetLastError()) + ")";
    return nullptr;
  }
  CloseHandle(started.hThread);
  std::unique_ptr<Program> program(new Program(started));
  const auto calculatorInFront = [&program] {
    HWND calculator = program->Window(ui::frmcal::kDescription);
    return !program->Running() || (calculator != nullptr && IsWindowVisible(calculator) != FALSE &&
                                   GetForegroundWindow() == calculator);
  };
  const bool settled = WaitUntil(calculatorInFront);
  if (!program->Running()) {
    DWORD exitCode = 0;
    GetExitCodeProcess(program->process_, &exitCode);
    error = "the program ended at start with exit code " + std::to_string(exitCode);
    return nullptr;
  }
  if (!settled) {
    error = "the calculator window did not come up in front";
    again = false;
    return nullptr;
  }
  return program;
}

Program::Program(const PROCESS_INFORMATION& started)
    : process_(started.hProcess), processId_(started.dwProcessId) {}

Program::~Program() {
  if (Running()) {
    TerminateProcess(process_, kEndedByTheTests);
    WaitForSingleObject(process_, INFINITE);
  }
  CloseHandle(process_);
}

std::vector<HWND> Program::WindowsOfClass(std::wstring_view className) const {
  Search search{processId_, std::wstring(className), {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::Window(const runtime::WindowDescription& description) const {
  const std::vector<HWND> titled =
      WindowsTitled(WindowsOfClass(runtime::win32::kFormClassName), description.properties.title);
  return titled.empty() ? nullptr : titled.front();
}

int Program::CountWindows(const runtime::WindowDescription& description) const {
  return static_cast<int>(
      WindowsTitled(WindowsOfClass(runtime::win32::kFormClassName), description.properties.title)
          .size());
}

bool Program::Running() const {
  return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(std::chrono::milliseconds deadline) const {
  if (WaitForSingleObject(process_, static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process_, &exitCode);
  return exitCode;
}

}  // namespace tests::behaviour::win32
