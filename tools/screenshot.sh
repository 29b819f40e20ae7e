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

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x520x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY=$display "$program" &
app=$!
title="Keldary - Metals Weight Calculator"
for _ in $(seq 100); do
    DISPLAY=$display xwininfo -name "$title" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.5 # let the first paint finish
mkdir -p "$(dirname "$out")"
DISPLAY=$display import -window "$title" "$out"
echo "wrote $out"
