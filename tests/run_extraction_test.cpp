// The Extract command over the in-memory dialog.
#include <gtest/gtest.h>

#include "app/extraction.h"
#include "app/memory_dialog.h"
#include "app/run_extraction.h"
#include "report/sort_order.h"
#include "support/extraction_testing.h"

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
    RunExtraction(dialog_, catalogue_);
    return dialog_.ReadControlText(kReportEdit);
  }
  std::string Expected(std::string_view key, bool descending) {
    return ExtractReport(kText, key, descending, catalogue_);
  }

  SkillCatalogue catalogue_ = Catalogue();
  MemoryDialog dialog_;
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
};

TEST_F(RunExtractionTest, TypedKeysAndDirections) {
  const std::vector<KeyCase> cases = {
      {"命中力", false, "命中力"},
      {"命中力 ", false, ""},  // a trailing blank names nothing
      {"名前", true, "名前"},
      {"剣", true, "剣"},
      {"", true, ""},
  };
  for (const KeyCase& c : cases) {
    dialog_.Paste(kReportEdit, kText);
    dialog_.TypeComboText(kSortKeyCombo, c.typed);
    dialog_.ClickRadio(c.descending ? kDescendingRadio : kAscendingRadio);
    EXPECT_EQ(Run(), Expected(c.sameAs, c.descending)) << c.typed;
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
  EXPECT_EQ(dialog_.edit(kReportEdit).caret, dialog_.edit(kReportEdit).text.size());
  dialog_.Undo(kReportEdit);
  EXPECT_EQ(dialog_.ReadControlText(kReportEdit), kText);
}

// Characters without a CP932 form become "?" in the report, never a
// look-alike; the status bar names them and Undo brings back the paste.
TEST_F(RunExtractionTest, CharactersWithoutCp932FormAreNamedAndUndoable) {
  const std::wstring pasted = L"Zoë|人間||10/1|1| 1 p ♥\r\nLéa|森人||20/2|3| 2 q 😀\r\nLea|森人||1/1|1| 3 r\r\n";
  dialog_.Paste(kReportEdit, pasted);
  dialog_.TypeComboText(kSortKeyCombo, "名前");
  const RunResult result = RunExtraction(dialog_, catalogue_);
  const std::string report = dialog_.ReadControlText(kReportEdit);
  EXPECT_NE(report.find("Zo?"), std::string::npos) << report;
  EXPECT_NE(report.find("L?a"), std::string::npos) << report;
  EXPECT_NE(report.find("Lea"), std::string::npos) << report;  // not merged with "Léa"
  EXPECT_EQ(result.summary.kept, 3u);
  EXPECT_EQ(result.replaced.count, 4u);
  EXPECT_EQ(result.replaced.firstLine, 1u);
  const std::wstring firstReplaced = L"ë";  // outside the macro, whose text is CP932
  EXPECT_EQ(result.replaced.first, firstReplaced);
  dialog_.Undo(kReportEdit);
  EXPECT_EQ(dialog_.edit(kReportEdit).text, pasted);
}

struct StatusCase {
  ExtractionSummary summary;
  ReplacedCharacters replaced;
  std::wstring expected;
};

TEST(StatusText, SaysOnlyWhatIsNotZero) {
  const std::vector<StatusCase> cases = {
      {{0, 0, 0, 0}, {}, L"0 人を抽出しました"},
      {{19, 1, 2, 5}, {}, L"19 人を抽出しました（同名の上の行 1、読めなかった行 2：最初は 5 行目）"},
      {{3, 2, 0, 0}, {}, L"3 人を抽出しました（同名の上の行 2）"},
      {{3, 0, 1, 7}, {}, L"3 人を抽出しました（読めなかった行 1：最初は 7 行目）"},
      {{2, 0, 0, 0}, {3, 7, L"ë"},
       L"2 人を抽出しました。変換できない文字 3 個を「?」にしました（最初は 7 行目の「ë」）。Ctrl+Z で元に戻せます"},
  };
  for (const StatusCase& c : cases) EXPECT_EQ(StatusText({c.summary, c.replaced}), c.expected);
}

}  // namespace
}  // namespace roster
