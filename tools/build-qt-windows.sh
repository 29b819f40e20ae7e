#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Provides Qt for 64-bit Windows (MinGW-w64) in a cache folder outside the
# tree and prints that folder on the last line of its output.
#
# The Qt must be the host's Qt version: moc, rcc and uic come from the host.
# In order of preference:
#   1. the cache folder, when an earlier run filled it;
#   2. the prebuilt copy in ../shared/windows beside the repository, when it
#      is for this version and Debian release and its checksum matches;
#   3. a build from the running release's own qt6-base source package (about
#      an hour on two cores), Gui, Widgets, PrintSupport and Test only.
# KELDARY_CACHE overrides the cache root (default: $XDG_CACHE_HOME/keldary);
# KELDARY_QT_FROM_SOURCE=1 passes the prebuilt copy by.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

. /etc/os-release
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)  # e.g. 6.4.2+dfsg-10
upstream=${host_version%%+*}
upstream=${upstream%%-*}
cache=${KELDARY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/keldary}
name=qt6-base-$upstream-mingw64
prefix=$cache/$name
stamp=$prefix/.keldary-ready

log() { echo "build-qt-windows: $*" >&2; }

if [[ -f $stamp ]]; then
    log "using $prefix"
    echo "$prefix"
    exit 0
fi
mkdir -p "$cache"
rm -rf "$prefix"

shared=$root/../shared/windows
tarball=$name-deb$VERSION_ID.tar.xz
if [[ ${KELDARY_QT_FROM_SOURCE:-0} != 1 && -f $shared/$tarball && -f $shared/SHA256SUMS ]] &&
    (cd "$shared" && grep " $tarball\$" SHA256SUMS | sha256sum -c --quiet -) >&2; then
    log "unpacking the prebuilt $tarball"
    tar -xJf "$shared/$tarball" -C "$cache"
    touch "$stamp"
    echo "$prefix"
    exit 0
fi

log "no prebuilt Qt $upstream for Debian $VERSION_ID: building it from qt6-base $host_version"
work=$cache/build-$name
rm -rf "$work"
mkdir -p "$work/lists/partial"

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
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

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
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2

# Relocatable like the prebuilt copy: the toolchain file inside the prefix,
# found by Qt's own toolchain file relative to itself.
cp "$root/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"
sed -i 's|^set(__qt_initially_configured_toolchain_file .*|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64-x86_64.cmake")|' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} + >&2
rm -rf "$prefix/doc" "$work"
touch "$stamp"
log "Qt for Windows is ready in $prefix"
echo "$prefix"
