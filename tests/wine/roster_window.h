// A running roster.exe, driven from another process as a user would, through
// its real controls; and roster-extract.exe run on the same input.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "window/dialog_controls.h"
#include "window/window_layout.h"

namespace roster {

inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

// CP932 bytes of UTF-8 text: this test's narrow literals are UTF-8.
std::string Cp932(std::string_view utf8);

// Polls `condition` until it holds or `limit` passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(20));

// "Z:\..." for a Unix path, as Wine maps it.
std::wstring WindowsPath(const std::string& unixPath);

std::string ReadBinaryFile(const std::wstring& path);
std::wstring Environment(const wchar_t* name);  // empty when unset
bool PutOnClipboard(const std::wstring& text);
void WriteBinaryFile(const std::wstring& path, const std::string& bytes);

// A fresh working folder holding Database\技能.txt from the sample (unless
// told not to).
std::wstring MakeWorkFolder(bool withCatalogue = true);

struct ProcessResult {
  DWORD exitCode = 0;
  DWORD startError = 0;  // GetLastError() when the process could not start
  std::string out, err;
};

// Runs roster-extract.exe in `folder` with `arguments` (CP932 bytes, given
// to it as UTF-16, as typed); standard output and error go through files.
ProcessResult RunRosterExtract(const std::wstring& folder, const std::vector<std::string>& arguments);

class RosterWindow {
 public:
  // Starts roster.exe (or the program `exe`, a Windows path) in `folder`,
  // its roster.ini in `settings` (default: `folder`), and waits for its
  // window; null on failure.
  static std::unique_ptr<RosterWindow> Start(const std::wstring& folder, const std::wstring& exe = L"",
                                             const std::wstring& settings = L"");
  ~RosterWindow();

  HWND main() const { return main_; }
  HWND dialog() const { return dialog_; }
  HWND statusBar() const { return statusBar_; }
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }

  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  std::wstring WideText(HWND window) const;
  std::string Text(HWND window) const;  // as CP932 bytes
  void SetText(HWND window, const std::string& cp932) const;
  void SetWideText(HWND window, const std::wstring& text) const;

  std::vector<std::string> ComboEntries() const;
  void SelectKey(int index) const;
  void TypeKey(const std::string& cp932) const;  // no entry selected, text typed
  void Click(int id) const;                     // BM_CLICK on a dialog button

  // Presses the keys as a user does, in order, and lets them go in reverse
  // order, with the window in the foreground.
  void Press(const std::vector<WORD>& keys) const;
  HWND Focus() const;  // the control with the keyboard focus
  HWND FindOwned(const wchar_t* className) const;  // a window the main window owns (a message box)

  // What the program measures and does inside itself (window_probe.cpp):
  // the commands, then a line per answer, words separated by tabs; empty
  // when the probe gave none.
  std::vector<std::vector<std::string>> Probe(const std::vector<std::string>& commands = {"measure"}) const;

  // Moves the main window (from inside: Wine scales a size set from
  // another process by the window's DPI).
  void Place(const Rect& rect) const;

  // Asks to close and returns the confirmation box, or null; Close says
  // yes to it and waits for the end.
  HWND RequestClose() const;
  bool WaitForExit(DWORD& exitCode) const;
  bool Close() const;

 private:
  PROCESS_INFORMATION process_ = {};
  HWND main_ = nullptr;
  HWND dialog_ = nullptr;
  HWND statusBar_ = nullptr;
};

}  // namespace roster
