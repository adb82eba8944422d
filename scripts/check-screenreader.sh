#!/usr/bin/env bash
# Drives the program through the accessibility bus as a screen reader does
# (tests/screenreader/check.py), on an X server, a window manager and a D-Bus
# session of its own. Takes about ten seconds.
#   scripts/check-screenreader.sh [program]   (default: the default build's)
# Needs the screenreader set of scripts/install-deps.sh.
set -euo pipefail

src="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$src/build/default/src/scarabine}"

for tool in xvfb-run xauth dbus-run-session openbox; do
  command -v "$tool" >/dev/null || { echo "check-screenreader: $tool is missing (scripts/install-deps.sh screenreader)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  { echo "check-screenreader: python3-pyatspi is missing (scripts/install-deps.sh screenreader)" >&2; exit 1; }
[ -x "$program" ] || { echo "check-screenreader: no program at $program" >&2; exit 1; }

# The bus's own daemons start on demand inside the session and end with it.
exec timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$src/tests/screenreader/check.py" "$program"
