#include "win32/app/main_window_controller.h"

#include <shellapi.h>

#include <map>
#include <utility>
#include <variant>

#include "core/app/app_messages.h"
#include "core/ui/draw/png_size.h"
#include "core/ui/skin_manifest.h"
#include "core/ui/panels/settings_panels.h"
#include "core/macros/macro_store.h"
#include "win32/assignment/win32_assignment_platform.h"
#include "win32/panels/win32_panel_platform.h"
#include "win32/ui/load_png.h"
#include "win32/ui/painter.h"
#include "win32/ui/window_scale.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

using namespace ui::main;

// Sizes read from the PNG headers, once per image: measuring must not decode what is not drawn yet.
class HeaderSizes {
 public:
  explicit HeaderSizes(const ImageCache& images) : images_(images) {}
  std::optional<ui::Size> operator()(std::string_view name) {
    auto found = sizes_.find(name);
    if (found == sizes_.end()) {
      const ui::PngSizeResult result = ui::ReadPngSize(std::filesystem::path(images_.PathOf(name)));
      std::optional<ui::Size> size;
      if (const auto* s = std::get_if<ui::Size>(&result)) size = *s;
      found = sizes_.emplace(std::string(name), size).first;
    }
    return found->second;
  }

 private:
  const ImageCache& images_;
  std::map<std::string, std::optional<ui::Size>, std::less<>> sizes_;
};

constexpr int kScrollThumbId = 1101;

}  // namespace

MainWindowController::MainWindowController(HWND window, app::AppSession& session,
                                           const ui::InterfaceLanguage& language, ui::PlatformVersion platform)
    : window_(window),
      session_(session),
      language_(language),
      skin_(SkinSettings{{}, {0, 255, 0}, language.language(), platform}),
      scale_(ScaleOfWindow(window)),
      panelPlatform_(std::make_unique<Win32PanelPlatform>(window)),
      view_(panels_, [sizes = std::make_shared<HeaderSizes>(skin_.images())](std::string_view name) {
        return (*sizes)(name);
      }) {
  panelPlatform_->SetScale(scale_);
  ui::panels::AttachSettingsPanels(panels_, session_.state().record, *panelPlatform_);
  AttachFunctionLists();
  RefreshContent();
}

void MainWindowController::AttachFunctionLists() {
  assignmentPlatform_ = std::make_unique<Win32AssignmentPlatform>(window_, skin_, [this] {
    return macros::MacroStore(session_.files().fileSystem(), session_.files().paths().macroStorePath).ListMacroNames();
  });
  assignmentPlatform_->SetScale(scale_);
  functionLists_ = std::make_unique<ui::assignment::ButtonFunctionLists>(
      ui::assignment::AssignmentTarget{session_.state().record, session_.files().captions(), language_.language()},
      *assignmentPlatform_);
  assignmentPlatform_->SetHoverSink([this](ui::assignment::PopupList list, int item, const ui::Rect& itemRect) {
    functionLists_->OnListHover(list, item, itemRect);
  });
  view_.AttachFunctionLists(functionLists_.get());
}

MainWindowController::~MainWindowController() {
  if (accessible_) accessible_->Disconnect();
}

bool MainWindowController::LoadSkin(const std::wstring& folder) {
  skin_.ChangeFolder(folder);
  skin_.SetLanguage(language_.language());
  functionLists_->SetLanguage(language_.language());
  // Decoded at the window's scale only: the 1x drawing is not needed above 100 %.
  const Dib32* background = skin_.images().FindScaled(ui::skin::kMainBackground.name, {0, 0}, scale_);
  backgroundMissing_ = background == nullptr;
  // The window is as large as its background, at the same place and Z order. Without one it keeps the
  // size every region is laid out for, so the bottom commands and close still work, and the user is told
  // once, after start-up.
  logicalClient_ = background != nullptr ? skin_.images().LogicalSize(ui::skin::kMainBackground.name).value()
                                          : ui::Size{region::kWindow.Width(), region::kWindow.Height()};
  if (backgroundMissing_) ::PostMessageW(window_, kLoadImageFailedMessage, 0, 0);
  SetClientSize(window_, scale_.ToDevice(logicalClient_));
  return !backgroundMissing_;
}

void MainWindowController::SetTextColor(ui::Color color) {
  skin_.SetTextColor(color);
  RefreshContent();
}

void MainWindowController::CreateFonts(const ui::MainWindowFonts& fonts) {
  fontSpecs_ = fonts;
  MakeFonts();
}

void MainWindowController::MakeFonts() {
  labelFont_ = CreateFontFromSpec(fontSpecs_.label, scale_);
  titleFont_ = CreateFontFromSpec(fontSpecs_.title, scale_);
  arialFont_ = CreateFontFromSpec(fontSpecs_.arial, scale_);
  fonts_.Set(ui::FontRole::Label, labelFont_.get());
  fonts_.Set(ui::FontRole::Title, titleFont_.get());
  fonts_.Set(ui::FontRole::Arial, arialFont_.get());
  assignmentPlatform_->SetListFont(labelFont_.get());
}

