#!/bin/sh
# Runs one test program in a fresh, throw-away home:
#     isolate.sh [--homes FOLDER] PROGRAM [ARGUMENTS...]
# The homes live side by side in FOLDER (by default $TMPDIR/lxtest-homes). Each holds
# a lock that the test and every child of it inherit, so it stays locked for as long
# as any of them lives. A home whose lock is free was left by a wrapper killed outright
# (SIGKILL runs no trap), and the next wrapper removes it.
set -e
homes="${TMPDIR:-/tmp}/lxtest-homes"
if [ "${1-}" = --homes ]; then
    homes=$2
    shift 2
fi
mkdir -p "$homes"
# HOME must not depend on the folder a test changes to.
homes=$(cd "$homes" && pwd)

for old in "$homes"/lxtest.*; do
    [ -d "$old" ] || continue
    # Opened, not created (as flock FILE would): a lock that is gone is a home its
    # owner is removing.
    (exec 7<"$old/lock" && flock -n 7 && rm -rf "$old") 2>/dev/null || true
done

home=$(mktemp -d "$homes/lxtest.XXXXXX")
# Locked before it gets its name: a home is never seen with a free lock while in use.
exec 9>"$home/lock.new"
flock 9
mv "$home/lock.new" "$home/lock"

pid=
signalled=
cleanup() {
    # Whatever the test left running in its group goes with it.
    if [ -n "$pid" ]; then
        kill -s KILL -- "-$pid" 2>/dev/null || true
    fi
    # Removed while still locked, so that no other wrapper's sweep removes it too.
    rm -rf "$home" || echo "isolate.sh: $home stays behind for the next run" >&2
    exec 9>&-
}
forward() {
    signalled=1
    [ -z "$pid" ] || kill -s "$1" -- "-$pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'forward TERM' TERM
trap 'forward INT' INT

mkdir -p "$home/config" "$home/tmp" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
       XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
       QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=

# A process group of its own, so the test's children can be found and ended with it.
# (Started in the background, it would read /dev/null instead of this input.)
exec 8<&0
setsid -w "$@" <&8 8<&- &
pid=$!
while :; do
    status=0
    wait "$pid" || status=$?
    # A forwarded signal interrupts the wait: wait again, for the test's own status.
    [ -n "$signalled" ] || break
    signalled=
done
exit "$status"
