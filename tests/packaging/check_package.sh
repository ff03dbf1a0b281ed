#!/bin/bash
# The Debian package, made with CPack from the build into a folder of its own: it holds the
# programs, pages, icons, menu entry, metainfo and manual pages and nothing of the tests; its
# dependencies come from the libraries the programs link; every PNG icon has its size.
# Usage: check_package.sh BUILD_DIR APP_ID
set -u
build=$1 id=$2
fail() { echo "FAIL: $*"; failed=1; }
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not make the package"
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/crescendar_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: not one crescendar_*.deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's:^\./:/:')
expect() { printf '%s\n' "$contents" | grep -qx -- "$1" || fail "the package lacks $1"; }
expect /usr/bin/crescendar
expect /usr/bin/crescendar-cli
expect /usr/libexec/crescendar/crescendar-cli-qt
expect /usr/libexec/crescendar/crescendar-cli-full
expect /usr/share/crescendar/docs/crescendar.htm
expect /usr/share/crescendar/docs/crescendar-home.htm
expect /usr/share/crescendar/docs/crescendar-cli.schema.json
expect /usr/share/crescendar/Crescendar.ico
expect "/usr/share/applications/$id.desktop"
expect "/usr/share/metainfo/$id.metainfo.xml"
expect /usr/share/man/man1/crescendar.1.gz
expect /usr/share/man/man1/crescendar-cli.1.gz
expect /usr/share/icons/hicolor/scalable/apps/crescendar.svg
for s in 16 24 32 48 64 128 256; do expect "/usr/share/icons/hicolor/${s}x$s/apps/crescendar.png"; done
printf '%s\n' "$contents" | grep -E '_tests|_bench|screenshot|artgen|/include/|\.a$' &&
    fail "the package holds build or test files"

[ "$(dpkg-deb -f "$deb" Package)" = crescendar ] || fail "the package is not named crescendar"
[ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "the section is not science"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libc6 qt6-qpa-plugins; do
    printf '%s\n' "$depends" | grep -q "$d" || fail "Depends does not name $d: $depends"
done

# Every PNG icon is as wide and as high as its folder says (the IHDR chunk, big-endian).
dpkg-deb -x "$deb" "$work/root"
for s in 16 24 32 48 64 128 256; do
    png="$work/root/usr/share/icons/hicolor/${s}x$s/apps/crescendar.png"
    [ -f "$png" ] || continue
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "the ${s}x$s icon is ${w}x$h"
done
# The installed crescendar-cli answers moon itself, and finds the programs that run the others.
answer=$(HOME="$work" XDG_CONFIG_HOME="$work" LC_ALL=C "$work/root/usr/bin/crescendar-cli" moon 2026-12-09 12:00 2>&1) ||
    fail "the installed crescendar-cli could not run moon: $answer"
answer=$(HOME="$work" XDG_CONFIG_HOME="$work" "$work/root/usr/bin/crescendar-cli" easter 2026 2>&1) ||
    fail "the installed crescendar-cli could not run easter: $answer"
answer=$(HOME="$work" XDG_CONFIG_HOME="$work" "$work/root/usr/bin/crescendar-cli" places London 2>&1) ||
    fail "the installed crescendar-cli could not run places: $answer"
# The manual pages are gzip files that man can read.
for p in crescendar crescendar-cli; do
    gzip -t "$work/root/usr/share/man/man1/$p.1.gz" 2>/dev/null || fail "$p.1.gz is not gzipped"
done
[ $failed -eq 0 ] || exit 1
echo "1 passed, 0 failed"
