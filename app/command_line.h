// roster-extract's options, read from its arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

struct ExtractOptions {
  std::string key;                       // as typed into the sort box
  bool descending = false;
  std::optional<std::string> catalogue;  // default: the file below the working directory
  bool utf8 = false;                     // --encoding utf-8
  bool listKeys = false;
  bool summary = false;                  // the run's counts on standard error
  std::string input = "-";               // "-": standard input
};

// What the arguments ask for: a run with the options, the usage or the
// version printed, or a usage error with its message (exit code 2).
struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  ExtractOptions options;
  std::string error;
};

// An option given twice takes its last value; "--" ends the options, so a
// file whose name starts with "-" can follow; "-" alone is standard input.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints, UTF-8.
std::string_view UsageText();

}  // namespace roster
