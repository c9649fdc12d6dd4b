// roster-extract: one Extract on a text outside the window, exactly as the
// window's 「抽出」 would do it, printing the text box's new contents.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#endif

#include "app/encoding.h"
#include "app/extraction.h"
#include "app/input_text.h"
#include "catalogue/file_bytes.h"
#include "report/report_layout.h"
#include "report/sort_order.h"

namespace roster {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadText = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: roster-extract [--key LABEL] [--descending] [--catalogue FILE]\n"
    "                      [--encoding cp932|utf-8] [--list-keys] [FILE]\n"
    "\n"
    "Performs one Extract on the roster in FILE (or standard input when FILE\n"
    "is absent or \"-\") and prints the report.\n"
    "\n"
    "  --key LABEL         sort key, as typed into the sort box (default: none)\n"
    "  --descending        descending order (default: ascending)\n"
    "  --catalogue FILE    skill catalogue (default: Database/技能.txt below the\n"
    "                      working directory)\n"
    "  --encoding ENC      cp932 (default): input, LABEL and output are Shift_JIS;\n"
    "                      utf-8: they are UTF-8, output lines end in \"\\n\"\n"
    "  --list-keys         print the sort-key list, one per line, and exit\n"
    "  --version           print the version and exit\n"
    "  --help              print this help and exit\n"
    "\n"
    "Exit codes: 0 success, 1 input text that does not convert, 2 usage errors\n"
    "and files that cannot be read.\n";

struct Options {
  std::string key;
  bool descending = false;
  std::optional<std::string> catalogue;
  bool utf8 = false;
  bool listKeys = false;
  std::string input = "-";
};

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "roster-extract: %s\n", message.c_str());
  return code;
}

// Parses the arguments; returns an exit code when the program should stop.
std::optional<int> ParseOptions(int argc, char** argv, Options& options) {
  bool inputSeen = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return kExitOk;
    } else if (arg == "--version") {
      std::printf("roster-extract %s\n", ROSTER_VERSION);
      return kExitOk;
    } else if (arg == "--key") {
      auto v = value();
      if (!v) return Fail(kExitUsage, "--key needs a LABEL (see --help)");
      options.key = *v;
    } else if (arg == "--descending") {
      options.descending = true;
    } else if (arg == "--catalogue") {
      auto v = value();
      if (!v) return Fail(kExitUsage, "--catalogue needs a FILE (see --help)");
      options.catalogue = *v;
    } else if (arg == "--encoding") {
      auto v = value();
      if (!v || (*v != "cp932" && *v != "utf-8")) {
        return Fail(kExitUsage, "--encoding takes cp932 or utf-8 (see --help)");
      }
      options.utf8 = *v == "utf-8";
    } else if (arg == "--list-keys") {
      options.listKeys = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail(kExitUsage, "unknown option " + arg + " (see --help)");
    } else {
      if (inputSeen) return Fail(kExitUsage, "more than one input FILE (see --help)");
      inputSeen = true;
      options.input = arg;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ReadStandardInput() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::string bytes;
  if (!AppendRest(stdin, bytes)) return std::nullopt;
  return bytes;
}

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

// Writes CP932 bytes to standard output, converted to UTF-8 in utf-8 mode.
bool WriteOutput(std::string_view cp932, bool utf8) {
  if (!utf8) return WriteStandardOutput(cp932);
  std::string converted, error;
  // Only a report of whole characters reaches here, so this cannot fail;
  // should it, nothing half-converted is written.
  if (!Cp932ToUtf8(cp932, converted, error)) return false;
  return WriteStandardOutput(converted);
}

// One Extract, as the window's 「抽出」 does it (the text, the key typed into
// the sort box, the direction), with the report written in pieces. The
// text is released once its characters are collected, so a large roster
// is never held twice.
int WriteExtraction(InputText text, std::string_view key, bool descending, const SkillCatalogue& catalogue,
                    std::string_view lineEnd, bool utf8) {
  std::vector<CharacterData> characters = CollectCharacters(text.View());
  text.Release();
  SortCharacters(characters, ResolveSortKey(key, catalogue), descending);
  bool written = true;
  WriteReport(BuildReportHeader(catalogue), characters, lineEnd,
              [&](std::string_view piece) { written = written && WriteOutput(piece, utf8); });
  return written ? kExitOk : Fail(kExitUsage, "cannot write standard output");
}

