// The report header and rows.
#include <gtest/gtest.h>

#include "report/report_layout.h"
#include "support/catalogue_rows.h"
#include "support/character_print.h"

namespace roster {
namespace {

SkillCatalogue CatalogueWithHeadings(const std::vector<std::string>& headings) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const std::string& heading : headings) rows.emplace_back("skill" + heading, heading);
  return CatalogueOf(rows);
}

// The worked example's character; `hp`, `mp` and `remarks` vary.
CharacterData WorkedExample(int32_t hp, int32_t mp, std::string_view remarks) {
  CharacterData::Builder f;
  f.Name("ＡＢＣ").Race("人間").Gender("女").Hp(hp).Mp(mp).Hit(4).Evasion(10).Protection(0).MagicPower(2);
  for (int32_t level : {-1, 3, 0, 12, -1, 1}) f.AddSkillLevel(level);
  return f.AddFeat("ＡＢ").AddFeat("ＣＤ").ParticipationCount(5).PlayerName("ＰＬ").Remarks(remarks).Build();
}

TEST(ReportHeader, SplicesHeadingsBetweenFixedTexts) {
  EXPECT_EQ(ReportHeader(CatalogueWithHeadings({"|", "Ｘ", "Ｙ", "Ｚ", "|", "Ｗ"})),
            "名前　　　|種族　|ＸＹＺ|Ｗ| HP/ MP|命/回/防/魔|《戦闘特技》");
  EXPECT_EQ(ReportHeader(SkillCatalogue()), "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》");
  EXPECT_EQ(std::string("名前　　　|種族　").size(), 17u);
  EXPECT_EQ(std::string("| HP/ MP|命/回/防/魔|《戦闘特技》").size(), 33u);
}

TEST(ReportRow, WorkedExamples) {
  EXPECT_EQ(ReportRow(WorkedExample(31, 0, "")), "ＡＢＣ　　|人間女|３　12|１| 31/ 無|４/10/０/２|ＡＢＣＤ 5 ＰＬ");
  EXPECT_EQ(ReportRow(WorkedExample(0, 5, "ＲＭ")),
            "ＡＢＣ　　|人間女|３　12|１|　0/　5|４/10/０/２|ＡＢＣＤ 5 ＰＬ ＲＭ");
}

// Each case changes one field of a minimal character and checks its piece.
struct PieceCase {
  const char* what;
  void (*change)(CharacterData::Builder&);
  std::string row;
};

TEST(ReportRow, Pieces) {
  std::string fives;
  for (int i = 0; i < 150; ++i) fives += "５";
  const std::vector<PieceCase> cases = {
      {"empty record", [](CharacterData::Builder&) {}, "　　　　　|||　0/ 無|０/０/０/０| 0 "},
      {"9-byte name", [](CharacterData::Builder& f) { f.Name("ABCDEFGHI"); }, "ABCDEFGHI |||　0/ 無|０/０/０/０| 0 "},
      {"10-byte name", [](CharacterData::Builder& f) { f.Name("ABCDEFGHIJ"); }, "ABCDEFGHIJ|||　0/ 無|０/０/０/０| 0 "},
      {"hp 25",
       [](CharacterData::Builder& f) { f.Hp(25); }, "　　　　　||| 25/ 無|０/０/０/０| 0 "},
      {"hp 100", [](CharacterData::Builder& f) { f.Hp(100); }, "　　　　　|||100/ 無|０/０/０/０| 0 "},
      {"hp 1000", [](CharacterData::Builder& f) { f.Hp(1000); }, "　　　　　|||1000/ 無|０/０/０/０| 0 "},
      {"hp -5", [](CharacterData::Builder& f) { f.Hp(-5); }, "　　　　　||| -5/ 無|０/０/０/０| 0 "},
      {"mp 7", [](CharacterData::Builder& f) { f.Mp(7); }, "　　　　　|||　0/　7|０/０/０/０| 0 "},
      {"combat 9, 10, -1, 100",
       [](CharacterData::Builder& f) {
         f.Hit(9).Evasion(10).Protection(-1).MagicPower(100);
       },
       "　　　　　|||　0/ 無|９/10/-1/100| 0 "},
      {"levels -1, 0, 1, 9, 10", [](CharacterData::Builder& f) { for (int32_t level : {-1, 0, 1, 9, 10}) f.AddSkillLevel(level); },
       "　　　　　||　１９10|　0/ 無|０/０/０/０| 0 "},
      {"levels at and beyond a byte's range",
       [](CharacterData::Builder& f) { for (int32_t level : {-128, -2, 99, 100, 127, 128, -129, 1000}) f.AddSkillLevel(level); },
       "　　　　　|||99100127128|1000|　0/ 無|０/０/０/０| 0 "},
      {"150 levels, more than a row gathers at once",
       [](CharacterData::Builder& f) { for (int i = 0; i < 150; ++i) f.AddSkillLevel(5); },
       "　　　　　|" + fives + "|　0/ 無|０/０/０/０| 0 "},
      {"player without remarks", [](CharacterData::Builder& f) { f.PlayerName("P"); },
       "　　　　　|||　0/ 無|０/０/０/０| 0 P"},
      {"a stray lead byte at the end of the name is filled with \" \"",
       [](CharacterData::Builder& f) { f.Name("ab\x83"); }, "ab\x83       |||　0/ 無|０/０/０/０| 0 "},
      {"remarks without player", [](CharacterData::Builder& f) { f.Remarks("R"); },
       "　　　　　|||　0/ 無|０/０/０/０| 0  R"},
      {"remarks longer than a row gathers at once, after a long player name",
       [](CharacterData::Builder& f) {
         static const std::string player(200, 'p'), remarks(300, 'r');  // a builder holds views
         f.PlayerName(player).Remarks(remarks);
       },
       "　　　　　|||　0/ 無|０/０/０/０| 0 " + std::string(200, 'p') + " " + std::string(300, 'r')},
  };
  for (const PieceCase& c : cases) {
    CharacterData::Builder f;
    c.change(f);
    EXPECT_EQ(ReportRow(f.Build()), c.row) << c.what;
  }
}

// A "　" after a stray lead byte would pair with it and change the name.
TEST(ReportRow, NameWithStrayLeadByteReadsBack) {
  for (const std::string name : {"ab\x83", "\x81", "ア\x83", "12345678\x83"}) {
    CharacterData::Builder f;
    f.Name(name).AddSkillLevel(-1).AddSkillLevel(1).PlayerName("P");
    CharacterData parsed;
    parsed.ParseLine(ReportRow(f.Build()));
    EXPECT_EQ(parsed.GetName(), name) << testing::PrintToString(name);
  }
}

}  // namespace
}  // namespace roster
