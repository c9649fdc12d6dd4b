#include "report/report_layout.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "character/character_data.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace roster {
namespace {

constexpr std::string_view kHeaderStart = "名前　　　|種族　";
constexpr std::string_view kHeaderEnd = "| HP/ MP|命/回/防/魔|《戦闘特技》";
constexpr std::string_view kNoMagicPoints = "無";
constexpr int32_t kNameWidth = 10;
constexpr int32_t kPointsWidth = 3;

// A skill level: a group marker is drawn as "|", 0 is left blank, 1 to 9
// take one full-width digit and larger levels half-width digits.
void AppendLevel(std::string& out, int32_t level) {
  if (level < 0) {
    out.push_back('|');
  } else if (level == 0) {
    out.append("　");
  } else if (level <= 9) {
    AppendFullWidthInt(out, level);
  } else {
    AppendInt(out, level);
  }
}

// How each level that a byte holds (-128 to 127) reads in a row, as
// AppendLevel writes it; a row's levels are most of its bytes.
struct LevelText {
  char bytes[4];
  uint8_t length;
};
constexpr int32_t kByteLevelMin = -128, kByteLevelMax = 127;

constexpr std::array<LevelText, 256> LevelTexts() {
  std::array<LevelText, 256> texts{};
  for (int32_t level = kByteLevelMin; level <= kByteLevelMax; ++level) {
    LevelText& t = texts[static_cast<std::size_t>(level - kByteLevelMin)];
    std::string_view text = level < 0 ? "|" : level == 0 ? "　" : "";
    char digits[3] = {};
    if (level >= 1 && level <= 9) {
      digits[0] = '\x82';  // "１" to "９"
      digits[1] = static_cast<char>(0x4F + level);
      text = std::string_view(digits, 2);
    } else if (level >= 10) {
      const int32_t places = level >= 100 ? 3 : 2;
      for (int32_t i = places - 1, v = level; i >= 0; --i, v /= 10) digits[i] = static_cast<char>('0' + v % 10);
      text = std::string_view(digits, static_cast<std::size_t>(places));
    }
    for (std::size_t i = 0; i < text.size(); ++i) t.bytes[i] = text[i];
    t.length = static_cast<uint8_t>(text.size());
  }
  return texts;
}
constexpr std::array<LevelText, 256> kLevelTexts = LevelTexts();

// The row's levels gathered in a small buffer from the table: one append
// for the lot instead of a call or two for each level.
void AppendLevels(std::string& out, const CharacterData& c) {
  char buffer[256];
  char* const end = buffer + sizeof buffer;
  char* p = buffer;
  c.ForEachSkillLevel([&](int32_t level) {
    const bool inTable = level >= kByteLevelMin && level <= kByteLevelMax;
    if (!inTable || end - p < 4) {
      out.append(buffer, p);
      p = buffer;
      if (!inTable) {
        AppendLevel(out, level);
        return;
      }
    }
    const LevelText& t = kLevelTexts[static_cast<std::size_t>(level - kByteLevelMin)];
    std::memcpy(p, t.bytes, sizeof t.bytes);
    p += t.length;
  });
  out.append(buffer, p);
}

// A combat value: 0 to 9 in one full-width digit, anything else in
// half-width digits with its sign.
void AppendCombatValue(std::string& out, int32_t value) {
  if (value >= 0 && value <= 9) {
    AppendFullWidthInt(out, value);
  } else {
    AppendInt(out, value);
  }
}

// HP or MP right-aligned in three columns; an MP of 0 is written "無".
void AppendPoints(std::string& out, int32_t value, bool zeroIsNone) {
  if (zeroIsNone && value == 0) {
    AppendPadLeft(out, kNoMagicPoints, kPointsWidth);
    return;
  }
  std::string digits;  // at most 11 bytes: no allocation
  AppendInt(digits, value);
  AppendPadLeft(out, digits, kPointsWidth);
}

// The name filled to ten columns. A name that ends in a stray lead byte is
// filled with " " alone, and with at least one: a "　" (0x81 0x40) or the
// "|" after it would pair with that byte and change the row when the report
// is extracted again. (The parser gives no ten-byte name ending so.)
void AppendName(std::string& out, std::string_view name) {
  const bool endsInStrayLead = !name.empty() && IsLeadByte(static_cast<unsigned char>(name.back())) &&
                               SuffixStartOnBoundary(name, 1) == name.size() - 1;
  if (!endsInStrayLead) {
    AppendPadRight(out, name, kNameWidth);
    return;
  }
  out.append(name);
  out.append(std::max<std::size_t>(1, static_cast<std::size_t>(kNameWidth) - std::min<std::size_t>(name.size(), kNameWidth)), ' ');
}

}  // namespace

std::string ReportHeader(const SkillCatalogue& catalogue) {
  std::string header(kHeaderStart);
  for (const SkillData& row : catalogue.Rows()) header.append(row.heading);
  header.append(kHeaderEnd);
  return header;
}

std::string ReportRow(const CharacterData& c) {
  std::string row;
  AppendReportRow(row, c);
  return row;
}

void AppendReportRow(std::string& out, const CharacterData& c) {
  AppendName(out, c.GetName());
  out.push_back('|');
  out.append(c.GetRace());
  out.append(c.GetGender());
  AppendLevels(out, c);
  out.push_back('|');
  AppendPoints(out, c.GetHp(), false);
  out.push_back('/');
  AppendPoints(out, c.GetMp(), true);
  out.push_back('|');
  AppendCombatValue(out, c.GetHit());
  out.push_back('/');
  AppendCombatValue(out, c.GetEvasion());
  out.push_back('/');
  AppendCombatValue(out, c.GetProtection());
  out.push_back('/');
  AppendCombatValue(out, c.GetMagicPower());
  out.push_back('|');
  c.ForEachFeat([&](std::string_view feat) { out.append(feat); });
  out.push_back(' ');
  AppendInt(out, c.GetParticipationCount());
  out.push_back(' ');
  out.append(c.GetPlayerName());
  const std::string_view remarks = c.GetRemarks();
  if (!remarks.empty()) {
    out.push_back(' ');
    out.append(remarks);
  }
}

}  // namespace roster
