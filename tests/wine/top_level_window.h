// Finds a top-level window of a process by its class, for the Wine tests and
// the probe they load into roster.exe.
#pragma once

#include <windows.h>

#include <string_view>

namespace roster {

namespace detail {

struct FindByClass {
  DWORD processId;
  const wchar_t* className;
  HWND owner;
  HWND found;
};

inline BOOL CALLBACK FindTopLevel(HWND window, LPARAM context) {
  auto* find = reinterpret_cast<FindByClass*>(context);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (processId == find->processId && std::wstring_view(className) == find->className &&
      (find->owner == nullptr || GetWindow(window, GW_OWNER) == find->owner)) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace detail

// The first top-level window of `processId` of class `className` (owned by
// `owner`, when given); null when there is none.
inline HWND FindTopLevelWindow(DWORD processId, const wchar_t* className, HWND owner = nullptr) {
  detail::FindByClass find = {processId, className, owner, nullptr};
  EnumWindows(detail::FindTopLevel, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

}  // namespace roster
