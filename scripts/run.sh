#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# Let clones in other folders share compiled objects through ccache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target krv71-editor
exec "$build/app/krv71-editor" "$@"
