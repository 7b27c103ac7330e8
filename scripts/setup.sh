#!/usr/bin/env bash
# Sourced by the other scripts: makes sure what building needs is there (Debian), and gives
# them ombrix_install and ombrix_comma_locale for what only they need. As root, what is
# missing is installed; any other user is told what is missing and the command that installs
# it. Safe to run again.
set -euo pipefail

# libxcb1-dev: the main window's taskbar entry and where each window really stands on X11;
# fp-utils: chmcmd, which compiles the help file; libgtest-dev: the build configures the tests.
OMBRIX_BUILD_PACKAGES=(cmake g++ make libgtest-dev libgmock-dev qt6-base-dev libqt6svg6
                       fp-utils shared-mime-info libxcb1-dev)
# xvfb, xauth and xdotool: the built program on a virtual display (its test, bench/windows.sh).
OMBRIX_DISPLAY_PACKAGES=(xvfb xauth xdotool)

ombrix_missing_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

# Installs the packages that are missing; for a user other than root, names them and the
# command that installs them and fails (status 1).
ombrix_install() {
  if ! command -v dpkg-query >/dev/null; then
    echo "setup: no dpkg-query (not Debian): going on without looking for $*" >&2
    return 0
  fi
  local missing
  missing=$(ombrix_missing_packages "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: $missing" >&2
    echo "setup: as root, install them with:  apt-get install $missing" >&2
    return 1
  fi
  echo "Installing: $missing"
  apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# A locale whose decimal separator is a comma, so the tests can prove that numbers never
# depend on the process locale; without it they skip themselves. Made here as root, else
# named with the commands that make it (status 1).
ombrix_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: the locale de_DE.UTF-8 is missing; as root, make it with:" >&2
    echo "  apt-get install locales && echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen && locale-gen" >&2
    return 1
  fi
  ombrix_install locales
  [ -f /etc/locale.gen ] && sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
}

ombrix_install "${OMBRIX_BUILD_PACKAGES[@]}" || exit 1
