// roster-extract run as a process: reports, line ends, encodings, messages
// and exit codes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/platform.h"
#include "platform/utf8.h"
#include "support/roster_generator.h"
#include "bench/roster_shapes.h"

namespace roster {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// UTF-8 bytes, where the test speaks to the program in UTF-8.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

std::string ToLf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

struct Result {
  int exitCode;
  std::string out, err;
};

class RosterExtractTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("roster_e2e_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the program in `cwd` (the source tree by default, where the sample
  // catalogue is) with `input` on standard input.
  Result Run(const std::string& args, const std::string& input = "", const fs::path& cwd = ROSTER_SOURCE_DIR) {
    std::ofstream(dir_ / "in", std::ios::binary) << input;
    const std::string command = "cd '" + cwd.string() + "' && '" + ROSTER_EXTRACT + "' " + args + " < '" +
                                (dir_ / "in").string() + "' > '" + (dir_ / "out").string() + "' 2> '" +
                                (dir_ / "err").string() + "'";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadFile(dir_ / "out"), ReadFile(dir_ / "err")};
  }

  static std::string Data(const std::string& name) { return ReadFile(fs::path(ROSTER_SOURCE_DIR) / "tests/data" / name); }

  fs::path dir_;
};

const std::string kNameKeyCp932 = "\x96\xBC\x91\x4F";  // 名前
const std::string kHeaderLine = "名前　　　|種族　|剣槍拳|魔神精|斥狩賢| HP/ MP|命/回/防/魔|《戦闘特技》";

TEST_F(RosterExtractTest, SampleRosterInBothEncodings) {
  const Result cp932 = Run("--key " + kNameKeyCp932 + " examples/roster.txt");
  EXPECT_EQ(cp932.exitCode, 0) << cp932.err;
  EXPECT_EQ(cp932.out, Data("roster_by_name.cp932.txt"));
  EXPECT_EQ(cp932.err, "");

  const Result utf8 = Run("--encoding utf-8 --key " + U8(u8"名前") + " -", Data("roster.utf8.txt"));
  EXPECT_EQ(utf8.exitCode, 0) << utf8.err;
  EXPECT_EQ(utf8.out, Data("roster_by_name.utf8.txt"));

  const Result bom = Run("--encoding utf-8 --key " + U8(u8"名前"), "\xEF\xBB\xBF" + Data("roster.utf8.txt"));
  EXPECT_EQ(bom.out, Data("roster_by_name.utf8.txt"));
}

struct SummaryCase {
  std::string args, input, line;
};

// --summary adds one line on standard error; standard output is unchanged.
TEST_F(RosterExtractTest, SummaryOnStandardError) {
  const std::string sample = ReadFile(fs::path(ROSTER_SOURCE_DIR) / "examples/roster.txt");
  const std::vector<SummaryCase> cases = {
      {"", sample, "19 characters; 1 line with a name taken by a lower line; 1 other line skipped, at line 5\n"},
      {"--encoding utf-8", Data("roster.utf8.txt"),
       "19 characters; 1 line with a name taken by a lower line; 1 other line skipped, at line 5\n"},
      {"", "", "0 characters\n"},
      {"", "A|x||1/1|1| 1 p\nx\nA|x||1/1|1| 1 p\nA|x||1/1|1| 1 p\ny\n",
       "1 character; 2 lines with a name taken by a lower line; 2 other lines skipped, the first at line 2\n"},
  };
  for (const SummaryCase& c : cases) {
    const Result plain = Run(c.args, c.input);
    const Result summary = Run("--summary " + c.args, c.input);
    EXPECT_EQ(summary.exitCode, 0) << c.args;
    EXPECT_EQ(summary.out, plain.out) << c.args;
    EXPECT_EQ(summary.err, plain.err + c.line) << c.args;
  }
}

TEST_F(RosterExtractTest, LineEndsFollowTheInput) {
  const std::string crlf = ReadFile(fs::path(ROSTER_SOURCE_DIR) / "examples/roster.txt");
  const Result lf = Run("--key " + kNameKeyCp932, ToLf(crlf));
  EXPECT_EQ(lf.exitCode, 0);
  EXPECT_EQ(lf.out, ToLf(Data("roster_by_name.cp932.txt")));

  const Result empty = Run("");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, kHeaderLine + "\r\n");
}

