#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Provides Qt for 64-bit Windows (MinGW-w64) in a cache folder outside the
# tree and prints that folder on the last line of its output.
#
# The Qt must be the host's Qt: moc, rcc and uic come from the host. So the
# cache folder is named by the host's qt6-base version with its Debian
# revision (qt6-base-6.4.2+dfsg-10-mingw64), and it keeps the SHA-256 of
# every file it was made with (.keldary-sha256); it is used only while they
# all match. In order of preference:
#   1. the cache folder, when an earlier run filled it and it matches;
#   2. the prebuilt copy in ../shared/windows beside the repository, when it
#      is for this Qt version and Debian release and matches its SHA256SUMS;
#   3. a build from the running release's own qt6-base source package (about
#      an hour on two cores), Gui, Widgets, PrintSupport and Test only. A build
#      that was interrupted goes on where it stopped when the script runs again.
# It says why it takes the way it takes. A second run waits for the first.
#
# Usage: build-qt-windows.sh [--no-build]
#   --no-build  the first two ways only: where only a build from source would
#               do, says why and exits with 3.
# KELDARY_CACHE overrides the cache root (default: $XDG_CACHE_HOME/keldary);
# KELDARY_PREBUILT the folder of prebuilt copies; KELDARY_QT_FROM_SOURCE=1
# passes the prebuilt copy by.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

log() { echo "build-qt-windows: $*" >&2; }

no_build=false
case ${1:-} in
    --no-build) no_build=true ;;
    "") ;;
    *) echo "usage: build-qt-windows.sh [--no-build]" >&2; exit 2 ;;
