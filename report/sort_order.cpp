#include "report/sort_order.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

namespace roster {
namespace {

struct FixedLabel {
  std::string_view label;
  SortField field;
};

// In the order the comparison tests them.
constexpr FixedLabel kFixedLabels[] = {
    {"名前", SortField::kName},
    {"種族", SortField::kRace},
    {"性別", SortField::kGender},
    {"命中力", SortField::kHit},
    {"回避力", SortField::kEvasion},
    {"防護点", SortField::kProtection},
    {"魔力", SortField::kMagicPower},
    {"参加回数", SortField::kParticipationCount},
    {"プレイヤー名", SortField::kPlayerName},
};

constexpr std::string_view kAdventurerLevel = "冒険者レベル";

bool IsTextField(SortField field) {
  return field == SortField::kName || field == SortField::kRace || field == SortField::kGender ||
         field == SortField::kPlayerName;
}

std::string_view TextOf(const CharacterFields& c, SortField field) {
  switch (field) {
    case SortField::kName: return c.GetName();
    case SortField::kRace: return c.GetRace();
    case SortField::kGender: return c.GetGender();
    default: return c.GetPlayerName();
  }
}

constexpr std::size_t kKeyBytes = 16;

// Eight bytes of a text from `from` as a big-endian number, zero-filled: two
// of them order texts as the byte rule does wherever their first sixteen
// bytes differ, and for texts of at most sixteen bytes the length settles
// the rest (a zero-filled prefix is the shorter text).
uint64_t BigEndian(std::string_view text, std::size_t from) {
  uint64_t value = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  }
  return value;
}

// A number key; a missing skill level is below every level.
int64_t NumberOf(const CharacterFields& c, const SortKey& key) {
  switch (key.field) {
    case SortField::kHit: return c.GetHit();
    case SortField::kEvasion: return c.GetEvasion();
    case SortField::kProtection: return c.GetProtection();
    case SortField::kMagicPower: return c.GetMagicPower();
    case SortField::kParticipationCount: return c.GetParticipationCount();
    case SortField::kAdventurerLevel: return c.HighestSkillLevel();
    case SortField::kSkill:
      if (key.skillIndex >= c.SkillLevelCount()) return std::numeric_limits<int64_t>::min();
      return c.SkillLevel(key.skillIndex);
    default: return 0;
  }
}

// Keys made for positions [first, last) by `keyOf` and sorted by `less`.
template <typename Item, typename KeyOf, typename Less>
void MakeAndSort(Item* items, uint32_t first, uint32_t last, KeyOf keyOf, Less less) {
  for (uint32_t i = first; i < last; ++i) items[i] = keyOf(i);
  std::sort(items + first, items + last, less);
}

// Where the first `k` items of the merge of sorted `a` and `b` end in `a`:
// a split of the merge that a part can start from without the items
// before it.
template <typename Item, typename Less>
std::size_t MergeSplit(const Item* a, std::size_t aSize, const Item* b, std::size_t bSize, std::size_t k, Less less) {
  std::size_t low = k > bSize ? k - bSize : 0, high = std::min(k, aSize);
  while (low < high) {
    const std::size_t i = low + (high - low) / 2;
    if (less(a[i], b[k - i - 1])) {
      low = i + 1;
    } else {
      high = i;
    }
  }
  return low;
}

// The indices of sorted `a` and `b` merged into `out`.
template <typename Item, typename Less>
void MergeIndices(const Item* a, const Item* aEnd, const Item* b, const Item* bEnd, uint32_t* out, Less less) {
  while (a != aEnd && b != bEnd) *out++ = less(*b, *a) ? (b++)->index : (a++)->index;
  while (a != aEnd) *out++ = (a++)->index;
  while (b != bEnd) *out++ = (b++)->index;
}

// Room for `n` items from `memory`, not filled: a vector would zero the
// items first, all in one part.
template <typename Item>
class WorkList {
 public:
  WorkList(std::size_t n, std::pmr::memory_resource* memory)
      : memory_(memory), n_(n), items_(static_cast<Item*>(memory->allocate(n * sizeof(Item), alignof(Item)))) {}
  WorkList(const WorkList&) = delete;
  WorkList& operator=(const WorkList&) = delete;
  ~WorkList() { memory_->deallocate(items_, n_ * sizeof(Item), alignof(Item)); }
  Item* data() const { return items_; }

