#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the window: launch to first paint, against an empty Qt main window.
#   bench/startup.sh [BUILD_DIR] [RUNS]
# Both programs run on the offscreen platform and exit right after their first paint; the
# figure is the wall time of the whole process, median of RUNS runs (10 by default).
set -eu
build=${1:-build}
runs=${2:-10}
app="$build/bin/brisvale"
empty="$build/bin/brisvale_empty_window"
for program in "$app" "$empty"; do
    [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done
export QT_QPA_PLATFORM=offscreen
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

# Milliseconds, with a fraction, of one run of a command.
time_ms() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 ))" | awk '{ printf "%.1f\n", $1 / 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One start first, so both measurements find the data folder and the files in the page cache.
"$app" --data-dir "$data" --quit-after-first-paint >/dev/null 2>&1
"$empty" >/dev/null 2>&1

app_times=""
empty_times=""
i=0
while [ "$i" -lt "$runs" ]; do
    # Interleaved, so that a busy moment of the machine weighs on both alike.
    app_times="$app_times $(time_ms "$app" --data-dir "$data" --quit-after-first-paint)"
    empty_times="$empty_times $(time_ms "$empty")"
    i=$((i + 1))
done

app_median=$(echo "$app_times" | tr ' ' '\n' | grep . | median)
empty_median=$(echo "$empty_times" | tr ' ' '\n' | grep . | median)
echo "brisvale, launch to first paint (ms):    $app_times"
echo "empty main window, launch to first paint:$empty_times"
echo "median: brisvale $app_median ms, empty window $empty_median ms"
awk -v a="$app_median" -v e="$empty_median" 'BEGIN { printf "ratio: %.2f (target under 2)\n", a / e }'
