#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "encoding/utf8.h"

namespace roster {
namespace {

constexpr std::u8string_view kUsage =
    u8"usage: roster-extract [OPTION]... [FILE]...\n"
    u8"\n"
    u8"Performs one Extract on the roster in the FILEs, read one after another as\n"
    u8"one text (standard input when there is none, or for \"-\"), and prints the\n"
    u8"report: one row per name (the lowest line wins), sorted.\n"
    u8"\n"
    u8"  -k, --key=LABEL        sort key, as typed into the sort box: 名前, 種族,\n"
    u8"                         a skill, 命中力, ... (--list-keys); default: none,\n"
    u8"                         the order of the lines from the bottom up\n"
    u8"  -r, --descending       descending order (also --reverse)\n"
    u8"  -o, --output=FILE      write the report to FILE, replacing it only once\n"
    u8"                         the whole report is written (FILE may be an input)\n"
    u8"  -e, --encoding=ENC     auto (default): each input is read as UTF-8,\n"
    u8"                         UTF-16 (with a byte-order mark) or CP932, as it\n"
    u8"                         is written, and the report is written as the\n"
    u8"                         input is; cp932 or utf-8: force both ways\n"
    u8"      --to=ENC           the report's encoding, apart from the input's:\n"
    u8"                         auto (default) as -e says; cp932, utf-8, or\n"
    u8"                         utf-16 (little-endian, with a byte-order mark),\n"
    u8"                         also on a terminal and for -o's FILE\n"
    u8"      --catalogue=FILE   the skill catalogue; default: Database/技能.txt\n"
    u8"                         below the working directory, else beside the\n"
    u8"                         program, else roster/技能.txt in $XDG_DATA_DIRS\n"
    u8"      --list-keys        print the sort-key list, one per line, and exit\n"
    u8"      --summary          after the report, say on standard error how many\n"
    u8"                         characters were kept and lines merged or skipped\n"
    u8"  -q, --quiet            no warnings about lines\n"
    u8"      --strict           a warning about a line, or a byte written as\n"
    u8"                         U+FFFD, is an error: exit 1 and write nothing\n"
    u8"                         (-o FILE stays as it was)\n"
    u8"  -h, --help             print this help and exit\n"
    u8"  -V, --version          print the version and exit\n"
    u8"\n"
    u8"A line that is lost or changed is told on standard error as\n"
    u8"FILE:LINE: warning: WHAT: LINE (a line holding \"|\" or \"｜\" that is no\n"
    u8"character, a name cut to its last 10 bytes, two names made one, a name\n"
    u8"holding 名前, a number beyond 32 bits, a skill cell of an odd width); the\n"
    u8"first ten, then how many more. Lines without \"|\", such as notes, are only\n"
    u8"counted by --summary.\n"
    u8"A report shown on a terminal is written in the terminal's encoding,\n"
    u8"unless --to names one. --list-keys, --help and --version write in the\n"
    u8"locale's encoding (Shift_JIS where it is, else UTF-8) unless --to or -e\n"
    u8"names one.\n"
    u8"Exit codes: 0 success; 1 input text that does not convert to CP932 or\n"
    u8"would be garbled (a line of UTF-8 in a Shift_JIS file, UTF-16 without a\n"
    u8"byte-order mark, a NUL byte) or, with --strict, a warning; 2 usage errors,\n"
    u8"files that cannot be read or written, and a lack of memory.\n";

// The options, by their long names; `shortName` 0 for none.
enum class Name {
  kKey, kDescending, kReverse, kOutput, kEncoding, kTo, kCatalogue, kListKeys, kSummary, kQuiet, kStrict, kHelp, kVersion
};
struct Option {
  Name name;
  std::string_view longName;
  char shortName;
  const char* value;  // what the value is, for a message; null: the option takes none
};
constexpr std::array<Option, 13> kOptions = {{
    {Name::kKey, "key", 'k', "a LABEL"},
    {Name::kDescending, "descending", 'r', nullptr},
    {Name::kReverse, "reverse", 0, nullptr},
    {Name::kOutput, "output", 'o', "a FILE"},
    {Name::kEncoding, "encoding", 'e', "an encoding (auto, cp932 or utf-8)"},
    {Name::kTo, "to", 0, "an encoding (auto, cp932, utf-8 or utf-16)"},
    {Name::kCatalogue, "catalogue", 0, "a FILE"},
    {Name::kListKeys, "list-keys", 0, nullptr},
    {Name::kSummary, "summary", 0, nullptr},
    {Name::kQuiet, "quiet", 'q', nullptr},
    {Name::kStrict, "strict", 0, nullptr},
    {Name::kHelp, "help", 'h', nullptr},
    {Name::kVersion, "version", 'V', nullptr},
}};

CommandLine UsageError(std::string message) {
  CommandLine line;
  line.action = CommandLine::Action::kUsageError;
  line.error = std::move(message) + " (see --help)";
  return line;
}

// The option a long name, or a prefix of it, names; null when it names none.
// A prefix of two names is no option: "--s" would mean --summary until
// --strict came, and a script would change meaning with the program.
const Option* FindLong(std::string_view name, std::string& named) {
  const Option* found = nullptr;
  std::size_t count = 0;
  for (const Option& option : kOptions) {
    if (option.longName == name) return &option;
    if (name.empty() || !option.longName.starts_with(name)) continue;
    named += std::string(count++ == 0 ? "" : ", ") + "--" + std::string(option.longName);
    found = &option;
  }
  return count == 1 ? found : nullptr;
}

const Option* FindShort(char name) {
  for (const Option& option : kOptions) {
    if (option.shortName == name && name != 0) return &option;
  }
  return nullptr;
}

// The choice an option's value names, in either case ("UTF-8", as iconv and
// the manual write it); none for a value it does not take.
template <typename Choice>
std::optional<Choice> Named(std::string_view value, std::initializer_list<std::pair<std::string_view, Choice>> names) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (const auto& [name, choice] : names) {
    if (std::ranges::equal(value, name, {}, lower)) return choice;
  }
  return std::nullopt;
}

// Applies one option and its value (when it takes one); a message when the
// value is not one the option takes.
std::optional<std::string> Apply(const Option& option, const std::string& value, CommandLine& line) {
  ExtractOptions& o = line.options;
  switch (option.name) {
    case Name::kKey: o.key = value; break;
    case Name::kDescending:
    case Name::kReverse: o.descending = true; break;
    case Name::kOutput: o.output = value; break;
    case Name::kCatalogue: o.catalogue = value; break;
    case Name::kListKeys: o.listKeys = true; break;
    case Name::kSummary: o.summary = true; break;
    case Name::kQuiet: o.quiet = true; break;
    case Name::kStrict: o.strict = true; break;
    case Name::kHelp: line.action = CommandLine::Action::kHelp; break;
    case Name::kVersion: line.action = CommandLine::Action::kVersion; break;
    case Name::kEncoding:
      if (const auto choice = Named<EncodingChoice>(value, {{"auto", EncodingChoice::kAuto},
                                                            {"cp932", EncodingChoice::kCp932},
                                                            {"utf-8", EncodingChoice::kUtf8},
                                                            {"utf8", EncodingChoice::kUtf8}})) {
        o.encoding = *choice;
        break;
      }
      return "--encoding takes auto, cp932 or utf-8";
    case Name::kTo:
      if (const auto choice = Named<OutputChoice>(value, {{"auto", OutputChoice::kAuto},
                                                          {"cp932", OutputChoice::kCp932},
                                                          {"utf-8", OutputChoice::kUtf8},
                                                          {"utf8", OutputChoice::kUtf8},
                                                          {"utf-16", OutputChoice::kUtf16},
                                                          {"utf16", OutputChoice::kUtf16}})) {
        o.to = *choice;
        break;
      }
      return "--to takes auto, cp932, utf-8 or utf-16";
  }
  return std::nullopt;
}

}  // namespace

