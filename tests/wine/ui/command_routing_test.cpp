// WM_COMMAND reaches the handler of its control id and notification code; a control's notification
// (a list's selection change, an edit box losing focus) never runs the command handler of the same id.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win32/framework/command_routing.h"

namespace quendar::test {
namespace {

constexpr WORD kList = 121;
constexpr WORD kSave = 122;

struct Handlers {
  std::string log;
  void OnSave() { log += "save "; }
  void OnListCommand() { log += "list-command "; }
  void OnSelectionChange(HWND control) { log += "selection:" + std::to_string(reinterpret_cast<INT_PTR>(control)) + " "; }
  void OnListFocusLost(HWND) { log += "focus-lost "; }

  static std::span<const win32::CommandEntry<Handlers>> Commands() {
    static const win32::CommandEntry<Handlers> table[] = {{kSave, &Handlers::OnSave}, {kList, &Handlers::OnListCommand}};
    return table;
  }
  static std::span<const win32::NotificationEntry<Handlers>> Notifications() {
    static const win32::NotificationEntry<Handlers> table[] = {
        {kList, LBN_SELCHANGE, &Handlers::OnSelectionChange},
        {kList, LBN_KILLFOCUS, &Handlers::OnListFocusLost},
    };
    return table;
  }
};

TEST(CommandRouting, ByControlIdAndNotificationCode) {
  struct Case {
    WORD id;
    WORD code;
    LPARAM control;
    bool routed;
    const char* log;
  };
  const Case cases[] = {
      {kSave, BN_CLICKED, 0x55, true, "save "},
      {kSave, 1, 0, true, "save "},                           // an accelerator
      {kList, LBN_SELCHANGE, 0x77, true, "selection:119 "},   // the control's handle is passed on
      {kList, LBN_KILLFOCUS, 0x77, true, "focus-lost "},
      {kList, LBN_DBLCLK, 0x77, false, ""},                   // a notification nobody listens to
      {kList, 0, 0, true, "list-command "},                   // a menu item of the same id
      {kSave, EN_CHANGE, 0x55, false, ""},
      {999, 0, 0, false, ""},
  };
  for (const Case& c : cases) {
    Handlers handlers;
    const bool routed = win32::RouteCommand(handlers, win32::CommandsOf<Handlers>(), win32::NotificationsOf<Handlers>(),
                                            MAKEWPARAM(c.id, c.code), c.control);
    EXPECT_EQ(routed, c.routed) << c.id << "/" << c.code;
    EXPECT_EQ(handlers.log, c.log) << c.id << "/" << c.code;
  }
}

}  // namespace
}  // namespace quendar::test
