// Loaded into a running roster.exe by the Wine tests (RosterWindow::Probe):
// measures and does inside the program what only its own process can (its
// fonts, its comctl32, its status bar's parts; a DPI change, which Wine
// never sends; a drop of files, whose handle is the receiver's memory),
// writes the answers next to this DLL and unloads itself.
//
// Commands, a line each, words separated by tabs:
//   measure                        the answers below (the default)
//   status                         part N NEED ROOM TEXT: per part of the
//                                  status bar, the width its text needs and
//                                  the room it has; tip TEXT: the bar's
//                                  tooltip, its lines joined by " / "
//   dpi FROM TO                    WM_DPICHANGED from FROM to TO, with the
//                                  window's rectangle scaled as the
//                                  suggestion
//   dpi-cycle FROM TO N            N such changes back and forth; stale K:
//                                  fonts the window used before that are
//                                  still there
//   drop FILE...                   WM_DROPFILES of the files, in order
//   place LEFT TOP RIGHT BOTTOM    moves the window there (Wine scales a
//                                  size set from another process by its DPI)
//   menu N                         the menu bar's Nth menu, as it opens
//                                  (WM_INITMENUPOPUP): item ID GREYED TEXT
//                                  for each command; bar TEXT per menu
//   sysmenu                        sysmenu TEXT: the system menu's last item;
//                                  icons BIG SMALL: 1 for each the window has
//   account                        the list 「抽出の記録」, when open: row
//                                  LINE WHAT START per row; font FACE MISSING:
//                                  its font, and the characters of its rows
//                                  and headings it has no glyph for
//
// One answer of measure a line, words separated by tabs:
//   dpi N                          the DPI the program sees
//   comctl32 PATH                  the common controls its status bar runs on
//   font NAME FACE HEIGHT MISSING  per font (the edit boxes', the other
//                                  controls', the combo box's, the status
//                                  bar's): its face, cell height, and how
//                                  many characters of the report, the
//                                  captions and the status text it has no
//                                  glyph for
//   columns NAME HALF WRONG        per edit font: the width of a half-width
//                                  character and how many characters of the
//                                  report are not one or two such widths
//   caption ID NEED HAVE TEXT      per visible caption: the width its text
//                                  needs (with the radio's circle) and the
//                                  control's client width
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "window/resource_ids.h"
#include "top_level_window.h"

namespace {

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Utf8(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  return out;
}

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

int Width(HDC dc, std::wstring_view text) {
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::wstring Visible(std::wstring_view text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c != L'\r' && c != L'\n') out.push_back(c);
  }
  return out;
}

void Report(std::ostringstream& out, HDC dc) {
  HWND main = roster::FindTopLevelWindow(GetCurrentProcessId(), L"toolbase");
  HWND dialog = FindWindowExW(main, nullptr, L"#32770", nullptr);
  HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  out << "dpi\t" << GetDeviceCaps(dc, LOGPIXELSY) << "\n";

  // The file of the common controls whose code runs the status bar: from
  // the side-by-side assembly of version 6 when the manifest took effect.
  // (Wine's comctl32 answers DllGetVersion with 5.81 in either version.)
  HMODULE comctl = nullptr;
  const auto procedure = reinterpret_cast<LPCWSTR>(GetWindowLongPtrW(status, GWLP_WNDPROC));
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         procedure, &comctl)) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    out << "comctl32\t" << Utf8(path) << "\n";
  }

  const std::wstring report = Visible(TextOf(GetDlgItem(dialog, IDC_REPORT_EDIT)));
  std::wstring everything = report + TextOf(status);
  std::vector<HWND> captioned;
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    if (std::wstring_view(name) == L"Edit" || std::wstring_view(name) == L"ComboBox") continue;
    everything += TextOf(control);
    if (IsWindowVisible(control)) captioned.push_back(control);
  }

  const struct {
    const char* name;
    HWND window;
  } fonts[] = {{"report", GetDlgItem(dialog, IDC_REPORT_EDIT)}, {"memo", GetDlgItem(dialog, IDC_MEMO_EDIT)},
               {"controls", GetDlgItem(dialog, IDC_EXTRACT_BUTTON)},
               {"combo", GetDlgItem(dialog, IDC_SORT_KEY_COMBO)}, {"status", status}};
  for (const auto& font : fonts) {
    HFONT handle = FontOf(font.window);
    if (handle == nullptr) {
      out << "font\t" << font.name << "\t(none)\t0\t" << everything.size() << "\n";
      continue;
    }
    SelectObject(dc, handle);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    std::vector<WORD> glyphs(everything.size());
    GetGlyphIndicesW(dc, everything.data(), static_cast<int>(everything.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    std::size_t missing = 0;
    for (WORD glyph : glyphs) missing += glyph == 0xFFFF;
    out << "font\t" << font.name << "\t" << Utf8(face) << "\t" << metrics.tmHeight << "\t" << missing << "\n";
    if (std::string_view(font.name) == "report" || std::string_view(font.name) == "memo") {
      const int half = Width(dc, L"a");
      std::size_t wrong = 0;
      for (wchar_t c : report) {
        char bytes[4];
        const int length = WideCharToMultiByte(932, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
        wrong += Width(dc, std::wstring_view(&c, 1)) != length * half;
      }
      out << "columns\t" << font.name << "\t" << half << "\t" << wrong << "\n";
    }
  }

  for (HWND control : captioned) {
    const std::wstring caption = TextOf(control);
    SelectObject(dc, FontOf(control));
    int need = Width(dc, caption);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const LONG kind = style & BS_TYPEMASK;
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    const bool checkable = std::wstring_view(name) == L"Button" &&
                           (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON || kind == BS_AUTOCHECKBOX ||
                            kind == BS_CHECKBOX);
    if (checkable) {
      // The circle or box, and the gap before the text, as the button draws them.
      SIZE ideal = {};
      if (SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) && ideal.cx > 0) {
        need = ideal.cx;
      } else {
        need += GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
      }
    }
    RECT client = {};
    GetClientRect(control, &client);
    out << "caption\t" << GetDlgCtrlID(control) << "\t" << need << "\t" << client.right << "\t" << Utf8(caption)
        << "\n";
  }
}

std::wstring Wide(const std::string& utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), static_cast<int>(out.size()))));
  return out;
}

