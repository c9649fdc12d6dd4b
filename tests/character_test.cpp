// The character record and the line parser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character/character_data.h"
#include "support/character_print.h"
#include "support/reference_parser.h"

namespace roster {
namespace {

CharacterData Expect(std::string name, std::string race, std::string gender, std::vector<int32_t> levels,
                     std::vector<int32_t> numbers, std::vector<std::string> feats, std::string player,
                     std::string remarks) {
  numbers.resize(7);
  CharacterData::Builder f;
  f.Name(name).Race(race).Gender(gender).PlayerName(player).Remarks(remarks);
  for (int32_t level : levels) f.AddSkillLevel(level);
  for (const std::string& feat : feats) f.AddFeat(feat);
  f.Hp(numbers[0]).Mp(numbers[1]).Hit(numbers[2]).Evasion(numbers[3]).Protection(numbers[4]).MagicPower(numbers[5]);
  return f.ParticipationCount(numbers[6]).Build();
}

// Copies are deep: a copy outlives its source whole, in either direction of
// size, and levels beyond one byte are kept whole.
TEST(CharacterData, DefaultStateAndDeepCopies) {
  const CharacterData fresh;
  EXPECT_EQ(fresh.GetName(), "");
  EXPECT_EQ(fresh.SkillLevelCount(), 0u);
  EXPECT_EQ(fresh.GetHit() | fresh.GetEvasion() | fresh.GetProtection() | fresh.GetMagicPower() |
                fresh.GetParticipationCount() | fresh.GetHp() | fresh.GetMp(),
            0);
  const CharacterData longer = Expect("ＡＢＣＤＥ", "人間", "男", {-1, 1, 2, 300, -70000}, {1, 2, 3, 4, 5, 6, 7},
                                      {"全力", "魔撃", "両手"}, "P", "long remarks that do not fit inline");
  const CharacterData shorter = Expect("Ｂ", "", "", {-1}, {}, {}, "", "");
  for (const CharacterData* from : {&longer, &shorter}) {
    for (const CharacterData* to : {&longer, &shorter}) {
      CharacterData target = *to;
      {
        const CharacterData source = *from;
        target = source;
      }
      EXPECT_EQ(target, *from);
    }
  }
  EXPECT_EQ(longer.SkillLevel(3), 300);
  EXPECT_EQ(longer.SkillLevel(4), -70000);
}

struct LineCase {
  const char* what;
  std::string line;
  CharacterData expected;
};

TEST(ParseLine, ReadsTheRowLayout) {
  const CharacterData rejected;
  const std::vector<LineCase> cases = {
      {"first worked example row", "ＡＢＣ　　|人間女|３　12|１| 31/ 無|４/10/０/２|ＡＢＣＤ 5 ＰＬ",
       Expect("ＡＢＣ", "人間", "女", {-1, 3, 0, 12, -1, 1}, {31, 0, 4, 10, 0, 2, 5}, {"ＡＢ", "ＣＤ"}, "ＰＬ", "")},
      {"second worked example row",
       "ＡＢＣ　　|人間女|３　12|１|　0/　5|４/10/０/２|ＡＢＣＤ 5 ＰＬ ＲＭ",
       Expect("ＡＢＣ", "人間", "女", {-1, 3, 0, 12, -1, 1}, {0, 5, 4, 10, 0, 2, 5}, {"ＡＢ", "ＣＤ"}, "ＰＬ",
              "ＲＭ")},
      {"five bars, cell 2 is HP/MP, a lone empty last cell", "名|人間|10/5|1/2|全力 3 PL|",
       Expect("名", "人間", "", {}, {10, 5, 1, 2, 0, 0, 3}, {"全力"}, "PL", "")},
      {"cells after the tail end the remarks", "名|人間||10/5|1/2|全力 3 PL 前衛|盾持ち|",
       Expect("名", "人間", "", {-1}, {10, 5, 1, 2, 0, 0, 3}, {"全力"}, "PL", "前衛|盾持ち|")},
      {"a line typed with the IME's bar", "名｜人間｜１｜10/5｜1/2｜全力 3 PL｜盾",
       Expect("名", "人間", "", {-1, 1}, {10, 5, 1, 2, 0, 0, 3}, {"全力"}, "PL", "|盾")},
      {"the IME's bar in a character's cell stays", "名｜x|人間|１|10/5|1/2|全力 3 PL",
       Expect("名｜x", "人間", "", {-1, 1}, {10, 5, 1, 2, 0, 0, 3}, {"全力"}, "PL", "")},
      {"four bars are rejected", "名|人間|10/5|1/2|全力 3 PL", rejected},
      {"blank line", "", rejected},
      {"header line", "名前　　　|種族　|ＸＹ| HP/ MP|命/回/防/魔|《戦闘特技》", rejected},
      {"a name containing the marker", "名前太郎|人間||1/1|1|a 1 b", rejected},
      {"marker cut off by the 10-byte limit", "名前ＡＢＣＤＥ|人間||1/1|1|a 1 b",
       Expect("ＡＢＣＤＥ", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"a"}, "b", "")},
      {"12-byte name cell keeps its last 10", "123456789012|人間||1/1|1| 1 b",
       Expect("3456789012", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "b", "")},
      {"spaces count towards the 10 bytes, then go", "  ＡＢ ＣＤ|人間||1/1|1| 1 b",
       Expect("ＡＢＣＤ", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "b", "")},
      {"a cell of whole characters keeps 10 bytes", "xＡＢＣＤＥ|人間||1/1|1| 1 b",
       Expect("ＡＢＣＤＥ", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "b", "")},
      {"a cut inside a character keeps 9 bytes", "ＡＢＣＤＥx|人間||1/1|1| 1 b",
       Expect("ＢＣＤＥx", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "b", "")},
      {"the cut comes before removing spaces", "ＡＢＣＤＥ　x|人間||1/1|1| 1 b",
       Expect("ＣＤＥx", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "b", "")},
      {"a leading bar empties the name", "|名|人間||1/1|1|a 1 b",
       Expect("", "名", "", {-1, 0, 0, -1}, {1, 1, 1, 0, 0, 0, 1}, {"a"}, "b", "")},
      {"katakana po keeps its cell", "ポール|人間|１|5/5|1/1/1/1|全力 1 ポチ",
       Expect("ポール", "人間", "", {-1, 1}, {5, 5, 1, 1, 1, 1, 1}, {"全力"}, "ポチ", "")},
      {"full-width minus keeps its cell", "－ン|人間|１|5/5|－１/1/1/1| 1 P",
       Expect("－ン", "人間", "", {-1, 1}, {5, 5, -1, 1, 1, 1, 1}, {}, "P", "")},
      {"cell 1 of exactly 4 bytes", "A|人間|１|5/5|1| 1 P",
       Expect("A", "人間", "", {-1, 1}, {5, 5, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"half-width race of 3 bytes and a gender", "A|ﾋﾄﾋ女|１|5/5|1| 1 P",
       Expect("A", "ﾋﾄﾋ", "女", {-1, 1}, {5, 5, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"short cell 1 is all race", "A|人|１|5/5|1| 1 P",
       Expect("A", "人", "", {-1, 1}, {5, 5, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"level pieces: digits, space, kanji, negative, odd byte", "A|人間|10　漢-1２3|5/5|1| 1 P",
       Expect("A", "人間", "", {-1, 10, 0, 0, -1, 2, 3}, {5, 5, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"empty skill cells give only markers", "A|人間|||5/5|1| 1 P",
       Expect("A", "人間", "", {-1, -1}, {5, 5, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"HP/MP: three parts, full-width digits read", "A|人間||１２/３/9|1| 1 P",
       Expect("A", "人間", "", {-1}, {12, 3, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"HP with a full-width space inside", "A|人間||１　２/ 無|1| 1 P",
       Expect("A", "人間", "", {-1}, {12, 0, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"combat cell of two parts", "A|人間||1/1|３/４| 1 P",
       Expect("A", "人間", "", {-1}, {1, 1, 3, 4, 0, 0, 1}, {}, "P", "")},
      {"tail with mixed runs of spaces", "A|人間||1/1|1|全力魔撃 12　ゆうこ  初参加　欠席",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 12}, {"全力", "魔撃"}, "ゆうこ", "初参加 欠席")},
      {"remarks with a trail byte of '|' and a symbol after one space", "A|人間||1/1|1|全力 1 P ポーション ＋後衛 　欠席",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"全力"}, "P", "ポーション ＋後衛 欠席")},
      {"a long tail's po is no bar where a search takes over", "A|人間||1/1|1|全力 1 P 前衛前衛前衛前衛前衛前衛前衛前衛ポ|ポ",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"全力"}, "P", "前衛前衛前衛前衛前衛前衛前衛前衛ポ|ポ")},
      {"tail beginning with a space has no feats", "A|人間||1/1|1| 7 P R",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 7}, {}, "P", "R")},
      {"tail of feats only", "A|人間||1/1|1|全力",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 0}, {"全力"}, "", "")},
      {"tail ending after the player", "A|人間||1/1|1|全力 1 P ",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"全力"}, "P", "")},
      {"tail ending after a remark", "A|人間||1/1|1|全力 1 P R ",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"全力"}, "P", "R ")},
      {"participation count in full-width digits", "A|人間||1/1|1| １２ P",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 12}, {}, "P", "")},
      {"feats cut on boundaries", "A|人間||1/1|1|ab全力c魔 1 P",
       Expect("A", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {"ab全", "力c", "魔"}, "P", "")},
      {"no cell holds '/': all skill cells, rest empty", "A|人間|１|２|３|４",
       Expect("A", "人間", "", {-1, 1, -1, 2, -1, 3, -1, 4}, {}, {}, "", "")},
      {"HP/MP is the last cell", "A|人間|１|２|３|4/5",
       Expect("A", "人間", "", {-1, 1, -1, 2, -1, 3}, {4, 5}, {}, "", "")},
      {"dropping spaces never joins a line break", "a\r \nb|人間||1/1|1| 1 P",
       Expect("a\rb", "人間", "", {-1}, {1, 1, 1, 0, 0, 0, 1}, {}, "P", "")},
      {"numbers beyond 32 bits saturate", "A|人間||99999999999/-99999999999|1| 1 P",
       Expect("A", "人間", "", {-1}, {2147483647, -2147483647 - 1, 1, 0, 0, 0, 1}, {}, "P", "")},
  };
  for (const LineCase& c : cases) {
    CharacterData parsed;
    parsed.ParseLine(c.line);
    EXPECT_EQ(parsed, c.expected) << c.what;
    EXPECT_EQ(ParseName(c.line), c.expected.GetName()) << c.what;
  }
}

TEST(ParseLine, SurvivesArbitraryBytes) {
  const std::vector<std::string> lines = {
      std::string("\0|\0|\0|\0|\0|\0", 11),
      "\x81|\x81|\x81|\x81/\x81|\x81|\x81",
      "\xFC\xFC\xFC|||||\x81",
      std::string(100000, '|'),
      "A|B|" + std::string(50000, '\x82') + "|1/1|1|" + std::string(50000, ' ') + "x",
  };
  for (const std::string& line : lines) {
    CharacterData c;
    c.ParseLine(line);
    EXPECT_LE(c.GetName().size(), 10u);
    EXPECT_EQ(ParseName(line), c.GetName());
  }
}

}  // namespace
}  // namespace roster
