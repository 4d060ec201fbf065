#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test; then runs the threaded link
# and HID tests and the OPC binding's tests again under ThreadSanitizer. Tests run in a private network
# namespace in which only loopback exists.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# Let clones in other folders share compiled objects through ccache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

jobs=$(nproc)
# Allocation stacks of eight frames and a 16 MiB quarantine: the window code
# allocates heavily, and the default 30-frame stacks and 256 MiB quarantine
# made a test building the main window three times slower, the page faults of
# the quarantine a third of its time.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:malloc_context_size=8:quarantine_size_mb=16"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="suppressions=$root/tests/support/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

configure_and_build() { # <dir> <sanitizers> [targets...]
  local dir=$1 san=$2
  shift 2
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
        -DKRV_SANITIZE="$san" -DKRV_BUILD_TESTS=ON -DKRV_BUILD_BENCH=OFF >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$dir" -j "$jobs" --target "$@"
  else
    cmake --build "$dir" -j "$jobs"
  fi
}

# Twice as many tests as processors: the link tests spend most of their time
# waiting out the unit's time-outs, asleep.
confined_ctest() { # <dir> [ctest args...]
  "$root/scripts/netns.sh" ctest --test-dir "$@" --output-on-failure --timeout 300 -j "$((jobs * 2))"
}

configure_and_build "$root/build/test" "address,undefined"
confined_ctest "$root/build/test"

threaded=$(cd "$root/build/test" && ninja -t targets all 2>/dev/null | grep -oE '^test_(link|hid|plot_opc):' | tr -d : || true)
if [ -n "$threaded" ]; then
  configure_and_build "$root/build/tsan" "thread" $threaded
  confined_ctest "$root/build/tsan" -L '^(link|hid|plot_opc)$'
fi
