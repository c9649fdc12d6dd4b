// roster.exe under Wine, driven through its real controls: start-up state,
// layout, the exit confirmation, and 「抽出」 against roster-extract.exe on a
// dozen rosters, keys picked from the list or typed, in both directions.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <tuple>

#include "window/control_text.h"
#include "window/window_layout.h"
#include "encoding/encoding.h"
#include "text/cp932.h"
#include "roster_window.h"
#include "support/conversion_cases.h"

namespace roster {
namespace {

class GuiTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeWorkFolder();
    window_ = RosterWindow::Start(folder_);
    ASSERT_NE(window_, nullptr) << "roster.exe did not show its window";
  }

  // Puts `text` into the report box, picks the key, the direction, presses
  // 「抽出」 and returns the box's text.
  std::string Extract(const std::string& text, const std::string& key, bool typed, bool descending) {
    window_->SetText(window_->Control(kReportEdit), text);
    if (typed) {
      window_->TypeKey(key);
    } else {
      const std::vector<std::string> entries = window_->ComboEntries();
      const auto entry = std::find(entries.begin(), entries.end(), key);
      EXPECT_NE(entry, entries.end()) << key;
      window_->SelectKey(static_cast<int>(entry - entries.begin()));
    }
    window_->Click(descending ? kDescendingRadio : kAscendingRadio);
    EXPECT_EQ(window_->Send(window_->Control(kDescendingRadio), BM_GETCHECK, 0, 0), descending ? BST_CHECKED : BST_UNCHECKED);
    window_->Click(kExtractButton);
    return window_->Text(window_->Control(kReportEdit));
  }

  std::string Headless(const std::string& text, const std::string& key, bool descending) {
    WriteBinaryFile(folder_ + L"\\input.txt", text);
    std::vector<std::string> arguments = {"--key", key};
    if (descending) arguments.push_back("--descending");
    arguments.push_back("input.txt");
    const ProcessResult result = RunRosterExtract(folder_, arguments);
    EXPECT_EQ(result.exitCode, 0u) << "start error " << result.startError;
    return result.out;
  }

  std::wstring folder_;
  std::unique_ptr<RosterWindow> window_;
};

std::string SampleRoster() { return ReadBinaryFile(WindowsPath(ROSTER_SOURCE_DIR "/examples/roster.txt")); }

// roster-extract.exe as a Windows user types it: a Japanese key on the wide
// command line, a UTF-8 roster written back as UTF-8, a report written over
// its own input with -o, and a key that names nothing.
TEST(RosterExtractExe, JapaneseKeysFilesInAnyEncodingAndOutputInPlace) {
  const std::wstring folder = MakeWorkFolder();
  const std::string expected = ReadBinaryFile(WindowsPath(ROSTER_SOURCE_DIR "/tests/data/roster_by_name.cp932.txt"));
  WriteBinaryFile(folder + L"\\roster.txt", SampleRoster());
  WriteBinaryFile(folder + L"\\utf8.txt", Utf8FromCp932(SampleRoster()));
  const ProcessResult utf8 = RunRosterExtract(folder, {"--key=" + Cp932("名前"), "utf8.txt"});
  EXPECT_EQ(utf8.exitCode, 0u) << utf8.err;
  EXPECT_EQ(utf8.out, Utf8FromCp932(expected));
  const ProcessResult typo = RunRosterExtract(folder, {"-k", Cp932("命中率"), "roster.txt"});
  EXPECT_EQ(typo.exitCode, 0u);
  EXPECT_EQ(typo.out, RunRosterExtract(folder, {"roster.txt"}).out);
  EXPECT_NE(typo.err.find("names no entry of the key list"), std::string::npos) << typo.err;
  EXPECT_NE(typo.err.find("名前, 種族"), std::string::npos) << typo.err;
  const ProcessResult inPlace = RunRosterExtract(folder, {"-rk", Cp932("命中力"), "-o", "roster.txt", "roster.txt"});
  EXPECT_EQ(inPlace.exitCode, 0u) << inPlace.err;
  EXPECT_EQ(inPlace.out, "");
  const ProcessResult again = RunRosterExtract(folder, {"-k", Cp932("名前"), "roster.txt"});
  EXPECT_EQ(again.out, expected);
  EXPECT_NE(ReadBinaryFile(folder + L"\\roster.txt"), expected);  // sorted by hit, not by name
}

// Whatever the system code page, Japanese text looks and behaves the same.
TEST(SystemCodePage, IsTheOneThisRunIsFor) {
  const std::wstring expected = Environment(L"ROSTER_EXPECT_CODE_PAGE");
  if (expected.empty()) GTEST_SKIP();
  EXPECT_EQ(std::to_wstring(GetACP()), expected);
}

// Code page 932 written on Windows as on Linux (tests/text_test.cpp runs
// the same table there).
TEST(Conversions, ToCp932AsOnEveryPlatform) {
  for (const std::string& failure : ConversionFailures()) ADD_FAILURE() << failure;
}

// Every code of the one table against Windows' own code page 932, both
// ways: "read XX" where a byte or pair reads otherwise, "write U+XXXX" where
// a character is written otherwise. What differs by design:
// - 0x80, which Windows reads as U+0080, is no character, and U+0080 and
//   the private U+F8F0-U+F8F3, which Windows writes as bytes that are no
//   character of a text (0x80, 0xA0, 0xFD-0xFF), have no form;
// - the nine characters that other systems write for JIS characters
//   (〜 − ‖ — ¢ £ ¬ ¥ ‾) are those characters, where Windows has none.
TEST(Conversions, TheTableIsWindowsCodePage932) {
  const std::set<std::string> byDesign = {
      "read 80",        "write U+0080",   "write U+F8F0",   "write U+F8F1",   "write U+F8F2",   "write U+F8F3",
      "write U+301C",   "write U+2212",   "write U+2016",   "write U+2014",   "write U+00A2",
      "write U+00A3",   "write U+00AC",   "write U+00A5",   "write U+203E"};
  std::set<std::string> differences;
  char name[32];
  auto read = [&](std::string_view bytes) {
    wchar_t windows[4];
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                           windows, 4);
    ConversionLoss loss;
    const std::wstring ours = WideFromCp932(bytes, &loss);
    if (loss.count > 0 ? length == 1 : std::wstring(windows, std::max(length, 0)) != ours) {
      std::string difference = "read ";
      for (char b : bytes) {
        std::snprintf(name, sizeof name, "%02X", static_cast<unsigned char>(b));
        difference += name;
      }
      differences.insert(difference);
    }
  };
  for (unsigned byte = 0; byte <= 0xFF; ++byte) {
    if (!IsLeadByte(static_cast<unsigned char>(byte))) read(std::string(1, static_cast<char>(byte)));
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; IsLeadByte(static_cast<unsigned char>(lead)) && trail <= 0xFC; ++trail) {
      if (trail != 0x7F) read(std::string{static_cast<char>(lead), static_cast<char>(trail)});
    }
  }
  for (wchar_t c = 1; c < 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    char windows[4];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &c, 1, windows, 4, nullptr, &usedDefault);
    ConversionLoss loss;
    const std::string ours = Cp932FromWide(std::wstring(1, c), &loss);
    if (loss.count > 0 ? !usedDefault : usedDefault || std::string(windows, std::max(length, 0)) != ours) {
      std::snprintf(name, sizeof name, "write U+%04X", static_cast<unsigned>(c));
      differences.insert(name);
    }
  }
  for (const std::string& difference : differences) {
    if (!byDesign.contains(difference)) ADD_FAILURE() << difference;
  }
  for (const std::string& difference : byDesign) {
    if (!differences.contains(difference)) ADD_FAILURE() << "no longer differs: " << difference;
  }
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* language, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return L"";
  return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

// What Explorer's Properties show: the version set once in CMake, and a
// description in Japanese and in English.
TEST(VersionResource, NamesTheProductItsVersionAndWhatItDoes) {
  const std::wstring exe = WindowsPath(ROSTER_EXE);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  const std::wstring version = WideFromCp932(ROSTER_VERSION);
  EXPECT_EQ(VersionString(info, L"041104B0", L"ProductName"), L"roster");
  EXPECT_EQ(VersionString(info, L"041104B0", L"FileVersion"), version);
  EXPECT_EQ(VersionString(info, L"041104B0", L"FileDescription"), L"キャラクター名簿の抽出と整列");
  EXPECT_EQ(VersionString(info, L"040904B0", L"FileDescription"), L"Extracts and sorts a character roster");
  EXPECT_EQ(VersionString(info, L"040904B0", L"ProductVersion"), version);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numbers, version);
}

// Resource 1 of type RT_MANIFEST: Common Controls 6, per-monitor DPI
// awareness (v2, else system-aware), Windows 10 and 11.
TEST(Manifest, AsksForCommonControls6AndDpiAwareness) {
  HMODULE exe = LoadLibraryExW(WindowsPath(ROSTER_EXE).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(exe, nullptr);
  HRSRC resource = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(resource, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, resource))),
                             SizeofResource(exe, resource));
  for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", ">true</dpiAware>",
                           ">PerMonitorV2, system</dpiAwareness>", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
  FreeLibrary(exe);
}

