#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculation and Calculate-click benchmarks in a release tree of its own and prints
# its figures. Extra arguments go to the benchmark, e.g.
#   bench/run-calc-bench.sh --benchmark_filter=CalculateWeight
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DKELDARY_BUILD_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target bench_calc bench_click
"$build/bench/bench_calc" --benchmark_min_time=0.5 "$@"
"$build/bench/bench_click" --benchmark_min_time=0.5 "$@"
