#include "win32/profiles_ui/help_dialog.h"

#include <shellapi.h>

#include <string>

#include "core/ui/help/help_panel.h"
#include "core/ui/skin_manifest.h"
#include "win32/res/resource_ids.h"

namespace quendar::win32 {

namespace help = ui::help;

void OpenWebAddress(HWND owner, std::wstring_view address) {
  const std::wstring target(address);
  ::ShellExecuteW(owner, help::kOpenVerb.data(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

SkinnedDialogLayout HelpDialog::Layout(const Skin& skin) {
  const ui::LanguageClass language = skin.settings().language;
  SkinnedDialogLayout layout;
  layout.kind = ui::DialogKind::Help;
  layout.title = L"Help";
  layout.templateId = IDD_HELP_DIALOG;
  layout.background = std::string(ui::skin::kHelpDialog.name);
  layout.backgroundErrorCaption = L"Help Dialog Load background image failed!!!";
  layout.buttons = help::HelpButtons(language);
  return layout;
}

HelpDialog::HelpDialog(Skin& skin, HelpDialogContext context)
    : SkinnedTableDialog(skin, Layout(skin)), context_(std::move(context)) {}

std::span<const MessageEntry<HelpDialog>> HelpDialog::Messages() {
  static const MessageEntry<HelpDialog> table[] = {{WM_DESTROY, &HelpDialog::OnDestroy}};
  return table;
}

bool HelpDialog::Open(HINSTANCE instance) {
  if (CreateModeless(instance, context_.mainWindow) == nullptr) return false;
  ::SetWindowTextW(hwnd(), layout().title.c_str());  // the templates carry no caption
  PlaceInMainWindow();
  TakeKeyboard();
  return true;
}

void HelpDialog::PlaceInMainWindow() {
  RECT mainClient{};
  ::GetClientRect(context_.mainWindow, &mainClient);
  RECT self{};
  ::GetWindowRect(hwnd(), &self);
  const ui::Point at = help::Placement({mainClient.right, mainClient.bottom},
                                       {self.right - self.left, self.bottom - self.top});
  ::SetWindowPos(hwnd(), HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE);
}

void HelpDialog::AppendTexts(ui::DrawList& list) { help::AppendTexts(list); }

ui::DialogParts HelpDialog::DescribeParts() { return help::HelpParts(skin().settings().language); }

void HelpDialog::OnImageButton(int) { Close(IDCANCEL); }

void HelpDialog::OnPress(ui::Point point) {
  if (help::ActionFor(help::HitTest(point)) != help::HelpAction::OpenAddress) return;
  if (context_.openAddress) {
    context_.openAddress(help::WebAddress());
  } else {
    OpenWebAddress(hwnd(), help::WebAddress());
  }
}

MessageResult HelpDialog::OnDestroy(WPARAM, LPARAM) {
  if (context_.onClosed) context_.onClosed();
  return std::nullopt;
}

}  // namespace quendar::win32