std::string_view UsageText() { return Utf8Bytes(kUsage); }

TextForm OutputForm(const ExtractOptions& options, TextForm report) {
  switch (options.to) {
    case OutputChoice::kAuto: return report;
    case OutputChoice::kCp932: return {TextEncoding::kCp932, 0};
    case OutputChoice::kUtf8: return {TextEncoding::kUtf8, 0};
    case OutputChoice::kUtf16: return {TextEncoding::kUtf16LittleEndian, 2};
  }
  return report;
}

TextForm OutputFormWithoutInput(const ExtractOptions& options, bool localeIsShiftJis) {
  const bool utf8 = options.encoding == EncodingChoice::kAuto ? !localeIsShiftJis : options.encoding == EncodingChoice::kUtf8;
  return OutputForm(options, utf8 ? TextForm{TextEncoding::kUtf8, 0} : TextForm{TextEncoding::kCp932, 0});
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::vector<std::string> inputs;
  bool optionsEnded = false;
  // Help and version win over everything else on the line, errors included.
  std::optional<CommandLine> error;
  auto fail = [&](std::string message) {
    if (!error) error = UsageError(std::move(message));
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      inputs.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg[1] == '-') {  // --name, --name=value, --name value
      const std::size_t equals = arg.find('=');
      const std::string_view given = std::string_view(arg).substr(2, equals - 2);
      std::string named;
      const Option* option = FindLong(given, named);
      if (option == nullptr) {
        fail(named.find(',') != std::string::npos ? "--" + std::string(given) + " is short for more than one option: " + named
                                                   : "unknown option '" + arg + "'");
        continue;
      }
      const std::string name = "--" + std::string(option->longName);
      std::string value;
      if (option->value == nullptr) {
        if (equals != std::string::npos) fail(name + " takes no value");
      } else if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        fail(name + " needs " + option->value);
        continue;
      }
      if (std::optional<std::string> bad = Apply(*option, value, line)) fail(*bad);
    } else {  // -r, -k LABEL, -kLABEL, -rk LABEL
      for (std::size_t at = 1; at < arg.size(); ++at) {
        const Option* option = FindShort(arg[at]);
        if (option == nullptr) {
          // The whole argument: a byte of it alone may be half a character.
          fail("unknown option '" + arg + "'");
          break;
        }
        std::string value;
        if (option->value != nullptr) {
          if (at + 1 < arg.size()) {
            value = arg.substr(at + 1);
          } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
          } else {
            fail(std::string{'-', arg[at]} + " needs " + option->value);
            break;
          }
          at = arg.size();
        }
        if (std::optional<std::string> bad = Apply(*option, value, line)) fail(*bad);
      }
    }
  }
  if (line.action != CommandLine::Action::kRun) return line;
  if (error) return *error;
  if (!inputs.empty()) line.options.inputs = std::move(inputs);
  return line;
}

}  // namespace roster
