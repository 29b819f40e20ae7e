#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the two Windows downloads into build/windows/packages:
#   keldary-<version>-windows-x64.zip   the program, the DLLs and plugins it loads,
#                                       README.txt and the licences
#   keldary-<version>-setup-x64.exe     the installer (packaging/windows/keldary.nsi)
#   SHA256SUMS                          their checksums (they are not signed)
# Installs what is missing first; Qt for Windows comes from
# tools/build-qt-windows.sh. With --tests, every Qt Test program of the build
# is made as well (the target test_programs; their list is
# build/windows/test-programs.txt).
# Ends with a line "Windows packages: ..." that names what it made, or where
# it failed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
trap 'echo "Windows packages: FAILED at line $LINENO of tools/windows-package.sh: $BASH_COMMAND" >&2' ERR

"$root/tools/bootstrap.sh"
KELDARY_QT_WINDOWS=$("$root/tools/build-qt-windows.sh" | tail -n 1)
export KELDARY_QT_WINDOWS
build=$root/build/windows
cmake --preset windows >/dev/null
targets=(keldary)
if [[ ${1:-} == --tests ]]; then
    targets+=(test_programs)
fi
cmake --build --preset windows --target "${targets[@]}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=keldary-$version-windows-x64
out=$build/packages
stage=$out/$name
rm -rf "$out"
mkdir -p "$stage"

# The DLLs a module imports, found in Qt's and the compiler's run-time folders;
# the system's own DLLs are found in none of them and stay out.
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
search=("$KELDARY_QT_WINDOWS/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
deploy() { # module, folder in the stage
    local module=$1 folder=$2 dll dir
    [[ -e $stage/$folder/$(basename "$module") ]] && return 0
    mkdir -p "$stage/$folder"
    x86_64-w64-mingw32-strip --strip-unneeded -o "$stage/$folder/$(basename "$module")" "$module"
    for dll in $(x86_64-w64-mingw32-objdump -p "$module" | sed -n 's/^\s*DLL Name: //p'); do
        for dir in "${search[@]}"; do
            if [[ -f $dir/$dll ]]; then
                deploy "$dir/$dll" .
                break
            fi
        done
    done
}
deploy "$build/keldary.exe" .
# The plugins Qt loads at start: the Windows platform and the native style
# (qwindowsvistastyle in Qt 6.4, qmodernwindowsstyle in later versions).
deploy "$KELDARY_QT_WINDOWS/plugins/platforms/qwindows.dll" platforms
for style in "$KELDARY_QT_WINDOWS"/plugins/styles/*.dll; do
    deploy "$style" styles
done

# The licences of all that is shipped: the program's, Qt's (Debian's
# statement of its source package's licences), and those of the compiler's
# run-time DLLs, from the Debian packages that hold them.
debian_package() { dpkg -S "$1" | head -n 1 | cut -d: -f1; }
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
copyright() { echo "/usr/share/doc/$1/copyright"; }
qt_package=$(debian_package "$(readlink -f "$(dpkg -L qt6-base-dev | grep -m 1 '/libQt6Core\.so$')")")
gcc_package=$(debian_package "$gcc_runtime/libstdc++-6.dll")
mingw_package=$(debian_package /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
licenses=$stage/licenses
mkdir -p "$licenses"
cp "$root/LICENSES/GPL-3.0-or-later.txt" "$licenses/GPL-3.0-or-later.txt"
cp /usr/share/common-licenses/LGPL-3 "$licenses/LGPL-3.0.txt"
cp "$(copyright "$qt_package")" "$licenses/qt6-base-copyright.txt"
cp "$(copyright "$gcc_package")" "$licenses/gcc-mingw-w64-copyright.txt"
sed -n '/^GCC RUNTIME LIBRARY EXCEPTION$/,/requirements of the license of GCC\.$/p' \
    "$(copyright "$gcc_package")" >"$licenses/GCC-exception-3.1.txt"
cp "$(copyright "$mingw_package")" "$licenses/mingw-w64-copyright.txt"
for file in "$licenses"/*; do
    [[ -s $file ]] || { echo "windows-package: $file is empty" >&2; exit 1; }
done
. /etc/os-release
qt_source=$(source_version "$qt_package")
sed -e '1,/^# the @\.\.\.@ values/d' -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/${qt_source%%+*}/g" \
    -e "s/@QT_SOURCE@/$qt_source/g" -e "s/@DEBIAN@/$VERSION_ID/g" \
    -e "s/@GCC_SOURCE@/$(source_version "$gcc_package")/g" -e "s/@MINGW_SOURCE@/$(source_version "$mingw_package")/g" \
    -e 's/$/\r/' "$root/packaging/windows/README.txt.in" >"$stage/README.txt"
! grep -n '@[A-Z_]*@' "$stage/README.txt" || exit 1

(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")

# The installer takes exactly the staged files, and its uninstaller removes
# exactly those: files.nsh beside the installer.
write_files() { # stage
    local stage=$1
    echo '!ifdef FILES_INSTALL'
    (cd "$stage" && find . -type d -printf '%P\n' | sort) | while read -r dir; do
        echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
        (cd "$stage/$dir" && find . -maxdepth 1 -type f -printf '%P\n' | sort) | while read -r file; do
            echo "File \"$stage/${dir:+$dir/}$file\""
        done
    done
    echo 'SetOutPath "$INSTDIR"'
    echo '!else'
    (cd "$stage" && find . -type f -printf '%P\n' | sort) | while read -r file; do
        echo "Delete \"\$INSTDIR\\${file//\//\\}\""
    done
    (cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) | while read -r dir; do
        echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done
    echo '!endif'
}
make_installer() { # version stage installer
    local files
    files=$(dirname "$3")/files.nsh
    write_files "$2" >"$files"
    makensis -V2 -DVERSION="$1" -DSTAGE="$2" -DFILES="$files" \
        -DLICENSE="$root/LICENSES/GPL-3.0-or-later.txt" -DICON="$build/src/keldary.ico" \
        -DOUTFILE="$3" "$root/packaging/windows/keldary.nsi"
}
setup=$out/keldary-$version-setup-x64.exe
make_installer "$version" "$stage" "$setup"
(cd "$out" && sha256sum "$name.zip" "$(basename "$setup")" >SHA256SUMS)

# For the upgrade check under Wine: an older version with a DLL the current
# one no longer has, which the upgrade must remove.
if [[ ${1:-} == --tests ]]; then
    older=$build/upgrade-check
    rm -rf "$older"
    mkdir -p "$older"
    cp -r "$stage" "$older/stage"
    echo "an older version's library" >"$older/stage/Qt6Retired.dll"
    make_installer 0.9.0 "$older/stage" "$older/keldary-0.9.0-setup-x64.exe"
fi

qt=${KELDARY_QT_WINDOWS##*/qt6-base-}
megabytes() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f MB", b / 1e6 }'; }
tests=0
[[ ${1:-} != --tests ]] || tests=$(wc -l <"$build/test-programs.txt")
echo "Windows packages: $name.zip ($(megabytes "$out/$name.zip")), $(basename "$setup")" \
    "($(megabytes "$setup")), Qt ${qt%-mingw64}, $tests test programs; in $out"
