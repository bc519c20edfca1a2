#!/usr/bin/env bash
# scripts/check-layers.sh on small trees of one file each: which includes a layer may have.
set -euo pipefail
check=$(dirname "$0")/../../scripts/check-layers.sh
failures=0
# file | include | expected (pass or fail)
while IFS='|' read -r file include expected; do
    tree=$(mktemp -d)
    mkdir -p "$tree"/{core,plot,session,ui} "$tree/$(dirname "$file")"
    printf '#include <vector>\n#include "%s"\n' "$include" > "$tree/$file"
    if "$check" "$tree" >/dev/null; then got=pass; else got=fail; fi
    rm -rf "$tree"
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $file including $include: expected $expected, got $got"
        failures=$((failures + 1))
    fi
done <<'CASES'
core/competition_model.cpp|core/uniform_random.h|pass
core/competition_model.cpp|plot/plot_surface.h|fail
core/competition_model.cpp|core/driver/run_driver.h|fail
core/competition_model.cpp|ui/widgets/fonts.h|fail
plot/phase_plot.cpp|core/competition_model.h|fail
core/driver/run_driver.cpp|plot/phase_plot.h|pass
core/driver/run_driver.cpp|core/competition_model.h|pass
core/driver/run_driver.cpp|core/cli/command_line.h|fail
core/cli/command_line.cpp|core/competition_model.h|fail
session/png_file.cpp|plot/raster_surface.h|pass
session/png_file.cpp|ui/qt/widgets/fonts.h|fail
core/driver/run_driver.cpp|session/png_file.h|fail
ui/qt/screen/paced_screen.cpp|ui/qt/widgets/fonts.h|fail
ui/qt/widgets/number_box.cpp|ui/qt/screen/paced_screen.h|pass
ui/qt/widgets/number_box.cpp|session/png_file.h|pass
ui/qt/widgets/number_box.cpp|ui/qt/window/tform1.h|fail
ui/qt/widgets/number_box.cpp|ui/qt/app/application.h|fail
ui/qt/app/batch_run.cpp|ui/qt/window/plot_menu.h|fail
ui/qt/app/main.cpp|ui/qt/window/tform1.h|fail
ui/qt/main.cpp|ui/qt/window/tform1.h|pass
ui/qt/main.cpp|ui/qt/app/application.h|pass
ui/qt/window/tform1.cpp|ui/qt/app/application.h|fail
ui/qt/window/tform1.cpp|ui/qt/widgets/handler_errors.h|pass
ui/qt/window/plot_menu.cpp|ui/qt/files/export_files.h|pass
ui/qt/files/export_files.cpp|ui/qt/app/application.h|fail
ui/web/page.cpp|session/png_file.h|pass
ui/web/page.cpp|ui/qt/widgets/fonts.h|fail
ui/win/form.cpp|ui/web/page.h|fail
ui/win/form.cpp|core/driver/run_driver.h|pass
CASES
[ $failures -eq 0 ] && echo "OK: the layer check passes and fails where it should"
exit $failures