void MainWindowController::RefreshContent() {
  const auto& captions = session_.files().captions();
  view_.SetContent(
      {language_.language(), skin_.settings().textColor, {captions.data(), captions.size()}, backgroundMissing_});
}

// --- Painting ----------------------------------------------------------------------------------

void MainWindowController::OnPaint(HDC dc, const RECT& invalid) {
  RefreshContent();
  const ui::Rect area = scale_.CoveringLogical({invalid.left, invalid.top, invalid.right, invalid.bottom});
  PaintNow(dc, area.Empty() ? region::kWindow : area);
}

void MainWindowController::PrintClient(HDC dc) {
  Painter painter(skin_.images(), fonts_, scale_);
  painter.Render(dc, view_.Draw(region::kWindow));
}

void MainWindowController::PaintNow(HDC dc, const ui::Rect& area) {
  // The main window draws quietly: a missing image leaves its area as it was; only dialogs report one.
  Painter painter(skin_.images(), fonts_, scale_);
  painter.Paint(dc, view_.Draw(area));
}

void MainWindowController::Repaint(const ui::Rect& area) {
  // A hidden window, or one that waits for a full paint anyway, paints when it is shown.
  if (area == region::kWindow || !::IsWindowVisible(window_) || ::IsIconic(window_)) {
    const RECT rect = ToRect(scale_.ToDevice(area));
    ::InvalidateRect(window_, &rect, FALSE);
    return;
  }
  // Changes of a click or a hover go straight to the window through one back buffer.
  RefreshContent();
  const WindowDc dc(window_);
  if (!dc) {
    const RECT rect = ToRect(scale_.ToDevice(area));
    ::InvalidateRect(window_, &rect, FALSE);
    return;
  }
  PaintNow(dc.get(), area);
}

void MainWindowController::OnApplyTimer(app::AppTimer timer) {
  session_.apply().OnTimer(timer);
  LetSaveThroughWhenIdle();
}

// The main view lets "Save" through again once the apply's debounce period is over.
void MainWindowController::LetSaveThroughWhenIdle() {
  if (!session_.apply().applyDebounce()) view_.SaveFinished();
}

void MainWindowController::DrawMainPage() {
  if (!view_.state().mainPageDrawn) {
    // A profile never saved shows the default captions of this language, stored at once.
    session_.ApplyFirstRunCaptions();
  }
  RefreshContent();
  Carry(view_.PaintAll());
}

void MainWindowController::RedrawCurrentPage() {
  RefreshContent();
  Carry(view_.PaintAll());
}

void MainWindowController::ReleaseWhileHidden() {
  skin_.images().DropDecoded();
  ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void MainWindowController::ClosePopupLists() {
  // The settings panels' children stay with their panels. The scroll thumb goes with the lists; the next
  // full paint puts it back where the page has it.
  functionLists_->CloseAll();
  thumb_.reset();
}

// --- Input -------------------------------------------------------------------------------------

template <class Event>
void MainWindowController::Handle(Event event, bool keyboard) {
  const bool announce = keyboard || accessible_;
  ui::access::Tree before;
  if (announce) before = view_.Accessible();
  CarryInput(event());
  if (announce) AnnounceChanges(window_, before, view_.Accessible());
}

void MainWindowController::OnPress(ui::Point point) {
  Handle([&] { return view_.Press(Logical(point)); });
}

void MainWindowController::OnKey(ui::main::Key key) {
  Handle([&] { return view_.KeyDown(key); }, true);
}

void MainWindowController::OnAccessibleAction(int id) {
  Handle([&] { return view_.Activate(id); }, true);
}

LRESULT MainWindowController::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  if (!accessible_) {
    apartment_.emplace();
    accessible_ = AccessibleWindow::Create(
        {window_, [this] { return view_.Accessible(); }, language_.language(), kAccessibleActionMessage,
         [this] { return scale_; }});
  }
  return accessible_->Answer(wParam, lParam);
}

void MainWindowController::OnMove(ui::Point point) { CarryInput(view_.Move(Logical(point))); }

void MainWindowController::OnHover(ui::Point point) {
  trackingPointer_ = false;  // a hover notice is one-shot: the next movement asks for another
  CarryInput(view_.Hover(Logical(point)));
}

void MainWindowController::OnLeave() {
  trackingPointer_ = false;
  CarryInput(view_.Leave());
}

void MainWindowController::OnThumbMoved(int top) {
  Handle([&] { return view_.ThumbMoved(top); });
}

