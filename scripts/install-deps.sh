#!/usr/bin/env bash
# Installs the Debian packages Scarabine needs to build, run and test.
# Idempotent and quiet: prints nothing when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev libqt6svg6
  fonts-liberation            # metric stand-in for Verdana / Arial
  xvfb xauth                  # real windows for screenshots
  unrtf poppler-utils         # independent readers for saved RTF and printed PDF
  desktop-file-utils appstream  # validators for the desktop entry and the metainfo
  dpkg-dev file               # dpkg-shlibdeps derives the .deb's dependencies
  lintian devscripts          # Debian's checks of the .deb, and hardening-check
  clang-tidy                  # `make tidy`
)
# `make bench` also times start-up, counts its instructions and measures peak memory.
[ "${1:-}" = bench ] && packages+=(hyperfine time valgrind)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# apt and debconf chatter goes to a log that is shown only when something fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { $sudo apt-get update -qq && $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
