#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Xvfb.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_project
allow_engine_as_root
cd "$project_root"
xvfb-run -a -s "-screen 0 1280x800x24" ctest --preset default "$@"
