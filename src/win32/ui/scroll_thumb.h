#pragma once
// The scroll thumb of the main window's right column: the one real button of the program. It shows one of
// eight renderings built once from what the parent shows under it and the PNG resource 184 (standard,
// pressed, pointed-at through the brightening matrix, disabled through the grey matrix, and the alternate
// set, drawn one pixel down and right when pressed), and drags vertically inside its track, posting
// kThumbMovedMessage with its new top to the parent after every move.
//
//   ScrollThumb thumb;
//   if (auto failed = thumb.Create(mainWindow, {984, 32, 992, 146}, instance, kThumbId)) { ...failed->operation... }
//   thumb.MoveToInitial();     // back to where it was created (the upper page)
//   thumb.Enable(false);
//
// The parent answers WM_PRINTCLIENT by drawing its client area into the given context (what lies under the
// thumb); a parent that does not leaves black under the thumb's transparent pixels.
#include <windows.h>

#include <array>
#include <optional>
#include <span>

#include "core/ui/display_scale.h"
#include "core/ui/draw/thumb_drag.h"
#include "win32/framework/mouse_tracking.h"
#include "win32/framework/window.h"
#include "win32/res/resource_ids.h"
#include "win32/ui/dib.h"
#include "win32/ui/resource_image.h"

namespace quendar::win32 {

// wParam: the thumb's new top in the parent's logical pixels.
inline constexpr UINT kThumbMovedMessage = WM_USER + 0x720;
inline constexpr int kThumbImageResource = IDR_SCROLL_THUMB_PNG;
inline constexpr int kThumbDoubleImageResource = IDR_SCROLL_THUMB_2X_PNG;

class ScrollThumb : public MessageTableWindow<ScrollThumb> {
 public:
  enum class Rendering { Background, Standard, StandardPressed, StandardHover, Alternate, AlternatePressed,
                         AlternateHover, Disabled, Count };

  ScrollThumb() = default;
  ~ScrollThumb() override;

  // Needs a running GDI+; `resources` holds PNG resource 184 (and, for scales above 100 %, its double-size
  // drawing 185 when it has one). `rect` in the parent's logical pixels; the window has its device size.
  std::optional<ImageLoadError> Create(HWND parent, const ui::Rect& rect, ui::DisplayScale scale,
                                       HMODULE resources, int id);

  void MoveToInitial();
  void Enable(bool enabled);
  // Toggle mode: every press switches between the standard and the alternate set.
  void SetToggle(bool toggle) { toggle_ = toggle; }
  // Builds the renderings again on the next paint (the parent's look under the thumb changed).
  void RefreshBackground();

  // Where the thumb is now, in the parent's device pixels.
  ui::Rect rectInParent() const;
  Rendering shown() const { return shown_; }

  static std::span<const MessageEntry<ScrollThumb>> Messages();

 private:
  MessageResult OnEraseBackground(WPARAM, LPARAM) { return TRUE; }  // the renderings cover the whole thumb
  MessageResult OnPaint(WPARAM, LPARAM);
  MessageResult OnLeftButtonDown(WPARAM, LPARAM point);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM point);
  MessageResult OnMouseMove(WPARAM, LPARAM point);
  MessageResult OnLeftButtonUp(WPARAM, LPARAM);
  MessageResult OnCaptureChanged(WPARAM, LPARAM);
  MessageResult OnMouseHover(WPARAM, LPARAM);
  MessageResult OnMouseLeave(WPARAM, LPARAM);
  MessageResult OnEnable(WPARAM, LPARAM);
  void BuildRenderings();
  Rendering Choose() const;
  void Press(LPARAM lParam);
  void Drag(LPARAM lParam);
  void EndDrag();
  void Paint();

  ui::DisplayScale scale_;
  ui::Rect initial_;  // device pixels
  ui::Size imageSize_;  // device pixels
  std::vector<ui::Argb> image_;  // straight alpha, from the resource
  std::array<Dib32, static_cast<std::size_t>(Rendering::Count)> renderings_;
  bool built_ = false;
  bool toggle_ = false;
  bool alternate_ = false;
  bool pressed_ = false;
  bool hovering_ = false;
  Rendering shown_ = Rendering::Standard;
  MouseTracking tracking_;
  ui::ThumbDrag drag_;
};

}  // namespace quendar::win32
