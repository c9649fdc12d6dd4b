// The Extract command over the in-memory dialog, its history, and what the
// status bar says; what else the window keeps and computes apart from
// Win32: roster.ini, the layout arithmetic, files dropped on it, the UTF-8
// of its texts.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <fstream>

#include "window/account_list.h"
#include "window/dropped_files.h"
#include "pipeline/extraction.h"
#include "support/memory_dialog.h"
#include "window/run_extraction.h"
#include "window/saved_text.h"
#include "window/settings_file.h"
#include "window/status_text.h"
#include "window/text_search.h"
#include "window/window_layout.h"
#include "encoding/encoding.h"
#include "report/sort_order.h"
#include "support/extraction_testing.h"
#include "support/roster_generator.h"

// Memory that runs out on demand: while it is above zero, the allocation
// of 64 KiB or more that brings `largeAllocationsLeft` to zero fails.
std::atomic<int> largeAllocationsLeft = 0;

void* Allocate(std::size_t size, std::size_t alignment) {
  if (size >= (1 << 16) && largeAllocationsLeft.load() > 0 && largeAllocationsLeft.fetch_sub(1) == 1) {
    throw std::bad_alloc();
  }
  void* data = std::aligned_alloc(alignment, (std::max<std::size_t>(size, 1) + alignment - 1) / alignment * alignment);
  if (data == nullptr) throw std::bad_alloc();
  return data;
}

void* operator new(std::size_t size) { return Allocate(size, alignof(std::max_align_t)); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return Allocate(size, std::max(alignof(std::max_align_t), static_cast<std::size_t>(alignment)));
}
void operator delete(void* data) noexcept { std::free(data); }
void operator delete(void* data, std::size_t) noexcept { std::free(data); }
void operator delete(void* data, std::align_val_t) noexcept { std::free(data); }
void operator delete(void* data, std::size_t, std::align_val_t) noexcept { std::free(data); }

namespace roster {
namespace {

const std::string kText = "A|人間||10/1|1|x 1 p\r\nB|森人||20/2|3| 2 q\r\nC|人間||30/3|2| 3 r\r\n";

SkillCatalogue Catalogue() {
  SkillCatalogue catalogue;
  catalogue.LoadText("g,|\n剣,ｹﾝ\n");
  return catalogue;
}

class RunExtractionTest : public testing::Test {
 protected:
  void SetUp() override {
    InitialiseDialogControls(dialog_, catalogue_);
    dialog_.Paste(kReportEdit, kText);
    dialog_.Paste(kMemoEdit, "memo text");
  }
  std::string Run() {
    RunExtraction(dialog_, catalogue_, history_);
    return dialog_.ReadControlText(kReportEdit);
  }
  std::string Expected(std::string_view key, bool descending) {
    return ExtractReport(kText, key, descending, catalogue_);
  }

  SkillCatalogue catalogue_ = Catalogue();
  MemoryDialog dialog_;
  RosterHistory history_;
};

TEST_F(RunExtractionTest, InitialSettings) {
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).entries, SortKeyList(catalogue_));
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).selected, 0);
  EXPECT_TRUE(dialog_.checked(kAscendingRadio));
  EXPECT_FALSE(dialog_.checked(kDescendingRadio));
  EXPECT_FALSE(dialog_.checked(kHiddenCheckBox));
  EXPECT_TRUE(dialog_.edit(kReportEdit).unlimited);
  EXPECT_TRUE(dialog_.edit(kMemoEdit).unlimited);
  EXPECT_EQ(Run(), Expected("", false));
  EXPECT_NE(Expected("", false), Expected("名前", false));
}

struct KeyCase {
  std::string typed;
  bool descending;
  std::string sameAs;
  bool unknown;  // named in the status bar as sorting nothing
};

