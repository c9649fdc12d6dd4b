// What the window keeps and computes apart from Win32: roster.ini, the
// layout of a grown window, files dropped on it, the UTF-8 of its texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/dropped_files.h"
#include "app/memory_dialog.h"
#include "app/run_extraction.h"
#include "app/settings_file.h"
#include "app/status_text.h"
#include "app/window_layout.h"
#include "platform/platform.h"

namespace roster {
namespace {

namespace fs = std::filesystem;

TEST(Utf8FromWide, KeepsEveryCharacter) {
  const std::wstring text = L"メモ\r\n😀 Zoë \\n 𠮷";
  bool valid = false;
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(text), &valid), text);
  EXPECT_TRUE(valid);
  EXPECT_EQ(WideFromUtf8("a\xFF" "b", &valid), L"a\xFFFD" L"b");
  EXPECT_FALSE(valid);
}

// Every setting comes back; a key picked from the list comes back as that
// entry while it bears the same text, else as typed text.
TEST(Settings, RoundTripThroughTheFileAndTheDialog) {
  Settings settings;
  settings.keyEntry = 2;
  settings.key = "種族";
  settings.descending = true;
  settings.place = WindowPlace{{-20, 30, 1200, 900}, true};
  settings.memo = L"次回: 第13回\r\n\\n は改行ではない 😀\r\n";
  EXPECT_EQ(ParseSettingsFile(SettingsFileText(settings)), settings);
  Settings typed = settings;
  typed.keyEntry = -1;
  typed.key = "命中力 ";
  typed.place.reset();
  EXPECT_EQ(ParseSettingsFile(SettingsFileText(typed)), typed);

  SkillCatalogue catalogue;
  catalogue.LoadText("剣,ｹﾝ\n");
  for (const Settings& s : {settings, typed}) {
    MemoryDialog dialog;
    InitialiseDialogControls(dialog, catalogue);
    ApplyDialogSettings(dialog, s);
    Settings read = ReadDialogSettings(dialog);
    read.place = s.place;
    EXPECT_EQ(read, s);
  }
  MemoryDialog dialog;
  InitialiseDialogControls(dialog, catalogue);
  typed.keyEntry = 2;  // the list changed: entry 2 is 種族 now
  ApplyDialogSettings(dialog, typed);
  EXPECT_EQ(dialog.SelectedComboEntry(kSortKeyCombo), -1);
  EXPECT_EQ(dialog.ReadComboText(kSortKeyCombo), "命中力 ");
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
      {"empty", "", {}},
      {"not ours", std::string("\x00\x01\xFF\xFE garbage\n=\n===", 18), {}},
      {"bad numbers and places",
       "key-entry=x\nwindow=1,2,3\nwindow=10,10,5,5\nwindow=0,0,99999999,10\ndescending=2\nmaximised=1\n", {}},
      {"a key without a CP932 form", "key=\xF0\x9F\x98\x80\nkey-entry=-1\ndescending=1\n", typedAndDescending},
      {"memo bytes that are no UTF-8", "memo=a\xFF" "b\n", memoOnly},
  };
  for (const DamagedCase& c : cases) EXPECT_EQ(ParseSettingsFile(c.bytes), c.expected) << c.what;
}

struct GrowthCase {
  int id;
  Rect grown;
};

TEST(WindowLayout, TheRosterBoxTakesTheExtraRoom) {
  const Rect designed = {10, 20, 110, 220};
  const std::vector<GrowthCase> cases = {
      {IDC_REPORT_EDIT, {10, 20, 160, 250}},  {IDC_MEMO_EDIT, {10, 50, 160, 250}},
      {IDC_MEMO_LABEL, {10, 50, 110, 250}},   {IDC_EXTRACT_BUTTON, designed},
      {IDC_SORT_KEY_COMBO, designed},         {IDC_DESCENDING_RADIO, designed},
  };
  for (const GrowthCase& c : cases) {
    EXPECT_EQ(Grown(designed, GrowthOf(c.id), 50, 30), c.grown) << c.id;
    EXPECT_EQ(Grown(designed, GrowthOf(c.id), -5, -5), designed) << c.id;  // never below the design
  }
  // Widths follow the font's character width, heights its height.
  EXPECT_EQ(Scaled({7, 23, 462, 223}, {6, 13}, {8, 19}), (Rect{9, 34, 616, 326}));
  EXPECT_EQ(Scaled(Scaled({7, 23, 462, 223}, {6, 13}, {8, 19}), {8, 19}, {6, 13}), (Rect{7, 23, 462, 223}));
  EXPECT_EQ(Scaled({-3, 0, 1, 1}, {4, 8}, {5, 8}), (Rect{-4, 0, 1, 1}));
}

struct PlaceCase {
  Rect window, placed;
};

