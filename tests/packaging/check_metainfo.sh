#!/bin/bash
# The software catalogue's record: valid for appstreamcli (offline), launching the menu entry
# that is installed beside it, with the build's version and screenshots that exist.
# Usage: check_metainfo.sh METAINFO.xml ENTRY.desktop SCREENSHOTS_DIR VERSION
set -u
metainfo=$1 entry=$2 screenshots=$3 version=$4
fail() { echo "FAIL: $*"; exit 1; }

report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) ||
    fail "appstreamcli validate: $report"

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "file name does not match id $id"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "the launchable is not $(basename "$entry")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release of version $version"
for b in crescendar crescendar-cli; do
    grep -q "<binary>$b</binary>" "$metainfo" || fail "does not provide $b"
done

shots=$(sed -n 's:.*<image>.*/\([^/]*\)</image>.*:\1:p' "$metainfo")
[ -n "$shots" ] || fail "no screenshots"
for s in $shots; do
    [ -f "$screenshots/$s" ] || fail "screenshot $s is not in $screenshots"
done
echo "1 passed, 0 failed"