// The icon of the exe, the window and the taskbar: the first icon group,
// with every size from 16 to 256 pixels.
TEST(IconResource, HoldsSixteenTo256Pixels) {
  HMODULE exe = LoadLibraryExW(WindowsPath(ROSTER_EXE).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(exe, nullptr);
  HRSRC group = FindResourceW(exe, MAKEINTRESOURCEW(IDI_ROSTER), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
  std::set<int> sizes;
  for (int i = 0; i < directory[4]; ++i) sizes.insert(directory[6 + 14 * i] == 0 ? 256 : directory[6 + 14 * i]);
  for (int size : {16, 24, 32, 48, 256}) EXPECT_EQ(sizes.count(size), 1u) << size;
  FreeLibrary(exe);
}

int ExpectedDpi() {
  const std::wstring value = Environment(L"ROSTER_EXPECT_DPI");
  return value.empty() ? 0 : std::stoi(value);
}

// Measured inside the program (window_probe.cpp), under this run's code page
// and DPI: every font draws the report, the captions and the status text
// with real glyphs; in the edit font a double-byte character is exactly two
// half-width ones and the cell is 12 pixels at 96 DPI, scaled with the DPI;
// the status bar runs on Common Controls 6; every visible caption fits.
TEST_F(GuiTest, LooksRightOnThisCodePageAndDpi) {
  Extract(SampleRoster(), Cp932("名前"), false, false);
  window_->SetText(window_->Control(kMemoEdit), Cp932("次回: 第13回セッション"));
  const std::vector<std::vector<std::string>> answers = window_->Probe();
  ASSERT_FALSE(answers.empty()) << "the probe gave no answers";
  int dpi = 0;
  std::size_t fonts = 0, captions = 0;
  for (const std::vector<std::string>& a : answers) {
    const std::string line = testing::PrintToString(a);
    if (a[0] == "dpi") {
      dpi = std::stoi(a[1]);
    } else if (a[0] == "comctl32") {
      std::string path = a[1];
      std::transform(path.begin(), path.end(), path.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
      EXPECT_NE(path.find("common-controls_6595b64144ccf1df_6."), std::string::npos) << line;
    } else if (a[0] == "font") {
      ++fonts;
      EXPECT_EQ(a[4], "0") << "characters without a glyph: " << line;
      if (a[1] == "report" || a[1] == "memo") {
        EXPECT_EQ(std::stoi(a[3]), MulDiv(12, dpi, 96)) << line;
      }
    } else if (a[0] == "columns") {
      EXPECT_EQ(a[3], "0") << "characters off the columns: " << line;
    } else if (a[0] == "caption") {
      ++captions;
      EXPECT_LE(std::stoi(a[2]), std::stoi(a[3])) << "caption cut: " << line;
    }
  }
  if (ExpectedDpi() != 0) {
    EXPECT_EQ(dpi, ExpectedDpi());
  }
  EXPECT_EQ(fonts, 5u);
  EXPECT_EQ(captions, 5u);  // 抽出, メモ, ソート:, 昇順, 降順
  EXPECT_EQ(std::count_if(answers.begin(), answers.end(), [](const auto& a) { return a[0] == "comctl32"; }), 1);
  if (HasFailure()) {
    for (const std::vector<std::string>& a : answers) std::printf("probe: %s\n", testing::PrintToString(a).c_str());
  }
}

// Code page 932 gives some characters two codes: 「≒」 is 0x8790 (NEC row 13)
// and 0x81E0, 「纊」 0xED40 (NEC-selected IBM) and 0xFA5C (IBM). UTF-16 keeps
// one of each, so a picked entry of the key list must give the bytes it was
// added with, or it matches no catalogue row.
TEST(KeyList, PickedEntriesGiveTheCatalogueBytes) {
  const std::wstring folder = MakeWorkFolder();
  const std::vector<std::string> names = {"\x87\x90", "\x81\xE0", "\xED\x40", "\xFA\x5C"};
  std::string catalogue = "g,|\r\n", renamed = "g,|\r\n";
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < names.size(); ++i) {
    keys.push_back(std::string(1, 'k') += std::to_string(i));
    catalogue += names[i] + Cp932(",Ａ\r\n");
    renamed += keys[i] + Cp932(",Ａ\r\n");
  }
  WriteBinaryFile(folder + L"\\Database\\技能.txt", catalogue);
  WriteBinaryFile(folder + L"\\renamed.txt", renamed);
  // Each skill orders the four characters differently.
  const std::string roster = Cp932("A|人間|１２３４|1/1|1| 1 a\r\nB|人間|２３４１|1/1|1| 1 b\r\n"
                                   "C|人間|３４１２|1/1|1| 1 c\r\nD|人間|４１２３|1/1|1| 1 d\r\n");
  WriteBinaryFile(folder + L"\\input.txt", roster);
  const std::unique_ptr<RosterWindow> window = RosterWindow::Start(folder);
  ASSERT_NE(window, nullptr);
  constexpr int kFirstSkillEntry = 6;  // "", 名前, 種族, 性別, 冒険者レベル, g
  for (std::size_t i = 0; i < names.size(); ++i) {
    window->SetText(window->Control(kReportEdit), roster);
    window->SelectKey(kFirstSkillEntry + static_cast<int>(i));
    window->Click(kExtractButton);
    const ProcessResult expected =
        RunRosterExtract(folder, {"--catalogue", "renamed.txt", "--key", keys[i], "input.txt"});
    ASSERT_EQ(expected.exitCode, 0u);
    EXPECT_EQ(window->Text(window->Control(kReportEdit)), expected.out) << "entry " << i;
  }
}

TEST_F(GuiTest, StartState) {
  const RosterWindow& w = *window_;
  EXPECT_EQ(w.WideText(w.main()), L"roster — キャラクター名簿");
  EXPECT_EQ(w.WideText(w.statusBar()), L"名簿を貼り付けて「抽出」（F5）を押してください");
  EXPECT_EQ(w.Send(w.Control(kSortKeyCombo), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(w.Text(w.Control(kSortKeyCombo)), "");
  EXPECT_EQ(w.Send(w.Control(kAscendingRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(w.Send(w.Control(kDescendingRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(w.Text(w.Control(kReportEdit)), "");
  EXPECT_EQ(w.Text(w.Control(kMemoEdit)), "");
  EXPECT_FALSE(IsWindowVisible(w.Control(kHiddenCheckBox)));
  EXPECT_EQ(w.Send(w.Control(kHiddenCheckBox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A dialog trades an edit control's WS_BORDER for WS_EX_CLIENTEDGE.
  for (int id : {kReportEdit, kMemoEdit}) {
    const auto editStyle = static_cast<DWORD>(GetWindowLongW(w.Control(id), GWL_STYLE));
    const auto editExStyle = static_cast<DWORD>(GetWindowLongW(w.Control(id), GWL_EXSTYLE));
    EXPECT_EQ(editStyle | WS_BORDER, 0x50B11184u) << id;  // ES_WANTRETURN, ES_NOHIDESEL
    EXPECT_TRUE((editStyle & WS_BORDER) != 0 || (editExStyle & WS_EX_CLIENTEDGE) != 0) << id;
  }
  const DWORD style = static_cast<DWORD>(GetWindowLongW(w.main(), GWL_STYLE));
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));  // sizing border, maximise box
  std::string bar;
  for (const auto& a : w.Probe({"menu\t3"})) bar += a[0] == "bar" ? a[1] + " " : a[0] == "item" ? a[3] + " " : "";
  EXPECT_EQ(bar, "ファイル(&F) 編集(&E) 表示(&V) ヘルプ(&H) 使い方(&H) バージョン情報(&A) ");
  EXPECT_EQ(w.Probe({"sysmenu"}), (std::vector<std::vector<std::string>>{{"sysmenu", "バージョン情報(&A)..."},
                                                                          {"icons", "1", "1"}}));
  // The client area is exactly the dialog above the status bar.
  RECT client, dialog, status;
  GetClientRect(w.main(), &client);
  GetWindowRect(w.dialog(), &dialog);
  GetWindowRect(w.statusBar(), &status);
  EXPECT_EQ(client.right, dialog.right - dialog.left);
  EXPECT_EQ(client.bottom, (dialog.bottom - dialog.top) + (status.bottom - status.top));
  POINT origin = {0, 0};
  ClientToScreen(w.main(), &origin);
  EXPECT_EQ(dialog.left, origin.x);
  EXPECT_EQ(dialog.top, origin.y);
  EXPECT_EQ(status.bottom - origin.y, client.bottom);
}

TEST_F(GuiTest, KeyListIsTheHeadlessOne) {
  const ProcessResult keys = RunRosterExtract(folder_, {"--list-keys"});
  ASSERT_EQ(keys.exitCode, 0u);
  std::string expected;
  for (const std::string& entry : window_->ComboEntries()) expected += entry + "\n";
  // Into a file, in the system's code page where it is Shift_JIS, else UTF-8.
  EXPECT_EQ(keys.out, GetACP() == 932 ? expected : Utf8FromCp932(expected));
  EXPECT_EQ(window_->ComboEntries().size(), 23u);  // 11 fixed labels and 12 skills
}

struct Roster {
  const char* what;
  std::string text;
};

std::vector<Roster> Rosters() {
  std::string many;
  for (int i = 0; i < 40; ++i) {
    many += Cp932("Ｃ") + std::to_string(i % 17) + Cp932("|人間男|") + std::to_string(i % 7) + Cp932("２|") + std::to_string(10 + i) + "/" +
            std::to_string(i % 3) + "|" + std::to_string(i % 5) + Cp932("/１/２/３|全力 ") + std::to_string(i) + " P" +
            std::to_string(i % 4) + "\r\n";
  }
  return {
      {"sample", SampleRoster()},
      {"empty", ""},
      {"katakana po and full-width minus", Cp932("ポール|人間男|１|10/5|1/2/3/4|全力 1 ポチ\r\nポーラ|人間女|３|9/無|－１/2/3/4| 2 ポポ\r\n")},
      {"full-width digits", Cp932("アン|人間女|１２|１５/３|１/２/３/４| ３ ＰＬ\r\nイオ|森人男|２１|９/１２|２/１/３/４| １２ ＰＬ")},
      {"duplicates", Cp932("A|人間||10/1|1| 1 p\r\nB|人間||20/2|2| 2 q\r\nA|森人||30/3|3| 3 r\r\nB|鉱人||1/1|4| 4 s")},
      {"a report pasted back", ReadBinaryFile(WindowsPath(ROSTER_SOURCE_DIR "/tests/data/roster_by_name.cp932.txt"))},
      {"blank and junk lines", Cp932("\r\n\r\n-- session 3 --\r\nx|y\r\nZ|人間||5/5|5| 5 z\r\n\r\n")},
      {"negative and large numbers", Cp932("N|人間|-1|-5/99999999999|-3/100/12/-9|x -2 p\r\nM|人間|99|1000/0|9/9/9/9| 2147483647 q")},
      {"spaces in names and tails", Cp932("ア イ|人間|１|1/1|1|  全力  3　　プ  リ　ア\r\n  ウ　 |人間|２|2/2|2|魔撃 4 P")},
      {"width and case", Cp932("a|x||1/1|1| 1 p\r\nＡ|x||1/1|1| 1 p\r\nA|x||1/1|1| 1 p\r\nｱ|x||1/1|1| 1 p")},
      {"many rows with ties", many},
      {"short and odd lines", Cp932("A|人|１|\r\nB|人間|１２３|4/5\r\nC|ab|x|y|z|w\r\n名前|x|x|x|x|x\r\n")},
  };
}

struct KeyChoice {
  std::string key;
  bool typed;
};

TEST_F(GuiTest, ExtractEqualsHeadlessExtraction) {
  const std::vector<KeyChoice> keys = {
      {"", false},      {Cp932("名前"), false},   {Cp932("種族"), false},   {Cp932("冒険者レベル"), false}, {Cp932("剣士"), false},
      {Cp932("命中力"), false}, {Cp932("プレイヤー名"), false}, {Cp932("魔力"), true}, {Cp932("名前 "), true},   {Cp932("参加回数"), true},
  };
  for (const Roster& roster : Rosters()) {
    for (const KeyChoice& key : keys) {
      for (bool descending : {false, true}) {
        const std::string window = Extract(roster.text, key.key, key.typed, descending);
        ASSERT_EQ(window, Headless(roster.text, key.key, descending))
            << roster.what << " / key " << testing::PrintToString(key.key) << (key.typed ? " typed" : "")
            << (descending ? " / descending" : "");
      }
    }
  }
}

TEST_F(GuiTest, EveryListedKeyOnTheSample) {
  const std::string sample = SampleRoster();
  for (const std::string& key : window_->ComboEntries()) {
    for (bool descending : {false, true}) {
      ASSERT_EQ(Extract(sample, key, false, descending), Headless(sample, key, descending)) << key;
    }
  }
}

TEST_F(GuiTest, ExtractCanBeUndoneAndLeavesMemoAndKeyAlone) {
  const std::string sample = SampleRoster();
  window_->SetText(window_->Control(kMemoEdit), Cp932("メモ: 次回は第13回"));
  const std::string report = Extract(sample, Cp932("参加回数"), true, false);
  EXPECT_EQ(report, Headless(sample, Cp932("参加回数"), false));
  EXPECT_EQ(window_->Text(window_->Control(kMemoEdit)), Cp932("メモ: 次回は第13回"));
  EXPECT_EQ(window_->Text(window_->Control(kSortKeyCombo)), Cp932("参加回数"));
  EXPECT_EQ(window_->Send(window_->Control(kSortKeyCombo), CB_GETCURSEL, 0, 0), CB_ERR);
  window_->Send(window_->Control(kReportEdit), EM_UNDO, 0, 0);
  EXPECT_EQ(window_->Text(window_->Control(kReportEdit)), sample);
}

int FocusedControl(const RosterWindow& w) {
  HWND focus = w.Focus();
  return GetParent(focus) == w.dialog() ? GetDlgCtrlID(focus) : GetDlgCtrlID(GetParent(focus));  // the sort box's edit
}

// What a person with only a keyboard does: paste, visit the controls with
// Tab (no tab typed), run 「抽出」 by F5, Ctrl+Enter, Space and Enter, undo
// every run back to the text as pasted and forth again, type between two
// runs and undo both, close. After each run the roster box has the focus, the header in
// view.
TEST_F(GuiTest, KeyboardAlone) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit);
  const auto focusIs = [&](int id) { return WaitFor([&] { return FocusedControl(w) == id; }, std::chrono::seconds(5)); };
  const auto shows = [&](const std::wstring& text) { return WaitFor([&] { return w.WideText(box) == text; }); };
  EXPECT_TRUE(focusIs(kReportEdit)) << "no focus at the start";
  const std::wstring pasted = WideFromCp932(SampleRoster()) + L"Zoë|人間||1/1|1| 1 z\r\n";
  ASSERT_TRUE(PutOnClipboard(pasted));
  w.Press({VK_CONTROL, 'V'});
  ASSERT_TRUE(shows(pasted));
  for (int id : {kExtractButton, kSortKeyCombo, kAscendingRadio, kMemoEdit, kReportEdit}) {
    w.Press({VK_TAB});
    EXPECT_TRUE(focusIs(id)) << id;
  }
  w.Press({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(focusIs(kMemoEdit));
  w.Press({VK_RETURN});
  EXPECT_TRUE(WaitFor([&] { return w.WideText(w.Control(kMemoEdit)) == L"\r\n"; })) << "Enter typed no line break";
  EXPECT_EQ(w.WideText(box), pasted);

  std::vector<std::wstring> shown = {pasted};
  const auto run = [&](const std::vector<WORD>& keys, const std::string& key) {
    const std::wstring report = WideFromCp932(Headless(Cp932FromWide(w.WideText(box)), key, false));
    w.Press(keys);
    EXPECT_TRUE(shows(report)) << key;
    EXPECT_TRUE(focusIs(kReportEdit));
    EXPECT_EQ(w.Send(box, EM_GETSEL, 0, 0), 0);
    EXPECT_EQ(w.Send(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    shown.push_back(report);
  };
  // Each run with another key, so that each step back shows another text.
  w.SelectKey(1);
  run({VK_F5}, Cp932("名前"));  // from the memo
  w.SelectKey(4);
  run({VK_CONTROL, VK_RETURN}, Cp932("冒険者レベル"));
  w.TypeKey(Cp932("命中力"));
  w.Press({VK_TAB});
  ASSERT_TRUE(focusIs(kExtractButton));
  run({VK_SPACE}, Cp932("命中力"));
  w.SelectKey(2);
  w.Press({VK_TAB});
  w.Press({VK_TAB});
  ASSERT_TRUE(focusIs(kSortKeyCombo));
  run({VK_RETURN}, Cp932("種族"));  // 「抽出」 is the dialog's default button
  for (std::size_t i = shown.size() - 1; i > 0; --i) {
    ASSERT_NE(shown[i], shown[i - 1]) << i;
    w.Press({VK_CONTROL, 'Z'});
    EXPECT_TRUE(shows(shown[i - 1])) << i << ": " << Utf8FromWide(w.WideText(w.statusBar()));
  }
  EXPECT_EQ(w.WideText(w.statusBar()), L"「抽出」の前の文章に戻しました");
  w.Press({VK_CONTROL, 'Y'});
  EXPECT_TRUE(shows(shown[1]));
  w.Press({'X'});
  const std::wstring typed = L"x" + shown[1];
  EXPECT_TRUE(shows(typed));
  run({VK_F5}, Cp932("種族"));
  // One history: the run, the typing, the run before it, the paste.
  for (const std::wstring& back : {typed, shown[1], pasted}) {
    w.Press({VK_CONTROL, 'Z'});
    EXPECT_TRUE(shows(back)) << Utf8FromWide(w.WideText(w.statusBar()));
  }

  w.Press({VK_MENU, VK_F4});
  HWND confirmation = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (confirmation = w.FindOwned(L"#32770")) != nullptr; }));
  w.Press({VK_RETURN});
  DWORD exitCode = 1;
  EXPECT_TRUE(w.WaitForExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// The status bar as the probe reads it: the texts of its parts, whether
// each fits its part, and its tooltip.
struct StatusBarView {
  std::vector<std::string> parts;
  bool fits = true;
  std::string tip, answers;
};

StatusBarView ReadStatusBar(const RosterWindow& w) {
  StatusBarView view;
  for (const std::vector<std::string>& a : w.Probe({"status"})) {
    view.answers += testing::PrintToString(a);
    if (a[0] == "part" && a.size() >= 4) {
      view.parts.push_back(a.size() > 4 ? a[4] : "");
      view.fits = view.fits && std::stoi(a[2]) <= std::stoi(a[3]);
    } else if (a[0] == "tip") {
      view.tip = a.size() > 1 ? a[1] : "";
    }
  }
  return view;
}

struct StatusCase {
  const char* what;
  std::wstring pasted;
  std::string key;  // UTF-8, typed
  std::vector<std::string> parts;
  std::string more;  // what only the tooltip says
};

// After 「抽出」 the status bar says what it did, each part's text within
// its part at the window's smallest size, the whole in its tooltip; a
// character without a CP932 form is read as "?", never as a look-alike,
// and Ctrl+Z brings the pasted text back exactly.
TEST_F(GuiTest, StatusBarSaysWhatExtractDid) {
  const std::wstring unconvertible =
      L"Zoë|人間||10/1|1| 1 p ♥\r\nLéa|森人||20/2|3| 2 q 😀\r\nLea|森人||1/1|1| 3 r\r\n";
  const std::vector<StatusCase> cases = {
      {"sample", WideFromCp932(SampleRoster()), "名前", {"19 人を抽出しました（同名の上の行 1、読めない行 1：5 行目から）"}, ""},
      {"skipped lines", L"A|x||1/1|1| 1 p\r\nメモ\r\n\r\nB|x||1/1|1| 1 q\r\nx|y", "名前",
       {"2 人を抽出しました（読めない行 2：2 行目から）"}, ""},
      {"characters without a CP932 form", unconvertible, "名前", {"3 人を抽出しました", "「?」4 文字：Ctrl+Z で戻せます"},
       "変換できない文字 4 個を「?」にしました（最初は 1 行目の「\xC3\xAB」）"},  // ë
      {"all of them", WideFromCp932(SampleRoster()) + unconvertible + L"x|y\r\n", "名前",
       {"22 人を抽出しました（同名の上の行 1、読めない行 2：5 行目から）", "「?」4 文字：Ctrl+Z で戻せます"},
       "変換できない文字 4 個を「?」にしました（最初は 23 行目の「\xC3\xAB」）"},
      {"a key that names nothing", L"A|x||1/1|1| 1 p\r\n", "命中力 ",
       {"1 人を抽出しました", "「命中力 」は一覧にないので並べ替えていません"}, ""},
  };
  HWND edit = window_->Control(kReportEdit);
  for (const StatusCase& c : cases) {
    window_->SetWideText(edit, c.pasted);
    window_->TypeKey(Cp932(c.key));
    window_->Click(kExtractButton);
    const StatusBarView bar = ReadStatusBar(*window_);
    EXPECT_EQ(bar.parts, c.parts) << c.what;
    EXPECT_TRUE(bar.fits) << c.what << ": " << bar.answers;
    std::string whole;
    for (const std::string& part : c.parts) whole += (whole.empty() ? "" : " / ") + part;
    EXPECT_EQ(bar.tip, whole + (c.more.empty() ? "" : " / " + c.more)) << c.what;
    const std::string report = window_->Text(edit);
    EXPECT_EQ(report, Headless(Cp932FromWide(c.pasted), Cp932(c.key), false)) << c.what;
    window_->Send(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(window_->WideText(edit), c.pasted) << c.what;
  }
  const std::string report = Headless(Cp932FromWide(unconvertible), Cp932("名前"), false);
  for (const char* part : {"Zo?", "L?a", "Lea", " p ?", " q ?"}) EXPECT_NE(report.find(part), std::string::npos) << part;
}

// After 「抽出」 of a roster holding every kind of event, the status bar
// counts each; Ctrl+L opens 「抽出の記録」, a row per event in a font with
// every glyph; a row chosen by the keyboard brings the pasted text back with
// its line selected, Ctrl+Y the report. A click on the bar's first part
// opens the list again, and Esc closes it.
TEST_F(GuiTest, TheListOfWhatExtractDid) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit);
  const std::vector<std::wstring> lines = {
      L"ジョン・ハート|人間男|３　　|30/0|1| 全力 3 けんじ 兄", L"レオン・ハート|人間男|３　　|30/0|1| 全力 2 みき 弟",
      L"アルス|人間男||31/0|5/5/4/0|全力魔撃 12 たかし 前衛|盾持ち", L"タロウ|人間男|３", L"――第12回セッション後の記録――",
      L"イ｜人間男｜３｜31/0｜5/5/4/0｜全力 1 x", L"A|人間男||1/1|1| 1 p", L"B|人間男||2147483648/1|1| 1 p",
      L"名 前|人間男||1/1|1| 1 p", L"A|人間女|3 1|1/1|1| 2 q", L"　|人間||1/1|1| 1 p"};
  std::wstring pasted;
  for (const std::wstring& line : lines) pasted += line + L"\r\n";
  w.SetWideText(box, pasted);
  w.Click(kExtractButton);
  const std::wstring report = w.WideText(box);
  EXPECT_EQ(w.WideText(w.statusBar()),
            L"6 人を抽出しました（同名の上の行 1、別の名前が同じ名前に 1、読めない行 3：4 行目から、名前を短くした行 1、"
            L"名前に「名前」を含む行 1、技能の欄の幅が半端な行 1、大きすぎる数の行 1、最後の欄の後ろを備考に残した行 1、"
            L"「｜」を区切りとして読んだ行 1）");
  HWND list = nullptr;
  const auto opens = [&] { return WaitFor([&] { return (list = FindWindowW(L"rosteraccount", nullptr)) != nullptr && IsWindowVisible(list); }); };
  w.Press({VK_CONTROL, 'L'});
  ASSERT_TRUE(opens()) << "Ctrl+L opened no list";
  std::vector<std::string> numbers, starts, firstWhat;
  std::string missing;
  for (const auto& a : w.Probe({"account"})) {
    if (a[0] == "row" && a.size() == 4) {
      numbers.push_back(a[1]);
      starts.push_back(a[3]);
      if (firstWhat.empty()) firstWhat.push_back(a[2]);
    }
    if (a[0] == "font") missing = a.back();
  }
  EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
  EXPECT_EQ(starts.size() > 4 ? starts[4] : "", Utf8FromWide(lines[4]));
  EXPECT_EQ(firstWhat, std::vector<std::string>{"別の名前が同じ名前に：ジョン・ハート と 2 行目の レオン・ハート → ン・ハート"});
  EXPECT_EQ(missing, "0") << "characters the list's font has no glyph for";
  HWND view = GetWindow(list, GW_CHILD);
  w.Press({VK_END});
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 10; }));
  w.Press({VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return w.WideText(box) == pasted; })) << "Enter went back to no pasted text";
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(list); }));
  const auto lastLine = static_cast<WORD>(pasted.size() - 2 - lines.back().size());
  EXPECT_EQ(w.Send(box, EM_GETSEL, 0, 0), MAKELRESULT(lastLine, lastLine + lines.back().size()));
  w.Send(w.main(), WM_COMMAND, MAKEWPARAM(IDM_REDO, 0), 0);
  EXPECT_EQ(w.WideText(box), report);

  RECT bar = {};
  GetWindowRect(w.statusBar(), &bar);
  SetForegroundWindow(w.main());
  SetCursorPos(bar.left + 20, (bar.top + bar.bottom) / 2);
  INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}}, {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
  SendInput(2, click, sizeof(INPUT));
  ASSERT_TRUE(opens()) << "a click on the status bar opened no list";
  w.Press({VK_ESCAPE});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(list); })) << "Esc left the list open";
}

