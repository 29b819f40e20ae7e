#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the two Windows downloads into build/windows/packages:
#   keldary-<version>-windows-x64.zip   the program, the DLLs and plugins it loads
#   keldary-<version>-setup-x64.exe     the installer (packaging/windows/keldary.nsi)
# Installs what is missing first; Qt for Windows comes from
# tools/build-qt-windows.sh. With --tests, the Qt
# Test executables that run under Wine are built as well.
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
    targets+=(tst_unitconversion tst_numerictext tst_weightformat tst_weightcalculation tst_tables
              tst_resultline tst_report tst_weblink tst_form1 tst_calculate tst_resultlist
              tst_accessibility tst_layoutscale tst_monkey)
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

(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")

# The installer takes exactly the staged files, and its uninstaller removes
# exactly those.
files=$out/files.nsh
{
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
} >"$files"
setup=$out/keldary-$version-setup-x64.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" \
    -DLICENSE="$root/LICENSES/GPL-3.0-or-later.txt" -DICON="$build/src/keldary.ico" \
    -DOUTFILE="$setup" "$root/packaging/windows/keldary.nsi"

qt=${KELDARY_QT_WINDOWS##*/qt6-base-}
megabytes() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f MB", b / 1e6 }'; }
echo "Windows packages: $name.zip ($(megabytes "$out/$name.zip")), $(basename "$setup")" \
    "($(megabytes "$setup")), Qt ${qt%-mingw64}, $((${#targets[@]} - 1)) test programs; in $out"
