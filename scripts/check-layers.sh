#!/usr/bin/env bash
# Fails, naming the file and the line, when a source file includes a header of a layer it must
# not see. The layers, lowest first:
#   core/ (the model)   nothing of the project but itself
#   plot/               nothing but itself
#   core/driver/        the model and the plot
#   core/cli/           nothing but itself
#   ui/screen/          nothing of the project but itself
#   ui/widgets/         ui/screen/ and everything below ui/
#   ui/app/             ui/widgets/, ui/screen/ and everything below ui/; only main.cpp sees
#                       the window, which it makes
#   ui/window/          everything
# Nothing below ui/ sees ui/. Toolkit and system headers (<...>) are not checked: core/ and
# plot/ are built without Qt, so they cannot include it.
#   scripts/check-layers.sh [TREE]    TREE: the source tree to check (default: this one)
set -euo pipefail
tree=${1:-$(dirname "$0")/..}
cd "$tree"

# What a file's includes may be: an extended regular expression.
model='core/[^/]+'
allowed_for() {
    case "$1" in
        core/driver/*) echo "core/driver/.+|$model|plot/.+" ;;
        core/cli/*) echo "core/cli/.+" ;;
        core/*) echo "$model" ;;
        plot/*) echo "plot/.+" ;;
        ui/screen/*) echo "ui/screen/.+" ;;
        ui/widgets/*) echo "ui/(widgets|screen)/.+|core/.+|plot/.+" ;;
        ui/app/main.cpp) echo "ui/(app|window)/.+|core/.+" ;;
        ui/app/*) echo "ui/(app|widgets|screen)/.+|core/.+|plot/.+" ;;
        ui/window/*) echo "ui/.+|core/.+|plot/.+" ;;
    esac
}

status=0
while IFS= read -r file; do
    allowed=$(allowed_for "$file")
    while IFS=: read -r line include; do
        if ! [[ $include =~ ^($allowed)$ ]]; then
            echo "$file:$line: includes \"$include\", which its layer must not see"
            status=1
        fi
    done < <(grep -n -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$file" |
             sed 's/^\([0-9]*\):.*"\([^"]*\)"$/\1:\2/')
done < <(find core plot ui -name '*.h' -o -name '*.cpp' | sort)

[ $status -eq 0 ] && echo "OK: every include stays within its layer"
exit $status