TEST_F(GuiTest, ExtractRunsWhateverTheNotificationCode) {
  window_->SetText(window_->Control(kReportEdit), SampleRoster());
  window_->Send(window_->dialog(), WM_COMMAND, MAKEWPARAM(kExtractButton, 0x1234), 0);
  EXPECT_EQ(window_->Text(window_->Control(kReportEdit)), Headless(SampleRoster(), "", false));
}

struct MenuCase {
  int command;
  std::vector<WORD> keys;                  // its accelerator, pressed; none: WM_COMMAND
  enum { kPasted, kReport, kEmpty } text;  // what the roster box then shows
  std::wstring status;                     // empty: whatever it was
  int textPoints;
  bool redoEnabled;                        // やり直し, as the 編集 menu shows it
  int dialogControl = 0;                   // a control of the dialog it opens, which `answer` closes
  int answer = 0;
};

// Every menu command in turn, by its accelerator (which the menu's
// WM_COMMAND then carries) and the stateful ones by WM_COMMAND too, on the
// box that has the focus: the roster box's text, the status bar, the text
// size, whether やり直し is greyed when the menu opens, and the dialog it
// opens; none runs 「抽出」.
TEST_F(GuiTest, MenuCommands) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit);
  const std::wstring pasted = WideFromCp932(SampleRoster());
  const std::wstring report = WideFromCp932(Headless(SampleRoster(), "", false));
  const auto P = MenuCase::kPasted, R = MenuCase::kReport;
  const std::wstring undone = L"「抽出」の前の文章に戻しました", redone = L"「抽出」をやり直しました";
  const std::vector<MenuCase> cases = {
      {IDM_UNDO, {VK_CONTROL, 'Z'}, P, undone, 9, true},
      {IDM_REDO, {}, R, redone, 9, false},
      {IDM_UNDO, {}, P, undone, 9, true},
      {IDM_REDO, {VK_CONTROL, 'Y'}, R, redone, 9, false},
      {IDM_TEXT_LARGER, {VK_CONTROL, VK_OEM_PLUS}, R, L"", 10, false},
      {IDM_TEXT_STANDARD, {}, R, L"", 9, false},
      {IDM_TEXT_LARGER, {}, R, L"", 10, false},
      {IDM_TEXT_SMALLER, {VK_CONTROL, VK_OEM_MINUS}, R, L"", 9, false},
      {IDM_TEXT_SMALLER, {}, R, L"", 8, false},
      {IDM_TEXT_SMALLER, {}, R, L"", 8, false},  // the smallest
      {IDM_TEXT_STANDARD, {VK_CONTROL, '0'}, R, L"", 9, false},
      {IDM_HELP, {VK_F1}, R, L"使い方.txt を開けませんでした", 9, false},  // none beside this roster.exe
      {IDM_OPEN, {VK_CONTROL, 'O'}, R, L"", 9, false, 0x47C, IDCANCEL},  // the file name
      {IDM_SAVE, {VK_CONTROL, 'S'}, R, L"", 9, false, 0x47C, IDCANCEL},  // no file yet: asks for one
      {IDM_SAVE_AS, {VK_CONTROL, VK_SHIFT, 'S'}, R, L"", 9, false, 0x47C, IDCANCEL},
      {IDM_FIND, {VK_CONTROL, 'F'}, R, L"", 9, false, 0x480, IDCANCEL},  // what to find
      {IDM_FIND_NEXT, {VK_F3}, R, L"", 9, false, 0x480, IDCANCEL},  // no search yet: asks for one
      {IDM_FIND_PREVIOUS, {VK_SHIFT, VK_F3}, R, L"", 9, false, 0x480, IDCANCEL},
      {IDM_GO_TO_LINE, {VK_CONTROL, 'G'}, R, L"", 9, false, IDC_LINE_NUMBER, IDCANCEL},
      {IDM_VERSION, {}, R, L"", 9, false, 0xFFFF, IDOK},
      {IDM_EXIT, {VK_MENU, VK_F4}, R, L"", 9, false, 0xFFFF, IDNO},  // the exit question
      {IDM_EXIT, {}, R, L"", 9, false, 0xFFFF, IDNO},
      {IDM_SELECT_ALL, {}, R, L"", 9, false},
      {IDM_CUT, {}, MenuCase::kEmpty, L"", 9, false},
      {IDM_PASTE, {}, R, L"", 9, false},
  };
  const int dpi = ExpectedDpi() != 0 ? ExpectedDpi() : 96;
  const auto textHeight = [&] {
    std::string height;
    for (const auto& a : w.Probe()) height = a[0] == "font" && a[1] == "memo" ? a[3] : height;
    return height.empty() ? -9 : std::stoi(height);
  };
  w.SetText(box, SampleRoster());
  w.Click(kExtractButton);
  ASSERT_EQ(w.WideText(box), report);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const MenuCase& c = cases[i];
    w.Send(w.statusBar(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    if (c.keys.empty()) {
      PostMessageW(w.main(), WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
    } else {
      w.Press(c.keys);
    }
    if (c.dialogControl != 0) {
      HWND dialog = nullptr;
      EXPECT_TRUE(WaitFor([&] {
        return (dialog = w.FindOwned(L"#32770")) != nullptr && IsWindowVisible(dialog) && GetDlgItem(dialog, c.dialogControl);
      })) << i << ": no dialog";
      PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(c.answer), 0);
      EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << i;
    }
    const std::wstring& text = c.text == MenuCase::kPasted ? pasted : c.text == MenuCase::kReport ? report : L"";
    EXPECT_TRUE(WaitFor([&] { return w.WideText(box) == text; }, std::chrono::seconds(5))) << i;
    if (!c.status.empty()) {
      EXPECT_TRUE(WaitFor([&] { return w.WideText(w.statusBar()) == c.status; }, std::chrono::seconds(5)))
          << i << ": " << Utf8FromWide(w.WideText(w.statusBar()));
    }
    // A font's cell is whole pixels and may round up.
    const int height = MulDiv(c.textPoints, dpi, 72);
    EXPECT_TRUE(WaitFor([&] { return std::abs(textHeight() - height) <= 1; }, std::chrono::seconds(5)))
        << i << ": " << textHeight() << " pixels, not " << height;
    std::string redoGreyed;
    for (const auto& a : w.Probe({"menu\t1"})) redoGreyed = a[0] == "item" && a[1] == std::to_string(IDM_REDO) ? a[2] : redoGreyed;
    EXPECT_EQ(redoGreyed, c.redoEnabled ? "0" : "1") << i;
  }
}

