#include "report/report_layout.h"

#include <algorithm>
#include <cstring>

#include "character/character_data.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/short_copy.h"
#include "text/strings.h"

namespace roster {
namespace {

constexpr std::string_view kHeaderStart = "名前　　　|種族　";
constexpr std::string_view kHeaderEnd = "| HP/ MP|命/回/防/魔|《戦闘特技》";
constexpr std::string_view kNoMagicPoints = "無";
constexpr std::string_view kFullSpace = "　";
constexpr int32_t kNameWidth = 10;
constexpr int32_t kPointsWidth = 3;

// A row gathered in a buffer on the stack and appended to the report in a
// run or two: a row is some forty small pieces, and appending each to the
// string on its own costs a call and a check of the string's room.
class RowWriter {
 public:
  explicit RowWriter(std::pmr::string& out) : out_(out) {}
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;
  ~RowWriter() { Flush(); }

  void Byte(char c) {
    Reserve(1);
    *next_++ = c;
  }

  void Text(std::string_view text) {
    if (text.empty()) return;  // its data may be null, which memcpy must not be given
    if (text.size() > Left()) {
      Flush();
      // A long remark goes straight to the report.
      if (text.size() > kRoom) {
        out_.append(text);
        return;
      }
    }
    CopyShort(next_, text.data(), text.size());
    next_ += text.size();
  }

  // `width` columns of spaces (a row's are at most ten).
  void Spaces(int32_t width) { Text(width <= kShortSpacesMax ? ShortSpaces(width) : MakeSpaces(width)); }

  // `value` in half-width decimal with its sign, after spaces that fill
  // `width` columns when it is narrower.
  void Int(int32_t value, int32_t width = 0) {
    if (value >= 0 && value < 100) {
      // A row's numbers mostly have one or two digits: written in place.
      const int32_t length = value < 10 ? 1 : 2;
      if (width > length) Spaces(width - length);
      Reserve(2);
      if (length == 2) *next_++ = static_cast<char>('0' + value / 10);
      *next_++ = static_cast<char>('0' + value % 10);
      return;
    }
    char digits[kDecimalBytes];
    char* const end = digits + kDecimalBytes;
    const char* const start = WriteDecimalBefore(end, value);
    Spaces(width - static_cast<int32_t>(end - start));
    Text(std::string_view(start, static_cast<std::size_t>(end - start)));
  }

  // A skill level: a group marker (any level below 0) is drawn as "|", 0 is
  // left blank, 1 to 9 take one full-width digit and larger levels
  // half-width digits.
  void Level(int32_t level) {
    if (level < 0) {
      Byte('|');
    } else if (level == 0) {
      Short(kFullSpace);
    } else if (level <= 9) {
      Short(FullWidthDigit(level));
    } else {
      Int(level);
    }
  }

  // A combat value: 0 to 9 in one full-width digit, anything else in
  // half-width digits with its sign.
  void CombatValue(int32_t value) {
    if (value >= 0 && value <= 9) {
      Short(FullWidthDigit(value));
    } else {
      Int(value);
    }
  }

  // HP or MP right-aligned in three columns; an MP of 0 is written "無".
  void Points(int32_t value, bool zeroIsNone) {
    if (zeroIsNone && value == 0) {
      Spaces(kPointsWidth - static_cast<int32_t>(kNoMagicPoints.size()));
      Text(kNoMagicPoints);
    } else {
      Int(value, kPointsWidth);
    }
  }

  // The name filled to ten columns. A name that ends in a stray lead byte
  // is filled with " " alone, and with at least one: a "　" (0x81 0x40) or
  // the "|" after it would pair with that byte and change the row when the
  // report is extracted again. (The parser gives no ten-byte name ending so.)
  void Name(std::string_view name) {
    const auto shortfall = static_cast<int32_t>(kNameWidth - std::min<std::size_t>(name.size(), kNameWidth));
    Text(name);
    const bool endsInStrayLead = !name.empty() && IsLeadByte(static_cast<unsigned char>(name.back())) &&
                                 SuffixStartOnBoundary(name, 1) == name.size() - 1;
    if (!endsInStrayLead) {
      Spaces(shortfall);
      return;
    }
    for (int32_t i = 0; i < std::max(1, shortfall); ++i) Byte(' ');
  }

 private:
  static constexpr std::size_t kRoom = 256;

  // A text of a few bytes that is never empty, such as a digit: copied
  // without Text's tests, which cost more than the copy.
  void Short(std::string_view text) {
    Reserve(text.size());
    std::memcpy(next_, text.data(), text.size());
    next_ += text.size();
  }

  std::size_t Left() const { return static_cast<std::size_t>(buffer_ + kRoom - next_); }
  void Reserve(std::size_t bytes) {
    if (Left() < bytes) Flush();
  }
  void Flush() {
    out_.append(buffer_, next_);
    next_ = buffer_;
  }

  std::pmr::string& out_;
  char buffer_[kRoom];
  char* next_ = buffer_;
};

}  // namespace

std::string ReportHeader(const SkillCatalogue& catalogue) {
  std::string header(kHeaderStart);
  for (const SkillData& row : catalogue.Rows()) header.append(row.heading);
  header.append(kHeaderEnd);
  return header;
}

std::string ReportRow(const CharacterFields& c) {
  std::pmr::string row;
  AppendReportRow(row, c);
  return std::string(row);
}

void AppendReportRow(std::pmr::string& out, const CharacterFields& c) {
  RowWriter row(out);
  const field_block::Numbers numbers = c.GetNumbers();
  row.Name(c.GetName());
  row.Byte('|');
  row.Text(c.GetRace());
  row.Text(c.GetGender());
  // A character without skill cells keeps one empty cell: the row then has
  // the six cells that a line needs, so it extracts again (as a character
  // with one group marker, whose row is this one).
  if (c.SkillLevelCount() == 0) row.Byte('|');
  c.ForEachSkillLevel([&](int32_t level) { row.Level(level); });
  row.Byte('|');
  row.Points(numbers[CharacterFields::kHp], false);
  row.Byte('/');
  row.Points(numbers[CharacterFields::kMp], true);
  row.Byte('|');
  row.CombatValue(numbers[CharacterFields::kHit]);
  row.Byte('/');
  row.CombatValue(numbers[CharacterFields::kEvasion]);
  row.Byte('/');
  row.CombatValue(numbers[CharacterFields::kProtection]);
  row.Byte('/');
  row.CombatValue(numbers[CharacterFields::kMagicPower]);
  row.Byte('|');
  c.ForEachFeat([&](std::string_view feat) { row.Text(feat); });
  row.Byte(' ');
  row.Int(numbers[CharacterFields::kParticipationCount]);
  row.Byte(' ');
  row.Text(c.GetPlayerName());
  const std::string_view remarks = c.GetRemarks();
  if (!remarks.empty()) {
    row.Byte(' ');
    row.Text(remarks);
  }
}

}  // namespace roster
