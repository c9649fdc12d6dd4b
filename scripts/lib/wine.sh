# Shared by the Wine scripts: a private prefix and X display, quiet and fast.
# After roster_wine_start, WINEPREFIX and DISPLAY are set; roster_wine_stop
# ends every process of the prefix and removes it. The system code page
# follows LANG (C.UTF-8: 1252, ja_JP.UTF-8: 932); ROSTER_WINE_DPI (default 96)
# sets the display's DPI in the fresh prefix, ROSTER_WINE_SCREEN (default
# 1280x1024) the size of the private X display.

roster_wait_for() {  # roster_wait_for SECONDS COMMAND...: polls until COMMAND succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The menu bar, the title bar and message boxes are drawn by Wine in its UI
# font (Tahoma, substituted by a Western face), which has no Japanese: the
# font is linked to IPAGothic, as Windows links its UI font to a Japanese
# one, so they show Japanese under any code page.
roster_wine_link_japanese_font() {
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f < /dev/null > /dev/null 2>&1
}

roster_wine_start() {
  ROSTER_WINE_WORK=$(mktemp -d /tmp/roster-wine.XXXXXX)
  export WINEPREFIX=$ROSTER_WINE_WORK/prefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # File names with Japanese characters need a UTF-8 Unix locale.
  case "${LANG:-}" in *UTF-8*|*utf8*) ;; *) export LANG=C.UTF-8 ;; esac
  if [ -n "${ROSTER_DISPLAY:-}" ]; then
    export DISPLAY=$ROSTER_DISPLAY
  else
    Xvfb -displayfd 3 -screen 0 "${ROSTER_WINE_SCREEN:-1280x1024}x24" -nolisten tcp 3> "$ROSTER_WINE_WORK/display" < /dev/null > /dev/null 2>&1 &
    ROSTER_XVFB_PID=$!
    roster_wait_for 30 test -s "$ROSTER_WINE_WORK/display" || { echo "wine-run: Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$(cat "$ROSTER_WINE_WORK/display")
  fi
  # A wineserver that holds the caller's output open would keep CTest
  # waiting, so it gets none.
  mkdir -p "$WINEPREFIX"
  wineserver -p < /dev/null > /dev/null 2>&1
  wine wineboot --init < /dev/null > /dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f < /dev/null > /dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${ROSTER_WINE_DPI:-96}" /f \
    < /dev/null > /dev/null 2>&1
  roster_wine_link_japanese_font
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

roster_wine_stop() {
  [ -n "${ROSTER_WINE_WORK:-}" ] || return 0
  # -k returns before the processes are gone; -w waits for the server.
  wineserver -k > /dev/null 2>&1 || true
  timeout 30 wineserver -w > /dev/null 2>&1 || true
  if [ -n "${ROSTER_XVFB_PID:-}" ]; then
    kill "$ROSTER_XVFB_PID" 2>/dev/null || true
    wait "$ROSTER_XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "$ROSTER_WINE_WORK"
  ROSTER_WINE_WORK=""
}
