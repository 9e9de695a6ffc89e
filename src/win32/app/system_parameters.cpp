#include "win32/app/system_parameters.h"

#include <string>

namespace quendar::win32 {

bool Win32SystemParameters::Apply(const app::SystemParameterCall& call) {
  std::array<int, 3> triple = call.triple;
  void* pointerParam = nullptr;
  switch (call.pointerParam) {
    case app::SpiPointerParam::Triple:
      pointerParam = triple.data();
      break;
    case app::SpiPointerParam::Value:
      pointerParam = reinterpret_cast<void*>(call.value);
      break;
    case app::SpiPointerParam::None:
      break;
  }
  return ::SystemParametersInfoW(static_cast<UINT>(call.action), call.uiParam, pointerParam, call.updateFlags) !=
         FALSE;
}

}  // namespace quendar::win32
