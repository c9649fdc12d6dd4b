// Text helpers: cutting, replacing, numbers and padding on CP932 bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp932.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "text/width_fold.h"

namespace roster {
namespace {

using Strings = std::vector<std::string>;

// A lost -fexec-charset flag would turn every Japanese literal into UTF-8.
TEST(Literals, NarrowLiteralsAreCp932) {
  EXPECT_EQ(std::string("名前"), std::string("\x96\xBC\x91\x4F"));
  EXPECT_EQ(std::string("ポ"), std::string("\x83\x7C"));
  EXPECT_EQ(std::string("　"), std::string("\x81\x40"));
  EXPECT_EQ(std::string("０９"), std::string("\x82\x4F\x82\x58"));
  const std::u8string utf8 = u8"名";
  EXPECT_EQ(std::string(utf8.begin(), utf8.end()), std::string("\xE5\x90\x8D"));
}

struct SplitCase {
  std::string text, separator;
  Strings expected;
};

TEST(Split, CutsAtEveryWholeOccurrence) {
  const std::vector<SplitCase> cases = {
      {"", "|", {""}},
      {"|a|", "|", {"", "a", ""}},
      {"a||b", "|", {"a", "", "b"}},
      {"x\r\ny\r\n", "\r\n", {"x", "y", ""}},
      {"a\nb", "\r\n", {"a\nb"}},
      {"abc", "", {"abc"}},
      // "ポ" ends in 0x7C and "－" too: neither is a "|".
      {"ポ", "|", {"ポ"}},
      {"ポール|人間|－", "|", {"ポール", "人間", "－"}},
      // A lead byte before "|" pairs with it: that is "ポ".
      {"\x83|x", "|", {"\x83|x"}},
      {"\x83\x83|x", "|", {"\x83\x83", "x"}},
      {"a\x81", "|", {"a\x81"}},
      {"名前名前", "名前", {"", "", ""}},
      // "前名" is not found across the two characters' halves.
      {"\x96\xBC\x91\x4F", "\xBC\x91", {"\x96\xBC\x91\x4F"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(Split(c.text, c.separator), c.expected) << c.text;
  }
}

struct ReplaceCase {
  std::string text, from, to, expected;
};

TEST(ReplaceAll, RestartsFromTheBeginningWithinCharacters) {
  const std::vector<ReplaceCase> cases = {
      {"a|||b", "||", "|", "a|b"},
      {"||||||||", "||", "|", "|"},
      {"　a　b", "　", "", "ab"},
      {"a b  c", " ", "|", "a|b||c"},
      {"abc", "x", "y", "abc"},
      {"", "a", "b", ""},
      {"abc", "", "x", "abc"},
      // The trail byte 0x40 of "　" after a lead byte of another character.
      {"\x82\x81\x40", "　", "", "\x82\x81\x40"},
      // "ポ|" has one bar on a boundary; 0x7C of "ポ" is not one.
      {"ポ||", "||", "|", "ポ|"},
      // Removing " " makes the stray lead byte 0x81 pair with 0x40 into "　".
      {"\x81 \x40", " ", "", "\x81\x40"},
      // to contains from: one left-to-right pass instead of looping forever.
      {"a|b", "|", "||", "a||b"},
      {"aab", "ab", "b", "b"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.expected) << c.text << " " << c.from;
  }
}

// The restart rule, written the slow way, on random texts of the bytes that
// matter: the one-pass version must agree with it.
std::string ReplaceAllByRestarting(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t hit; (hit = FindChars(text, from)) != std::string::npos;) {
    text.replace(hit, from.size(), to);
  }
  return text;
}

TEST(ReplaceAll, AgreesWithRestartingSearch) {
  const std::string alphabet = " |\x81\x40\x83\x7C" "a";
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {" ", ""}, {"　", ""}, {" ", "|"}, {"　", "|"}, {"||", "|"}, {"\x81", ""}, {"|", ""}};
  uint64_t state = 12345;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const int length = static_cast<int>((state >> 33) % 12);
    for (int i = 0; i < length; ++i) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      text.push_back(alphabet[(state >> 33) % alphabet.size()]);
    }
    const auto& [from, to] = pairs[round % pairs.size()];
    ASSERT_EQ(ReplaceAll(text, from, to), ReplaceAllByRestarting(text, from, to))
        << testing::PrintToString(text) << " from " << testing::PrintToString(from);
  }
}

TEST(ReplaceAll, LongRunOfSpacesIsLinear) {
  const std::string spaces(2'000'000, ' ');
  EXPECT_EQ(ReplaceAll(ReplaceAll(spaces, " ", "|"), "||", "|"), "|");
}

struct FindCase {
  std::string text, pattern;
  std::size_t from, expected;
};

// A byte found must start a character: after a run of lead bytes it does
// when the run pairs up, or when the last lead byte cannot take it.
TEST(FindChars, FindsOnlyWholeCharacters) {
  constexpr std::size_t npos = std::string::npos;
  const std::vector<FindCase> cases = {
      {"a|b", "|", 0, 1},           {"ポ|", "|", 0, 2},          {"ポ", "|", 0, npos},
      {"\x81|", "|", 0, npos},      {"\x81\x81|", "|", 0, 2},    {"\x81\x81\x81|", "|", 0, npos},
      {"a\x81|x|", "|", 0, 4},      {"|a|", "|", 1, 2},          {"\x81|", "|", 1, 1},
      {"\x81\x20|", "|", 0, 2},     {"a名前", "名前", 0, 1},     {"\x81\x96\xBC\x91\x4F", "名前", 0, npos},
      {"\x81", "\x81", 0, 0},       {"\x81\x40", "\x81", 0, npos}, {"", "|", 0, npos},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindChars(c.text, c.pattern, c.from), c.expected) << testing::PrintToString(c.text) << " " << c.from;
  }
}

