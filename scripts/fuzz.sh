#!/usr/bin/env bash
# fuzz.sh [seconds per target] [targets...]
# Builds every fuzz target of fuzz/ with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer (build/fuzz), runs each in turn for the
# given time (default 600 s) with FUZZ_JOBS processes in libFuzzer's fork
# mode (default 4; exec/s below is theirs together), FUZZ_PARALLEL targets at
# a time (default 1), an RSS limit of 2 GB and 2 s per input, then prints one
# line per target. A process that finds something is replaced, so every
# target is fuzzed the whole time. fuzz/<target>.options adds flags that
# replace these (main_window_open: 30 s per input, as each opened file
# refreshes the whole window). Fork mode gives its n-th job n seconds, fewer
# than building the main window takes under the sanitizers: that target
# adds its start-up time to each job's (LLVMFuzzerInitialize), and its
# first status line comes only when its first job has ended.
# The growing corpus stays in build/fuzz/corpus/<target>; the seeds in
# fuzz/corpus/<target> are read, never written. Inputs that crash, hang,
# run out of memory or leak land in build/fuzz/findings/<target>/ (those of
# the last run only): fix the fault, then copy the input to
# fuzz/regressions/<target>/ so CI replays it.
# Not run by CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
jobs=${FUZZ_JOBS:-4}
build="$root/build/fuzz"
"$root/scripts/setup.sh"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
CC=${FUZZ_CC:-clang} CXX=${FUZZ_CXX:-clang++} cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DKRV_SANITIZE="address,undefined" -DKRV_FUZZ=ON \
  -DKRV_BUILD_TESTS=OFF -DKRV_BUILD_BENCH=OFF >/dev/null
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(sed -n 's/^krv_add_fuzz_target(\([a-z_0-9]*\).*/\1/p' "$root/fuzz/Targets.cmake")
fi
cmake --build "$build" -j "${FUZZ_BUILD_JOBS:-$(nproc)}" --target "${targets[@]/#/fuzz_}"

# A smaller quarantine, and freed memory kept rather than returned to the
# system: recycling the default 256 MB and returning it stalled processes for
# seconds on a loaded machine, which showed as false hangs.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:strict_string_checks=1:quarantine_size_mb=64:allocator_release_to_os_interval_ms=-1"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

count() { # <folder> <artifact prefix>
  find "$1" -maxdepth 1 -name "$2-*" 2>/dev/null | wc -l
}

fuzz_one() { # <target>: fuzzes it and writes its result line to $build/results/<target>
  local target=$1
  local corpus="$build/corpus/$target"
  local findings="$build/findings/$target"
  local log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")" "$build/results"
  local seeds=()
  [ -d "$root/fuzz/corpus/$target" ] && seeds+=("$root/fuzz/corpus/$target")
  [ -d "$root/fuzz/regressions/$target" ] && seeds+=("$root/fuzz/regressions/$target")
  # fuzz/<target>.options: extra libFuzzer flags, after the ones above so
  # that they take their place (whole-file formats of a fixed size, a
  # longer time per input).
  local extra=()
  [ -f "$root/fuzz/$target.options" ] && read -r -a extra <"$root/fuzz/$target.options"
  echo "fuzzing $target for $seconds s with $jobs processes ..." >&2
  rm -f "$findings"/{crash,timeout,oom,leak,slow-unit}-*
  (cd "$findings" && "$build/fuzz/fuzz_$target" -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
     -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=2 -artifact_prefix="$findings/" "${extra[@]}" \
     "$corpus" "${seeds[@]}") >"$log" 2>&1 || true
  # The fork mode's last status line: "#<runs>: cov: <edges> ft: ... exec/s <rate> ...".
  local last runs cov
  last=$(grep -E '^#[0-9]+: cov:' "$log" | tail -1 || true)
  runs=$(sed -nE 's/^#([0-9]+):.*/\1/p' <<<"$last")
  cov=$(sed -nE 's/.* cov: ([0-9]+) .*/\1/p' <<<"$last")
  runs=${runs:-0}
  printf '%-18s %12s %8s %8s %7s %6s %5s %6s\n' "$target" "$runs" "$((runs / seconds))" "${cov:-0}" \
    "$(count "$findings" crash)" "$(count "$findings" timeout)" "$(count "$findings" oom)" "$(count "$findings" leak)" \
    >"$build/results/$target"
}

parallel=${FUZZ_PARALLEL:-1}
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
    wait -n || true
  done
  fuzz_one "$target" &
done
wait

printf '%-18s %12s %8s %8s %7s %6s %5s %6s\n' target executions exec/s coverage crashes hangs OOM leaks
for target in "${targets[@]}"; do
  cat "$build/results/$target"
done
