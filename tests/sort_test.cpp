// The sort-key list, key resolution and the order of characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "pipeline/run_at_once.h"
#include "report/sort_order.h"
#include "support/catalogue_rows.h"
#include "support/character_print.h"

namespace roster {
namespace {

SkillCatalogue Catalogue(const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const std::string& name : names) rows.emplace_back(name, "|");
  return CatalogueOf(rows);
}

TEST(SortKeyList, FixedLabelsWithSkillsSpliced) {
  const std::vector<std::string> expected = {"",       "名前",   "種族",   "性別", "冒険者レベル",
                                             "剣",     "魔力",   "命中力", "回避力", "防護点",
                                             "魔力",   "参加回数", "プレイヤー名"};
  EXPECT_EQ(SortKeyList(Catalogue({"剣", "魔力"})), expected);
  EXPECT_EQ(SortKeyList(SkillCatalogue()).size(), 11u);
}

struct ResolveCase {
  std::string key;
  SortField field;
  std::size_t skillIndex;
};

TEST(ResolveSortKey, FixedLabelsBeforeSkillsAndAdventurerLevelLast) {
  const SkillCatalogue catalogue = Catalogue({"剣", "魔力", "弓", "弓", ""});
  const std::vector<ResolveCase> cases = {
      {"", SortField::kNone, 0},         {"名前", SortField::kName, 0},
      {"魔力", SortField::kMagicPower, 0}, {"弓", SortField::kSkill, 2},
      {"剣", SortField::kSkill, 0},      {"名前 ", SortField::kNone, 0},
      {"槍", SortField::kNone, 0},       {"冒険者レベル", SortField::kAdventurerLevel, 0},
      {"プレイヤー名", SortField::kPlayerName, 0},
  };
  for (const ResolveCase& c : cases) {
    const SortKey key = ResolveSortKey(c.key, catalogue);
    EXPECT_EQ(key.field, c.field) << c.key;
    if (c.field == SortField::kSkill) {
      EXPECT_EQ(key.skillIndex, c.skillIndex) << c.key;
    }
  }
  // A catalogue row named like the adventurer level wins.
  EXPECT_EQ(ResolveSortKey("冒険者レベル", Catalogue({"冒険者レベル"})).field, SortField::kSkill);
}

CharacterData Character(std::string name, std::string race, std::vector<int32_t> levels, int32_t hit) {
  CharacterData::Builder f;
  for (int32_t level : levels) f.AddSkillLevel(level);
  return f.Name(name).Race(race).Hit(hit).Build();
}

std::string Names(const std::vector<CharacterData>& characters) {
  std::string names;
  for (const CharacterData& c : characters) names += std::string(c.GetName()) + ",";
  return names;
}

struct OrderCase {
  std::string key;
  bool descending;
  std::string expected;
};

TEST(SortCharacters, OrdersStablyAndDescendingIsTheReverse) {
  const SkillCatalogue catalogue = Catalogue({"g", "剣", "弓"});
  // Collected order: a, b, c, d, e. Levels: position 1 is 剣, 2 is 弓.
  const std::vector<CharacterData> collected = {
      Character("b", "人間", {-1, 3, 1}, 5),
      Character("a", "森人", {-1, 1}, -1),
      Character("ア", "人間", {-1, 3, 0}, 5),
      Character("\x20x", "ﾋﾄ", {-1, 7, 2, 9}, 0),
      Character("漢", "人間", {}, 12),
  };
  const std::vector<OrderCase> cases = {
      {"", false, "b,a,ア, x,漢,"},
      {"", true, "漢, x,ア,a,b,"},
      {"名前", false, " x,a,b,ア,漢,"},
      {"名前", true, "漢,ア,b,a, x,"},
      // Equal races keep collected order ascending and reverse it descending.
      {"種族", false, "a,b,ア,漢, x,"},
      {"種族", true, " x,漢,ア,b,a,"},
      {"命中力", false, "a, x,b,ア,漢,"},
      {"命中力", true, "漢,ア,b, x,a,"},
      // 剣: 漢 has no level and goes first; b and ア tie at 3.
      {"剣", false, "漢,a,b,ア, x,"},
      {"剣", true, " x,ア,b,a,漢,"},
      {"弓", false, "a,漢,ア,b, x,"},
      {"冒険者レベル", false, "漢,a,b,ア, x,"},
      {"槍", false, "b,a,ア, x,漢,"},
      {"槍", true, "漢, x,ア,a,b,"},
  };
  for (const OrderCase& c : cases) {
    std::vector<CharacterData> characters = collected;
    SortCharacters(characters, ResolveSortKey(c.key, catalogue), c.descending);
    EXPECT_EQ(Names(characters), c.expected) << c.key << (c.descending ? " descending" : "");
  }
}

// The order of every key, sorted whole and in halves on two threads (each
// half keyed and sorted on its own, the merge split in two), equals a stable sort by
// CharacterBefore, at every size up to 60: ties across the halves, texts
// that agree in their first 11, 12, 16 or 50 bytes, the ends of the numbers,
// empty lists.
TEST(SortedOrder, OneAndTwoThreadsAgreeWithAStableSortAtEverySize) {
  const SkillCatalogue catalogue = Catalogue({"g", "剣"});
  const std::string names[] = {"a", "b", "ab", "", "ア", std::string(16, 'x') + "2", std::string(16, 'x') + "1",
                               std::string(17, 'x'), std::string(11, 'x'), std::string(12, 'x'),
                               std::string(50, 'y') + "2", std::string(50, 'y') + "1"};
  const std::string races[] = {"人間", "森人", ""};
  const int32_t numbers[] = {-1, 0, 1, INT32_MAX, INT32_MIN};
  std::vector<CharacterData> all;
  for (uint32_t i = 0, state = 7; i < 60; ++i) {
    auto next = [&](uint32_t bound) { return (state = state * 1103515245u + 12345u) / 65536u % bound; };
    std::vector<int32_t> levels;
    for (uint32_t l = next(4); l > 0; --l) levels.push_back(numbers[next(5)]);
    all.push_back(Character(names[next(12)], races[next(3)], levels, numbers[next(5)]));
  }
  for (const char* label : {"", "名前", "種族", "命中力", "剣", "冒険者レベル"}) {
    const SortKey key = ResolveSortKey(label, catalogue);
    for (bool descending : {false, true}) {
      for (std::size_t n = 0; n <= all.size(); ++n) {
        const std::span<const CharacterData> characters(all.data(), n);
        std::vector<uint32_t> expected(n);
        for (uint32_t i = 0; i < n; ++i) expected[i] = i;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](uint32_t a, uint32_t b) { return CharacterBefore(all[a], all[b], key); });
        if (descending) std::reverse(expected.begin(), expected.end());
        for (bool inHalves : {false, true}) {
          SortWork work;
          if (inHalves) work.runParts = RunAtOnce;
          const std::pmr::vector<uint32_t> order = SortedOrder(characters, key, descending, work);
          ASSERT_EQ(std::vector<uint32_t>(order.begin(), order.end()), expected)
              << label << (descending ? " descending" : "") << (inHalves ? " in halves" : "") << " n=" << n;
        }
      }
    }
  }
}

