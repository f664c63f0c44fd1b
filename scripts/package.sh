#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package in build/package/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_project
cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir/package"
