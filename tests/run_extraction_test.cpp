// The Extract command over the in-memory dialog.
#include <gtest/gtest.h>

#include "app/extraction.h"
#include "app/memory_dialog.h"
#include "app/run_extraction.h"
#include "report/sort_order.h"

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

TEST_F(RunExtractionTest, SecondPressParsesTheReport) {
  dialog_.TypeComboText(kSortKeyCombo, "名前");
  const std::string first = Run();
  EXPECT_EQ(Run(), first);
}

TEST_F(RunExtractionTest, LeavesMemoAndComboAloneAndCanBeUndone) {
  dialog_.TypeComboText(kSortKeyCombo, "魔力");
  Run();
  EXPECT_EQ(dialog_.ReadControlText(kMemoEdit), "memo text");
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).selected, -1);
  EXPECT_EQ(dialog_.ReadComboText(kSortKeyCombo), "魔力");
  EXPECT_EQ(dialog_.combo(kSortKeyCombo).entries, SortKeyList(catalogue_));
  EXPECT_EQ(dialog_.edit(kReportEdit).caret, dialog_.ReadControlText(kReportEdit).size());
  dialog_.Undo(kReportEdit);
  EXPECT_EQ(dialog_.ReadControlText(kReportEdit), kText);
}

}  // namespace
}  // namespace roster
