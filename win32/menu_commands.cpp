// The menu bar's commands, by menu or key: each acts on the box that has the
// focus (the roster box when neither box has it), and an item that cannot
// act is greyed when its menu opens.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "window/dropped_files.h"
#include "window/resource_ids.h"
#include "window/run_extraction.h"
#include "window/saved_text.h"
#include "win32/shell.h"
#include "encoding/encoding.h"
#include "platform/platform.h"

namespace roster {

int TextPoints = kStandardTextPoints;
std::wstring FileFolder;

namespace {

constexpr wchar_t kTitle[] = L"roster — キャラクター名簿";

// The file last opened or saved, which 上書き保存 writes again, in its form.
std::wstring CurrentFile;
SavedForm CurrentForm = SavedForm::kCp932;

HWND RosterBox() { return GetDlgItem(MainDialog, kReportEdit); }

// The edit control with the focus: either box, or the sort box's field.
HWND FocusedEdit() {
  HWND focus = GetFocus();
  wchar_t name[16] = {};
  if (focus == nullptr || !IsChild(MainDialog, focus) || GetClassNameW(focus, name, 16) == 0) return nullptr;
  return lstrcmpiW(name, L"Edit") == 0 ? focus : nullptr;
}

// The box the text commands act on: the focused edit, else the roster box.
HWND TargetEdit() {
  HWND edit = FocusedEdit();
  return edit != nullptr ? edit : RosterBox();
}

bool HasSelection(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start != end;
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

void ShowFileInTitle() {
  const std::wstring title = CurrentFile.empty() ? kTitle : FileNameOf(CurrentFile) + L" - " + kTitle;
  SetWindowTextW(MainWindow, title.c_str());
}

void RememberFile(const std::wstring& path, SavedForm form) {
  CurrentFile = path;
  CurrentForm = form;
  FileFolder = path.substr(0, path.find_last_of(L"\\/"));
  ShowFileInTitle();
}

// The common file dialog; the file chosen and, for a save, the form its
// file type names. Empty when cancelled.
std::wstring AskFileName(bool save, SavedForm* form) {
  wchar_t name[MAX_PATH * 4] = {};
  if (save && !CurrentFile.empty()) lstrcpynW(name, FileNameOf(CurrentFile).c_str(), MAX_PATH);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = MainWindow;
  dialog.lpstrFilter = save ? L"Shift_JIS テキスト (*.txt)\0*.txt\0UTF-8 テキスト (*.txt)\0*.txt\0"
                            : L"テキスト (*.txt)\0*.txt\0すべてのファイル (*.*)\0*.*\0";
  dialog.nFilterIndex = save && CurrentForm == SavedForm::kUtf8 ? 2 : 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrInitialDir = FileFolder.empty() ? nullptr : FileFolder.c_str();
  dialog.lpstrDefExt = L"txt";
  dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return L"";
  if (form != nullptr) *form = dialog.nFilterIndex == 2 ? SavedForm::kUtf8 : SavedForm::kCp932;
  return name;
}

// Read as a dropped file is, the whole box replaced as one step; 上書き保存
// writes it back in UTF-8 when it was UTF-8, else in CP932.
void OpenFile() {
  const std::wstring path = AskFileName(false, nullptr);
  if (path.empty()) return;
  const DroppedFiles read = ReadDroppedFiles({Utf8FromWide(path)});
  if (read.unreadable.empty()) {
    ChangingRosterBox = true;
    OpenRosterText(MainDialogControls, History, WideFromCp932(read.text));
    ChangingRosterBox = false;
    RememberFile(path, read.form.encoding == TextEncoding::kUtf8 ? SavedForm::kUtf8 : SavedForm::kCp932);
  }
  ShowStatus(StatusText(read));
  SetFocus(RosterBox());
}

// Characters without a CP932 form make a CP932 save ask first: UTF-8
// instead, "?" for them, or nothing.
bool SettleUnconvertible(const ReplacedCharacters& replaced, SavedForm& form) {
  const std::wstring text = L"Shift_JIS にない文字が " + std::to_wstring(replaced.count) + L" 個あります（最初は " +
                            std::to_wstring(replaced.firstLine) + L" 行目の「" + replaced.first +
                            L"」）。\n\nはい: UTF-8 で保存します\nいいえ: それらを「?」にして Shift_JIS で保存します\n"
                            L"キャンセル: 保存しません";
  switch (MessageBoxW(MainWindow, text.c_str(), kTitle, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES: form = SavedForm::kUtf8; return true;
    case IDNO: return true;
    default: return false;
  }
}

// Through a temporary file and a rename: a failure leaves the old file.
void SaveFile(std::wstring path, SavedForm form) {
  if (path.empty()) path = AskFileName(true, &form);
  if (path.empty()) return;
  const std::wstring text = MainDialogControls.ReadWideText(kReportEdit);
  ReplacedCharacters replaced;
  std::string bytes = SavedText(text, form, &replaced);
  if (replaced.count > 0) {
    if (!SettleUnconvertible(replaced, form)) return;
    if (form == SavedForm::kUtf8) bytes = SavedText(text, form), replaced = {};
  }
  std::string reason;
  if (!ReplaceFileContents(Utf8FromWide(path), bytes, &reason)) {
    const std::wstring message = L"保存できませんでした。元のファイルは変わっていません。\n" + path + L": " + WideFromUtf8(reason);
    MessageBoxW(MainWindow, message.c_str(), kTitle, MB_OK | MB_ICONERROR);
    return;
  }
  RememberFile(path, form);
  ShowStatus(SavedStatusText(FileNameOf(path), form == SavedForm::kUtf8, replaced.count));
}

void ShowHelp() {
  const std::wstring guide = WideFromUtf8(ExecutableFolder()) + L"使い方.txt";
  if (GetFileAttributesW(guide.c_str()) == INVALID_FILE_ATTRIBUTES ||
      reinterpret_cast<INT_PTR>(ShellExecuteW(MainWindow, L"open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32) {
    ShowStatus({L"使い方.txt を開けませんでした", L"", guide});
  }
}

bool CommandEnabled(int id) {
  HWND edit = TargetEdit();
  switch (id) {
    case IDM_UNDO: return SendMessageW(edit, EM_CANUNDO, 0, 0) != 0;
    case IDM_REDO: return edit == RosterBox() && History.redoSteps() > 0;
    case IDM_CUT:
    case IDM_COPY: return HasSelection(edit);
    case IDM_PASTE: return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
    case IDM_TEXT_LARGER: return TextPoints < kLargestTextPoints;
    case IDM_TEXT_SMALLER: return TextPoints > kSmallestTextPoints;
    case IDM_TEXT_STANDARD: return TextPoints != kStandardTextPoints;
    case IDM_ACCOUNT_LIST: return HasAccount();
    default: return true;
  }
}

}  // namespace

void UseTextPoints(int points) {
  TextPoints = std::clamp(points, kSmallestTextPoints, kLargestTextPoints);
  UseDpi(WindowDpi);
}

void ShowVersion() {
  const std::wstring text = L"roster " + WideFromCp932(ROSTER_VERSION) + L"\nキャラクター名簿の抽出と整列";
  MessageBoxW(MainWindow, text.c_str(), L"バージョン情報", MB_OK | MB_ICONINFORMATION);
}

void OnMenuCommand(int id) {
  if (!CommandEnabled(id)) return;
  HWND edit = TargetEdit();
  switch (id) {
    case IDM_OPEN: OpenFile(); break;
    case IDM_SAVE: SaveFile(CurrentFile, CurrentForm); break;
    case IDM_SAVE_AS: SaveFile(L"", CurrentForm); break;
    case IDM_EXIT: PostMessageW(MainWindow, WM_CLOSE, 0, 0); break;
    case IDM_UNDO: SendMessageW(edit, WM_UNDO, 0, 0); break;
    case IDM_REDO: RedoRosterBox(); break;
    case IDM_CUT: SendMessageW(edit, WM_CUT, 0, 0); break;
    case IDM_COPY: SendMessageW(edit, WM_COPY, 0, 0); break;
    case IDM_PASTE: SendMessageW(edit, WM_PASTE, 0, 0); break;
    case IDM_SELECT_ALL: SendMessageW(edit, EM_SETSEL, 0, -1); break;
    case IDM_FIND: ShowFindDialog(); break;
    case IDM_FIND_NEXT: FindAgain(true); break;
    case IDM_FIND_PREVIOUS: FindAgain(false); break;
    case IDM_GO_TO_LINE: GoToLine(); break;
    case IDM_TEXT_LARGER: UseTextPoints(LargerTextPoints(TextPoints)); break;
    case IDM_TEXT_SMALLER: UseTextPoints(SmallerTextPoints(TextPoints)); break;
    case IDM_TEXT_STANDARD: UseTextPoints(kStandardTextPoints); break;
    case IDM_ACCOUNT_LIST: OpenAccountList(); break;
    case IDM_HELP: ShowHelp(); break;
    case IDM_VERSION: ShowVersion(); break;
    default: break;
  }
}

void EnableMenuItems(HMENU popup) {
  for (int i = 0, count = GetMenuItemCount(popup); i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id != 0 && id != static_cast<UINT>(-1)) {
      EnableMenuItem(popup, id, MF_BYCOMMAND | (CommandEnabled(static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
    }
  }
}

}  // namespace roster
