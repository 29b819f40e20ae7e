#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, proven under Wine: a private X server, a fresh private
# Wine prefix and a private CUPS server, then the steps in the table below,
# each reported as ok or FAIL, and a closing "N passed, N failed".
# Run tools/windows-package.sh --tests first; the files are read from
# build/windows. Naming steps runs only those (name the steps they need too).
# Needs root for cups-pdf's per-queue settings in /etc/cups.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/windows
qt=$("$root/tools/build-qt-windows.sh" | tail -n 1)
setup=$(ls "$build"/packages/keldary-*-setup-x64.exe)
stage=$(ls -d "$build"/packages/keldary-*-windows-x64)
out=$build/wine-check
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d /tmp/keldary-wine.XXXXXX)
chmod 755 "$work"

caption="Keldary - Metals Weight Calculator"
program='C:\Program Files\Keldary\keldary.exe'
uninstaller='C:\Program Files\Keldary\uninstall.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KeldaryWeightCalculator'
queue=keldary-wine-$$

# Step | what it proves
steps=(
    "prefix|a fresh Wine prefix, with Liberation Sans for MS Sans Serif and Arial"
    "unit_tests|the Qt Test executables pass under Wine"
    "install|the installer installs silently, with its shortcut and its entry in the installed programs"
    "start|the installed program starts with its caption and a 460 x 456 client area"
    "loads_package|the program loads every DLL and plugin of the package"
    "round_bar|the round-bar example typed into the window shows 427.664"
    "pdf_offer|without a printer, Print Results offers the report as a PDF file and writes it"
    "print|with a cups-pdf queue, Print Results puts the report's lines into it"
    "uninstall|the uninstaller leaves no program files, shortcut or entry behind"
)
# The Qt Test programs are those the build lists in test-programs.txt, each
# run whole: a test function that cannot run on Windows skips itself and says
# why, and the log lists those reasons.
programs=$build/test-programs.txt

log() { echo "   $*" >>"$out/log.txt"; }
wine_run() { wine "$@" >>"$out/wine.log" 2>&1; }
window() { xdotool search --name "^$caption\$" 2>/dev/null | head -n 1; }
click() { # x y in the window's client area
    xdotool mousemove --window "$(window)" "$1" "$2" click 1
    sleep 0.5
}

cleanup() {
    [[ -n ${WINEPREFIX:-} ]] && wineserver -k 2>/dev/null
    [[ -n ${cupsd_pid:-} ]] && kill "$cupsd_pid" 2>/dev/null
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null
    rm -f "/etc/cups/cups-pdf-$queue.conf"
    rm -rf "$work"
}
trap cleanup EXIT

start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$out/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}