 private:
  std::pmr::memory_resource* memory_;
  std::size_t n_;
  Item* items_;
};

// Runs `parts` through `runParts`, or one after another.
void Run(const RunParts& runParts, std::span<const std::function<void()>> parts) {
  if (runParts) {
    runParts(parts);
  } else {
    for (const std::function<void()>& part : parts) part();
  }
}

// The positions 0 to n-1 ordered by their keys (`keyOf` makes the key of
// a position, holding it as `index`; `less` is a strict total order). Where
// the halves are parts of their own, each half is keyed and sorted on its
// own, and each part writes half of the merge, from a split found by
// bisection.
template <typename Item, typename KeyOf, typename Less>
std::pmr::vector<uint32_t> OrderByKeys(uint32_t n, KeyOf keyOf, Less less, const SortWork& work) {
  const WorkList<Item> items(n, work.memory);
  std::pmr::vector<uint32_t> order(n, work.memory);
  Item* const keyed = items.data();
  if (!work.runParts || n < 2) {
    MakeAndSort(keyed, 0, n, keyOf, less);
    for (uint32_t i = 0; i < n; ++i) order[i] = keyed[i].index;
    return order;
  }
  const uint32_t middle = n / 2;
  const std::function<void()> sorts[] = {[&] { MakeAndSort(keyed, 0, middle, keyOf, less); },
                                         [&] { MakeAndSort(keyed, middle, n, keyOf, less); }};
  Run(work.runParts, sorts);
  const Item *a = keyed, *b = keyed + middle;
  const std::size_t aSize = middle, bSize = n - middle, half = n / 2;
  const std::size_t ai = MergeSplit(a, aSize, b, bSize, half, less), bi = half - ai;
  const std::function<void()> merges[] = {
      [&] { MergeIndices(a, a + ai, b, b + bi, order.data(), less); },
      [&] { MergeIndices(a + ai, a + aSize, b + bi, b + bSize, order.data() + half, less); }};
  Run(work.runParts, merges);
  return order;
}

// The positions of `characters` in ascending order. Sorting (key, position)
// pairs with an unstable sort gives the stable order and touches the records
// only once each.
template <typename Character>
std::pmr::vector<uint32_t> AscendingOrder(std::span<const Character> characters, const SortKey& key,
                                          const SortWork& work) {
  const auto n = static_cast<uint32_t>(characters.size());
  if (key.field == SortField::kNone) {
    std::pmr::vector<uint32_t> order(n, work.memory);
    std::iota(order.begin(), order.end(), 0u);
    return order;
  }
  if (IsTextField(key.field)) {
    // The first sixteen bytes as two big-endian numbers order the pairs
    // without touching the records again; only texts that agree there and
    // are both longer fall back to the whole texts.
    struct Keyed {
      uint64_t high, low;
      uint32_t length, index;
    };
    auto keyOf = [&](uint32_t i) {
      const std::string_view text = TextOf(characters[i], key.field);
      return Keyed{BigEndian(text, 0), BigEndian(text, 8),
                   static_cast<uint32_t>(std::min<std::size_t>(text.size(), UINT32_MAX)), i};
    };
    return OrderByKeys<Keyed>(n, keyOf, [&](const Keyed& a, const Keyed& b) {
      if (a.high != b.high) return a.high < b.high;
      if (a.low != b.low) return a.low < b.low;
      if (a.length <= kKeyBytes || b.length <= kKeyBytes) {
        if (a.length != b.length) return a.length < b.length;
      } else {
        const int byText = TextOf(characters[a.index], key.field).compare(TextOf(characters[b.index], key.field));
        if (byText != 0) return byText < 0;
      }
      return a.index < b.index;
    }, work);
  }
  struct Numbered {
    int64_t number;
    uint32_t index;
  };
  auto keyOf = [&](uint32_t i) { return Numbered{NumberOf(characters[i], key), i}; };
  return OrderByKeys<Numbered>(n, keyOf, [](const Numbered& a, const Numbered& b) {
    return a.number != b.number ? a.number < b.number : a.index < b.index;
  }, work);
}

template <typename Character>
std::pmr::vector<uint32_t> Sorted(std::span<const Character> characters, const SortKey& key, bool descending,
                                  const SortWork& work) {
  std::pmr::vector<uint32_t> order = AscendingOrder(characters, key, work);
  if (descending) std::reverse(order.begin(), order.end());
  return order;
}

}  // namespace

