#include "win32/ui/skinned_dialog.h"

#include <windowsx.h>

#include "core/ui/draw/hit_test.h"
#include "win32/framework/left_press.h"
#include "win32/ui/load_png.h"
#include "win32/ui/painter.h"
#include "win32/ui/window_scale.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

std::vector<ui::Rect> RectsOf(const std::vector<ui::ImageButton>& buttons) {
  std::vector<ui::Rect> rects;
  rects.reserve(buttons.size());
  for (const ui::ImageButton& button : buttons) rects.push_back(button.rect);
  return rects;
}

}  // namespace

SkinnedDialog::SkinnedDialog(Skin& skin, SkinnedDialogLayout layout)
    : skin_(skin),
      layout_(std::move(layout)),
      buttonRects_(RectsOf(layout_.buttons)),
      hot_(skin.hotFlags().For(layout_.kind, layout_.buttons.size())),
      hover_(buttonRects_, hot_),
      builtInTemplate_(layout_.title) {}

INT_PTR SkinnedDialog::RunModal(HINSTANCE instance, HWND owner) {
  if (CreateModeless(instance, owner) == nullptr) return -1;
  return RunLoop(owner);
}

HWND SkinnedDialog::CreateModeless(HINSTANCE instance, HWND owner) {
  HWND window = layout_.templateId != 0 ? DialogWindow::CreateModeless(instance, layout_.templateId, owner)
                                      : DialogWindow::CreateModeless(instance, builtInTemplate_.get(), owner);
  if (window != nullptr) ::ShowWindow(window, SW_SHOW);
  return window;
}

void SkinnedDialog::Close(INT_PTR result) {
  if (hwnd() == nullptr) return;
  if (modal()) {
    EndModal(result);
  } else {
    const HWND keyboardBack = KeyboardReturnsTo();
    ::DestroyWindow(hwnd());
    if (keyboardBack != nullptr) ::SetFocus(keyboardBack);
  }
}

void SkinnedDialog::Repaint(const ui::Rect& area) {
  if (hwnd() == nullptr) return;
  const RECT rect = ToRect(scale_.ToDevice(area));
  ::InvalidateRect(hwnd(), &rect, FALSE);
}

HWND SkinnedDialog::CreateControl(const wchar_t* className, DWORD style, const ui::Rect& rect, int id) {
  const ui::Rect device = scale_.ToDevice(rect);
  HWND control = ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, device.left, device.top,
                                   device.Width(), device.Height(), hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE)), nullptr);
  if (control == nullptr) return nullptr;
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  controls_.push_back({control, rect});
  return control;
}

ui::Point SkinnedDialog::LogicalPoint(LPARAM lParam) const { return scale_.ToLogical(PointOf(lParam)); }

void SkinnedDialog::RepaintAll() {
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

ui::DrawList SkinnedDialog::BuildDrawList(const ui::Rect& area) {
  const ui::SkinnedDialogLook look{layout_.background, backgroundLoaded_, clientSize_, skin_.settings().textColor};
  ui::DrawList list = ui::BuildSkinnedDialogList(look, layout_.buttons, hot_, area);
  if (backgroundLoaded_) AppendTexts(list);
  AppendFocusRing(list);
  return list;
}

bool SkinnedDialog::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN && TakeFocusKey(message)) return true;
  return KeepEnterAndEscapeFromDialogManager(hwnd(), message);
}

MessageResult SkinnedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The dialog's own handlers first; its initialisation comes after the base's (controls need the font).
  if (message != WM_INITDIALOG) {
    if (MessageResult answer = OnOtherMessage(message, wParam, lParam)) return answer;
  }
  return DispatchMessageTable(*this, message, wParam, lParam);
}

