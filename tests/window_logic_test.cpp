// What the window keeps and computes apart from Win32: roster.ini, the
// layout arithmetic, files dropped on it, the UTF-8 of its texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/dropped_files.h"
#include "support/memory_dialog.h"
#include "app/run_extraction.h"
#include "app/settings_file.h"
#include "app/status_text.h"
#include "app/window_layout.h"

namespace roster {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;  // bytes that hold zeros

TEST(Utf8FromWide, KeepsEveryCharacter) {
  const std::wstring text = L"メモ\r\n😀 Zoë \\n 𠮷";
  bool valid = false;
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(text), &valid), text);
  EXPECT_TRUE(valid);
  EXPECT_EQ(WideFromUtf8("a\xFF" "b", &valid), L"a\xFFFD" L"b");
  EXPECT_FALSE(valid);
}

// Every setting comes back through the file; a list entry whose text has
// changed (another catalogue) comes back as the text, typed.
TEST(Settings, RoundTripThroughTheFile) {
  Settings settings;
  settings.keyEntry = 2;
  settings.key = "命中力 ";
  settings.descending = true;
  settings.place = WindowPlace{{-20, 30, 1200, 900}, true};
  settings.memo = L"次回: 第13回\r\n\\n は改行ではない 😀\r\n";
  EXPECT_EQ(ParseSettingsFile(SettingsFileText(settings)), settings);
  MemoryDialog dialog;
  InitialiseDialogControls(dialog, SkillCatalogue());
  ApplyDialogSettings(dialog, settings);  // entry 2 is 種族
  EXPECT_EQ(dialog.SelectedComboEntry(kSortKeyCombo), -1);
  EXPECT_EQ(ReadDialogSettings(dialog).key, "命中力 ");
}

struct DamagedCase {
  const char* what;
  std::string bytes;
  Settings expected;
};

TEST(Settings, DamageGivesTheDefaults) {
  Settings memoOnly;
  memoOnly.memo = L"a\xFFFD" L"b";
  Settings typedAndDescending;
  typedAndDescending.keyEntry = -1;
  typedAndDescending.descending = true;
  const std::vector<DamagedCase> cases = {
      {"not ours", "\x00\x01\xFF\xFE garbage\n=\n==="s, {}},
      {"bad numbers and places",
       "key-entry=x\nwindow=1,2,3\nwindow=10,10,5,5\nwindow=0,0,99999999,10\ndescending=2\nmaximised=1\n", {}},
      {"a key without a CP932 form", "key=\xF0\x9F\x98\x80\nkey-entry=-1\ndescending=1\n", typedAndDescending},
      {"memo bytes that are no UTF-8", "memo=a\xFF" "b\n", memoOnly},
  };
  for (const DamagedCase& c : cases) EXPECT_EQ(ParseSettingsFile(c.bytes), c.expected) << c.what;
}

struct PlaceCase {
  Rect window, placed;
};

TEST(WindowLayout, ScalesByDialogUnitsAndPullsAPlaceOnScreen) {
  // Widths follow the font's character width, heights its height.
  EXPECT_EQ(Scaled({7, 23, 462, 223}, {6, 13}, {8, 19}), (Rect{9, 34, 616, 326}));
  EXPECT_EQ(Scaled({-3, 0, 1, 1}, {4, 8}, {5, 8}), (Rect{-4, 0, 1, 1}));
  const Rect work = {0, 0, 1280, 984};
  const std::vector<PlaceCase> cases = {
      {{100, 100, 800, 600}, {100, 100, 800, 600}},    {{5000, 5000, 5700, 5500}, {580, 484, 1280, 984}},
      {{-3000, -40, -2300, 460}, {0, 0, 700, 500}},    {{-10, -10, 2000, 2000}, {0, 0, 1280, 984}},
  };
  for (const PlaceCase& c : cases) EXPECT_EQ(PulledOnScreen(c.window, work), c.placed);
}

struct DropCase {
  const char* what;
  std::string bytes;
  std::wstring inserted, note;
};

// What the Wine test cannot see: a file that would be garbled is refused
// as roster-extract refuses it, and the tooltip names the first "?" by its
// file and line.
TEST(DroppedFiles, RefuseWhatIsNoTextAndNameTheFirstLoss) {
  const fs::path dir = fs::temp_directory_path() / "roster_drop_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "a.txt", std::ios::binary) << "A";
  const std::vector<DropCase> cases = {
      {"UTF-8 without a last line end", "\xE5\x90\x8D\n\xF0\x9F\x98\x80", L"A\r\n名\r\n?",
       L"「?」1 文字：Ctrl+Z で取り消せます"},
      {"no text", "MZ\0\0"s, L"", L"テキストファイルではありません。名簿は変わっていません"},
      {"UTF-16 without its mark", "A\0|\0x\0|\0\r\0\n\0"s, L"", L"文字コードがわかりません。名簿は変わっていません"},
  };
  for (const DropCase& c : cases) {
    std::ofstream(dir / "b.txt", std::ios::binary) << c.bytes;
    MemoryDialog dialog;
    const StatusMessage status = StatusText(DropFiles(dialog, {(dir / "a.txt").string(), (dir / "b.txt").string()}));
    EXPECT_EQ(dialog.edit(kReportEdit).text, c.inserted) << c.what;
    EXPECT_EQ(status.note, c.note) << c.what;
    const std::wstring named = L"変換できない文字 1 個を「?」にしました（最初は b.txt の 2 行目の「😀」）";  // outside the macro, whose text is CP932
    EXPECT_EQ(status.details.starts_with(named), !c.inserted.empty()) << c.what;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace roster
