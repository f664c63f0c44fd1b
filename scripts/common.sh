#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$project_root/build" # the presets' build folder

# Everything a fresh Debian 12 machine lacks to build, run and test the program.
required_packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-declarative-dev qt6-svg-dev
    libgl1-mesa-dri xvfb xauth x11-utils imagemagick
    fonts-noto-cjk fonts-dejavu-core
    dpkg-dev desktop-file-utils appstream python3
)

install_missing_packages() {
    local missing=()
    for package in "${required_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_project() {
    (cd "$project_root" && cmake --preset default >/dev/null && cmake --build --preset default --parallel "$(nproc)")
}

# The engine's sandbox cannot run as root; the program itself never switches it off.
allow_engine_as_root() {
    [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
}
