#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless:
# the tests as built for use, the fuzzer for a bounded time, and the tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer; then the Windows
# build: its zip and installer, proven under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
export QT_QPA_PLATFORM=offscreen

"$root/tools/bootstrap.sh"

echo "== build and test"
"$root/tools/build.sh" default
ctest --preset default

if [[ -x "$root/tools/fuzz.sh" ]]; then
    echo "== fuzz"
    bash "$root/tools/fuzz.sh" "${FUZZ_SECONDS:-60}"
fi

echo "== build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/tools/build.sh" asan
ctest --preset asan

echo "== Windows: the zip and the installer, and the checks under Wine"
"$root/tools/windows-package.sh" --tests
bash "$root/tests/windows/wine-check.sh"