TEST(SortCharacters, RaceOrderIsByteOrder) {
  std::vector<CharacterData> characters = {
      Character("1", "漢字", {}, 0), Character("2", "ｶﾅ", {}, 0),   Character("3", "ひら", {}, 0),
      Character("4", "カタ", {}, 0), Character("5", "ab", {}, 0),   Character("6", "", {}, 0),
      Character("7", "a", {}, 0),    Character("8", "\xE0\x40", {}, 0), Character("9", "カタ", {}, 0),
  };
  SortCharacters(characters, ResolveSortKey("種族", SkillCatalogue()), false);
  // "" < "a" < "ab" < hiragana < katakana < kanji (0x8A) < half-width kana < 0xE0.
  EXPECT_EQ(Names(characters), "6,7,5,3,4,9,1,2,8,");
  SortCharacters(characters, ResolveSortKey("種族", SkillCatalogue()), true);
  EXPECT_EQ(Names(characters), "8,2,1,9,4,3,5,7,6,");
}

TEST(CharacterBefore, AscendingStrictWeakOrder) {
  const SortKey hit = ResolveSortKey("命中力", SkillCatalogue());
  const CharacterData low = Character("a", "", {}, -1), high = Character("b", "", {}, 0);
  EXPECT_TRUE(CharacterBefore(low, high, hit));
  EXPECT_FALSE(CharacterBefore(high, low, hit));
  EXPECT_FALSE(CharacterBefore(low, low, hit));
  EXPECT_FALSE(CharacterBefore(low, high, SortKey{}));
}

}  // namespace
}  // namespace roster
