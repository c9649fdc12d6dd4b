// The status bar: a text, a note in a second part when there is one, the
// first part as wide as its text, and the whole in the bar's tooltip.
#include <windows.h>
#include <commctrl.h>

#include "win32/shell.h"

namespace roster {
namespace {

StatusMessage Shown;

int TextWidth(const std::wstring& text) {
  HDC dc = GetDC(StatusBar);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(StatusBar, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(StatusBar, dc);
  return size.cx;
}

}  // namespace

const StatusMessage& ShownStatus() { return Shown; }

void ShowStatus(const StatusMessage& message) {
  Shown = message;
  LayoutStatusParts();
  const std::wstring tip = TooltipText(message);
  TTTOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.hwnd = MainWindow;
  info.uId = reinterpret_cast<UINT_PTR>(StatusBar);
  info.lpszText = const_cast<wchar_t*>(tip.c_str());
  SendMessageW(ToolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

// The part's own edges and the gap before its text take some pixels on
// either side of the text.
void LayoutStatusParts() {
  if (StatusBar == nullptr) return;
  int edges[2] = {-1, -1};
  int parts = 1;
  if (!Shown.note.empty()) {
    edges[0] = TextWidth(Shown.text) + MulDiv(12, static_cast<int>(WindowDpi), 96);
    parts = 2;
  }
  SendMessageW(StatusBar, SB_SETPARTS, static_cast<WPARAM>(parts), reinterpret_cast<LPARAM>(edges));
  SendMessageW(StatusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Shown.text.c_str()));
  if (parts == 2) SendMessageW(StatusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Shown.note.c_str()));
}

}  // namespace roster
