#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's picture of the window from the real program, built by
# tools/build.sh, on a private virtual X server: docs/window.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs/window.png}
program=$root/build/default/src/keldary
[[ -x $program ]] || "$root/tools/build.sh" default

. "$root/tests/harness/xvfb.sh"
start_xvfb 640x520 2>/dev/null
trap 'kill "${app:-}" "$xvfb_pid" 2>/dev/null || true' EXIT

"$program" &
app=$!
title="Keldary - Metals Weight Calculator"
for _ in $(seq 100); do
    xwininfo -name "$title" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.5 # let the first paint finish
mkdir -p "$(dirname "$out")"
import -window "$title" "$out"
echo "wrote $out"