struct FindStep {
  std::vector<WORD> keys;  // none: 次を検索 in the find dialog, with `matchCase` and `down`
  bool matchCase, down;
  int line;  // of the match; 0: none, the selection stays
};

// 検索 (Ctrl+F, modeless) finds in the roster box, with or without matching
// case, either way; F3 and Shift+F3 repeat it; 行へ移動 (Ctrl+G) puts the
// caret at a line's start in view; both act on the memo when it has the focus.
TEST_F(GuiTest, FindAndGoToLine) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit), memo = w.Control(kMemoEdit);
  std::wstring text;
  for (int i = 1; i <= 200; ++i) {
    text += L"行" + std::to_wstring(i) + (i == 2 ? L" 名alpha" : i == 150 ? L" 名ALPHA" : i == 180 ? L" 名Alpha" : L"") + L"\r\n";
  }
  w.SetWideText(box, text);
  w.SetWideText(memo, L"メモ\r\n名alpha");
  const auto selection = [&](HWND edit) { return static_cast<DWORD>(w.Send(edit, EM_GETSEL, 0, 0)); };
  w.Press({VK_CONTROL, 'F'});
  HWND find = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (find = w.FindOwned(L"#32770")) != nullptr && GetDlgItem(find, 0x480) != nullptr; }));
  w.SetWideText(GetDlgItem(find, 0x480), L"名alpha");  // edt1
  const std::vector<FindStep> steps = {
      {{}, false, true, 2},  {{}, true, true, 0},      {{}, false, true, 150},           {{}, false, false, 2},
      {{VK_F3}, false, true, 150}, {{VK_F3}, false, true, 180}, {{VK_SHIFT, VK_F3}, false, true, 150},
      {{0}, false, true, 2},  // 前を検索 by WM_COMMAND
      {{VK_SHIFT, VK_F3}, false, true, 0},
  };
  DWORD expected = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const FindStep& s = steps[i];
    if (s.keys.empty()) {
      w.Send(GetDlgItem(find, 0x411), BM_SETCHECK, s.matchCase ? BST_CHECKED : BST_UNCHECKED, 0);  // chx2
      w.Send(GetDlgItem(find, 0x420), BM_SETCHECK, s.down ? BST_UNCHECKED : BST_CHECKED, 0);     // rad1, up
      w.Send(GetDlgItem(find, 0x421), BM_SETCHECK, s.down ? BST_CHECKED : BST_UNCHECKED, 0);     // rad2, down
      w.Send(GetDlgItem(find, IDOK), BM_CLICK, 0, 0);
    } else if (s.keys[0] == 0) {
      w.Send(w.main(), WM_COMMAND, MAKEWPARAM(IDM_FIND_PREVIOUS, 0), 0);
    } else {
      if (find != nullptr) w.Send(GetDlgItem(find, IDCANCEL), BM_CLICK, 0, 0), find = nullptr;
      ASSERT_TRUE(WaitFor([&] { return w.FindOwned(L"#32770") == nullptr && FocusedControl(w) == kReportEdit; }));
      w.Press(s.keys);
    }
    if (s.line != 0) {
      const auto at = static_cast<WORD>(w.Send(box, EM_LINEINDEX, s.line - 1, 0) + std::to_wstring(s.line).size() + 2);
      expected = MAKELONG(at, at + 6);
    }
    const std::wstring status = s.line != 0 ? L"「名alpha」を見つけました（" + std::to_wstring(s.line) + L" 行目）"
                                            : L"「名alpha」が見つかりません";
    EXPECT_TRUE(WaitFor([&] { return w.WideText(w.statusBar()) == status && selection(box) == expected; },
                        std::chrono::seconds(5)))
        << i << ": " << Utf8FromWide(w.WideText(w.statusBar())) << " at " << LOWORD(selection(box));
    w.Send(w.statusBar(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  }
  const auto goTo = [&](int line) {
    w.Press({VK_CONTROL, 'G'});
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = w.FindOwned(L"#32770")) != nullptr && GetDlgItem(dialog, IDC_LINE_NUMBER); }));
    w.SetWideText(GetDlgItem(dialog, IDC_LINE_NUMBER), std::to_wstring(line));
    w.Send(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  };
  goTo(170);
  const auto start = static_cast<DWORD>(w.Send(box, EM_LINEINDEX, 169, 0));
  EXPECT_EQ(selection(box), MAKELONG(start, start));
  const auto first = w.Send(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_TRUE(first > 100 && first <= 169) << first;
  w.Press({VK_SHIFT, VK_TAB});
  ASSERT_TRUE(WaitFor([&] { return FocusedControl(w) == kMemoEdit; }));
  goTo(2);
  EXPECT_EQ(selection(memo), MAKELONG(4, 4));
  w.Press({VK_F3});
  EXPECT_TRUE(WaitFor([&] { return selection(memo) == MAKELONG(4, 10); })) << selection(memo);
}

