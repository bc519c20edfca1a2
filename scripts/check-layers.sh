#!/usr/bin/env bash
# Fails, naming the file and the line, when a source file includes a header of a layer it must
# not see. The layers, lowest first:
#   core/ (the model)   nothing of the project but itself
#   plot/               nothing but itself
#   core/driver/        the model and the plot
#   core/cli/           nothing but itself and core/number_text.h (how doubles read)
#   session/            what every edition does alike: core/ and plot/
# The editions, side by side under ui/, each seeing only itself and what lies below ui/:
#   ui/qt/ (Linux, Qt Widgets), in five rooms and the entry point:
#     ui/qt/screen/     nothing of the project but itself
#     ui/qt/widgets/    ui/qt/screen/ and everything below ui/
#     ui/qt/files/      everything below ui/ (the files the program writes)
#     ui/qt/app/        ui/qt/files/, ui/qt/widgets/, ui/qt/screen/ and everything below ui/
#     ui/qt/window/     ui/qt/files/, ui/qt/widgets/, ui/qt/screen/ and everything below ui/
#     ui/qt/main.cpp    all of ui/qt/ and everything below ui/
#   ui/web/ (the browser), ui/win/ (Windows): themselves and everything below ui/
# Nothing below ui/ sees ui/, and no edition sees another. Toolkit and system headers
# (<...>) are not checked: core/, plot/ and session/ are built without a toolkit, so they
# cannot include one.
#   scripts/check-layers.sh [TREE]    TREE: the source tree to check (default: this one)
set -euo pipefail
tree=${1:-$(dirname "$0")/..}
cd "$tree"

# What a file's includes may be: an extended regular expression.
model='core/[^/]+'
below_ui='core/.+|plot/.+|session/.+'
allowed_for() {
    case "$1" in
        core/driver/*) echo "core/driver/.+|$model|plot/.+" ;;
        core/cli/*) echo "core/cli/.+|core/number_text\.h" ;;
        core/*) echo "$model" ;;
        plot/*) echo "plot/.+" ;;
        session/*) echo "session/.+|core/.+|plot/.+" ;;
        ui/qt/screen/*) echo "ui/qt/screen/.+" ;;
        ui/qt/widgets/*) echo "ui/qt/(widgets|screen)/.+|$below_ui" ;;
        ui/qt/files/*) echo "ui/qt/files/.+|$below_ui" ;;
        ui/qt/app/*) echo "ui/qt/(app|files|widgets|screen)/.+|$below_ui" ;;
        ui/qt/window/*) echo "ui/qt/(window|files|widgets|screen)/.+|$below_ui" ;;
        ui/qt/main.cpp) echo "ui/qt/.+|$below_ui" ;;
        ui/web/*) echo "ui/web/.+|$below_ui" ;;
        ui/win/*) echo "ui/win/.+|$below_ui" ;;
        *) echo "" ;;
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
done < <(find core plot session ui \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)

[ $status -eq 0 ] && echo "OK: every include stays within its layer"
exit $status
