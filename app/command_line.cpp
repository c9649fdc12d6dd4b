#include "app/command_line.h"

#include "platform/utf8.h"

namespace roster {
namespace {

constexpr std::u8string_view kUsage =
    u8"usage: roster-extract [--key LABEL] [--descending] [--catalogue FILE]\n"
    u8"                      [--encoding cp932|utf-8] [--list-keys] [--summary] [FILE]\n"
    u8"\n"
    u8"Performs one Extract on the roster in FILE (or standard input when FILE\n"
    u8"is absent or \"-\") and prints the report.\n"
    u8"\n"
    u8"  --key LABEL         sort key, as typed into the sort box (default: none)\n"
    u8"  --descending        descending order (default: ascending)\n"
    u8"  --catalogue FILE    skill catalogue (default: Database/技能.txt below the\n"
    u8"                      working directory)\n"
    u8"  --encoding ENC      cp932 (default): input, LABEL and output are Shift_JIS;\n"
    u8"                      utf-8: they are UTF-8, output lines end in \"\\n\"\n"
    u8"  --list-keys         print the sort-key list, one per line, and exit\n"
    u8"  --summary           after the report, say on standard error how many\n"
    u8"                      characters were kept and lines merged or skipped\n"
    u8"  --version           print the version and exit\n"
    u8"  --help              print this help and exit\n"
    u8"  --                  what follows is the FILE, even if it starts with \"-\"\n"
    u8"\n"
    u8"Exit codes: 0 success, 1 input text that does not convert, 2 usage errors\n"
    u8"and files that cannot be read.\n";

CommandLine UsageError(std::string message) {
  CommandLine line;
  line.action = CommandLine::Action::kUsageError;
  line.error = std::move(message) + " (see --help)";
  return line;
}

}  // namespace

std::string_view UsageText() { return Utf8Bytes(kUsage); }

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  ExtractOptions& options = line.options;
  bool inputSeen = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    const std::string* value = i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
    const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (!isOption) {
      if (inputSeen) return UsageError("more than one input FILE");
      inputSeen = true;
      options.input = arg;
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::kHelp;
      return line;
    } else if (arg == "--version") {
      line.action = CommandLine::Action::kVersion;
      return line;
    } else if (arg == "--descending") {
      options.descending = true;
    } else if (arg == "--list-keys") {
      options.listKeys = true;
    } else if (arg == "--summary") {
      options.summary = true;
    } else if (arg == "--key") {
      if (!value) return UsageError("--key needs a LABEL");
      options.key = *value;
      ++i;
    } else if (arg == "--catalogue") {
      if (!value) return UsageError("--catalogue needs a FILE");
      options.catalogue = *value;
      ++i;
    } else if (arg == "--encoding") {
      if (!value || (*value != "cp932" && *value != "utf-8")) return UsageError("--encoding takes cp932 or utf-8");
      options.utf8 = *value == "utf-8";
      ++i;
    } else {
      return UsageError("unknown option " + arg);
    }
  }
  return line;
}

}  // namespace roster
