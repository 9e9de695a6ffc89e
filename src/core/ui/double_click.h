#pragma once
// What the second press of a double click means, by the kind of control it lands on. The windows take
// double clicks (the system dialog class asks for them), so the second press arrives as a double-click
// message; handling it as one more press would start and at once stop a recording, add two macros, or
// flip a switch back. One rule for the whole program:
//   - the scroll thumb: a press like any other (a quick second grab still drags);
//   - list boxes: their own double-click action (rename a macro or a profile, edit a delay);
//   - every other control (image buttons, section titles, switches, radio rows, arrows, sliders, the
//     window's drag areas): nothing; the first press did the work.
namespace quendar::ui {

enum class ClickTarget { ScrollThumb, ListBox, Surface };

enum class SecondPress { Press, ListDoubleClick, Ignore };

constexpr SecondPress SecondPressOn(ClickTarget target) {
  switch (target) {
    case ClickTarget::ScrollThumb: return SecondPress::Press;
    case ClickTarget::ListBox: return SecondPress::ListDoubleClick;
    case ClickTarget::Surface: return SecondPress::Ignore;
  }
  return SecondPress::Ignore;
}

}  // namespace quendar::ui
