// roster-extract's options, read from its arguments as sort(1) reads its
// own: short and long forms, "--opt=value", combined short flags.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace roster {

// How the input is read and the report written: detected from each input
// (CP932, UTF-8, UTF-16), or forced both ways.
enum class EncodingChoice { kAuto, kCp932, kUtf8 };

// What the report is written in, apart from how the input is read: as the
// input is (auto), or in the one named (UTF-16 little-endian, with a mark).
enum class OutputChoice { kAuto, kCp932, kUtf8, kUtf16 };

struct ExtractOptions {
  std::string key;                       // as typed, in the command line's bytes
  bool descending = false;
  std::optional<std::string> catalogue;  // default: looked for (FindSkillCatalogue)
  EncodingChoice encoding = EncodingChoice::kAuto;
  OutputChoice to = OutputChoice::kAuto;  // --to
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

// The form of what is written: the one --to names, else `report` for a
// report; text with no input to follow (the key list, the usage, the
// version) takes the one -e names, else the locale's, so that a pipe from
// it reads as the user's other text does.
TextForm OutputForm(const ExtractOptions& options, TextForm report);
TextForm OutputFormWithoutInput(const ExtractOptions& options, bool localeIsShiftJis);

}  // namespace roster
