#!/usr/bin/env bash
# CPack builds a .deb with derived dependencies that unpacks to a complete tree.
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

# dpkg-shlibdeps derived the libraries with their least versions; the rest
# (font, run-time plugins) is named by hand.
depends=$(field Depends)
has() { tr ',' '\n' <<<"$depends" | sed 's/^ *//' | grep -Fxq "$1"; }
has_versioned() { tr ',' '\n' <<<"$depends" | sed 's/^ *//' | grep -Eq "^$1 \(>= [^)]+\)$"; }
for lib in libc6 libqt6core6 libqt6widgets6; do
  has_versioned "$lib" || fail "Depends lacks a derived $lib: $depends"
done
for pkg in fonts-liberation libqt6svg6; do
  has "$pkg" || fail "Depends lacks $pkg: $depends"
done

dpkg -x "$deb" "$scratch/root" || fail "dpkg -x failed"
check_tree "$scratch/root"
file -b "$scratch/root/usr/bin/$SCARABINE_EXECUTABLE" | grep -q ', stripped' || fail "packaged program keeps its debug info"
echo "$(basename "$deb") complete; Depends: $depends"
