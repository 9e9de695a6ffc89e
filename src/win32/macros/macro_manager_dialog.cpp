#include "win32/framework/list_box.h"
#include "win32/macros/macro_manager_dialog.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>

#include "core/ui/macro_manager/macro_manager_view.h"
#include "win32/res/resource_ids.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {
namespace {

namespace mm = ui::macro_manager;

// Posted by the in-place editor when an edit has ended.
constexpr UINT kEditEndedMessage = WM_APP + 0x527;
// Posted to show the notices of an event once its handling (a key report from inside the hook) is over.
constexpr UINT kShowNoticesMessage = WM_APP + 0x528;

constexpr COLORREF kListColour = RGB(109, 109, 109);
constexpr COLORREF kFieldColour = RGB(34, 24, 21);

SkinnedDialogLayout Layout(ui::LanguageClass language) {
  return {ui::DialogKind::MacroManager,
          L"Macro Manager",
          0,
          std::string(mm::kBackgroundImage),
          L"Macro Manager Dialog Load background image failed!!!",
          mm::MacroManagerButtons(language),
          {}};
}

void SelectInList(HWND list, std::optional<std::size_t> index) {
  ::SendMessageW(list, LB_SETCURSEL, index ? static_cast<WPARAM>(*index) : static_cast<WPARAM>(-1), 0);
}

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(Skin& skin, macros::MacroSession& session, files::FileSystem& files,
                                         std::filesystem::path storeFile)
    : SkinnedTableDialog(skin, Layout(skin.settings().language)), session_(session), store_(files, std::move(storeFile)) {}

CMacroProgramDialog::~CMacroProgramDialog() {
  editor_.reset();
  if (model_) model_->Close();
}

void CMacroProgramDialog::OnSkinnedInit() {
  listBrush_.reset(::CreateSolidBrush(kListColour));
  fieldBrush_.reset(::CreateSolidBrush(kFieldColour));
  macroList_ = CreateControl(L"LISTBOX", LBS_NOTIFY, mm::kMacroListRect, mm::kMacroListId);
  sequenceList_ = CreateControl(L"LISTBOX", LBS_NOTIFY | WS_VSCROLL, mm::kSequenceListRect, mm::kSequenceListId);
  loopField_ = CreateControl(L"EDIT", ES_NUMBER | ES_CENTER, mm::kLoopTimesFieldRect, mm::kLoopTimesFieldId);
  hook_ = std::make_unique<ThreadKeyboardHook>(session_.recorder, hwnd());
  model_.emplace(store_, session_, *hook_, skin().settings().language);
  Apply(model_->Open());
}

mm::MacroManagerLook CMacroProgramDialog::Look() const {
  return {model_ && model_->recording(), session_.options.recordDelays, session_.options.useLoopCount};
}

void CMacroProgramDialog::AppendTexts(ui::DrawList& list) {
  mm::AppendMacroManagerElements(list, Look(), skin().settings().language, textColor());
}

ui::DialogParts CMacroProgramDialog::DescribeParts() {
  return mm::MacroManagerParts(Look(), skin().settings().language);
}

void CMacroProgramDialog::OnImageButton(int id) {
  if (!model_) {
    Close(IDCANCEL);  // without its background the dialog has only its buttons to leave by
    return;
  }
  const ui::Rect rect = mm::ButtonRect(id);
  mm::Effects effects = model_->Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  // The base keeps a press on a button from moving the window.
  std::erase_if(effects, [](const mm::Effect& effect) { return std::holds_alternative<mm::DragWindow>(effect); });
  Apply(effects);
}

void CMacroProgramDialog::OnPress(ui::Point point) {
  if (model_) Apply(model_->Click(point));
}

void CMacroProgramDialog::OnCloseRequest() {
  if (model_) model_->Close();
  Close(IDCANCEL);
}

std::optional<std::size_t> CMacroProgramDialog::Selection(HWND list) {
  const LRESULT index = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::nullopt;
  return static_cast<std::size_t>(index);
}

std::span<const NotificationEntry<CMacroProgramDialog>> CMacroProgramDialog::Notifications() {
  static const NotificationEntry<CMacroProgramDialog> table[] = {
      {static_cast<WORD>(mm::kMacroListId), LBN_SELCHANGE, &CMacroProgramDialog::OnMacroSelected},
      {static_cast<WORD>(mm::kMacroListId), LBN_DBLCLK, &CMacroProgramDialog::OnMacroDoubleClicked},
      {static_cast<WORD>(mm::kSequenceListId), LBN_SELCHANGE, &CMacroProgramDialog::OnSequenceItemSelected},
      {static_cast<WORD>(mm::kSequenceListId), LBN_DBLCLK, &CMacroProgramDialog::OnSequenceItemSelected},
      {static_cast<WORD>(mm::kLoopTimesFieldId), EN_CHANGE, &CMacroProgramDialog::OnLoopTimesEdited},
  };
  return table;
}

void CMacroProgramDialog::OnMacroSelected(HWND) {
  if (TakesNotifications()) Apply(model_->SelectMacro(Selection(macroList_)));
}

void CMacroProgramDialog::OnMacroDoubleClicked(HWND) {
  if (!TakesNotifications()) return;
  if (const auto index = Selection(macroList_)) Apply(model_->DoubleClickMacro(*index));
}

void CMacroProgramDialog::OnSequenceItemSelected(HWND) {
  if (TakesNotifications()) Apply(model_->SelectSequenceItem(Selection(sequenceList_)));
}

void CMacroProgramDialog::OnLoopTimesEdited(HWND) {
  if (TakesNotifications()) Apply(model_->LoopTimesChanged(WindowText(loopField_)));
}

MessageResult CMacroProgramDialog::OnControlColour(WPARAM dc, LPARAM control) {
  const auto window = reinterpret_cast<HWND>(control);
  const bool list = window == macroList_ || window == sequenceList_;
  if (!list && window != loopField_) return std::nullopt;
  ::SetTextColor(reinterpret_cast<HDC>(dc), ToColorRef(textColor()));
  ::SetBkColor(reinterpret_cast<HDC>(dc), list ? kListColour : kFieldColour);
  return reinterpret_cast<INT_PTR>(list ? listBrush_.get() : fieldBrush_.get());
}

std::span<const MessageEntry<CMacroProgramDialog>> CMacroProgramDialog::Messages() {
  static const MessageEntry<CMacroProgramDialog> table[] = {
      {WM_CTLCOLORLISTBOX, &CMacroProgramDialog::OnControlColour},
      {WM_CTLCOLOREDIT, &CMacroProgramDialog::OnControlColour},
      {WM_CTLCOLORSTATIC, &CMacroProgramDialog::OnControlColour},
      {kKeyEventMessage, &CMacroProgramDialog::OnKeyEvent},
      {kEditEndedMessage, &CMacroProgramDialog::OnEditEnded},
      {kShowNoticesMessage, &CMacroProgramDialog::OnShowNotices},
      {WM_DESTROY, &CMacroProgramDialog::OnDestroy},
  };
  return table;
}

MessageResult CMacroProgramDialog::OnKeyEvent(WPARAM kind, LPARAM) {
  if (model_) Apply(model_->KeyEvent(static_cast<macros::KeyEventKind>(kind), ::GetTickCount()));
  return 0;
}

MessageResult CMacroProgramDialog::OnEditEnded(WPARAM, LPARAM) {
  if (std::optional<ui::ListEditEnd> end = editor_ ? editor_->TakeEnd() : std::nullopt) {
    editor_.reset();
    if (model_) Apply(model_->EditEnded(*end));
  }
  return 0;
}

MessageResult CMacroProgramDialog::OnShowNotices(WPARAM, LPARAM) {
  for (const mm::Notice& notice : std::exchange(pendingNotices_, {})) {
    ::MessageBoxW(hwnd(), notice.text.c_str(), notice.caption.c_str(), MB_OK);
  }
  return 0;
}

MessageResult CMacroProgramDialog::OnDestroy(WPARAM, LPARAM) {
  editor_.reset();
  if (model_) model_->Close();
  return std::nullopt;
}

bool CMacroProgramDialog::PreTranslateMessage(MSG& message) {
  const bool ours = message.hwnd == hwnd() || ::IsChild(hwnd(), message.hwnd);
  if (model_ && ours) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
      const auto kind = message.message == WM_KEYDOWN ? mm::KeyMessageKind::KeyDown : mm::KeyMessageKind::OtherKey;
      switch (model_->FilterKey(kind, static_cast<std::uint32_t>(message.wParam), editor_ && editor_->open())) {
        case mm::KeyVerdict::Consume: return true;
        case mm::KeyVerdict::ActAsOk: Apply(model_->Ok()); return true;
        case mm::KeyVerdict::Pass: break;
      }
    } else if (message.message == WM_MOUSEWHEEL) {
      const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
      const LRESULT top = ::SendMessageW(sequenceList_, LB_GETTOPINDEX, 0, 0);
      const LRESULT lines = mm::MacroManagerModel::WheelLines(delta);
      ::SendMessageW(sequenceList_, LB_SETTOPINDEX, static_cast<WPARAM>(std::max<LRESULT>(0, top + lines)), 0);
      return true;
    } else if (message.message == WM_RBUTTONDOWN && !(editor_ && editor_->open())) {
      POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
      ::MapWindowPoints(message.hwnd, hwnd(), &point, 1);
      if (mm::kSequenceListRect.Contains(scale().ToLogical(ui::Point{point.x, point.y}))) {
        ::ClientToScreen(hwnd(), &point);
        OpenContextMenu(point);  // then the press goes on as usual
      }
    }
  }
  return SkinnedDialog::PreTranslateMessage(message);
}

