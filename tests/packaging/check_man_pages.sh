#!/bin/bash
# The manual pages: groff renders them without a single warning, and the page of the CLI
# describes every option and command that the CLI's own --help lists.
# Usage: check_man_pages.sh CRESCENDAR-CLI MAN_DIR
set -u
cli=$1 dir=$2
fail() { echo "FAIL: $*"; failed=1; }
failed=0

for page in "$dir"/crescendar.1 "$dir"/crescendar-cli.1; do
    [ -f "$page" ] || { fail "$page is missing"; continue; }
    warnings=$(groff -ww -z -man "$page" 2>&1)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    grep -q '@[A-Z_]*@' "$page" && fail "$(basename "$page") has an unfilled @VALUE@"
done

help=$("$cli" --help) || fail "$cli --help failed"
# The page as a reader sees it: plain ASCII, no overstriking.
text=$(groff -man -Tascii -P-cbou "$dir/crescendar-cli.1" 2>/dev/null)

options=$(printf '%s\n' "$help" | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "no option found in --help"
# Each option heads an entry of its own in OPTIONS ("       -h, --help", "       --lat DEG").
entries=$(printf '%s\n' "$text" | sed -n '/^OPTIONS/,/^EXIT STATUS/p' | grep -E '^ {7}-')
for o in $options; do
    printf '%s\n' "$entries" | grep -qE -- "^ {7}(-[a-z-]+, )*$o(,| |$)" || fail "option $o is not described"
done

# The commands: the lines of the help's command list, first word.
commands=$(printf '%s\n' "$help" | sed -n '/^Commands:/,/^$/p' | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p')
[ -n "$commands" ] || fail "no command found in --help"
section=$(printf '%s\n' "$text" | sed -n '/^COMMANDS/,/^OPTIONS/p')
for c in $commands; do
    printf '%s\n' "$section" | grep -qE "^ +$c( |$)" || fail "command $c is not described"
done

for s in NAME SYNOPSIS DESCRIPTION COMMANDS OPTIONS "EXIT STATUS" FILES EXAMPLES; do
    printf '%s\n' "$text" | grep -qx "$s" || fail "no section $s"
done
[ $failed -eq 0 ] || exit 1
echo "1 passed, 0 failed"
