#!/usr/bin/env bash
# The manual pages render without warnings and quorrel-cli's names every
# option its --help names; bash completion offers those options and the
# values of --format, --encoding and --decode.
#
# Usage: manual_and_completion_test.sh QUORREL_CLI CLI_MANUAL WINDOW_MANUAL COMPLETION
set -euo pipefail
export LC_ALL=C.UTF-8 MANWIDTH=80

cli=$1
cliManual=$2
windowManual=$3
completion=$4

fail() {
    echo "manual_and_completion: $*" >&2
    exit 1
}

for page in "$cliManual" "$windowManual"; do
    warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
done

options=$("$cli" --help | sed -n 's/^ *\(-[a-z], \)\{0,1\}\(--[a-z-]*\).*/\2/p' | grep -vx -- --help-all | sort)
[ -n "$options" ] || fail "no options found in --help"
page=$(man -l "$cliManual" 2>/dev/null)
for option in $options; do
    grep -q -- "$option" <<<"$page" || fail "the manual page does not name $option"
done

# shellcheck source=/dev/null
source "$completion"
offered() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _quorrel_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort
}
[ "$(offered quorrel-cli - | grep -vx -- --)" = "$options" ] \
    || fail "completion offers $(offered quorrel-cli - | tr '\n' ' '), not the options of --help"
[ "$(offered quorrel-cli --format '')" = $'json\ntable\ntsv' ] || fail "completion of --format"
[ "$(offered quorrel-cli --decode g)" = gbk ] || fail "completion of --decode"
[ "$(offered quorrel-cli --encoding u)" = utf-8 ] || fail "completion of --encoding"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/expected-body.txt"
[ "$(offered quorrel-cli "@$folder/exp")" = "@$folder/expected-body.txt" ] || fail "completion of @FILE"
echo "manual_and_completion: passed"
