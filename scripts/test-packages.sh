#!/usr/bin/env bash
# Installs the Debian packages (scripts/package.sh makes them) on this machine with apt-get,
# starts the installed shell under Xvfb against the demo storage server, builds the Ventus demo
# plug-in out of tree against the installed SDK alone, then purges both packages (and whatever
# apt installed for them) and checks that nothing of them is left. The packages are removed
# again however the test ends. Without root or password-less sudo, or when a Quillmark package
# is installed already, it says so and skips (exit 0).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

skip() {
    echo "test-packages: SKIPPED: $*"
    exit 0
}
fail() {
    echo "test-packages: FAILED: $*" >&2
    exit 1
}

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo -n true 2>/dev/null || skip "installing packages needs root or password-less sudo"
    sudo="sudo"
fi
command -v apt-get >/dev/null || skip "no apt-get on this machine"
for package in quillmark quillmark-sdk; do
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "installed"; then
        skip "$package is installed already; this test does not touch an existing installation"
    fi
done

scripts/package.sh
debs=("$root"/build-package/packages/quillmark_*.deb
    "$root"/build-package/packages/quillmark-sdk_*.deb)
# The demo storage server and its tree come from the ordinary build.
scripts/build.sh quillmark_storage_server quillmark_demo_storage

work=$(mktemp -d)
chmod 755 "$work"
pids=()
installed_packages() {
    dpkg-query -W -f='${Package} ${Status}\n' | awk '$4 == "installed" {print $1}' | sort
}
installed_packages >"$work/installed-before"
# What the test installed: our two packages, and after the installation whatever apt added.
printf '%s\n' quillmark quillmark-sdk >"$work/added"

apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@"
}
purge() {
    local added
    added=$(installed_packages | comm -12 - <(sort -u "$work/added") | tr '\n' ' ')
    [[ -z "$added" ]] || apt_get purge $added >/dev/null
}
cleanup() {
    local status=$?
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    purge || status=1
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# Which paths of the packages existed before, so that afterwards only those may remain.
for deb in "${debs[@]}"; do
    dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^\.\?$'
done | sort -u >"$work/package-paths"
while read -r path; do
    [[ -e "$path" ]] && echo "$path"
done <"$work/package-paths" >"$work/present-before" || true

echo "test-packages: installing ${debs[*]##*/}"
apt_get install "${debs[@]}" >/dev/null
installed_packages | comm -13 "$work/installed-before" - >>"$work/added"

# The installed shell finds the SDK library and its QML modules with a bare environment.
missing=$(env -i ldd /usr/bin/quillmark | grep "not found" || true)
[[ -z "$missing" ]] || fail "the installed shell misses libraries: $missing"

server_log="$work/server.log"
build/bin/quillmark-storage-server --root build/demo-storage --port 0 >"$server_log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -q "listening on" "$server_log" && break
    sleep 0.1
done
url=$(sed -n 's/^listening on //p' "$server_log")
[[ -n "$url" ]] || fail "the demo storage server did not start: $(cat "$server_log")"

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
display=":$(cat "$work/display")"

home="$work/home"
mkdir -p "$home" "$work/cwd"
shell_log="$work/shell.log"
(cd "$work/cwd" && exec env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$display" \
    QUILLMARK_SERVER_URL="$url" /usr/bin/quillmark >"$shell_log" 2>&1) &
pids+=($!)

# The launcher stands once the main window is shown and the catalogue it lists is stored.
catalogue="$home/.local/share/brennhof/Kelvo/plugins.info"
for _ in $(seq 600); do
    if [[ -f "$catalogue" ]] &&
        DISPLAY="$display" xdotool search --onlyvisible --name '^Quillmark$' >/dev/null 2>&1; then
        break
    fi
    sleep 0.1
done
[[ -f "$catalogue" ]] || fail "the shell stored no catalogue; shell output: $(cat "$shell_log")"
DISPLAY="$display" xdotool search --onlyvisible --name '^Quillmark$' >/dev/null ||
    fail "no visible window 'Quillmark'; shell output: $(cat "$shell_log")"
grep -q "main window loaded" "$shell_log" ||
    fail "the installed shell did not load its main window: $(cat "$shell_log")"
grep -q "GET /storage/kelvo/plugins.info 200" "$server_log" ||
    fail "the catalogue was not served: $(cat "$server_log")"
# Nothing outside the process tells when the buttons stand; give them a moment before the
# output is read for warnings.
sleep 3
kill -0 "${pids[-1]}" 2>/dev/null || fail "the installed shell ended early: $(cat "$shell_log")"
qml_warning='\.qml:|qrc:/|file:///|QQmlApplicationEngine|is not installed|TypeError|ReferenceError'
warnings=$(grep -E "$qml_warning" "$shell_log" || true)
[[ -z "$warnings" ]] || fail "QML warnings from the installed shell:"$'\n'"$warnings"
echo "test-packages: the installed shell shows its launcher without QML warnings"

# A plug-in maker's build: the installed SDK only, found on the system's own paths.
plugin_build="$work/ventus"
env -u CMAKE_PREFIX_PATH cmake -S examples/plugins/ventus -B "$plugin_build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release >"$work/plugin.log" 2>&1 ||
    fail "configuring the plug-in: $(cat "$work/plugin.log")"
cmake --build "$plugin_build" -j2 >>"$work/plugin.log" 2>&1 ||
    fail "building the plug-in: $(cat "$work/plugin.log")"
grep -qx "QuillmarkSdk_DIR:PATH=/usr/lib/.*/cmake/QuillmarkSdk" "$plugin_build/CMakeCache.txt" ||
    fail "the plug-in did not use the installed SDK:" \
        "$(grep QuillmarkSdk_DIR "$plugin_build/CMakeCache.txt")"
objdump -p "$plugin_build/libventus.so" | grep -q "NEEDED *libquillmarksdk.so.1" ||
    fail "the plug-in does not link the SDK library"
echo "test-packages: the Ventus plug-in builds against the installed SDK"

for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
pids=()
purge
left=$(while read -r path; do
    [[ -e "$path" || -L "$path" ]] && echo "$path"
done <"$work/package-paths" | sort | comm -23 - "$work/present-before" || true)
[[ -z "$left" ]] || fail "left behind after purging the packages:"$'\n'"$left"
echo "test-packages: passed; both packages are purged and nothing of them is left"
