#!/usr/bin/env bash
# Makes a throw-away certificate authority and the server certificates signed by it, for
# serving the storage tree over HTTPS on this machine (scripts/serve-nginx.sh, the tests):
#
#   ca.pem                      the authority; give it to the shell as QUILLMARK_CA_FILE
#   server.pem, server.key      valid for localhost and 127.0.0.1
#   expired.pem, expired.key    the same names, but expired
#   wronghost.pem, wronghost.key  valid, but only for www.example.invalid
#   untrusted.pem, untrusted.key  localhost and 127.0.0.1, signed by an authority nobody trusts
#
# Usage: scripts/make-test-ca.sh <folder>   (created if missing; existing files are replaced)
set -euo pipefail

if (($# != 1)); then
    echo "usage: $0 <folder>" >&2
    exit 2
fi
out=$1
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

new_key() {
    openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1" 2>/dev/null
}

# An authority: key and self-signed certificate.
new_authority() { # <name> <common name>
    new_key "$work/$1.key"
    openssl req -x509 -new -key "$work/$1.key" -subj "/CN=$2" -days 30 \
        -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" -out "$work/$1.pem" 2>/dev/null
}

# A server certificate signed by an authority, with explicit dates so that one can lie in
# the past.
new_server() { # <name> <authority> <subjectAltName> <start> <end>
    local name=$1 authority=$2
    new_key "$out/$name.key"
    openssl req -new -key "$out/$name.key" -subj "/CN=$name" -out "$work/$name.csr" 2>/dev/null
    mkdir -p "$work/db-$name"
    : >"$work/db-$name/index.txt"
    cat >"$work/db-$name/ca.conf" <<EOF
[ca]
default_ca = test
[test]
database = $work/db-$name/index.txt
new_certs_dir = $work/db-$name
serial = $work/db-$name/serial
default_md = sha256
policy = any
copy_extensions = none
x509_extensions = server
[any]
commonName = supplied
[server]
basicConstraints = critical,CA:FALSE
keyUsage = critical,digitalSignature
extendedKeyUsage = serverAuth
subjectAltName = $3
EOF
    openssl rand -hex 16 >"$work/db-$name/serial"
    openssl ca -batch -notext -config "$work/db-$name/ca.conf" \
        -cert "$work/$authority.pem" -keyfile "$work/$authority.key" \
        -startdate "$4" -enddate "$5" -in "$work/$name.csr" -out "$out/$name.pem" 2>/dev/null
}

local_names="DNS:localhost,IP:127.0.0.1"
now=$(date -u +%Y%m%d%H%M%SZ)
in_30_days=$(date -u -d "+30 days" +%Y%m%d%H%M%SZ)

new_authority ca "Quillmark test authority"
new_authority stranger "Untrusted test authority"
new_server server ca "$local_names" "$now" "$in_30_days"
new_server expired ca "$local_names" 20200101000000Z 20200201000000Z
new_server wronghost ca "DNS:www.example.invalid" "$now" "$in_30_days"
new_server untrusted stranger "$local_names" "$now" "$in_30_days"
cp "$work/ca.pem" "$out/ca.pem"
echo "test authority and certificates in $out"