std::vector<std::string> SortKeyList(const SkillCatalogue& catalogue) {
  // The box lists the empty key, the three text fields of the record, the
  // adventurer level and the skills, then the numbers and the player.
  constexpr std::size_t kTextFieldsFirst = 3;
  std::vector<std::string> keys = {""};
  for (std::size_t i = 0; i < kTextFieldsFirst; ++i) keys.emplace_back(kFixedLabels[i].label);
  keys.emplace_back(kAdventurerLevel);
  for (const SkillData& row : catalogue.Rows()) keys.push_back(row.name);
  for (std::size_t i = kTextFieldsFirst; i < std::size(kFixedLabels); ++i) keys.emplace_back(kFixedLabels[i].label);
  return keys;
}

SortKey ResolveSortKey(std::string_view key, const SkillCatalogue& catalogue) {
  for (const FixedLabel& fixed : kFixedLabels) {
    if (key == fixed.label) return {fixed.field, 0};
  }
  if (key.empty()) return {};
  const std::vector<SkillData>& rows = catalogue.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].name == key) return {SortField::kSkill, i};
  }
  if (key == kAdventurerLevel) return {SortField::kAdventurerLevel, 0};
  return {};
}

bool IsGroupHeading(const SortKey& key, const SkillCatalogue& catalogue) {
  return key.field == SortField::kSkill && key.skillIndex < catalogue.Rows().size() &&
         catalogue.Rows()[key.skillIndex].heading == "|";
}

bool CharacterBefore(const CharacterFields& a, const CharacterFields& b, const SortKey& key) {
  if (key.field == SortField::kNone) return false;
  if (IsTextField(key.field)) return TextOf(a, key.field) < TextOf(b, key.field);
  return NumberOf(a, key) < NumberOf(b, key);
}

std::pmr::vector<uint32_t> SortedOrder(std::span<const CharacterRecord> characters, const SortKey& key,
                                       bool descending, const SortWork& work) {
  return Sorted(characters, key, descending, work);
}

std::pmr::vector<uint32_t> SortedOrder(std::span<const CharacterData> characters, const SortKey& key, bool descending,
                                       const SortWork& work) {
  return Sorted(characters, key, descending, work);
}

void SortCharacters(std::vector<CharacterData>& characters, const SortKey& key, bool descending,
                    const SortWork& work) {
  if (characters.size() < 2) return;
  std::pmr::vector<uint32_t> order = SortedOrder(std::span<const CharacterData>(characters), key, descending, work);
  // The records move into place along the cycles of the permutation, so no
  // second list of them is made; a placed position points at itself.
  for (uint32_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    CharacterData held = std::move(characters[start]);
    uint32_t at = start;
    while (order[at] != start) {
      const uint32_t from = order[at];
      characters[at] = std::move(characters[from]);
      order[at] = at;
      at = from;
    }
    characters[at] = std::move(held);
    order[at] = at;
  }
}

}  // namespace roster
