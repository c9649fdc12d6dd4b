// roster-extract: one Extract on a text outside the window, exactly as the
// window's 「抽出」 would do it, printing the text box's new contents.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pipeline/run_notes.h"
#include "reader/catalogue_file.h"
#include "cli/command_line.h"
#include "pipeline/extraction.h"
#include "cli/roster_input.h"
#include "encoding/encoding.h"
#include "platform/platform.h"
#include "encoding/utf8.h"
#include "report/sort_order.h"

namespace roster {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadText = 1;
constexpr int kExitTrouble = 2;  // usage errors, files that cannot be read or written, no memory

int Fail(int code, const std::string& message) {
  WriteMessage("roster-extract: " + message + "\n");
  return code;
}

void Note(const std::string& message) { WriteMessage("roster-extract: note: " + message + "\n"); }

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Where the report goes and in what form: a terminal gets UTF-8 text (its
// own encoding), a file or a pipe the bytes of `form` with its byte-order
// mark; -o FILE is replaced only once all is written. With --strict,
// standard output gets the report only once it is all written without a
// U+FFFD.
class Destination {
 public:
  Destination(std::optional<FileReplacement> file, std::string name, TextForm form, bool terminal, bool strict)
      : file_(std::move(file)), name_(std::move(name)), form_(form), terminal_(terminal), strict_(strict),
        holding_(strict && !file_) {
    if (terminal_) form_ = {TextEncoding::kUtf8, 0};
  }

  // Writes CP932 text converted to the destination's form.
  void Write(std::string_view cp932) {
    if (!error_.empty()) return;
    PutByteOrderMark();
    ConversionLoss loss;
    const std::string bytes = TextFromCp932(cp932, form_, &loss);
    // Lines are counted only where bytes may fail to convert, off the
    // path of a CP932 report.
    if (form_.encoding != TextEncoding::kCp932) {
      if (loss.count > 0 && unconverted_ == 0) firstUnconvertedLine_ = lines_ + LinesBefore(cp932, loss.firstAt) + 1;
      lines_ += LinesBefore(cp932, cp932.size());
    }
    unconverted_ += loss.count;
    Put(bytes);
  }

  // Leaves -o's file as it was: the replacement is dropped unfinished.
  void Abandon() {
    file_.reset();
    pending_.clear();
  }

  // Ends the output; an exit code when it failed. A reader that went away
  // (a closed pipe, as after head(1)) wanted no more: that ends the program
  // without a word, as it would sort(1).
  std::optional<int> Finish() {
    PutByteOrderMark();
    const std::string unconverted =
        Counted(unconverted_, "byte was", "bytes were") +
        " no Shift_JIS (CP932) character (a name cut inside a character, or such bytes in the input or the catalogue)";
    const std::string first = ", the first at " + name_ + ":" + std::to_string(firstUnconvertedLine_);
    if (error_.empty() && unconverted_ > 0 && strict_) {
      Abandon();
      return Fail(kExitBadText, "--strict: " + unconverted + first + ", so nothing was written");
    }
    if (holding_) {
      holding_ = false;
      Put(pending_);
    }
    if (error_.empty() && file_ && !file_->Commit(&error_)) error_ = error_.empty() ? "cannot replace it" : error_;
    if (error_ == std::strerror(EPIPE)) return kExitTrouble;
    if (!error_.empty()) return Fail(kExitTrouble, "cannot write " + name_ + ": " + error_);
    if (unconverted_ > 0) Note(unconverted + " and written as U+FFFD" + first);
    return std::nullopt;
  }

 private:
  static std::size_t LinesBefore(std::string_view text, std::size_t at) {
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
  }

  // The mark goes first, once something is written: a run that ends
  // before its report writes nothing at all.
  void PutByteOrderMark() {
    if (form_.byteOrderMark == 0 || std::exchange(markPut_, true)) return;
    const bool utf8 = form_.encoding == TextEncoding::kUtf8;
    Put(utf8 ? "\xEF\xBB\xBF" : form_.encoding == TextEncoding::kUtf16LittleEndian ? "\xFF\xFE" : "\xFE\xFF");
  }

  void Put(std::string_view bytes) {
    if (!error_.empty() || bytes.empty()) return;
    if (holding_) {
      pending_.append(bytes);
      return;
    }
    const bool written = file_ ? file_->Write(bytes, &error_)
                         : terminal_ ? WriteTerminal(bytes, &error_)
                                     : WriteStandardOutput(bytes, &error_);
    if (!written && error_.empty()) error_ = "write failed";
  }

  std::optional<FileReplacement> file_;
  std::string name_;
  TextForm form_;
  bool terminal_;
  bool strict_;
  bool holding_;          // standard output under --strict: the report waits in `pending_`
  bool markPut_ = false;
  std::string pending_;
  std::string error_;
  std::size_t unconverted_ = 0;
  std::size_t lines_ = 0, firstUnconvertedLine_ = 0;  // counted where the report is converted
};

// Whether the report is shown on a terminal in the terminal's encoding: --to
// names what the user wants there too.
bool ShownOnTerminal(const ExtractOptions& options) {
  return !options.output && options.to == OutputChoice::kAuto && StandardOutputIsTerminal();
}

// Opens where the report goes: standard output, or a replacement of -o FILE.
std::optional<Destination> OpenDestination(const ExtractOptions& options, TextForm form, int& exitCode) {
  if (!options.output) {
    return Destination(std::nullopt, "standard output", form, ShownOnTerminal(options), options.strict);
  }
  std::string reason;
  std::optional<FileReplacement> file = FileReplacement::Begin(*options.output, &reason);
  if (!file) {
    exitCode = Fail(kExitTrouble, "cannot write " + *options.output + ": " + reason);
    return std::nullopt;
  }
  return Destination(std::move(file), *options.output, form, false, options.strict);
}

// Writes the report where it goes.
class OutputSink final : public ReportSink {
 public:
  explicit OutputSink(Destination& destination) : destination_(destination) {}
  void Write(std::string_view piece) override { destination_.Write(piece); }

 private:
  Destination& destination_;
};


// --summary: what the window's status bar says, in one English line.
std::string SummaryLine(const ExtractionSummary& s, const RosterInput& input) {
  std::string line = Counted(s.kept, "character", "characters");
  const std::size_t repeats = s.Count(LineEvent::kReplaced), madeOne = s.Count(LineEvent::kNamesMerged);
  if (repeats > 0) {
    line += "; " + Counted(repeats, "line with a name taken by a lower line", "lines with a name taken by a lower line");
  }
  if (madeOne > 0) {
    line += "; " + Counted(madeOne, "line whose name was made one with a lower line's",
                           "lines whose names were made one with a lower line's");
  }
  if (s.skipped > 0) {
    line += "; " + Counted(s.skipped, "other line skipped, at ", "other lines skipped, the first at ") +
            input.Where(s.firstSkippedLine);
  }
  const std::size_t shortened = s.Count(LineEvent::kNameShortened);
  if (shortened > 0) line += "; " + Counted(shortened, "name shortened", "names shortened");
  return line + "\n";
}

// What a warning says of an entry, before the line; empty for an event that
// loses or changes nothing the user typed (a repeat, a blank or header
// line, a note without "|", cells kept in the remarks, a 「｜」 read as "|").
std::string WarningOf(const LineEntry& e, const RosterInput& input) {
  switch (e.event) {
    case LineEvent::kTooFewCells: return "not a character (too few cells)";
    case LineEvent::kEmptyName: return "not a character (empty name)";
    case LineEvent::kNameShortened:
      return "name shortened to its last 10 bytes: " + Utf8FromCp932(e.typedName) + " becomes " + Utf8FromCp932(e.name);
    case LineEvent::kNamesMerged:
      return "two names made one: " + Utf8FromCp932(e.typedName) + " and " + Utf8FromCp932(e.otherTypedName) + " at " +
             input.Where(e.otherLine) + " both become " + Utf8FromCp932(e.name) + ", and only the lower line is kept";
    case LineEvent::kNameReadsAsHeader: return "the name holds 名前, so its row reads back as a header";
    case LineEvent::kNumberOutOfRange: return "a number beyond the 32-bit range, read as its limit";
    case LineEvent::kOddSkillCell: return "a skill cell of an odd number of bytes, read two bytes to a level";
    default: return {};
  }
}

// How many of the run's events are warned about.
std::size_t WarningCount(const ExtractionSummary& s) {
  std::size_t count = 0;
  for (LineEvent event : {LineEvent::kTooFewCells, LineEvent::kEmptyName, LineEvent::kNameShortened,
                          LineEvent::kNamesMerged, LineEvent::kNameReadsAsHeader, LineEvent::kNumberOutOfRange,
                          LineEvent::kOddSkillCell}) {
    count += s.Count(event);
  }
  return count;
}

// The first ten warnings, compiler style, then how many more.
void WriteWarnings(const ExtractionSummary& s, const RosterInput& input) {
  constexpr std::size_t kShown = 10;
  const std::size_t count = WarningCount(s);
  std::string text;
  std::size_t shown = 0;
  for (const LineEntry& e : s.entries) {
    const std::string what = WarningOf(e, input);
    if (what.empty()) continue;
    if (shown++ == kShown) break;
    text += input.Where(e.line) + ": warning: " + what + ": " + Utf8FromCp932(e.text) + "\n";
  }
  if (count > kShown) text += "roster-extract: " + Counted(count - kShown, "more warning", "more warnings") + "\n";
  WriteMessage(text);
}

// Loads the catalogue; an exit code when the program should stop.
std::optional<int> LoadCatalogue(const ExtractOptions& options, SkillCatalogue& catalogue) {
  const char* without = options.listKeys ? "the key list has no skills" : "the report has no skill columns";
  if (options.catalogue) {
    std::string reason;
    SkillCatalogue::NonRows nonRows;
    std::optional<SkillCatalogue> loaded = LoadSkillCatalogueFile(*options.catalogue, &reason, &nonRows);
    if (!loaded) return Fail(kExitTrouble, "cannot read catalogue " + *options.catalogue + ": " + reason);
    if (nonRows.count > 0) Note("catalogue " + *options.catalogue + ": " + DescribeNonRows(nonRows));
    catalogue = std::move(*loaded);
    return std::nullopt;
  }
  CatalogueSearch search = FindSkillCatalogue();
  if (search.catalogue) {
    for (const std::string& problem : search.problems) {
      Note("catalogue " + problem + "; using " + search.file + " instead");
    }
    if (search.nonRows.count > 0) Note("catalogue " + search.file + ": " + DescribeNonRows(search.nonRows));
    catalogue = std::move(*search.catalogue);
    return std::nullopt;
  }
  // The damaged files first, each a note of its own, then where the search
  // looked: the reason is what a user acts on.
  for (const std::string& problem : search.problems) Note("cannot read catalogue " + problem);
  std::string note = std::string(search.problems.empty() ? "no skill catalogue, so " : "no usable skill catalogue, so ") +
                     without + "; looked for";
  for (const std::string& place : search.looked) {
    note += "\n  " + place + (search.IsBelowWorkingFolder(place) ? " (below " + search.workingFolder + ")" : "");
  }
  Note(note);
  return std::nullopt;
}

// The sort key as the user typed it: the arguments' bytes read as UTF-8
// (what a terminal sends) and as CP932 (what older scripts pass), whichever
// names an entry of the key list; on Windows the command line is UTF-8.
// A key that names nothing keeps the window's meaning (the order of the
// empty key), with a note that lists the keys.
std::string ResolveKey(const std::string& typed, const SkillCatalogue& catalogue) {
  if (typed.empty()) return typed;
  auto listed = [&](const std::string& key) { return !NotesOfRun(key, catalogue).unknownKey; };
  ConversionLoss loss;
  const std::string fromUtf8 = Cp932FromUtf8(typed, &loss);
  const bool utf8 = loss.count == 0;
  if (utf8 && listed(fromUtf8)) return fromUtf8;
  if (!CommandLineIsUtf8() && listed(typed)) return typed;
  std::string names;
  for (const std::string& key : SortKeyList(catalogue)) {
    if (!key.empty()) names += (names.empty() ? "" : ", ") + Utf8FromCp932(key);
  }
  const bool validUtf8 = IsUtf8(typed);
  const std::string shown = validUtf8 || CommandLineIsUtf8() ? typed : Utf8FromCp932(typed);
  Note("the key \"" + shown + "\" names no entry of the key list, so nothing was sorted: the characters stand in " +
       "the order of their lines, from the bottom up; the keys are: " + names);
  return utf8 ? fromUtf8 : typed;
}

// Writes CP932 text that no input follows (the key list, the usage, the
// version), in the locale's encoding unless the options name one.
int WriteWithoutInput(const ExtractOptions& options, std::string_view cp932) {
  int exitCode = kExitOk;
  std::optional<Destination> destination =
      OpenDestination(options, OutputFormWithoutInput(options, LocaleIsShiftJis()), exitCode);
  if (!destination) return exitCode;
  destination->Write(cp932);
  return destination->Finish().value_or(kExitOk);
}

int ListKeys(const ExtractOptions& options, const SkillCatalogue& catalogue) {
  std::string keys;
  for (const std::string& entry : SortKeyList(catalogue)) keys += entry + "\n";
  return WriteWithoutInput(options, keys);
}

// The usage and the version go to standard output, whatever -o names.
int WriteText(ExtractOptions options, std::string_view utf8) {
  options.output.reset();
  return WriteWithoutInput(options, Cp932FromUtf8(utf8));
}

int Run(const std::vector<std::string>& arguments) {
  IgnoreInputOutputSignals();
  const CommandLine line = ParseCommandLine(arguments);
  switch (line.action) {
    case CommandLine::Action::kHelp: return WriteText(line.options, UsageText());
    case CommandLine::Action::kVersion: return WriteText(line.options, "roster-extract " ROSTER_VERSION "\n");
    case CommandLine::Action::kUsageError: return Fail(kExitTrouble, line.error);
    case CommandLine::Action::kRun: break;
  }
  const ExtractOptions& options = line.options;

  SkillCatalogue catalogue;
  if (const std::optional<int> stop = LoadCatalogue(options, catalogue)) return *stop;
  if (options.listKeys) return ListKeys(options, catalogue);
  const std::string key = ResolveKey(options.key, catalogue);
  if (NotesOfRun(key, catalogue).groupKey) {
    Note("the key \"" + Utf8FromCp932(key) + "\" is a group heading of the catalogue: every character holds a group " +
         "marker there, so nothing was sorted");
  }

  RosterInput input;
  if (const std::optional<InputFailure> failure = ReadRosterInput(options.inputs, options.encoding, input)) {
    return Fail(failure->exitCode, failure->message);
  }
  // With --strict the report reaches standard output only once the run
  // warned of nothing; -o's file is replaced only then.
  int exitCode = kExitOk;
  std::optional<Destination> destination = OpenDestination(options, OutputForm(options, input.form), exitCode);
  if (!destination) return exitCode;
  ExtractionSettings settings;
  settings.key = key;
  settings.descending = options.descending;
  // "\r\n" as in the window, unless the text's lines end in a bare "\n" (a
  // file saved on Unix), UTF-8 is asked for or a terminal shows the report.
  settings.lineEnd = input.bareLf || options.encoding == EncodingChoice::kUtf8 || ShownOnTerminal(options) ? "\n" : kLineEnd;
  settings.bareLfEndsLine = true;  // a file saved on Unix reads as one saved on Windows
  // The run takes the text: a large roster is never held twice.
  OutputSink sink(*destination);
  const ExtractionSummary summary = Extract(std::move(input.text), settings, catalogue, sink);
  if (summary.textChanged) {
    destination->Abandon();
    return Fail(kExitTrouble, "cannot read " + input.mapped + ": " + kChangedWhileRead);
  }
  if (!options.quiet) WriteWarnings(summary, input);
  if (options.strict && WarningCount(summary) > 0) {
    destination->Abandon();
    if (options.summary) WriteMessage(SummaryLine(summary, input));
    return Fail(kExitBadText, "--strict: a line was lost or changed, so nothing was written");
  }
  if (const std::optional<int> failed = destination->Finish()) return *failed;
  if (options.summary) WriteMessage(SummaryLine(summary, input));
  return kExitOk;
}

}  // namespace
}  // namespace roster

// Memory that runs out ends the run with a message, never with a signal;
// what was open (a temporary file beside -o's target) is gone by then.
int main(int argc, char** argv) {
  try {
    return roster::Run(roster::CommandLineArguments(argc, argv));
  } catch (const roster::OutOfMemory& failure) {
    return roster::Fail(roster::kExitTrouble, std::string("out of memory while ") + failure.During());
  } catch (const std::bad_alloc&) {
    return roster::Fail(roster::kExitTrouble, "out of memory");
  }
}
