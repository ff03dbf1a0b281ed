#!/bin/bash
# The menu entry: valid for the desktop's menu without even a hint, exactly one main
# category (so it is listed once), and it starts the installed program with the theme icon.
# Usage: check_desktop_entry.sh ENTRY.desktop
set -u
entry=$1
fail() { echo "FAIL: $*"; exit 1; }

report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate says: $report"

main="AudioVideo Audio Video Development Education Game Graphics Network Office Science Settings System Utility"
categories=$(sed -n 's/^Categories=//p' "$entry")
count=0
IFS=';' read -ra list <<<"$categories"
for c in "${list[@]}"; do
    for m in $main; do [ "$c" = "$m" ] && count=$((count + 1)); done
done
[ "$count" -eq 1 ] || fail "$count main categories in \"$categories\", one expected"

grep -qx 'Exec=crescendar' "$entry" || fail "Exec does not start crescendar"
grep -qx 'Icon=crescendar' "$entry" || fail "Icon is not the theme icon crescendar"
echo "1 passed, 0 failed"
