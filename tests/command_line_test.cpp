// roster-extract's options as read from its arguments.
#include <gtest/gtest.h>

#include "cli/command_line.h"

namespace roster {
namespace {

using Action = CommandLine::Action;

struct OptionCase {
  std::vector<std::string> arguments;
  Action action;
  // For a run: the options as "key|descending|catalogue|encoding|listKeys|summary quiet strict|output|inputs";
  // for a usage error: a part of its message.
  std::string expected;
};

std::string Describe(const ExtractOptions& o) {
  const char* encodings[] = {"auto", "cp932", "utf8"};
  std::string inputs;
  for (const std::string& input : o.inputs) inputs += (inputs.empty() ? "" : ",") + input;
  return o.key + "|" + (o.descending ? "desc" : "") + "|" + o.catalogue.value_or("(none)") + "|" +
         encodings[static_cast<int>(o.encoding)] + "|" + (o.listKeys ? "list" : "") + "|" + (o.summary ? "sum" : "") +
         (o.quiet ? " q" : "") + (o.strict ? " strict" : "") + "|" + o.output.value_or("(none)") + "|" + inputs;
}

TEST(ParseCommandLine, ReadsEveryOption) {
  const std::vector<OptionCase> cases = {
      {{}, Action::kRun, "||(none)|auto|||(none)|-"},
      {{"--key", "名前"}, Action::kRun, "名前||(none)|auto|||(none)|-"},
      {{"--key=名前"}, Action::kRun, "名前||(none)|auto|||(none)|-"},
      {{"--key="}, Action::kRun, "||(none)|auto|||(none)|-"},
      {{"--key", ""}, Action::kRun, "||(none)|auto|||(none)|-"},
      {{"--key", "--descending"}, Action::kRun, "--descending||(none)|auto|||(none)|-"},
      {{"-k", "名前"}, Action::kRun, "名前||(none)|auto|||(none)|-"},
      {{"-k名前"}, Action::kRun, "名前||(none)|auto|||(none)|-"},
      {{"-rk", "名前"}, Action::kRun, "名前|desc|(none)|auto|||(none)|-"},
      {{"-rk名前", "a.txt"}, Action::kRun, "名前|desc|(none)|auto|||(none)|a.txt"},
      {{"-r"}, Action::kRun, "|desc|(none)|auto|||(none)|-"},
      {{"--reverse"}, Action::kRun, "|desc|(none)|auto|||(none)|-"},
      {{"--desc"}, Action::kRun, "|desc|(none)|auto|||(none)|-"},
      {{"--descending", "--list-keys"}, Action::kRun, "|desc|(none)|auto|list||(none)|-"},
      {{"--summary", "roster.txt"}, Action::kRun, "||(none)|auto||sum|(none)|roster.txt"},
      {{"--catalogue", "skills.txt", "roster.txt"}, Action::kRun, "||skills.txt|auto|||(none)|roster.txt"},
      {{"--catalogue=skills.txt"}, Action::kRun, "||skills.txt|auto|||(none)|-"},
      {{"--encoding", "utf-8"}, Action::kRun, "||(none)|utf8|||(none)|-"},
      {{"-e", "cp932"}, Action::kRun, "||(none)|cp932|||(none)|-"},
      {{"-e", "UTF-8"}, Action::kRun, "||(none)|utf8|||(none)|-"},
      {{"--encoding=utf8", "--encoding", "auto"}, Action::kRun, "||(none)|auto|||(none)|-"},
      {{"--key", "a", "--key", "b"}, Action::kRun, "b||(none)|auto|||(none)|-"},
      {{"-o", "out.txt", "a.txt"}, Action::kRun, "||(none)|auto|||out.txt|a.txt"},
      {{"-oout.txt"}, Action::kRun, "||(none)|auto|||out.txt|-"},
      {{"--output=roster.txt", "roster.txt"}, Action::kRun, "||(none)|auto|||roster.txt|roster.txt"},
      {{"a.txt", "-", "b.txt"}, Action::kRun, "||(none)|auto|||(none)|a.txt,-,b.txt"},
      {{"-"}, Action::kRun, "||(none)|auto|||(none)|-"},
      {{"--", "-x"}, Action::kRun, "||(none)|auto|||(none)|-x"},
      {{"--", "--key", "-"}, Action::kRun, "||(none)|auto|||(none)|--key,-"},
      {{"roster.txt", "--descending"}, Action::kRun, "|desc|(none)|auto|||(none)|roster.txt"},
      {{"--help"}, Action::kHelp, ""},
      {{"-h"}, Action::kHelp, ""},
      {{"-rh"}, Action::kHelp, ""},
      {{"roster.txt", "--help", "--sideways"}, Action::kHelp, ""},
      {{"--sideways", "--help"}, Action::kHelp, ""},
      {{"--version"}, Action::kVersion, ""},
      {{"-V"}, Action::kVersion, ""},
      {{"--sideways"}, Action::kUsageError, "unknown option '--sideways'"},
      {{"-x"}, Action::kUsageError, "unknown option '-x'"},
      {{"-rx"}, Action::kUsageError, "unknown option '-rx'"},
      {{"-\xC3\xA9"}, Action::kUsageError, "unknown option '-\xC3\xA9'"},
      {{"--="}, Action::kUsageError, "unknown option '--='"},
      {{"--summary=yes"}, Action::kUsageError, "--summary takes no value"},
      {{"--s"}, Action::kUsageError, "--s is short for more than one option: --summary, --strict"},
      {{"-q", "--st", "--su"}, Action::kRun, "||(none)|auto||sum q strict|(none)|-"},
      {{"--key"}, Action::kUsageError, "--key needs a LABEL"},
      {{"-k"}, Action::kUsageError, "-k needs a LABEL"},
      {{"-o"}, Action::kUsageError, "-o needs a FILE"},
      {{"--catalogue"}, Action::kUsageError, "--catalogue needs a FILE"},
      {{"--encoding"}, Action::kUsageError, "--encoding needs an encoding"},
      {{"--encoding", "latin-1"}, Action::kUsageError, "--encoding takes auto, cp932 or utf-8"},
  };
  for (const OptionCase& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    const std::string what = testing::PrintToString(c.arguments);
    ASSERT_EQ(line.action, c.action) << what << " " << line.error;
    if (c.action == Action::kRun) {
      EXPECT_EQ(Describe(line.options), c.expected) << what;
    }
    if (c.action == Action::kUsageError) {
      EXPECT_NE(line.error.find(c.expected), std::string::npos) << what << ": " << line.error;
      EXPECT_NE(line.error.find("(see --help)"), std::string::npos) << what;
    }
  }
}

}  // namespace
}  // namespace roster
