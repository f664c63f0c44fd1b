#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, installs it with apt,
# starts the installed program under Xvfb, checks that its window is shown with the
# start page loaded, removes the package and checks that nothing of it is left.
# Exits 77 (skipped) where it cannot install packages: not root, or no apt.
set -euo pipefail

build_dir=${1:?usage: check-package.sh BUILD_DIR}
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "skipped: installing a package needs root and apt"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; dpkg -s kelvaro-courseware >/dev/null 2>&1 && apt-get remove -y -q --purge kelvaro-courseware >/dev/null 2>&1 || true' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
package=$(ls "$work"/*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
dpkg -L kelvaro-courseware > "$work/files"

desktop-file-validate /usr/share/applications/example.kelvaro.Courseware.desktop
appstreamcli validate --no-net /usr/share/metainfo/example.kelvaro.Courseware.metainfo.xml >/dev/null

# The engine's own debugging endpoint tells which page the installed program shows.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    kelvaro-courseware >/dev/null 2>&1 & program=$!
    result=1
    for attempt in $(seq 1 60); do
        sleep 0.5
        if xwininfo -root -tree | grep -q "2015教师资格考试《综合素质(幼儿园)》" &&
           python3 - "$1" <<"PY"
import json, sys, urllib.request
pages = json.load(urllib.request.urlopen("http://127.0.0.1:%s/json" % sys.argv[1], timeout=2))
shown = [p for p in pages if p.get("url") == "file:///opt/kelvaro-courseware/data/%E8%AF%BE%E7%A8%8B%E8%B5%84%E6%96%99.htm"]
sys.exit(0 if shown and shown[0].get("title") == "课程资料" else 1)
PY
        then result=0; break; fi
    done
    kill "$program"; wait "$program" 2>/dev/null || true
    exit $result
' _ "$port" || { echo "the installed program did not show its window and start page"; exit 1; }

apt-get remove -y -q --purge kelvaro-courseware >/dev/null
left=0
while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then echo "left behind: $path"; left=1; fi
done < "$work/files"
[ -d /opt/kelvaro-courseware ] && { echo "left behind: /opt/kelvaro-courseware"; left=1; }
[ $left -eq 0 ] && echo "package installs, runs and removes cleanly"
exit $left