esac

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    { log "qt6-base-dev is not installed (tools/bootstrap.sh installs it)"; exit 1; }
upstream=${host_version#*:}   # 6.4.2+dfsg-10 -> 6.4.2
upstream=${upstream%%+*}
upstream=${upstream%%-*}
# The release as the prebuilt copies are named: its number, or the code name
# on testing and unstable, whose os-release has no VERSION_ID.
release=$(. /etc/os-release && echo "${VERSION_ID:-${VERSION_CODENAME:-unknown}}")
cache=${KELDARY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/keldary}
name=qt6-base-${host_version//:/_}-mingw64
prefix=$cache/$name
sums=$prefix/.keldary-sha256
origin=$prefix/.keldary-origin
work=$cache/build-$name
unpack=

mkdir -p "$cache"
exec 9>"$cache/.$name.lock"
if ! flock -n 9; then
    log "another run is providing $prefix; waiting for it to finish"
    flock 9
fi
trap '[[ -z $unpack ]] || rm -rf "$unpack"' EXIT

matches() { [[ -f $sums ]] && (cd "$prefix" && sha256sum --check --quiet --strict "$sums" >/dev/null 2>&1); }
# Writes the checksums last: a folder without them is not finished.
seal() { # where it came from
    echo "$1" >"$origin"
    (cd "$prefix" && find . -type f ! -name '.keldary-*' -printf '%P\0' | sort -z | xargs -0 sha256sum) >"$sums.new"
    mv "$sums.new" "$sums"
}

if [[ -d $prefix ]]; then
    if matches; then
        log "using $prefix ($(cat "$origin" 2>/dev/null))"
        echo "$prefix"
        exit 0
    elif [[ -f $sums ]]; then
        log "$prefix does not match its checksums: providing it anew"
    else
        log "$prefix was not finished: providing it anew"
    fi
fi

shared=$(realpath -m "${KELDARY_PREBUILT:-$root/../shared/windows}")
tarball=qt6-base-$upstream-mingw64-deb$release.tar.xz
checksum() { grep -E "^[0-9a-f]{64} [ *]$tarball\$" "$shared/SHA256SUMS" 2>/dev/null; }
if [[ ${KELDARY_QT_FROM_SOURCE:-0} == 1 ]]; then
    why="KELDARY_QT_FROM_SOURCE=1 passes the prebuilt copy by"
elif [[ ! -f $shared/$tarball ]]; then
    why="there is no prebuilt copy for Qt $upstream on Debian $release: no $tarball in $shared"
elif ! checksum >/dev/null; then
    why="$shared/SHA256SUMS has no checksum for the prebuilt $tarball"
elif ! (cd "$shared" && checksum | sha256sum --check --quiet --strict - >/dev/null 2>&1); then
    why="the prebuilt $shared/$tarball does not match its checksum in SHA256SUMS"
else
    log "unpacking the prebuilt $tarball (its checksum matches)"
    unpack=$(mktemp -d "$cache/.unpack-XXXXXX")
    tar -xJf "$shared/$tarball" -C "$unpack"
    rm -rf "$prefix"
    mv "$(find "$unpack" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$prefix"
    seal "prebuilt $tarball, $(checksum | cut -c1-64)"
    log "Qt for Windows is ready in $prefix"
    echo "$prefix"
    exit 0
fi

if $no_build; then
    log "not built: $why"
    exit 3
fi
log "building Qt $upstream for Windows from Debian's qt6-base $host_version, as $why"
log "this takes about an hour on two cores; run again after an interruption and it goes on where it stopped"
mkdir -p "$work"

# The source, fetched once per build folder.
if [[ ! -f $work/source-ready ]]; then
    rm -rf "$work"/qt6-base* "$work/lists" "$work/build"
    mkdir -p "$work/lists/partial"
    log "fetching the qt6-base $host_version source"
    # A deb-src line for every deb line of the machine's own sources, in a private
    # apt state: the system's configuration stays as it is.
    {
        for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [[ -f $list ]] && sed -n 's/^deb\(\s\)/deb-src\1/p' "$list"
        done
        for sources in /etc/apt/sources.list.d/*.sources; do
            [[ -f $sources ]] || continue
            awk 'BEGIN { RS = ""; FS = "\n" }
                 { types = uris = suites = comps = key = ""
                   for (i = 1; i <= NF; i++) {
                       split($i, kv, /:[ \t]*/)
                       value = substr($i, length(kv[1]) + 2); sub(/^[ \t]*/, "", value)
                       if (kv[1] == "Types") types = value
                       else if (kv[1] == "URIs") uris = value
                       else if (kv[1] == "Suites") suites = value
                       else if (kv[1] == "Components") comps = value
                       else if (kv[1] == "Signed-By") key = value
                   }
                   if (types !~ /(^| )deb( |$)/) next
                   n = split(uris, u, " "); m = split(suites, s, " ")
                   for (a = 1; a <= n; a++) for (b = 1; b <= m; b++)
                       printf "deb-src %s%s %s %s\n", (key ? "[signed-by=" key "] " : ""), u[a], s[b], comps
                 }' "$sources"
        done
    } >"$work/sources.list"
    apt_private=(-o "Dir::Etc::SourceList=$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
                 -o "Dir::State::Lists=$work/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    apt-get "${apt_private[@]}" update >&2
    (cd "$work" && apt-get "${apt_private[@]}" source "qt6-base=$host_version") >&2
    touch "$work/source-ready"
fi
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

# Configured once; ninja then builds only what is not built yet.
if [[ ! -f $work/configured ]]; then
    log "configuring"
    # Tablet events are off because Debian's source leaves out wintab.h; OpenGL
    # is off at its input (switching off only the feature leaves dynamic GL on,
    # and the Windows platform plugin then does not compile). Qt's own zlib is
    # chosen by its feature: Qt 6.8 no longer reads INPUT_zlib, and would take a
    # MinGW zlib it finds on the machine, one more DLL to ship.
    cmake -G Ninja -S "$source_dir" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no \
        -DFEATURE_tabletevent=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON \
        -DINPUT_pcre=qt -DFEATURE_system_zlib=OFF -DINPUT_libpng=qt -DINPUT_libjpeg=no -DINPUT_harfbuzz=qt \
        -DINPUT_freetype=qt -DCMAKE_INSTALL_PREFIX="$prefix" >&2
    touch "$work/configured"
fi
log "building (ninja's progress: steps done/all, share, seconds)"
NINJA_STATUS="[%f/%t %p %es] " cmake --build "$work/build" >&2
rm -rf "$prefix"
cmake --install "$work/build" >&2

# Relocatable like the prebuilt copy: the toolchain file inside the prefix,
# found by Qt's own toolchain file relative to itself.
cp "$root/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"
sed -i 's|^set(__qt_initially_configured_toolchain_file .*|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64-x86_64.cmake")|' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} + >&2
rm -rf "$prefix/doc"
seal "built from Debian's qt6-base $host_version source"
rm -rf "$work"
log "Qt for Windows is ready in $prefix"
echo "$prefix"
