// Entry point, window class "toolbase", the main window's messages and its
// layout around the dialog and the status bar.
#include <windows.h>
#include <commctrl.h>

#include <clocale>

#include "app/resource_ids.h"
#include "app/win32/fonts.h"
#include "app/win32/shell.h"

namespace roster {

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
HWND MainDialog = nullptr;
HWND StatusBar = nullptr;
HFONT StatusFont = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"toolbase";
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // 0x00CA0000

LRESULT OnCreate(HWND window) {
  // The C runtime's character classification becomes Japanese; every other
  // category stays classic. Text crosses the controls as code page 932
  // explicitly, so nothing depends on this taking effect.
  std::setlocale(LC_CTYPE, "japanese");
  MainWindow = window;
  MainMenu = GetMenu(window);
  InitCommonControls();
  MainDialog = CreateDialogParamW(AppInstance, TEXT(ROSTER_DIALOG_NAME), window, MainDialogProc, 0);
  if (MainDialog != nullptr) ShowWindow(MainDialog, SW_SHOW);
  StatusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, L"ステータスバー", window, ID_STATUS_BAR);
  if (StatusBar != nullptr) {
    StatusFont = CreateFontHoldingJapanese(reinterpret_cast<HFONT>(SendMessageW(StatusBar, WM_GETFONT, 0, 0)));
    if (StatusFont != nullptr) SendMessageW(StatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(StatusFont), TRUE);
  }
  return 0;
}

LRESULT OnClose(HWND window) {
  if (MessageBoxW(window, L"終了してもよろしいですか？", L"終了確認", MB_YESNO | MB_ICONQUESTION) == IDYES) {
    DestroyWindow(window);
  }
  return 0;
}

LRESULT OnDestroy() {
  if (StatusFont != nullptr) DeleteObject(StatusFont);
  PostQuitMessage(0);
  return 0;
}

ATOM RegisterMainClass() {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = AppInstance;
  windowClass.hCursor =
      static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = TEXT(ROSTER_MENU_NAME);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass);
}

}  // namespace

// Without a dialog there is nothing to fit; without a status bar it takes
// no room.
void LayoutMainWindow() {
  if (MainWindow == nullptr || MainDialog == nullptr) return;
  RECT outer = {};
  GetWindowRect(MainWindow, &outer);
  RECT dialog = {};
  GetClientRect(MainDialog, &dialog);
  RECT frame = {};
  SetRect(&frame, 0, 0, dialog.right - dialog.left, dialog.bottom - dialog.top);
  AdjustWindowRect(&frame, kMainWindowStyle, MainMenu != nullptr);
  RECT status = {};
  if (StatusBar != nullptr) GetClientRect(StatusBar, &status);
  const int statusHeight = status.bottom - status.top;
  MoveWindow(MainWindow, outer.left, outer.top, frame.right - frame.left, frame.bottom - frame.top + statusHeight, TRUE);
  MoveWindow(MainDialog, 0, 0, dialog.right - dialog.left, dialog.bottom - dialog.top, TRUE);
  if (StatusBar != nullptr) {
    SendMessageW(StatusBar, WM_SIZE, 0, MAKELPARAM(outer.right - outer.left, outer.bottom - outer.top));
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_SIZE: LayoutMainWindow(); return 0;
    case WM_CLOSE: return OnClose(window);
    case WM_NOTIFY: return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace roster

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace roster;
  AppInstance = instance;
  if (RegisterMainClass() == 0) return 0;
  HWND window = CreateWindowExW(0, kClassName, L"", kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, AppInstance, nullptr);
  if (window == nullptr) return 0;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  HACCEL accelerators = LoadAcceleratorsW(AppInstance, TEXT(ROSTER_ACCELERATORS_NAME));
  // Messages are not offered to the dialog manager, so the dialog has no
  // keyboard movement between its controls.
  MSG msg = {};
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) {
    if (!TranslateAcceleratorW(MainWindow, accelerators, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