TEST_F(RunExtractionTest, TypedKeysAndDirections) {
  const std::vector<KeyCase> cases = {
      {"命中力", false, "命中力", false},
      {"命中力 ", false, "", true},  // a trailing blank names nothing
      {"名前", true, "名前", false},
      {"剣", true, "剣", false},
      {"槍", false, "", true},  // a skill of another catalogue
      {"", true, "", false},
  };
  for (const KeyCase& c : cases) {
    dialog_.Paste(kReportEdit, kText);
    dialog_.TypeComboText(kSortKeyCombo, c.typed);
    dialog_.ClickRadio(c.descending ? kDescendingRadio : kAscendingRadio);
    const RunResult result = RunExtraction(dialog_, catalogue_, history_);
    EXPECT_EQ(dialog_.ReadControlText(kReportEdit), Expected(c.sameAs, c.descending)) << c.typed;
    EXPECT_EQ(result.unknownKey, c.unknown ? c.typed : "") << c.typed;
  }
}

TEST_F(RunExtractionTest, SelectedEntryIsTheKey) {
  dialog_.SelectComboEntry(kSortKeyCombo, 1);  // "名前"
  dialog_.ClickRadio(kDescendingRadio);
  EXPECT_EQ(Run(), Expected("名前", true));
}

TEST_F(RunExtractionTest, LeavesMemoAndComboAloneAndCanBeUndone) {
  dialog_.TypeComboText(kSortKeyCombo, "魔力");
  Run();
  EXPECT_EQ(dialog_.ReadControlText(kMemoEdit), "memo text");
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).selected, -1);
  EXPECT_EQ(dialog_.ReadComboText(kSortKeyCombo), "魔力");
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).entries, SortKeyList(catalogue_));
  EXPECT_EQ(dialog_.edit(kReportEdit).caret, 0u);  // the header in view
  UndoRosterStep(dialog_, history_);
  EXPECT_EQ(dialog_.ReadControlText(kReportEdit), kText);
}

struct SequenceStep {
  enum { kType, kExtract, kUndo, kRedo, kShowLine } action;
  std::wstring typed;  // at the caret
  int64_t ms;
  std::wstring expected;  // "R" stands for the report of the first run
  std::optional<std::size_t> left;  // steps left that way; none: no step taken
  std::size_t line = 0;  // kShowLine: the line of the first run's text chosen
  std::pair<std::size_t, std::size_t> selected = {};  // ... and what is then selected
};

