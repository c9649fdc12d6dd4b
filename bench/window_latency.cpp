// window_latency ROSTER [OTHER-ROSTER.EXE] (Windows paths): how long a paste
// of a large roster into roster.exe and its 「抽出」 take, and how long the
// edit box alone takes to take the same text; how long keeping the roster
// box's text at the end of a session takes, and a start that gives it back
// against a start with nothing kept; medians of five. Run by
// bench/window-latency under Wine with each system code page.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "encoding/encoding.h"
#include "roster_window.h"

namespace roster {
namespace {

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// From the start until the roster box holds `length` characters, asked by
// their count: a copy of the text to this process would take longer than
// the program takes to show it.
double StartUntil(const std::wstring& folder, const std::wstring& exe, std::size_t length) {
  const auto start = std::chrono::steady_clock::now();
  const std::unique_ptr<RosterWindow> window = RosterWindow::Start(folder, exe);
  if (window == nullptr) return -1;
  HWND box = window->Control(kReportEdit);
  WaitFor([&] { return window->Send(box, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(length); });
  const double seconds = Seconds(start);
  window->Close();
  return seconds;
}

int Measure(const std::wstring& rosterFile, const std::wstring& exe) {
  const std::wstring folder = MakeWorkFolder();
  std::unique_ptr<RosterWindow> window = RosterWindow::Start(folder, exe);
  if (window == nullptr) return 1;
  const std::wstring text = WideFromCp932(ReadBinaryFile(rosterFile));
  HWND edit = window->Control(kReportEdit);
  window->SelectKey(1);
  std::vector<double> paste, extract, alone;
  for (int run = 0; run < 5; ++run) {
    window->SetWideText(edit, L"");
    auto start = std::chrono::steady_clock::now();
    window->SetWideText(edit, text);
    alone.push_back(Seconds(start));
    window->SetWideText(edit, L"");
    if (!PutOnClipboard(text)) return 1;
    start = std::chrono::steady_clock::now();
    window->Send(edit, WM_PASTE, 0, 0);
    window->Send(edit, WM_NULL, 0, 0);
    paste.push_back(Seconds(start));
    start = std::chrono::steady_clock::now();
    window->Click(kExtractButton);
    window->Send(edit, WM_NULL, 0, 0);
    extract.push_back(Seconds(start));
  }
  std::vector<double> keep, restore, empty;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    window->Send(window->main(), WM_ENDSESSION, TRUE, 0);
    keep.push_back(Seconds(start));
  }
  const std::size_t kept = window->WideText(edit).size();
  window->Close();
  window.reset();
  for (int run = 0; run < 5; ++run) {
    restore.push_back(StartUntil(folder, exe, kept));
    empty.push_back(StartUntil(MakeWorkFolder(), exe, 0));
  }
  std::printf(
      "latency: code page %u, %zu characters: paste %.3f s, extract %.3f s; the edit box alone (WM_SETTEXT) %.3f s; "
      "keeping the roster at the session's end %.3f s; a start giving it back %.3f s, one with nothing kept %.3f s "
      "(medians of 5)\n",
      GetACP(), text.size(), Median(paste), Median(extract), Median(alone), Median(keep), Median(restore), Median(empty));
  return 0;
}

}  // namespace
}  // namespace roster

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: window_latency ROSTER [OTHER-ROSTER.EXE]\n");
    return 2;
  }
  return roster::Measure(argv[1], argc == 3 ? argv[2] : L"");
}
