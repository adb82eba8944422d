#!/usr/bin/env bash
# The README's second command: installs what is missing (make included),
# builds, and runs every test. Needs only bash and apt, as root or with sudo.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
exec make --no-print-directory test "$@"