// Chooses `file` in the common file dialog that `command` opens, with the
// file type `type` (1: Shift_JIS, 2: UTF-8) when saving.
void ChooseFile(const RosterWindow& w, int command, const std::wstring& file, int type = 1) {
  PostMessageW(w.main(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  HWND dialog = nullptr;
  // Visible once the dialog has set itself up, which would undo a choice made before.
  ASSERT_TRUE(WaitFor([&] { return (dialog = w.FindOwned(L"#32770")) != nullptr && IsWindowVisible(dialog); }));
  Sleep(200);
  HWND types = GetDlgItem(dialog, 0x470);  // cmb1
  SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(type - 1), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
  SetDlgItemTextW(dialog, 0x47C, file.c_str());  // cmb13, the file name
  SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

// A save then an open gives the same text, in Shift_JIS with "\r\n" and in
// UTF-8 behind a mark; the title names the file; characters Shift_JIS lacks
// make a Shift_JIS save ask first; a failed save leaves the old file.
TEST_F(GuiTest, SaveAndOpen) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit);
  const std::wstring text = L"ア|人間||1/1|1| 1 a\r\nイ|森人||2/2|2| 2 b\r\n";
  const std::wstring sjis = folder_ + L"\\名簿.txt", utf8 = folder_ + L"\\utf8.txt";
  w.SetWideText(box, text);
  ChooseFile(w, IDM_SAVE, sjis);  // no file yet: asks for a name
  // The file is written once the dialog has gone.
  EXPECT_TRUE(WaitFor([&] { return ReadBinaryFile(sjis) == Cp932FromWide(text); }));
  EXPECT_TRUE(WaitFor([&] { return w.WideText(w.main()) == L"名簿.txt - roster — キャラクター名簿"; }));
  ChooseFile(w, IDM_SAVE_AS, utf8, 2);
  EXPECT_TRUE(WaitFor([&] { return ReadBinaryFile(utf8) == "\xEF\xBB\xBF" + Utf8FromWide(text); }));
  for (const std::wstring& file : {sjis, utf8}) {
    w.SetWideText(box, L"");
    ChooseFile(w, IDM_OPEN, file);
    EXPECT_TRUE(WaitFor([&] { return w.WideText(box) == text; })) << Utf8FromWide(file);
  }
  EXPECT_EQ(w.WideText(w.statusBar()), L"「utf8.txt」を読み込みました");
  // 上書き保存 of the file opened last, in its form: UTF-8 keeps an emoji;
  // in Shift_JIS it asks, and no leaves "?".
  w.SetWideText(box, L"ア 😀\r\n");
  PostMessageW(w.main(), WM_COMMAND, MAKEWPARAM(IDM_SAVE, 0), 0);
  EXPECT_TRUE(WaitFor([&] { return ReadBinaryFile(utf8) == "\xEF\xBB\xBF" + Utf8FromWide(L"ア 😀\r\n"); }));
  ChooseFile(w, IDM_OPEN, sjis);
  w.SetWideText(box, L"ア 😀\r\n");
  PostMessageW(w.main(), WM_COMMAND, MAKEWPARAM(IDM_SAVE, 0), 0);
  HWND question = nullptr;
  const auto says = [&](HWND& box, const wchar_t* text) {
    return WaitFor([&] {
      return (box = w.FindOwned(L"#32770")) != nullptr && w.WideText(GetDlgItem(box, 0xFFFF)).find(text) != std::wstring::npos;
    });
  };
  ASSERT_TRUE(says(question, L"Shift_JIS にない文字が 1 個"));
  w.Send(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return ReadBinaryFile(sjis) == Cp932("ア ?\r\n"); }));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
  // A file that cannot be replaced (held open) stays as it was, and the
  // failure is named.
  HANDLE held = CreateFileW(sjis.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  w.SetWideText(box, text);
  PostMessageW(w.main(), WM_COMMAND, MAKEWPARAM(IDM_SAVE, 0), 0);
  HWND failure = nullptr;
  ASSERT_TRUE(says(failure, L"保存できませんでした。元のファイルは変わっていません"));
  w.Send(GetDlgItem(failure, IDOK), BM_CLICK, 0, 0);
  CloseHandle(held);
  EXPECT_EQ(ReadBinaryFile(sjis), Cp932("ア ?\r\n"));
}

