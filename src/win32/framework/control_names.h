#pragma once
// Names for the platform's own child controls where no label the platform reads stands beside them (the
// skins draw their labels into the background). The name is set as a direct annotation of the control's
// accessible object; a list box also carries it as its window text, which it never shows and which some
// accessibility layers read as its name.
#include <windows.h>
#include <oleacc.h>

#include <string_view>

#include "win32/framework/com_ptr.h"

namespace quendar::win32 {

class ControlNames {
 public:
  // Needs COM on this thread; without the platform's annotation service only list boxes get names.
  ControlNames();

  void Name(HWND control, std::wstring_view name);

 private:
  ComPtr<IAccPropServices> services_;
};

}  // namespace quendar::win32
