#!/usr/bin/env bash
# Installs the Debian packages one purpose needs, and no more:
#   scripts/install-deps.sh [run|test|tidy|screenshots|bench|fuzz|package|rtl]...
# Every purpose builds the program, so each brings the `run` set with it.
# Needs only bash and apt (as root, or through sudo): on a bare Debian it is
# the first thing that runs, before make exists. Idempotent and quiet: prints
# nothing when everything is already there.
set -euo pipefail

# Building and starting the program.
run=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev libqt6svg6   # libqt6gui6 brings the xcb and offscreen platforms
  fonts-liberation                      # stands in for Verdana: Arial's metrics, narrower than Verdana
  # Liberation Sans 1.07 has no combining marks (U+0300-036F) and few scripts:
  # without a fallback a decomposed "é" shows as a box, and a pasted tower of
  # marks as hundreds of boxes. DejaVu Sans is the fallback the windows name.
  fonts-dejavu-core
  # The translations: lupdate and lrelease with their CMake functions, and
  # Qt's own translations of its dialogs.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
# The test suite, on top of `run`.
test=(
  unrtf poppler-utils                   # independent readers for saved RTF and printed PDF
  desktop-file-utils appstream          # validators for the desktop entry and the metainfo
  dpkg-dev file                         # dpkg-shlibdeps derives the .deb's dependencies
  lintian devscripts                    # the .deb's policy check and hardening-check
  xvfb xauth xdotool                    # the run command, shown on a real X server
)
package=(dpkg-dev file)
tidy=(clang-tidy)
screenshots=(xvfb xauth)
# Instruction counts (bench/sidebyside times the starts and reads their memory itself).
bench=(valgrind)
fuzz=(clang libclang-rt-dev)
rtl=(libreoffice-writer-nogui)          # reads a saved Arabic report back

packages=("${run[@]}")
for purpose in "$@"; do
  case "$purpose" in
    run) ;;
    test) packages+=("${test[@]}") ;;
    package) packages+=("${package[@]}") ;;
    tidy) packages+=("${tidy[@]}") ;;
    screenshots) packages+=("${screenshots[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    rtl) packages+=("${rtl[@]}") ;;
    *) echo "install-deps.sh: no package set named '$purpose'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "Installing needs root: run this as root, or install sudo and give yourself the right to use it." >&2
    exit 1
  }
  sudo=(sudo)
fi
# apt and debconf chatter goes to a log that is shown only when something fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
