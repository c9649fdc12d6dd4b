// The list 「抽出の記録」: a window of its own, owned by the main window, whose
// ListView shows the rows of the last run's account (window/account_list.h).
// Enter or a double-click on a row goes back to the text that run read,
// the row's line selected in the roster box; Esc closes the list.
#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <vector>

#include "window/account_list.h"
#include "window/resource_ids.h"
#include "window/run_extraction.h"
#include "win32/shell.h"

namespace roster {
namespace {

constexpr wchar_t kClassName[] = L"rosteraccount";
constexpr wchar_t kTitle[] = L"抽出の記録";
constexpr UINT kChoose = WM_APP;  // wParam: the row chosen, acted on once the ListView's notice is over
// The columns, their widths at 96 DPI.
constexpr struct {
  const wchar_t* title;
  int width;
} kColumns[] = {{L"行", 56}, {L"何があったか", 320}, {L"行のはじめ", 360}};

HWND List = nullptr;  // the window, while it is open
HWND View = nullptr;  // its ListView
HFONT ListFont = nullptr;
std::vector<AccountRow> Rows;
std::size_t RowsRun = 0;  // the run the rows tell of; 0: none yet

// The controls' font and the columns at `dpi`, the list's own.
void UseListDpi(UINT dpi) {
  HFONT old = ListFont;
  ListFont = CreateControlsFont(Looks, dpi);
  SendMessageW(View, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont), TRUE);
  if (old != nullptr) DeleteObject(old);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    SendMessageW(View, LVM_SETCOLUMNWIDTH, i, MulDiv(kColumns[i].width, static_cast<int>(dpi), 96));
  }
}

void FillView() {
  SendMessageW(View, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < Rows.size(); ++i) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = Rows[i].number.data();
    SendMessageW(View, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (auto [column, text] : {std::pair{1, &Rows[i].what}, std::pair{2, &Rows[i].start}}) {
      item.iSubItem = column;
      item.pszText = text->data();
      SendMessageW(View, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  LVITEMW state = {};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(View, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

void Choose(std::size_t row) {
  if (row >= Rows.size() || Rows[row].line == 0) return;
  const std::size_t line = Rows[row].line;
  DestroyWindow(List);
  ChangingRosterBox = true;
  const std::optional<HistoryStep> step = ShowLineBeforeRun(MainDialogControls, History, RowsRun, line);
  ChangingRosterBox = false;
  ShowStatus(step ? StatusText(*step) : RunGoneStatusText());
  SetFocus(GetDlgItem(MainDialog, kReportEdit));
}

LRESULT OnCreate(HWND window) {
  View = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                         0, 0, 0, 0, window, nullptr, AppInstance, nullptr);
  if (View == nullptr) return -1;
  SendMessageW(View, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].title);
    column.cx = kColumns[i].width;
    SendMessageW(View, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  UseListDpi(GetDpiForWindow(window));
  return 0;
}

LRESULT OnNotify(HWND window, const NMHDR& notice) {
  if (notice.hwndFrom != View) return 0;
  if (notice.code == NM_DBLCLK) {
    const int item = reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem;
    if (item >= 0) PostMessageW(window, kChoose, static_cast<WPARAM>(item), 0);
  } else if (notice.code == NM_RETURN) {
    const auto item = SendMessageW(View, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (item >= 0) PostMessageW(window, kChoose, static_cast<WPARAM>(item), 0);
  } else if (notice.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey == VK_ESCAPE) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return 0;
}

// A move to a monitor of another DPI: the font and columns for it, and the
// rectangle Windows suggests.
LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
  UseListDpi(HIWORD(wParam));
  const RECT& r = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_SIZE: MoveWindow(View, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFOCUS: SetFocus(View); return 0;
    case WM_NOTIFY: return OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
    case kChoose: Choose(wParam); return 0;
    case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
    case WM_NCDESTROY:  // the ListView is gone: its font can go
      List = View = nullptr;
      DeleteObject(ListFont);
      ListFont = nullptr;
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void KeepAccount(const RunResult& result) {
  if (result.outOfMemory) return;
  Rows = AccountRows(result.summary);
  RowsRun = result.run;
  if (List != nullptr) FillView();
}

bool HasAccount() { return RowsRun != 0; }

void OpenAccountList() {
  if (!HasAccount()) return;
  if (List == nullptr) {
    static const ATOM registered = [] {
      WNDCLASSEXW windowClass = {};
      windowClass.cbSize = sizeof windowClass;
      windowClass.lpfnWndProc = ListProc;
      windowClass.hInstance = AppInstance;
      windowClass.hCursor = static_cast<HCURSOR>(
          LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      windowClass.lpszClassName = kClassName;
      return RegisterClassExW(&windowClass);
    }();
    if (registered == 0) return;
    RECT main = {};
    GetWindowRect(MainWindow, &main);
    const int dpi = static_cast<int>(WindowDpi);
    List = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, kTitle, WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX & ~WS_MAXIMIZEBOX,
                           main.left + MulDiv(40, dpi, 96), main.top + MulDiv(60, dpi, 96), MulDiv(760, dpi, 96),
                           MulDiv(360, dpi, 96), MainWindow, nullptr, AppInstance, nullptr);
    if (List == nullptr) return;
    FillView();
    ShowWindow(List, SW_SHOW);
  }
  SetForegroundWindow(List);
  SetFocus(View);
}

}  // namespace roster
