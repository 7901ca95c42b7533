#!/usr/bin/env bash
# Start-up benchmark: starts the shell and a bare QML window N times each (default 10),
# offscreen, and prints the medians of the time until each has presented its first frame (as
# the program measures it, and as wall-clock time from the launch), the idle resident memory,
# and the ratios shell / bare. With QUILLMARK_BASELINE naming another shell binary (an older
# build, for example), that binary is measured in the same run as a third row. Then it prints
# how long the first and the second opening of each part that the shell makes only when it is
# first shown take. It prints figures only and never fails on time.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-10}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/startup/run.sh [N]   (N: number of starts of each program, default 10)" >&2
    exit 2
fi
build=${QUILLMARK_BUILD_DIR:-build-release}
if [[ ! -f $build/build.ninja ]]; then
    echo "no configured build in '$build': run 'cmake --preset release' or set" \
        "QUILLMARK_BUILD_DIR" >&2
    exit 1
fi
cmake --build "$build" --target quillmark bench_bare_window bench_part_openings \
    quillmark_storage_server quillmark_demo_storage >/dev/null

marker="first frame presented after "
line_timeout=60
idle_seconds=5
memory_runs=3

# A loopback port where nothing listens, so that no request of the timed starts leaves the
# machine and none waits for an answer.
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
server_pid=""
cleanup() {
    if [[ -n $server_pid ]]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home
export XDG_CONFIG_HOME=$home/.config
export XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A user who has seen what is new in this version: the window that shows it does not open.
mkdir -p "$XDG_CONFIG_HOME/brennhof"
printf '[showUpdateHint]\n2_1_0=false\n' >"$XDG_CONFIG_HOME/brennhof/Kelvo.conf"
export QT_QPA_PLATFORM=offscreen
refusing_url="http://127.0.0.1:$(unused_port)/"

# Runs "$@" until its first-frame line appears on stderr, then stops it. Prints
# "<reported ms> <wall-clock ms>", or nothing when the line never came.
run_once() {
    local start line reported="" presented_at=""
    start=$(date +%s%3N)
    # Only the diagnostic output goes into the pipe.
    # shellcheck disable=SC2069
    coproc PROGRAM { exec "$@" 2>&1 >/dev/null; }
    local pid=$PROGRAM_PID
    while IFS= read -r -t "$line_timeout" line <&"${PROGRAM[0]}"; do
        if [[ $line == *"$marker"* ]]; then
            reported=${line##*"$marker"}
            reported=${reported%% ms*}
            presented_at=${line##*", at "}
            presented_at=${presented_at%% ms*}
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -n $reported ]]; then
        echo "$reported $((presented_at - start))"
    fi
}

# Runs "$@" for the idle time and prints its resident memory in MiB.
resident_after_idle() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$idle_seconds"
    awk '/^VmRSS:/ { printf "%.1f\n", $2 / 1024 }' "/proc/$pid/status" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
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

declare -A binary=([quillmark]="$build/bin/quillmark" [bench_bare_window]="$build/bin/bench_bare_window")
programs=(quillmark bench_bare_window)
if [[ -n ${QUILLMARK_BASELINE:-} ]]; then
    binary[baseline]=$QUILLMARK_BASELINE
    programs+=(baseline)
fi

declare -A reported wall
export QUILLMARK_SERVER_URL=$refusing_url
for program in "${programs[@]}"; do
    reported[$program]=""
    wall[$program]=""
done
# One start of each that is not counted fills the disk caches (QML cache, fonts); then the
# programs take turns, so that a change in the machine's load touches all of them alike.
for program in "${programs[@]}"; do
    run_once "${binary[$program]}" >/dev/null
done
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        sample=$(run_once "${binary[$program]}")
        if [[ -z $sample ]]; then
            echo "warning: $program printed no \"$marker<ms> ms\" line within ${line_timeout}s" >&2
            continue
        fi
        reported[$program]+="${sample%% *} "
        wall[$program]+="${sample##* } "
    done
done

# The idle memory with the demo catalogue of the storage server loaded.
coproc SERVER { exec "$build/bin/quillmark-storage-server" --root "$build/demo-storage" \
    --port 0 --quiet 2>&1; }
server_pid=$SERVER_PID
read -r -t 10 server_line <&"${SERVER[0]}" || true
if [[ $server_line == "listening on "* ]]; then
    export QUILLMARK_SERVER_URL="${server_line#listening on }"
    QUILLMARK_SERVER_URL=${QUILLMARK_SERVER_URL%/}/
else
    echo "warning: the storage server did not start; memory without the catalogue" >&2
fi
declare -A resident
for program in "${programs[@]}"; do
    resident[$program]=""
done
for _ in $(seq "$memory_runs"); do
    for program in "${programs[@]}"; do
        resident[$program]+="$(resident_after_idle "${binary[$program]}") "
    done
done

declare -A median_reported median_wall median_resident
for program in "${programs[@]}"; do
    # Word splitting of the sample lists is wanted here.
    # shellcheck disable=SC2086
    median_reported[$program]=$(median ${reported[$program]})
    # shellcheck disable=SC2086
    median_wall[$program]=$(median ${wall[$program]})
    # shellcheck disable=SC2086
    median_resident[$program]=$(median ${resident[$program]})
done

echo "Start-up to the first presented frame, $runs starts each, offscreen; medians in ms;"
echo "idle resident memory after ${idle_seconds} s with the demo catalogue, median of $memory_runs, in MiB"
printf '%-20s %10s %10s %10s   %s\n' "" "in-process" "wall-clock" "idle RSS" "in-process samples"
for program in "${programs[@]}"; do
    printf '%-20s %10s %10s %10s   %s\n' "$program" "${median_reported[$program]}" \
        "${median_wall[$program]}" "${median_resident[$program]}" "${reported[$program]}"
done
for program in "${programs[@]}"; do
    [[ $program == bench_bare_window ]] && continue
    printf '%-20s %10s %10s %10s\n' "ratio $program / bare" \
        "$(ratio "${median_reported[$program]}" "${median_reported[bench_bare_window]}")" \
        "$(ratio "${median_wall[$program]}" "${median_wall[bench_bare_window]}")" \
        "$(ratio "${median_resident[$program]}" "${median_resident[bench_bare_window]}")"
done

echo
QUILLMARK_BUILD_DIR=$(cd "$build" && pwd) "$build/bin/bench_part_openings"
