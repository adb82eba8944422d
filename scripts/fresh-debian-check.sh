#!/usr/bin/env bash
# The README's two commands on the barest Debian: a minbase root made by
# debootstrap, the committed tree copied in, the test command run inside,
# then the run command on Xvfb until the main window shows.
#   scripts/fresh-debian-check.sh [SUITE [COMMAND...]]
# SUITE is bookworm (Debian 12, the default) or trixie (Debian 13). Each
# COMMAND runs afterwards in the same root, from the tree's top folder, so
# further checks share what the README's commands installed and built.
# Needs root (or sudo) for debootstrap, chroot and mount, and about 3 GB free
# under /tmp. The bare root is cached as a tar (FRESH_CHECK_CACHE, default
# /tmp/scarabine-fresh-check/SUITE-minbase.tar); each run unpacks a new
# copy and removes it afterwards (FRESH_CHECK_KEEP=1 keeps it, unmounted,
# for a look inside).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "fresh-debian-check: needs root (debootstrap, chroot, mount)" >&2; exit 1; }
  exec sudo FRESH_CHECK_CACHE="${FRESH_CHECK_CACHE:-}" FRESH_CHECK_KEEP="${FRESH_CHECK_KEEP:-}" DEBIAN_MIRROR="${DEBIAN_MIRROR:-}" "$0" "$@"
fi

suite="${1:-bookworm}"
[ $# -gt 0 ] && shift
case "$suite" in
  bookworm|trixie) ;;
  *) echo "fresh-debian-check: no such suite '$suite' (bookworm or trixie)" >&2; exit 2 ;;
esac
extra=("$@")

src="$(cd "$(dirname "$0")/.." && pwd)"
cache="${FRESH_CHECK_CACHE:-/tmp/scarabine-fresh-check/$suite-minbase.tar}"
began=$SECONDS
say() { printf '[fresh-check %s %4ds] %s\n' "$suite" $((SECONDS - began)) "$*"; }

# The mirror the host's own apt uses for this suite's main component (deb822
# .sources first, then one-line lists), so the root sees the same archive.
host_mirror() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" }
      {
        types = uris = suites = comps = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = " " $i " "
          else if ($i ~ /^URIs:/) uris = $i
          else if ($i ~ /^Suites:/) suites = " " $i " "
          else if ($i ~ /^Components:/) comps = " " $i " "
        }
        if (types ~ /[ \t]deb[ \t]/ && suites ~ ("[ \t]" suite "[ \t]") && comps ~ /[ \t]main[ \t]/) {
          sub(/^URIs:[ \t]*/, "", uris); split(uris, u, /[ \t]+/); print u[1]
        }
      }' "$f"
  done
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | grep -v '^[[:space:]]*#' |
    sed -n -E "s/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+$suite[[:space:]]+(.*[[:space:]])?main([[:space:]].*)?$/\2/p"
}
mirror="${DEBIAN_MIRROR:-$(host_mirror 2>/dev/null | head -n 1 || true)}"
mirror="${mirror:-http://deb.debian.org/debian}"

work="$(mktemp -d /tmp/scarabine-fresh.XXXXXX)"
root="$work/root"
mounts=(proc dev dev/pts)   # mounted in this order, unmounted in reverse

mounted_under() { awk -v r="$1" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts; }

cleanup() {
  local rc=$? pid m i
  # Whatever still runs inside the root was started by this check.
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do
    m="$root/${mounts[i]}"
    mountpoint -q "$m" 2>/dev/null || continue
    umount "$m" 2>/dev/null || umount -l "$m" || true
  done
  if [ -n "$(mounted_under "$root")" ]; then
    echo "fresh-debian-check: still mounted, $work left in place:" >&2
    mounted_under "$root" >&2
    exit 1
  fi
  if [ -n "${FRESH_CHECK_KEEP:-}" ]; then
    echo "fresh-debian-check: root kept, nothing mounted: $root" >&2
  else
    rm -rf --one-file-system "$work"
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'say interrupted; exit 130' INT
trap 'say interrupted; exit 143' TERM

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap from the host's apt"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

mkdir -p "$root"
if [ -s "$cache" ]; then
  say "unpacking the bare $suite root from $cache"
  tar --numeric-owner -xpf "$cache" -C "$root"
else
  say "making a bare $suite root (debootstrap --variant=minbase, $mirror)"
  debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { cat "$work/debootstrap.log" >&2; exit 1; }
  # Only a root with nothing mounted in it is archived: /proc alone reads as
  # tens of gigabytes.
  [ -z "$(mounted_under "$root")" ] || { echo "fresh-debian-check: something is mounted in the new root" >&2; exit 1; }
  mkdir -p "$(dirname "$cache")"
  tar --numeric-owner --one-file-system -cpf "$cache.part" -C "$root" .
  mv "$cache.part" "$cache"
  say "cached the bare root as $cache ($(du -h "$cache" | cut -f1))"
fi
# The one thing a bare root cannot know: how to resolve names here.
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

say "copying the committed tree (git archive HEAD) to /root/scarabine"
git -C "$src" archive --format=tar --prefix=scarabine/ HEAD | tar -xf - -C "$root/root"

# The bare root once more, for checks that start roots of their own (piuparts).
mkdir -p "$root/var/cache/scarabine"
[ -s "$cache" ] && cp "$cache" "$root/var/cache/scarabine/$suite-minbase.tar"

mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# As a newcomer's shell would start them: nothing inherited from this one.
# Waited for in the background, so an interrupt reaches the clean-up at once.
inside() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/scarabine && $1" &
  wait $!
}
test_command="./test.sh"
run_command="./run.sh"

failed=()
say "README's test command: $test_command"
inside "$test_command" || failed+=("$test_command")
say "README's run command on Xvfb: $run_command"
inside "scripts/check-run.sh $run_command" || failed+=("$run_command")
for command in "${extra[@]}"; do
  say "then: $command"
  inside "$command" || failed+=("$command")
done

if [ ${#failed[@]} -ne 0 ]; then
  say "FAILED on a bare $suite root: ${failed[*]}"
  exit 1
fi
say "passed on a bare $suite root"
