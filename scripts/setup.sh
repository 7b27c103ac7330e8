#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, only what is missing.
# Sourced by the other scripts; safe to run again.
set -euo pipefail

# xvfb, xauth and xdotool: the built program on a virtual display (its test, bench/windows.sh);
# clang-format: scripts/checkformat.sh; libxcb1-dev: the main window's taskbar entry and
# where each window really stands on X11; clang: the second compiler every target must build
# with (scripts/test.sh --clang).
OMBRIX_PACKAGES=(cmake g++ clang make libgtest-dev libgmock-dev qt6-base-dev libqt6svg6
                 clang-format fp-utils locales shared-mime-info xvfb xauth xdotool libxcb1-dev)

ombrix_missing_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

ombrix_install() {
  local missing
  missing=$(ombrix_missing_packages "$@")
  if [ -n "$missing" ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: $missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
  fi
}

# A locale whose decimal separator is a comma, so the tests can prove that numbers
# never depend on the process locale.
ombrix_comma_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if [ -f /etc/locale.gen ]; then
      $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
      grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
      $sudo locale-gen >/dev/null
    fi
  fi
}

ombrix_install "${OMBRIX_PACKAGES[@]}"
ombrix_comma_locale