void CMacroProgramDialog::OpenContextMenu(POINT screen) {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE));
  UniqueMenu menu(::LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MACRO_LIST_MENU)));
  HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
  if (popup == nullptr) {
    // A module without the program's resources (a test host) gets the same menu built here.
    menu.reset(::CreatePopupMenu());
    for (const mm::MenuCommand command : mm::kMenuOrder) {
      ::AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(command), L"");
    }
    popup = menu.get();
  }
  if (popup == nullptr) return;
  static constexpr ui::MacroText kTexts[] = {ui::MacroText::Delete, ui::MacroText::InsertLeftButton,
                                             ui::MacroText::InsertMiddleButton, ui::MacroText::InsertRightButton,
                                             ui::MacroText::InsertDelay};
  for (std::size_t i = 0; i < std::size(mm::kMenuOrder); ++i) {
    const auto command = static_cast<UINT>(mm::kMenuOrder[i]);
    const std::wstring text(model_->text(kTexts[i]));
    ::ModifyMenuW(popup, command, MF_BYCOMMAND | MF_STRING, command, text.c_str());
  }
  const int chosen = ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                                      hwnd(), nullptr);
  if (chosen != 0 && model_) Apply(model_->Command(static_cast<mm::MenuCommand>(chosen)));
}

void CMacroProgramDialog::SyncMacroList() {
  syncing_ = true;
  FillListBox(macroList_, model_->state().macroNames);
  SelectInList(macroList_, model_->state().selected);
  syncing_ = false;
}

