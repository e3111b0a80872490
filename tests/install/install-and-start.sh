#!/usr/bin/env bash
# Installs the built program into a fresh prefix with a space in it and starts the installed copy
# headless: from a read-only working folder, with a data file gone, and as a second user while
# the first one's instance runs. Usage: install-and-start.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
first=
cleanup() {
    [ -z "$first" ] || kill "$first" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/Program Files/zeto"
cmake --install "$build" --prefix "$prefix" >/dev/null
program="$prefix/lib/zeto"

# Layout: one program folder, a start command, the menu entry and its icon.
[ -L "$prefix/bin/zeto" ] || fail "bin/zeto is not a link"
[ "$(readlink -f "$prefix/bin/zeto")" = "$(readlink -f "$program/zeto")" ] || fail "bin/zeto points elsewhere"
[ -x "$program/data/calc.kvt" ] || fail "the calculator launcher lost its executable bit"
[ -f "$program/help/index.htm" ] || fail "no help page"
entry="$prefix/share/applications/zeto.desktop"
for line in 'Name=ZETO' 'Name\[zh_CN\]=.' 'Comment\[zh_CN\]=.' 'Categories=Education;Math;Qt;' \
            'Icon=zeto' 'Exec=zeto'; do
    grep -q "^$line" "$entry" || fail "desktop entry lacks $line"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop entry does not validate"
fi
for size in 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/zeto.png"
    read -r -a header < <(od -An -tu1 -j16 -N8 "$icon")  # PNG width and height, big-endian
    [ "$(( header[2] * 256 + header[3] ))x$(( header[6] * 256 + header[7] ))" = "${size}x$size" ] ||
        fail "$icon is not $size px"
done

# The lock of the single-instance rule lives in the user's private runtime folder: a folder of
# this test's own keeps it apart from any ZETO already running. The temporary folder stands for
# a /tmp that every user shares; a user without a runtime folder gets a private one in it.
export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -m 1777 "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"
readonly_folder="$work/read-only"
mkdir -m 555 "$readonly_folder"
chmod 755 "$work"

start() {  # [command prefix...]: starts the installed program from the read-only folder
    (cd "$readonly_folder" && timeout 60 "$@" "$prefix/bin/zeto" --quit-after-show) 2>"$work/said"
}

start || fail "the installed program did not start cleanly: $(cat "$work/said")"

mv "$program/data/G.kvt" "$work/"
status=0
start || status=$?
[ "$status" = 1 ] || fail "a missing lamp picture gave status $status: $(cat "$work/said")"
[ "$(grep '^missing ' "$work/said")" = 'missing \DATA\G.kvt' ] ||
    fail "expected only the lamp picture missing, got: $(cat "$work/said")"
mv "$work/G.kvt" "$program/data/"

# Two users on one machine, each with their own instance. Only root can be a second user here.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    # Neither has $USER, so it cannot be what tells them apart.
    env -u USER "$prefix/bin/zeto" 2>/dev/null &
    first=$!
    for _ in $(seq 300); do
        compgen -G "$XDG_RUNTIME_DIR/zeto*.lock" >/dev/null && break
        kill -0 "$first" 2>/dev/null || fail "the first user's instance ended"
        sleep 0.1
    done
    compgen -G "$XDG_RUNTIME_DIR/zeto*.lock" >/dev/null || fail "the first user's instance took no lock"
    # A lock the first user leaves in the shared temporary folder under the second user's name
    # blocks nothing: the second user's lock is in a runtime folder of their own.
    touch "$TMPDIR/zeto-65534.lock"
    start env -u USER -u HOME -u XDG_RUNTIME_DIR setpriv --reuid=65534 --regid=65534 --clear-groups ||
        fail "a second user could not start while the first one's instance runs: $(cat "$work/said")"
else
    echo "not root: the second-user start is not tried"
fi
echo "installed program starts"