std::span<const MessageEntry<SkinnedDialog>> SkinnedDialog::Messages() {
  static const MessageEntry<SkinnedDialog> table[] = {
      {WM_INITDIALOG, &SkinnedDialog::OnInitDialogMessage},
      {WM_ERASEBKGND, &SkinnedDialog::OnEraseBackground},
      {WM_PAINT, &SkinnedDialog::OnPaintMessage},
      {WM_PRINTCLIENT, &SkinnedDialog::OnPrintClient},
      {WM_MOUSEMOVE, &SkinnedDialog::OnMouseMove},
      {WM_MOUSEHOVER, &SkinnedDialog::OnMouseHover},
      {WM_MOUSELEAVE, &SkinnedDialog::OnMouseLeave},
      {WM_LBUTTONDOWN, &SkinnedDialog::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &SkinnedDialog::OnLeftButtonDoubleClick},
      {WM_COMMAND, &SkinnedDialog::OnCommandMessage},
      {WM_CLOSE, &SkinnedDialog::OnCloseMessage},
      {WM_GETOBJECT, &SkinnedDialog::OnGetObjectMessage},
      {kDialogAccessibleActionMessage, &SkinnedDialog::OnAccessibleAction},
      {WM_SETFOCUS, &SkinnedDialog::OnSetFocus},
      {WM_DESTROY, &SkinnedDialog::OnDestroy},
      {WM_DPICHANGED, &SkinnedDialog::OnDpiChangedMessage},
      {kDpiChangedAfterParent, &SkinnedDialog::OnDpiChangedAfterParent},
      {kLoadImageFailedMessage, &SkinnedDialog::OnLoadImageFailed},
      {kBackgroundMissingMessage, &SkinnedDialog::OnBackgroundMissing},
  };
  return table;
}

MessageResult SkinnedDialog::OnInitDialogMessage(WPARAM wParam, LPARAM lParam) {
  OnInitDialog();
  if (MessageResult answer = OnOtherMessage(WM_INITDIALOG, wParam, lParam)) return answer;
  return TRUE;
}

MessageResult SkinnedDialog::OnPaintMessage(WPARAM, LPARAM) {
  OnPaint();
  return 0;
}

MessageResult SkinnedDialog::OnPrintClient(WPARAM dc, LPARAM) {
  Painter painter(skin_.images(), fonts_, scale_);
  painter.Render(reinterpret_cast<HDC>(dc), BuildDrawList(ui::Rect::At({0, 0}, clientSize_)));
  return 0;
}

MessageResult SkinnedDialog::OnMouseMove(WPARAM, LPARAM point) {
  ApplyHover(hover_.MouseMove(LogicalPoint(point)));
  return 0;
}

MessageResult SkinnedDialog::OnMouseHover(WPARAM, LPARAM point) {
  ApplyHover(hover_.Hover(LogicalPoint(point)));
  return 0;
}

MessageResult SkinnedDialog::OnMouseLeave(WPARAM, LPARAM) {
  ApplyHover(hover_.Leave());
  return 0;
}

MessageResult SkinnedDialog::OnLeftButtonDown(WPARAM, LPARAM point) {
  OnLeftPress(LogicalPoint(point));
  return 0;
}

MessageResult SkinnedDialog::OnLeftButtonDoubleClick(WPARAM, LPARAM point) {
  if (IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::Surface)) OnLeftPress(LogicalPoint(point));
  return 0;
}

MessageResult SkinnedDialog::OnCommandMessage(WPARAM command, LPARAM control) {
  // The dialog manager's Enter / Escape and stray IDOK / IDCANCEL never end a skinned window.
  if (control == 0 && (LOWORD(command) == IDOK || LOWORD(command) == IDCANCEL)) return 0;
  return std::nullopt;
}

MessageResult SkinnedDialog::OnCloseMessage(WPARAM, LPARAM) {
  OnCloseRequest();
  return 0;
}

MessageResult SkinnedDialog::OnGetObjectMessage(WPARAM wParam, LPARAM lParam) { return OnGetObject(wParam, lParam); }

MessageResult SkinnedDialog::OnAccessibleAction(WPARAM id, LPARAM) {
  Activate(static_cast<int>(id));
  return 0;
}

MessageResult SkinnedDialog::OnSetFocus(WPARAM, LPARAM) {
  // While the ring is on a node the window keeps the keyboard itself (the dialog manager would hand it
  // to a child control).
  if (focus_ != 0) return 0;
  return std::nullopt;
}

MessageResult SkinnedDialog::OnDestroy(WPARAM, LPARAM) {
  if (accessible_) accessible_->Disconnect();
  return std::nullopt;
}

MessageResult SkinnedDialog::OnDpiChangedMessage(WPARAM dpi, LPARAM suggested) {
  OnDpiChanged(ScaleOfDpiChange(dpi), reinterpret_cast<const RECT*>(suggested));
  return 0;
}

