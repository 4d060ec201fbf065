#!/usr/bin/env bash
# Runs the release editor linked to the unit simulator over TCP on loopback
# (inside a private network namespace) for N minutes and reports its
# resident memory after a 5-minute warm-up and at the end. Not part of CI.
#   scripts/editor-memory.sh [minutes (30)] [warm-up minutes (5)]
# With KRV_MEMORY_WRAP="heaptrack -o FILE" the editor runs under that tool;
# with KRV_MEMORY_XVFB=1 it draws on an X server (Xvfb) instead of offscreen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-30}
warm=${2:-5}
if [ "${KRV_IN_NETNS:-}" != 1 ]; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  build="$root/build/release"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRV_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target krv71-editor unitsim krveditordriver >/dev/null
  exec "$root/scripts/netns.sh" "$0" "$@"
fi
build="$root/build/release"
work=$(mktemp -d)
trap 'kill $editor $sim 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/tools/unitsim/unitsim" --tcp --tcp-port 0 --udp --udp-port 0 --discovery-port 0 >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do grep -q "^udp:" "$work/sim.out" && break; sleep 0.1; done
tcp=$(sed -n 's/^tcp: 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/sim.out")
frame=$(sed -n 's/^udp: frames on port \([0-9]*\).*/\1/p' "$work/sim.out")
mkdir -p "$work/home"
platform=offscreen
wrap=${KRV_MEMORY_WRAP:-}
if [ "${KRV_MEMORY_XVFB:-}" = 1 ]; then
  platform=xcb
  wrap="xvfb-run -a -s '-screen 0 1600x1000x24' $wrap"
fi
HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" QT_QPA_PLATFORM=$platform \
  QT_PLUGIN_PATH="$build/plugins" QT_QPA_GENERIC_PLUGINS=krveditordriver KRV_EDITOR_DRIVER="link" \
  KRV71_NETWORK_ENDPOINTS="unit=127.0.0.1,tcp=$tcp,frame=$frame" \
  eval "$wrap" '"$build/app/krv71-editor"' >"$work/editor.out" 2>&1 &
editor=$!
rss() { # resident KiB of the editor (the wrapped child when a tool wraps it)
  local pid candidate up
  pid=$editor
  for candidate in $(pgrep -x krv71-editor); do
    up=$candidate
    while [ -n "$up" ] && [ "$up" -gt 1 ] && [ "$up" != "$editor" ]; do up=$(ps -o ppid= -p "$up" | tr -d ' '); done
    [ "$up" = "$editor" ] && pid=$candidate
  done
  awk '/^VmRSS/ {print $2}' "/proc/$pid/status"
}
sleep $((warm * 60))
warmKiB=$(rss)
echo "after ${warm} min warm-up: ${warmKiB} KiB"
for ((m = warm + 1; m <= minutes; m++)); do
  sleep 60
  echo "  minute $m: $(rss) KiB"
done
endKiB=$(rss)
echo "after ${minutes} min: ${endKiB} KiB; growth after warm-up: $((endKiB - warmKiB)) KiB"
grep -q "driver: link" "$work/editor.out" || echo "warning: the editor was never linked"
