// COM started once, in whichever apartment the thread has.
#include "runtime/win32/com.h"

#include "runtime/win32/system_library.h"

namespace runtime::win32 {

CoCreateInstanceFunction ComObjectFactory() {
  using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
  static const CoCreateInstanceFunction factory = []() -> CoCreateInstanceFunction {
    const auto initialize = SystemFunction<CoInitializeExFunction>(L"ole32.dll", "CoInitializeEx");
    const auto create = SystemFunction<CoCreateInstanceFunction>(L"ole32.dll", "CoCreateInstance");
    if (initialize == nullptr || create == nullptr) {
      return nullptr;
    }
    // A thread whose apartment someone else already set (RPC_E_CHANGED_MODE) makes objects
    // all the same, and the imaging component works in either. COM stays started for the
    // program's life, so nothing is uninitialised, least of all what another started.
    const HRESULT started = initialize(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE ? create : nullptr;
  }();
  return factory;
}

}  // namespace runtime::win32
