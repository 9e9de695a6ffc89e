#include "win32/framework/dialog_template.h"

#include <cstring>

namespace quendar::win32 {

DialogTemplate::DialogTemplate(std::wstring_view title, DWORD style, DWORD exStyle, SIZE size,
                               std::wstring_view fontFace, WORD pointSize) {
  DLGTEMPLATE head{};
  head.style = style | DS_SETFONT;
  head.dwExtendedStyle = exStyle;
  head.cdit = 0;
  head.cx = static_cast<short>(size.cx);
  head.cy = static_cast<short>(size.cy);
  words_.resize(sizeof(head) / sizeof(WORD));
  std::memcpy(words_.data(), &head, sizeof(head));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the dialog class
  AppendString(title);
  words_.push_back(pointSize);
  AppendString(fontFace);
  // The vector's storage comes from the allocator, which aligns it for any fundamental type.
}

void DialogTemplate::AppendString(std::wstring_view text) {
  for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
  words_.push_back(0);
}

}  // namespace quendar::win32
