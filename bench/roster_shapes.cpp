#include "bench/roster_shapes.h"

#include <cstdint>

#include "support/roster_generator.h"
#include "text/numbers.h"

namespace roster {
namespace {

// What varies between shapes; the lines are written as a user would type
// them, not as report rows.
struct Parameters {
  std::string_view name, what;
  int minNameChars, maxNameChars;
  bool kanjiNames;      // else katakana
  int distinctPercent;  // lines that bring a new name
  int minCells, maxCells, minLevels, maxLevels;
  bool fullWidthDigits;  // levels, points, combat values and counts
  bool paddedPoints;     // HP/MP right-aligned in spaces
  int maxFeats;
  int remarksBytes;
  bool shortPlayers;
};

constexpr Parameters kShapes[] = {
    {"levels", "five or six skill cells of four to six levels", 2, 5, false, 80, 5, 6, 4, 6, false, false, 4, 12, false},
    {"repeats", "about 40 % distinct names", 2, 5, false, 40, 3, 3, 1, 4, false, false, 4, 12, false},
    {"distinct", "about 95 % distinct names", 2, 5, false, 95, 3, 3, 1, 4, false, false, 4, 12, false},
    {"remarks", "remarks of about 200 bytes", 2, 5, false, 80, 3, 3, 1, 4, false, false, 4, 200, false},
    {"short-names", "names of one or two kanji", 1, 2, true, 80, 3, 3, 1, 4, false, false, 4, 12, false},
    {"full-width", "full-width digits everywhere", 2, 5, false, 80, 3, 3, 1, 4, true, false, 4, 12, false},
    {"hidden", "about 40 % distinct katakana, three skill cells, a short tail", 2, 5, false, 57, 3, 3, 2, 4, false, false,
     4, 12, false},
    {"padded", "40 % distinct katakana, full-width levels, HP/MP padded, short players", 2, 5, false, 40, 3, 3, 2,
     6, true, true, 4, 0, true},
};

constexpr std::string_view kRaces[] = {"人間男", "森人女", "鉱人男", "獣人女", "竜人", "人間無"};
constexpr std::string_view kFeats[] = {"全力", "魔撃", "両手", "頑強", "必殺", "連撃", "牽制", "鷹目"};
constexpr std::string_view kPlayers[] = {"たかし", "ゆうこ", "ソウタ", "ken", "ポチ", "みき", "はると", "さくら"};
constexpr std::string_view kShortPlayers[] = {"A", "B", "K", "たか", "ゆう", "み"};
constexpr std::string_view kWords[] = {"初参加", "欠席", "ＧＭ", "memo", "ポーション", "前衛", "後衛", "回復役"};

class ShapedWriter {
 public:
  ShapedWriter(const Parameters& p, uint64_t seed) : p_(p), random_(seed) {}

  std::string Roster(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
      if (i > 0) text.append("\r\n");
      Line(text);
    }
    return text;
  }

 private:
  uint64_t Below(uint64_t bound) { return random_.Below(bound); }
  int Between(int low, int high) { return low + static_cast<int>(Below(static_cast<uint64_t>(high - low + 1))); }

  // Katakana 0x8340 to 0x8396 (but 0x837F); kanji of the first JIS level.
  void AppendNameCharacter(std::string& out) {
    if (p_.kanjiNames) {
      out.push_back(static_cast<char>(0x88 + Below(0x98 - 0x88)));
      out.push_back(static_cast<char>(0x9F + Below(0xFC - 0x9F + 1)));
      return;
    }
    unsigned trail = 0x40 + static_cast<unsigned>(Below(0x97 - 0x40));
    if (trail == 0x7F) trail = 0x80;
    out.push_back('\x83');
    out.push_back(static_cast<char>(trail));
  }

  std::string NewName() {
    std::string name;
    const int length = Between(p_.minNameChars, p_.maxNameChars);
    for (int i = 0; i < length; ++i) AppendNameCharacter(name);
    return name;
  }

  void Number(std::string& out, int32_t value) {
    if (p_.fullWidthDigits) {
      AppendFullWidthInt(out, value);
    } else {
      AppendInt(out, value);
    }
  }

  void Line(std::string& out) {
    const uint64_t roll = Below(100);
    if (roll < 2) return;  // a blank line
    if (roll < 3) {
      out.append("-- 次回は来週 --");
      return;
    }
    const bool fresh = names_.empty() || static_cast<int>(Below(100)) < p_.distinctPercent;
    if (fresh) names_.push_back(NewName());
    out.append(names_[fresh ? names_.size() - 1 : Below(names_.size())]);
    out.push_back('|');
    out.append(kRaces[Below(std::size(kRaces))]);
    const int cells = Between(p_.minCells, p_.maxCells);
    for (int c = 0; c < cells; ++c) {
      out.push_back('|');
      const int levels = Between(p_.minLevels, p_.maxLevels);
      for (int l = 0; l < levels; ++l) {
        const uint64_t level = Below(4) == 0 ? 0 : 1 + Below(Below(8) == 0 ? 15 : 9);
        if (level == 0) {
          out.append("　");
        } else if (level <= 9 || p_.fullWidthDigits) {
          AppendFullWidthInt(out, static_cast<int32_t>(level % 10));
        } else {
          AppendInt(out, static_cast<int32_t>(level));
        }
      }
    }
    out.push_back('|');
    const auto hp = static_cast<int32_t>(Below(120)), mp = static_cast<int32_t>(Below(5) == 0 ? 0 : Below(120));
    if (p_.paddedPoints) out.append(hp < 10 ? "  " : hp < 100 ? " " : "");
    Number(out, hp);
    out.push_back('/');
    if (mp == 0) {
      out.append(p_.paddedPoints ? " 無" : "無");
    } else {
      if (p_.paddedPoints) out.append(mp < 10 ? "  " : mp < 100 ? " " : "");
      Number(out, mp);
    }
    out.push_back('|');
    for (int v = 0; v < 4; ++v) {
      if (v > 0) out.push_back('/');
      Number(out, static_cast<int32_t>(Below(14)) - 1);
    }
    out.push_back('|');
    const int feats = static_cast<int>(Below(static_cast<uint64_t>(p_.maxFeats) + 1));
    for (int f = 0; f < feats; ++f) out.append(kFeats[Below(std::size(kFeats))]);
    out.push_back(' ');
    Number(out, static_cast<int32_t>(Below(60)));
    out.push_back(' ');
    out.append(p_.shortPlayers ? kShortPlayers[Below(std::size(kShortPlayers))] : kPlayers[Below(std::size(kPlayers))]);
    for (int bytes = 0; bytes < p_.remarksBytes;) {
      const std::string_view word = kWords[Below(std::size(kWords))];
      out.push_back(' ');
      out.append(word);
      bytes += static_cast<int>(word.size()) + 1;
    }
  }

  const Parameters& p_;
  RosterGenerator random_;
  std::vector<std::string> names_;
};

}  // namespace

const std::vector<RosterShape>& RosterShapes() {
  static const std::vector<RosterShape> shapes = [] {
    std::vector<RosterShape> all = {{"default", "report rows, about 80 % distinct names, three skill cells"}};
    for (const Parameters& p : kShapes) all.push_back({p.name, p.what});
    return all;
  }();
  return shapes;
}

std::string ShapedRoster(std::string_view shape, std::size_t lines, uint64_t seed) {
  if (shape == "default") return RosterGenerator(seed).NextRoster(lines);
  for (const Parameters& p : kShapes) {
    if (p.name == shape) return ShapedWriter(p, seed).Roster(lines);
  }
  return {};
}

}  // namespace roster
