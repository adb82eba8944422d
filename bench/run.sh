#!/usr/bin/env bash
# Runs every benchmark against a build folder and prints each figure beside
# its target. Start-up is timed from outside (hyperfine, peak RSS by GNU
# time); the compute command and its parts are timed inside bench_compute.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_FOLDER}
probes="$build/bench"
runs=${BENCH_RUNS:-40}

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The baseline needs a runtime folder too, or Qt warns and guesses one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Peak resident memory (kB) of one probe: the median over a few runs.
peak_rss() {
  for _ in 1 2 3 4 5 6 7; do
    /usr/bin/time -f %M -o "$work/rss" "$@" 2>/dev/null
    cat "$work/rss"
  done | median
}

verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t) ? "met" : "MISSED" }'; }

echo "Start-up to the main window's first paint ($runs runs each, offscreen, $(nproc) cores, load $(cut -d" " -f1-3 /proc/loadavg)):"
hyperfine -N --warmup 5 --runs "$runs" --style none --export-csv "$work/startup.csv" \
  -n baseline "$probes/probe_baseline" -n text "$probes/probe_baseline --text" \
  -n controls "$probes/probe_baseline --controls" \
  -n scarabine "$probes/probe_startup" >/dev/null 2>"$work/hyperfine.err"
# Columns: command,mean,stddev,median,user,system,min,max (seconds).
read -r base_ms base_cpu < <(awk -F, '$1 == "baseline" { printf "%.1f %.1f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/startup.csv")
read -r text_ms text_cpu < <(awk -F, '$1 == "text" { printf "%.1f %.1f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/startup.csv")
read -r ctrl_ms ctrl_cpu < <(awk -F, '$1 == "controls" { printf "%.1f %.1f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/startup.csv")
read -r prog_ms prog_cpu < <(awk -F, '$1 == "scarabine" { printf "%.1f %.1f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/startup.csv")
base_rss=$(peak_rss "$probes/probe_baseline")
text_rss=$(peak_rss "$probes/probe_baseline" --text)
ctrl_rss=$(peak_rss "$probes/probe_baseline" --controls)
prog_rss=$(peak_rss "$probes/probe_startup")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf '  %-22s median %7.1f ms   mean cpu %6.1f ms   peak RSS %6.1f MB\n' \
  "bare QMainWindow" "$base_ms" "$base_cpu" "$(awk -v k="$base_rss" 'BEGIN { print k / 1024 }')" \
  "... with one label" "$text_ms" "$text_cpu" "$(awk -v k="$text_rss" 'BEGIN { print k / 1024 }')" \
  "... with its controls" "$ctrl_ms" "$ctrl_cpu" "$(awk -v k="$ctrl_rss" 'BEGIN { print k / 1024 }')" \
  "Scarabine" "$prog_ms" "$prog_cpu" "$(awk -v k="$prog_rss" 'BEGIN { print k / 1024 }')"
# The target: Scarabine against the same window's controls made with plain Qt.
time_ratio=$(ratio "$prog_ms" "$ctrl_ms")
cpu_ratio=$(ratio "$prog_cpu" "$ctrl_cpu")
rss_ratio=$(ratio "$prog_rss" "$ctrl_rss")
printf '  %-22s %6sx   target <= 1.05x   %s   (against the plain-Qt controls)\n' \
  "start-up time ratio" "$time_ratio" "$(verdict "$time_ratio" 1.05)" \
  "start-up CPU ratio" "$cpu_ratio" "$(verdict "$cpu_ratio" 1.05)" \
  "peak RSS ratio" "$rss_ratio" "$(verdict "$rss_ratio" 1.05)"
# What Qt alone needs for those controls, against the bare window.
printf '  %-22s %6sx time  %5sx CPU  %5sx RSS   (plain-Qt controls against the bare window)\n' "Qt's own floor" \
  "$(ratio "$ctrl_ms" "$base_ms")" "$(ratio "$ctrl_cpu" "$base_cpu")" "$(ratio "$ctrl_rss" "$base_rss")"
if grep -q outliers "$work/hyperfine.err"; then
  echo "  (hyperfine saw outliers: the machine is busy; the CPU and instruction figures hold better)"
fi
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