void MainWindowController::OnDpiChanged(ui::DisplayScale scale, const RECT* suggested) {
  // Everything that holds device pixels goes or follows: the lists and the thumb close (the repaint puts
  // the thumb back), the fonts and the children are made again, the images of the old size are dropped.
  ClosePopupLists();
  scale_ = scale;
  MakeFonts();
  panelPlatform_->SetScale(scale_);
  assignmentPlatform_->SetScale(scale_);
  skin_.images().DropDecoded();
  if (suggested != nullptr) {
    ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The suggested rectangle keeps the frame's share of the old scale; the client must be exactly the skin's.
  SetClientSize(window_, scale_.ToDevice(logicalClient_));
  RedrawCurrentPage();
  ::InvalidateRect(window_, nullptr, FALSE);
}

bool MainWindowController::OnChildCommand(WPARAM wParam, LPARAM) {
  bool taken = false;
  Handle([&] {
    ui::main::Effects effects = view_.ControlNotice(LOWORD(wParam), HIWORD(wParam));
    taken = !effects.empty();
    return effects;
  });
  return taken;
}

void MainWindowController::RequestPointerNotices() {
  if (trackingPointer_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window_, HOVER_DEFAULT};
  trackingPointer_ = ::TrackMouseEvent(&track) != FALSE;
}

// --- Effects -----------------------------------------------------------------------------------

void MainWindowController::Carry(const ui::main::Effects& effects) {
  for (const Effect& effect : effects) {
    if (const auto* repaint = std::get_if<ui::main::Repaint>(&effect)) {
      Repaint(repaint->area);
    } else if (const auto* run = std::get_if<RunCommand>(&effect)) {
      Run(run->command);
    } else if (std::holds_alternative<TrackPointer>(effect)) {
      RequestPointerNotices();
    } else if (const auto* thumb = std::get_if<ui::main::PlaceThumb>(&effect)) {
      PlaceThumb(thumb->box);
    } else if (const auto* colour = std::get_if<ui::main::ChooseColour>(&effect)) {
      OweModal([this, target = colour->target] { ChooseColour(target); });
    } else if (std::holds_alternative<RunOwedDialog>(effect)) {
      OweModal([this] { Carry(view_.RunOwedDialog()); });
    }
  }
}

void MainWindowController::CarryInput(const ui::main::Effects& effects) {
  Carry(effects);
  // Posted only now: a press's window drag (the system's move loop, which dispatches posted messages)
  // is over, so no modal window opens while the button is still held.
  if (!owedModals_.empty() && !owedPosted_) {
    owedPosted_ = ::PostMessageW(window_, kAfterInputMessage, 0, 0) != FALSE;
  }
}

void MainWindowController::OweModal(std::function<void()> run) { owedModals_.push_back(std::move(run)); }

void MainWindowController::RunOwedModals() {
  owedPosted_ = false;
  for (const std::function<void()>& run : std::exchange(owedModals_, {})) run();
  // What a modal window's answer asks for in turn (a colour, another dialog) waits for the next round.
  CarryInput({});
}

void MainWindowController::ChooseColour(int target) {
  if (const std::optional<ui::Color> colour = panelPlatform_->ChooseColour()) {
    Carry(view_.ColourChosen(target, *colour));
  }
}

void MainWindowController::PlaceThumb(const ui::Rect& box) {
  if (!thumb_) {
    auto thumb = std::make_unique<ScrollThumb>();
    // Without its image the column still pages by its titles; the thumb just is not there.
    if (thumb->Create(window_, kInitialThumb, scale_, ::GetModuleHandleW(nullptr), kScrollThumbId)) return;
    thumb_ = std::move(thumb);
  }
  if (box == kInitialThumb) {
    thumb_->MoveToInitial();
  } else if (thumb_->rectInParent() != scale_.ToDevice(box)) {
    const ui::Rect device = scale_.ToDevice(box);
    ::SetWindowPos(thumb_->hwnd(), nullptr, device.left, device.top, device.Width(), device.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindowController::Run(Command command) {
  const auto call = [](const std::function<void()>& hook) {
    if (hook) hook();
  };
  switch (command) {
    case Command::OpenWebAddress: {
      const std::wstring address(language_.text(ui::TextSlot::WebSite));
      ::ShellExecuteW(window_, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      break;
    }
    case Command::Reset:
      session_.apply().ResetProfile();
      Carry(view_.Reset());
      break;
    case Command::Cancel:
      session_.apply().CancelEdits();
      break;
    case Command::Save:
      session_.apply().OnSaveClicked();
      LetSaveThroughWhenIdle();
      break;
    case Command::OpenHelp: call(dialogs_.openHelp); break;
    case Command::CloseHelp: call(dialogs_.closeHelp); break;
    case Command::Hide: call(dialogs_.hide); break;
    case Command::Close:
      // The same way out as the tray's "Exit": the window releases what it holds and the loop ends.
      ::PostMessageW(window_, WM_COMMAND, app::kExitCommand, 0);
      break;
    case Command::OpenProfileManager: call(dialogs_.openProfileManager); break;
    case Command::RunMacroManager:
      OweModal([this, call] { call(dialogs_.runMacroManager); });
      break;
    case Command::DragWindow:
      // Handed on as a press on a caption bar: the system moves the window while the button is held.
      ::ReleaseCapture();
      ::SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      break;
  }
}

}  // namespace quendar::win32