// A paste of more than the edit control's default 32,767 characters is kept
// whole, and so is the report written back.
TEST_F(GuiTest, LargePasteIsKeptWhole) {
  std::string text;
  for (int i = 0; i < 4000; ++i) {
    text += Cp932("キャラ") + std::to_string(i) + Cp932("|人間男|１２|") + std::to_string(i % 300) + Cp932("/5|1/2/3/4|全力 ") +
            std::to_string(i % 50) + " PL\r\n";
  }
  const std::wstring wide = WideFromCp932(text);
  ASSERT_GT(wide.size(), 100000u);
  ASSERT_TRUE(PutOnClipboard(wide));
  HWND edit = window_->Control(kReportEdit);
  window_->Send(edit, WM_PASTE, 0, 0);
  ASSERT_EQ(window_->Text(edit), text);
  window_->SelectKey(1);
  window_->Click(kExtractButton);
  const std::string report = window_->Text(edit);
  EXPECT_EQ(report, Headless(text, Cp932("名前"), false));
  EXPECT_GT(WideFromCp932(report).size(), 100000u);
}

// A window's rectangle in the client area of `parent` (the screen: null).
Rect PlaceIn(HWND parent, HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

struct GrowCase {
  int dx, dy;  // beyond the designed size; a negative one asks for less
};

// The designed size is the smallest where the screen holds it (FitsTheScreen
// checks a screen that does not): the roster box takes the extra width
// and height, the memo box the extra width below it, its label goes down
// with it, the rest stays, the status bar follows.
TEST_F(GuiTest, GrowsFromItsDesignedSize) {
  const RosterWindow& w = *window_;
  const Rect start = PlaceIn(nullptr, w.main());
  const int width = start.width(), height = start.height();
  const std::vector<int> ids = {kReportEdit, kExtractButton, kSortKeyLabel, kSortKeyCombo, kDescendingRadio, kMemoLabel, kMemoEdit};
  std::map<int, Rect> designed;
  for (int id : ids) designed[id] = PlaceIn(w.dialog(), w.Control(id));
  for (const GrowCase& c : {GrowCase{100, 60}, GrowCase{1, 0}, GrowCase{0, 57}, GrowCase{-200, -100}}) {
    w.Place({start.left, start.top, start.right + c.dx, start.bottom + c.dy});
    const int dx = std::max(c.dx, 0), dy = std::max(c.dy, 0);
    RECT now = {};
    GetWindowRect(w.main(), &now);
    EXPECT_EQ(now.right - now.left, width + dx) << c.dx;
    EXPECT_EQ(now.bottom - now.top, height + dy) << c.dy;
    for (int id : ids) {
      Rect expected = designed[id];
      if (id == kReportEdit || id == kMemoEdit) expected.right += dx;
      if (id == kReportEdit) expected.bottom += dy;
      if (id == kMemoEdit || id == kMemoLabel) expected.top += dy, expected.bottom += dy;
      EXPECT_EQ(PlaceIn(w.dialog(), w.Control(id)), expected) << id << " grown by " << c.dx << "," << c.dy;
    }
    RECT client = {};
    const Rect status = PlaceIn(w.main(), w.statusBar());
    GetClientRect(w.main(), &client);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.right, client.right);
  }
}

