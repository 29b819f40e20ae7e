#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds fuzz_calculator with clang, libFuzzer, ASan and UBSan in build/fuzz,
# replays the saved reproducers and then fuzzes for a bounded time.
# Usage: tools/fuzz.sh [seconds]        (default: $FUZZ_SECONDS, else 60)
# Exits non-zero when the fuzzer finds a crash or a broken invariant; the
# input that did it is left in build/fuzz/artifacts/.
# Installs nothing: tools/bootstrap.sh installs clang and its runtimes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "fuzz.sh: the time must be a whole number of seconds, not '$seconds'" >&2
    exit 2
fi
build="$root/build/fuzz"
fuzzer="$build/fuzz/fuzz_calculator"

# The libraries need the coverage instrumentation too, or libFuzzer steers
# blind; the fuzzer's main() is linked into the target alone.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKELDARY_BUILD_FUZZ=ON \
    -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build "$build" --target fuzz_calculator -j "${FUZZ_JOBS:-2}"

seeds="$root/fuzz/corpus"
if [[ -z "$(ls -A "$seeds" 2>/dev/null)" ]]; then
    cmake --build "$build" --target make_corpus -j "${FUZZ_JOBS:-2}"
    "$build/fuzz/make_corpus" "$seeds"
fi

# Readable stack traces when the fuzzer stops on a fault: the llvm-symbolizer
# of the clang that built the fuzzer (llvm-14 on Debian 12, llvm-19 on Debian 13).
major=$(clang++ --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
for symbolizer in "/usr/lib/llvm-${major:-none}/bin/llvm-symbolizer" "$(command -v llvm-symbolizer || true)"; do
    if [[ -n $symbolizer && -x $symbolizer ]]; then
        export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$symbolizer}
        break
    fi
done
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen

# Every crash found before must stay fixed.
shopt -s nullglob
regressions=("$root"/fuzz/regressions/*)
shopt -u nullglob
if ((${#regressions[@]} > 0)); then
    echo "Replaying ${#regressions[@]} saved reproducer(s)"
    "$fuzzer" "${regressions[@]}"
fi

# New inputs go to build/fuzz/corpus; the seeds in the repository are only read.
mkdir -p "$build/corpus" "$build/artifacts"
rm -f "$build/artifacts"/*
log="$build/fuzz.log"
status=0
"$fuzzer" "$build/corpus" "$seeds" \
    -dict="$root/fuzz/fuzz_calculator.dict" \
    -max_total_time="$seconds" \
    -max_len=2048 \
    -timeout=10 \
    -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" 2>&1 | tee "$log" || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
echo "fuzz_calculator: ${executions:-?} executions in ${seconds} s (${speed:-?} per second)"
if ((status != 0)); then
    echo "fuzz_calculator FAILED (exit $status); reproducer(s) in $build/artifacts/:" >&2
    ls -1 "$build/artifacts" >&2
    exit "$status"
fi
