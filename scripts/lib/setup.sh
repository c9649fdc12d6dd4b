# Shared by the scripts: installs Debian packages that are not there yet.

roster_require_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
}

# mingw-w64, Wine, an X server, a Japanese font and the ja_JP.UTF-8 locale.
roster_require_windows_toolchain() {
  roster_require_packages cmake make g++-mingw-w64-x86-64 googletest wine wine64 fonts-wine xvfb \
    fonts-ipafont-gothic imagemagick locales
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen > /dev/null
    $sudo locale-gen > /dev/null
  fi
}