// One history: typing (joined within a second where it touches), pastes
// and runs of 「抽出」 go back and forth one step at a time whatever their
// kind; typing after going back drops the steps ahead. A line chosen in
// the run's list goes back (or forth) to the text the run read, the line
// selected, while the history holds it.
TEST_F(RunExtractionTest, OneHistoryOfTypingAndRuns) {
  const std::wstring pasted = WideFromCp932(kText);
  const std::wstring report = WideFromCp932(ExtractReport(kText + "abc", "", false, catalogue_));
  const auto R = [&](const std::wstring& typed) { return typed + report; };
  const std::vector<SequenceStep> steps = {
      {SequenceStep::kType, L"ab", 0, pasted + L"ab", {}},
      {SequenceStep::kType, L"c", 500, pasted + L"abc", {}},
      {SequenceStep::kExtract, L"", 0, R(L""), {}},
      {SequenceStep::kType, L"x", 10000, R(L"x"), {}},
      {SequenceStep::kType, L"y", 10100, R(L"xy"), {}},
      {SequenceStep::kType, L"z", 12000, R(L"xyz"), {}},  // after a pause: a step of its own
      {SequenceStep::kShowLine, L"", 0, pasted + L"abc", 2, 2, {20, 37}},
      {SequenceStep::kRedo, L"", 0, R(L""), 2},
      {SequenceStep::kRedo, L"", 0, R(L"xy"), 1},
      {SequenceStep::kRedo, L"", 0, R(L"xyz"), 0},
      {SequenceStep::kUndo, L"", 0, R(L"xy"), 4},
      {SequenceStep::kUndo, L"", 0, R(L""), 3},
      {SequenceStep::kUndo, L"", 0, pasted + L"abc", 2},
      {SequenceStep::kRedo, L"", 0, R(L""), 2},
      {SequenceStep::kRedo, L"", 0, R(L"xy"), 1},
      {SequenceStep::kUndo, L"", 0, R(L""), 3},
      {SequenceStep::kType, L"w", 20000, R(L"w"), {}},
      {SequenceStep::kRedo, L"", 0, R(L"w"), {}},  // nothing ahead any more
      {SequenceStep::kUndo, L"", 0, R(L""), 3},
      {SequenceStep::kUndo, L"", 0, pasted + L"abc", 2},
      {SequenceStep::kUndo, L"", 0, pasted, 1},
      {SequenceStep::kShowLine, L"", 0, pasted + L"abc", 2, 4, {58, 61}},  // forth, to the last line
      {SequenceStep::kUndo, L"", 0, pasted, 1},
      {SequenceStep::kUndo, L"", 0, L"", 0},  // before the paste
      {SequenceStep::kUndo, L"", 0, L"", {}},
      {SequenceStep::kType, L"q", 30000, L"q", {}},
      {SequenceStep::kShowLine, L"", 0, L"q", {}, 1},  // the run is no longer held
  };
  NoteRosterChange(dialog_, history_, StepKind::kPaste, 0);  // the fixture's paste, as the box notes it
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const SequenceStep& step = steps[i];
    std::optional<HistoryStep> taken;
    switch (step.action) {
      case SequenceStep::kType:
        dialog_.Type(kReportEdit, step.typed);
        NoteRosterChange(dialog_, history_, StepKind::kTyping, step.ms);
        break;
      case SequenceStep::kExtract: Run(); break;
      case SequenceStep::kUndo: taken = UndoRosterStep(dialog_, history_); break;
      case SequenceStep::kRedo: taken = RedoRosterStep(dialog_, history_); break;
      case SequenceStep::kShowLine: taken = ShowLineBeforeRun(dialog_, history_, 1, step.line); break;
    }
    EXPECT_EQ(dialog_.edit(kReportEdit).text, step.expected) << i;
    if (step.action == SequenceStep::kShowLine && taken) {
      EXPECT_EQ(std::pair(dialog_.edit(kReportEdit).anchor, dialog_.edit(kReportEdit).caret), step.selected) << i;
    }
    EXPECT_EQ(taken ? std::optional<std::size_t>(taken->left) : std::nullopt, step.left) << i;
  }
}

struct HistoryBoundCase {
  std::size_t maxSteps, maxBytes, runs, typed;
  std::size_t undoable;  // steps back from the last
};

// The oldest steps go first, by count or by size, but never the newest;
// typing never pushes a run out (it waits for the runs before it to go).
TEST(RosterHistory, DropsTheOldestStepsFirst) {
  const std::vector<HistoryBoundCase> cases = {
      {32, 1 << 20, 40, 0, 32}, {32, 5 * 10 * sizeof(wchar_t), 8, 0, 5}, {32, 1, 3, 0, 1},
      {32, 1 << 20, 0, RosterHistory::kMaxTypingSteps + 10, RosterHistory::kMaxTypingSteps},
      {32, 1 << 20, 2, RosterHistory::kMaxTypingSteps + 10, RosterHistory::kMaxTypingSteps + 12}};
  for (const HistoryBoundCase& c : cases) {
    RosterHistory history(c.maxSteps, c.maxBytes);
    for (std::size_t i = 0; i < c.runs; ++i) history.Replaced(std::wstring(10, static_cast<wchar_t>(L'a' + i % 26)), StepKind::kExtract);
    for (std::size_t i = 0; i < c.typed; ++i) history.Changed(history.shown() + L"x", StepKind::kTyping, static_cast<int64_t>(i) * 2000);
    std::size_t steps = 0;
    while (history.Undo()) ++steps;
    EXPECT_EQ(steps, c.undoable) << c.runs << " " << c.typed;
  }
}

