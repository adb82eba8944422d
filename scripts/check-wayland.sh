#!/usr/bin/env bash
# The program as a native Wayland client under a real compositor: a headless
# weston of its own with one small (800x600) output and its usual panel, no
# X display. Runs the check program built in BUILD (default build/default):
# the main road, Back, the about box, a second copy, and the farewell window
# coming up in front of a window opened after the program; every window
# found whole on the output.
#   scripts/check-wayland.sh [BUILD]
# Needs weston and Qt's Wayland platform (the wayland set of scripts/install-deps.sh).
set -euo pipefail

src="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$src/build/default}" && pwd)"
for tool in weston weston-screenshooter timeout; do
  command -v "$tool" >/dev/null || { echo "check-wayland: $tool is missing (scripts/install-deps.sh wayland)" >&2; exit 1; }
done
for built in tests/waylandcheck tests/libscarabine_driver.so src/scarabine; do
  [ -e "$build/$built" ] || { echo "check-wayland: $build/$built is not built" >&2; exit 1; }
done

runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket=scarabine-check
weston_pid=""
finish() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null || true
  rm -rf "$runtime"
}
trap finish EXIT

# --debug lets weston-screenshooter take the output; pixman draws it in
# memory. Weston 12 and later name the renderer with --renderer, older ones
# with --use-pixman.
if weston --help 2>&1 | grep -q -- '--renderer'; then
  headless=(--backend=headless --renderer=pixman)
else
  headless=(--backend=headless-backend.so --use-pixman)
fi
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
  weston "${headless[@]}" --width=800 --height=600 \
    --socket="$socket" --idle-time=0 --debug --log="$runtime/weston.log" &
weston_pid=$!
for ((tick = 0; tick < 100; ++tick)); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; echo "check-wayland: weston did not start" >&2; exit 1; }
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log" >&2; echo "check-wayland: weston did not start" >&2; exit 1; }
sleep 1  # the panel

rc=0
env -u DISPLAY -u QT_SCALE_FACTOR XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  QT_IM_MODULE=none XDG_CONFIG_HOME="$runtime/config" LANG=C.UTF-8 LC_ALL=C.UTF-8 \
  SCARABINE_EXE="$build/src/scarabine" SCARABINE_DRIVER="$build/tests/libscarabine_driver.so" \
  "$build/tests/waylandcheck" || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "check-wayland: failed; weston's log:" >&2
  tail -n 30 "$runtime/weston.log" >&2
fi
exit "$rc"
