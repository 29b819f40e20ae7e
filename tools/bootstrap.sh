#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages listed in tools/packages.txt that are not installed yet.
# Works on Debian 12 and 13: a name with {clang} in it is completed with the major
# version of the clang that the first round installed (libclang-rt-14-dev on
# Debian 12, libclang-rt-19-dev on Debian 13), so the fuzzer and sanitizer
# runtimes and llvm-symbolizer always belong to the compiler that uses them.
# Needs root (or sudo) only when something is missing.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

sudo_cmd=()
if ((EUID != 0)); then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
updated=false

install_missing() { # package...
    local missing=() package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$package")
    done
    ((${#missing[@]} > 0)) || return 0
    echo "Installing: ${missing[*]}"
    if ! $updated; then
        "${sudo_cmd[@]}" apt-get update -qq
        updated=true
    fi
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

mapfile -t wanted < <(grep -v '^\s*#' "$here/packages.txt" | awk 'NF {print $1}')
plain=() versioned=()
for package in "${wanted[@]}"; do
    if [[ $package == *'{clang}'* ]]; then versioned+=("$package"); else plain+=("$package"); fi
done

install_missing "${plain[@]}"

if ((${#versioned[@]} > 0)); then
    major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
    if [[ -z $major ]]; then
        echo "bootstrap.sh: cannot read the major version from 'clang --version'" >&2
        exit 1
    fi
    install_missing "${versioned[@]//\{clang\}/$major}"
fi
