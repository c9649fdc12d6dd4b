// Properties over generated rosters.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "pipeline/extraction.h"
#include "report/report_layout.h"
#include "report/sort_order.h"
#include "support/character_print.h"
#include "support/extraction_testing.h"
#include "support/reference_parser.h"
#include "support/roster_generator.h"
#include "text/cp932.h"
#include "text/strings.h"

namespace roster {
namespace {

TEST(Properties, RenderedRowParsesBackToTheSameCharacter) {
  RosterGenerator generator(1);
  for (int i = 0; i < 5000; ++i) {
    const CharacterData generated = generator.NextCharacter();
    const std::string row = ReportRow(generated);
    CharacterData parsed;
    parsed.ParseLine(row);
    ASSERT_EQ(parsed, generated) << row;
    ASSERT_EQ(ReportRow(parsed), row);
  }
}

// Random lines over the bytes that matter to the format: the parser's
// one-pass paths must give what the rules give, applied the slow way.
TEST(Properties, ParserAgreesWithTheRulesOnRandomLines) {
  const std::vector<std::string> alphabet = {"|", "/", " ", "　", "\x81", "\x83", "ポ", "１", "2", "-", "名前",
                                             "無", "a", "人", "\r", "\n", "\x40", "－", "ｶ", std::string(1, '\0')};
  RosterGenerator generator(5);
  for (int round = 0; round < 40000; ++round) {
    std::string line;
    const uint64_t pieces = generator.Below(40);
    for (uint64_t i = 0; i < pieces; ++i) line += alphabet[generator.Below(alphabet.size())];
    CharacterData parsed;
    parsed.ParseLine(line);
    ASSERT_EQ(parsed, ReferenceParse(line)) << testing::PrintToString(line);
    ASSERT_EQ(ParseName(line), parsed.GetName());
    for (const char* pattern : {"|", "名前", "　", "\r\n", "\x81"}) {
      ASSERT_EQ(FindChars(line, pattern), ReferenceFind(line, pattern)) << testing::PrintToString(line) << pattern;
    }
  }
}

SkillCatalogue GeneratedCatalogue() {
  SkillCatalogue catalogue;
  for (const char* line : {"g1,|", "剣,ｹﾝ", "弓,ﾕﾐ", "盾,ﾀﾃ", "杖,ﾂｴ"}) {
    SkillData row;
    row.Parse(line);
    catalogue.Append(row);
  }
  return catalogue;
}

std::map<std::string, CharacterData> ByName(const std::vector<CharacterData>& characters) {
  std::map<std::string, CharacterData> byName;
  for (const CharacterData& c : characters) byName.emplace(std::string(c.GetName()), c);
  return byName;
}

// A report pasted back loses no character and changes none, whatever the
// key and direction it was made with; under the name key the report of the
// report is the report itself. The rosters are typed as people type them.
TEST(Properties, AReportExtractsAgainToTheSameCharacters) {
  const SkillCatalogue catalogue = GeneratedCatalogue();
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    const std::string text = RosterGenerator(seed).NextTypedRoster(300);
    std::map<std::string, CharacterData> expected;
    for (const CharacterData& c : CollectCharacters(text)) expected.emplace(std::string(c.GetName()), AsReadBack(c));
    ASSERT_GT(expected.size(), 150u) << seed;
    for (const std::string& key : SortKeyList(catalogue)) {
      for (bool descending : {false, true}) {
        const std::string once = ExtractReport(text, key, descending, catalogue);
        const std::map<std::string, CharacterData> again = ByName(CollectCharacters(once));
        ASSERT_EQ(again.size(), expected.size()) << "seed " << seed << ", key " << key;
        for (const auto& [name, character] : expected) {
          const auto found = again.find(name);
          ASSERT_NE(found, again.end()) << "seed " << seed << " lost " << name;
          ASSERT_EQ(found->second, character) << "seed " << seed << ", key " << key;
        }
      }
    }
    const std::string byName = ExtractReport(text, "名前", false, catalogue);
    ASSERT_EQ(ExtractReport(byName, "名前", false, catalogue), byName) << seed;
  }
}

TEST(Properties, KeepsExactlyTheLowestLineOfEachName) {
  RosterGenerator generator(7);
  const std::string text = generator.NextRoster(2000);
  std::map<std::string, std::string> lowest;
  for (std::string_view line : SplitViews(text, "\r\n")) {
    CharacterData c;
    c.ParseLine(line);
    if (!c.GetName().empty()) lowest[std::string(c.GetName())] = ReportRow(c);
  }
  const std::vector<CharacterData> collected = CollectCharacters(text);
  ASSERT_EQ(collected.size(), lowest.size());
  for (const CharacterData& c : collected) EXPECT_EQ(ReportRow(c), lowest[std::string(c.GetName())]);
}

TEST(Properties, DescendingIsReversedAscendingForEveryKey) {
  const SkillCatalogue catalogue = GeneratedCatalogue();
  RosterGenerator generator(11);
  const std::string text = generator.NextRoster(1000);
  for (const std::string& key : SortKeyList(catalogue)) {
    std::vector<CharacterData> ascending = CollectCharacters(text);
    std::vector<CharacterData> descending = ascending;
    SortCharacters(ascending, ResolveSortKey(key, catalogue), false);
    SortCharacters(descending, ResolveSortKey(key, catalogue), true);
    std::reverse(descending.begin(), descending.end());
    EXPECT_TRUE(ascending == descending) << key;
    const SortKey resolved = ResolveSortKey(key, catalogue);
    for (std::size_t i = 1; i < ascending.size(); ++i) {
      ASSERT_FALSE(CharacterBefore(ascending[i], ascending[i - 1], resolved)) << key << i;
    }
  }
}

}  // namespace
}  // namespace roster
