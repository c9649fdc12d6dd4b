// roster-extract's options, read from its arguments as sort(1) reads its
// own: short and long forms, "--opt=value", combined short flags.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// How the input is read and the report written: detected from each input
// (CP932, UTF-8, UTF-16), or forced both ways.
enum class EncodingChoice { kAuto, kCp932, kUtf8 };

struct ExtractOptions {
  std::string key;                       // as typed, in the command line's bytes
  bool descending = false;
  std::optional<std::string> catalogue;  // default: looked for (FindSkillCatalogue)
  EncodingChoice encoding = EncodingChoice::kAuto;
  std::optional<std::string> output;     // -o: the file replaced by the report
  bool listKeys = false;
  bool summary = false;                  // the run's counts on standard error
  bool quiet = false;                    // no warnings about lines
  bool strict = false;                   // a warning about a line fails the run, and nothing is written
  std::vector<std::string> inputs = {"-"};  // read one after another; "-": standard input
};

// What the arguments ask for: a run with the options, the usage or the
// version printed, or a usage error with its message (exit code 2).
struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  ExtractOptions options;
  std::string error;
};

// An option given twice takes its last value; a long option may be cut to
// any prefix that names it alone (one that names two is a usage error); "--" ends the options, so a file whose
// name starts with "-" can follow; "-" alone is standard input.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints, UTF-8.
std::string_view UsageText();

}  // namespace roster
