#pragma once
// The demo build started from a scratch copy of its folder (so saves never touch the build tree), with its
// main window and its "Simulated mouse" window, driven the way a user would drive them.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "wine/harness/program.h"

namespace quendar::test {

class DemoProgram {
 public:
  using Prepare = std::function<void(const std::filesystem::path& folder)>;
  // Copies the demo's folder and starts it with the demo's switches ("/unplugged", ...). `prepare` may
  // change the copied files before the program starts.
  explicit DemoProgram(const std::wstring& switches = {}, const Prepare& prepare = {});
  ~DemoProgram();
  DemoProgram(const DemoProgram&) = delete;
  DemoProgram& operator=(const DemoProgram&) = delete;

  // Sets the interface language (a code such as "CHS"; empty: English) in the copied text files.
  static Prepare InLanguage(const std::wstring& code);

  bool ready() const { return mainWindow_ != nullptr && mouseWindow_ != nullptr; }
  HWND mainWindow() const { return mainWindow_; }
  const std::filesystem::path& folder() const { return folder_; }
  ProgramProcess& process() { return *process_; }

  // Clicks a button of the "Simulated mouse" window.
  void Click(int control);
  // The live view of the mouse, and the last balloon line.
  std::wstring MouseState() const;
  std::wstring LastBalloon() const;
  // Waits until the live view or the balloon line contains `text`.
  bool WaitForState(const std::wstring& text) const;
  bool WaitForBalloon(const std::wstring& text) const;
  // A byte of the live view's line that starts with `label`, e.g. ("Sensitivity X, Y", 0); -1 if none.
  int StateByte(const std::wstring& label, int index) const;

  // Shows the main window with the notification icon's left click (it starts in the background) and
  // waits until it is visible.
  bool Show() const;
  // Left click in the main window's client area (posted, as the pointer would).
  void ClickMain(int x, int y);
  // Ends the program with its "Exit" command; returns its exit code. A program that does not end names
  // the windows it still has.
  DWORD Exit();

 private:
  std::filesystem::path folder_;
  std::unique_ptr<ProgramProcess> process_;
  HWND mainWindow_ = nullptr;
  HWND mouseWindow_ = nullptr;
};

}  // namespace quendar::test
