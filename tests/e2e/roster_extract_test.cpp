// roster-extract run as a process: reports, line ends, encodings, messages
// and exit codes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "encoding/encoding.h"
#include "encoding/utf8.h"
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
  int exitCode;  // 128 + N: ended by signal N
  std::string out, err;
};

class RosterExtractTest : public testing::Test {
 protected:
  void SetUp() override {
    // One folder per process: other checkouts on the machine run these tests too.
    dir_ = fs::temp_directory_path() / ("roster_e2e_" + std::to_string(getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_ / "no-data");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the program in `cwd` (the source tree by default, where the sample
  // catalogue is) with `input` on standard input, after the shell commands
  // `before`; no installed catalogue is found unless `before` says where.
  // Standard output goes to `out` when one is given (it is not read back).
  Result Run(const std::string& args, const std::string& input = "", const fs::path& cwd = ROSTER_SOURCE_DIR,
             const std::string& before = "", const std::string& out = "") {
    std::ofstream(dir_ / "in", std::ios::binary) << input;
    const std::string command = "cd '" + cwd.string() + "' || exit 1; export XDG_DATA_DIRS='" +
                                (dir_ / "no-data").string() + "'; " + before + " '" + ROSTER_EXTRACT + "' " + args + " < '" +
                                (dir_ / "in").string() + "' > '" + (out.empty() ? (dir_ / "out").string() : out) +
                                "' 2> '" + (dir_ / "err").string() + "'";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), out.empty() ? ReadFile(dir_ / "out") : "", ReadFile(dir_ / "err")};
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }

  static std::string Data(const std::string& name) { return ReadFile(fs::path(ROSTER_SOURCE_DIR) / "tests/data" / name); }
  static std::string Sample() { return ReadFile(fs::path(ROSTER_SOURCE_DIR) / "examples/roster.txt"); }

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
// Lines are named FILE:LINE, counted in each file.
TEST_F(RosterExtractTest, SummaryOnStandardError) {
  const std::string a = Write("a.txt", "A|x||1/1|1| 1 p\nnote");
  const std::string b = Write("b.txt", "B|x||1/1|1| 1 p\r\nx\r\nA|x||2/2|2| 2 q\r\n");
  const std::vector<SummaryCase> cases = {
      {"", Sample(), "19 characters; 1 line with a name taken by a lower line; 1 other line skipped, at standard input:5\n"},
      {"examples/roster.txt", "",
       "19 characters; 1 line with a name taken by a lower line; 1 other line skipped, at examples/roster.txt:5\n"},
      {"--encoding utf-8", Data("roster.utf8.txt"),
       "19 characters; 1 line with a name taken by a lower line; 1 other line skipped, at standard input:5\n"},
      {"", "", "0 characters\n"},
      {"", "A|x||1/1|1| 1 p\nx\nA|x||1/1|1| 1 p\nA|x||1/1|1| 1 p\ny\n",
       "1 character; 2 lines with a name taken by a lower line; 2 other lines skipped, the first at standard input:2\n"},
      {"'" + b + "' '" + a + "'", "",
       "2 characters; 1 line with a name taken by a lower line; 2 other lines skipped, the first at " + b + ":2\n"},
      {"'" + a + "' - '" + b + "'", "y\r\n",
       "2 characters; 1 line with a name taken by a lower line; 3 other lines skipped, the first at " + a + ":2\n"},
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
  const Result lf = Run("--key " + kNameKeyCp932, ToLf(Sample()));
  EXPECT_EQ(lf.exitCode, 0);
  EXPECT_EQ(lf.out, ToLf(Data("roster_by_name.cp932.txt")));

  const Result empty = Run("");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, kHeaderLine + "\r\n");
}

TEST_F(RosterExtractTest, DirectionAndTypedKeys) {
  const Result ascending = Run("--key " + kNameKeyCp932, Sample());
  const Result descending = Run("--descending --key " + kNameKeyCp932, Sample());
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
}

struct KeyCase {
  const char* what;
  std::string args;    // the key, as the shell passes it
  std::string sameAs;  // the CP932 key whose report is expected; "": the order of no key
  bool note;           // a note names the keys
};

// The key is read as typed: UTF-8 from a terminal or CP932 from an old
// script, whichever names an entry of the key list. A key that names
// nothing sorts nothing, as in the window, and a note lists the keys.
TEST_F(RosterExtractTest, KeysAsTyped) {
  // ﾃｩ in CP932 is 0xC3 0xA9, which is also the UTF-8 of "é".
  const std::string catalogue = Write("skills.txt", "g,|\n\xC3\xA9,X\n剣士,剣\n");
  const std::string roster = Write("r.txt", "A|x|１２|1/1|1| 1 p\r\nB|x|２１|1/1|1| 1 q\r\nC|x|３|1/1|9| 1 r\r\n");
  const std::vector<KeyCase> cases = {
      {"UTF-8, as a terminal types it", "-k " + U8(u8"命中力"), "命中力", false},
      {"CP932, as old scripts pass it", "-k '命中力'", "命中力", false},
      {"a skill in UTF-8", "--key=" + U8(u8"剣士"), "剣士", false},
      {"half-width katakana that reads as UTF-8 too", "-k $(printf '\\303\\251')", "\xC3\xA9", false},
      {"a typo", "-k " + U8(u8"命中率"), "", true},
      {"a trailing blank", "-k '" + U8(u8"名前") + " '", "", true},
      {"no character of CP932", "--key=" + U8(u8"☃"), "", true},
      {"neither UTF-8 nor CP932", "-k $(printf '\\377')", "", true},
      {"the empty key", "-k ''", "", false},
  };
  for (const KeyCase& c : cases) {
    const Result r = Run("--catalogue '" + catalogue + "' " + c.args + " '" + roster + "'");
    const Result expected = Run("--catalogue '" + catalogue + "' --key '" + c.sameAs + "' '" + roster + "'");
    EXPECT_EQ(r.exitCode, 0) << c.what;
    EXPECT_EQ(r.out, expected.out) << c.what;
    EXPECT_EQ(r.err.find("names no entry of the key list") != std::string::npos, c.note) << c.what << ": " << r.err;
    if (c.note) {
      EXPECT_NE(r.err.find(U8(u8"名前, 種族, 性別, 冒険者レベル, g, ﾃｩ, 剣士, 命中力")), std::string::npos) << r.err;
      EXPECT_TRUE(IsUtf8(r.err)) << r.err;
    }
  }
  // A group heading is in the list, but every character holds a group
  // marker there: it sorts nothing, and says so.
  const Result group = Run("--catalogue '" + catalogue + "' -k g '" + roster + "'");
  EXPECT_EQ(group.out, Run("--catalogue '" + catalogue + "' '" + roster + "'").out);
  EXPECT_NE(group.err.find("\"g\" is a group heading of the catalogue"), std::string::npos) << group.err;
  // The keys above do sort: a skill and the hit value give other orders.
  EXPECT_NE(Run("--catalogue '" + catalogue + "' -k '剣士' '" + roster + "'").out,
            Run("--catalogue '" + catalogue + "' -k '命中力' '" + roster + "'").out);
}

struct NoInputCase {
  std::string locale, args;
  bool cp932;  // else UTF-8
};

// Text that no input follows is written in the locale's encoding, so that
// `--list-keys | grep 名前` finds it, unless --to or -e names another.
TEST_F(RosterExtractTest, ListKeysInTheLocalesEncoding) {
  // A Shift_JIS locale of our own: the system has none made. glibc's
  // newlocale keeps LOCPATH's folder list for good, which LeakSanitizer
  // would take for the program's leak.
  const std::string make = "localedef -c -i ja_JP -f SHIFT_JIS '" + (dir_ / "ja_JP.SJIS").string() + "' 2>/dev/null";
  std::system(make.c_str());
  ASSERT_TRUE(fs::exists(dir_ / "ja_JP.SJIS")) << make;
  const std::string shiftJis = "export LOCPATH='" + dir_.string() + "' LC_ALL=ja_JP.SJIS ASAN_OPTIONS=detect_leaks=0;";
  const std::vector<NoInputCase> cases = {
      {"export LC_ALL=C.UTF-8;", "--list-keys", false},    {"export LC_ALL=C;", "--list-keys", false},
      {shiftJis, "--list-keys", true},                     {shiftJis, "--list-keys -e utf-8", false},
      {"export LC_ALL=C.UTF-8;", "--list-keys -e cp932", true}, {shiftJis, "--list-keys --to=utf-8", false},
      {shiftJis, "--help", true},
  };
  for (const NoInputCase& c : cases) {
    const Result r = Run(c.args, "", ROSTER_SOURCE_DIR, c.locale);
    EXPECT_EQ(r.exitCode, 0) << c.locale << c.args << ": " << r.err;
    const std::string utf8 = c.args == "--help" ? Run("--help").out : Data("keys.utf8.txt");
    EXPECT_EQ(r.out, c.cp932 ? Cp932FromUtf8(utf8) : utf8) << c.locale << c.args;
  }
  EXPECT_EQ(Data("keys.utf8.txt").substr(0, 8), U8(u8"\n名前\n"));
}

// UTF-16 little-endian bytes of CP932 text.
std::string Utf16Of(std::string_view cp932) {
  std::string units;
  for (wchar_t c : WideFromCp932(cp932)) {
    units.push_back(static_cast<char>(c & 0xFF));
    units.push_back(static_cast<char>((c >> 8) & 0xFF));
  }
  return units;
}

struct EncodingCase {
  const char* what;
  std::string input;     // the file
  std::string args;
  std::string expected;  // the report
};

// Each input is read as it is written, and the report written the same way
// (a byte-order mark and the line ends kept); a terminal gets UTF-8.
TEST_F(RosterExtractTest, EncodingsDetected) {
  const std::string byName = Data("roster_by_name.utf8.txt"), byNameCp932 = Data("roster_by_name.cp932.txt");
  const std::string ascii = "A|x||1/1|1| 1 p\r\n";
  const std::string asciiReport = kHeaderLine + "\r\nA 　　　　|x||　1/　1|１/０/０/０| 1 p\r\n";
  const std::vector<EncodingCase> cases = {
      {"CP932", Sample(), "-k " + U8(u8"名前"), byNameCp932},
      {"UTF-8 without a mark", Data("roster.utf8.txt"), "-k " + U8(u8"名前"), byName},
      {"UTF-8 with a mark, CRLF", "\xEF\xBB\xBF" + Utf8FromCp932(Sample()), "-k " + U8(u8"名前"),
       "\xEF\xBB\xBF" + Utf8FromCp932(byNameCp932)},
      {"ASCII only", ascii, "", asciiReport},
      {"UTF-16 with a mark", "\xFF\xFE" + Utf16Of(ascii), "", "\xFF\xFE" + Utf16Of(asciiReport)},
      {"forced CP932 keeps the bytes", ascii + Data("roster.utf8.txt"), "-e cp932",
       Run("-e cp932", ascii + Data("roster.utf8.txt")).out},
      {"CP932 to UTF-8", Sample(), "--to=utf-8 -k " + U8(u8"名前"), Utf8FromCp932(byNameCp932)},
      {"CP932 to UTF-16", Sample(), "--to utf-16 -k " + U8(u8"名前"), "\xFF\xFE" + Utf16Of(byNameCp932)},
  };
  for (const EncodingCase& c : cases) {
    const std::string file = Write("roster.txt", c.input);
    const Result r = Run(c.args + " '" + file + "'");
    EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
    EXPECT_EQ(r.out, c.expected) << c.what;
  }
  EXPECT_NE(Run("-e cp932", ascii + Data("roster.utf8.txt")).out, Run("", ascii + Data("roster.utf8.txt")).out);
  // The report takes the form and the line ends of the first input beyond
  // ASCII.
  Write("lf.txt", "A|x||1/1|1| 1 p\n");
  Write("crlf8.txt", "\xEF\xBB\xBF" + Utf8FromCp932(Sample()));
  const std::string mixed = Run("-k " + U8(u8"名前") + " lf.txt crlf8.txt", "", dir_).out;
  EXPECT_EQ(mixed.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(mixed.substr(mixed.find('\n') - 1, 2), "\r\n");
  EXPECT_NE(mixed.find(U8(u8"アルス")), std::string::npos);
  // --to names the form of -o's file too.
  EXPECT_EQ(Run("--to=utf-8 -o '" + (dir_ / "to.txt").string() + "' -k " + U8(u8"名前") + " examples/roster.txt").exitCode, 0);
  EXPECT_EQ(ReadFile(dir_ / "to.txt"), Utf8FromCp932(byNameCp932));
  // On a terminal the report reads right: UTF-8, whatever the file holds,
  // unless --to names another form.
  for (const std::string to : {"", "--to=cp932 "}) {
    const std::string command = "script -qec \"cd '" + std::string(ROSTER_SOURCE_DIR) +
                                "' && XDG_DATA_DIRS=/nonexistent '" + ROSTER_EXTRACT + "' " + to + "-k " + U8(u8"名前") +
                                " examples/roster.txt\" /dev/null > '" + (dir_ / "tty").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string shown = ReadFile(dir_ / "tty");
    shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());
    EXPECT_EQ(shown, to.empty() ? byName : ToLf(byNameCp932)) << to;
  }
}

struct FailureCase {
  const char* what;
  std::string args, input;
  int exitCode;
  std::string messagePart;
  std::string before = "";  // shell commands before the run
};

// Whether the program runs under AddressSanitizer, whose shadow memory no
// limit of the address space leaves room for.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

TEST_F(RosterExtractTest, ExitCodesAndMessages) {
  const std::string snowman = Write("snow.txt", U8(u8"剣士,剣\n雪,☃\n"));
  const std::string madeOne = "ジョン・ハート|x||1/1|1| 1 p\nレオン・ハート|x||1/1|1| 1 p\n";
  const std::string kept = Write("kept.txt", madeOne);
  const std::string huge = (dir_ / "huge.txt").string();
  std::string twelve;
  for (int i = 1; i <= 12; ++i) twelve += "A" + std::to_string(i) + "|x|1|1/1|1| 1 p\n";
  const std::vector<FailureCase> cases = {
      {"invalid UTF-8", "--encoding utf-8", "ok\nbad \xFF here\n", 1, "standard input:2: invalid UTF-8 (byte 0xFF)"},
      {"no CP932 form", "--encoding utf-8", U8(u8"a\nb\n☃\n"), 1, "standard input:3: the character U+2603"},
      {"no CP932 form, detected", "", U8(u8"名前\nb\n☃\n"), 1, U8(u8"standard input:3: the character U+2603 \"☃\"")},
      {"no CP932 form in UTF-16", "", std::string("\xFF\xFE" "a\0\n\0\x03\x26", 8), 1,
       "standard input:2: the character U+2603"},
      {"a surrogate pair in UTF-16", "", std::string("\xFF\xFE" "a\0\n\0\x3D\xD8\x00\xDE", 10), 1,
       "standard input:2: the character U+1F600"},
      {"missing input file", "no-such-file.txt", "", 2, "cannot read no-such-file.txt: No such file"},
      {"missing second file", "examples/roster.txt no-such-file.txt", "", 2, "cannot read no-such-file.txt: No such file"},
      {"directory as input", "examples", "", 2, "cannot read examples: Is a directory"},
      {"unknown option", "--sideways", "", 2, "unknown option '--sideways'"},
      {"bad encoding", "--encoding latin-1", "", 2, "--encoding takes auto, cp932 or utf-8"},
      {"bad output encoding", "--to utf-32", "", 2, "--to takes auto, cp932, utf-8 or utf-16"},
      {"key without label", "--key", "", 2, "--key needs a LABEL"},
      {"missing catalogue", "--catalogue nothing.txt", "", 2, "cannot read catalogue nothing.txt: No such file"},
      {"catalogue without a row", "--catalogue '" + Write("spaces.txt", "剣士 剣\n") + "'", "", 2,
       U8(u8"spaces.txt: no line is a 名前,見出し:説明 row")},
      {"catalogue without CP932 forms", "--catalogue '" + snowman + "'", "", 2,
       U8(u8"snow.txt: line 2: the character U+2603 \"☃\" has no Shift_JIS (CP932) form")},
      {"UTF-8 with a damaged byte", "", U8(u8"アルス|人間男||1/1|1| 1 p\nルナ|人間女||2/2|2| 2 q\nRen\xE9|x||3/3|3| 3 r\n"), 1,
       "standard input:3: this looks like UTF-8 with a damaged byte"},
      {"UTF-16 without a byte-order mark", "", std::string("A\0|\0x\0|\0|\0" "1\0/\0" "1\0|\0" "1\0 \0" "1\0\r\0\n\0", 28),
       1, "standard input:1: this looks like UTF-16LE without a byte-order mark, which read as Shift_JIS would garble "
       "every character; not read (save it with a byte-order mark, or as UTF-8 or Shift_JIS)"},
      {"UTF-16 without a byte-order mark, \"\\n\" line ends", "", std::string("A\0|\0x\0|\0|\0" "1\0/\0" "1\0|\0" "1\0 \0" "1\0\n\0", 26),
       1, "standard input:1: this looks like UTF-16LE without a byte-order mark"},
      {"a NUL", "--encoding cp932", std::string("A|x||1/1|1| 1 p\r\nB\0", 20), 1, "standard input:2: a NUL byte"},
      {"a UTF-8 line in a Shift_JIS file", "", std::string("アルス|人間男||1/1|1| 1 p\n") + U8(u8"ルナ|人間女||2/2|2| 2 q\n"), 1,
       "standard input:2: line 2 is UTF-8 in a Shift_JIS file; not read (--encoding cp932 reads it as Shift_JIS all the same)"},
      {"a UTF-8 line above Shift_JIS ones", "", U8(u8"ルナ|人間女||2/2|2| 2 q\n") + "アルス|人間男||1/1|1| 1 p\nエマ|森人女||3/3|3| 3 r\n", 1,
       "standard input:1: line 1 is UTF-8 in a Shift_JIS file; not read"},
      {"output into a missing folder", "-o no-such-folder/out.txt", "", 2,
       "cannot write no-such-folder/out.txt: cannot create a temporary file in no-such-folder/: No such file"},
      {"a full disk", "examples/roster.txt", "", 2, "cannot write standard output: No space left on device"},
      {"help to a full disk", "--help", "", 2, "cannot write standard output: No space left on device"},
      {"version to a full disk", "-V", "", 2, "cannot write standard output: No space left on device"},
      {"out of memory", "", RosterGenerator(2).NextRoster(40000), 2, "roster-extract: out of memory while ",
       "ulimit -v 16000;"},
      {"out of memory while reading", "'" + huge + "'", "", 2, "roster-extract: out of memory while reading " + huge + " (31 MB)",
       "truncate -s 30M '" + huge + "'; ulimit -v 16000;"},
      {"an ambiguous prefix", "--s", "", 2, "--s is short for more than one option: --summary, --strict"},
      {"--strict: a warning, nothing written", "--strict", U8(u8"A|x||1/1|1| 1 p\nタロウ|人間男|３\n"), 1,
       U8(u8"standard input:2: warning: not a character (too few cells): タロウ|人間男|３\n")},
      {"--strict -o: the file stays as it was", "--strict -o '" + kept + "' '" + kept + "'", "", 1,
       kept + U8(u8":1: warning: two names made one: ジョン・ハート and レオン・ハート at ") + kept + U8(u8":2 both become ン・ハート")},
      {"ten warnings, then how many more", "--strict", twelve, 1, ":10: warning: a skill cell of an odd number of bytes, "
       "read two bytes to a level: A10|x|1|1/1|1| 1 p\nroster-extract: 2 more warnings\n"},
      {"-q: no warnings", "-q --strict", twelve, 1, "roster-extract: --strict: a line was lost or changed"},
      {"--strict: a byte the UTF-8 report cannot hold", "--strict '" + Write("u8.txt", U8(u8"ア|x||1/1|1| 1 p\n")) + "' '" +
       Write("stray.txt", "B\x80|x||1/1|1| 1 p\n") + "'", "", 1, "or the catalogue), the first at standard output:2, so nothing"},
  };
  for (const FailureCase& c : cases) {
    if (kSanitized && !c.before.empty()) continue;
    const bool full = std::string_view(c.what).ends_with("full disk");
    const Result r = Run(c.args, c.input, ROSTER_SOURCE_DIR, c.before, full ? "/dev/full" : "");
    EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err;
    EXPECT_EQ(r.out, "") << c.what;
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << c.what << ": " << r.err;
    if (c.args.starts_with("-q")) {
      EXPECT_EQ(r.err.find("warning"), std::string::npos) << r.err;
    }
  }
  EXPECT_EQ(ReadFile(kept), madeOne);
}

// Polls until `path` holds `expected` (a reader of a pipe finishes on its own time).
bool WaitForFile(const std::string& path, const std::string& expected) {
  for (int i = 0; i < 200 && ReadFile(path) != expected; ++i) std::system("sleep 0.05");
  return ReadFile(path) == expected;
}

// Several files are one text, as if pasted in that order; -o replaces its
// file only once the whole report is written, keeping its mode, and may be
// one of the inputs.
TEST_F(RosterExtractTest, SeveralFilesAndOutputInPlace) {
  const std::string a = Write("a.txt", "A|x||1/1|1| 1 first\r\nB|x||2/2|2| 2 bee");  // no last line end
  const std::string b = Write("b.txt", "A|x||3/3|3| 3 second\r\n");
  const Result both = Run("-k " + U8(u8"名前") + " a.txt b.txt", "", dir_);
  EXPECT_EQ(both.out, Run("-k " + U8(u8"名前"), ReadFile(a) + "\r\n" + ReadFile(b), dir_).out);
  EXPECT_NE(both.out.find("second"), std::string::npos) << both.out;
  EXPECT_NE(both.out.find("bee"), std::string::npos) << both.out;
  // A large first file, which alone would be mapped, is read with the next.
  std::string large = RosterGenerator(2).NextRoster(40000);
  large.resize(large.rfind("\r\n"));
  ASSERT_GT(large.size(), 1u << 20);
  Write("large.txt", large);
  EXPECT_EQ(Run("large.txt b.txt", "", dir_).out, Run("", large + "\r\n" + ReadFile(b), dir_).out);
  fs::remove(dir_ / "large.txt");

  chmod(a.c_str(), 0640);
  const Result inPlace = Run("-o a.txt -k " + U8(u8"名前") + " a.txt b.txt", "", dir_);
  EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err;
  EXPECT_EQ(inPlace.out, "");
  EXPECT_EQ(ReadFile(a), both.out);
  struct stat info {};
  ASSERT_EQ(stat(a.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  // A file with another hard link is written in place, so the link sees
  // the report too; a pipe and a device are written to, not replaced.
  fs::create_hard_link(a, dir_ / "link.txt");
  EXPECT_EQ(Run("-o link.txt b.txt", "", dir_).exitCode, 0);
  EXPECT_EQ(ReadFile(a), ReadFile(dir_ / "link.txt"));
  EXPECT_NE(ReadFile(a).find("second"), std::string::npos);
  fs::remove(dir_ / "link.txt");
  // A link to no file has its target made, as sort -o does. A folder that
  // takes no new file has a file that may be written written in place, and
  // a new one named with the folder's reason (root runs it as nobody, as no
  // folder refuses root).
  fs::create_symlink("made.txt", dir_ / "dangling");
  EXPECT_EQ(Run("-o dangling b.txt", "", dir_).exitCode, 0);
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling"));
  EXPECT_EQ(ReadFile(dir_ / "made.txt"), Run("b.txt", "", dir_).out);
  fs::remove(dir_ / "dangling");
  fs::remove(dir_ / "made.txt");
  {
    const std::string user = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    fs::create_directory(dir_ / "ro");
    Write("ro/r.txt", ReadFile(b));
    fs::permissions(dir_ / "ro/r.txt", fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec);
    fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    const Result inPlace = Run("-o ro/r.txt ro/r.txt", "", dir_, user);
    EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err;
    EXPECT_EQ(ReadFile(dir_ / "ro/r.txt"), Run("b.txt", "", dir_).out);
    const Result refused = Run("-o ro/new.txt b.txt", "", dir_, user);
    EXPECT_NE(refused.err.find("cannot create a temporary file in ro/: Permission denied"), std::string::npos)
        << refused.err;
    fs::permissions(dir_ / "ro", fs::perms::owner_all);
    fs::remove_all(dir_ / "ro");
  }
  ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  const std::string fromFifo = (dir_ / "from-fifo").string();
  const Result toFifo = Run("-o fifo b.txt", "", dir_, "(cat fifo > '" + fromFifo + "') &");
  EXPECT_EQ(toFifo.exitCode, 0) << toFifo.err;
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo"));
  EXPECT_TRUE(WaitForFile(fromFifo, Run("b.txt", "", dir_).out)) << ReadFile(fromFifo);
  fs::remove(dir_ / "fifo");
  fs::remove(fromFifo);
  const Result full = Run("-o /dev/full b.txt", "", dir_);
  EXPECT_EQ(full.exitCode, 2);
  EXPECT_NE(full.err.find("cannot write /dev/full: No space left on device"), std::string::npos) << full.err;
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  // A reader that goes away early (head) ends the program without a word.
  const std::string head = "cd '" + dir_.string() + "' && XDG_DATA_DIRS=/nonexistent '" + ROSTER_EXTRACT +
                           "' --catalogue /dev/null big.txt 2> head-err | head -c 10 > /dev/null";
  Write("big.txt", RosterGenerator(2).NextRoster(40000));
  ASSERT_EQ(std::system(head.c_str()), 0);
  EXPECT_EQ(ReadFile(dir_ / "head-err"), "");
  fs::remove(dir_ / "head-err");

  // The report outgrows the file-size limit, or the memory runs out: the
  // file stays as it was.
  const std::string before = Write("c.txt", "C|x||1/1|1| 1 c\r\n");
  for (const auto& [limit, message] : {std::pair{"ulimit -f 8;", "cannot write c.txt: File too large"},
                                       std::pair{"ulimit -v 16000;", "out of memory while "}}) {
    if (kSanitized && std::string_view(limit).starts_with("ulimit -v")) continue;
    const Result failed = Run("-o c.txt big.txt", "", dir_, limit);
    EXPECT_EQ(failed.exitCode, 2) << limit;
    EXPECT_NE(failed.err.find(message), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(before), "C|x||1/1|1| 1 c\r\n");
  }
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++files;
  EXPECT_EQ(files, 8u) << "a temporary file is left";  // no-data, in, out, err, a, b, c, big
}

// A file cut while it is read is named, never read half (nor a signal),
// and nothing is written, not even a byte-order mark.
TEST_F(RosterExtractTest, AFileCutWhileReadEndsWithoutASignal) {
  const std::string roster = RosterGenerator(8).NextRoster(300000);
  // The report of the whole file, or of what is left when the cut comes
  // before the run opens it.
  const std::string whole = Run("--to utf-16", roster, dir_).out, cut = Run("--to utf-16", roster.substr(0, 1000), dir_).out;
  for (const bool named : {true, false}) {
    for (const char* delay : {"0", "0.01", "0.03", "0.06", "0.1"}) {
      // Named, or standard input redirected from the file.
      const std::string file = named ? Write("shrinking.txt", roster) : (dir_ / "in").string();
      const Result r = Run(named ? "--to utf-16 '" + file + "'" : "--to utf-16", named ? "" : roster, dir_,
                           std::string("(sleep ") + delay + "; truncate -s 1000 '" + file + "') &");
      EXPECT_TRUE((r.exitCode == 0 && (r.out == whole || r.out == cut)) ||
                  (r.exitCode == 2 && r.err.find("changed while it was read") != std::string::npos && r.out.empty()))
          << (named ? "named" : "standard input") << ", after " << delay << " s: exit " << r.exitCode << ", "
          << r.out.size() << " bytes of " << whole.size() << " " << r.err;
    }
  }
}

// SIGTERM, SIGINT or SIGHUP while -o writes its temporary file removes it;
// the program ends by the signal and the file stays as it was.
TEST_F(RosterExtractTest, ASignalDuringOutputLeavesNothingBehind) {
  Write("big.txt", RosterGenerator(8).NextRoster(300000));
  int ended = 0;
  for (const char* signal : {"TERM", "INT", "HUP", "TERM", "INT", "HUP"}) {
    Write("c.txt", "C|x||1/1|1| 1 c\r\n");
    // The signal is sent as soon as the temporary file stands.
    const std::string command = "cd '" + dir_.string() + "' && bash -c 'set -m; XDG_DATA_DIRS=/nonexistent \"" +
                                ROSTER_EXTRACT + "\" -o c.txt big.txt & pid=$!; " +
                                "while kill -0 $pid 2>/dev/null && ! compgen -G \".roster-*\" >/dev/null; do :; done; " +
                                "kill -" + signal + " $pid; wait $pid; echo $? > status'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string status = ReadFile(dir_ / "status");
    if (status != "0\n") {
      ++ended;
      EXPECT_EQ(ReadFile(dir_ / "c.txt"), "C|x||1/1|1| 1 c\r\n") << signal;
      EXPECT_TRUE(status == "143\n" || status == "130\n" || status == "129\n") << signal << " " << status;
    }
    for (const auto& entry : fs::directory_iterator(dir_)) {
      EXPECT_FALSE(entry.path().filename().string().starts_with(".roster-")) << signal << " left " << entry.path();
    }
  }
  EXPECT_GT(ended, 0) << "no signal came while the report was written";
}

// Installed, the catalogue is found in the data folder; beside the program,
// from any working directory; where there is none, the note says where it
// looked and the header has no skill columns, like every row.
TEST_F(RosterExtractTest, CatalogueWhereAnInstalledToolLooks) {
  const std::string sample = "'" + std::string(ROSTER_SOURCE_DIR) + "/examples/roster.txt'";
  fs::create_directories(dir_ / "share/roster");
  fs::copy_file(fs::path(ROSTER_SOURCE_DIR) / U8(u8"Database/技能.txt"), dir_ / "share/roster" / U8(u8"技能.txt"));
  const Result installed =
      Run("-k " + U8(u8"名前") + " " + sample, "", dir_, "export XDG_DATA_DIRS='" + (dir_ / "share").string() + "';");
  EXPECT_EQ(installed.out, Data("roster_by_name.cp932.txt"));
  EXPECT_EQ(installed.err, "");

  // A damaged catalogue at an earlier place is named, and the search goes
  // on; lines of a catalogue that are no rows are counted.
  fs::create_directories(dir_ / "Database");
  std::ofstream(dir_ / "Database" / U8(u8"技能.txt"), std::ios::binary) << "剣士 剣 説明\r\n槍兵 槍\r\n";
  const Result damaged =
      Run("-k " + U8(u8"名前") + " " + sample, "", dir_, "export XDG_DATA_DIRS='" + (dir_ / "share").string() + "';");
  EXPECT_EQ(damaged.out, installed.out);
  EXPECT_EQ(damaged.err, U8(u8"roster-extract: note: catalogue Database/技能.txt: no line is a 名前,見出し:説明 row; using ") +
                            (dir_ / "share/roster" / U8(u8"技能.txt")).string() + " instead\n");
  const std::string rows = Write("rows.txt", "剣士,剣:x\nno row\n\n槍 兵\n");
  EXPECT_NE(Run("--catalogue '" + rows + "' " + sample).err.find(U8(u8": 2 lines are not 名前,見出し:説明 rows, the first at line 2")),
            std::string::npos);

  fs::create_directories(dir_ / "bin/Database");
  fs::copy_file(ROSTER_EXTRACT, dir_ / "bin/roster-extract");
  fs::copy_file(fs::path(ROSTER_SOURCE_DIR) / U8(u8"Database/技能.txt"), dir_ / "bin/Database" / U8(u8"技能.txt"));
  const std::string beside = "cd '" + dir_.string() + "' && XDG_DATA_DIRS=/nonexistent bin/roster-extract -k " +
                             U8(u8"名前") + " " + sample + " > out 2> err";
  ASSERT_EQ(std::system(beside.c_str()), 0);
  EXPECT_EQ(ReadFile(dir_ / "out"), Data("roster_by_name.cp932.txt"));

  // What a person reads on the terminal is UTF-8, whatever the encoding of
  // the report, and names the catalogue file in Japanese.
  for (const std::string encoding : {"cp932", "utf-8"}) {
    const Result r = Run("--encoding " + encoding, "", dir_);
    EXPECT_EQ(r.exitCode, 0);
    const std::string header = "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》";
    EXPECT_EQ(r.out, encoding == "cp932" ? header + "\r\n" : Utf8FromCp932(header) + "\n");
    EXPECT_NE(r.err.find("no skill columns"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(U8(u8"Database/技能.txt")), std::string::npos) << r.err;
    EXPECT_NE(r.err.find((dir_ / "no-data").string() + U8(u8"/roster/技能.txt")), std::string::npos) << r.err;
    EXPECT_TRUE(IsUtf8(r.err)) << r.err;
  }
  const Result help = Run("--help");
  EXPECT_NE(help.out.find(U8(u8"Database/技能.txt")), std::string::npos) << help.out;
  EXPECT_TRUE(IsUtf8(help.out));
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
// four later ones (a name never holds a line break; a name ending in a
// stray lead byte is filled with " "; a row without skill cells keeps one
// empty cell, which 37 of its 2,850 rows need; cells after the last cell
// end the remarks, which 349 of its rows hold).
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
      {0, "", false, 0x4df4b76db68abbc2ull}, {0, "", true, 0x648986fc15fef938ull},
      {0, "名前", false, 0x2b1b063cae248a66ull}, {0, "名前", true, 0xd7eeb044c3ea8074ull},
      {0, "種族", false, 0xe61863d92f6517e6ull}, {0, "種族", true, 0x753c29258faeb2c4ull},
      {0, "性別", false, 0x2e4ed2fb815a3452ull}, {0, "性別", true, 0x8bfcae3624fd72acull},
      {0, "冒険者レベル", false, 0x452ef38befe28266ull}, {0, "冒険者レベル", true, 0xe59ffc4931fd60c4ull},
      {0, "剣士", false, 0x73efb49e0f3ad05cull}, {0, "剣士", true, 0x6ec8ac6d97d7bb62ull},
      {0, "命中力", false, 0x919beaf13b191fb2ull}, {0, "命中力", true, 0xdb2689e375ed2bd4ull},
      {0, "プレイヤー名", false, 0x9945593f5a04e458ull}, {0, "プレイヤー名", true, 0xa16b42c87d0544aaull},
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
