#include "roster_window.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "encoding/encoding.h"
#include "top_level_window.h"

namespace roster {
namespace {

constexpr UINT kSendTimeoutMs = 30000;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// Whether the probe is still loaded in process `id`: one that has answered
// unloads itself a moment later, and a load before that would only count
// up, with no probe run.
bool ProbeLoaded(DWORD id, const std::wstring& dll) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32W module = {};
  module.dwSize = sizeof module;
  bool loaded = false;
  for (BOOL more = Module32FirstW(snapshot, &module); more && !loaded; more = Module32NextW(snapshot, &module)) {
    loaded = lstrcmpiW(module.szModule, dll.substr(dll.find_last_of(L'\\') + 1).c_str()) == 0;
  }
  CloseHandle(snapshot);
  return loaded;
}

}  // namespace

std::string Cp932(std::string_view utf8) { return Cp932FromUtf8(utf8); }

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return path;
}

std::string ReadBinaryFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::wstring Environment(const wchar_t* name) {
  const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
  if (length == 0) return L"";
  std::wstring value(length, L'\0');
  GetEnvironmentVariableW(name, value.data(), length);
  value.resize(length - 1);
  return value;
}

bool PutOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

void WriteBinaryFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring MakeWorkFolder(bool withCatalogue) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int count = 0;
  const std::wstring folder =
      std::wstring(temp) + L"roster-gui-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
  CreateDirectoryW(folder.c_str(), nullptr);
  if (!withCatalogue) return folder;
  CreateDirectoryW((folder + L"\\Database").c_str(), nullptr);
  const std::wstring source = WindowsPath(ROSTER_SOURCE_DIR) + L"\\Database\\技能.txt";
  CopyFileW(source.c_str(), (folder + L"\\Database\\技能.txt").c_str(), FALSE);
  return folder;
}

ProcessResult RunRosterExtract(const std::wstring& folder, const std::vector<std::string>& arguments) {
  std::wstring commandLine = Quoted(WindowsPath(ROSTER_EXTRACT_EXE));
  for (const std::string& argument : arguments) commandLine += L" " + Quoted(WideFromCp932(argument));
  const std::wstring outPath = folder + L"\\extract-out.txt", errPath = folder + L"\\extract-err.txt";
  ProcessResult result;
  result.exitCode = 999;
  // Under Wine a process start now and then fails for a moment (seen about
  // once in a few thousand starts): the reference run is tried again, each
  // failure is told on standard error, and the last error is kept.
  constexpr int kTries = 5;
  for (int attempt = 1; attempt <= kTries; ++attempt) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const bool started = out != INVALID_HANDLE_VALUE &&
                         CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                                        &startup, &process);
    result.startError = started ? 0 : GetLastError();
    if (started) {
      WaitForSingleObject(process.hProcess, 60000);
      GetExitCodeProcess(process.hProcess, &result.exitCode);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
    if (started) break;
    fprintf(stderr, "roster-extract.exe did not start (try %d, error %lu)\n", attempt, result.startError);
    Sleep(200);
  }
  result.out = ReadBinaryFile(outPath);
  result.err = ReadBinaryFile(errPath);
  return result;
}

std::unique_ptr<RosterWindow> RosterWindow::Start(const std::wstring& folder, const std::wstring& exe,
                                                  const std::wstring& settings) {
  auto window = std::unique_ptr<RosterWindow>(new RosterWindow());
  std::wstring commandLine = Quoted(exe.empty() ? WindowsPath(ROSTER_EXE) : exe);
  // Each run keeps its roster.ini apart, not beside the roster.exe that
  // the parallel runs share.
  SetEnvironmentVariableW(L"ROSTER_SETTINGS_FOLDER", (settings.empty() ? folder : settings).c_str());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &window->process_)) {
    return nullptr;
  }
  const DWORD id = window->process_.dwProcessId;
  if (!WaitFor([&] { return (window->main_ = FindTopLevelWindow(id, L"toolbase")) != nullptr; })) return nullptr;
  if (!WaitFor([&] {
        window->dialog_ = FindWindowExW(window->main_, nullptr, L"#32770", nullptr);
        window->statusBar_ = FindWindowExW(window->main_, nullptr, STATUSCLASSNAMEW, nullptr);
        return window->dialog_ != nullptr && window->statusBar_ != nullptr && IsWindowVisible(window->main_);
      })) {
    return nullptr;
  }
  return window;
}

