#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one way the tests and scripts start a private X server: Xvfb on a free
# display it picks itself, 24-bit colour, no TCP.
#
# Run it:    xvfb.sh [WIDTHxHEIGHT [OPTION...]]   the server in the foreground
#            (it becomes this process), its display number the first line of
#            its output.
# Source it: start_xvfb [WIDTHxHEIGHT [OPTION...]]   the server in the
#            background: exports DISPLAY and sets xvfb_pid; its messages go to
#            the caller's standard error.
# The default size is 1024x768. The options are Xvfb's, such as -noreset: the
# server then keeps its state when its last client leaves (by default it
# resets, the pointer back at the centre, the focus following the pointer).

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    exec Xvfb -displayfd 1 -screen 0 "${1:-1024x768}x24" -nolisten tcp "${@:2}"
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