HWND MainWindow() { return roster::FindTopLevelWindow(GetCurrentProcessId(), L"toolbase"); }

void ReportStatus(std::ostringstream& out) {
  HWND main = MainWindow();
  HWND status = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  HDC dc = GetDC(status);
  SelectObject(dc, FontOf(status));
  const int parts = static_cast<int>(SendMessageW(status, SB_GETPARTS, 0, 0));
  const bool grip = (GetWindowLongW(status, GWL_STYLE) & SBARS_SIZEGRIP) != 0 && !IsZoomed(main);
  for (int part = 0; part < parts; ++part) {
    std::wstring text(LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, part, 0)) + 1, L'\0');
    text.resize(LOWORD(SendMessageW(status, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()))));
    RECT r = {};
    SendMessageW(status, SB_GETRECT, part, reinterpret_cast<LPARAM>(&r));
    const int room = r.right - r.left - 2 * GetSystemMetrics(SM_CXEDGE) -
                     (part == parts - 1 && grip ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    out << "part\t" << part << "\t" << Width(dc, text) << "\t" << room << "\t" << Utf8(text) << "\n";
  }
  ReleaseDC(status, dc);
  HWND tips = roster::FindTopLevelWindow(GetCurrentProcessId(), TOOLTIPS_CLASSW, main);
  wchar_t tip[1024] = {};
  TTTOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.hwnd = main;
  info.uId = reinterpret_cast<UINT_PTR>(status);
  info.lpszText = tip;
  SendMessageW(tips, TTM_GETTEXTW, std::size(tip), reinterpret_cast<LPARAM>(&info));
  std::wstring joined;
  for (wchar_t c : std::wstring_view(tip)) {
    if (c == L'\n') joined += L" / ";
    if (c != L'\r' && c != L'\n') joined += c;
  }
  out << "tip\t" << Utf8(joined) << "\n";
}

void ChangeDpi(int from, int to) {
  HWND main = MainWindow();
  RECT r = {};
  GetWindowRect(main, &r);
  r.right = r.left + MulDiv(r.right - r.left, to, from);
  r.bottom = r.top + MulDiv(r.bottom - r.top, to, from);
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&r));
}

// Fonts the window let go of must be deleted: a change that leaks its old
// fonts grows the process's GDI objects with every move between monitors.
void CycleDpi(std::ostringstream& out, int from, int to, int changes) {
  HWND main = MainWindow();
  HWND dialog = FindWindowExW(main, nullptr, L"#32770", nullptr);
  const HWND users[] = {GetDlgItem(dialog, IDC_REPORT_EDIT), GetDlgItem(dialog, IDC_EXTRACT_BUTTON), FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr)};
  std::vector<HFONT> used;
  for (int i = 0; i < changes; ++i) {
    for (HWND user : users) used.push_back(FontOf(user));
    ChangeDpi(i % 2 == 0 ? from : to, i % 2 == 0 ? to : from);
  }
  std::vector<HFONT> current;
  for (HWND user : users) current.push_back(FontOf(user));
  std::size_t stale = 0;
  for (HFONT font : used) {
    stale += std::find(current.begin(), current.end(), font) == current.end() && GetObjectType(font) == OBJ_FONT;
  }
  out << "stale\t" << stale << "\n";
}

