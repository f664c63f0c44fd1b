#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks under Xvfb: start-up,
# click to page and memory against a bare web view, and the content-pane filter.
# Arguments: [ROUNDS] [SOAK_LOADS]; figures also go to build/benchmarks.json.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_project
allow_engine_as_root
xvfb-run -a -s "-screen 0 1280x800x24" \
    python3 "$project_root/benchmarks/run_benchmarks.py" "$build_dir/bin" "$build_dir/benchmarks.json" "$@"
