#!/usr/bin/env bash
# The set-up scripts' package check (scripts/install-missing.sh) on dpkg-query's status lines:
# which packages it installs.
set -euo pipefail
setup=$(dirname "$0")/../../scripts/install-missing.sh
failures=0
# status lines (';' between lines) | packages asked for | expected missing (space-separated)
while IFS='|' read -r status packages expected; do
    got=$(tr ';' '\n' <<<"$status" | "$setup" --missing-of $packages | tr '\n' ' ' | sed 's/ $//')
    if [ "$got" != "$expected" ]; then
        echo "FAIL: '$status' for $packages: expected missing '$expected', got '$got'"
        failures=$((failures + 1))
    fi
done <<'CASES'
cmake install ok installed;xvfb install ok installed|cmake xvfb|
cmake install ok installed|cmake xvfb|xvfb
cmake install ok installed;xvfb unknown ok not-installed|cmake xvfb|xvfb
xvfb deinstall ok config-files|xvfb|xvfb
xvfb install ok half-configured|xvfb|xvfb
xvfb-extra install ok installed|xvfb|xvfb
|cmake fonts-lato|cmake fonts-lato
CASES
[ $failures -eq 0 ] && echo "OK: the set-up scripts see each package as installed or missing"
exit $failures
