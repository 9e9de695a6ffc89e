#include "win32/framework/list_box.h"
#include "win32/profiles_ui/profile_manager_dialog.h"

#include <windowsx.h>

#include <string>
#include <type_traits>
#include <variant>

#include "core/app/app_messages.h"
#include "core/ui/profile_manager/profile_manager_texts.h"
#include "core/ui/profile_manager/profile_manager_view.h"
#include "core/ui/skin_manifest.h"
#include "win32/res/resource_ids.h"
#include "win32/framework/list_box_editor.h"
#include "win32/ui/painter.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {
// The main window's profile message takes the request as its first argument.
WPARAM ProfileMessageArgument(ui::profile_manager::ProfileRequest request) {
  switch (request) {
    case ui::profile_manager::ProfileRequest::Import: return app::kProfileImport;
    case ui::profile_manager::ProfileRequest::Export: return app::kProfileExport;
    case ui::profile_manager::ProfileRequest::Reload: break;
  }
  return app::kProfileReload;
}
}  // namespace

namespace pm = ui::profile_manager;

namespace {

constexpr int kItemHeight = 24;
// Posted by the rename editor when its edit ended.
constexpr UINT kRenameEndedMessage = WM_APP + 0x151;

HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

}  // namespace

SkinnedDialogLayout ProfileManagerDialog::Layout(const Skin& skin) {
  SkinnedDialogLayout layout;
  layout.kind = ui::DialogKind::ProfileManager;
  layout.title = std::wstring(pm::TextsFor(skin.settings().language).title);
  layout.templateId = IDD_PROFILE_MANAGER;
  layout.background = std::string(ui::skin::kProfileManagerDialog.name);
  layout.backgroundErrorCaption = L"Config Dialog Load background image failed!!!";
  layout.buttons = pm::ManagerButtons();
  return layout;
}

ProfileManagerDialog::ProfileManagerDialog(Skin& skin, ProfileManagerContext context)
    : SkinnedTableDialog(skin, Layout(skin)),
      context_(std::move(context)),
      model_(*context_.files, context_.listFile, skin.settings().language, *context_.currentProfileIndex) {}

ProfileManagerDialog::~ProfileManagerDialog() = default;

bool ProfileManagerDialog::Open(HINSTANCE instance) {
  if (CreateModeless(instance, context_.mainWindow) == nullptr) return false;
  ::SetWindowTextW(hwnd(), layout().title.c_str());  // the templates carry no caption
  const ui::Point at = scale().ToDevice(pm::kPlacement);
  ::SetWindowPos(hwnd(), HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE);
  TakeKeyboard();
  return true;
}

void ProfileManagerDialog::OnSkinnedInit() {
  MakeTranslucent();
  CreateListBox();
  model_.Open();
  SyncListBox();
}

void ProfileManagerDialog::MakeTranslucent() {
  // Child windows take the layered style from Windows 8 on (the manifest says the program knows them);
  // where the platform refuses it the manager is simply opaque.
  const LONG_PTR exStyle = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  if (!::SetLayeredWindowAttributes(hwnd(), 0, pm::kConstantAlpha, LWA_ALPHA)) {
    ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle);
  }
}

void ProfileManagerDialog::CreateListBox() {
  list_ = CreateControl(L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                        pm::kListBox, pm::kListBoxId);
  itemFonts_.Set(ui::FontRole::Dialog, font());
  listBrush_.reset(::CreateSolidBrush(ToColorRef(pm::kItemBackColor)));
}

void ProfileManagerDialog::AppendTexts(ui::DrawList& list) {
  const pm::ManagerTexts& texts = pm::TextsFor(model_.language());
  pm::AppendTexts(list, texts, skin().settings().textColor);
}

ui::DialogParts ProfileManagerDialog::DescribeParts() { return pm::ManagerParts(pm::TextsFor(model_.language())); }

void ProfileManagerDialog::OnImageButton(int id) {
  if (id == pm::kCloseButtonId) Carry(model_.OnClose());
}

void ProfileManagerDialog::OnPress(ui::Point point) {
  if (pm::HitTest(point) == pm::ManagerHit::New) Carry(model_.OnNew());
}

void ProfileManagerDialog::OnCloseRequest() {
  // Only the platform asks (a child has no close box): the same as the close button.
  Carry(model_.OnClose());
}

std::span<const NotificationEntry<ProfileManagerDialog>> ProfileManagerDialog::Notifications() {
  static const NotificationEntry<ProfileManagerDialog> table[] = {
      {static_cast<WORD>(pm::kListBoxId), LBN_SELCHANGE, &ProfileManagerDialog::OnListSelection},
  };
  return table;
}

void ProfileManagerDialog::OnListSelection(HWND list) {
  // The list box reports every button release as a selection change, also on the item already
  // selected: that is the second click that renames.
  if (list != list_ || editor_) return;
  const LRESULT selected = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) Carry(model_.OnItemClicked(static_cast<std::size_t>(selected)));
}

std::span<const MessageEntry<ProfileManagerDialog>> ProfileManagerDialog::Messages() {
  static const MessageEntry<ProfileManagerDialog> table[] = {
      {WM_MEASUREITEM, &ProfileManagerDialog::OnMeasureItem},
      {WM_DRAWITEM, &ProfileManagerDialog::OnDrawItem},
      {WM_CTLCOLORLISTBOX, &ProfileManagerDialog::OnListColour},
      {WM_CONTEXTMENU, &ProfileManagerDialog::OnContextMenu},
      {kRenameEndedMessage, &ProfileManagerDialog::OnRenameEnded},
      {WM_DESTROY, &ProfileManagerDialog::OnDestroy},
  };
  return table;
}

