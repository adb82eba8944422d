#!/usr/bin/env bash
# CPack builds a .deb with derived dependencies that unpacks to a complete
# tree, that lintian accepts and whose program has all of Debian's hardening.
# Usage: deb.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
build=$1

# cpack runs make in the build tree; the outer make's job server is not ours.
unset MAKEFLAGS MFLAGS MAKELEVEL
log=$scratch/cpack.log
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$log" 2>&1 || { cat "$log" >&2; fail "cpack failed"; }

arch=$(dpkg --print-architecture)
deb=$scratch/out/${SCARABINE_EXECUTABLE}_${SCARABINE_VERSION}_$arch.deb
[ -f "$deb" ] || { ls "$scratch/out" >&2; fail "no $(basename "$deb")"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$SCARABINE_EXECUTABLE" ] || fail "package name $(field Package)"
[ "$(field Version)" = "$SCARABINE_VERSION" ] || fail "package version $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "architecture $(field Architecture)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Section)" ] || fail "maintainer or section missing"

# dpkg-shlibdeps derived the libraries with their least versions (Qt's SVG
# library brings the SVG plugins along; print support is needed by the print
# module alone, which the program loads itself); only the fonts are named by hand.
depends=$(field Depends)
entries() { tr ',' '\n' <<<"$depends" | sed 's/^ *//'; }
for lib in libc6 libqt6core6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  entries | grep -Eq "^$lib \(>= [^)]+\)$" || fail "Depends lacks a derived $lib: $depends"
  [ "$(entries | grep -Ec "^$lib( |$)")" = 1 ] || fail "Depends names $lib more than once: $depends"
done
entries | grep -Fxq fonts-liberation || fail "Depends lacks fonts-liberation: $depends"

dpkg -x "$deb" "$scratch/root" || fail "dpkg -x failed"
check_tree "$scratch/root"
program=$scratch/root/usr/$SCARABINE_INSTALL_BINDIR/$SCARABINE_EXECUTABLE
for elf in "$program" "$scratch/root/usr/$SCARABINE_PRINT_MODULE"; do
  file -b "$elf" | grep -q ', stripped' || fail "packaged $(basename "$elf") keeps its debug info"
done

if [ "$SCARABINE_SHIPPABLE" != 1 ]; then
  echo "$(basename "$deb") complete; hardening and lintian are checked on optimised builds without sanitizers"
  exit 0
fi

# No check of hardening-check says no. Its control
# flow check wants every object linked in marked for CET; where the C start-up
# files (glibc's crti.o) are not, as on Debian 12, no program can be, not even
# an empty one. Ours is compiled for it all the same (-fcf-protection), and the
# check counts wherever the start-up files allow it.
skip=()
readelf -n "$(c++ -print-file-name=crti.o)" | grep -q 'x86 feature: IBT, SHSTK' || skip=(--nocfprotection)
# Its fortify check reads only the symbols: a program whose sole protectable
# calls are memcpy, memmove and memset on sizes known only at run time, which
# _FORTIFY_SOURCE=2 leaves unchecked, shows none protected however it was
# compiled. That verdict passes, for those three only.
only_memory='Fortify Source functions: no, only unprotected functions found!$'
hardening=$(hardening-check -v "${skip[@]}" "$program" "$scratch/root/usr/$SCARABINE_PRINT_MODULE") || true
[ "$(grep -c 'Stack protected: ' <<<"$hardening")" -eq 2 ] || fail "hardening-check:"$'\n'"$hardening"
! grep -v -e '(ignored)$' -e "$only_memory" <<<"$hardening" | grep -q ': no' || fail "hardening-check:"$'\n'"$hardening"
! grep -E '^\s+unprotected: ' <<<"$hardening" | grep -qvE 'unprotected: mem(cpy|move|set)$' ||
  fail "hardening-check:"$'\n'"$hardening"

# No error and no warning; a tag the package overrides carries its reason
# in usr/share/lintian/overrides.
lintian=$scratch/lintian.log
lintian --pedantic --display-level '>=pedantic' --display-experimental --info --fail-on error,warning "$deb" \
  >"$lintian" 2>&1 || { cat "$lintian" >&2; fail "lintian rejects $(basename "$deb")"; }
! grep -E '^[EW]: ' "$lintian" >&2 || fail "lintian warns about $(basename "$deb")"
# Information and pedantic notes are shown, not failed on.
grep -v '^running with root privileges' "$lintian" || true
echo "$(basename "$deb") complete, hardened and lintian-clean; Depends: $depends"