// Characters without a CP932 form become "?" in the report, never a
// look-alike; the status bar names them and Undo brings back the paste.
TEST_F(RunExtractionTest, CharactersWithoutCp932FormAreNamedAndUndoable) {
  const std::wstring pasted = L"Zoë|人間||10/1|1| 1 p ♥\r\nLéa|森人||20/2|3| 2 q 😀\r\nLea|森人||1/1|1| 3 r\r\n";
  dialog_.Paste(kReportEdit, pasted);
  dialog_.TypeComboText(kSortKeyCombo, "名前");
  const RunResult result = RunExtraction(dialog_, catalogue_, history_);
  const std::string report = dialog_.ReadControlText(kReportEdit);
  EXPECT_NE(report.find("Zo?"), std::string::npos) << report;
  EXPECT_NE(report.find("L?a"), std::string::npos) << report;
  EXPECT_NE(report.find("Lea"), std::string::npos) << report;  // not merged with "Léa"
  EXPECT_EQ(result.summary.kept, 3u);
  EXPECT_EQ(result.replaced.count, 4u);
  EXPECT_EQ(result.replaced.firstLine, 1u);
  const std::wstring firstReplaced = L"ë";  // outside the macro, whose text is CP932
  EXPECT_EQ(result.replaced.first, firstReplaced);
  UndoRosterStep(dialog_, history_);
  EXPECT_EQ(dialog_.edit(kReportEdit).text, pasted);
}

// A 「抽出」 that cannot get memory, whichever allocation fails (on either
// thread, while reading, collecting, sorting or rendering, or for the step
// back), leaves the box and the history as they were, and says so.
TEST_F(RunExtractionTest, OutOfMemoryLeavesTheTextAsItWas) {
  const std::string roster = RosterGenerator(5).NextRoster(20000);  // two threads
  dialog_.Paste(kReportEdit, roster);
  NoteRosterChange(dialog_, history_, StepKind::kPaste, 0);  // the paste, one step, as the box notes it
  int failed = 0;
  for (RunResult result;; ++failed) {
    largeAllocationsLeft = failed + 1;
    result = RunExtraction(dialog_, catalogue_, history_);
    largeAllocationsLeft = 0;
    if (!result.outOfMemory) break;
    ASSERT_TRUE(dialog_.ReadControlText(kReportEdit) == roster) << failed;
    ASSERT_EQ(history_.undoSteps(), 1u) << failed;
    EXPECT_EQ(StatusText(result).note, L"名簿は変わっていません");
  }
  EXPECT_GT(failed, 5);
  EXPECT_TRUE(dialog_.ReadControlText(kReportEdit) == ExtractReport(roster, "", false, catalogue_));
  EXPECT_EQ(history_.undoSteps(), 2u);
}

// A run's summary: the characters kept, the lines skipped from `first`
// on, and the other events counted.
ExtractionSummary Summary(std::size_t kept, std::size_t skipped, std::size_t first,
                          std::vector<std::pair<LineEvent, std::size_t>> counts = {}) {
  ExtractionSummary s;
  s.kept = kept;
  s.skipped = skipped;
  s.firstSkippedLine = first;
  for (const auto& [event, count] : counts) s.counts[static_cast<std::size_t>(event)] = count;
  return s;
}

struct StatusCase {
  StatusMessage got;
  std::wstring text, note, details;
};

