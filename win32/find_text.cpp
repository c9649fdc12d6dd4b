// 検索 (the common find dialog, modeless), 次を検索 and 前を検索, and
// 行へ移動, on the memo when it has the focus and else on the roster box.
// The search itself is window/text_search.h's.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "window/resource_ids.h"
#include "window/status_text.h"
#include "window/text_search.h"
#include "win32/shell.h"

namespace roster {

HWND FindDialog = nullptr;
const UINT FindDialogMessage = RegisterWindowMessageW(FINDMSGSTRINGW);

namespace {

// The dialog writes the text and the choices here while it is open, and
// F3 reads them after it has closed.
wchar_t FindWhat[256] = {};
FINDREPLACEW FindRequest = {sizeof(FINDREPLACEW), nullptr, nullptr, FR_DOWN, FindWhat, nullptr, sizeof FindWhat, 0, 0,
                            nullptr, nullptr};

// What 行へ移動 offers first, and the lines there are.
struct LineChoice {
  UINT current, lines;
};

// The box the focus is in, or was in before the find dialog took it.
HWND SearchedBox() {
  HWND memo = GetDlgItem(MainDialog, kMemoEdit);
  return FocusInWindow() == memo ? memo : GetDlgItem(MainDialog, kReportEdit);
}

std::wstring TextOf(HWND box) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The match is selected and scrolled into view; the find dialog keeps the
// focus, and the box shows its selection all the same (ES_NOHIDESEL).
void Search(bool forward, bool matchCase) {
  HWND box = SearchedBox();
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring_view what = FindWhat;
  const std::optional<std::size_t> at = FindInText(TextOf(box), what, forward ? end : start, forward, matchCase);
  if (!at) {
    MessageBeep(MB_OK);
    ShowStatus(FindStatusText(what, std::nullopt));
    return;
  }
  SendMessageW(box, EM_SETSEL, *at, static_cast<LPARAM>(*at + what.size()));
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  ShowStatus(FindStatusText(what, static_cast<std::size_t>(SendMessageW(box, EM_LINEFROMCHAR, *at, 0)) + 1));
}

// The selection, when it is a short piece of one line, is what to find.
void TakeSelection(HWND box) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == end || end - start >= std::size(FindWhat)) return;
  const std::wstring selected = TextOf(box).substr(start, end - start);
  if (selected.find_first_of(L"\r\n") == std::wstring::npos) lstrcpynW(FindWhat, selected.c_str(), std::size(FindWhat));
}

INT_PTR CALLBACK GoToLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetDlgItemInt(dialog, IDC_LINE_NUMBER, reinterpret_cast<const LineChoice*>(lParam)->current, FALSE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
      if (LOWORD(wParam) != IDOK) return TRUE;
      {
        const UINT lines = reinterpret_cast<const LineChoice*>(GetWindowLongPtrW(dialog, DWLP_USER))->lines;
        BOOL number = FALSE;
        const UINT line = GetDlgItemInt(dialog, IDC_LINE_NUMBER, &number, FALSE);
        if (number && line >= 1 && line <= lines) {
          EndDialog(dialog, static_cast<INT_PTR>(line));
          return TRUE;
        }
        const std::wstring text = L"行番号は 1 から " + std::to_wstring(lines) + L" までです。";
        MessageBoxW(dialog, text.c_str(), L"行へ移動", MB_OK | MB_ICONINFORMATION);
        SendDlgItemMessageW(dialog, IDC_LINE_NUMBER, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, IDC_LINE_NUMBER));
      }
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void ShowFindDialog() {
  if (FindDialog != nullptr) {
    SetActiveWindow(FindDialog);
    return;
  }
  TakeSelection(SearchedBox());
  FindRequest.hwndOwner = MainWindow;
  FindRequest.Flags = FR_HIDEWHOLEWORD | (FindRequest.Flags & (FR_DOWN | FR_MATCHCASE));
  FindDialog = FindTextW(&FindRequest);
}

void FindAgain(bool forward) {
  if (FindWhat[0] == L'\0') {
    ShowFindDialog();
    return;
  }
  Search(forward, (FindRequest.Flags & FR_MATCHCASE) != 0);
}

void OnFindDialogMessage(LPARAM lParam) {
  const auto& request = *reinterpret_cast<const FINDREPLACEW*>(lParam);
  if ((request.Flags & FR_DIALOGTERM) != 0) {
    FindDialog = nullptr;
  } else if ((request.Flags & FR_FINDNEXT) != 0) {
    // From the dialog's field itself: Wine passes the text through the
    // system code page, which under 1252 makes Japanese "?".
    GetDlgItemTextW(FindDialog, edt1, FindWhat, static_cast<int>(std::size(FindWhat)));
    Search((request.Flags & FR_DOWN) != 0, (request.Flags & FR_MATCHCASE) != 0);
  }
}

void GoToLine() {
  HWND box = SearchedBox();
  const LineChoice choice = {static_cast<UINT>(SendMessageW(box, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0)) + 1,
                             static_cast<UINT>(SendMessageW(box, EM_GETLINECOUNT, 0, 0))};
  const INT_PTR line = DialogBoxParamW(AppInstance, TEXT(ROSTER_GO_TO_LINE_NAME), MainWindow, GoToLineProc,
                                       reinterpret_cast<LPARAM>(&choice));
  SetFocus(box);
  if (line <= 0) return;
  const LRESULT at = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
  SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(at), at);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace roster
