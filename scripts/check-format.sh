#!/usr/bin/env bash
# Fails, listing the files, when a C++ file that git tracks is not formatted as .clang-format
# says. Fix them with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/dev/null; then
    clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):.*warning:.*/\1/p' | sort -u |
        sed 's/^/not formatted: /'
    echo "FAIL: run clang-format -i on the files above"
    exit 1
fi
echo "OK: every C++ file is formatted"
