// The system's accessible object of a control, with the name and description of the shared
// rule and the role of its kind put in front of it.
#include "runtime/win32/screen_reader.h"

#include <oleacc.h>

#include <atomic>
#include <memory>
#include <string>

#include "runtime/rules/accessibility.h"
#include "runtime/win32/accessible_id.h"
#include "runtime/win32/com.h"
#include "runtime/win32/system_library.h"
#include "runtime/win32/text.h"

namespace runtime::win32 {
namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringFunction = BSTR(WINAPI*)(const OLECHAR*);

// The accessibility library's functions, loaded at the first question.
struct AccessibilityLibrary {
  CreateStdAccessibleObjectFunction standardObject;
  LresultFromObjectFunction answer;
  SysAllocStringFunction newString;
};

const AccessibilityLibrary& Library() {
  static const AccessibilityLibrary library{
      SystemFunction<CreateStdAccessibleObjectFunction>(L"oleacc.dll", "CreateStdAccessibleObject"),
      SystemFunction<LresultFromObjectFunction>(L"oleacc.dll", "LresultFromObject"),
      SystemFunction<SysAllocStringFunction>(L"oleaut32.dll", "SysAllocString")};
  return library;
}

// The dynamic annotation service and the property that makes an object a live region, written
// out as the system knows them; mingw-w64's headers lack the property.
// {B5F8350B-0548-48B1-A6EE-88BD00B4A5E7}
constexpr CLSID kAnnotationServices = {
    0xB5F8350B, 0x0548, 0x48B1, {0xA6, 0xEE, 0x88, 0xBD, 0x00, 0xB4, 0xA5, 0xE7}};
// {6E26E776-04F0-495D-80E4-3330352E3169}
constexpr IID kAnnotationInterface = {
    0x6E26E776, 0x04F0, 0x495D, {0x80, 0xE4, 0x33, 0x30, 0x35, 0x2E, 0x31, 0x69}};
// {C12BCD8E-2A8E-4950-8AE7-3625111D58EB}
constexpr MSAAPROPID kLiveSettingProperty = {
    0xC12BCD8E, 0x2A8E, 0x4950, {0x8A, 0xE7, 0x36, 0x25, 0x11, 0x1D, 0x58, 0xEB}};
// The live setting of a region whose changes wait until the screen reader is done speaking.
constexpr LONG kPolite = 1;

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// What the rule says of one control, copied out, so that an object a screen reader still
// holds outlives the window safely.
struct Said {
  HWND control;
  std::wstring name;
  LONG role;
  bool captionDescribes;
  std::shared_ptr<const LiveRegion> live;  // the carrier of announcements only
};

// The rule's role in MSAA's terms, said by the program itself: Windows' own objects say the
// same of buttons, labels and frames, but not every system's do (Wine's call all but the text
// box a client area), and a line or a picture is a static to them.
LONG MsaaRoleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Text:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::StaticText:
      return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::PushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Grouping:
      return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::Graphic:
      return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::Separator:
      return ROLE_SYSTEM_SEPARATOR;
  }
  return ROLE_SYSTEM_CLIENT;
}

Said SaidOf(const ChildControl& control) {
  const Accessibility rule = AccessibilityOf(*control.row);
  return {control.handle, ToWide(rule.name), MsaaRoleOf(rule.role), rule.captionDescribes,
          control.live};
}

// COM interfaces have no virtual destructor by design: an object deletes itself in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The system's object with the rule's name, role and description in front. Everything else
// is the system's.
class RuledAccessible final : public IAccessible {
 public:
  RuledAccessible(IAccessible* system, Said said) : system_(system), said_(std::move(said)) {}
  ~RuledAccessible() { system_->Release(); }
  RuledAccessible(const RuledAccessible&) = delete;
  RuledAccessible& operator=(const RuledAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
        IsEqualIID(id, kAccessibleInterface)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return system_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return system_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return system_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    return system_->Invoke(member, id, locale, flags, parameters, result, exception, badArgument);
  }

