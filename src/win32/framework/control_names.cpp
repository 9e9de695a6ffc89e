#include "win32/framework/control_names.h"

#include <string>

namespace quendar::win32 {

namespace {

// Spelled out: MinGW's import library gives some of oleacc's ids wrong values.
constexpr CLSID kAccPropServices{0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

bool IsListBox(HWND control) {
  wchar_t name[16] = {};
  return ::GetClassNameW(control, name, 16) > 0 && ::lstrcmpiW(name, L"ListBox") == 0;
}

}  // namespace

ControlNames::ControlNames() {
  ::CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                     reinterpret_cast<void**>(services_.put()));
}

void ControlNames::Name(HWND control, std::wstring_view name) {
  if (control == nullptr) return;
  const std::wstring text(name);
  if (services_) {
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty, text.c_str());
  }
  if (IsListBox(control)) ::SetWindowTextW(control, text.c_str());
}

}  // namespace quendar::win32