// The shell frees the handle with DragFinish, as it would a real drop's.
void Drop(const std::vector<std::string>& files) {
  std::wstring names;
  for (const std::string& file : files) names += Wide(file) + L'\0';
  names += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  SendMessageW(MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void ReportAccountList(std::ostringstream& out) {
  HWND list = FindWindowW(L"rosteraccount", nullptr);
  HWND view = list != nullptr ? GetWindow(list, GW_CHILD) : nullptr;
  if (view == nullptr) return;
  std::wstring everything;
  const auto rows = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    out << "row";
    for (int column = 0; column < 3; ++column) {
      wchar_t text[512] = {};
      LVITEMW item = {};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = 512;
      SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      out << "\t" << Utf8(text);
      everything += text;
    }
    out << "\n";
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
  for (int column = 0; column < 3; ++column) {
    wchar_t text[64] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    everything += text;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, FontOf(view));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  std::vector<WORD> glyphs(everything.size());
  GetGlyphIndicesW(dc, everything.data(), static_cast<int>(everything.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  DeleteDC(dc);
  out << "font\t" << Utf8(face) << "\t" << std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) << "\n";
}

void Run(std::ostringstream& out, const std::vector<std::string>& command) {
  const std::string& verb = command[0];
  if (verb == "measure") {
    HDC dc = CreateCompatibleDC(nullptr);
    Report(out, dc);
    DeleteDC(dc);
  } else if (verb == "status") {
    ReportStatus(out);
  } else if (verb == "dpi" && command.size() == 3) {
    ChangeDpi(std::stoi(command[1]), std::stoi(command[2]));
  } else if (verb == "dpi-cycle" && command.size() == 4) {
    CycleDpi(out, std::stoi(command[1]), std::stoi(command[2]), std::stoi(command[3]));
  } else if (verb == "drop") {
    Drop({command.begin() + 1, command.end()});
  } else if (verb == "place" && command.size() == 5) {
    const int left = std::stoi(command[1]), top = std::stoi(command[2]);
    SetWindowPos(MainWindow(), nullptr, left, top, std::stoi(command[3]) - left, std::stoi(command[4]) - top, SWP_NOZORDER);
  } else if (verb == "menu" && command.size() == 2) {
    HMENU bar = GetMenu(MainWindow());
    wchar_t text[128] = {};
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
      GetMenuStringW(bar, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
      out << "bar\t" << Utf8(text) << "\n";
    }
    HMENU popup = GetSubMenu(bar, std::stoi(command[1]));
    SendMessageW(MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), std::stoi(command[1]));
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      const UINT id = GetMenuItemID(popup, i);
      if (id == 0) continue;
      GetMenuStringW(popup, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
      out << "item\t" << id << "\t" << ((GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0) << "\t" << Utf8(text) << "\n";
    }
  } else if (verb == "account") {
    ReportAccountList(out);
  } else if (verb == "sysmenu") {
    HMENU menu = GetSystemMenu(MainWindow(), FALSE);
    wchar_t text[128] = {};
    GetMenuStringW(menu, GetMenuItemCount(menu) - 1, text, 128, MF_BYPOSITION);
    out << "sysmenu\t" << Utf8(text) << "\n";
    out << "icons\t" << (SendMessageW(MainWindow(), WM_GETICON, ICON_BIG, 0) != 0) << "\t"
        << (SendMessageW(MainWindow(), WM_GETICON, ICON_SMALL, 0) != 0) << "\n";
  }
}

DWORD WINAPI Probe(LPVOID module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(static_cast<HMODULE>(module), path, MAX_PATH);
  const std::wstring base = std::wstring(path) + L"." + std::to_wstring(GetCurrentProcessId());
  const std::wstring answers = base + L".txt";
  std::ostringstream out;
  std::ifstream commands((base + L".in").c_str());
  for (std::string line; std::getline(commands, line);) {
    std::vector<std::string> words;
    std::istringstream fields(line);
    for (std::string word; std::getline(fields, word, '\t');) words.push_back(word);
    if (!words.empty()) Run(out, words);
  }
  commands.close();
  DeleteFileW((base + L".in").c_str());
  const std::string bytes = out.str();
  HANDLE file = CreateFileW((answers + L".part").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExW((answers + L".part").c_str(), answers.c_str(), MOVEFILE_REPLACE_EXISTING);
  FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(module);
    if (HANDLE thread = CreateThread(nullptr, 0, Probe, module, 0, nullptr)) CloseHandle(thread);
  }
  return TRUE;
}