// The bar's text says only what is not zero; the note, in a part of its
// own, what became "?", a key that sorted nothing, where the catalogue
// was looked for; the tooltip all of it.
TEST(StatusText, SaysOnlyWhatIsNotZero) {
  const std::vector<StatusCase> cases = {
      {StatusText(RunResult{Summary(0, 0, 0), {}, "", "", false}), L"0 人を抽出しました", L"", L""},
      {StatusText(RunResult{Summary(19, 2, 5, {{LineEvent::kReplaced, 1}}), {}, "", "", false}), L"19 人を抽出しました（同名の上の行 1、読めない行 2：5 行目から）", L"",
       L""},
      {StatusText(RunResult{Summary(3, 0, 0, {{LineEvent::kReplaced, 2}}), {}, "", "", false}), L"3 人を抽出しました（同名の上の行 2）", L"", L""},
      {StatusText(RunResult{Summary(3, 0, 0, {{LineEvent::kNamesMerged, 1}, {LineEvent::kNameShortened, 2},
                                              {LineEvent::kOddSkillCell, 1}, {LineEvent::kExtraCells, 1}}), {}, "", "", false}),
       L"3 人を抽出しました（別の名前が同じ名前に 1、名前を短くした行 2、技能の欄の幅が半端な行 1、最後の欄の後ろを備考に残した行 1）", L"", L""},
      {StatusText(RunResult{Summary(3, 1, 7), {}, "", "", false}), L"3 人を抽出しました（読めない行 1：7 行目から）", L"", L""},
      {StatusText(RunResult{Summary(2, 0, 0), {3, 7, L"ë"}, "", "", false}), L"2 人を抽出しました", L"「?」3 文字：Ctrl+Z で戻せます",
       L"変換できない文字 3 個を「?」にしました（最初は 7 行目の「ë」）"},
      {StatusText(RunResult{Summary(2, 0, 0), {}, "命中力 ", "", false}), L"2 人を抽出しました",
       L"「命中力 」は一覧にないので並べ替えていません", L""},
      {StatusText(RunResult{Summary(2, 0, 0), {}, "", "〔戦技〕", true}), L"2 人を抽出しました",
       L"「〔戦技〕」は技能のグループの見出しなので並べ替えていません。技能の一覧がないので技能の列はありません", L""},
      {StatusText(HistoryStep{true, 2}), L"「抽出」の前の文章に戻しました", L"あと 2 回戻せます。Ctrl+Y でやり直せます", L""},
      {StatusText(HistoryStep{true, 1, StepKind::kTyping}), L"入力を取り消しました", L"あと 1 回戻せます。Ctrl+Y でやり直せます", L""},
      {StatusText(HistoryStep{true, 0}), L"「抽出」の前の文章に戻しました", L"これより前には戻せません。Ctrl+Y でやり直せます",
       L""},
      {StatusText(HistoryStep{false, 0}), L"「抽出」をやり直しました", L"Ctrl+Z で戻せます", L""},
      {SavedStatusText(L"名簿.txt", false, 2), L"「名簿.txt」に保存しました（Shift_JIS）", L"「?」2 文字", L""},
      {*StatusText(CatalogueSearch{{}, "", {"Database/\xE6\x8A\x80\xE8\x83\xBD.txt", "C:\\r\\Database/\xE6\x8A\x80\xE8\x83\xBD.txt"}, {}, "", {}}),
       L"Database\\技能.txt が作業フォルダーにも roster.exe の横にもありません", L"技能の列なしで抽出します",
       L"探した場所:\r\n  作業フォルダーの Database\\技能.txt\r\n  C:\\r\\Database\\技能.txt"},
      {*StatusText(CatalogueSearch{{}, "", {"Database/\xE6\x8A\x80\xE8\x83\xBD.txt"}, {}, "C:\\w\\", {}}),
       L"Database\\技能.txt が作業フォルダーにも roster.exe の横にもありません", L"技能の列なしで抽出します",
       L"探した場所:\r\n  作業フォルダー（C:\\w\\）の Database\\技能.txt"},
      {*StatusText(CatalogueSearch{{}, "", {"C:\\r\\Database/\xE6\x8A\x80\xE8\x83\xBD.txt"}, {"C:\\r\\x.txt: Permission denied"}, "", {}}),
       L"技能の一覧 Database\\技能.txt を読めません", L"技能の列なしで抽出します",
       L"探した場所:\r\n  C:\\r\\Database\\技能.txt\r\n読めなかったもの: C:\\r\\x.txt: Permission denied"},
  };
  EXPECT_FALSE(StatusText(CatalogueSearch{SkillCatalogue(), "", {}, {}, "", {}}));  // found: nothing to say
  const StatusMessage nonRows = *StatusText(CatalogueSearch{SkillCatalogue(), "C:\\r\\x.txt", {}, {}, "", {3, 4}});
  const StatusMessage passedOver =
      *StatusText(CatalogueSearch{SkillCatalogue(), "C:\\r\\x.txt", {}, {"Database/\xE6\x8A\x80\xE8\x83\xBD.txt: line 1: a NUL"}, "", {}});
  EXPECT_EQ(passedOver, (StatusMessage{L"技能の一覧 Database\\技能.txt に読めないものがありました", L"C:\\r\\x.txt を使います",
                                       L"読めなかったもの: Database\\技能.txt: line 1: a NUL"}));
  EXPECT_EQ(nonRows, (StatusMessage{L"技能の一覧の 3 行は「名前,見出し:説明」の行ではありません",
                                    L"最初は 4 行目。見出しのない列になります", L"C:\\r\\x.txt"}));
  // The list 「抽出の記録」 names each event in the bar's words, and counts
  // the events beyond the entries kept, blank lines apart.
  ExtractionSummary account = Summary(1, 0, 0, {{LineEvent::kNamesMerged, 1}, {LineEvent::kNameShortened, 1},
                                                {LineEvent::kBlank, 4}, {LineEvent::kReplaced, 3}});
  account.entries = {{1, LineEvent::kNamesMerged, "ジョン・ハート|x", "ン・ハート", "ジョン・ハート", 2, "レオン・ハート"},
                     {2, LineEvent::kNameShortened, "レオン・ハート|x", "ン・ハート", "レオン・ハート", 0, ""}};
  EXPECT_EQ(AccountRows(account),
            (std::vector<AccountRow>{
                {1, L"1", L"別の名前が同じ名前に：ジョン・ハート と 2 行目の レオン・ハート → ン・ハート", L"ジョン・ハート|x"},
                {2, L"2", L"名前を短くした行：レオン・ハート → ン・ハート", L"レオン・ハート|x"},
                {0, L"", L"ほかに 3 件あります（一覧は上から 1000 件まで）", L""}}));
  for (const StatusCase& c : cases) {
    EXPECT_EQ(c.got, (StatusMessage{c.text, c.note, c.details}));
    std::wstring tip = c.text;
    for (const std::wstring& more : {c.note, c.details}) tip += more.empty() ? L"" : L"\r\n" + more;
    EXPECT_EQ(TooltipText(c.got), tip);
  }
}

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
  settings.textPoints = 14;
  settings.folder = L"C:\\名簿\\😀";
  EXPECT_EQ(ParseSettingsFile(SettingsFileText(settings)), settings);
  MemoryDialog dialog;
  InitialiseDialogControls(dialog, SkillCatalogue());
  ApplyDialogSettings(dialog, settings);  // entry 2 is 種族
  EXPECT_EQ(dialog.SelectedComboEntry(kSortKeyCombo), -1);
  EXPECT_EQ(ReadDialogSettings(dialog).key, "命中力 ");
}

