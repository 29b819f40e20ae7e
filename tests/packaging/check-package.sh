#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs BUILD_DIR into a .deb, unpacks it into a scratch root and checks the
# package's control data, its file list, the desktop entry, the AppStream
# metainfo, the icons, the copyright file, the changelog, the manual page, the
# program and lintian's verdict.
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
check "control: depends on the window's font" has "$depends" '(^|, )fonts-liberation(,|$)'
check "control: recommends Qt's Wayland plugin" has "$(field Recommends)" '(^|, )qt6-wayland(,|$)'
check "dpkg-deb -I shows the Depends line" has "$(dpkg-deb -I "$deb")" '^ Depends: .*libqt6'

# Every package named in the relations is one this system knows, so apt can
# resolve them here (a name the release has renamed is not).
known() {
    local name status=0
    for name in $({ field Depends; echo; field Recommends; } | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/:[a-z0-9]+//'); do
        dpkg-query -W "$name" >/dev/null 2>&1 || apt-cache show "$name" >/dev/null 2>&1 ||
            { echo "no package $name on this system"; status=1; }
    done
    return $status
}
check "control: every package in Depends and Recommends exists here" known

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected="usr/bin/keldary
usr/share/applications/example.keldary.calculator.desktop
usr/share/doc/keldary/changelog.gz
usr/share/doc/keldary/copyright
usr/share/icons/hicolor/32x32/apps/keldary.png
usr/share/icons/hicolor/scalable/apps/keldary.svg
usr/share/man/man1/keldary.1.gz
usr/share/metainfo/example.keldary.calculator.metainfo.xml"
# Nothing else (libraries, headers, test programs) belongs in it.
installed=$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | sort)
check "the package installs exactly the program, its desktop files and its documents" \
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

# Debian's documents: the machine-readable copyright file, the changelog and
# the manual page.
doc=$root/usr/share/doc/keldary
manpage=$root/usr/share/man/man1/keldary.1.gz
copyright_file() { # python3-debian's parser refuses what is not DEP-5
    /usr/bin/python3 - "$doc/copyright" <<'EOF'
import os, re, sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding="utf-8") as f:
    c = Copyright(f, strict=True)
files = c.find_files_paragraph("usr/bin/keldary")
assert files, "no Files paragraph covers the program"
assert files.license.synopsis == "GPL-3.0-or-later", files.license
assert re.fullmatch(r"\d{4}(-\d{4})? The Keldary developers", files.copyright), files.copyright
texts = [p.license.text for p in c.all_license_paragraphs() if p.license.synopsis == "GPL-3.0-or-later"]
assert texts, "no License paragraph for GPL-3.0-or-later"
common = re.search(r"/usr/share/common-licenses/[\w.+-]+", texts[0])
assert common and common.group() == "/usr/share/common-licenses/GPL-3", "the licence text is not pointed to"
assert os.path.isfile(common.group()), common.group() + " is missing here"
EOF
}
check "copyright: DEP-5, GPL-3.0-or-later, the Keldary developers, the common licence" copyright_file
# gzip -9n: the maximum-compression flag, no file name, no time stamp.
reproducible_gzip() {
    has "$(od -An -tx1 -N10 "$1" | tr -d ' \n')" '^1f8b0800000000000203$'
}
check "changelog.gz and keldary.1.gz are compressed with gzip -9n" \
    bash -c "$(declare -f has reproducible_gzip); reproducible_gzip '$doc/changelog.gz' && reproducible_gzip '$manpage'"