TEST_F(RosterExtractTest, DirectionAndTypedKeys) {
  const std::string crlf = ReadFile(fs::path(ROSTER_SOURCE_DIR) / "examples/roster.txt");
  const Result ascending = Run("--key " + kNameKeyCp932, crlf);
  const Result descending = Run("--descending --key " + kNameKeyCp932, crlf);
  // Names are unique, so descending is the rows of ascending reversed.
  std::vector<std::string> up, down;
  std::stringstream a(ascending.out), d(descending.out);
  for (std::string line; std::getline(a, line);) up.push_back(line);
  for (std::string line; std::getline(d, line);) down.push_back(line);
  ASSERT_EQ(up.size(), 20u);  // the header and 19 names
  ASSERT_EQ(down.size(), up.size());
  EXPECT_EQ(up[0], down[0]);
  std::reverse(down.begin() + 1, down.end());
  EXPECT_EQ(up, down);
  // A key with a trailing blank names nothing: the collected order.
  EXPECT_EQ(Run("'--key=x'", crlf).exitCode, 2);
  EXPECT_EQ(Run("--key '" + kNameKeyCp932 + " '", crlf).out, Run("", crlf).out);
}

TEST_F(RosterExtractTest, ListKeys) {
  const Result keys = Run("--list-keys --encoding utf-8");
  EXPECT_EQ(keys.exitCode, 0);
  EXPECT_EQ(keys.out, Data("keys.utf8.txt"));
  EXPECT_EQ(keys.out.substr(0, 8), U8(u8"\n名前\n"));
}

struct FailureCase {
  const char* what;
  std::string args, input;
  int exitCode;
  std::string messagePart;
};

TEST_F(RosterExtractTest, ExitCodesAndMessages) {
  const std::vector<FailureCase> cases = {
      {"invalid UTF-8", "--encoding utf-8", "ok\nbad \xFF here\n", 1, "line 2: invalid UTF-8 (byte 0xFF)"},
      {"no CP932 form", "--encoding utf-8", U8(u8"a\nb\n☃\n"), 1, "line 3: the character U+2603"},
      {"bad key in UTF-8", "--encoding utf-8 --key \"$(printf '\\377')\"", "", 1, "--key: line 1: invalid UTF-8"},
      {"missing input file", "no-such-file.txt", "", 2, "cannot read no-such-file.txt: No such file"},
      {"directory as input", "examples", "", 2, "cannot read examples"},
      {"unknown option", "--sideways", "", 2, "unknown option --sideways"},
      {"bad encoding", "--encoding latin-1", "", 2, "--encoding takes cp932 or utf-8"},
      {"key without label", "--key", "", 2, "--key needs a LABEL"},
      {"two inputs", "a b", "", 2, "more than one input FILE"},
      {"missing catalogue", "--catalogue nothing.txt", "", 2, "cannot read catalogue nothing.txt"},
  };
  for (const FailureCase& c : cases) {
    const Result r = Run(c.args, c.input);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.what;
    EXPECT_EQ(r.out, "") << c.what;
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << c.what << ": " << r.err;
  }
}

bool IsUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

