// roster-extract: one Extract on a text outside the window, exactly as the
// window's 「抽出」 would do it, printing the text box's new contents.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue_file.h"
#include "app/command_line.h"
#include "app/extraction.h"
#include "platform/platform.h"
#include "platform/utf8.h"
#include "report/sort_order.h"

namespace roster {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadText = 1;
constexpr int kExitUsage = 2;

int Fail(int code, const std::string& message) {
  WriteMessage("roster-extract: " + message + "\n");
  return code;
}

std::size_t LineOf(std::string_view text, std::size_t offset) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// Says what stands where UTF-8 text did not convert to CP932.
std::string DescribeUtf8Failure(std::string_view utf8, const ConversionLoss& loss) {
  std::string where = "line " + std::to_string(LineOf(utf8, loss.firstAt)) + ": ";
  char32_t codePoint = 0;
  const std::size_t length = Utf8SequenceLength(utf8, loss.firstAt, &codePoint);
  char text[32];
  if (length == 0) {
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(utf8[loss.firstAt]));
    return where + "invalid UTF-8 (byte " + text + ")";
  }
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
  return where + "the character " + text + " \"" + std::string(utf8.substr(loss.firstAt, length)) +
         "\" has no Shift_JIS (CP932) form";
}

// Writes the report to standard output, converted to UTF-8 in utf-8 mode,
// and lets go of the input as soon as its characters are collected, so
// that a large roster is never held twice.
class OutputSink final : public ReportSink {
 public:
  OutputSink(InputText& input, bool utf8) : input_(input), utf8_(utf8) {}

  void PartRead(std::string_view part) override { input_.ReleasePart(part); }
  void TextRead() override { input_.Release(); }

  void Write(std::string_view piece) override {
    if (!written_) return;
    if (!utf8_) {
      written_ = WriteStandardOutput(piece);
      return;
    }
    // Only a report of whole characters reaches here; should a byte not
    // convert, nothing half-converted is written.
    ConversionLoss loss;
    const std::string converted = Utf8FromCp932(piece, &loss);
    written_ = loss.count == 0 && WriteStandardOutput(converted);
  }

  bool written() const { return written_; }

 private:
  InputText& input_;
  bool utf8_;
  bool written_ = true;
};

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// --summary: what the window's status bar says, in one English line.
std::string SummaryLine(const ExtractionSummary& s) {
  std::string line = Counted(s.kept, "character", "characters");
  if (s.merged > 0) {
    line += "; " + Counted(s.merged, "line with a name taken by a lower line", "lines with a name taken by a lower line");
  }
  if (s.skipped > 0) {
    line += "; " + Counted(s.skipped, "other line skipped, at line ", "other lines skipped, the first at line ") +
            std::to_string(s.firstSkippedLine);
  }
  return line + "\n";
}

bool FirstLineEndIsBareLf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r');
}

// Loads the catalogue; returns an exit code when the program should stop.
std::optional<int> LoadCatalogue(const ExtractOptions& options, SkillCatalogue& catalogue) {
  if (options.catalogue) {
    std::string reason;
    std::optional<SkillCatalogue> loaded = LoadSkillCatalogueFile(*options.catalogue, &reason);
    if (!loaded) return Fail(kExitUsage, "cannot read catalogue " + *options.catalogue + ": " + reason);
    catalogue = std::move(*loaded);
    return std::nullopt;
  }
  CatalogueSearch search = FindSkillCatalogue();
  if (search.catalogue) {
    catalogue = std::move(*search.catalogue);
    return std::nullopt;
  }
  std::string note = "roster-extract: note: no skill catalogue; the report has no skill columns. Looked for:\n";
  for (const std::string& place : search.looked) note += "  " + place + "\n";
  for (const std::string& problem : search.problems) note += "cannot read " + problem + "\n";
  WriteMessage(note);
  return std::nullopt;
}

// The input text as CP932 (its lines end in "\r\n" or a bare "\n"), and
// the line end of the output: "\n" in utf-8 mode and where the input's first
// line ends in a bare "\n", else "\r\n". An exit code when the input cannot
// be read or converted.
std::optional<int> ReadInput(const ExtractOptions& options, std::optional<InputText>& input,
                             std::string_view& outputLineEnd) {
  std::string reason;
  if (options.input == "-") {
    if (std::optional<std::string> bytes = ReadStandardInput(&reason)) input = InputText::FromString(std::move(*bytes));
  } else {
    input = InputText::FromFile(options.input, &reason);
  }
  if (!input) {
    return Fail(kExitUsage, "cannot read " + (options.input == "-" ? std::string("standard input") : options.input) +
                                (reason.empty() ? "" : ": " + reason));
  }
  outputLineEnd = options.utf8 || FirstLineEndIsBareLf(input->View()) ? "\n" : kLineEnd;
  if (options.utf8) {
    std::string_view utf8 = input->View();
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    ConversionLoss loss;
    std::string cp932 = Cp932FromUtf8(utf8, &loss);
    if (loss.count > 0) return Fail(kExitBadText, options.input + ": " + DescribeUtf8Failure(utf8, loss));
    input = InputText::FromString(std::move(cp932));
  }
  return std::nullopt;
}

int Run(const std::vector<std::string>& arguments) {
  const CommandLine line = ParseCommandLine(arguments);
  switch (line.action) {
    case CommandLine::Action::kHelp:
      return WriteStandardOutput(UsageText()) ? kExitOk : kExitUsage;
    case CommandLine::Action::kVersion:
      return WriteStandardOutput("roster-extract " ROSTER_VERSION "\n") ? kExitOk : kExitUsage;
    case CommandLine::Action::kUsageError:
      return Fail(kExitUsage, line.error);
    case CommandLine::Action::kRun:
      break;
  }
  const ExtractOptions& options = line.options;

  SkillCatalogue catalogue;
  if (const std::optional<int> stop = LoadCatalogue(options, catalogue)) return *stop;

  // The key arrives as the command line gives it; the sort compares CP932.
  std::string key = options.key;
  if (options.utf8 || CommandLineIsUtf8()) {
    ConversionLoss loss;
    key = Cp932FromUtf8(options.key, &loss);
    if (loss.count > 0) return Fail(kExitBadText, "--key: " + DescribeUtf8Failure(options.key, loss));
  }

  if (options.listKeys) {
    std::string keys;
    for (const std::string& entry : SortKeyList(catalogue)) keys += entry + "\n";
    ConversionLoss loss;
    if (options.utf8) keys = Utf8FromCp932(keys, &loss);
    if (loss.count > 0 || !WriteStandardOutput(keys)) return Fail(kExitUsage, "cannot write standard output");
    return kExitOk;
  }

  std::optional<InputText> input;
  std::string_view lineEnd;
  if (const std::optional<int> stop = ReadInput(options, input, lineEnd)) return *stop;
  OutputSink sink(*input, options.utf8);
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = options.descending;
  settings.lineEnd = lineEnd;
  settings.bareLfEndsLine = true;  // a file saved on Unix reads as one saved on Windows
  const ExtractionSummary summary = Extract(input->View(), settings, catalogue, sink);
  if (!sink.written()) return Fail(kExitUsage, "cannot write standard output");
  if (options.summary) WriteMessage(SummaryLine(summary));
  return kExitOk;
}

}  // namespace
}  // namespace roster

int main(int argc, char** argv) { return roster::Run(roster::CommandLineArguments(argc, argv)); }