changelog_version() {
    zcat "$doc/changelog.gz" >"$scratch/changelog" || return 1
    has "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" "^${version//./\\.}$"
}
check "changelog: the latest entry is this version" changelog_version
manual() { MANWIDTH=80 man -E UTF-8 -l "$manpage" 2>/dev/null; }
man_warnings() { # what lintian reports as manpage-has-errors-from-man
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manpage" 2>&1 >/dev/null)
    [[ -z $warnings ]] || { echo "$warnings"; return 1; }
}
check "manual page: man -l formats it without a warning" man_warnings
check "manual page: whatis entry" has "$(lexgrog "$manpage" 2>&1)" ': "keldary - .+"$'
sections=$(manual | grep -E '^[A-Z][A-Z ]+$' | tr '\n' ,)
check "manual page: its sections" has "$sections" '^NAME,SYNOPSIS,DESCRIPTION,OPTIONS,FILES,SEE ALSO,$'
synopsis=$(manual | sed -n '/^SYNOPSIS$/,/^DESCRIPTION$/p' | tr -s ' \n' ' ')
for option in -platform -style -stylesheet -display; do
    check "manual page: synopsis names Qt's $option" has "$synopsis" "\\[$option "
done
for control in 'Calculate' 'Clear Fields' 'Store Result' 'Remove Result' 'Print Results' 'The web address' 'Exit'; do
    check "manual page: describes $control" has "$(manual | sed -n '/^DESCRIPTION$/,/^OPTIONS$/p')" "^ +$control( |$)"
done

# lintian's verdict on the whole package: no error, no warning.
lintian_clean() {
    local output status
    output=$(lintian --fail-on error,warning "$deb" 2>&1)
    status=$?
    grep -E '^[EW]: ' <<<"$output"
    ((status == 0)) && ! grep -Eq '^[EW]: ' <<<"$output" || { echo "lintian ended with status $status"; echo "$output" | grep -Ev '^[EW]: '; return 1; }
}
check "lintian reports no error and no warning" lintian_clean

program=$root/usr/bin/keldary
check "the program is an ELF executable" has "$(file -b "$program")" '^ELF .* (pie )?executable'
check "the program carries no run path" bash -c "! readelf -d '$program' | grep -E 'RPATH|RUNPATH'"
check "every library the program needs is found" bash -c "! ldd '$program' | grep 'not found'"

# The packages that ship the libraries the program links, as this system has
# them: their names change between releases (libqt6core6 became
# libqt6core6t64), so the test asks dpkg instead of naming them. Each must be
# in Depends with the minimum version dpkg-shlibdeps takes from its symbols
# or shlibs file, and that minimum must be met by what is installed here.
owner() { # library path: the package that ships it, as package:arch
    local candidates=("$1" "$(realpath "$1")") path listing
    # dpkg knows a file by the path its package ships it under, /lib or /usr/lib.
    for path in "${candidates[@]}"; do
        case $path in
        /usr/lib/*) candidates+=("${path#/usr}") ;;
        /lib/*) candidates+=("/usr$path") ;;
        esac
    done
    for path in "${candidates[@]}"; do
        listing=$(dpkg-query -S "$path" 2>/dev/null | grep -v '^diversion ' | head -n 1) || continue
        [[ -n $listing ]] || continue
        echo "${listing%%: /*}"
        return 0
    done
    return 1
}
depends_on_shipper() { # soname
    local path shipper package pattern minimum installed
    path=$(ldd "$program" | awk -v so="$1" '$1 == so && $2 == "=>" { print $3 }')
    [[ -n $path ]] || { echo "ldd does not resolve $1"; return 1; }
    shipper=$(owner "$path") || { echo "dpkg -S knows no package that ships $path"; return 1; }
    package=${shipper%%:*}
    pattern=$(sed 's/[.+]/\\&/g' <<<"$package")
    minimum=$(grep -oE "(^|, |\| )$pattern \(>= [^)]+\)" <<<"$depends" | sed -E 's/.*\(>= ([^)]+)\)/\1/' | head -n 1)
    [[ -n $minimum ]] || { echo "$path comes from $package; Depends has no '$package (>= ...)': $depends"; return 1; }
    installed=$(dpkg-query -W -f '${Version}' "$shipper")
    dpkg --compare-versions "$installed" ge "$minimum" ||
        { echo "$package $installed is installed, but Depends asks for $package (>= $minimum)"; return 1; }
    echo "$1 is in $package (>= $minimum), $installed installed"
}
needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
check "the program links Qt's widgets" has "$needed" '^libQt6Widgets\.so\.'
for soname in $needed; do
    check "control: depends on the package that ships $soname" depends_on_shipper "$soname"
done

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