TEST(WindowLayout, APlaceOffScreenIsPulledBack) {
  const Rect work = {0, 0, 1280, 984};
  const std::vector<PlaceCase> cases = {
      {{100, 100, 800, 600}, {100, 100, 800, 600}},    {{5000, 5000, 5700, 5500}, {580, 484, 1280, 984}},
      {{-3000, -40, -2300, 460}, {0, 0, 700, 500}},    {{-10, -10, 2000, 2000}, {0, 0, 1280, 984}},
  };
  for (const PlaceCase& c : cases) EXPECT_EQ(PulledOnScreen(c.window, work), c.placed);
}

struct DropCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // name and bytes; no bytes: none there
  std::wstring inserted;                                    // at the caret of "[]"
  std::wstring text, note;
};

// Dropped files go in at the caret as one edit, in the order given, in
// any encoding the detector knows; a file that cannot be read changes
// nothing and is named.
TEST(DroppedFiles, GoInAtTheCaretAsOnePaste) {
  const fs::path dir = fs::temp_directory_path() / "roster_drop_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  using namespace std::string_literals;
  const std::vector<DropCase> cases = {
      {"CP932 without a last line end, then UTF-8 with a mark and bare line feeds",
       {{"a.txt", "名前|x"}, {"b.txt", "\xEF\xBB\xBF" "\xE5\x90\x8D\n\xF0\x9F\x98\x80\n"}},
       L"名前|x\r\n名\r\n?\r\n", L"2 個のファイルを読み込みました", L"「?」1 文字：Ctrl+Z で取り消せます"},
      {"UTF-16 with its mark", {{"u.txt", "\xFF\xFE" "A\0\r\0\n\0\x0D\x54"s}}, L"A\r\n名", L"「u.txt」を読み込みました",
       L""},
      {"a missing file among others", {{"a.txt", "x"}, {"gone.txt", ""}}, L"", L"「gone.txt」を読み込めませんでした",
       L"名簿は変わっていません"},
      {"no text", {{"z.bin", "MZ\0\0"s}}, L"", L"「z.bin」を読み込めませんでした",
       L"テキストファイルではありません。名簿は変わっていません"},
      {"UTF-16 without its mark", {{"v.txt", "A\0|\0x\0|\0\r\0\n\0"s}}, L"", L"「v.txt」を読み込めませんでした",
       L"文字コードがわかりません。名簿は変わっていません"},
  };
  for (const DropCase& c : cases) {
    std::vector<std::string> names;
    for (const auto& [file, bytes] : c.files) {
      names.push_back((dir / file).string());
      if (!bytes.empty()) std::ofstream(dir / file, std::ios::binary) << bytes;
    }
    MemoryDialog dialog;
    dialog.Paste(kReportEdit, std::wstring(L"[]"));
    dialog.edit(kReportEdit).caret = 1;
    const StatusMessage status = StatusText(DropFiles(dialog, names));
    EXPECT_EQ(dialog.edit(kReportEdit).text, L"[" + c.inserted + L"]") << c.what;
    EXPECT_EQ(status.text, c.text) << c.what;
    EXPECT_EQ(status.note, c.note) << c.what;
    const std::wstring named = L"変換できない文字 1 個を「?」にしました（最初は b.txt の 2 行目の「😀」）";  // outside the macro, whose text is CP932
    EXPECT_EQ(status.details.starts_with(named), c.note.starts_with(L"「?」")) << c.what;
    dialog.Undo(kReportEdit);  // one step takes the whole drop back
    if (!c.inserted.empty()) {
      EXPECT_EQ(dialog.edit(kReportEdit).text, L"[]") << c.what;
    }
  }
  fs::remove_all(dir);
}

// No catalogue: the bar says so from the start, and the tooltip where it
// was looked for and what was wrong with a file that was there.
TEST(CatalogueStatus, NamesWhereItLooked) {
  CatalogueSearch search;
  search.looked = {"Database/\xE6\x8A\x80\xE8\x83\xBD.txt", "C:\\roster\\Database/\xE6\x8A\x80\xE8\x83\xBD.txt"};
  std::optional<StatusMessage> status = StatusText(search);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->text, L"技能の一覧 Database\\技能.txt が見つかりません");
  EXPECT_EQ(status->note, L"技能の列なしで抽出します");
  EXPECT_EQ(status->details, L"探した場所:\r\n  作業フォルダーの Database\\技能.txt\r\n  C:\\roster\\Database\\技能.txt");
  search.problems = {"C:\\roster\\Database/\xE6\x8A\x80\xE8\x83\xBD.txt: Permission denied"};
  status = StatusText(search);
  EXPECT_EQ(status->text, L"技能の一覧 Database\\技能.txt を読めません");
  EXPECT_NE(status->details.find(L"C:\\roster\\Database\\技能.txt: Permission denied"), std::wstring::npos);
  search.catalogue = SkillCatalogue();
  EXPECT_FALSE(StatusText(search));
}

}  // namespace
}  // namespace roster
