#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, proven under Wine: a private X server, a fresh private
# Wine prefix and a private CUPS server, then the steps in the table below,
# each reported as ok or FAIL, and a closing "Wine checks: N passed, N failed"
# that names the failed steps.
# Run tools/windows-package.sh --tests first; the files are read from
# build/windows. Naming steps runs only those (name the steps they need too).
# Needs root for cups-pdf's per-queue settings in /etc/cups.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/windows
qt=$("$root/tools/build-qt-windows.sh" --no-build | tail -n 1) || {
    echo "Wine checks: not run, no Qt for Windows at hand (tools/windows-package.sh --tests first)"
    exit 1
}
setup=$(ls "$build"/packages/keldary-*-setup-x64.exe 2>/dev/null)
stage=$(ls -d "$build"/packages/keldary-*-windows-x64 2>/dev/null)
if [[ -z $setup || -z $stage ]]; then
    echo "Wine checks: not run, no packages in $build/packages (tools/windows-package.sh --tests first)"
    exit 1
fi
out=$build/wine-check
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d /tmp/keldary-wine.XXXXXX)
chmod 755 "$work"

caption="Keldary - Metals Weight Calculator"
program='C:\Program Files\Keldary\keldary.exe'
uninstaller='C:\Program Files\Keldary\uninstall.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KeldaryWeightCalculator'
user_uninstall_key=HKCU${uninstall_key#HKLM}
older_setup=$build/upgrade-check/keldary-0.9.0-setup-x64.exe
setup_caption="Keldary Metals Weight Calculator Setup"
queue=keldary-wine-$$

# Step | what it proves
steps=(
    "prefix|a fresh Wine prefix, with Liberation Sans installed as Microsoft Sans Serif and Arial, and Wine's bitmap MS Sans Serif"
    "unit_tests|the Qt Test executables pass under Wine"
    "install|the installer installs silently, with its shortcut and its entry in the installed programs"
    "start|the installed program starts with its caption and a 460 x 456 client area"
    "loads_package|the program loads every DLL and plugin of the package"
    "round_bar|the round-bar example typed into the window shows 427.664"
    "pdf_offer|without a printer, Print Results offers the report as a PDF file and writes it"
    "print|with a cups-pdf queue, Print Results puts the report's lines into it"
    "printer_choice|with default orientations set through the spooler: a portrait default gets the report, else the first portrait printer, else the default"
    "responsive|with an unreachable network printer, even a stopped one, Print Results hands it the job and the window keeps answering"
    "high_contrast|a high-contrast scheme in the system colours reaches the window, its web address readable"
    "uninstall|the uninstaller leaves no program files, shortcut or entry behind"
    "upgrade|over an older version in a folder of the user's, the installer installs there, removes the older files, and leaves one entry and one shortcut"
    "installed_files|the installation holds README.txt and the licences, and an icon of 16, 24, 32, 48 and 256 px"
    "refuse_running|while the program runs, the installer and the uninstaller refuse with a message and change nothing"
    "per_user|/CurrentUser installs for the user alone (the user's folder, Start menu and entry; nothing for all users, no elevation asked), upgrades in place and uninstalls"
    "finish_page|the installer is DPI-aware, shows its own branding text, and its last page's Run Keldary starts the program"
    "checksums|the zip holds README.txt and the licences; SHA256SUMS beside the packages matches them"
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
    rm -f "/etc/cups/cups-pdf-$queue"*.conf
    rm -rf "$work"
}
trap cleanup EXIT

# The tests' own X server and CUPS server (tests/harness), the latter at
# first without printers; add_queue adds a portrait cups-pdf queue as the
# default. Wine's printing goes to it through CUPS_SERVER.
. "$root/tests/harness/xvfb.sh"
. "$root/tests/harness/cupsd.sh"

add_queue() {
    printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$work/cups/pdf" "$work/cups/pdf" >"/etc/cups/cups-pdf-$queue.conf"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -o orientation-requested-default=3 &&
        lpadmin -d "$queue"
}

# Windows has Microsoft Sans Serif and Arial as TrueType files, which both of
# its font systems list: GDI, and DirectWrite, which Qt 6.8 reads. Wine has
# neither; its stand-ins are Liberation Sans under those names, installed as
# Windows installs a font: the file in the Fonts folder, its entry in the
# registry. (Wine's font replacements would reach GDI alone.)
install_font() { # source family file style
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    /usr/bin/python3 - "$1" "$2" "$fonts/$3" <<'PYTHON' || return 1
import sys
from fontTools.ttLib import TTFont
source, family, target = sys.argv[1:]
font = TTFont(source)
for record in font["name"].names:
    text = record.toUnicode().replace("Liberation Sans", family)
    record.string = text.replace("LiberationSans", family.replace(" ", ""))
font.save(target)
PYTHON
    wine_run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v "$2${4:+ $4} (TrueType)" /t REG_SZ /d "$3" /f
}

step_prefix() {
    export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    wine_run wineboot -i || return 1
    local liberation=/usr/share/fonts/truetype/liberation/LiberationSans
    install_font "$liberation-Regular.ttf" "Microsoft Sans Serif" micross.ttf &&
        install_font "$liberation-Regular.ttf" Arial arial.ttf &&
        install_font "$liberation-Bold.ttf" Arial arialbd.ttf Bold &&
        install_font "$liberation-Italic.ttf" Arial ariali.ttf Italic &&
        install_font "$liberation-BoldItalic.ttf" Arial arialbi.ttf "Bold Italic" || return 1
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
            log "$name failed (exit code $?):"
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
    [[ -n $id ]] || return 1
    sleep 2
    # Qt 6.8's Windows style makes a hidden helper window the first time a
    # list opens; Wine shows it and gives it the focus, so that list closes at
    # once and the keys typed after it are lost. (Windows keeps it hidden.)
    # Each start opens and closes the Alloy list once, as a user's first look.
    click 160 42 && xdotool key Escape && sleep 0.5
}

# Alt+E (Exit); a program that does not end, say behind a dialog, is ended.
close_program() {
    [[ -n ${program_pid:-} ]] || return 0
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

# A picture of the window's client area.
window_shot() { # file
    local geometry
    geometry=$(xwininfo -id "$(window)" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
    import -window root -crop "$geometry" +repage "$1"
}

step_round_bar() {
    type_round_bar
    window_shot "$out/window.png"
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

# The check's hand on the spooler and on the window (tests/windows/spooler.cpp).
spooler() {
    if [[ ! -f $work/spooler.exe ]]; then
        x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static -o "$work/spooler.exe" \
            "$root/tests/windows/spooler.cpp" -lwinspool >>"$out/log.txt" 2>&1 || return 1
    fi
    wine "$work/spooler.exe" "$@" 2>>"$out/wine.log" | tr -d '\r'
}
jobs_on() { lpstat -W all -o "$1" 2>/dev/null | wc -l; }
print_failed() { xdotool search --name '^Print Failed$' >/dev/null 2>&1; }

# Three cups-pdf queues, all portrait to CUPS. Each row sets their default
# orientations through the Windows spooler (SetPrinter) and the default printer,
# starts the program anew (Wine reads the printers once per process), prints
# and names the queue the report reached.
# Orientations in the spooler's order | the default | the queue expected
choice_rows=(
    "P L P|2|1" # a landscape default: the first portrait printer, listed before it
    "P P P|2|2" # a portrait default, not listed first: the default
    "L L L|3|3" # none portrait: the default
)

step_printer_choice() {
    close_program
    local names=("$queue" "$queue-b" "$queue-c") name row orientations default expected i failed=0
    lpstat -p "$queue" >/dev/null 2>&1 || add_queue || return 1
    for name in "${names[@]:1}"; do queue=$name add_queue || return 1; done
    for row in "${choice_rows[@]}"; do
        IFS='|' read -r orientations default expected <<<"$row"
        read -r -a orientations <<<"$orientations"
        lpadmin -d "${names[default - 1]}" || return 1
        local before=() after=() reached=()
        for i in 0 1 2; do
            spooler orientation "${names[i]}" "$([[ ${orientations[i]} == L ]] && echo landscape || echo portrait)" ||
                { log "SetPrinter failed on ${names[i]}"; return 1; }
            before[i]=$(jobs_on "${names[i]}")
        done
        start_program || return 1
        click 248 332 # Print Results
        for _ in $(seq 300); do
            (($(jobs_on "${names[0]}") + $(jobs_on "${names[1]}") + $(jobs_on "${names[2]}") >
              before[0] + before[1] + before[2])) && break
            sleep 0.1
        done
        sleep 1
        print_failed && log "Print Failed shown"
        close_program
        for i in 0 1 2; do
            after[i]=$(jobs_on "${names[i]}")
            ((after[i] > before[i])) && reached+=($((i + 1)))
        done
        log "${orientations[*]}, default $default: the report reached printer ${reached[*]:-none}, expected $expected"
        [[ ${reached[*]:-} == "$expected" ]] || failed=1
    done
    spooler orientation "$queue" portrait
    lpadmin -x "${names[1]}" && lpadmin -x "${names[2]}" && lpadmin -d "$queue"
    return $failed
}

# The longest time the window takes to answer while Print Results sends the
# report, first to the local queue, then to a socket printer at a closed port
# of this machine (no other address is ever used), then to the same printer
# stopped by CUPS: each gets its job.
step_responsive() {
    close_program
    local net=$queue-net target before longest failed=0
    lpstat -p "$queue" >/dev/null 2>&1 || add_queue || return 1
    lpadmin -p "$net" -E -v socket://127.0.0.1:9 -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o orientation-requested-default=3 || return 1
    for target in "$queue" "$net" "$net stopped"; do
        if [[ $target == *stopped ]]; then
            target=${target% *}
            cupsdisable "$target"
        else
            close_program
            lpadmin -d "$target"
            start_program || return 1
        fi
        before=$(jobs_on "$target")
        spooler stall "$caption" 6 >"$work/stall" &
        local watcher=$!
        sleep 1
        click 248 332 # Print Results
        wait "$watcher" || { log "the window stopped answering"; return 1; }
        longest=$(cat "$work/stall")
        sleep 1
        if print_failed; then
            log "$target: Print Failed shown"
            failed=1
            xdotool key Return
        fi
        log "$(lpstat -p "$target" | head -n 1); to Windows programs: status $(spooler status "$target")"
        log "$target: $(($(jobs_on "$target") - before)) job(s); the window answered within $longest ms"
        echo "$target $longest" >>"$out/responsive.txt"
        (($(jobs_on "$target") == before + 1)) || failed=1
    done
    close_program
    lpadmin -x "$net"
    lpadmin -d "$queue"
    return $failed
}

# High Contrast Black as Windows sets it: white text on black, yellow links;
# and, as in Windows' classic high contrast, no visual style (Wine's own
# light style has no high-contrast parts).
high_contrast_colours=(
    "ButtonFace|0 0 0" "ButtonText|255 255 255" "Window|0 0 0" "WindowText|255 255 255"
    "Hilight|128 0 128" "HilightText|255 255 255" "GrayText|0 255 0" "HotTrackingColor|255 255 0"
    "ButtonHilight|255 255 255" "ButtonLight|255 255 255" "ButtonShadow|128 128 128"
    "ButtonDkShadow|255 255 255" "InfoWindow|0 0 0" "InfoText|255 255 255" "Menu|0 0 0"
    "MenuText|255 255 255" "WindowFrame|255 255 255" "Background|0 0 0"
)

step_high_contrast() {
    close_program
    local key='HKCU\Control Panel\Colors' style='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' entry
    wine_run reg export "$key" 'C:\colours.reg' /y && wine_run reg export "$style" 'C:\style.reg' /y || return 1
    for entry in "${high_contrast_colours[@]}"; do
        wine_run reg add "$key" /v "${entry%%|*}" /t REG_SZ /d "${entry#*|}" /f || return 1
    done
    wine_run reg add "$style" /v ThemeActive /t REG_SZ /d 0 /f || return 1
    start_program || return 1
    window_shot "$out/high-contrast.png"
    close_program
    wine_run reg import 'C:\colours.reg' && wine_run reg import 'C:\style.reg'
    # shellcheck source=../window/contrast.sh
    . "$root/tests/window/contrast.sh"
    local ratio background
    ratio=$(contrast "$out/high-contrast.png" 1)
    background=$(convert "$out/high-contrast.png" -format '%[pixel:p{268,382}]' info:)
    log "window background $background, the web address at $ratio : 1"
    [[ $background == "srgb(0,0,0)" || $background == black ]] && awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }'
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

# The installer's steps: the calculator's entries in the installed programs,
# for all users and for the current user, and its Start-menu shortcuts.
entry_count() {
    local root count=0
    for root in HKLM HKCU; do
        count=$((count + $(wine reg query "$root\Software\Microsoft\Windows\CurrentVersion\Uninstall" /s 2>/dev/null |
            grep -c 'DisplayName.*Keldary Metals Weight Calculator')))
    done
    echo "$count"
}
shortcut_count() { find "$WINEPREFIX/drive_c" -iname 'Keldary*.lnk' | wc -l; }
entry_value() { # key value
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
# One installation: the entry (of the given key) with this version and folder,
# one entry and one shortcut in all.
one_installation() { # key version folder
    local entries shortcuts
    entries=$(entry_count) shortcuts=$(shortcut_count)
    log "entries $entries, shortcuts $shortcuts, $(entry_value "$1" DisplayVersion) in $(entry_value "$1" InstallLocation)"
    [[ $entries == 1 && $shortcuts == 1 && $(entry_value "$1" DisplayVersion) == "$2" &&
        $(entry_value "$1" InstallLocation) == "$3" ]]
}
wine_exit() { wine "$@" >>"$out/wine.log" 2>&1; echo $?; }
version=$(basename "$setup" | sed 's/^keldary-//; s/-setup-x64\.exe$//')

# An installation in a folder of the user's, C:\Tools\Keldary.
tools_dir() { echo "$WINEPREFIX/drive_c/Tools/Keldary"; }

step_upgrade() {
    local tools_dir
    tools_dir=$(tools_dir)
    wine_run "$older_setup" /S '/D=C:\Tools\Keldary'
    wineserver -w
    [[ -f $tools_dir/Qt6Retired.dll ]] || { log "the older version is not in C:\\Tools\\Keldary"; return 1; }
    one_installation "$uninstall_key" 0.9.0 'C:\Tools\Keldary' || return 1
    wine_run "$setup" /S
    wineserver -w
    [[ -f $tools_dir/keldary.exe ]] || { log "nothing in the older version's folder"; return 1; }
    [[ ! -e $tools_dir/Qt6Retired.dll ]] || { log "the older version's DLL is left"; return 1; }
    [[ ! -e $WINEPREFIX/drive_c/Program\ Files/Keldary ]] || { log "a second copy in Program Files"; return 1; }
    one_installation "$uninstall_key" "$version" 'C:\Tools\Keldary'
}

step_installed_files() {
    local file sizes tools_dir
    tools_dir=$(tools_dir)
    for file in README.txt licenses/GPL-3.0-or-later.txt licenses/LGPL-3.0.txt licenses/GCC-exception-3.1.txt \
        licenses/qt6-base-copyright.txt licenses/gcc-mingw-w64-copyright.txt licenses/mingw-w64-copyright.txt; do
        [[ -s $tools_dir/$file ]] || { log "no $file"; return 1; }
    done
    grep -q "qt6-base source package, version $(dpkg-query -W -f='${Version}' qt6-base-dev)" <(tr -d '\r' <"$tools_dir/README.txt" | tr '\n' ' ' | tr -s ' ') ||
        { log "README.txt does not name Qt's source"; return 1; }
    grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$tools_dir/licenses/GCC-exception-3.1.txt" || return 1
    grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$tools_dir/licenses/LGPL-3.0.txt" || return 1
    sizes=$(identify -format '%wx%h\n' "$tools_dir/keldary.ico" | sort -n | xargs)
    log "icon: $sizes"
    [[ $sizes == "16x16 24x24 32x32 48x48 256x256" ]]
}

step_refuse_running() {
    local tools_dir before exe code id
    tools_dir=$(tools_dir)
    exe=$tools_dir/keldary.exe
    WINEDEBUG=-all wine 'C:\Tools\Keldary\keldary.exe' >>"$out/wine.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 300); do [[ -n $(window) ]] && break; sleep 0.1; done
    [[ -n $(window) ]] || { log "the program did not start"; return 1; }
    before=$(stat -c %Y "$exe")
    code=$(wine_exit "$setup" /S)
    log "the installer, silent, while the program runs: exit code $code"
    [[ $code == 2 ]] || return 1
    code=$(wine_exit "$tools_dir/uninstall.exe" /S '_?=C:\Tools\Keldary')
    log "the uninstaller, silent, while the program runs: exit code $code"
    [[ $code == 2 ]] || return 1
    # Not silent: the installer says why and waits for Retry or Cancel. Wine's
    # trace of window texts shows what it says.
    WINEDEBUG=+win wine "$setup" >"$out/refusal-trace.log" 2>&1 &
    local setup_pid=$!
    id=$(timeout 30 xdotool search --sync --name "^$setup_caption\$" | head -n 1)
    [[ -n $id ]] || { log "no message from the installer"; return 1; }
    sleep 1
    import -window root "$out/refusal.png"
    xdotool key Escape   # Cancel
    wait "$setup_pid"
    code=$?
    log "the installer, after Cancel: exit code $code"
    [[ $code == 2 ]] || return 1
    grep -a -q 'L"Keldary Metals Weight Calculator is open, from' "$out/refusal-trace.log" ||
        { log "the message does not say that the calculator is open"; return 1; }
    [[ -f $exe && $(stat -c %Y "$exe") == "$before" ]] || { log "the program's file changed"; return 1; }
    one_installation "$uninstall_key" "$version" 'C:\Tools\Keldary' || return 1
    close_program || return 1
    wine_run "$tools_dir/uninstall.exe" /S
    wineserver -w
    [[ ! -e $tools_dir && $(entry_count) == 0 && $(shortcut_count) == 0 ]] || { log "left behind: $(find "$tools_dir")"; return 1; }
}

step_per_user() {
    local programs_dir dir
    programs_dir=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")/Programs
    dir=$programs_dir/Keldary
    local windows_dir
    windows_dir=$(winepath -w "$dir" 2>/dev/null)
    # Wine gives every program an administrator's rights: what is checked is
    # that the installer asks for none and writes where a user may.
    grep -a -q 'requestedExecutionLevel level="asInvoker"' "$setup" || { log "the installer asks for elevation"; return 1; }
    local run
    for run in "/CurrentUser" ""; do
        wine_run "$setup" /S $run
        wineserver -w
        [[ -f $dir/keldary.exe ]] || { log "not in $dir after $run"; return 1; }
        [[ ! -e $WINEPREFIX/drive_c/Program\ Files/Keldary ]] || { log "files in Program Files"; return 1; }
        [[ -z $(find "$WINEPREFIX/drive_c/ProgramData" -iname 'Keldary*') ]] || { log "a shortcut for all users"; return 1; }
        ! wine reg query "$uninstall_key" >/dev/null 2>&1 || { log "an entry for all users"; return 1; }
        one_installation "$user_uninstall_key" "$version" "$windows_dir" || return 1
    done
    wine_run "$dir/uninstall.exe" /S
    wineserver -w
    [[ ! -e $dir && $(entry_count) == 0 && $(shortcut_count) == 0 ]] || { log "left behind: $(find "$dir")"; return 1; }
}

step_finish_page() {
    grep -a -q '<dpiAware[^>]*>true</dpiAware>' "$setup" || { log "not DPI-aware"; return 1; }
    WINEDEBUG=+win wine "$setup" >"$out/installer-trace.log" 2>&1 &
    local page
    # The licence, the folder, then the finish page, each taken with Return.
    for page in licence folder finish; do
        timeout 30 xdotool search --sync --name "^$setup_caption ?\$" >/dev/null || { log "no $page page"; return 1; }
        sleep 2
        [[ $page == finish ]] && sleep 5
        import -window root "$out/installer-$page.png"
        xdotool key Return
    done
    for _ in $(seq 300); do [[ -n $(window) ]] && break; sleep 0.1; done
    [[ -n $(window) ]] || { log "Keldary did not start from the finish page"; return 1; }
    # The pages' texts, from Wine's trace: the branding and the finish page's box.
    grep -a -q "L\"Keldary Metals Weight Calculator $version\"" "$out/installer-trace.log" ||
        { log "no branding text of our own"; return 1; }
    ! grep -a -q 'Nullsoft Install System' "$out/installer-trace.log" || { log "NSIS's branding text"; return 1; }
    grep -a -q 'L"Run Keldary"' "$out/installer-trace.log" || { log "no Run Keldary on the finish page"; return 1; }
    sleep 2
    xdotool key --window "$(window)" alt+e
    wineserver -w
    wine_run "$uninstaller" /S
    wineserver -w
    [[ $(entry_count) == 0 ]]
}

step_checksums() {
    (cd "$(dirname "$setup")" && sha256sum -c SHA256SUMS) >>"$out/log.txt" 2>&1 || return 1
    [[ $(wc -l <"$(dirname "$setup")/SHA256SUMS") == 2 ]] || return 1
    local listing
    listing=$(cmake -E tar tf "$(dirname "$setup")"/keldary-*-windows-x64.zip)
    local file
    for file in README.txt licenses/GPL-3.0-or-later.txt licenses/LGPL-3.0.txt licenses/GCC-exception-3.1.txt \
        licenses/qt6-base-copyright.txt; do
        grep -q "/$file\$" <<<"$listing" || { log "the zip has no $file"; return 1; }
    done
}

# Errors stay on screen, and in the log beside the others; xdotool's notice
# that a server without a window manager has no focused window is left out.
exec 2> >(tee -a "$out/stderr.log" | grep --line-buffered -v '^XGetInputFocus returned the focused window of 1' >&2)
start_xvfb 1024x768 2>>"$out/xvfb.log" || { echo "FAIL - the check's X server did not start (log: $out/xvfb.log)"; exit 1; }
mkdir -p "$work/cups/pdf"
chmod 1777 "$work/cups/pdf"
start_cupsd "$work/cups" >"$out/cupsd.log" || echo "the private CUPS server did not start" | tee -a "$out/log.txt" >&2
passed=0 failed=0 failed_steps=()
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
        failed_steps+=("$name")
    fi
done
echo "Wine checks: $passed passed, $failed failed${failed_steps:+ (${failed_steps[*]})}; logs in $out"
((failed == 0 && passed > 0))
