#!/usr/bin/env bash
# Runs a program (the scripted session test) under Valgrind memcheck on the offscreen platform
# and fails on any memory error, on any definite or indirect leak that is not one of the
# toolkit's own listed in qt_fontconfig.supp, and on any block the program's own code
# allocated and never freed that a toolkit cache still points at (Qt's accessibility cache
# keeps a leaked widget "still reachable"). Exits 77 (skipped) without Valgrind. The full
# report is kept in leak_check.log beside the program.
# Usage: run_leak_check.sh PROGRAM [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { sed -n '8p' "$0"; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is not installed: leak check skipped"; exit 77; }

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen
log=$(dirname "$1")/leak_check.log

status=0
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect,reachable \
    --errors-for-leak-kinds=definite,indirect --error-exitcode=1 --num-callers=40 \
    --suppressions="$here/qt_fontconfig.supp" --log-file="$log" "$@" || status=$?

# Still-reachable blocks whose allocator was called by the program's own code (morvanta::
# or main), looking through inlined standard-library frames; the toolkit's caches and
# globals are allocated inside the toolkit.
own=$(awk '
    / are still reachable in loss record / { record = $0; frames = 0; next }
    record != "" && /: / && / (at|by) 0x/ {
        frame = $0; sub(/^==[0-9]+== +(at|by) 0x[0-9A-F]+: /, "", frame)
        if (frames++ == 0 || frame ~ /^(operator new|malloc|calloc|realloc|(void )?std::|__gnu_cxx::)/) next
        if (frame ~ /^(morvanta::|main \()/) print record "\n    " frame
        record = ""
    }' "$log")

grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|still reachable:|suppressed:' "$log" || true
if [ -n "$own" ]; then
    echo "blocks the program allocated and never freed:"
    echo "$own"
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "leak check failed (exit $status); the report, $log:"
    cat "$log"
fi
exit "$status"
