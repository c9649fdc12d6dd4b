#include "window/status_text.h"

#include <algorithm>

#include "encoding/encoding.h"
#include "encoding/utf8.h"

namespace roster {
namespace {

// A file name as the platform gives it (UTF-8 on Windows), as Windows
// writes it.
std::wstring PlaceName(std::string_view name) {
  std::wstring wide = WideFromUtf8(name);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

std::wstring FileName(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  return PlaceName(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

// Short in the bar, whole in the tooltip: the bar has room for little more
// than the run's counts at the window's smallest size.
std::wstring ReplacedInShort(const ReplacedCharacters& r) { return L"「?」" + std::to_wstring(r.count) + L" 文字"; }

std::wstring Replaced(const ReplacedCharacters& r, const std::wstring& where) {
  return L"変換できない文字 " + std::to_wstring(r.count) + L" 個を「?」にしました（最初は " + where +
         std::to_wstring(r.firstLine) + L" 行目の「" + r.first + L"」）";
}

void Join(std::wstring& text, std::wstring_view separator, const std::wstring& piece) {
  if (!text.empty()) text += separator;
  text += piece;
}

}  // namespace

std::wstring TooltipText(const StatusMessage& message) {
  std::wstring text = message.text;
  for (const std::wstring* more : {&message.note, &message.details}) {
    if (!more->empty()) Join(text, L"\r\n", *more);
  }
  return text;
}

StatusMessage StartStatusText(std::size_t keptLines) {
  if (keptLines == 0) return {L"名簿を貼り付けて「抽出」（F5）を押してください", L"", L""};
  return {L"前回の名簿を戻しました（" + std::to_wstring(keptLines) + L" 行）", L"",
          L"「抽出」（F5）で並べ直せます。名簿は終わるときに roster-box.txt に残ります"};
}

StatusMessage SavedStatusText(const std::wstring& name, bool utf8, std::size_t replaced) {
  StatusMessage message{L"「" + name + L"」に保存しました（" + (utf8 ? L"UTF-8" : L"Shift_JIS") + L"）", L"", L""};
  if (replaced > 0) message.note = L"「?」" + std::to_wstring(replaced) + L" 文字";
  return message;
}

StatusMessage FindStatusText(std::wstring_view what, std::optional<std::size_t> line) {
  const std::wstring quoted = L"「" + std::wstring(what) + L"」";
  if (!line) return {quoted + L"が見つかりません", L"", L""};
  return {quoted + L"を見つけました（" + std::to_wstring(*line) + L" 行目）", L"", L""};
}

std::wstring EventWords(LineEvent event) {
  switch (event) {
    case LineEvent::kReplaced: return L"同名の上の行";
    case LineEvent::kNamesMerged: return L"別の名前が同じ名前に";
    case LineEvent::kBlank: return L"空行";
    case LineEvent::kHeader: return L"見出しの行";
    case LineEvent::kNoSeparator: return L"読めない行（「|」がない）";
    case LineEvent::kTooFewCells: return L"読めない行（欄が足りない）";
    case LineEvent::kEmptyName: return L"読めない行（名前が空）";
    case LineEvent::kNameShortened: return L"名前を短くした行";
    case LineEvent::kExtraCells: return L"最後の欄の後ろを備考に残した行";
    case LineEvent::kOddSkillCell: return L"技能の欄の幅が半端な行";
    case LineEvent::kNumberOutOfRange: return L"大きすぎる数の行";
    case LineEvent::kNameReadsAsHeader: return L"名前に「名前」を含む行";
    case LineEvent::kFullWidthBars: return L"「｜」を区切りとして読んだ行";
  }
  return L"";
}

StatusMessage StatusText(const RunResult& result) {
  if (result.outOfMemory) return {L"メモリが足りないので抽出できませんでした", L"名簿は変わっていません", L""};
  const ExtractionSummary& s = result.summary;
  StatusMessage message;
  message.text = std::to_wstring(s.kept) + L" 人を抽出しました";
  std::wstring details;
  // Each kind of line that the report does not show as typed, in the
  // player's words; none that did not happen.
  auto count = [&](LineEvent event) {
    if (s.Count(event) > 0) Join(details, L"、", EventWords(event) + L" " + std::to_wstring(s.Count(event)));
  };
  count(LineEvent::kReplaced);
  count(LineEvent::kNamesMerged);
  if (s.skipped > 0) {
    Join(details, L"、",
         L"読めない行 " + std::to_wstring(s.skipped) + L"：" + std::to_wstring(s.firstSkippedLine) + L" 行目から");
  }
  for (LineEvent event : {LineEvent::kNameShortened, LineEvent::kNameReadsAsHeader, LineEvent::kOddSkillCell,
                          LineEvent::kNumberOutOfRange, LineEvent::kExtraCells, LineEvent::kFullWidthBars}) {
    count(event);
  }
  if (!details.empty()) message.text += L"（" + details + L"）";
  if (result.replaced.count > 0) {
    Join(message.note, L"。", ReplacedInShort(result.replaced) + L"：Ctrl+Z で戻せます");
    message.details = Replaced(result.replaced, L"");
  }
  if (!result.unknownKey.empty()) {
    Join(message.note, L"。", L"「" + WideFromCp932(result.unknownKey) + L"」は一覧にないので並べ替えていません");
  }
  if (!result.groupKey.empty()) {
    Join(message.note, L"。", L"「" + WideFromCp932(result.groupKey) + L"」は技能のグループの見出しなので並べ替えていません");
  }
  if (result.noSkillColumns) Join(message.note, L"。", L"技能の一覧がないので技能の列はありません");
  return message;
}

StatusMessage StatusText(const HistoryStep& step) {
  const std::wstring left = std::to_wstring(step.left);
  std::wstring what;
  switch (step.kind) {
    case StepKind::kTyping: what = L"入力"; break;
    case StepKind::kPaste: what = L"貼り付け"; break;
    case StepKind::kDrop: what = L"ファイルの挿入"; break;
    case StepKind::kOpen: what = L"ファイルを開く操作"; break;
    case StepKind::kExtract: what = L"「抽出」"; break;
  }
  if (step.back) {
    return {step.kind == StepKind::kExtract ? L"「抽出」の前の文章に戻しました" : what + L"を取り消しました",
            (step.left > 0 ? L"あと " + left + L" 回戻せます" : std::wstring(L"これより前には戻せません")) +
                L"。Ctrl+Y でやり直せます",
            L""};
  }
  return {what + L"をやり直しました",
          (step.left > 0 ? L"あと " + left + L" 回やり直せます。" : std::wstring()) + L"Ctrl+Z で戻せます", L""};
}

StatusMessage RunGoneStatusText() {
  return {L"その「抽出」の前の文章は、もう元に戻す履歴にありません", L"名簿は変わっていません", L""};
}

std::optional<StatusMessage> StatusText(const CatalogueSearch& search) {
  const std::wstring catalogue = PlaceName(Utf8Bytes(kCatalogueFileName));
  StatusMessage message;
  if (search.catalogue) {
    // A damaged file at an earlier place is named though a later one serves.
    if (!search.problems.empty()) {
      message.text = L"技能の一覧 " + catalogue + L" に読めないものがありました";
      message.note = PlaceName(search.file) + L" を使います";
      for (const std::string& problem : search.problems) Join(message.details, L"\r\n", L"読めなかったもの: " + PlaceName(problem));
      return message;
    }
    if (search.nonRows.count == 0) return std::nullopt;
    message.text = L"技能の一覧の " + std::to_wstring(search.nonRows.count) + L" 行は「名前,見出し:説明」の行ではありません";
    message.note = L"最初は " + std::to_wstring(search.nonRows.firstLine) + L" 行目。見出しのない列になります";
    message.details = PlaceName(search.file);
    return message;
  }
  message.text = search.problems.empty() ? catalogue + L" が作業フォルダーにも roster.exe の横にもありません"
                                         : L"技能の一覧 " + catalogue + L" を読めません";
  message.note = L"技能の列なしで抽出します";
  message.details = L"探した場所:";
  for (const std::string& place : search.looked) {
    const std::wstring name = PlaceName(place);
    const std::wstring folder = search.workingFolder.empty() ? L"" : L"（" + PlaceName(search.workingFolder) + L"）";
    Join(message.details, L"\r\n  ", search.IsBelowWorkingFolder(place) ? L"作業フォルダー" + folder + L"の " + name : name);
  }
  for (const std::string& problem : search.problems) Join(message.details, L"\r\n", L"読めなかったもの: " + PlaceName(problem));
  return message;
}

StatusMessage StatusText(const DroppedFiles& dropped) {
  StatusMessage message;
  if (!dropped.unreadable.empty()) {
    message.text = L"「" + FileName(dropped.unreadable) + L"」を読み込めませんでした";
    switch (dropped.refusal) {
      case DroppedFiles::Refusal::kCannotRead: break;
      case DroppedFiles::Refusal::kNoText: message.note = L"テキストファイルではありません。"; break;
      case DroppedFiles::Refusal::kUnknownEncoding:
        message.note = dropped.refusedLine == 0
                           ? L"文字コードがわかりません。"
                           : std::to_wstring(dropped.refusedLine) + L" 行目が UTF-8 です。";
        break;
      case DroppedFiles::Refusal::kUtf16WithoutMark:
        message.note = L"BOM のない UTF-16 です。";
        message.details = L"BOM を付けるか、UTF-8 か Shift_JIS で保存し直すと読めます\r\n";
        break;
    }
    message.note += L"名簿は変わっていません";
    message.details += PlaceName(dropped.unreadable) + L": " + WideFromUtf8(dropped.reason);
    return message;
  }
  message.text = dropped.names.size() == 1 ? L"「" + FileName(dropped.names.front()) + L"」を読み込みました"
                                           : std::to_wstring(dropped.names.size()) + L" 個のファイルを読み込みました";
  if (dropped.replaced.count > 0) {
    message.note = ReplacedInShort(dropped.replaced) + L"：Ctrl+Z で取り消せます";
    message.details = Replaced(dropped.replaced, FileName(dropped.replacedIn) + L" の ");
  }
  for (const std::string& name : dropped.names) Join(message.details, L"\r\n", PlaceName(name));
  return message;
}

}  // namespace roster
