#!/usr/bin/env bash
# Installs the Debian packages one purpose needs, and no more:
#   scripts/install-deps.sh [run|test|tidy|screenshots|screenreader|wayland|bench|fuzz|package|package-check|rtl]...
# Every purpose builds the program, so each brings the `run` set with it.
# What building needs is listed once, as debian/control's Build-Depends.
# Needs only bash and apt (as root, or through sudo): on a bare Debian it is
# the first thing that runs, before make exists. Idempotent and quiet: prints
# nothing when everything is already there.
set -euo pipefail
control="$(cd "$(dirname "$0")/.." && pwd)/debian/control"

# The comma-separated entries of one debian/control field, one a line: the
# first paragraph's (the source package's) or the binary package's, without
# the substitutions debhelper fills in.
control_field() {
  awk -v field="$1" -v para="$2" '
    /^#/ { next }
    /^$/ { ++n; infield = 0; next }
    n == para && index($0, field ":") == 1 { infield = 1; $0 = substr($0, length(field) + 2) }
    n == para && /^[^ \t]/ && index($0, field ":") != 1 { infield = 0 }
    infield { print }' "$control" | tr ',' '\n' | sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' -e '/^$/d' -e '/^\${/d'
}
mapfile -t build_depends < <(control_field Build-Depends 0)
[ ${#build_depends[@]} -gt 0 ] || { echo "install-deps.sh: no Build-Depends in $control" >&2; exit 1; }

# Building and starting the program: the compiler, the build dependencies
# but debhelper (needed for the package alone), and the fonts the package
# depends on (with the reasons in debian/control).
run=(build-essential)
for dep in "${build_depends[@]}"; do
  [[ $dep == debhelper-compat* ]] || run+=("$dep")
done
mapfile -t -O ${#run[@]} run < <(control_field Depends 1)
# The test suite, on top of `run`.
test=(
  unrtf poppler-utils                   # independent readers for saved RTF and printed PDF
  desktop-file-utils appstream          # validators for the desktop entry and the metainfo
  file                                  # the installed tree's checks
  man-db                                # man renders the manual page and reports its warnings
  xvfb xauth xdotool                    # the run command, shown on a real X server
)
# dpkg-buildpackage: every build dependency (debhelper included).
package=("${build_depends[@]}")
# scripts/package-check.sh: the .deb's policy check, hardening-check and the
# validators tests/packaging/lib.sh runs on its tree, and
# Debian's installation tests (autopkgtest brings what debian/tests names).
package_check=(lintian devscripts file desktop-file-utils appstream autopkgtest piuparts debootstrap)
tidy=(clang-tidy)
screenshots=(xvfb xauth)
# The program driven through the accessibility bus (scripts/check-screenreader.sh):
# pyatspi brings the bus launcher and registry, dbus-daemon a session of its own,
# openbox the window manager that hands windows the keyboard.
screenreader=(python3-pyatspi dbus-daemon xvfb xauth openbox)
# Instruction counts (bench/sidebyside times the starts and reads their memory itself).
bench=(valgrind)
fuzz=(clang libclang-rt-dev)
# The program as a native Wayland client under a headless weston (scripts/check-wayland.sh).
wayland=(weston qt6-wayland)
rtl=(libreoffice-writer-nogui)          # reads a saved Arabic report back

packages=("${run[@]}")
for purpose in "$@"; do
  case "$purpose" in
    run) ;;
    test) packages+=("${test[@]}") ;;
    package) packages+=("${package[@]}") ;;
    package-check) packages+=("${package[@]}" "${package_check[@]}") ;;
    tidy) packages+=("${tidy[@]}") ;;
    screenshots) packages+=("${screenshots[@]}") ;;
    screenreader) packages+=("${screenreader[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    wayland) packages+=("${wayland[@]}") ;;
    rtl) packages+=("${rtl[@]}") ;;
    *) echo "install-deps.sh: no package set named '$purpose'" >&2; exit 2 ;;
  esac
done

mapfile -t packages < <(printf '%s\n' "${packages[@]}" | awk '!seen[$0]++')

# Each entry is a package name, perhaps with a version ("cmake (>= 3.25)"),
# which apt satisfies when it installs; here only the name is looked for.
# debhelper-compat is a name debhelper provides.
missing=()
for p in "${packages[@]}"; do
  name=${p%% *}
  [ "$name" = debhelper-compat ] && name=debhelper
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
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
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get satisfy -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