MessageResult ProfileManagerDialog::OnMeasureItem(WPARAM, LPARAM measure) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(measure);
  if (item->CtlID != static_cast<UINT>(pm::kListBoxId)) return std::nullopt;
  item->itemHeight = static_cast<UINT>(scale().ToDevice(kItemHeight));
  return TRUE;
}

MessageResult ProfileManagerDialog::OnDrawItem(WPARAM, LPARAM item) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(item);
  if (draw->hwndItem != list_) return std::nullopt;
  DrawItem(*draw);
  return TRUE;
}

MessageResult ProfileManagerDialog::OnListColour(WPARAM, LPARAM list) {
  if (reinterpret_cast<HWND>(list) != list_) return std::nullopt;
  return reinterpret_cast<INT_PTR>(listBrush_.get());
}

MessageResult ProfileManagerDialog::OnContextMenu(WPARAM window, LPARAM screen) {
  // Sent when the right button is released over the list box; the selection stays as it is.
  if (reinterpret_cast<HWND>(window) != list_ || editor_) return std::nullopt;
  ShowContextMenu({GET_X_LPARAM(screen), GET_Y_LPARAM(screen)});
  return 0;
}

MessageResult ProfileManagerDialog::OnRenameEnded(WPARAM, LPARAM) {
  if (auto end = editor_ ? editor_->TakeEnd() : std::nullopt) {
    editor_.reset();
    if (end->commit) Carry(model_.OnRenameCommitted(end->index, end->text));
  }
  return 0;
}

MessageResult ProfileManagerDialog::OnDestroy(WPARAM, LPARAM) {
  editor_.reset();
  if (context_.onClosed) context_.onClosed();
  return std::nullopt;
}

void ProfileManagerDialog::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const std::size_t index = item.itemID;
  const std::wstring name = index < shownNames_.size() ? shownNames_[index] : std::wstring();
  const ui::Rect box = scale().CoveringLogical({item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom});
  Painter painter(skin().images(), itemFonts_, scale());
  painter.Render(item.hDC, pm::BuildListItem(name, box, (item.itemState & ODS_SELECTED) != 0));
}

void ProfileManagerDialog::ShowContextMenu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {  // the keyboard's menu key: at the selected item
    RECT item{};
    const LRESULT selected = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || ::SendMessageW(list_, LB_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
      ::GetClientRect(list_, &item);
    }
    screen = {item.left, item.bottom};
    ::ClientToScreen(list_, &screen);
  }
  UniqueMenu menu(::LoadMenuW(InstanceOf(hwnd()), L"ProfileList"));
  HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
  if (popup == nullptr) return;
  for (const pm::MenuEntry& entry : pm::ContextMenuEntries(model_.language())) {
    const std::wstring label(entry.label);
    const auto id = static_cast<UINT_PTR>(entry.command);
    ::ModifyMenuW(popup, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, id, label.c_str());
  }
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, 0, hwnd(), nullptr));
  if (chosen != 0 && hwnd() != nullptr) Carry(model_.OnMenuCommand(chosen));
}

void ProfileManagerDialog::Carry(const pm::Effects& effects) {
  SyncListBox();
  for (const pm::Effect& effect : effects) {
    if (hwnd() == nullptr) return;
    std::visit(
        [this](const auto& e) {
          using E = std::decay_t<decltype(e)>;
          if constexpr (std::is_same_v<E, pm::ShowWarning>) {
            ::MessageBoxW(hwnd(), e.text.c_str(), e.caption.c_str(), MB_OK | MB_ICONWARNING);
          } else if constexpr (std::is_same_v<E, pm::StartRename>) {
            BeginRename(e.item);
          } else if constexpr (std::is_same_v<E, pm::PostProfileRequest>) {
            ::PostMessageW(context_.mainWindow, app::kProfileRequestMessage, ProfileMessageArgument(e.request), e.slot);
          } else if constexpr (std::is_same_v<E, pm::CloseManager>) {
            Close(IDCANCEL);
          } else if constexpr (std::is_same_v<E, pm::ConfirmDelete>) {
            const int answer = ::MessageBoxW(hwnd(), e.question.c_str(), e.caption.c_str(),
                                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
            if (answer == IDYES && hwnd() != nullptr) Carry(model_.OnDeleteConfirmed(e.item, e.name));
          }
        },
        effect);
  }
}

void ProfileManagerDialog::SyncListBox() {
  if (list_ == nullptr) return;
  const profiles::ProfileListModel& list = model_.list();
  if (list.names != shownNames_) {
    FillListBox(list_, list.names);
    shownNames_ = list.names;
  }
  const WPARAM wanted = list.selection ? static_cast<WPARAM>(*list.selection) : static_cast<WPARAM>(-1);
  if (static_cast<WPARAM>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)) != wanted) {
    ::SendMessageW(list_, LB_SETCURSEL, wanted, 0);
  }
}

void ProfileManagerDialog::BeginRename(std::size_t item) {
  editor_ = ListBoxEditor::Begin(list_, static_cast<int>(item), ui::EditTarget::ProfileName, hwnd(),
                                 kRenameEndedMessage);
}

}  // namespace quendar::win32
