#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, quietly, and only when missing.
# Further packages named as arguments are installed the same way (scripts/fuzz.sh asks for
# clang and its sanitizer and libFuzzer runtimes).
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev fonts-ipafont libical-dev python3-icalendar
          dpkg-dev desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
echo "Installing: ${missing[*]}"
$sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
$sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
