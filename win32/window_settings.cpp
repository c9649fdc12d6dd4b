// roster.ini on Windows: where it is kept, and the window's place on the
// screen. The file's contents are settings_file.h's.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>

#include "window/control_text.h"
#include "window/saved_text.h"
#include "win32/shell.h"
#include "platform/platform.h"
#include "encoding/utf8.h"

namespace roster {
namespace {

// A folder of its own for roster.ini instead of the usual places: for a
// second copy of the tool, and for tests that run side by side.
constexpr wchar_t kFolderVariable[] = L"ROSTER_SETTINGS_FOLDER";

std::wstring EnvironmentValue(const wchar_t* name) {
  std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

// Where roster.ini may be, in the order tried: the folder the variable
// names, alone; else beside roster.exe, then in %APPDATA%\roster, for a
// roster.exe in a folder it may not write.
std::vector<std::string> SettingsFiles(std::u8string_view name = kSettingsFileName) {
  const std::string file(Utf8Bytes(name));
  if (const std::wstring folder = EnvironmentValue(kFolderVariable); !folder.empty()) {
    return {Utf8FromWide(folder) + "\\" + file};
  }
  std::vector<std::string> files;
  if (const std::string folder = ExecutableFolder(); !folder.empty()) files.push_back(folder + file);
  PWSTR appData = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appData))) {
    files.push_back(Utf8FromWide(appData) + "\\roster\\" + file);
  }
  CoTaskMemFree(appData);
  return files;
}

Rect RectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT RectOf(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A placement's rectangle counts from the primary monitor's work area.
// One that no monitor shows any more (one taken away, a smaller desktop)
// is pulled onto the nearest, at no less than the window's smallest size.
RECT OnAMonitor(Rect normal) {
  const SIZE minimum = MinimumWindowSize();
  normal.right = normal.left + std::max<int32_t>(normal.width(), minimum.cx);
  normal.bottom = normal.top + std::max<int32_t>(normal.height(), minimum.cy);
  MONITORINFO primary = {};
  primary.cbSize = sizeof primary;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
  const LONG dx = primary.rcWork.left - primary.rcMonitor.left, dy = primary.rcWork.top - primary.rcMonitor.top;
  RECT screen = RectOf(normal);
  OffsetRect(&screen, dx, dy);
  if (MonitorFromRect(&screen, MONITOR_DEFAULTTONULL) == nullptr) {
    MONITORINFO nearest = {};
    nearest.cbSize = sizeof nearest;
    GetMonitorInfoW(MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST), &nearest);
    screen = RectOf(PulledOnScreen(RectOf(screen), RectOf(nearest.rcWork)));
  }
  OffsetRect(&screen, -dx, -dy);
  return screen;
}

std::optional<std::string> ReadSettingsFile(std::u8string_view name) {
  for (const std::string& file : SettingsFiles(name)) {
    if (std::optional<std::string> bytes = ReadFileBytes(file)) return bytes;
  }
  return std::nullopt;
}

// Through a temporary file and a rename, in the first place that takes it.
bool WriteSettingsFile(std::u8string_view name, std::string_view bytes, std::wstring* failure) {
  std::string file, reason;
  for (const std::string& candidate : SettingsFiles(name)) {
    file = candidate;
    CreateDirectoryW(WideFromUtf8(file.substr(0, file.find_last_of('\\'))).c_str(), nullptr);
    if (ReplaceFileContents(file, bytes, &reason)) return true;
  }
  if (failure != nullptr) *failure = WideFromUtf8(file) + L": " + WideFromUtf8(reason);
  return false;
}

}  // namespace

Settings LoadSettings() {
  const std::optional<std::string> bytes = ReadSettingsFile(kSettingsFileName);
  return bytes ? ParseSettingsFile(*bytes) : Settings{};
}

bool SaveSettings(std::wstring* failure) {
  Settings settings = ReadDialogSettings(MainDialogControls);
  settings.textPoints = TextPoints;
  settings.folder = FileFolder;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (GetWindowPlacement(MainWindow, &placement)) {
    const bool maximised = IsZoomed(MainWindow) || (IsIconic(MainWindow) && (placement.flags & WPF_RESTORETOMAXIMIZED));
    settings.place = WindowPlace{RectOf(placement.rcNormalPosition), maximised};
  }
  const bool kept = KeepRosterText(failure);
  return WriteSettingsFile(kSettingsFileName, SettingsFileText(settings), failure) && kept;
}

bool KeepRosterText(std::wstring* failure) {
  const std::wstring text = MainDialogControls.ReadWideText(kReportEdit);
  return WriteSettingsFile(kKeptRosterFileName, SavedText(text, SavedForm::kUtf8), failure);
}

// Not undoable: the history starts with the text as it was left.
void RestoreRosterText() {
  if (const std::optional<std::string> bytes = ReadSettingsFile(kKeptRosterFileName)) {
    History.Start(TextOfSavedUtf8(*bytes));
    ChangingRosterBox = true;
    MainDialogControls.ReplaceText(kReportEdit, History.shown(), false);
    ChangingRosterBox = false;
    // Said in place of the first words only: a missing catalogue stays named.
    const std::wstring& text = History.shown();
    const std::size_t lines = text.empty() ? 0 : std::count(text.begin(), text.end(), L'\n') + (text.back() != L'\n');
    if (ShownStatus() == StartStatusText()) ShowStatus(StartStatusText(lines));
  }
}

void ShowMainWindow(const Settings& settings, int showCommand) {
  if (showCommand == SW_SHOWDEFAULT) showCommand = SW_SHOWNORMAL;
  if (!settings.place) {
    // The first start: the whole window on the screen, its status bar too.
    RECT start = {};
    GetWindowRect(MainWindow, &start);
    const RECT on = RectOf(PulledOnScreen(RectOf(start), RectOf(WorkArea())));
    SetWindowPos(MainWindow, nullptr, on.left, on.top, on.right - on.left, on.bottom - on.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(MainWindow, showCommand);
    return;
  }
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(MainWindow, &placement);
  placement.flags = 0;
  placement.showCmd = settings.place->maximised && showCommand == SW_SHOWNORMAL ? SW_SHOWMAXIMIZED : showCommand;
  placement.rcNormalPosition = OnAMonitor(settings.place->normal);
  SetWindowPlacement(MainWindow, &placement);
}

}  // namespace roster
