#!/usr/bin/env bash
# Starts Scarabine, or says in one line why it cannot be shown.
set -eu
exe="$1"
[ -x "$exe" ] || { echo "Scarabine is not built where expected: $exe" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Scarabine needs a graphical desktop: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  exit 1
fi
exec "$exe"
