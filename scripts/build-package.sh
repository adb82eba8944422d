#!/usr/bin/env bash
# Builds Debian packages from this tree with dpkg-buildpackage, in a copy of
# it under OUT (dpkg-buildpackage writes beside the tree it builds, so the
# packages land in OUT, not next to the checkout), and prints their paths.
#   scripts/build-package.sh OUT [dpkg-buildpackage options]   (default: -b)
# The build dependencies must be there: scripts/install-deps.sh package.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -ge 1 ] || { echo "usage: $0 OUT [dpkg-buildpackage options]" >&2; exit 2; }
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift
[ $# -gt 0 ] || set -- -b

version=$(sed -n '1s/^scarabine (\([^)]*\)).*/\1/p' "$src/debian/changelog")
tree=$out/scarabine-$version
rm -rf --one-file-system "$tree"
find "$out" -maxdepth 1 -type f -name 'scarabine*' -delete
mkdir -p "$tree"
# The tree as it is, without what building it made (build/, a stray
# dpkg-buildpackage run's files).
tar -C "$src" --exclude=./build --exclude=./.git --exclude='./obj-*' \
    --exclude=./debian/.debhelper --exclude=./debian/scarabine --exclude=./debian/tmp \
    --exclude=./debian/files --exclude='./debian/*.substvars' --exclude='./debian/*debhelper*' \
    -cf - . | tar -C "$tree" -xf -

log=$out/build.log
# Make's job server of a calling make is not this build's.
if ! (cd "$tree" && env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL \
        DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc "$@") >"$log" 2>&1; then
  tail -n 60 "$log" >&2
  echo "build-package: dpkg-buildpackage $* failed (whole log: $log)" >&2
  exit 1
fi
find "$out" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.dsc' -o -name '*.changes' \) | sort
