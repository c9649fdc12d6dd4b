#include "report/sort_order.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
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

// A number key; a missing skill level is one below every level.
int64_t NumberOf(const CharacterFields& c, const SortKey& key) {
  switch (key.field) {
    case SortField::kHit: return c.GetHit();
    case SortField::kEvasion: return c.GetEvasion();
    case SortField::kProtection: return c.GetProtection();
    case SortField::kMagicPower: return c.GetMagicPower();
    case SortField::kParticipationCount: return c.GetParticipationCount();
    case SortField::kAdventurerLevel: return c.HighestSkillLevel();
    case SortField::kSkill:
      if (key.skillIndex >= c.SkillLevelCount()) return int64_t{std::numeric_limits<int32_t>::min()} - 1;
      return c.SkillLevel(key.skillIndex);
    default: return 0;
  }
}

// The bytes of a text that its key holds: eight in `high`, three more and a
// length mark in the high half of `low`.
constexpr std::size_t kKeyBytes = 11;
// The length mark: the length up to kKeyBytes, and one more for any longer
// text, so that of two texts that agree in their first kKeyBytes bytes
// (zero-filled) the shorter goes first unless both are longer.
constexpr uint64_t kLongText = kKeyBytes + 1;

// The text key of a position: 16 bytes, so that names (at most 10 bytes)
// order by their keys alone, and a sort moves and reads little memory.
struct TextKeyed {
  uint64_t high, low;
  uint32_t Index() const { return static_cast<uint32_t>(low); }
  uint64_t Part() const { return low >> 32; }
  bool Long() const { return (Part() & 0xFF) == kLongText; }
  // Whether the texts of `a` and `b` agree as far as their keys tell and
  // are both longer: only their further bytes can order them.
  friend bool Undecided(const TextKeyed& a, const TextKeyed& b) {
    return a.high == b.high && a.Part() == b.Part() && a.Long();
  }
  // By the key, then by position: the order of the texts wherever the key
  // tells it.
  friend bool operator<(const TextKeyed& a, const TextKeyed& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
  }
};

// `count` bytes of `text` from `from` as a big-endian number, zero-filled.
uint64_t BigEndian(std::string_view text, std::size_t from, std::size_t count) {
  uint64_t value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  }
  return value;
}

TextKeyed TextKeyOf(std::string_view text, uint32_t index) {
  const uint64_t part = (BigEndian(text, 8, kKeyBytes - 8) << 8) | std::min<uint64_t>(text.size(), kLongText);
  return {BigEndian(text, 0, 8), (part << 32) | index};
}

// A number key of a position: the number (an int32_t, or the one below for
// a missing skill level) in the high 33 bits, the position in the low 31.
// A roster of more than 2^31 characters, far beyond a run's memory, cannot
// be sorted by a number.
struct NumberKeyed {
  uint64_t key;
  static constexpr int kIndexBits = 31;
  static constexpr uint64_t kPositions = uint64_t{1} << kIndexBits;
  uint32_t Index() const { return static_cast<uint32_t>(key & (kPositions - 1)); }
  friend bool operator<(const NumberKeyed& a, const NumberKeyed& b) { return a.key < b.key; }
};

NumberKeyed NumberKeyOf(int64_t number, uint32_t index) {
  // The lowest number, a missing level, becomes 0.
  const auto biased = static_cast<uint64_t>(number - (int64_t{std::numeric_limits<int32_t>::min()} - 1));
  return {(biased << NumberKeyed::kIndexBits) | index};
}

// How many times a run of texts that agree in their keys is keyed again by
// further bytes before the texts themselves are compared: it keeps the
// recursion shallow for long texts.
constexpr std::size_t kDeepestKeyedPart = 3;

// The texts of `a` and `b`, which agree in their first `from` bytes,
// compared from there.
template <typename TextOf>
int CompareFrom(const TextKeyed& a, const TextKeyed& b, std::size_t from, TextOf textOf) {
  return textOf(a.Index()).substr(from).compare(textOf(b.Index()).substr(from));
}