// The window starts within the work area of its monitor and is never made
// larger than it, the status bar on screen below the memo: on a screen
// lower than the design (gui_test_1252_144dpi_1366x768) the boxes give up
// height, and the smallest window is as high as the work area.
TEST_F(GuiTest, FitsTheScreen) {
  const RosterWindow& w = *window_;
  const std::wstring lowScreen = Environment(L"ROSTER_EXPECT_SCREEN_HEIGHT");
  RECT area = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const Rect work = {area.left, area.top, area.right, area.bottom};
  const Rect start = PlaceIn(nullptr, w.main());
  EXPECT_EQ(PulledOnScreen(start, work), start);
  w.Place({start.left, start.top, start.left + 100, start.top + 100});
  const Rect smallest = PlaceIn(nullptr, w.main());
  EXPECT_EQ(PulledOnScreen(smallest, work), smallest);
  if (!lowScreen.empty()) {
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), std::stoi(lowScreen));
    EXPECT_EQ(smallest.height(), work.height());
  }
  const Rect roster = PlaceIn(nullptr, w.Control(kReportEdit)), label = PlaceIn(nullptr, w.Control(kMemoLabel));
  const Rect memo = PlaceIn(nullptr, w.Control(kMemoEdit)), status = PlaceIn(nullptr, w.statusBar());
  EXPECT_GT(roster.height(), 30);
  EXPECT_LE(roster.bottom, label.top);
  EXPECT_GT(memo.height(), 30);
  EXPECT_LE(memo.bottom, status.top);
  EXPECT_LE(status.bottom, work.bottom);
}

// Wine never moves a window to a monitor of another DPI, so the probe sends
// WM_DPICHANGED from this run's DPI to the other: the fonts are made for the
// new DPI, the layout follows them, every caption still fits, and ten
// changes back and forth leave no font behind.
TEST_F(GuiTest, FollowsADpiChange) {
  const RosterWindow& w = *window_;
  int from = 0;
  for (const auto& a : w.Probe()) from = a[0] == "dpi" ? std::stoi(a[1]) : from;
  ASSERT_GT(from, 0);
  const int to = from == 96 ? 144 : 96;
  const Rect button = PlaceIn(w.dialog(), w.Control(kExtractButton));
  std::size_t fonts = 0;
  for (const auto& a : w.Probe({"dpi\t" + std::to_string(from) + "\t" + std::to_string(to), "measure"})) {
    if (a[0] == "font" && (a[1] == "report" || a[1] == "memo")) {
      ++fonts;
      EXPECT_EQ(std::stoi(a[3]), MulDiv(12, to, 96)) << testing::PrintToString(a);
    } else if (a[0] == "caption") {
      EXPECT_LE(std::stoi(a[2]), std::stoi(a[3])) << "caption cut: " << testing::PrintToString(a);
    }
  }
  EXPECT_EQ(fonts, 2u);
  // The layout follows the dialog units of the new fonts, which grow about
  // as the DPI does (not exactly: a font's widths are whole pixels).
  const Rect now = PlaceIn(w.dialog(), w.Control(kExtractButton));
  for (const auto& [got, designed] : {std::pair{now.left, button.left}, std::pair{now.top, button.top},
                                      std::pair{now.right, button.right}, std::pair{now.bottom, button.bottom}}) {
    EXPECT_NEAR(got, MulDiv(designed, to, from), MulDiv(designed, to, from) * 0.15 + 1) << designed;
  }
  const auto cycle = w.Probe({"dpi-cycle\t" + std::to_string(to) + "\t" + std::to_string(from) + "\t10"});
  EXPECT_EQ(cycle, (std::vector<std::vector<std::string>>{{"stale", "0"}}));
}

struct CataloguePlaceCase {
  const char* what;
  std::string bytes;  // empty: no catalogue anywhere
  bool besideProgram;  // else below the working folder
  std::size_t keys;
  std::vector<std::string> parts;
  bool startedBeside = false;  // the working folder is roster.exe's
};

// The catalogue is looked for below the working folder, then beside
// roster.exe; without a readable one the status bar says so from the start
// and 「抽出」 works without skill columns, as roster-extract does.
TEST(Catalogue, FoundBesideTheProgramOrNamed) {
  const std::string sample = ReadBinaryFile(WindowsPath(ROSTER_SOURCE_DIR) + L"\\Database\\技能.txt");
  const std::vector<CataloguePlaceCase> cases = {
      {"beside roster.exe only", sample, true, 23, {"名簿を貼り付けて「抽出」（F5）を押してください"}},
      {"nowhere", "", false, 11, {"Database\\技能.txt が作業フォルダーにも roster.exe の横にもありません", "技能の列なしで抽出します"}},
      {"with a character Shift_JIS lacks", "\xEF\xBB\xBF剣,ｹﾝ\xF0\x9F\x98\x80\r\n", false, 11,
       {"技能の一覧 Database\\技能.txt を読めません", "技能の列なしで抽出します"}},
      {"with no row", "剣 ｹﾝ\r\n", false, 11, {"技能の一覧 Database\\技能.txt を読めません", "技能の列なしで抽出します"}},
      {"with no row, started beside it", "剣 ｹﾝ\r\n", true, 11,
       {"技能の一覧 Database\\技能.txt を読めません", "技能の列なしで抽出します"}, true},
  };
  for (const CataloguePlaceCase& c : cases) {
    const std::wstring folder = MakeWorkFolder(false), program = folder + L"\\program";
    CreateDirectoryW(program.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(WindowsPath(ROSTER_EXE).c_str(), (program + L"\\roster.exe").c_str(), FALSE));
    const std::wstring database = (c.besideProgram ? program : folder) + L"\\Database";
    if (!c.bytes.empty()) {
      CreateDirectoryW(database.c_str(), nullptr);
      WriteBinaryFile(database + L"\\技能.txt", c.bytes);
    }
    const std::wstring working = c.startedBeside ? program : folder;
    const std::unique_ptr<RosterWindow> window = RosterWindow::Start(working, program + L"\\roster.exe");
    ASSERT_NE(window, nullptr) << c.what;
    EXPECT_EQ(window->ComboEntries().size(), c.keys) << c.what;
    const StatusBarView bar = ReadStatusBar(*window);
    EXPECT_EQ(bar.parts, c.parts) << c.what;
    EXPECT_TRUE(bar.fits) << c.what << ": " << bar.answers;
    const std::size_t unread = bar.tip.find("読めなかったもの");  // a damaged file is named once
    EXPECT_TRUE(unread == std::string::npos || bar.tip.find("読めなかったもの", unread + 1) == std::string::npos)
        << c.what << ": " << bar.tip;
    window->SetText(window->Control(kReportEdit), SampleRoster());
    window->SelectKey(1);
    window->Click(kExtractButton);
    WriteBinaryFile(working + L"\\input.txt", SampleRoster());
    std::vector<std::string> arguments = {"--key", Cp932("名前"), "input.txt"};
    if (c.besideProgram && !c.startedBeside) {
      arguments.push_back("--catalogue");
      arguments.push_back(Cp932FromWide(database) + Cp932("\\技能.txt"));
    }
    EXPECT_EQ(window->Text(window->Control(kReportEdit)), RunRosterExtract(working, arguments).out) << c.what;
  }
}

// Files dropped on the window (a drop the probe builds inside roster.exe)
// go in at the caret in the order given, each read in its encoding, as one
// step for Ctrl+Z; a file that cannot be read is named and changes nothing.
TEST_F(GuiTest, DroppedFilesGoInAtTheCaret) {
  const RosterWindow& w = *window_;
  HWND box = w.Control(kReportEdit);
  const std::wstring third = L"ウ|人間||3/3|3| 3 c\r\n";
  std::string utf16 = "\xFF\xFE";
  utf16.append(reinterpret_cast<const char*>(third.data()), third.size() * sizeof(wchar_t));
  const std::vector<std::pair<std::wstring, std::string>> files = {
      {L"a.txt", Cp932("ア|人間||1/1|1| 1 a")}, {L"b.txt", "\xEF\xBB\xBFイ|森人||2/2|2| 2 b \xC3\xAB\n"}, {L"c.txt", utf16}};
  std::string drop = "drop";
  for (const auto& [name, bytes] : files) {
    WriteBinaryFile(folder_ + L"\\" + name, bytes);
    (drop += '\t') += Utf8FromWide(folder_ + L"\\" + name);
  }
  w.SetWideText(box, L"X\r\n");
  w.Send(box, EM_SETSEL, 3, 3);
  w.Probe({drop});
  EXPECT_EQ(w.WideText(box), L"X\r\nア|人間||1/1|1| 1 a\r\nイ|森人||2/2|2| 2 b ?\r\n" + third);
  EXPECT_EQ(ReadStatusBar(w).parts,
            (std::vector<std::string>{"3 個のファイルを読み込みました", "「?」1 文字：Ctrl+Z で取り消せます"}));
  w.Send(box, EM_UNDO, 0, 0);
  EXPECT_EQ(w.WideText(box), L"X\r\n");
  // A file that is not there, or would be garbled, is named, and the box keeps its text.
  const std::vector<std::tuple<std::wstring, std::string, std::string>> refused = {
      {L"gone.txt", "", "名簿は変わっていません"},
      {L"utf16.txt", std::string("A\0|\0\r\0\n\0", 8), "BOM のない UTF-16 です。名簿は変わっていません"},
      {L"utf8-line.txt", Cp932("ア|x\r\n") + Utf8FromWide(L"名前|y\r\n"), "2 行目が UTF-8 です。名簿は変わっていません"},
      {L"zero.txt", std::string("A|x\0y\r\n", 7), "テキストファイルではありません。名簿は変わっていません"},
  };
  for (const auto& [name, bytes, note] : refused) {
    if (!bytes.empty()) WriteBinaryFile(folder_ + L"\\" + name, bytes);
    w.Probe({"drop\t" + Utf8FromWide(folder_ + L"\\" + name)});
    EXPECT_EQ(w.WideText(box), L"X\r\n");
    const StatusBarView bar = ReadStatusBar(w);
    EXPECT_EQ(bar.parts, (std::vector<std::string>{"「" + Utf8FromWide(name) + "」を読み込めませんでした", note}));
    EXPECT_TRUE(bar.fits) << bar.answers;
  }
}

