#include "app/win32/fonts.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace roster {
namespace {

constexpr int kEditFontHeightAt96Dpi = 12;

// Every character the dialog and the status bar show, captions and status
// texts alike: a font that draws these draws the window's texts.
constexpr std::wstring_view kWindowCharacters =
    L"抽出ソート:メモ昇順降順使用経験点表示ステータスバー0123456789 人を抽出しました（同名の上の行、読めなかった"
    L"：最初は目）。変換できない文字個「?」にCtrl+Zで元に戻せます";

// Whether `font` has a glyph of its own for every character of `text`.
bool HasGlyphs(HFONT font, std::wstring_view text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  WORD glyphs[256];
  const int count = static_cast<int>(std::min(text.size(), std::size(glyphs)));
  const bool all = GetGlyphIndicesW(dc, text.data(), count, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == static_cast<DWORD>(count) &&
                   std::find(glyphs, glyphs + count, 0xFFFF) == glyphs + count;
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return all;
}

}  // namespace

HFONT CreateEditFont(HWND window) {
  HDC dc = GetDC(window);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc != nullptr) ReleaseDC(window, dc);
  return CreateFontW(MulDiv(kEditFontHeightAt96Dpi, dpi, 96), 0, 0, 0, 0, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0,
                     0, 0, FIXED_PITCH | FF_MODERN, L"");
}

HFONT CreateFontHoldingJapanese(HFONT current) {
  LOGFONTW look = {};
  if (current != nullptr) {
    if (HasGlyphs(current, kWindowCharacters) || GetObjectW(current, sizeof look, &look) == 0) return nullptr;
  } else {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    look = metrics.lfStatusFont;
    HFONT status = CreateFontIndirectW(&look);
    if (HasGlyphs(status, kWindowCharacters)) return status;
    DeleteObject(status);
  }
  look.lfCharSet = SHIFTJIS_CHARSET;
  look.lfFaceName[0] = L'\0';
  return CreateFontIndirectW(&look);
}

}  // namespace roster
