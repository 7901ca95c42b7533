#!/usr/bin/env bash
# Builds the shell, starts the demo storage server on loopback and the shell against it.
# Closing the shell stops the server. Arguments are passed on to the shell (-beta, -dev, -nox ...).
set -euo pipefail
cd "$(dirname "$0")/.."
# The demo shows the signature checks on: the shell trusts the demo key that the build makes,
# and the demo storage is signed with it.
scripts/setup.sh
if ! grep -q '^QUILLMARK_DEMO_SIGNING:BOOL=ON' build/CMakeCache.txt 2>/dev/null; then
    cmake --preset default -DQUILLMARK_DEMO_SIGNING=ON
fi
scripts/build.sh quillmark quillmark_storage_server quillmark_demo_storage \
    example_kastorplus example_pelion example_ventus quillmark_demo_signatures

port=${QUILLMARK_DEMO_PORT:-8642}
log=$(mktemp)
build/bin/quillmark-storage-server --root build/demo-storage --port "$port" >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$log"' EXIT

for _ in $(seq 100); do
    grep -q "listening on" "$log" && break
    kill -0 "$server" 2>/dev/null || { cat "$log"; exit 1; }
    sleep 0.1
done
echo "Demo storage server: http://127.0.0.1:$port/ (log: $log)"

export QUILLMARK_SERVER_URL="http://127.0.0.1:$port/"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/quillmark "$@"
else
    build/bin/quillmark "$@"
fi
