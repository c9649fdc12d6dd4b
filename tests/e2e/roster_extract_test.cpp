// roster-extract run as a process: reports, line ends, encodings, messages
// and exit codes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

TEST_F(RosterExtractTest, MissingDefaultCatalogueIsOnlyANote) {
  const Result r = Run("", "", dir_);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "名前　　　|種族　| HP/ MP|命/回/防/魔|《戦闘特技》\r\n");
  EXPECT_NE(r.err.find("no skill columns"), std::string::npos) << r.err;
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
