#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and opens the calculator window.
# Arguments are handed to the program (Qt's -style, -platform, ... work).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/bootstrap.sh"
"$root/tools/build.sh" default

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "keldary: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run it inside a virtual X server instead:" >&2
    echo "    xvfb-run -a -s '-screen 0 1024x768x24' bash tools/run.sh" >&2
    exit 1
fi
exec "$root/build/default/src/keldary" "$@"
