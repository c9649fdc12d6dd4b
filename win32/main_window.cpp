// Entry point, window class "toolbase", the main window's messages and its
// layout around the dialog and the status bar.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <clocale>
#include <tuple>

#include "window/dropped_files.h"
#include "window/resource_ids.h"
#include "win32/shell.h"
#include "encoding/encoding.h"

namespace roster {

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
HWND MainDialog = nullptr;
HWND StatusBar = nullptr;
HWND ToolTips = nullptr;
UINT WindowDpi = 96;
DialogUnits WindowUnits;
FontLooks Looks;
WindowFonts Fonts;

namespace {

constexpr wchar_t kClassName[] = L"toolbase";
constexpr wchar_t kTitle[] = L"roster — キャラクター名簿";
constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The smallest height and width of a box, in dialog units: about three lines.
constexpr int kSmallestBoxUnits = 24;

// The control that had the focus when the window was last deactivated.
HWND FocusToRestore = nullptr;

void AddToolTip(HWND tool, const wchar_t* text) {
  TTTOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = MainWindow;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(ToolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// Every control gets the font of its kind at WindowDpi; the status bar's
// height follows its font.
void ApplyFonts() {
  for (HWND control = GetWindow(MainDialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(control);
    HFONT font = id == kReportEdit || id == kMemoEdit ? Fonts.edit : Fonts.controls;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  for (HWND window : {StatusBar, ToolTips}) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Fonts.status), TRUE);
  SendMessageW(ToolTips, TTM_SETMAXTIPWIDTH, 0, MulDiv(640, static_cast<int>(WindowDpi), 96));
}

// The caption's and the taskbar's icons drawn for WindowDpi; shared
// copies, which the system keeps for each size.
void SetWindowIcons() {
  const auto dpi = WindowDpi;
  for (const auto& [kind, width, height] : {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON},
                                            std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    HANDLE icon = LoadImageW(AppInstance, MAKEINTRESOURCEW(IDI_ROSTER), IMAGE_ICON, GetSystemMetricsForDpi(width, dpi),
                             GetSystemMetricsForDpi(height, dpi), LR_SHARED);
    SendMessageW(MainWindow, WM_SETICON, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace

void UseDpi(UINT dpi) {
  WindowDpi = dpi;
  WindowUnits = DialogUnitsAt(Looks, WindowDpi);
  const WindowFonts old = Fonts;
  Fonts = CreateWindowFonts(Looks, WindowDpi, TextPoints);
  ApplyFonts();
  DeleteWindowFonts(old);
  SetWindowIcons();
}

namespace {

LRESULT OnCreate(HWND window) {
  // The C runtime's character classification becomes Japanese; every other
  // category stays classic. Text crosses the controls as code page 932
  // explicitly, so nothing depends on this taking effect.
  std::setlocale(LC_CTYPE, "japanese");
  MainWindow = window;
  MainMenu = GetMenu(window);
  WindowDpi = GetDpiForWindow(window);
  const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  // The bar comes first, so that the dialog can say at once that the
  // catalogue is missing.
  StatusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, L"", window, ID_STATUS_BAR);
  ToolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, AppInstance,
                             nullptr);
  AddToolTip(StatusBar, L"");
  ShowStatus(StartStatusText());
  MainDialog = CreateDialogParamW(AppInstance, TEXT(ROSTER_DIALOG_NAME), window, MainDialogProc, 0);
  if (MainDialog == nullptr) return -1;
  AddToolTip(GetDlgItem(MainDialog, kExtractButton), L"「抽出」: F5 または Ctrl+Enter");
  Looks = FindFontLooks(reinterpret_cast<HFONT>(SendMessageW(MainDialog, WM_GETFONT, 0, 0)), WindowDpi);
  UseDpi(WindowDpi);
  Design.units = WindowUnits;
  ShowWindow(MainDialog, SW_SHOW);
  HMENU system = GetSystemMenu(window, FALSE);
  AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(system, MF_STRING, IDM_ABOUT, L"バージョン情報(&A)...");
  DragAcceptFiles(window, TRUE);
  const SIZE minimum = MinimumWindowSize();
  SetWindowPos(window, nullptr, 0, 0, minimum.cx, minimum.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

LRESULT OnDestroy() {
  DeleteWindowFonts(Fonts);
  PostQuitMessage(0);
  return 0;
}

LRESULT OnGetMinMaxInfo(LPARAM lParam) {
  if (Design.controls.empty()) return 0;
  const SIZE minimum = MinimumWindowSize();
  reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum.cx, minimum.cy};
  return 0;
}

// The roster box has the focus at the start; afterwards the window gives
// the focus back to the control that had it.
LRESULT OnActivate(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(MainDialog, focus)) FocusToRestore = focus;
  } else if (!IsIconic(window) && MainDialog != nullptr) {
    SetFocus(FocusToRestore != nullptr && IsWindow(FocusToRestore) ? FocusToRestore : GetDlgItem(MainDialog, kReportEdit));
  }
  return 0;
}

LRESULT OnClose(HWND window) {
  if (MessageBoxW(window, L"終了してもよろしいですか？", L"終了確認", MB_YESNO | MB_ICONQUESTION) != IDYES) return 0;
  // A memo that could not be kept is not dropped without a word.
  std::wstring failure;
  if (!SaveSettings(&failure)) {
    const std::wstring text = L"名簿、メモと設定を保存できませんでした。\n" + failure + L"\n\nこのまま終了しますか？";
    if (MessageBoxW(window, text.c_str(), kTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return 0;
  }
  DestroyWindow(window);
  return 0;
}

LRESULT OnEndSession(WPARAM ending) {
  if (ending) SaveSettings(nullptr);
  return 0;
}

// The accelerators' 「抽出」 goes to the dialog; the menu's commands are
// this window's, and only 「抽出」 reaches the dialog.
LRESULT OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id >= IDM_FIRST && id <= IDM_LAST) {
    OnMenuCommand(id);
  } else if (id == kExtractButton && MainDialog != nullptr) {
    SendMessageW(MainDialog, WM_COMMAND, wParam, lParam);
  }
  return 0;
}

LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  if ((wParam & 0xFFF0) != IDM_ABOUT) return DefWindowProcW(window, WM_SYSCOMMAND, wParam, lParam);
  ShowVersion();
  return 0;
}

// A move to a monitor of another DPI: the DPI comes with the message (the
// screen's DC would give the system's), the fonts are made again for it,
// and the window takes the rectangle Windows suggests.
LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
  UseDpi(HIWORD(wParam));
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayoutMainWindow();
  return 0;
}

// A click on the status bar's first part, which counts what the last run
// did, opens the list of it.
LRESULT OnNotify(const NMHDR& notice) {
  if (notice.hwndFrom == StatusBar && notice.code == NM_CLICK && reinterpret_cast<const NMMOUSE&>(notice).dwItemSpec == 0) {
    OpenAccountList();
  }
  return 0;
}

LRESULT OnDropFiles(HDROP drop) {
  std::vector<std::string> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    names.push_back(Utf8FromWide(name));
  }
  DragFinish(drop);
  ChangingRosterBox = true;
  const DroppedFiles dropped = DropFiles(MainDialogControls, std::move(names));
  ChangingRosterBox = false;
  NoteRosterChange(MainDialogControls, History, StepKind::kDrop, 0);
  ShowStatus(StatusText(dropped));
  SetFocus(GetDlgItem(MainDialog, kReportEdit));
  return 0;
}

ATOM RegisterMainClass() {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = AppInstance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(AppInstance, MAKEINTRESOURCEW(IDI_ROSTER), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hCursor =
      static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = TEXT(ROSTER_MENU_NAME);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass);
}

int StatusBarHeight() {
  RECT status = {};
  if (StatusBar != nullptr) GetWindowRect(StatusBar, &status);
  return status.bottom - status.top;
}

}  // namespace

HWND FocusInWindow() {
  HWND focus = GetFocus();
  return focus != nullptr && IsChild(MainDialog, focus) ? focus : FocusToRestore;
}

RECT WorkArea() {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(MainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

// The designed dialog above the status bar, within the work area of the
// window's monitor: a laptop's screen may be lower than the design at 150 %.
SIZE MinimumWindowSize() {
  const Rect designed = Scaled(Design.client, Design.units, WindowUnits);
  RECT frame = {0, 0, designed.width(), designed.height() + StatusBarHeight()};
  AdjustWindowRectExForDpi(&frame, kMainWindowStyle, MainMenu != nullptr, 0, WindowDpi);
  const RECT work = WorkArea();
  return {std::min(frame.right - frame.left, work.right - work.left),
          std::min(frame.bottom - frame.top, work.bottom - work.top)};
}

// The bar puts itself at the bottom; the dialog takes the rest, and its
// controls grow from their designed places.
void LayoutMainWindow() {
  if (MainWindow == nullptr || MainDialog == nullptr || StatusBar == nullptr) return;
  RECT client = {};
  GetClientRect(MainWindow, &client);
  SendMessageW(StatusBar, WM_SIZE, 0, 0);
  const int width = client.right, height = std::max(0, static_cast<int>(client.bottom) - StatusBarHeight());
  MoveWindow(MainDialog, 0, 0, width, height, TRUE);
  const Rect designed = Scaled(Design.client, Design.units, WindowUnits);
  const int extraWidth = width - designed.width(), extraHeight = height - designed.height();
  // Below the designed size each box keeps room for a few lines.
  Rect roster, memo;
  for (const DialogDesign::Control& control : Design.controls) {
    if (control.id == kReportEdit) roster = Scaled(control.rect, Design.units, WindowUnits);
    if (control.id == kMemoEdit) memo = Scaled(control.rect, Design.units, WindowUnits);
  }
  const Shrinkage shrinkage = ShrinkageOf(roster, memo, extraWidth, extraHeight, MulDiv(kSmallestBoxUnits, WindowUnits.x, 4),
                                          MulDiv(kSmallestBoxUnits, WindowUnits.y, 8));
  HDWP positions = BeginDeferWindowPos(static_cast<int>(Design.controls.size()));
  for (const DialogDesign::Control& control : Design.controls) {
    const Rect r = Grown(Scaled(control.rect, Design.units, WindowUnits), GrowthOf(control.id), extraWidth,
                         extraHeight, shrinkage);
    if (positions != nullptr) {
      positions = DeferWindowPos(positions, control.window, nullptr, r.left, r.top, r.width(), r.height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (positions != nullptr) EndDeferWindowPos(positions);
  LayoutStatusParts();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_SIZE: LayoutMainWindow(); return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_ACTIVATE: return OnActivate(window, wParam);
    case WM_CLOSE: return OnClose(window);
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(window, wParam, lParam);
    case WM_INITMENUPOPUP: EnableMenuItems(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
    case WM_DROPFILES: return OnDropFiles(reinterpret_cast<HDROP>(wParam));
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    default: break;
  }
  if (message == FindDialogMessage) {
    OnFindDialogMessage(lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int RunShell(HINSTANCE instance, int showCommand) {
  AppInstance = instance;
  if (RegisterMainClass() == 0) return 0;
  HWND window = CreateWindowExW(0, kClassName, kTitle, kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, AppInstance, nullptr);
  if (window == nullptr) return 0;
  const Settings settings = LoadSettings();
  ApplyDialogSettings(MainDialogControls, settings);
  FileFolder = settings.folder;
  UseTextPoints(settings.textPoints);
  RestoreRosterText();
  ShowMainWindow(settings, showCommand);
  UpdateWindow(window);
  HACCEL accelerators = LoadAcceleratorsW(AppInstance, TEXT(ROSTER_ACCELERATORS_NAME));
  // F5, Ctrl+Enter and the menu's keys first, from anywhere in the window;
  // then the dialog manager's keys: Tab between the controls, Space and
  // Enter on buttons. Ctrl+wheel sizes the text wherever the pointer is.
  MSG msg = {};
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) {
    if (msg.message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(msg.wParam) & MK_CONTROL) != 0) {
      OnMenuCommand(GET_WHEEL_DELTA_WPARAM(msg.wParam) > 0 ? IDM_TEXT_LARGER : IDM_TEXT_SMALLER);
      continue;
    }
    if (FindDialog != nullptr && IsDialogMessageW(FindDialog, &msg)) continue;
    if (TranslateAcceleratorW(MainWindow, accelerators, &msg)) continue;
    if (MainDialog != nullptr && IsDialogMessageW(MainDialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace roster
