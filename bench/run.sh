#!/usr/bin/env bash
# Runs every benchmark against a build folder and prints each figure beside
# its target. Start-up is timed from outside, the probes side by side in
# alternating rounds (bench/sidebyside), so a machine that is busier in one
# minute than the next weighs on all of them alike; the compute command and
# its parts are timed inside bench_compute.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_FOLDER}
probes="$build/bench"
runs=${BENCH_RUNS:-40}

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
# Settings on the disk, as ~/.config is; the runtime folder (the instance
# lock) in memory, as /run/user/N is on a desktop, where /dev/shm allows.
work=$(mktemp -d)
runtime_parent=/dev/shm
[ -d "$runtime_parent" ] && [ -w "$runtime_parent" ] || runtime_parent=$work
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d "$runtime_parent/scarabine-bench.XXXXXX")
trap 'rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
# A usual start finds the date a first start stored.
"$probes/probe_startup" --settings "$work/usual" 2>/dev/null

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t) ? "met" : "MISSED" }'; }

echo "Start-up to the main window's first paint ($runs rounds side by side, offscreen, $(nproc) cores, load $(cut -d" " -f1-3 /proc/loadavg)):"
# The first start finds no settings: that folder is removed before every run.
"$probes/sidebyside" "$runs" --fresh "$work/first" --against controls \
  -- bare "$probes/probe_baseline" -- text "$probes/probe_baseline" --text \
  -- controls "$probes/probe_baseline" --controls \
  -- first "$probes/probe_startup" --settings "$work/first" \
  -- usual "$probes/probe_startup" --settings "$work/usual" >"$work/startup"
# Columns: name, median wall ms, median CPU ms, median peak RSS kB, then the
# same three as ratios to the controls window, each the median of one
# round's pair of runs.
figure() { awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$work/startup"; }
row() {
  printf '  %-26s median %6.1f ms   cpu %6.1f ms   peak RSS %5.1f MB\n' "$2" "$(figure "$1" 2)" "$(figure "$1" 3)" \
    "$(awk -v k="$(figure "$1" 4)" 'BEGIN { print k / 1024 }')"
}
row bare "bare QMainWindow"
row text "... with one label"
row controls "... with its controls"
row first "Scarabine, first start"
row usual "Scarabine, usual start"
# The target: Scarabine against the same window's controls made with plain Qt.
for start in first usual; do
  for column in 5:time 6:CPU 7:"peak RSS"; do
    r=$(figure "$start" "${column%%:*}")
    printf '  %-26s %6sx   target <= 1.05x   %s\n' "$start start, ${column#*:}" "$r" "$(verdict "$r" 1.05)"
  done
done
echo "  (against the plain-Qt controls, run by run; a first start also stores today's date, synced to the disk)"
# What Qt alone needs for those controls, against the bare window.
printf '  %-26s %6sx time  %5sx CPU  %5sx RSS   (plain-Qt controls against the bare window)\n' "Qt's own floor" \
  "$(ratio "$(figure controls 2)" "$(figure bare 2)")" "$(ratio "$(figure controls 3)" "$(figure bare 3)")" \
  "$(ratio "$(figure controls 4)" "$(figure bare 4)")"
echo

# Instructions executed, start to exit: the figure that other programs
# running on the same cores cannot disturb.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
base_ir=$(instructions "$probes/probe_baseline")
text_ir=$(instructions "$probes/probe_baseline" --text)
ctrl_ir=$(instructions "$probes/probe_baseline" --controls)
prog_ir=$(instructions "$probes/probe_startup")
echo "Instructions from start to exit (callgrind):"
printf '  %-22s %6.1f M\n' "bare QMainWindow" "$(awk -v n="$base_ir" 'BEGIN { print n / 1e6 }')" \
  "... with one label" "$(awk -v n="$text_ir" 'BEGIN { print n / 1e6 }')" \
  "... with its controls" "$(awk -v n="$ctrl_ir" 'BEGIN { print n / 1e6 }')" \
  "Scarabine" "$(awk -v n="$prog_ir" 'BEGIN { print n / 1e6 }')"
printf '  %-22s %6.2fx   (%.2fx against the window with one label, %.2fx against the plain-Qt controls)\n' \
  "instruction ratio" "$(awk -v a="$prog_ir" -v b="$base_ir" 'BEGIN { print a / b }')" \
  "$(awk -v a="$prog_ir" -v b="$text_ir" 'BEGIN { print a / b }')" "$(awk -v a="$prog_ir" -v b="$ctrl_ir" 'BEGIN { print a / b }')"
echo

"$probes/bench_compute"
