// The order of the report: the sort-key list that the dialog offers, a key
// resolved once per sort to the field it compares, and the stable sort.
//
// Text fields compare as unsigned bytes (the shorter text first when one is a
// prefix of the other); numbers compare as signed 32-bit values. Descending
// is exactly the reverse of the ascending result, so characters with equal
// keys come out in the reverse of their collected order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "character/character_data.h"

namespace roster {

// The entries of the sort-key combo box, in order: "", "名前", "種族",
// "性別", "冒険者レベル", each catalogue row's name, "命中力", "回避力",
// "防護点", "魔力", "参加回数", "プレイヤー名".
std::vector<std::string> SortKeyList(const SkillCatalogue& catalogue);

enum class SortField {
  kNone,  // the empty key, and any key that names nothing: no order
  kName,
  kRace,
  kGender,
  kHit,
  kEvasion,
  kProtection,
  kMagicPower,
  kParticipationCount,
  kPlayerName,
  kSkill,            // the level at `skillIndex` of the skill levels
  kAdventurerLevel,  // the highest level that is 0 or more, else 0
};

struct SortKey {
  SortField field = SortField::kNone;
  std::size_t skillIndex = 0;
};

// The fixed labels win over catalogue rows of the same name; among rows the
// first of a name wins; "冒険者レベル" compares the adventurer level only
// when no row bears that name.
SortKey ResolveSortKey(std::string_view key, const SkillCatalogue& catalogue);

// Whether `key` is a group heading of the catalogue (a row whose heading is
// "|"): every character holds a group marker there, so it orders nothing.
bool IsGroupHeading(const SortKey& key, const SkillCatalogue& catalogue);

// Whether `a` goes before `b` ascending. A strict weak ordering for every
// key: under a skill key a character without that level goes first.
bool CharacterBefore(const CharacterFields& a, const CharacterFields& b, const SortKey& key);

// How the parts of a piece of work (the halves of a sort, of a large file's
// read) are run: one after another when none is given; the caller may run
// them at once, each on a thread of its own.
using RunParts = std::function<void(std::span<const std::function<void()>> parts)>;

// What a sort may use: the memory its working lists come from (the
// extraction passes its run's), and whether its halves are keyed, sorted
// and merged as parts of their own, run by `runParts`.
struct SortWork {
  std::pmr::memory_resource* memory = std::pmr::get_default_resource();
  RunParts runParts;  // empty: the list is sorted whole
};

// The positions of `characters` in the order of `key`: stable ascending,
// the whole list reversed when `descending`. The report's rows are the
// characters at these positions, so the records need not move.
std::pmr::vector<uint32_t> SortedOrder(std::span<const CharacterRecord> characters, const SortKey& key,
                                       bool descending, const SortWork& work = {});
std::pmr::vector<uint32_t> SortedOrder(std::span<const CharacterData> characters, const SortKey& key, bool descending,
                                       const SortWork& work = {});

// The records themselves moved into SortedOrder.
void SortCharacters(std::vector<CharacterData>& characters, const SortKey& key, bool descending,
                    const SortWork& work = {});

}  // namespace roster
