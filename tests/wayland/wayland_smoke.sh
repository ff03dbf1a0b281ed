#!/bin/sh
# The program on a Wayland compositor through Qt's own Wayland platform: weston's headless
# backend on a private socket in a private runtime folder. The program must start, paint its
# main window on Wayland and end cleanly. Where weston or Qt's Wayland platform is missing,
# or weston cannot start here, the test reports SKIP (77) and why, never a pass.
# Usage: wayland_smoke.sh PROGRAM
set -u
program=$1
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (scripts/install-deps installs it)"
    exit 77
fi
work=$(mktemp -d) || exit 1 # mktemp makes it 0700, as a Wayland runtime folder must be
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/home"
socket=crescendar-smoke-$$

# --no-config: the user's weston.ini plays no part (and root has none).
XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --socket="$socket" --no-config \
    --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
tries=0
until [ -S "$work/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ $tries -ge 100 ]; then
        echo "SKIP: weston did not start here; its log ends:"
        tail -n 5 "$work/weston.log"
        exit 77
    fi
    tries=$((tries + 1))
    sleep 0.1
done

env -u DISPLAY -u WAYLAND_SOCKET HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    CRESCENDAR_QUIT_AFTER_PAINT=1 timeout 60 "$program" >"$work/out" 2>"$work/err"
code=$?
cat "$work/out"
if grep -q 'Could not find the Qt platform plugin "wayland"' "$work/err"; then
    echo "SKIP: Qt's Wayland platform is not installed (scripts/install-deps installs qt6-wayland)"
    exit 77
fi
if [ $code -ne 0 ] || ! grep -q '^painted on wayland at 640x480,' "$work/out"; then
    echo "FAIL: the program ended with code $code without painting its main window on Wayland"
    echo "Its standard error:"
    cat "$work/err"
    exit 1
fi
echo "PASS: the main window was painted on Wayland and the program ended cleanly"
