// The report header and rows.
#include <gtest/gtest.h>

#include "report/report_layout.h"
#include "support/catalogue_rows.h"
#include "support/character_peer.h"

namespace roster {
namespace {

SkillCatalogue CatalogueWithHeadings(const std::vector<std::string>& headings) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const std::string& heading : headings) rows.emplace_back("skill" + heading, heading);
  return CatalogueOf(rows);
}

CharacterFields WorkedExample() {
  CharacterFields f;
  f.name = "ＡＢＣ";
  f.race = "人間";
  f.gender = "女";
  f.skillLevels = {-1, 3, 0, 12, -1, 1};
  f.hp = 31;
  f.mp = 0;
  f.hit = 4;
  f.evasion = 10;
  f.protection = 0;
  f.magicPower = 2;
  f.combatFeats = {"ＡＢ", "ＣＤ"};
  f.participationCount = 5;
  f.playerName = "ＰＬ";
  return f;
}

TEST(ReportHeader, SplicesHeadingsBetweenFixedTexts) {
  EXPECT_EQ(BuildReportHeader(CatalogueWithHeadings({"|", "Ｘ", "Ｙ", "Ｚ", "|", "Ｗ"})),
            "名前　　　|種族　|ＸＹＺ|Ｗ| HP/ MP|命/回/防/魔|《戦闘特技》");
  EXPECT_EQ(BuildReportHeader(SkillCatalogue()), "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》");
  EXPECT_EQ(std::string("名前　　　|種族　").size(), 17u);
  EXPECT_EQ(std::string("| HP/ MP|命/回/防/魔|《戦闘特技》").size(), 33u);
}

TEST(ReportHeader, IsKeptForTheProcess) { EXPECT_EQ(ReportHeader(), ReportHeader()); }

TEST(ReportRow, WorkedExamples) {
  CharacterFields f = WorkedExample();
  EXPECT_EQ(CharacterDataTestPeer::Make(f).ReportRow(),
            "ＡＢＣ　　|人間女|３　12|１| 31/ 無|４/10/０/２|ＡＢＣＤ 5 ＰＬ");
  f.hp = 0;
  f.mp = 5;
  f.remarks = "ＲＭ";
  EXPECT_EQ(CharacterDataTestPeer::Make(f).ReportRow(),
            "ＡＢＣ　　|人間女|３　12|１|　0/　5|４/10/０/２|ＡＢＣＤ 5 ＰＬ ＲＭ");
}

// Each case changes one field of a minimal character and checks its piece.
struct PieceCase {
  const char* what;
  void (*change)(CharacterFields&);
  std::string row;
};

TEST(ReportRow, Pieces) {
  const std::vector<PieceCase> cases = {
      {"empty record", [](CharacterFields&) {}, "　　　　　||　0/ 無|０/０/０/０| 0 "},
      {"9-byte name", [](CharacterFields& f) { f.name = "ABCDEFGHI"; }, "ABCDEFGHI ||　0/ 無|０/０/０/０| 0 "},
      {"10-byte name", [](CharacterFields& f) { f.name = "ABCDEFGHIJ"; }, "ABCDEFGHIJ||　0/ 無|０/０/０/０| 0 "},
      {"hp 25",
       [](CharacterFields& f) { f.hp = 25; }, "　　　　　|| 25/ 無|０/０/０/０| 0 "},
      {"hp 100", [](CharacterFields& f) { f.hp = 100; }, "　　　　　||100/ 無|０/０/０/０| 0 "},
      {"hp 1000", [](CharacterFields& f) { f.hp = 1000; }, "　　　　　||1000/ 無|０/０/０/０| 0 "},
      {"hp -5", [](CharacterFields& f) { f.hp = -5; }, "　　　　　|| -5/ 無|０/０/０/０| 0 "},
      {"mp 7", [](CharacterFields& f) { f.mp = 7; }, "　　　　　||　0/　7|０/０/０/０| 0 "},
      {"combat 9, 10, -1, 100",
       [](CharacterFields& f) {
         f.hit = 9;
         f.evasion = 10;
         f.protection = -1;
         f.magicPower = 100;
       },
       "　　　　　||　0/ 無|９/10/-1/100| 0 "},
      {"levels -1, 0, 1, 9, 10", [](CharacterFields& f) { f.skillLevels = {-1, 0, 1, 9, 10}; },
       "　　　　　||　１９10|　0/ 無|０/０/０/０| 0 "},
      {"player without remarks", [](CharacterFields& f) { f.playerName = "P"; },
       "　　　　　||　0/ 無|０/０/０/０| 0 P"},
      {"a stray lead byte at the end of the name is filled with \" \"",
       [](CharacterFields& f) { f.name = "ab\x83"; }, "ab\x83       ||　0/ 無|０/０/０/０| 0 "},
      {"remarks without player", [](CharacterFields& f) { f.remarks = "R"; },
       "　　　　　||　0/ 無|０/０/０/０| 0  R"},
  };
  for (const PieceCase& c : cases) {
    CharacterFields f;
    c.change(f);
    EXPECT_EQ(CharacterDataTestPeer::Make(f).ReportRow(), c.row) << c.what;
  }
}

// A "　" after a stray lead byte would pair with it and change the name.
TEST(ReportRow, NameWithStrayLeadByteReadsBack) {
  for (const std::string name : {"ab\x83", "\x81", "ア\x83", "12345678\x83"}) {
    CharacterFields f;
    f.name = name;
    f.skillLevels = {-1, 1};
    f.playerName = "P";
    CharacterData parsed;
    parsed.ParseLine(CharacterDataTestPeer::Make(f).ReportRow());
    EXPECT_EQ(parsed.GetName(), name) << testing::PrintToString(name);
  }
}

}  // namespace
}  // namespace roster
