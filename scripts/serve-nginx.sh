#!/usr/bin/env bash
# Serves a storage tree with nginx over HTTPS and HTTP/2, the way a maker publishes it on a
# static host: the tree as it is, plus the names list "getPluginNames.php" as a static JSON
# file, which this script writes into the tree first. A test certificate authority is made in the prefix folder on the first run; point the
# shell at it with QUILLMARK_CA_FILE. nginx runs in the foreground until it is stopped.
#
# Usage: scripts/serve-nginx.sh [--root <tree>] [--port <port>] [--prefix <folder>]
#                               [--certificate server|expired|wronghost|untrusted]
#   --root         the folder holding storage/ (default: build/demo-storage)
#   --port         port on 127.0.0.1 (default: 8644)
#   --prefix       where the configuration, certificates and logs go (default: build/nginx)
#   --certificate  which of the certificates of scripts/make-test-ca.sh to present
#
# Then, for example:
#   QUILLMARK_SERVER_URL=https://localhost:8644/ QUILLMARK_CA_FILE=build/nginx/ca/ca.pem \
#       build/bin/quillmark
set -euo pipefail

scripts=$(cd "$(dirname "$0")" && pwd)
root="$scripts/../build/demo-storage"
port=8644
prefix="$scripts/../build/nginx"
certificate=server
while (($#)); do
    case $1 in
    --root) root=$2 ;;
    --port) port=$2 ;;
    --prefix) prefix=$2 ;;
    --certificate) certificate=$2 ;;
    *)
        sed -n '2,/^set -euo/p' "$0" | sed '$d' >&2
        exit 2
        ;;
    esac
    shift 2
done

if [[ ! -d "$root/storage" ]]; then
    echo "$0: $root holds no storage folder" >&2
    exit 1
fi
if ! command -v nginx >/dev/null; then
    echo "$0: nginx is not installed (Debian: nginx-light)" >&2
    exit 1
fi
root=$(cd "$root" && pwd)
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
[[ -f "$prefix/ca/$certificate.pem" ]] || "$scripts/make-test-ca.sh" "$prefix/ca" >/dev/null
if [[ ! -f "$prefix/ca/$certificate.pem" ]]; then
    echo "$0: no certificate named $certificate" >&2
    exit 2
fi

# The plug-ins that have translations, sorted, as a JSON array of strings.
names=()
for folder in "$root"/storage/kelvo/*/translations/; do
    [[ -d "$folder" ]] || continue
    name=$(basename "$(dirname "$folder")")
    name=${name//\\/\\\\}
    names+=("\"${name//\"/\\\"}\"")
done
(
    IFS=,
    echo "[${names[*]}]"
) >"$root/getPluginNames.php"

sed -e "s|@PREFIX@|$prefix|g" -e "s|@PORT@|$port|g" -e "s|@ROOT@|$root|g" \
    -e "s|@USER@|$(id -un)|g" -e "s|@CERTIFICATE@|$prefix/ca/$certificate.pem|g" \
    -e "s|@KEY@|$prefix/ca/$certificate.key|g" \
    "$scripts/nginx/storage.conf.in" >"$prefix/nginx.conf"
echo "serving $root on https://localhost:$port/ (authority: $prefix/ca/ca.pem)" >&2
exec nginx -p "$prefix" -c "$prefix/nginx.conf"