# A CUPS server of the check's own on a socket here, at first without
# printers; add_queue adds a portrait cups-pdf queue as the default. Wine's
# printing goes to it through CUPS_SERVER.
start_cups() {
    mkdir -p "$work"/cups/{spool,tmp,cache,state,log,pdf}
    chmod 1777 "$work/cups/tmp" "$work/cups/pdf"
    chmod 755 "$work/cups"
    cat >"$work/cups/cupsd.conf" <<CONF
Listen $work/cups/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$work/cups/cups-files.conf" <<CONF
ServerRoot $work/cups
RequestRoot $work/cups/spool
TempDir $work/cups/tmp
CacheDir $work/cups/cache
StateDir $work/cups/state
ErrorLog $work/cups/log/error_log
AccessLog $work/cups/log/access_log
PageLog $work/cups/log/page_log
CONF
    export CUPS_SERVER=$work/cups/cups.sock CUPS_SERVERROOT=$work/cups
    /usr/sbin/cupsd -f -c "$work/cups/cupsd.conf" -s "$work/cups/cups-files.conf" >"$out/cupsd.log" 2>&1 &
    cupsd_pid=$!
    for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

add_queue() {
    printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$work/cups/pdf" "$work/cups/pdf" >"/etc/cups/cups-pdf-$queue.conf"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -o orientation-requested-default=3 &&
        lpadmin -d "$queue"
}

step_prefix() {
    export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine_run wineboot -i || return 1
    local font
    for font in "MS Sans Serif" "Microsoft Sans Serif" "Arial"; do
        wine_run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "Liberation Sans" /f || return 1
    done
    wineserver -w
}

step_unit_tests() {
    local program name failed=0 count=0
    local gcc_runtime
    gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    [[ -s $programs ]] || { log "no $programs"; return 1; }
    while read -r program; do
        name=$(basename "$program" .exe)
        count=$((count + 1))
        if WINEPATH="$qt/bin;$gcc_runtime;/usr/x86_64-w64-mingw32/lib" \
            timeout 600 wine "$program" -o "$out/$name.txt,txt" >>"$out/wine.log" 2>&1 </dev/null; then
            log "$(grep '^Totals' "$out/$name.txt") ($name)"
        else
            failed=1
            log "$name failed:"
            grep -E '^(FAIL|   |Totals)' "$out/$name.txt" >>"$out/log.txt" 2>/dev/null
        fi
        grep '^SKIP' "$out/$name.txt" | sed 's/^/     /' >>"$out/log.txt"
    done <"$programs"
    log "$count test programs"
    return $failed
}

step_install() {
    wine_run "$setup" /S && wineserver -w
    local dir=$WINEPREFIX/drive_c/Program\ Files/Keldary
    [[ -f $dir/keldary.exe && -f $dir/uninstall.exe ]] || return 1
    [[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Keldary Metals Weight Calculator.lnk" ]] ||
        return 1
    wine reg query "$uninstall_key" >"$out/uninstall-key.txt" 2>/dev/null || return 1
    local value
    for value in DisplayName Publisher DisplayVersion EstimatedSize DisplayIcon UninstallString QuietUninstallString; do
        grep -q "^ *$value " "$out/uninstall-key.txt" || { log "no $value in the installed programs"; return 1; }
    done
    cat "$out/uninstall-key.txt" >>"$out/log.txt"
}

start_program() {
    WINEDEBUG=+loaddll wine "$program" >"$out/program.log" 2>&1 &
    program_pid=$!
    local id
    for _ in $(seq 300); do id=$(window); [[ -n $id ]] && break; sleep 0.1; done
    [[ -n $id ]] && sleep 2
}

# Alt+E (Exit); a program that does not end, say behind a dialog, is ended.
close_program() {
    xdotool key --window "$(window)" alt+e
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || return 0
        sleep 0.1
    done
    log "the program did not end on Alt+E"
    wineserver -k
    return 1
}

# Waits for a file to appear and to be written out.
wait_for_file() { # pattern in a folder
    local file
    for _ in $(seq 300); do
        file=$(find "$1" -name "$2" -size +0 2>/dev/null | head -n 1)
        [[ -n $file ]] && break
        sleep 0.1
    done
    [[ -n $file ]] && sleep 1 && echo "$file"
}

step_start() {
    start_program || return 1
    local size
    size=$(xwininfo -id "$(window)" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
    log "client area $size"
    [[ $size == 460x456 ]]
}

step_loads_package() {
    grep -o 'Loaded L"C:\\\\Program Files\\\\Keldary\\\\[^"]*' "$out/program.log" |
        sed 's/^.*Keldary\\\\//; s/\\\\/\//g' | tr '[:upper:]' '[:lower:]' | sort -u >"$work/loaded"
    (cd "$stage" && find . -name '*.dll' -printf '%P\n') | tr '[:upper:]' '[:lower:]' | sort >"$work/packed"
    log "packed but not loaded: $(comm -13 "$work/loaded" "$work/packed" | xargs)"
    [[ -s $work/loaded && -z $(comm -13 "$work/loaded" "$work/packed") ]]
}

# Round Bar, 2 in, 10 ft, 4 pieces, by the controls' places in the window.
type_round_bar() {
    click 348 42 && xdotool type --delay 50 "Round Bar" && xdotool key Return   # Form
    click 116 114 && xdotool type 2                                            # Diameter
    click 116 146 && xdotool type 10                                           # Length
    click 200 146 && xdotool type ft && xdotool key Return                     # its unit
    click 404 114 && xdotool key ctrl+a && xdotool type 4                      # Number of Pieces
    click 304 252                                                              # Calculate
}

step_round_bar() {
    type_round_bar
    local geometry
    geometry=$(xwininfo -id "$(window)" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
    import -window root -crop "$geometry" +repage "$out/window.png"
    click 348 202 && xdotool key ctrl+a ctrl+c                                 # the result box
    sleep 0.5
    local result
    result=$(xclip -o -selection clipboard 2>/dev/null)
    log "result box: $result"
    [[ $result == 427.664 ]]
}

# The report's lines as the PDF holds them; true when the stored result is there.
report_holds_result() { # pdf
    pdftotext -layout "$1" - >"$out/$(basename "$1").txt"
    cat "$out/$(basename "$1").txt" >>"$out/log.txt"
    grep -q 'Round Bar.*Total Weight: 427.664' "$out/$(basename "$1").txt"
}

step_pdf_offer() {
    click 48 332   # Store Result
    click 248 332  # Print Results
    timeout 30 xdotool search --sync --name '^Print Results$' >/dev/null && sleep 0.5 && xdotool key Return
    timeout 30 xdotool search --sync --name '^Save Report as PDF$' >/dev/null && sleep 1
    # The file name box has the suggested name; it gets the whole path instead.
    xdotool key End shift+Home && xdotool type "Z:${work//\//\\}\\offer.pdf" && xdotool key Return
    local pdf
    pdf=$(wait_for_file "$work" offer.pdf) || { import -window root "$out/pdf-offer.png"; return 1; }
    report_holds_result "$pdf"
}

step_print() {
    # Wine reads the printer list once per process: the program starts anew.
    close_program || log "(after the step before)"
    add_queue || return 1
    start_program || return 1
    type_round_bar
    click 48 332   # Store Result
    click 248 332  # Print Results
    local pdf
    pdf=$(wait_for_file "$work/cups/pdf" '*.pdf') || {
        import -window root "$out/print.png"
        lpstat -W all -o >>"$out/log.txt" 2>&1
        return 1
    }
    report_holds_result "$pdf"
}

step_uninstall() {
    close_program
    wine_run "$uninstaller" /S
    wineserver -w
    local left
    left=$(find "$WINEPREFIX/drive_c/Program Files/Keldary" 2>/dev/null)
    [[ -z $left ]] || { log "left behind: $left"; return 1; }
    [[ -z $(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu" -name 'Keldary*') ]] || return 1
    ! wine reg query "$uninstall_key" >/dev/null 2>&1
}

exec 2>>"$out/stderr.log"
start_x
start_cups || echo "the private CUPS server did not start" >>"$out/log.txt"
passed=0 failed=0
for row in "${steps[@]}"; do
    name=${row%%|*}
    if (($# > 0)) && [[ " $* " != *" $name "* ]]; then
        continue
    fi
    echo "-- $name" >>"$out/log.txt"
    if "step_$name"; then
        echo "ok   - ${row#*|}"
        passed=$((passed + 1))
    else
        echo "FAIL - ${row#*|}"
        sed 's/^/     /' "$out/log.txt" | awk -v n="-- $name" '$0 ~ n { on = 1; next } /^     -- / { on = 0 } on' | tail -n 30
        failed=$((failed + 1))
    fi
done
echo "Wine checks: $passed passed, $failed failed (logs in $out)"
((failed == 0))
