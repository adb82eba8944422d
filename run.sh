#!/usr/bin/env bash
# The README's first command: installs what is missing (make included),
# builds, and starts Scarabine. Needs only bash and apt, as root or with sudo.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
exec make --no-print-directory run "$@"