  // IAccessible: the rule's three answers, and the latest announcement as the carrier's name.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) {
      return system_->get_accName(child, name);
    }
    if (said_.live != nullptr && !said_.live->words.empty()) {
      return Text(said_.live->words, name);
    }
    return Text(said_.name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) {
      return system_->get_accRole(child, role);
    }
    if (role == nullptr) {
      return E_POINTER;
    }
    role->vt = VT_I4;
    role->lVal = said_.role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!IsSelf(child) || !said_.captionDescribes) {
      return system_->get_accDescription(child, description);
    }
    // The caption as it is now: the program rewrites it as it runs.
    return Text(WindowText(said_.control), description);
  }

  // IAccessible: the system's answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return system_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return system_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return system_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return system_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return system_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return system_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return system_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return system_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return system_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return system_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return system_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return system_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return system_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return system_->put_accValue(child, value);
  }

 private:
  // A text for the caller, who frees it; none (S_FALSE) for an empty one.
  static HRESULT Text(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
      return E_POINTER;
    }
    if (text.empty()) {
      *out = nullptr;
      return S_FALSE;
    }
    *out = Library().newString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  IAccessible* system_;
  Said said_;
  std::atomic<ULONG> references_{1};
};

#pragma GCC diagnostic pop

// The answer to WM_GETOBJECT for the control's client object; 0 to let the system answer.
LRESULT Answer(const ChildControl& control, WPARAM flags) {
  const AccessibilityLibrary& library = Library();
  if (library.standardObject == nullptr || library.answer == nullptr ||
      library.newString == nullptr || ComObjectFactory() == nullptr) {
    return 0;
  }
  IAccessible* system = nullptr;
  if (FAILED(library.standardObject(control.handle, OBJID_CLIENT, kAccessibleInterface,
                                    reinterpret_cast<void**>(&system)))) {
    return 0;
  }
  auto* ruled = new RuledAccessible(system, SaidOf(control));
  const LRESULT answer = library.answer(kAccessibleInterface, flags, ruled);
  ruled->Release();
  return answer > 0 ? answer : 0;
}

// Asks the system to treat the carrier as a polite live region. A system without the
// annotation service, or one that refuses (Wine answers E_NOTIMPL), still hears each change.
void MarkPoliteLiveRegion(HWND carrier) {
  const CoCreateInstanceFunction create = ComObjectFactory();
  IAccPropServices* services = nullptr;
  if (create == nullptr ||
      FAILED(create(kAnnotationServices, nullptr, CLSCTX_INPROC_SERVER, kAnnotationInterface,
                    reinterpret_cast<void**>(&services))) ||
      services == nullptr) {
    return;
  }
  VARIANT polite{};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  (void)services->SetHwndProp(carrier, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
  services->Release();
}

LRESULT CALLBACK AnsweringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* control =
      reinterpret_cast<const ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // The carrier is marked at the first question of any kind, before it is answered; the flag
  // is set first, so a question asked while the mark is made does not mark it again.
  if (message == WM_GETOBJECT && control->live != nullptr && !control->live->marked) {
    control->live->marked = true;
    MarkPoliteLiveRegion(window);
  }
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
    if (const LRESULT answer = Answer(*control, wParam); answer != 0) {
      return answer;
    }
  }
  return CallWindowProcW(control->systemProcedure, window, message, wParam, lParam);
}

}  // namespace

bool AnswerScreenReaders(ChildControl& control) {
  SetLastError(ERROR_SUCCESS);
  SetWindowLongPtrW(control.handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
  control.systemProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      control.handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnsweringProcedure)));
  return control.systemProcedure != nullptr;
}

void CarryAnnouncements(ChildControl& control) {
  control.live = std::make_shared<LiveRegion>();
}

void Announce(ChildControl& carrier, std::string_view words) {
  carrier.live->words = ToWide(words);
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, carrier.handle, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace runtime::win32
