#!/bin/sh
# Runs one test program in a fresh, throw-away home.
set -e
home=$(mktemp -d "${TMPDIR:-/tmp}/lxtest.XXXXXX")
trap 'rm -rf "$home"' EXIT INT TERM
mkdir -p "$home/config" "$home/tmp" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
       XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
       QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
"$@"
