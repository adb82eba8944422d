#!/usr/bin/env bash
# Runs a command that should start Scarabine (by default the README's ./run.sh)
# on a real X server of its own, waits until the main window, a top-level
# window titled "Scarabine v<version>", is shown, then ends the program by its
# own process id. A wrong path, a missing library or a start-up that never
# shows its window fails.
#   scripts/check-run.sh [command [argument]...]
# Needs xvfb-run, xauth and xdotool (the test set of scripts/install-deps.sh).
# CHECK_RUN_TIMEOUT: seconds to wait for the window (default 900, as the
# command may build the program first).
set -euo pipefail

src="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -gt 0 ] || set -- "$src/run.sh"

if [ -z "${SCARABINE_CHECK_RUN_DISPLAY:-}" ]; then
  for tool in xvfb-run xauth xdotool; do
    command -v "$tool" >/dev/null || { echo "check-run: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
  done
  # A display of its own, so no desktop's windows or settings get in the way.
  exec env SCARABINE_CHECK_RUN_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

version="$(sed -n '1s/^scarabine (\([0-9.]*\)).*/\1/p' "$src/debian/changelog")"
title="Scarabine v$version"
timeout="${CHECK_RUN_TIMEOUT:-900}"

# A first start, as a newcomer's: no settings yet, an instance lock of its own.
home="$(mktemp -d)"
log="$home/run.log"
started=""
finish() {
  # Whatever went wrong, the command started here does not outlive the check.
  [ -n "$started" ] && kill "$started" 2>/dev/null || true
  rm -rf "$home"
}
trap finish EXIT
mkdir -m 700 "$home/runtime"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" "$@" >"$log" 2>&1 &
started=$!

window=""
for ((tick = 0; tick < timeout * 2; ++tick)); do
  window="$(xdotool search --onlyvisible --name "^${title//./\\.}\$" 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  if ! kill -0 "$started" 2>/dev/null; then
    rc=0; wait "$started" || rc=$?
    started=""
    cat "$log" >&2
    echo "check-run: '$*' ended (exit $rc) without showing a window titled \"$title\"" >&2
    exit 1
  fi
  sleep 0.5
done
if [ -z "$window" ]; then
  cat "$log" >&2
  echo "check-run: no window titled \"$title\" within $timeout s of '$*'" >&2
  exit 1
fi

program="$(xdotool getwindowpid "$window")"
echo "check-run: '$*' showed \"$title\" after $((tick / 2)) s (window $window, process $program)"
kill "$program"
# The command ends with the program it started.
for ((tick = 0; tick < 60; ++tick)); do
  kill -0 "$started" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$started" 2>/dev/null; then
  cat "$log" >&2
  echo "check-run: '$*' still running after its program $program was ended" >&2
  exit 1
fi
started=""