RosterWindow::~RosterWindow() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

LRESULT RosterWindow::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::wstring RosterWindow::WideText(HWND window) const {
  const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = Send(window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::string RosterWindow::Text(HWND window) const { return Cp932FromWide(WideText(window)); }

void RosterWindow::SetText(HWND window, const std::string& cp932) const { SetWideText(window, WideFromCp932(cp932)); }

void RosterWindow::SetWideText(HWND window, const std::wstring& text) const {
  Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> RosterWindow::ComboEntries() const {
  HWND combo = Control(kSortKeyCombo);
  std::vector<std::string> entries;
  const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    entries.push_back(Cp932FromWide(entry));
  }
  return entries;
}

void RosterWindow::SelectKey(int index) const { Send(Control(kSortKeyCombo), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void RosterWindow::TypeKey(const std::string& cp932) const {
  Send(Control(kSortKeyCombo), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetText(Control(kSortKeyCombo), cp932);
}

void RosterWindow::Click(int id) const { Send(Control(id), BM_CLICK, 0, 0); }

void RosterWindow::Press(const std::vector<WORD>& keys) const {
  const auto ours = [&] {
    DWORD id = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &id);
    return id == process_.dwProcessId;
  };
  if (!ours()) SetForegroundWindow(main_);
  WaitFor(ours, std::chrono::seconds(5));
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND RosterWindow::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

// The probe is loaded into the program by a thread of its own that calls
// LoadLibraryW, which stands at the same address in every process; it
// finds its commands beside itself, under the program's process number.
std::vector<std::vector<std::string>> RosterWindow::Probe(const std::vector<std::string>& commands) const {
  const std::wstring dll = WindowsPath(WINDOW_PROBE_DLL);
  WaitFor([&] { return !ProbeLoaded(process_.dwProcessId, dll); }, std::chrono::seconds(5));
  const std::wstring answers = dll + L"." + std::to_wstring(process_.dwProcessId) + L".txt";
  DeleteFileW(answers.c_str());
  std::string script;
  for (const std::string& command : commands) script += command + "\n";
  WriteBinaryFile(dll + L"." + std::to_wstring(process_.dwProcessId) + L".in", script);
  const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_.hProcess, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  std::vector<std::vector<std::string>> lines;
  if (remote == nullptr || !WriteProcessMemory(process_.hProcess, remote, dll.c_str(), bytes, nullptr)) return lines;
  auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  if (HANDLE thread = CreateRemoteThread(process_.hProcess, nullptr, 0, load, remote, 0, nullptr)) {
    WaitForSingleObject(thread, 20000);
    CloseHandle(thread);
  }
  const bool answered = WaitFor([&] { return GetFileAttributesW(answers.c_str()) != INVALID_FILE_ATTRIBUTES; });
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  if (!answered) return lines;
  std::istringstream text(ReadBinaryFile(answers));
  for (std::string line; std::getline(text, line);) {
    std::vector<std::string>& words = lines.emplace_back();
    std::istringstream fields(line);
    for (std::string word; std::getline(fields, word, '\t');) words.push_back(word);
  }
  DeleteFileW(answers.c_str());
  return lines;
}

void RosterWindow::Place(const Rect& r) const {
  Probe({"place\t" + std::to_string(r.left) + "\t" + std::to_string(r.top) + "\t" + std::to_string(r.right) + "\t" +
         std::to_string(r.bottom)});
}

HWND RosterWindow::FindOwned(const wchar_t* className) const {
  return FindTopLevelWindow(process_.dwProcessId, className, main_);
}

// The box is there once its buttons are: a click before that is lost.
HWND RosterWindow::RequestClose() const {
  PostMessageW(main_, WM_CLOSE, 0, 0);
  HWND box = nullptr;
  WaitFor([&] { return (box = FindOwned(L"#32770")) != nullptr && GetDlgItem(box, IDYES) != nullptr; });
  return box;
}

bool RosterWindow::WaitForExit(DWORD& exitCode) const {
  if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

bool RosterWindow::Close() const {
  HWND box = RequestClose();
  if (box == nullptr) return false;
  Send(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
  DWORD exitCode = 1;
  return WaitForExit(exitCode) && exitCode == 0;
}

}  // namespace roster