// What a person reads on the terminal is UTF-8, whatever the encoding of
// the report, and names the catalogue file in Japanese.
TEST_F(RosterExtractTest, MissingDefaultCatalogueIsOnlyANote) {
  for (const std::string encoding : {"cp932", "utf-8"}) {
    const Result r = Run("--encoding " + encoding, "", dir_);
    EXPECT_EQ(r.exitCode, 0);
    const std::string header = "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》";
    EXPECT_EQ(r.out, encoding == "cp932" ? header + "\r\n" : Utf8FromCp932(header) + "\n");
    EXPECT_NE(r.err.find("no skill columns"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(U8(u8"Database/技能.txt")), std::string::npos) << r.err;
    EXPECT_TRUE(IsUtf8(r.err)) << r.err;

    const Result help = Run("--help --encoding " + encoding);
    EXPECT_NE(help.out.find(U8(u8"Database/技能.txt")), std::string::npos) << help.out;
    EXPECT_TRUE(IsUtf8(help.out));
  }
}

uint64_t Fnv1a(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return h;
}

// Stray lead bytes, spaces, bars and slashes put in, and bytes taken out, at
// pseudo-random places, so that the parser's slow paths run too.
std::string Mangled(std::string_view text, uint64_t x) {
  const std::string noise[] = {"\x81", " ", "|", "\x83", "\x81\x40", "\x40", "/"};
  std::string out;
  for (char c : text) {
    x = x * 6364136223846793005ull + 1442695040888963407ull;
    const uint64_t roll = (x >> 33) % 64;
    if (roll == 0) out += noise[(x >> 40) % 7];
    if (roll != 1) out.push_back(c);
  }
  return out;
}

struct DigestCase {
  int roster;  // 3 and 4: generated with that seed; 0: the first one mangled
  std::string key;
  bool descending;
  uint64_t digest;
};

// The reports of the first, straightforward implementation (a string and a
// vector per field, a set of names, a stable sort of whole records), kept
// as digests: every later change must give the same bytes. The mangled
// roster's were taken with that implementation's rules brought level with
// three later ones (a name never holds a line break; a name ending in a
// stray lead byte is filled with " "; a row without skill cells keeps one
// empty cell, which 37 of its 2,850 rows need).
TEST_F(RosterExtractTest, ReportsAreThoseOfTheFirstImplementation) {
  const std::vector<DigestCase> cases = {
      {3, "", false, 0xb2934666adad1d4full},           {3, "", true, 0xe9ccde74bd099ab5ull},
      {3, "名前", false, 0xca7378aa91671ce1ull},       {3, "名前", true, 0x654e9e8c3efd6517ull},
      {3, "種族", false, 0xc39ee206e0ba48b5ull},       {3, "種族", true, 0x0908c8dc2449e49bull},
      {3, "性別", false, 0xbf8fae02daf3e22full},       {3, "性別", true, 0xe23cb3f6cf1c56d9ull},
      {3, "冒険者レベル", false, 0x3b1f012f4b846f45ull}, {3, "冒険者レベル", true, 0x4f83ad1f730fcb03ull},
      {3, "剣士", false, 0xa50ecc5c5c0ea6adull},       {3, "剣士", true, 0x074b7a15b7409b33ull},
      {3, "〔魔法〕", false, 0x43c4d178f4cae1e1ull},   {3, "〔魔法〕", true, 0x003008b83848ea8full},
      {3, "命中力", false, 0x715ff9e1ac0d0ad9ull},     {3, "命中力", true, 0xcdd5d7e7037dc7a7ull},
      {3, "参加回数", false, 0x959fd577b5532a0bull},   {3, "参加回数", true, 0x45eb9badc6d0542dull},
      {3, "プレイヤー名", false, 0x6373dc5de2c32281ull}, {3, "プレイヤー名", true, 0x158966cfcd5e30c3ull},
      {3, "無い", false, 0xb2934666adad1d4full},       {3, "無い", true, 0xe9ccde74bd099ab5ull},
      {4, "", false, 0x5ae61281ecf07e36ull},           {4, "", true, 0xd3bbe5115b568c6aull},
      {4, "名前", false, 0x2bda8d594e83725eull},       {4, "名前", true, 0x91bb69cedba4a15eull},
      {4, "種族", false, 0xa9a290ab674e10ecull},       {4, "種族", true, 0xad02b54a4529fd8cull},
      {4, "冒険者レベル", false, 0xd37357ea54209604ull}, {4, "冒険者レベル", true, 0x0f48068dbcdfff54ull},
      {4, "剣士", false, 0x0836857d0b7010c6ull},       {4, "剣士", true, 0x8f96c7e9701dc756ull},
      {4, "命中力", false, 0xf15465a2a3bdd852ull},     {4, "命中力", true, 0xcf1e5a8e72ed1b4eull},
      {0, "", false, 0xf0e8046a72c92f8cull}, {0, "", true, 0x43f7aa0cce598570ull},
      {0, "名前", false, 0x565204500c9f83ecull}, {0, "名前", true, 0xaeb3ec3145602f48ull},
      {0, "種族", false, 0x486613dbbdc7e972ull}, {0, "種族", true, 0x9558fb3a213d0116ull},
      {0, "性別", false, 0x085a2ccd9678ee50ull}, {0, "性別", true, 0x695774582ac7eeb4ull},
      {0, "冒険者レベル", false, 0xa35830d07644ce54ull}, {0, "冒険者レベル", true, 0xfb629977f92f6928ull},
      {0, "剣士", false, 0xdd7731070511de02ull}, {0, "剣士", true, 0x2124634c9d91ca3aull},
      {0, "命中力", false, 0x10fa1f217f574154ull}, {0, "命中力", true, 0xd576f81474cc8f4cull},
      {0, "プレイヤー名", false, 0xe1a768f8daea29beull}, {0, "プレイヤー名", true, 0xcb1448df0f188e26ull},
  };
  std::map<int, std::string> rosters;
  rosters[3] = RosterGenerator(3).NextRoster(20000);
  rosters[4] = RosterGenerator(4).NextRoster(20000);
  rosters[0] = Mangled(std::string_view(rosters[3]).substr(0, 300000), 99);
  for (auto& [number, text] : rosters) {
    std::ofstream(dir_ / ("roster" + std::to_string(number)), std::ios::binary) << text;
  }
  for (const DigestCase& c : cases) {
    const std::string file = (dir_ / ("roster" + std::to_string(c.roster))).string();
    const Result r = Run("--key '" + c.key + "' " + (c.descending ? "--descending " : "") + "'" + file + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Fnv1a(r.out), c.digest) << c.roster << " " << c.key << (c.descending ? " descending" : "");
  }
}

struct ShapeDigestCase {
  std::string shape, key;
  bool descending;
  uint64_t digest;
};

// Rosters of the benchmark's shapes, large enough to run on two threads:
// the reports are those of the one-thread implementation that came before.
TEST_F(RosterExtractTest, ShapedReportsAreThoseOfTheOneThreadImplementation) {
  const std::vector<ShapeDigestCase> cases = {
      {"levels", "名前", false, 0xc6c2a284cde353baull},
      {"levels", "剣士", true, 0x92cf7cef7835dd9eull},
      {"levels", "冒険者レベル", false, 0x54b65f37bfd8b7caull},
      {"levels", "命中力", true, 0xb7f22b26cbba5bacull},
      {"repeats", "名前", false, 0x19bcb73f4ed9488bull},
      {"repeats", "剣士", true, 0xbd634ee5dda627a9ull},
      {"repeats", "冒険者レベル", false, 0x567af971477f2743ull},
      {"repeats", "命中力", true, 0x5e29e7ba6ed1840dull},
      {"distinct", "名前", false, 0xd68dc45ba1635d73ull},
      {"distinct", "剣士", true, 0x469af7d634c327c1ull},
      {"distinct", "冒険者レベル", false, 0x36c960be7e9d28d9ull},
      {"distinct", "命中力", true, 0x56c43b3041e06187ull},
      {"remarks", "名前", false, 0x2883b9482815a06dull},
      {"remarks", "剣士", true, 0x1e430bae9f9cd40full},
      {"remarks", "冒険者レベル", false, 0xe52b2467ab2ca7cfull},
      {"remarks", "命中力", true, 0x25e6ba8b24230b6dull},
      {"short-names", "名前", false, 0x2dd1b84fb5d9cc37ull},
      {"short-names", "剣士", true, 0x622ef94ccbd24a5dull},
      {"short-names", "冒険者レベル", false, 0x7572f47b44fdb701ull},
      {"short-names", "命中力", true, 0x65e65720843e3931ull},
      {"full-width", "名前", false, 0x14ffe4506e5de265ull},
      {"full-width", "剣士", true, 0x815354336059d1cbull},
      {"full-width", "冒険者レベル", false, 0xff8b707d2a29e6b1ull},
      {"full-width", "命中力", true, 0xb98207db913266a1ull},
      {"padded", "名前", false, 0x2bb44b80fef6e8d5ull},
      {"padded", "剣士", true, 0x56e73f6a47009b2bull},
      {"padded", "冒険者レベル", false, 0xe90e2cf69c16ad01ull},
      {"padded", "命中力", true, 0x4730a8054177edd1ull},
  };
  std::string shape;
  const std::string file = (dir_ / "shaped").string();
  for (const ShapeDigestCase& c : cases) {
    if (c.shape != shape) {
      shape = c.shape;
      const std::string text = ShapedRoster(shape, 20000, 5);
      ASSERT_GT(text.size(), 1u << 20) << shape << " is too small for two threads";
      std::ofstream(file, std::ios::binary) << text;
    }
    const Result r = Run("--key '" + c.key + "' " + (c.descending ? "--descending " : "") + "'" + file + "'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Fnv1a(r.out), c.digest) << c.shape << " " << c.key << (c.descending ? " descending" : "");
  }
}

TEST_F(RosterExtractTest, HelpAndVersion) {
  const Result help = Run("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("usage: roster-extract"), std::string::npos);
  const Result version = Run("--version");
  EXPECT_EQ(version.out, std::string("roster-extract ") + ROSTER_VERSION + "\n");
}

}  // namespace
}  // namespace roster
