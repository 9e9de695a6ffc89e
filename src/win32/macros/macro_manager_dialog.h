#pragma once
// CMacroProgramDialog: the modal "Macro Manager". A thin window over MacroManagerModel: its list boxes,
// loop-times field, tick boxes and record button follow the model's state after every event; the
// recording hook and the in-place editor talk to it by message.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/macros/macro_block.h"
#include "core/macros/macro_store.h"
#include "core/macros/recorder.h"
#include "core/profiles/profile_record.h"
#include "core/ui/macro_manager/macro_manager_model.h"
#include "core/ui/macro_manager/macro_manager_view.h"
#include "win32/framework/list_box_editor.h"
#include "win32/ui/skinned_dialog.h"
#include "win32/macros/recording_hook.h"

namespace quendar::win32 {

class CMacroProgramDialog final : public SkinnedTableDialog<CMacroProgramDialog> {
 public:
  CMacroProgramDialog(Skin& skin, macros::MacroSession& session, files::FileSystem& files,
                      std::filesystem::path storeFile);
  ~CMacroProgramDialog() override;
  static std::span<const MessageEntry<CMacroProgramDialog>> Messages();
  static std::span<const NotificationEntry<CMacroProgramDialog>> Notifications();

  // The table built by OK; all zero otherwise.
  const macros::MacroTable& table() const { return table_; }

 private:
  void OnSkinnedInit() override;
  void AppendTexts(ui::DrawList& list) override;
  ui::DialogParts DescribeParts() override;
  bool MovesFocusRing() const override { return true; }
  std::vector<HWND> TabControls() override { return {macroList_, sequenceList_, loopField_}; }
  ui::macro_manager::MacroManagerLook Look() const;
  void OnImageButton(int id) override;
  void OnPress(ui::Point point) override;
  MessageResult OnControlColour(WPARAM dc, LPARAM control);
  MessageResult OnKeyEvent(WPARAM kind, LPARAM);
  MessageResult OnEditEnded(WPARAM, LPARAM);
  MessageResult OnShowNotices(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  // The lists' and the loop field's notifications; none while the dialog fills them itself.
  void OnMacroSelected(HWND);
  void OnMacroDoubleClicked(HWND);
  void OnSequenceItemSelected(HWND);
  void OnLoopTimesEdited(HWND);
  bool TakesNotifications() const { return model_ && !syncing_; }
  void OnCloseRequest() override;
  bool PreTranslateMessage(MSG& message) override;

  void Apply(const ui::macro_manager::Effects& effects);
  void SyncMacroList();
  void SyncSequence();
  void SyncOptions();
  void OpenEditor(const ui::macro_manager::EditorRequest& request);
  void OpenContextMenu(POINT screen);
  static std::optional<std::size_t> Selection(HWND list);

  macros::MacroSession& session_;
  macros::MacroStore store_;
  std::unique_ptr<ThreadKeyboardHook> hook_;
  std::optional<ui::macro_manager::MacroManagerModel> model_;
  std::unique_ptr<ListBoxEditor> editor_;
  HWND macroList_ = nullptr;
  HWND sequenceList_ = nullptr;
  HWND loopField_ = nullptr;
  UniqueBrush listBrush_;
  UniqueBrush fieldBrush_;
  bool syncing_ = false;  // the program sets a control: its notifications are not the user's
  std::vector<ui::macro_manager::Notice> pendingNotices_;
  macros::MacroTable table_{};
};

// Runs the macro manager modally over `owner`. On OK the twelve macro blocks go into the record's macro
// table and the answer is true; Cancel and Close leave the record as it was.
bool RunMacroManager(HINSTANCE instance, HWND owner, Skin& skin, macros::MacroSession& session,
                     files::FileSystem& files, const std::filesystem::path& storeFile,
                     profiles::ProfileRecord& record);

}  // namespace quendar::win32
