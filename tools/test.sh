#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless,
# stage by stage: the tests as built for use, the fuzzer for a bounded time,
# the tests again under AddressSanitizer and UndefinedBehaviorSanitizer; then
# the Windows build, its zip and installer, proven under Wine. Every stage
# runs whatever failed before it, unless it needs what failed; at the end one
# table gives each stage as passed, failed or left out, with its time.
#
# Usage: tools/test.sh [--with-windows | --windows]
#   (nothing)       every stage; the Windows stages when a Qt for Windows is
#                   at hand (the cache of tools/build-qt-windows.sh, or the
#                   prebuilt copy in ../shared/windows whose checksum matches),
#                   else a line says that they were left out
#   --with-windows  every stage; where no Qt for Windows is at hand, it is
#                   built from source first (about an hour on two cores, once)
#   --windows       the packages and the Windows stages only, Qt for Windows
#                   built first where none is at hand
# Exit status: 0 when every stage that ran passed; 1 when a Linux stage
# failed (bootstrap, build, tests, fuzz, sanitizers), 2 when a Windows stage
# failed (Windows packages, Wine checks), 3 when both did; 64 for a wrong
# argument. Each stage's output is on screen and in build/test-logs/.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
export QT_QPA_PLATFORM=offscreen

windows=auto
case ${1:-} in
    "") ;;
    --with-windows) windows=required ;;
    --windows) windows=only ;;
    *)
        sed -n '/^# Usage:/,/^# argument/s/^# \{0,1\}//p' "${BASH_SOURCE[0]}" >&2
        exit 64
        ;;
esac

logs=$root/build/test-logs
mkdir -p "$logs"
rows=()
linux_failed=0 windows_failed=0
started=$SECONDS

record() { # stage result seconds note
    rows+=("$1"$'\x1f'"$2"$'\x1f'"$3"$'\x1f'"$4")
}

left_out() { # stage why
    echo "== $1: left out, $2"
    record "$1" "left out" "" "$2"
}

# What ctest says in one line: how many passed, and which failed.
ctest_note() { # log
    local total failed
    total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$1" | tail -n 1)
    failed=$(sed -n '/^The following tests FAILED:/,$s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' "$1" | xargs)
    [[ -n $total ]] || return 0
    echo "$((total - $(wc -w <<<"$failed"))) of $total passed${failed:+; failed: $failed}"
}

# Runs one stage, its output on screen and in its log. The note in the table
# is what NOTE (a function given the log) makes of it, and the exit status
# where the stage failed.
stage() { # name note-function command...
    local name=$1 note_of=$2 start=$SECONDS status note log
    shift 2
    log=$logs/${name// /-}.log
    echo "== $name"
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    note=$("$note_of" "$log")
    if ((status == 0)); then
        record "$name" passed $((SECONDS - start)) "$note"
    else
        echo "== $name FAILED (exit $status)"
        record "$name" failed $((SECONDS - start)) "${note:+$note; }exit $status"
    fi
    return "$status"
}

no_note() { :; }
last_line_of() { # pattern log
    grep -E "$1" "$2" | tail -n 1
}
installed_note() {
    local count
    count=$(sed -n 's/^Installing: //p' "$1" | wc -w)
    if ((count > 0)); then echo "installed $count packages of tools/packages.txt"; else echo "nothing to install"; fi
}
fuzz_note() { last_line_of '^fuzz_calculator: ' "$1" | sed 's/^fuzz_calculator: //'; }
packages_note() { last_line_of '^Windows packages: ' "$1" | sed 's/^Windows packages: //; s/; in .*//'; }
wine_note() { last_line_of '^Wine checks: ' "$1" | sed 's/^Wine checks: //; s/; logs in .*//'; }

sanitizers_note() { # the tests' line, or nothing when the build failed
    local note
    note=$(ctest_note "$1")
    echo "${note:-the sanitizer build failed}"
}
sanitizers() {
    bash "$root/tools/build.sh" asan && ctest --preset asan
}

stage bootstrap installed_note bash "$root/tools/bootstrap.sh" || linux_failed=1

if [[ $windows == only ]]; then
    for name in build tests fuzz sanitizers; do
        left_out "$name" "--windows runs the Windows stages only"
    done
else
    if stage build no_note bash "$root/tools/build.sh" default; then
        stage tests ctest_note ctest --preset default || linux_failed=1
    else
        linux_failed=1
        left_out tests "the build failed"
    fi
    # Run through bash: a script that lost its execute bit still runs.
    if [[ -f $root/tools/fuzz.sh ]]; then
        stage fuzz fuzz_note bash "$root/tools/fuzz.sh" "${FUZZ_SECONDS:-60}" || linux_failed=1
    else
        echo "== fuzz FAILED: tools/fuzz.sh is missing"
        record fuzz failed 0 "tools/fuzz.sh is missing"
        linux_failed=1
    fi
    stage sanitizers sanitizers_note sanitizers || linux_failed=1
fi

# Without the option, the Windows stages run only when a Qt for Windows is at
# hand; building one from source is left to the command named below.
windows_hint=
if [[ $windows == auto ]]; then
    at_hand=$(bash "$root/tools/build-qt-windows.sh" --no-build 2>&1 >/dev/null)
    case $? in
        0) ;;
        3)
            why=$(sed -n 's/^build-qt-windows: not built: //p' <<<"$at_hand" | tail -n 1)
            windows_hint="Left out the Windows stages, as no Qt for Windows is at hand ($why); \
'bash tools/test.sh --windows' builds it once (about an hour on two cores) and runs them."
            windows=skip
            ;;
        *)
            echo "$at_hand"
            record "Windows packages" failed 0 "$(tail -n 1 <<<"$at_hand")"
            left_out "Wine checks" "needs the Windows packages"
            windows=failed
            windows_failed=1
            ;;
    esac
fi
if [[ $windows == skip ]]; then
    echo "$windows_hint"
    left_out "Windows packages" "no Qt for Windows at hand"
    left_out "Wine checks" "no Qt for Windows at hand"
elif [[ $windows != failed ]]; then
    if stage "Windows packages" packages_note bash "$root/tools/windows-package.sh" --tests; then
        stage "Wine checks" wine_note bash "$root/tests/windows/wine-check.sh" || windows_failed=1
    else
        windows_failed=1
        left_out "Wine checks" "needs the Windows packages"
    fi
fi

duration() { # seconds
    [[ -n $1 ]] || return 0
    if (($1 >= 60)); then printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); else printf '%d s' "$1"; fi
}
echo
echo "== Summary ($(duration $((SECONDS - started))) in all; logs in $logs)"
printf '%-17s %-9s %12s  %s\n' Stage Result Time Note
for row in "${rows[@]}"; do
    IFS=$'\x1f' read -r name result seconds note <<<"$row"
    printf '%-17s %-9s %12s  %s\n' "$name" "$result" "$(duration "$seconds")" "$note"
done
[[ -z $windows_hint ]] || echo "$windows_hint"
status=$((linux_failed + 2 * windows_failed))
case $status in
    0) echo "Every stage that ran passed." ;;
    1) echo "Exit status 1: a Linux stage failed." ;;
    2) echo "Exit status 2: a Windows stage failed." ;;
    3) echo "Exit status 3: a Linux and a Windows stage failed." ;;
esac
exit "$status"
