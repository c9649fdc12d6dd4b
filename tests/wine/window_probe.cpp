// Loaded into a running roster.exe by the Wine tests (RosterWindow::Probe):
// measures inside the program what only its own process can see (its fonts,
// its comctl32), writes the answers next to this DLL and unloads itself.
//
// One answer a line, words separated by tabs:
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

#include <sstream>
#include <string>
#include <vector>

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

  const std::wstring report = Visible(TextOf(GetDlgItem(dialog, 1001)));
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
  } fonts[] = {{"report", GetDlgItem(dialog, 1001)}, {"memo", GetDlgItem(dialog, 1003)},
               {"controls", GetDlgItem(dialog, 1002)},
               {"combo", GetDlgItem(dialog, 1005)}, {"status", status}};
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

DWORD WINAPI Probe(LPVOID module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(static_cast<HMODULE>(module), path, MAX_PATH);
  const std::wstring answers = std::wstring(path) + L"." + std::to_wstring(GetCurrentProcessId()) + L".txt";
  std::ostringstream out;
  HDC dc = CreateCompatibleDC(nullptr);
  Report(out, dc);
  DeleteDC(dc);
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
