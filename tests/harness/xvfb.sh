#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one way the tests and scripts start a private X server: Xvfb on a free
# display it picks itself, 24-bit colour, no TCP. -noreset: without it the
# server resets when its last client leaves, and a program connecting just
# then fails; what clients leave on the root window stays, as in a desktop
# session (the GTK theme caches its visual probe there).
#
# Run it:    xvfb.sh [WIDTHxHEIGHT]   the server in the foreground (it becomes
#            this process), its display number the first line of its output.
# Source it: start_xvfb [WIDTHxHEIGHT] starts the server in the background,
#            exports DISPLAY and sets xvfb_pid; its messages go to the caller's
#            standard error.
# The default size is 1024x768.

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    exec Xvfb -displayfd 1 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp
fi

xvfb_harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/xvfb.sh

start_xvfb() { # [WIDTHxHEIGHT]
    local number=
    read -r number < <(exec bash "$xvfb_harness" "$@")
    xvfb_pid=$!
    if [[ -z $number ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    DISPLAY=:$number
    export DISPLAY
}