// A save writes CP932 with "\r\n" (what has no CP932 form counted as "?"),
// or UTF-8 behind a mark, which gives back every character.
TEST(SavedText, Cp932OrUtf8BehindAMark) {
  const std::wstring text = L"ア|人間\n\U0001F600|x\r\n";
  ReplacedCharacters replaced;
  EXPECT_EQ(SavedText(text, SavedForm::kCp932, &replaced), "ア|人間\r\n?|x\r\n");
  EXPECT_EQ(replaced, (ReplacedCharacters{1, 2, L"\U0001F600"}));
  const std::string utf8 = SavedText(text, SavedForm::kUtf8);
  EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(TextOfSavedUtf8(utf8), L"ア|人間\r\n\U0001F600|x\r\n");
  // The text sizes step within 8 to 36 points.
  EXPECT_EQ(LargerTextPoints(kStandardTextPoints), 10);
  EXPECT_EQ(LargerTextPoints(kLargestTextPoints), kLargestTextPoints);
  EXPECT_EQ(SmallerTextPoints(13), 12);
  EXPECT_EQ(SmallerTextPoints(kSmallestTextPoints), kSmallestTextPoints);
}

struct SearchCase {
  std::wstring what;
  std::size_t from;
  bool forward, matchCase;
  std::optional<std::size_t> found;
};

