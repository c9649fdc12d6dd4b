// roster-extract's options as read from its arguments.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace roster {
namespace {

using Action = CommandLine::Action;

struct OptionCase {
  std::vector<std::string> arguments;
  Action action;
  // For a run: the options as "key|descending|catalogue|utf8|listKeys|summary|input";
  // for a usage error: a part of its message.
  std::string expected;
};

std::string Describe(const ExtractOptions& o) {
  return o.key + "|" + (o.descending ? "desc" : "") + "|" + o.catalogue.value_or("(none)") + "|" +
         (o.utf8 ? "utf8" : "") + "|" + (o.listKeys ? "list" : "") + "|" + (o.summary ? "sum" : "") + "|" + o.input;
}

TEST(ParseCommandLine, ReadsEveryOption) {
  const std::vector<OptionCase> cases = {
      {{}, Action::kRun, "||(none)||||-"},
      {{"--key", "名前"}, Action::kRun, "名前||(none)||||-"},
      {{"--key", ""}, Action::kRun, "||(none)||||-"},
      {{"--key", "--descending"}, Action::kRun, "--descending||(none)||||-"},
      {{"--descending", "--list-keys"}, Action::kRun, "|desc|(none)||list||-"},
      {{"--summary", "roster.txt"}, Action::kRun, "||(none)|||sum|roster.txt"},
      {{"--catalogue", "skills.txt", "roster.txt"}, Action::kRun, "||skills.txt||||roster.txt"},
      {{"--encoding", "utf-8"}, Action::kRun, "||(none)|utf8|||-"},
      {{"--encoding", "utf-8", "--encoding", "cp932"}, Action::kRun, "||(none)||||-"},
      {{"--key", "a", "--key", "b"}, Action::kRun, "b||(none)||||-"},
      {{"-"}, Action::kRun, "||(none)||||-"},
      {{"--", "-x"}, Action::kRun, "||(none)||||-x"},
      {{"--", "--key"}, Action::kRun, "||(none)||||--key"},
      {{"roster.txt", "--descending"}, Action::kRun, "|desc|(none)||||roster.txt"},
      {{"--help"}, Action::kHelp, ""},
      {{"-h"}, Action::kHelp, ""},
      {{"roster.txt", "--help", "--sideways"}, Action::kHelp, ""},
      {{"--version"}, Action::kVersion, ""},
      {{"--sideways"}, Action::kUsageError, "unknown option --sideways"},
      {{"-x"}, Action::kUsageError, "unknown option -x"},
      {{"--key=名前"}, Action::kUsageError, "unknown option --key="},
      {{"--key"}, Action::kUsageError, "--key needs a LABEL"},
      {{"--catalogue"}, Action::kUsageError, "--catalogue needs a FILE"},
      {{"--encoding"}, Action::kUsageError, "--encoding takes cp932 or utf-8"},
      {{"--encoding", "latin-1"}, Action::kUsageError, "--encoding takes cp932 or utf-8"},
      {{"a", "b"}, Action::kUsageError, "more than one input FILE"},
      {{"-", "--", "-"}, Action::kUsageError, "more than one input FILE"},
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
