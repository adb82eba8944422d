#!/usr/bin/env bash
# Debian's checks of the package, on the release this runs on:
#  - dpkg-buildpackage makes the source and binary packages (and -dbgsym);
#  - a second build, in another folder, gives byte-identical .debs;
#  - lintian on the .changes warns about nothing;
#  - the .deb is complete and hardened (tests/packaging/deb.sh);
#  - autopkgtest installs it here and runs debian/tests;
#  - piuparts installs, removes and purges it on a bare root of this release.
#   scripts/package-check.sh [--build-only]
# It installs the package into the system it runs on, so it is meant for a
# throwaway root: scripts/fresh-debian-check.sh SUITE scripts/package-check.sh.
# Anywhere else, --build-only stops before installing anything.
# piuparts starts from the bare root fresh-debian-check caches (it copies it
# in as /var/cache/scarabine/SUITE-minbase.tar), or else makes one itself.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
build_only=
[ "${1:-}" = --build-only ] && build_only=1
if [ -z "$build_only" ] && ! ischroot; then
  echo "package-check: this installs the package here; run it in a bare root" \
       "(scripts/fresh-debian-check.sh SUITE $0), or with --build-only" >&2
  exit 2
fi

. /etc/os-release
suite=$VERSION_CODENAME
out=$src/build/package-check
began=$SECONDS
say() { printf '[package-check %s %4ds] %s\n' "$suite" $((SECONDS - began)) "$*"; }
fail() { say "FAILED: $*"; exit 1; }

scripts/install-deps.sh package-check
arch=$(dpkg --print-architecture)
version=$(sed -n '1s/^scarabine (\([^)]*\)).*/\1/p' debian/changelog)

say "source and binary packages (dpkg-buildpackage -F)"
scripts/build-package.sh "$out/first" -F || fail "dpkg-buildpackage -F"
# Without the build-time tests this time: they do not go into the package.
say "the binary packages again, in another folder (dpkg-buildpackage -b)"
DEB_BUILD_OPTIONS=nocheck scripts/build-package.sh "$out/second" -b || fail "dpkg-buildpackage -b"
debs=(scarabine_${version}_$arch.deb scarabine-dbgsym_${version}_$arch.deb)
for deb in "${debs[@]}"; do
  [ -f "$out/first/$deb" ] && [ -f "$out/second/$deb" ] || fail "no $deb"
done

# The checks below are independent: each runs, and all failures are named.
failed=()
check() {
  local name=$1; shift
  say "$name"
  "$@" || { failed+=("$name"); say "FAILED: $name"; }
}

reproducible() {
  local deb same=0
  for deb in "${debs[@]}"; do
    cmp "$out/first/$deb" "$out/second/$deb" && continue
    diff <(dpkg-deb -c "$out/first/$deb") <(dpkg-deb -c "$out/second/$deb") || true
    echo "two builds of one source give different $deb" >&2
    same=1
  done
  return $same
}

lintian_changes() {
  local changes=$out/first/scarabine_${version}_$arch.changes
  lintian --pedantic --display-level '>=pedantic' --display-experimental --info --fail-on error,warning \
    "$changes" >"$out/lintian.log" 2>&1 || { cat "$out/lintian.log"; return 1; }
  grep -v '^running with root privileges' "$out/lintian.log" || true
  ! grep -qE '^[EW]: ' "$out/lintian.log"
}

deb_contents() (
  set -a; . "$(echo "$out"/first/scarabine-"$version"/obj-*/packaging/facts.sh)"; set +a
  bash tests/packaging/deb.sh "$out/first/${debs[0]}"
)

run_autopkgtest() {
  autopkgtest --output-dir "$out/autopkgtest" "$out/first/${debs[0]}" "$out/first/scarabine-$version/" -- null
}

run_piuparts() {
  local base=() tar mirror
  for tar in "/var/cache/scarabine/$suite-minbase.tar" "/tmp/scarabine-fresh-check/$suite-minbase.tar"; do
    [ -s "$tar" ] || continue
    gzip -1 <"$tar" >"$out/$suite-base.tgz"
    base=(--basetgz "$out/$suite-base.tgz" --keep-sources-list)
    break
  done
  mirror=$(sed -n -E "s/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+$suite[[:space:]].*/\2/p" \
             /etc/apt/sources.list 2>/dev/null | head -n 1)
  piuparts --distribution "$suite" ${mirror:+--mirror "$mirror"} "${base[@]}" \
    --warn-on-leftovers-after-purge "$out/first/${debs[0]}" >"$out/piuparts.log" 2>&1 \
    || { tail -n 80 "$out/piuparts.log"; echo "whole log: $out/piuparts.log" >&2; return 1; }
  tail -n 3 "$out/piuparts.log"
}

check "reproducible: both builds give byte-identical ${debs[*]}" reproducible
check "lintian on the .changes (source and binary packages)" lintian_changes
check "the .deb: complete, stripped with its symbols beside it, hardened" deb_contents
if [ -z "$build_only" ]; then
  check "autopkgtest: installs the .deb here and runs debian/tests" run_autopkgtest
  check "piuparts: install, remove and purge on a bare $suite root" run_piuparts
fi

[ ${#failed[@]} -eq 0 ] || fail "${failed[*]}"
if [ -n "$build_only" ]; then
  say "passed, built only: autopkgtest and piuparts not run (--build-only)"
else
  say "passed on $suite"
fi
