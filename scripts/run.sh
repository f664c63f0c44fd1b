#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
# Without a display it runs under Xvfb for a few seconds and saves a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_project
allow_engine_as_root
program="$build_dir/bin/courseware"

if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot="$build_dir/screenshot.png"
seconds=${SCREENSHOT_DELAY:-8}
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & program_pid=$!
    sleep "$2"
    import -window root "$3"
    kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
' _ "$program" "$seconds" "$screenshot"
echo "Screenshot: $screenshot"
