#!/usr/bin/env bash
# Idle cost of the control panel while it polls the stand-in service: CPU time and
# resident memory over IDLE_SECONDS (default 60) with the window shown, then started
# hidden in the tray, and the time from start to the first device state; with the
# demo world (four devices in the tree), with a single UPS and with 1,000 UPSes,
# and with 1,000 UPSes of which one changes its status on every poll.
#   IDLE_SCENES    stand-in scenes to measure (default "demo single many:1000")
#   IDLE_CHURN_SCENES  scenes measured again with a changing status list (default "many:1000")
#   IDLE_CHURN     devices whose status changes on every poll there (default 1)
#   IDLE_DRIFT_MS  how often the stand-in's values drift (default 2000; 0 freezes them)
#   IDLE_INSTRUCTIONS  1: also count the panel's instructions per second of the same
#                  scenes under callgrind, a figure that a busy machine does not move
# An empty IDLE_SCENES or IDLE_CHURN_SCENES measures none of that kind.
# Goals with the demo world, Release build: under 0.15 % of one core shown, under
# 0.05 % hidden; under 45 MB resident and flat over 10 minutes (IDLE_SECONDS=600);
# first state within 1 s. With 1,000 devices: under 0.08 % shown, under 0.05 %
# hidden. The link alone costs about 0.02 %. Prints figures; judges nothing.
# On a virtual machine the host now and then takes the processor away or slows
# it for a while, and the panel is charged for what it was running then. Beside
# each figure is a steady one: the median of IDLE_WINDOW-second windows (default
# 6: a whole number of the panel's 1 s polls, its 3-poll round and the stand-in's
# 2 s drift), which such a burst moves only if it lasts half the measurement.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${IDLE_SECONDS:-60}
scenes=${IDLE_SCENES-demo single many:1000}
drift=${IDLE_DRIFT_MS:-2000}
churn_scenes=${IDLE_CHURN_SCENES-many:1000}
churn=${IDLE_CHURN:-1}
instructions=${IDLE_INSTRUCTIONS:-0}
window=${IDLE_WINDOW:-6}
. scripts/lib/deps.sh
lx_install_deps

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/run -j "$(nproc)" --target orvendesk luminorix-sim >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config" "$work/tmp"
export HOME=$work XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp

display=:$((190 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1

# On-CPU nanoseconds of all threads: the clock ticks of /proc/PID/stat are too
# coarse for a few hundredths of a per cent.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%.0f", ns}'; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
# Private memory: the rest of the resident set is shared library and font pages.
anon_kb() { awk '/RssAnon/ {print $2}' "/proc/$1/status"; }

measure() { # label, scene, status churn, panel arguments...
    local label=$1 scene_name=$2 scene_churn=$3; shift 3
    local statefile=$work/first-state
    rm -f "$statefile"
    build/run/tools/sim/luminorix-sim --scene "$scene_name" --drift-ms "$drift" --port 12323 \
        --status-churn "$scene_churn" --first-state-file "$statefile" 2>/dev/null &
    local scene=$!
    sleep 0.5
    local start_ms
    start_ms=$(date +%s%3N)
    build/run/panel/orvendesk "$@" 2>/dev/null &
    local panel=$!
    for _ in $(seq 100); do [ -s "$statefile" ] && break; sleep 0.05; done
    local first="n/a"
    [ -s "$statefile" ] && first=$(( $(cat "$statefile") - start_ms ))
    sleep 2 # past the start-up work
    local cpufile=$work/cpu
    # The panel's CPU every second, for the steady figure's windows.
    local r0 samples="" step=$(( seconds / 6 )); [ "$step" -lt 1 ] && step=1
    local begin_ms elapsed=0 left_ms
    begin_ms=$(date +%s%3N)
    echo "$begin_ms $(cpu_ns "$panel")" >"$cpufile"
    r0=$(rss_kb "$panel")
    while [ "$elapsed" -lt "$seconds" ]; do
        elapsed=$((elapsed + 1))
        # On whole seconds from the start, so that the loop's own time does not add up.
        left_ms=$(( begin_ms + 1000 * elapsed - $(date +%s%3N) ))
        [ "$left_ms" -gt 0 ] && sleep "$(printf '%d.%03d' $((left_ms / 1000)) $((left_ms % 1000)))"
        echo "$(date +%s%3N) $(cpu_ns "$panel")" >>"$cpufile"
        [ $((elapsed % step)) -eq 0 ] && samples="$samples $(( $(rss_kb "$panel") / 1024 ))"
    done
    local r1 a1
    r1=$(rss_kb "$panel")
    a1=$(anon_kb "$panel")
    kill "$panel"; wait "$panel" 2>/dev/null || true
    kill "$scene"; wait "$scene" 2>/dev/null || true
    awk -v l="$label" -v r0="$r0" -v r1="$r1" -v a1="$a1" -v f="$first" -v samples="$samples" \
        -v step="$step" -v w="$window" '{ t[++n] = $1; c[n] = $2 }
        END {
            span = (t[n] - t[1]) / 1000
            for (i = 1; i + w <= n; i += w) rate[++k] = (c[i + w] - c[i]) / (t[i + w] - t[i]) * 1000
            for (i = 2; i <= k; i++) { # insertion sort: a few dozen windows
                v = rate[i]
                for (j = i - 1; j >= 1 && rate[j] > v; j--) rate[j + 1] = rate[j]
                rate[j + 1] = v
            }
            if (k == 0) rate[++k] = (c[n] - c[1]) / (t[n] - t[1]) * 1000
            median = k % 2 ? rate[(k + 1) / 2] : (rate[k / 2] + rate[k / 2 + 1]) / 2
            printf "%-24s cpu %.3f %% of one core over %d s, steady %.3f %% (median of %d windows of %d s, %.3f to %.3f); rss %.1f MB -> %.1f MB, of it private %.1f MB (MB every %d s:%s); first state %s ms after start\n",
                   l, 100 * (c[n] - c[1]) / 1e9 / span, span + 0.5, 100 * median / 1e9, k, w,
                   100 * rate[1] / 1e9, 100 * rate[k] / 1e9,
                   r0 / 1024, r1 / 1024, a1 / 1024, step, samples, f }' "$cpufile"
}

# The same window under callgrind: start-up is left out by zeroing the counts once
# the first state is in and the window has settled.
count() { # label, scene, status churn, panel arguments...
    local label=$1 scene_name=$2 scene_churn=$3; shift 3
    local statefile=$work/first-state out=$work/callgrind.out
    rm -f "$statefile" "$out"*
    build/run/tools/sim/luminorix-sim --scene "$scene_name" --drift-ms "$drift" --port 12323 \
        --status-churn "$scene_churn" --first-state-file "$statefile" 2>/dev/null &
    local scene=$!
    sleep 0.5
    valgrind --tool=callgrind --callgrind-out-file="$out" build/run/panel/orvendesk "$@" \
        >/dev/null 2>&1 &
    local panel=$!
    for _ in $(seq 600); do [ -s "$statefile" ] && break; sleep 0.1; done
    sleep 10
    callgrind_control -z "$panel" >/dev/null
    sleep "$seconds"
    callgrind_control -d "$panel" >/dev/null
    local total
    total=$(awk '/^(summary|totals):/ {print $2; exit}' "$out".1 2>/dev/null || true)
    kill "$panel"; wait "$panel" 2>/dev/null || true
    kill "$scene"; wait "$scene" 2>/dev/null || true
    awk -v l="$label" -v t="${total:-0}" -v s="$seconds" 'BEGIN {
        printf "%-24s %.2f M instructions a second over %d s\n", l, t / s / 1e6, s }'
}

run() { # measure or count
    for scene_name in $scenes; do
        "$1" "$scene_name shown" "$scene_name" 0
        "$1" "$scene_name hidden" "$scene_name" 0 --hide
    done
    for scene_name in $churn_scenes; do
        "$1" "$scene_name churn $churn shown" "$scene_name" "$churn"
        "$1" "$scene_name churn $churn hidden" "$scene_name" "$churn" --hide
    done
}
run measure
[ "$instructions" = 1 ] && run count
exit 0