// The search steps past the match a selection stands on, either way; case
// is folded in Latin, Greek and Cyrillic, full-width too, never across widths.
TEST(FindInText, ForwardBackwardWithOrWithoutCase) {
  const std::wstring text = L"Ａｂｃ abc ÀБΣ ABC\r\nabc";
  const std::vector<SearchCase> cases = {
      {L"abc", 0, true, false, 4},    {L"abc", 5, true, false, 12},  {L"abc", 5, true, true, 17},
      {L"abc", 17, false, false, 12}, {L"abc", 12, false, true, 4},  {L"abc", 6, false, false, std::nullopt},
      {L"ａｂｃ", 0, true, false, 0},  {L"ａｂｃ", 0, true, true, std::nullopt}, {L"àбσ", 0, true, false, 8},
      {L"àбσ", 0, true, true, std::nullopt}, {L"", 0, true, false, std::nullopt}, {L"abc", 18, true, false, std::nullopt},
      {L"abc", 99, false, true, 17},
  };
  for (const SearchCase& c : cases) {
    EXPECT_EQ(FindInText(text, c.what, c.from, c.forward, c.matchCase), c.found)
        << Utf8FromWide(c.what) << " from " << c.from << (c.forward ? " forward" : " backward");
  }
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
       "key-entry=x\nwindow=1,2,3\nwindow=10,10,5,5\nwindow=0,0,99999999,10\ndescending=2\nmaximised=1\n"
       "text-size=7\ntext-size=37\ntext-size=x\n", {}},
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

struct ShrinkCase {
  int32_t extraWidth, extraHeight;
  Shrinkage shrinkage;
  Rect roster, memo;  // where they then stand
};

// Below the designed size the roster box gives up height first, down to
// three lines, then the memo, which moves up with it; both give up width.
TEST(WindowLayout, BelowTheDesignedSizeTheRosterBoxShrinksFirst) {
  const Rect roster = {7, 23, 462, 223}, memo = {7, 232, 462, 332};
  const std::vector<ShrinkCase> cases = {
      {10, 30, {0, 0, 0}, {7, 23, 472, 253}, {7, 262, 472, 362}},
      {-5, -50, {50, 0, 5}, {7, 23, 457, 173}, {7, 182, 457, 282}},
      {0, -200, {176, 24, 0}, {7, 23, 462, 47}, {7, 56, 462, 132}},
      {-500, -400, {176, 76, 395}, {7, 23, 67, 47}, {7, 56, 67, 80}},
  };
  for (const ShrinkCase& c : cases) {
    const Shrinkage s = ShrinkageOf(roster, memo, c.extraWidth, c.extraHeight, 60, 24);
    EXPECT_EQ(std::tuple(s.rosterHeight, s.memoHeight, s.width),
              std::tuple(c.shrinkage.rosterHeight, c.shrinkage.memoHeight, c.shrinkage.width)) << c.extraHeight;
    EXPECT_EQ(Grown(roster, Growth::kTakesWidthAndHeight, c.extraWidth, c.extraHeight, s), c.roster) << c.extraHeight;
    EXPECT_EQ(Grown(memo, Growth::kTakesWidthMovesDown, c.extraWidth, c.extraHeight, s), c.memo) << c.extraHeight;
  }
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
      {"UTF-16 without its mark", "A\0|\0x\0|\0\r\0\n\0"s, L"", L"BOM のない UTF-16 です。名簿は変わっていません"},
      {"a UTF-8 line in a Shift_JIS file", "\x96\xBC|x\r\n\xE5\x90\x8D\xE5\x89\x8D|y\r\n", L"",
       L"2 行目が UTF-8 です。名簿は変わっていません"},
  };
  for (const DropCase& c : cases) {
    std::ofstream(dir / "b.txt", std::ios::binary) << c.bytes;
    MemoryDialog dialog;
    const DroppedFiles dropped = DropFiles(dialog, {(dir / "a.txt").string(), (dir / "b.txt").string()});
    const StatusMessage status = StatusText(dropped);
    EXPECT_EQ(dialog.edit(kReportEdit).text, c.inserted) << c.what;
    EXPECT_EQ(dropped.form.encoding, c.inserted.empty() ? TextEncoding::kCp932 : TextEncoding::kUtf8) << c.what;
    EXPECT_EQ(status.note, c.note) << c.what;
    const std::wstring named = L"変換できない文字 1 個を「?」にしました（最初は b.txt の 2 行目の「😀」）";  // outside the macro, whose text is CP932
    EXPECT_EQ(status.details.starts_with(named), !c.inserted.empty()) << c.what;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace roster
