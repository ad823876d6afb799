#!/bin/sh
# The test wrapper leaves nothing behind:
#     tst_isolate.sh ISOLATE_SH
# Its test's children go with the test, a signal reaches the test, the home goes, and a
# home left by a wrapper killed outright goes with the next run, but never one in use.
set -u
isolate=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tst_isolate.XXXXXX")
homes=$work/homes
trap 'rm -rf "$work"' EXIT
failures=0

check() {
    if "$@"; then
        echo "PASS: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# Neither running nor a zombie waiting to be reaped.
alive() {
    [ -r "/proc/$1/stat" ] && ! sed 's/^.*) //' "/proc/$1/stat" | grep -q '^Z'
}
gone() { ! alive "$1"; }

# Waits (up to a minute) until the command holds.
eventually() {
    n=0
    while ! "$@"; do
        n=$((n + 1))
        [ "$n" -lt 600 ] || return 1
        sleep 0.1
    done
}

groupgone() { ! pgrep -g "$1" >/dev/null; }
nonempty() { [ -s "$1" ]; }
missing() { [ ! -e "$1" ]; }
homecount() { [ "$(find "$homes" -mindepth 1 -maxdepth 1 -name 'lxtest.*' | wc -l)" -eq "$1" ]; }

# A test that notes its home and the pid of a child that ignores TERM, then waits.
# The child's `exec` keeps the pid it was started with.
stubborn='trap "exit 5" TERM
          echo "$HOME" > "$1/home.new" && mv "$1/home.new" "$1/home"
          sh -c "trap \"\" TERM; exec sleep 300" &
          echo $! > "$1/child.new" && mv "$1/child.new" "$1/child"
          while :; do sleep 0.1; done'

# --- a forwarded TERM ends the test; its child and its home go with the wrapper
rm -f "$work/home" "$work/child"
"$isolate" --homes "$homes" sh -c "$stubborn" sh "$work" &
wrapper=$!
what="the test started"; check eventually nonempty "$work/child"
home=$(cat "$work/home"); child=$(cat "$work/child")
what="the home is in the homes folder"; check [ "$(dirname "$home")" = "$homes" ]
kill -TERM "$wrapper"
wait "$wrapper"; status=$?
what="the test heard the TERM (exit 5, got $status)"; check [ "$status" -eq 5 ]
what="the child that ignored TERM is gone"; check eventually gone "$child"
what="the home is gone"; check missing "$home"

# --- a test that ends by itself, with a child still running
rm -f "$work/home" "$work/child"
"$isolate" --homes "$homes" sh -c 'echo "$HOME" > "$1/home"; sleep 300 & echo $! > "$1/child"; exit 7' sh "$work"
status=$?
what="the exit status passes through (7, got $status)"; check [ "$status" -eq 7 ]
child=$(cat "$work/child")
what="the child left running is gone"; check eventually gone "$child"
what="the home is gone"; check missing "$(cat "$work/home")"

# --- a wrapper killed outright, as a timeout kills the whole tree: the home stays,
#     a running neighbour's home is kept, and the next run removes only the orphan
rm -f "$work/home" "$work/child"
"$isolate" --homes "$homes" sh -c "$stubborn" sh "$work" &
wrapper=$!
what="the test started"; check eventually nonempty "$work/child"
orphan=$(cat "$work/home"); child=$(cat "$work/child"); test=$(pgrep -P "$wrapper")
kill -KILL "$wrapper" $test "$child"
wait "$wrapper" 2>/dev/null
# Whatever is left of the test's group (a short sleep) still holds the home's lock.
what="the killed test is gone"; check eventually groupgone "$test"
what="the killed wrapper's home stays"; check [ -d "$orphan" ]

mkdir -p "$work/neighbour"
rm -f "$work/neighbour/home" "$work/neighbour/child"
"$isolate" --homes "$homes" sh -c "$stubborn" sh "$work/neighbour" &
neighbour=$!
what="the neighbour started"; check eventually nonempty "$work/neighbour/child"
what="the next run removed the orphan"; check missing "$orphan"
what="the next run kept the neighbour's home"; check [ -d "$(cat "$work/neighbour/home")" ]
"$isolate" --homes "$homes" true
what="a later run kept it too"; check [ -d "$(cat "$work/neighbour/home")" ]
kill -TERM "$neighbour"
wait "$neighbour"
what="no home is left"; check eventually homecount 0

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