// A bare "\n" ends a line like "\r\n" does.
std::string CrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
    out.push_back(text[i]);
  }
  return out;
}

bool HasBareLf(std::string_view text) {
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (lf == 0 || text[lf - 1] != '\r') return true;
  }
  return false;
}

bool FirstLineEndIsBareLf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r');
}

// Loads the catalogue; returns an exit code when the program should stop.
std::optional<int> LoadCatalogue(const Options& options, SkillCatalogue& catalogue) {
  if (options.catalogue) {
    std::string reason;
    const std::optional<std::string> bytes = ReadFileBytes(*options.catalogue, &reason);
    if (!bytes) return Fail(kExitUsage, "cannot read catalogue " + *options.catalogue + ": " + reason);
    catalogue.LoadText(*bytes);
    return std::nullopt;
  }
  for (const std::string& path : DefaultCatalogueFileNames()) {
    if (catalogue.LoadFile(path)) return std::nullopt;
  }
  std::fprintf(stderr,
               "roster-extract: note: no skill catalogue at Database/技能.txt below the working "
               "directory; the report has no skill columns\n");
  return std::nullopt;
}

#ifdef _WIN32
std::string Narrow(UINT codePage, const wchar_t* text) {
  const int length = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  WideCharToMultiByte(codePage, 0, text, -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(bytes.size() - 1);
  return bytes;
}

// The arguments as the bytes the options expect, whatever the system code
// page: CP932, except a --key LABEL in utf-8 mode, which is UTF-8.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  bool utf8 = false;
  for (int i = 0; i + 1 < count; ++i) {
    if (std::wstring_view(wide[i]) == L"--encoding" && std::wstring_view(wide[i + 1]) == L"utf-8") utf8 = true;
  }
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const bool isKey = i > 0 && std::wstring_view(wide[i - 1]) == L"--key";
    arguments.push_back(Narrow(isKey && utf8 ? CP_UTF8 : 932, wide[i]));
  }
  LocalFree(wide);
  return arguments;
}
#endif

int Run(int argc, char** argv) {
#ifdef _WIN32
  std::vector<std::string> wideArguments = CommandLineArguments();
  std::vector<char*> pointers;
  for (std::string& argument : wideArguments) pointers.push_back(argument.data());
  argc = static_cast<int>(pointers.size());
  argv = pointers.data();
#endif
  Options options;
  if (const std::optional<int> stop = ParseOptions(argc, argv, options)) return *stop;

  SkillCatalogue catalogue;
  if (const std::optional<int> stop = LoadCatalogue(options, catalogue)) return *stop;

  std::string key = options.key;
  std::string error;
  if (options.utf8 && !Utf8ToCp932(options.key, key, error)) {
    return Fail(kExitBadText, "--key: " + error);
  }

  if (options.listKeys) {
    std::string output;
    for (const std::string& entry : SortKeyList(catalogue)) output += entry + "\n";
    return WriteOutput(output, options.utf8) ? kExitOk : Fail(kExitUsage, "cannot write standard output");
  }
  std::string reason;
  std::optional<InputText> input;
  if (options.input == "-") {
    if (std::optional<std::string> bytes = ReadStandardInput()) input = InputText::FromString(std::move(*bytes));
  } else {
    input = InputText::FromFile(options.input, reason);
  }
  if (!input) {
    return Fail(kExitUsage, "cannot read " + (options.input == "-" ? std::string("standard input") : options.input) +
                                (reason.empty() ? "" : ": " + reason));
  }
  const bool lfOutput = options.utf8 || FirstLineEndIsBareLf(input->View());
  if (options.utf8) {
    std::string cp932;
    std::string_view utf8 = input->View();
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    if (!Utf8ToCp932(utf8, cp932, error)) return Fail(kExitBadText, options.input + ": " + error);
    input = InputText::FromString(std::move(cp932));
  }
  if (HasBareLf(input->View())) input = InputText::FromString(CrLfLineEnds(input->View()));
  return WriteExtraction(std::move(*input), key, options.descending, catalogue, lfOutput ? "\n" : "\r\n", options.utf8);
}

}  // namespace
}  // namespace roster

int main(int argc, char** argv) { return roster::Run(argc, argv); }