struct NumberCase {
  std::string text;
  int32_t expected;
};

TEST(ToInt, ReadsLeadingDecimalAndSaturates) {
  const std::vector<NumberCase> cases = {
      {"12abc", 12},         {"abc", 0},          {" -7", -7},     {"\t\n+3", 3},
      {"", 0},               {"-", 0},            {"+-1", 0},      {"１５", 0},
      {"2147483647", 2147483647},                 {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1},           {"-2147483649", -2147483647 - 1},
      {"99999999999999999999999", 2147483647},    {"000000000000000000000042", 42},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(ToInt(c.text), c.expected) << c.text;
}

TEST(FullWidthToInt, FoldsDigitsSignsAndSpaces) {
  const std::vector<NumberCase> cases = {
      {"１５", 15}, {"　", 0},     {"", 0},        {"３　", 3},     {"－３", -3},
      {"＋８", 8},  {"　７", 7},   {"1２", 12},    {"無", 0},       {"12", 12},
      {"１２３４５６７８９０１２", 2147483647},
      // The short forms read inline must agree with the fold.
      {"0", 0},     {"9", 9},      {"a", 0},       {"-", 0},        {"０", 0},
      {"９", 9},    {"1a", 1},     {"a1", 0},      {"09", 9},       {" 7", 7},
      // Longer than any fixed buffer: the whole text is folded.
      {std::string(40, ' ') + "　　　　　　　　　　　　　　　　　　　　　　　　　９", 9},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(FullWidthToInt(c.text), c.expected) << c.text;
}

TEST(IntToString, WritesEveryRadix) {
  EXPECT_EQ(IntToString(-5, 10), "-5");
  EXPECT_EQ(IntToString(0, 10), "0");
  EXPECT_EQ(IntToString(-2147483647 - 1, 10), "-2147483648");
  EXPECT_EQ(IntToString(255, 16), "ff");
  EXPECT_EQ(IntToString(-1, 16), "ffffffff");
  EXPECT_EQ(IntToString(35, 36), "z");
  EXPECT_EQ(IntToString(5, 2), "101");
  EXPECT_EQ(IntToString(5, 1), "");
}

TEST(IntToFullWidth, WritesFullWidthDigits) {
  EXPECT_EQ(IntToFullWidth(7), "\x82\x56");
  EXPECT_EQ(IntToFullWidth(0), "０");
  EXPECT_EQ(IntToFullWidth(-12), "－１２");
}

TEST(WidthFold, RoundTripsPrintableAscii) {
  std::string ascii;
  for (char c = 0x20; c < 0x7F; ++c) ascii.push_back(c);
  for (char c : ascii) {
    std::string full;
    AppendFullWidthOf(full, c);
    ASSERT_EQ(full.size(), 2u) << c;
    EXPECT_EQ(HalfWidthOf(static_cast<unsigned char>(full[0]), static_cast<unsigned char>(full[1])), c);
  }
  EXPECT_EQ(HalfWidthOf(0x8A, 0xBF), -1);  // 漢
}

struct PadCase {
  std::string text;
  int32_t width;
  std::string right, left;
};

TEST(Pad, FillsWithFullWidthSpacesAndOneHalfWidth) {
  const std::vector<PadCase> cases = {
      {"ab", 10, "ab　　　　", "　　　　ab"},
      {"abc", 10, "abc 　　　", " 　　　abc"},
      {"5", 3, "5　", "　5"},
      {"25", 3, "25 ", " 25"},
      {"1234", 3, "1234", "1234"},
      {"", 0, "", ""},
      {"x", -4, "x", "x"},
  };
  for (const PadCase& c : cases) {
    EXPECT_EQ(PadRight(c.text, c.width), c.right) << c.text << c.width;
    EXPECT_EQ(PadLeft(c.text, c.width), c.left) << c.text << c.width;
  }
  // An odd width opens with one " ", whatever its size; ShortSpaces gives
  // the same up to its limit.
  for (int32_t w : {1, 2, 3, 4, 9, 14, 15, 16, 17, 18, 31, 32, 33, 100}) {
    std::string expected = w % 2 == 1 ? " " : "";
    for (int32_t i = 0; i < w / 2; ++i) expected += "　";
    EXPECT_EQ(MakeSpaces(w), expected) << w;
    if (w <= kShortSpacesMax) {
      EXPECT_EQ(ShortSpaces(w), expected) << w;
    }
  }
}

struct BoundaryCase {
  std::string text;
  std::size_t max, prefix, suffixStart;
};

TEST(Boundaries, CutsNeverSplitACharacter) {
  const std::vector<BoundaryCase> cases = {
      {"人間女", 4, 4, 2},
      {"ab人", 4, 4, 0},
      {"a人間", 4, 3, 1},
      {"a人間", 2, 1, 3},
      {"人", 1, 0, 2},
      {"", 4, 0, 0},
      {"\x83", 2, 1, 0},
  };
  for (const BoundaryCase& c : cases) {
    EXPECT_EQ(PrefixOnBoundary(c.text, c.max), c.prefix) << c.text;
    EXPECT_EQ(SuffixStartOnBoundary(c.text, c.max), c.suffixStart) << c.text;
  }
}

}  // namespace
}  // namespace roster
