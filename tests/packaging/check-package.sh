#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs BUILD_DIR into a .deb, unpacks it into a scratch root and checks the
# package's control data, its file list, the desktop entry, the AppStream
# metainfo, the icons and the program.
#
#   check-package.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail

build=$1
source=$2
version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0
check() { # description, command...
    local what=$1; shift
    local output
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
        echo "ok    $what"
    else
        failed=$((failed + 1))
        echo "FAIL  $what"
        [[ -n "$output" ]] && sed 's/^/      /' <<<"$output"
    fi
}
finish() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL  cpack -G DEB"
    exit 1
fi
debs=("$scratch"/out/*.deb)
arch=$(dpkg --print-architecture)
check "cpack made the one package keldary_${version}_${arch}.deb" \
    test "${debs[*]}" = "$scratch/out/keldary_${version}_${arch}.deb"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
has() { # text, extended regex
    grep -Eq -- "$2" <<<"$1" || { echo "'$1' does not match /$2/"; return 1; }
}
check "control: package name"   has "$(field Package)" '^keldary$'
check "control: version"        has "$(field Version)" "^${version//./\\.}$"
check "control: maintainer"     has "$(field Maintainer)" '^Keldary <support@keldary\.example>$'
check "control: section"        has "$(field Section)" '^(utils|science)$'
depends=$(field Depends)
# Versioned entries are what dpkg-shlibdeps writes; a hand-written list would
# not carry the minimum versions.
for library in libqt6core6 libqt6gui6 libqt6widgets6 libfontconfig1 libc6; do
    check "control: depends on $library from the shared libraries" \
        has "$depends" "(^|, )$library \(>= [^)]+\)(,|$)"
done
check "control: depends on the window's font" has "$depends" '(^|, )fonts-liberation(,|$)'
check "dpkg-deb -I shows the Depends line" has "$(dpkg-deb -I "$deb")" '^ Depends: .*libqt6'

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected="usr/bin/keldary
usr/share/applications/example.keldary.calculator.desktop
usr/share/icons/hicolor/32x32/apps/keldary.png
usr/share/icons/hicolor/scalable/apps/keldary.svg
usr/share/metainfo/example.keldary.calculator.metainfo.xml"
# Documentation may be added under the package's doc directory; nothing else
# (libraries, headers, test programs) belongs in it.
installed=$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | grep -v '^usr/share/doc/keldary/' | sort)
check "the package installs exactly the program and its desktop files" \
    diff -u <(echo "$expected") <(echo "$installed")

desktop=$root/usr/share/applications/example.keldary.calculator.desktop
metainfo=$root/usr/share/metainfo/example.keldary.calculator.metainfo.xml
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
check "desktop entry: name"       has "$(entry Name)" '^Keldary Metals Weight Calculator$'
check "desktop entry: Exec is the installed program" test -x "$root/usr/bin/$(entry Exec | cut -d' ' -f1)"
check "desktop entry: Icon names the installed icons" \
    test -f "$root/usr/share/icons/hicolor/32x32/apps/$(entry Icon).png" \
      -a -f "$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg"
check "desktop entry: categories" has "$(entry Categories)" '^Utility;Calculator;$'
check "desktop entry: not in a terminal" has "$(entry Terminal)" '^false$'

appstream=(--no-net)
check "appstreamcli validates the metainfo" appstreamcli validate "${appstream[@]}" "$metainfo"
check "appstreamcli validates the installed tree (launchable, icons)" \
    appstreamcli validate-tree "${appstream[@]}" "$root"
check "metainfo: release 1.0.0 of 2026-12-08" \
    grep -q '<release version="1.0.0" date="2026-12-08"' "$metainfo"

check "the 32x32 icon is a 32 x 32 PNG" \
    has "$(file -b "$root/usr/share/icons/hicolor/32x32/apps/keldary.png")" '^PNG image data, 32 x 32,'
check "the 32x32 icon is the project's" \
    cmp "$source/resources/keldary-32.png" "$root/usr/share/icons/hicolor/32x32/apps/keldary.png"
check "the scalable icon is the project's" \
    cmp "$source/resources/keldary.svg" "$root/usr/share/icons/hicolor/scalable/apps/keldary.svg"

program=$root/usr/bin/keldary
check "the program is an ELF executable" has "$(file -b "$program")" '^ELF .* (pie )?executable'
check "the program carries no run path" bash -c "! readelf -d '$program' | grep -E 'RPATH|RUNPATH'"
check "every library the program needs is found" bash -c "! ldd '$program' | grep 'not found'"

# The packaged program opens its window and stays up until it is closed.
starts() {
    QT_QPA_PLATFORM=offscreen "$program" >"$scratch/run.log" 2>&1 &
    local pid=$!
    sleep 1
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
        return 0
    fi
    wait "$pid"
    echo "ended with status $? within a second:"
    cat "$scratch/run.log"
    return 1
}
check "the installed program starts" starts

finish
