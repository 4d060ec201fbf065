#!/usr/bin/env bash
# Builds the Release benchmarks in build/bench and runs the response-curve
# benchmarks of bench_dsp and SciPy's evaluation of the same curves
# (tools/dspref/bench_sosfreqz.py) straight after one another, so their
# ratios come from one run on a shared machine. Installs the packages of
# scripts/packages.txt and scripts/packages-bench.txt that are missing; SciPy
# is needed here only, never by the build or the tests.
#   scripts/bench.sh [extra bench_dsp arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/setup.sh" "$root/scripts/packages-bench.txt"

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
dir="$root/build/bench"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKRV_BUILD_TESTS=OFF -DKRV_BUILD_BENCH=ON >/dev/null
nice -n 5 cmake --build "$dir" -j "${KJOBS:-3}" --target bench_dsp

csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
echo "== bench_dsp (load average: $(cut -d' ' -f1-3 /proc/loadavg))"
"$dir/dsp/bench_dsp" \
  --benchmark_filter='BM_BiquadCurve|BM_NineBandEqualiser|BM_DesignedFirCurve/1024|BM_FullRefresh' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$csv" --benchmark_out_format=csv "$@"
# Debian's SciPy belongs to Debian's interpreter, whichever python3 is first on PATH.
echo "== SciPy (load average: $(cut -d' ' -f1-3 /proc/loadavg))"
scipy=$(/usr/bin/python3 "$root/tools/dspref/bench_sosfreqz.py")
echo "$scipy"

median_us() { # <benchmark>: its median in microseconds
  awk -F, -v name="\"$1_median\"" '$1 == name {
    unit = $5; gsub(/"/, "", unit)
    print $3 * (unit == "ms" ? 1000 : unit == "ns" ? 0.001 : 1) }' "$csv"
}
scipy_us() { # <start of SciPy's line>
  echo "$scipy" | awk -v key="$1" 'index($0, key) == 1 { print $(NF - 1) }'
}
echo "== SciPy's time over bench_dsp's, same run"
for pair in "BM_BiquadCurve:one peaking section" "BM_NineBandEqualiser:nine-band" \
            "BM_DesignedFirCurve/1024:designed FIR"; do
  awk -v name="${pair%%:*}" -v ours="$(median_us "${pair%%:*}")" -v theirs="$(scipy_us "${pair#*:}")" \
    'BEGIN { printf "%-26s %6.1fx\n", name, theirs / ours }'
done