// Sorts the keys of texts by the texts, then by position: by the keys, then
// each run of keys that cannot tell their texts apart again by keys of the
// texts' further bytes (from `from`), so that texts many characters share
// are never compared whole. The run keeps the keys it shares, as a merge
// of sorted parts compares them.
template <typename TextOf>
void SortTextKeys(TextKeyed* first, TextKeyed* last, std::size_t from, std::size_t depth, TextOf textOf) {
  std::sort(first, last);
  for (TextKeyed* run = first; run != last;) {
    TextKeyed* end = run + 1;
    while (end != last && Undecided(*run, *end)) ++end;
    if (end - run > 1) {
      const TextKeyed shared = *run;
      const std::size_t further = from + kKeyBytes;
      if (depth < kDeepestKeyedPart) {
        for (TextKeyed* k = run; k != end; ++k) *k = TextKeyOf(textOf(k->Index()).substr(further), k->Index());
        SortTextKeys(run, end, further, depth + 1, textOf);
        for (TextKeyed* k = run; k != end; ++k) *k = {shared.high, (shared.Part() << 32) | k->Index()};
      } else {
        std::sort(run, end, [&](const TextKeyed& a, const TextKeyed& b) {
          const int byText = CompareFrom(a, b, further, textOf);
          return byText != 0 ? byText < 0 : a.Index() < b.Index();
        });
      }
    }
    run = end;
  }
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
  while (a != aEnd && b != bEnd) *out++ = less(*b, *a) ? (b++)->Index() : (a++)->Index();
  while (a != aEnd) *out++ = (a++)->Index();
  while (b != bEnd) *out++ = (b++)->Index();
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

// The positions 0 to n-1 ordered by their keys: `sortPart(items, first,
// last)` keys positions [first, last) and sorts them, and `less` is the
// strict total order that sorted parts follow. Where the halves are parts
// of their own, each half is keyed and sorted on its own, and each part
// writes half of the merge, from a split found by bisection.
template <typename Item, typename SortPart, typename Less>
std::pmr::vector<uint32_t> OrderByKeys(uint32_t n, SortPart sortPart, Less less, const SortWork& work) {
  const WorkList<Item> items(n, work.memory);
  std::pmr::vector<uint32_t> order(n, work.memory);
  Item* const keyed = items.data();
  if (!work.runParts || n < 2) {
    sortPart(keyed, 0, n);
    for (uint32_t i = 0; i < n; ++i) order[i] = keyed[i].Index();
    return order;
  }
  const uint32_t middle = n / 2;
  const std::function<void()> sorts[] = {[&] { sortPart(keyed, 0, middle); }, [&] { sortPart(keyed, middle, n); }};
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
    auto textOf = [&](uint32_t i) { return TextOf(characters[i], key.field); };
    auto sortPart = [&](TextKeyed* items, uint32_t first, uint32_t last) {
      for (uint32_t i = first; i < last; ++i) items[i] = TextKeyOf(textOf(i), i);
      SortTextKeys(items + first, items + last, 0, 0, textOf);
    };
    return OrderByKeys<TextKeyed>(n, sortPart, [&](const TextKeyed& a, const TextKeyed& b) {
      if (Undecided(a, b)) {
        const int byText = CompareFrom(a, b, kKeyBytes, textOf);
        if (byText != 0) return byText < 0;
      }
      return a < b;
    }, work);
  }
  if (n > NumberKeyed::kPositions) throw std::bad_alloc();
  auto sortPart = [&](NumberKeyed* items, uint32_t first, uint32_t last) {
    for (uint32_t i = first; i < last; ++i) items[i] = NumberKeyOf(NumberOf(characters[i], key), i);
    std::sort(items + first, items + last);
  };
  return OrderByKeys<NumberKeyed>(n, sortPart, std::less<NumberKeyed>(), work);
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
