// The Extract command as a function of text.
#include <gtest/gtest.h>

#include "app/extraction.h"
#include "report/report_layout.h"

namespace roster {
namespace {

const std::string kHeader = "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》";

std::string Row(const std::string& line) {
  CharacterData c;
  c.ParseLine(line);
  return ReportRow(c);
}

struct ExtractCase {
  const char* what;
  std::string text, key;
  bool descending;
  std::vector<std::string> rowsFromLines;  // the lines whose rows are expected, in order
};

TEST(ExtractReport, KeepsLowestLinePerNameAndSorts) {
  const std::string a1 = "A|人間||10/1|1| 1 first";
  const std::string b = "B|人間||20/2|2| 2 bee";
  const std::string a3 = "A|森人||30/3|3| 3 third";
  const std::vector<ExtractCase> cases = {
      {"empty box", "", "", false, {}},
      {"only line ends", "\r\n\r\n", "", false, {}},
      {"A, B, A: lowest A wins, bottom-to-top order", a1 + "\r\n" + b + "\r\n" + a3, "", false, {a3, b}},
      {"empty key descending: top to bottom", a1 + "\r\n" + b + "\r\n" + a3, "", true, {b, a3}},
      {"trailing line end adds nothing", a1 + "\r\n" + b + "\r\n", "名前", false, {a1, b}},
      {"header and junk lines are skipped", kHeader + "\r\nno bars\r\n" + b + "\r\n|x|y|z|w|v", "", false, {b}},
      {"a bare line feed is no line end", a1 + "\n" + b, "", false, {a1 + "\n" + b}},
      {"width and case tell names apart", "a|x||1/1|1| 1 p\r\nＡ|x||1/1|1| 1 p\r\nA|x||1/1|1| 1 p", "名前", false,
       {"A|x||1/1|1| 1 p", "a|x||1/1|1| 1 p", "Ａ|x||1/1|1| 1 p"}},
      {"spaces do not tell names apart", "A B|x||1/1|1| 1 p\r\nAB|x||2/2|1| 1 p", "", false, {"AB|x||2/2|1| 1 p"}},
      {"sorted descending by hit", a1 + "\r\n" + b + "\r\n" + "C|x||1/1|9| 1 p", "命中力", true,
       {"C|x||1/1|9| 1 p", b, a1}},
  };
  for (const ExtractCase& c : cases) {
    std::string expected = kHeader + "\r\n";
    for (const std::string& line : c.rowsFromLines) expected += Row(line) + "\r\n";
    EXPECT_EQ(ExtractReport(c.text, c.key, c.descending, SkillCatalogue()), expected) << c.what;
  }
}

TEST(ExtractReport, ReportExtractsAgainUnchanged) {
  const std::string text = "ポール|人間男|１２|15/ 無|３/４/０/１|全力 3 ポチ 初参加\r\n"
                           "ソード|森人女|３|20/12|10/-1/２/５| 8 みき\r\n";
  SkillCatalogue catalogue;
  SkillData row;
  row.Parse("g,|");
  catalogue.Append(row);
  row.Parse("剣,ｹﾝ");
  catalogue.Append(row);
  row.Parse("弓,ﾕﾐ");
  catalogue.Append(row);
  const std::string once = ExtractReport(text, "名前", false, catalogue);
  EXPECT_EQ(ExtractReport(once, "名前", false, catalogue), once);
  EXPECT_NE(once.find("ポール　　|人間男|１２| 15/ 無|３/４/０/１|全力 3 ポチ 初参加\r\n"), std::string::npos) << once;
}

}  // namespace
}  // namespace roster
