#!/usr/bin/env bash
# The batch mode on Windows against Linux's: the same CSV bytes for the same command line,
# file names as typed (UTF-8 on Linux, UTF-16 in Windows), and the exit statuses.
#   batch_test.sh WINE MORVANTA-CLI.exe LINUX_MORVANTA
set -uo pipefail
wine=$1 cli=$2 linux=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check WHAT COMMAND...: passes when the command succeeds
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# Same options, same bytes on standard output: the trials, and the lesson's and outcomes' tables.
while read -r options; do
    # shellcheck disable=SC2086
    "$linux" --batch $options >"$work/linux.csv"
    # shellcheck disable=SC2086
    "$wine" "$cli" --batch $options >"$work/windows.csv"
    check "$options: the output is Linux's, byte for byte" \
        sh -c "test -s '$work/linux.csv' && cmp -s '$work/linux.csv' '$work/windows.csv'"
done <<'TABLE'
--seed=0 --csv=-
--seed=43200000 --scenario=comp-severe --trials=50 --csv=-
--seed=86399999 --scenario=reversed --trials=100 --csv=-
--seed=1234 --scenario=2 --trials=1 --csv=-
--seed=86399998 --runs=3 --trials=1 --csv=-
--seed=86399998 --runs=3 --summary=-
--seed=1234 --scenario=comp-mild --trials=1 --time-course=-
--seed=1234 --scenario=comp-severe --a12=0.5 --a21=1.5 --start=0.2,0.7 --csv=-
--scenario=comp-severe --grid=20 --outcome-map-csv=-
TABLE
name="$work/Versuch-ü-試.csv"
"$wine" "$cli" --batch --seed=0 "--csv=Z:$name"
"$linux" --batch --seed=0 --csv=- >"$work/linux.csv"
check "a file name as typed" sh -c "test -s '$name' && cmp -s '$name' '$work/linux.csv'"

"$wine" "$cli" --batch --trials=7 2>/dev/null
check "a refused command line exits with 2" test $? -eq 2
"$wine" "$cli" --batch --seed=0 "--csv=Z:$work/no-such-folder/t.csv" 2>/dev/null
check "a file that cannot be written exits with 1" test $? -eq 1
"$wine" "$cli" --help | grep -q -- '--batch'
check "--help shows the options and exits with 0" test "${PIPESTATUS[0]}" -eq 0
exit $((failures > 0))
