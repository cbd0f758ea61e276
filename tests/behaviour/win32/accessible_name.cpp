// AccessibleObjectFromWindow with IAccessible's interface id written out (accessible_id.h):
// Wine 8's proxy answers E_NOINTERFACE to the id that mingw-w64's libraries carry.
#include "tests/behaviour/win32/accessible_name.h"

#include "runtime/win32/accessible_id.h"

namespace tests::behaviour::win32 {
namespace {

// The object itself, not one of its children.
VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

}  // namespace

std::optional<AccessibleSeen> AccessibleOf(HWND control) {
  IAccessible* accessible = nullptr;
  if (control == nullptr ||
      FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        runtime::win32::kAccessibleInterface,
                                        reinterpret_cast<void**>(&accessible))) ||
      accessible == nullptr) {
    return std::nullopt;
  }
  AccessibleSeen seen;
  BSTR name = nullptr;
  if (SUCCEEDED(accessible->get_accName(Self(), &name)) && name != nullptr) {
    seen.name.assign(name, SysStringLen(name));
    SysFreeString(name);
  }
  BSTR description = nullptr;
  if (SUCCEEDED(accessible->get_accDescription(Self(), &description)) && description != nullptr) {
    seen.description.assign(description, SysStringLen(description));
    SysFreeString(description);
  }
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(accessible->get_accRole(Self(), &role)) && role.vt == VT_I4) {
    seen.role = role.lVal;
  }
  accessible->Release();
  return seen;
}

}  // namespace tests::behaviour::win32
