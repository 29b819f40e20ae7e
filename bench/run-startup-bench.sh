#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: time from launch until the window is viewable, and the
# peak RSS up to that moment, for the calculator against a bare Qt Widgets
# window, both on a private Xvfb display.
#
#   bench/run-startup-bench.sh [KELDARY_BINARY]
#
# Without an argument it builds the calculator in build/startup (Release).
# RUNS (default 15) and WARMUP (default 3) set the number of runs per program.
# Every run goes through bench/startup/mapwatch, which starts the program,
# waits for the MapNotify of its top-level window, then kills it; the peak RSS
# comes from /usr/bin/time around that, so both programs are cut off at the
# same point. The programs take turns run by run, so that a change in the
# machine's load hits all of them alike. Besides the calculator and the bare
# window there is the bare window with QApplication::setDesktopSettingsAware
# (false), to show what the desktop's platform theme costs. The whole round is
# made twice: with no desktop named, and with XDG_CURRENT_DESKTOP=GNOME, where
# Qt loads the GTK 3 platform theme (package qt6-gtk-platformtheme) if it is
# installed.
#
# Targets, with no desktop named: calculator median time <= 1.6 x and peak RSS
# <= 1.35 x the bare window's. The script reports them; it fails only when a
# run fails. Other builds on the machine skew the figures: run it when the
# machine is idle.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/startup"
runs=${RUNS:-15}
warmup=${WARMUP:-3}
title="Keldary - Metals Weight Calculator"

if (($# > 0)); then
    keldary=$(realpath "$1")
else
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target keldary -j2 >/dev/null
    keldary="$build/src/keldary"
fi
cmake -S "$root/bench/startup" -B "$build/bench-startup" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/bench-startup" -j2 >/dev/null
mapwatch="$build/bench-startup/mapwatch"
bare="$build/bench-startup/barewindow"

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# The tests' X server (tests/harness/xvfb.sh). -noreset keeps what clients
# leave on the root window between runs, as a desktop session does: the GTK 3
# theme caches its GL visual probe there (GDK_VISUALS), and only the first GTK
# client on a display pays for the probe.
. "$root/tests/harness/xvfb.sh"
start_xvfb 1280x1024 -noreset 2>"$scratch/xvfb.log" || { cat "$scratch/xvfb.log" >&2; exit 1; }

# A clean, identical environment for both programs; only the desktop differs.
mkdir -m 700 "$scratch/runtime"
clean_env=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u XDG_SESSION_DESKTOP
           -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR
           -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS
           DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb
           XDG_RUNTIME_DIR="$scratch/runtime")

# run_once LOGFILE [VAR=VALUE...] -- [mapwatch options] -- PROGRAM...
# Appends "milliseconds peak-RSS-KiB" to LOGFILE.
run_once() {
    local log=$1; shift
    local vars=()
    while [[ $1 != -- ]]; do vars+=("$1"); shift; done
    shift
    local ms
    ms=$("${clean_env[@]}" "${vars[@]}" /usr/bin/time -f %M -o "$scratch/rss" \
        "$mapwatch" -t 30 "$@" | cut -d' ' -f1)
    echo "$ms $(tail -n1 "$scratch/rss")" >>"$log"
}

median() { # column of LOGFILE
    sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}

# compare NAME [VAR=VALUE...]: the calculator against the bare window, and
# against the bare window opted out of desktop settings for reference.
compare() {
    local name=$1; shift
    local logs="$scratch/$name"
    mkdir -p "$logs"
    for ((i = 0; i < warmup + runs; i++)); do
        local dest=$logs
        ((i < warmup)) && dest="$scratch/warmup" && mkdir -p "$dest"
        run_once "$dest/bare" "$@" -- -- "$bare"
        run_once "$dest/keldary" "$@" -- -n "$title" -- "$keldary"
        run_once "$dest/bare-unaware" "$@" -- -- "$bare" --no-desktop-settings
    done
    local first_bare
    first_bare=$(head -n1 "$scratch/warmup/bare")
    rm -rf "$scratch/warmup"

    local bare_ms bare_kb k_ms k_kb u_ms u_kb
    bare_ms=$(median "$logs/bare" 1); bare_kb=$(median "$logs/bare" 2)
    k_ms=$(median "$logs/keldary" 1); k_kb=$(median "$logs/keldary" 2)
    u_ms=$(median "$logs/bare-unaware" 1); u_kb=$(median "$logs/bare-unaware" 2)
    echo
    echo "== $name ($runs runs each after $warmup warm-up, medians)"
    awk -v bm="$bare_ms" -v bk="$bare_kb" -v km="$k_ms" -v kk="$k_kb" -v um="$u_ms" -v uk="$u_kb" 'BEGIN {
        printf "%-34s %10s %14s\n", "program", "to map ms", "peak RSS MiB"
        printf "%-34s %10.1f %14.1f\n", "bare window", bm, bk / 1024
        printf "%-34s %10.1f %14.1f\n", "bare window, no desktop settings", um, uk / 1024
        printf "%-34s %10.1f %14.1f\n", "keldary", km, kk / 1024
        printf "ratio keldary / bare:  time %.2f (target <= 1.60, %s)  RSS %.2f (target <= 1.35, %s)\n",
            km / bm, (km / bm <= 1.6 ? "met" : "MISSED"), kk / bk, (kk / bk <= 1.35 ? "met" : "MISSED")
    }'
    echo "first run of the bare window on this display: ${first_bare% *} ms, $(( ${first_bare#* } / 1024 )) MiB"
}

echo "keldary: $keldary"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
compare plain
compare gnome XDG_CURRENT_DESKTOP=GNOME
if dpkg-query -W -f='${Status}' qt6-gtk-platformtheme 2>/dev/null | grep -q 'ok installed'; then
    echo "(qt6-gtk-platformtheme is installed: the GNOME runs load the GTK 3 theme;"
    echo " GL visuals cached on the display: $("${clean_env[@]}" xprop -root GDK_VISUALS 2>&1 | sed 's/.*= //'))"
else
    echo "(qt6-gtk-platformtheme is NOT installed: the GNOME runs fall back to Qt's own GNOME theme)"
fi

# Cross-check with hyperfine: whole runs of mapwatch (launch, map, kill, reap).
if command -v hyperfine >/dev/null; then
    echo
    echo "== hyperfine cross-check, no desktop (includes killing and reaping)"
    "${clean_env[@]}" hyperfine -N --style basic --warmup "$warmup" --runs "$runs" \
        "$mapwatch -t 30 -- $bare" "$mapwatch -t 30 -- $keldary" 2>&1 | grep -Ev '^\s*$'
fi
echo
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
