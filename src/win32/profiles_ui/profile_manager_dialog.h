#pragma once
// The profile manager ("Config"): a half see-through child of the main window over its left column,
// holding the list of profile names. The decisions are the core model's; this window shows the list,
// opens the context menu and the rename editor, and carries out the model's effects.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "core/ui/profile_manager/profile_manager_model.h"
#include "win32/ui/skinned_dialog.h"
#include "win32/framework/unique_handle.h"
#include "win32/ui/fonts.h"

namespace quendar::win32 {

class ListBoxEditor;

struct ProfileManagerContext {
  HWND mainWindow = nullptr;  // the parent; receives the profile message
  files::FileSystem* files = nullptr;
  std::filesystem::path listFile;
  std::uint8_t* currentProfileIndex = nullptr;  // the program's, outlives the dialog
  std::function<void()> onClosed;               // the window is gone (close button or destruction)
};

class ProfileManagerDialog final : public SkinnedTableDialog<ProfileManagerDialog> {
 public:
  ProfileManagerDialog(Skin& skin, ProfileManagerContext context);
  ~ProfileManagerDialog() override;
  static std::span<const MessageEntry<ProfileManagerDialog>> Messages();
  static std::span<const NotificationEntry<ProfileManagerDialog>> Notifications();

  // Creates the dialog at the main window's top-left corner and shows it. False when it could not be
  // created.
  bool Open(HINSTANCE instance);
  bool IsOpen() const { return hwnd() != nullptr; }
  HWND listBox() const { return list_; }

 private:
  static SkinnedDialogLayout Layout(const Skin& skin);

  void OnSkinnedInit() override;
  void AppendTexts(ui::DrawList& list) override;
  ui::DialogParts DescribeParts() override;
  bool MovesFocusRing() const override { return true; }
  std::vector<HWND> TabControls() override { return {list_}; }
  void OnImageButton(int id) override;
  void OnPress(ui::Point point) override;
  void OnListSelection(HWND list);
  MessageResult OnMeasureItem(WPARAM, LPARAM measure);
  MessageResult OnDrawItem(WPARAM, LPARAM item);
  MessageResult OnListColour(WPARAM, LPARAM list);
  MessageResult OnContextMenu(WPARAM window, LPARAM screen);
  MessageResult OnRenameEnded(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  void OnCloseRequest() override;

  void CreateListBox();
  void MakeTranslucent();
  void ShowContextMenu(POINT screen);
  void BeginRename(std::size_t item);
  void Carry(const ui::profile_manager::Effects& effects);
  // Puts the model's names and selection into the list box, touching only what differs.
  void SyncListBox();
  void DrawItem(const DRAWITEMSTRUCT& item);

  ProfileManagerContext context_;
  ui::profile_manager::ProfileManagerModel model_;
  HWND list_ = nullptr;
  std::vector<std::wstring> shownNames_;
  UniqueBrush listBrush_;
  FontTable itemFonts_;
  std::unique_ptr<ListBoxEditor> editor_;
};

}  // namespace quendar::win32
