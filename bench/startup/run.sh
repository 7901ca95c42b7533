#!/usr/bin/env bash
# Start-up benchmark: starts the shell and a bare QML window N times each (default 10),
# offscreen, and prints the medians of the time each reports for "main window loaded after",
# of the wall-clock time from launch until that line appears, and the ratios shell / bare.
# It prints figures only and never fails on time.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-10}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/startup/run.sh [N]   (N: number of runs of each program, default 10)" >&2
    exit 2
fi
build=${QUILLMARK_BUILD_DIR:-build}
if [[ ! -f $build/build.ninja ]]; then
    echo "no configured build in '$build': run scripts/build.sh or set QUILLMARK_BUILD_DIR" >&2
    exit 1
fi
cmake --build "$build" --target quillmark bench_bare_window >/dev/null

marker="main window loaded after "
line_timeout=60

# A loopback port where nothing listens, so that no request of the shell leaves the machine.
unused_port() {
    local port
    for port in $(seq 47100 47199); do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return
        fi
    done
    echo "no unused loopback port found" >&2
    exit 1
}

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home
export XDG_CONFIG_HOME=$home/.config
export XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
port=$(unused_port)
export QUILLMARK_SERVER_URL="http://127.0.0.1:$port/"

# Runs "$@" until its marker line appears on stderr, then stops it. Prints
# "<reported ms> <wall-clock ms>", or nothing when the line never came.
run_once() {
    local start end line reported=""
    start=$(date +%s%N)
    # Only the diagnostic output goes into the pipe.
    # shellcheck disable=SC2069
    coproc PROGRAM { exec "$@" 2>&1 >/dev/null; }
    local pid=$PROGRAM_PID
    while IFS= read -r -t "$line_timeout" line <&"${PROGRAM[0]}"; do
        if [[ $line == *"$marker"* ]]; then
            end=$(date +%s%N)
            reported=${line##*"$marker"}
            reported=${reported%% ms*}
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -n $reported ]]; then
        echo "$reported $(((end - start) / 1000000))"
    fi
}

median() {
    if (($# == 0)); then
        echo "n/a"
        return
    fi
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (a == "n/a" || b == "n/a" || b == 0) print "n/a"; else printf "%.2f\n", a / b }'
}

declare -A reported wall
programs=(quillmark bench_bare_window)
for program in "${programs[@]}"; do
    # One start that is not counted fills the disk caches (QML cache, fonts).
    run_once "$build/bin/$program" >/dev/null
    reported[$program]=""
    wall[$program]=""
    for _ in $(seq "$runs"); do
        sample=$(run_once "$build/bin/$program")
        if [[ -z $sample ]]; then
            echo "warning: $program printed no \"$marker<ms> ms\" line within ${line_timeout}s" >&2
            continue
        fi
        reported[$program]+="${sample%% *} "
        wall[$program]+="${sample##* } "
    done
done

declare -A median_reported median_wall
for program in "${programs[@]}"; do
    # Word splitting of the sample lists is wanted here.
    # shellcheck disable=SC2086
    median_reported[$program]=$(median ${reported[$program]})
    # shellcheck disable=SC2086
    median_wall[$program]=$(median ${wall[$program]})
done

echo "Start-up, $runs runs each, offscreen; medians in ms"
printf '%-20s %10s %10s   %s\n' "" "reported" "wall-clock" "reported samples"
for program in "${programs[@]}"; do
    printf '%-20s %10s %10s   %s\n' "$program" "${median_reported[$program]}" \
        "${median_wall[$program]}" "${reported[$program]}"
done
printf '%-20s %10s %10s\n' "ratio shell / bare" \
    "$(ratio "${median_reported[quillmark]}" "${median_reported[bench_bare_window]}")" \
    "$(ratio "${median_wall[quillmark]}" "${median_wall[bench_bare_window]}")"
