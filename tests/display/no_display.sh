#!/bin/sh
# The program where no display answers: one line of its own on standard error and exit code
# 1, never Qt's abort; and where Qt is given platforms to fall back on, it still falls back.
# Usage: no_display.sh PROGRAM
set -u
program=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# A display number no X server holds here.
n=87
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
failed=0

# check WHAT CODE PATTERN VAR=VALUE...: runs the program with only those variables (and a
# private home); CODE is the exit code wanted; PATTERN what the one line of standard error
# (code 1) or standard output (code 0) must hold.
check() {
    what=$1 code=$2 pattern=$3
    shift 3
    env -i PATH="$PATH" HOME="$work" XDG_CONFIG_HOME="$work/.config" "$@" \
        timeout 60 "$program" >"$work/out" 2>"$work/err"
    got=$?
    if [ $code -eq 1 ]; then
        lines=$(wc -l <"$work/err")
        if [ $got -eq 1 ] && [ "$lines" -eq 1 ] && grep -qF -- "$pattern" "$work/err"; then
            echo "ok: $what: $(cat "$work/err")"
            return
        fi
    elif [ $got -eq $code ] && grep -qF -- "$pattern" "$work/out"; then
        echo "ok: $what: $(cat "$work/out")"
        return
    fi
    echo "FAIL: $what: exit code $got (wanted $code); standard output and error:"
    cat "$work/out" "$work/err"
    failed=1
}

check "a dead X display" 1 "DISPLAY=\":$n\"" DISPLAY=":$n"
check "no display at all" 1 'DISPLAY=""'
check "a dead Wayland display" 1 'WAYLAND_DISPLAY="crescendar-none"' QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY=crescendar-none XDG_RUNTIME_DIR="$work"
check "X11 dead, offscreen after it" 0 "painted on offscreen" DISPLAY=":$n" \
    QT_QPA_PLATFORM="xcb;offscreen" CRESCENDAR_QUIT_AFTER_PAINT=1
exit $failed
