#!/usr/bin/env bash
# cmake --install puts a complete desktop program into a staged root.
# Usage: install.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
build=$1

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
check_tree "$scratch/root"
echo "installed tree complete"