// roster.ini keeps the key (the list entry, or the typed text), the
// direction, the window's place and size, maximised or not, and the memo
// from one run to the next, written at the exit and when the session ends.
TEST(Settings, KeptFromOneRunToTheNext) {
  const std::wstring folder = MakeWorkFolder();
  const std::wstring memo = L"次回: 第13回\r\n持ち物 😀 \\n は改行ではない";
  const std::wstring roster = L"A|人間||1/1|1| 1 😀\r\n", ended = L"B|森人||2/2|2| 2 b";
  Rect placed;
  {
    const std::unique_ptr<RosterWindow> w = RosterWindow::Start(folder);
    ASSERT_NE(w, nullptr);
    w->SetWideText(w->Control(kReportEdit), roster);
    w->SelectKey(5);
    w->Click(kDescendingRadio);
    w->SetWideText(w->Control(kMemoEdit), memo);
    const Rect start = PlaceIn(nullptr, w->main());
    placed = {40, 30, 40 + start.width() + 50, 30 + start.height() + 40};
    w->Place(placed);
    ASSERT_TRUE(w->Close());
  }
  {
    const std::unique_ptr<RosterWindow> w = RosterWindow::Start(folder);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Send(w->Control(kSortKeyCombo), CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(w->Send(w->Control(kDescendingRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(w->Send(w->Control(kAscendingRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(w->WideText(w->Control(kMemoEdit)), memo);
    EXPECT_EQ(w->WideText(w->Control(kReportEdit)), roster);
    EXPECT_EQ(w->WideText(w->statusBar()), L"前回の名簿を戻しました（1 行）");
    EXPECT_EQ(w->Send(w->Control(kReportEdit), EM_GETSEL, 0, 0), 0);
    EXPECT_EQ(PlaceIn(nullptr, w->main()), placed);
    w->SetWideText(w->Control(kReportEdit), ended);
    w->TypeKey(Cp932("命中力 "));
    w->Send(w->main(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    w->Send(w->main(), WM_ENDSESSION, TRUE, 0);  // the session ends: no confirmation, the process is ended
  }
  const std::unique_ptr<RosterWindow> w = RosterWindow::Start(folder);
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(IsZoomed(w->main()));
  EXPECT_EQ(w->WideText(w->Control(kReportEdit)), ended);
  EXPECT_EQ(w->Send(w->Control(kSortKeyCombo), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(w->Text(w->Control(kSortKeyCombo)), Cp932("命中力 "));
}

struct SettingsFileCase {
  const char* what;
  std::string bytes;
  int keyEntry;
};

// A damaged roster.ini gives the defaults and a place off every monitor
// is pulled back on screen; where roster.ini cannot be written (a folder
// that is a file), the exit says so before the memo is lost.
TEST(Settings, DamagedOffScreenOrUnwritable) {
  const std::vector<SettingsFileCase> cases = {
      {"damaged", std::string("\xFF\xFE\0garbage\nkey-entry=x\ndescending=yes\nwindow=1,2\n", 45), 0},
      {"off every monitor", "key=\xE5\x90\x8D\xE5\x89\x8D\nkey-entry=1\nwindow=5000,4000,5800,4600\n", 1},
  };
  for (const SettingsFileCase& c : cases) {
    const std::wstring folder = MakeWorkFolder();
    WriteBinaryFile(folder + L"\\roster.ini", c.bytes);
    const std::unique_ptr<RosterWindow> w = RosterWindow::Start(folder);
    ASSERT_NE(w, nullptr) << c.what;
    EXPECT_EQ(w->Send(w->Control(kSortKeyCombo), CB_GETCURSEL, 0, 0), c.keyEntry) << c.what;
    EXPECT_EQ(w->Send(w->Control(kAscendingRadio), BM_GETCHECK, 0, 0), BST_CHECKED) << c.what;
    const Rect now = PlaceIn(nullptr, w->main());
    EXPECT_EQ(PulledOnScreen(now, {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}), now) << c.what;
  }
  const std::wstring folder = MakeWorkFolder();
  WriteBinaryFile(folder + L"\\not-a-folder", "x");
  const std::unique_ptr<RosterWindow> w = RosterWindow::Start(folder, L"", folder + L"\\not-a-folder");
  ASSERT_NE(w, nullptr);
  w->Send(GetDlgItem(w->RequestClose(), IDYES), BM_CLICK, 0, 0);
  HWND warning = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (warning = w->FindOwned(L"#32770")) != nullptr && w->WideText(warning) == L"roster — キャラクター名簿" &&
           GetDlgItem(warning, IDYES) != nullptr;
  }));
  EXPECT_NE(w->WideText(GetDlgItem(warning, 0xFFFF)).find(L"メモと設定を保存できませんでした"), std::wstring::npos);
  EXPECT_TRUE(IsWindow(w->main()));
  w->Send(GetDlgItem(warning, IDYES), BM_CLICK, 0, 0);
  DWORD exitCode = 1;
  EXPECT_TRUE(w->WaitForExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST_F(GuiTest, ExitConfirmation) {
  const std::string sample = SampleRoster();
  const std::string report = Extract(sample, Cp932("名前"), false, false);
  window_->SetText(window_->Control(kMemoEdit), "memo");

  HWND box = window_->RequestClose();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(window_->WideText(box), L"終了確認");
  EXPECT_EQ(window_->WideText(GetDlgItem(box, 0xFFFF)), L"終了してもよろしいですか？");
  window_->Send(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindow(window_->main()));
  EXPECT_EQ(window_->Text(window_->Control(kReportEdit)), report);
  EXPECT_EQ(window_->Text(window_->Control(kMemoEdit)), "memo");

  box = window_->RequestClose();
  ASSERT_NE(box, nullptr);
  window_->Send(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(window_->WaitForExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// Holds the extracted sample on screen while scripts/screenshot takes its
// picture; runs only when that script asks for it. Asked for a grown
// window, it makes the window larger and points at 「抽出」, whose tooltip
// names its keys; asked for the menu, it opens 編集; asked to find, it
// finds 「ミナ」 and leaves the find dialog open.
TEST_F(GuiTest, ScreenshotOfTheSampleReport) {
  const std::wstring handshake = Environment(L"ROSTER_SCREENSHOT_FOLDER");
  if (handshake.empty()) GTEST_SKIP() << "only for scripts/screenshot";
  Extract(SampleRoster(), Cp932("名前"), false, false);
  window_->SetText(window_->Control(kMemoEdit), Cp932("次回: 第13回セッション"));
  if (!Environment(L"ROSTER_SCREENSHOT_GROWN").empty()) {
    const Rect start = PlaceIn(nullptr, window_->main());
    window_->Place({start.left, start.top, start.right + start.width() / 3, start.bottom + start.height() / 4});
    const Rect button = PlaceIn(nullptr, window_->Control(kExtractButton));
    SetForegroundWindow(window_->main());
    SetCursorPos(button.left + button.width() / 2, button.top + button.height() / 2);
    Sleep(1500);
  }
  if (!Environment(L"ROSTER_SCREENSHOT_MENU").empty()) {
    SetForegroundWindow(window_->main());
    PostMessageW(window_->main(), WM_SYSCOMMAND, SC_KEYMENU, 'e');  // the 編集 menu, open
    Sleep(1500);
  }
  if (!Environment(L"ROSTER_SCREENSHOT_FIND").empty()) {
    PostMessageW(window_->main(), WM_COMMAND, MAKEWPARAM(IDM_FIND, 0), 0);
    HWND find = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (find = window_->FindOwned(L"#32770")) != nullptr && IsWindowVisible(find); }));
    window_->SetWideText(GetDlgItem(find, 0x480), L"ミナ");
    window_->Send(GetDlgItem(find, IDOK), BM_CLICK, 0, 0);
    Sleep(1500);
  }
  WriteBinaryFile(handshake + L"\\ready", "ready");
  EXPECT_TRUE(WaitFor([&] { return GetFileAttributesW((handshake + L"\\done").c_str()) != INVALID_FILE_ATTRIBUTES; },
                      std::chrono::seconds(60)));
}

}  // namespace
}  // namespace roster