MessageResult SkinnedDialog::OnDpiChangedAfterParent(WPARAM, LPARAM) {
  OnDpiChanged(ScaleOfWindow(hwnd()), nullptr);  // a dialog inside the main window follows it
  return 0;
}

MessageResult SkinnedDialog::OnLoadImageFailed(WPARAM, LPARAM) {
  ShowLoadImageFailed(hwnd());
  return 0;
}

MessageResult SkinnedDialog::OnBackgroundMissing(WPARAM, LPARAM) {
  ::MessageBoxW(hwnd(), L"error", layout_.backgroundErrorCaption.c_str(), MB_OK);
  return 0;
}

void SkinnedDialog::MakeFont() {
  const ui::FontSpec fontSpec = ui::DialogFontFor(layout_.kind, skin_.settings().language, skin_.settings().platform);
  font_ = CreateFontFromSpec(fontSpec, scale_);
  fonts_.Set(ui::FontRole::Dialog, font_.get());
  ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void SkinnedDialog::OnInitDialog() {
  scale_ = ScaleOfWindow(hwnd());
  MakeFont();

  backgroundLoaded_ = skin_.images().FindScaled(layout_.background, {0, 0}, scale_) != nullptr;
  // Without its background the window would have no size at all: keep one its buttons fit in, so close
  // and Cancel still work.
  ResizeClient(backgroundLoaded_ ? skin_.images().LogicalSize(layout_.background).value()
                                 : ui::FallbackDialogSize(layout_.buttons));
  if (layout_.templateId == 0) CenterOnOwner();
  if (!backgroundLoaded_) {
    ::PostMessageW(hwnd(), kBackgroundMissingMessage, 0, 0);
    return;
  }
  OnSkinnedInit();
  NameControls();
}

void SkinnedDialog::OnPaint() {
  PaintScope paint(hwnd());
  if (paint.dc() == nullptr) return;
  Painter painter(skin_.images(), fonts_, scale_);
  const PaintOutcome outcome = painter.Paint(paint.dc(), BuildDrawList(ui::Rect::At({0, 0}, clientSize_)));
  // Without a background the one "error" box is enough.
  if (backgroundLoaded_) ReportMissingImages(hwnd(), missingImages_, outcome);
}

void SkinnedDialog::OnLeftPress(ui::Point point) {
  if (const std::optional<std::size_t> button = ui::HitIndex(buttonRects_, point)) {
    OnImageButton(layout_.buttons[*button].id);
    return;
  }
  if (ui::HitIndex(layout_.dragAreas, point)) {
    // Handed on as a press on a caption: the system moves the window while the button is held.
    ::ReleaseCapture();
    ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
  OnPress(point);
}

void SkinnedDialog::ApplyHover(const ui::HoverStep& step) {
  if (step.requestHover) {
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, hwnd(), ui::kImageButtonHoverMilliseconds};
    ::TrackMouseEvent(&track);
  }
  for (std::size_t index : step.restore) Repaint(buttonRects_[index]);
  if (step.light) Repaint(buttonRects_[*step.light]);
}

void SkinnedDialog::ResizeClient(ui::Size size) {
  clientSize_ = size;
  SetClientSize(hwnd(), scale_.ToDevice(size));
}

void SkinnedDialog::OnDpiChanged(ui::DisplayScale scale, const RECT* suggested) {
  // The old font stays selected in the controls until they have the new one.
  UniqueFont old = std::move(font_);
  scale_ = scale;
  MakeFont();
  for (const Control& control : controls_) {
    const ui::Rect device = scale_.ToDevice(control.rect);
    ::SetWindowPos(control.window, nullptr, device.left, device.top, device.Width(), device.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  skin_.images().DropDecoded();
  if (suggested != nullptr) {
    ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ResizeClient(clientSize_);
  RepaintAll();
}

void SkinnedDialog::CenterOnOwner() {
  RECT around{};
  HWND owner = ::GetWindow(hwnd(), GW_OWNER);
  if (owner == nullptr || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &around)) {
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  }
  RECT self{};
  ::GetWindowRect(hwnd(), &self);
  const int x = around.left + ((around.right - around.left) - (self.right - self.left)) / 2;
  const int y = around.top + ((around.bottom - around.top) - (self.bottom - self.top)) / 2;
  ::SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quendar::win32