void CMacroProgramDialog::SyncSequence() {
  syncing_ = true;
  const LRESULT top = ::SendMessageW(sequenceList_, LB_GETTOPINDEX, 0, 0);
  FillListBox(sequenceList_, model_->state().sequence);
  ::SendMessageW(sequenceList_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SelectInList(sequenceList_, model_->sequenceSelection());
  syncing_ = false;
}

void CMacroProgramDialog::SyncOptions() {
  syncing_ = true;
  if (WindowText(loopField_) != model_->state().loopTimesText) {
    ::SetWindowTextW(loopField_, model_->state().loopTimesText.c_str());
  }
  ::EnableWindow(loopField_, model_->loopFieldEnabled());
  syncing_ = false;
  Repaint(mm::kDelayTickRect);
  Repaint(mm::kLoopTickRect);
}

void CMacroProgramDialog::OpenEditor(const mm::EditorRequest& request) {
  if (editor_ && editor_->open()) return;
  HWND list = request.list == mm::EditedList::Macros ? macroList_ : sequenceList_;
  editor_ = ListBoxEditor::Begin(list, static_cast<int>(request.index), request.target, hwnd(), kEditEndedMessage);
}

void CMacroProgramDialog::Apply(const mm::Effects& effects) {
  // The parts first, in the order the controls depend on each other, then the rest as the model says.
  if (mm::Refreshes(effects, mm::Part::MacroList)) SyncMacroList();
  if (mm::Refreshes(effects, mm::Part::Sequence)) SyncSequence();
  if (mm::Refreshes(effects, mm::Part::Options)) SyncOptions();
  if (mm::Refreshes(effects, mm::Part::Recording)) {
    Repaint(mm::kRecordRect);
    ::SetWindowTextW(hwnd(), model_->windowText().c_str());
  }
  const bool ends = mm::Find<mm::DialogEnd>(effects).has_value();
  for (const mm::Effect& effect : effects) {
    if (std::holds_alternative<mm::FocusSequence>(effect)) {
      ::SetFocus(sequenceList_);
    } else if (const auto* notice = std::get_if<mm::Notice>(&effect)) {
      // A notice the dialog ends with is shown before it goes; others once the event is handled.
      if (ends) {
        ::MessageBoxW(hwnd(), notice->text.c_str(), notice->caption.c_str(), MB_OK);
      } else {
        pendingNotices_.push_back(*notice);
        ::PostMessageW(hwnd(), kShowNoticesMessage, 0, 0);
      }
    } else if (const auto* editor = std::get_if<mm::EditorRequest>(&effect)) {
      OpenEditor(*editor);
    } else if (const auto* end = std::get_if<mm::DialogEnd>(&effect)) {
      editor_.reset();
      if (*end == mm::DialogEnd::Ok) table_ = model_->table();
      Close(*end == mm::DialogEnd::Ok ? IDOK : IDCANCEL);
      return;
    } else if (std::holds_alternative<mm::DragWindow>(effect)) {
      ::ReleaseCapture();
      ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
  }
}

bool RunMacroManager(HINSTANCE instance, HWND owner, Skin& skin, macros::MacroSession& session,
                     files::FileSystem& files, const std::filesystem::path& storeFile,
                     profiles::ProfileRecord& record) {
  CMacroProgramDialog dialog(skin, session, files, storeFile);
  if (dialog.RunModal(instance, owner) != IDOK) return false;
  const auto field = record.Field(profiles::field::kMacroTable);
  std::copy(dialog.table().begin(), dialog.table().end(), field.begin());
  return true;
}

}  // namespace quendar::win32
