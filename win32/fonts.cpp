#include "win32/fonts.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace roster {
namespace {

// Every character the dialog and the status bar show, captions and status
// texts alike: a font that draws these draws the window's texts.
constexpr std::wstring_view kWindowCharacters =
    L"抽出ソート:メモ昇順降順使用経験点表示ステータスバー0123456789 人を抽出しました（同名の上の行、読めなかった"
    L"：最初は目）。変換できない文字個「?」にCtrl+Zで元に戻せます技能一覧列作業フォルダー横";

// Whether `look` has a glyph of its own for every character of `text`.
bool HasGlyphs(const LOGFONTW& look, std::wstring_view text) {
  HFONT font = CreateFontIndirectW(&look);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  WORD glyphs[256];
  const int count = static_cast<int>(std::min(text.size(), std::size(glyphs)));
  const bool all = GetGlyphIndicesW(dc, text.data(), count, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == static_cast<DWORD>(count) &&
                   std::find(glyphs, glyphs + count, 0xFFFF) == glyphs + count;
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return all;
}

LOGFONTW HoldingJapanese(LOGFONTW look) {
  if (!HasGlyphs(look, kWindowCharacters)) {
    look.lfCharSet = SHIFTJIS_CHARSET;
    look.lfFaceName[0] = L'\0';
  }
  return look;
}

HFONT CreateScaled(LOGFONTW look, UINT fromDpi, UINT toDpi) {
  look.lfHeight = MulDiv(look.lfHeight, static_cast<int>(toDpi), static_cast<int>(fromDpi));
  return CreateFontIndirectW(&look);
}

}  // namespace

DialogUnits DialogUnitsAt(const FontLooks& looks, UINT dpi) {
  HFONT font = CreateScaled(looks.dialog, looks.dpi, dpi);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  constexpr std::wstring_view kAlphabet = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE size = {};
  GetTextExtentPoint32W(dc, kAlphabet.data(), static_cast<int>(kAlphabet.size()), &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return {(size.cx / 26 + 1) / 2, metrics.tmHeight};
}

FontLooks FindFontLooks(HFONT dialogFont, UINT dpi) {
  FontLooks looks;
  looks.dpi = dpi;
  if (dialogFont == nullptr || GetObjectW(dialogFont, sizeof looks.dialog, &looks.dialog) == 0) {
    looks.dialog.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
  }
  looks.controls = HoldingJapanese(looks.dialog);
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  looks.status = SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)
                     ? HoldingJapanese(metrics.lfStatusFont)
                     : looks.controls;
  return looks;
}

WindowFonts CreateWindowFonts(const FontLooks& looks, UINT dpi, int textPoints) {
  WindowFonts fonts;
  fonts.edit = CreateFontW(MulDiv(textPoints, static_cast<int>(dpi), 72), 0, 0, 0, 0, FALSE, FALSE, FALSE,
                           SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN, L"");
  fonts.controls = CreateControlsFont(looks, dpi);
  fonts.status = CreateScaled(looks.status, looks.dpi, dpi);
  return fonts;
}

HFONT CreateControlsFont(const FontLooks& looks, UINT dpi) { return CreateScaled(looks.controls, looks.dpi, dpi); }

void DeleteWindowFonts(const WindowFonts& fonts) {
  for (HFONT font : {fonts.edit, fonts.controls, fonts.status}) {
    if (font != nullptr) DeleteObject(font);
  }
}

}  // namespace roster
