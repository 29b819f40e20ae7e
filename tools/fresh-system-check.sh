#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the README on a fresh Debian system. Run by hand, as root; not part of CI.
#
#   tools/fresh-system-check.sh RELEASE            (bookworm, trixie, ...)
#   tools/fresh-system-check.sh RELEASE FILE.deb   (only the install-and-start steps, with that package)
#
# 1. debootstraps a fresh minbase root of RELEASE, clones this repository (the
#    commit checked out here, or $KELDARY_COMMIT) into /root/keldary with this
#    machine's git, so the root has none, and runs the README's test command
#    `bash tools/test.sh` in it, as a container or a build machine runs it:
#    under `env -i` with HOME and PATH only (no LANG, LC_*, XDG_RUNTIME_DIR,
#    DISPLAY);
# 2. unpacks a `git archive` of the same commit, as packagers get the source,
#    into /root/keldary-tarball (no .git) and runs `bash tools/test.sh` there too;
#    then runs `tools/run.sh` in the clone under xvfb-run and takes a screenshot;
# 3. builds the .deb (`cpack -G DEB` in build/default);
# 4. debootstraps a second fresh minbase root, installs the .deb with apt, starts
#    the installed program under Xvfb and takes a screenshot.
# With FILE.deb only step 4 runs, with that package: this is how the package
# built on Debian 12 is proven to install and start on Debian 13.
#
# The archive is the Debian archive that this machine's own apt sources name
# (/etc/apt/sources.list, /etc/apt/sources.list.d/*.list and *.sources).
# Every step prints PASS or FAIL with its time; logs, packages and screenshots
# stay in the work directory ($FRESH_WORK, default /var/tmp/keldary-fresh) and
# the roots are removed at the end unless FRESH_KEEP=1. Mounts are always undone.
# ../shared beside this checkout is copied beside the sources in the root, as
# CI has it, unless FRESH_SHARED=no.
# Builds in the roots use $CMAKE_BUILD_PARALLEL_LEVEL jobs (default 2).
# FRESH_WINDOWS=1 also runs the README's Windows command `bash tools/test.sh
# --windows` in the clone, after its test command: it builds Qt for Windows
# into the root's own cache (unless ../shared has a matching copy), so the
# tarball's test command that follows runs every stage, the Windows ones too.
set -uo pipefail

usage() { echo "usage: $0 RELEASE [FILE.deb]" >&2; exit 2; }
(($# == 1 || $# == 2)) || usage
release=$1
given_deb=${2:-}
[[ $release =~ ^[a-z]+$ ]] || usage
if ((EUID != 0)); then
    echo "fresh-system-check.sh: needs root (debootstrap, chroot, mounts)" >&2
    exit 2
fi
if [[ -n $given_deb ]]; then
    [[ -f $given_deb ]] || { echo "fresh-system-check.sh: no such package: $given_deb" >&2; exit 2; }
    given_deb=$(realpath "$given_deb")
fi

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$repo" rev-parse "${KELDARY_COMMIT:-HEAD}") || exit 2
stamp=$(date -u +%Y%m%dT%H%M%SZ)
work=${FRESH_WORK:-/var/tmp/keldary-fresh}/$release-$stamp
mkdir -p "$work"
jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
title="Keldary - Metals Weight Calculator"

# Host tools: debootstrap and the keyring that signs the releases (CI needs
# neither, so tools/packages.txt does not list them).
for package in debootstrap debian-archive-keyring; do
    if [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) != "install ok installed" ]]; then
        echo "Installing $package on this machine"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null || exit 2
    fi
done

# --- the archive, from this machine's apt sources ------------------------------
# Prints "URI SUITE" for every Debian archive entry with the main component.
apt_entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        # deb [options] URI SUITE COMPONENT...
        sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$file" |
            awk '$1 == "deb" && NF >= 4 { for (i = 4; i <= NF; i++) if ($i == "main") { print $2, $3; break } }'
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        # deb822 stanzas: Types, URIs, Suites, Components (Enabled: no skips one)
        awk '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && comps ~ /(^| )main( |$)/ && enabled != "no")
                    for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) print uri[u], suite[s]
                types = comps = enabled = ""; nu = ns = 0
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            {
                key = tolower($1); sub(/:$/, "", key)
                if (key == "types")      { types = " " substr($0, index($0, ":") + 1) " " }
                else if (key == "components") { comps = " " substr($0, index($0, ":") + 1) " " }
                else if (key == "enabled") { enabled = tolower($2) }
                else if (key == "uris")   { for (i = 2; i <= NF; i++) uri[++nu] = $i }
                else if (key == "suites") { for (i = 2; i <= NF; i++) suite[++ns] = $i }
            }
            END { flush() }' "$file"
    done
}
# The release archive is an entry whose suite is a plain release name (no
# -updates or -security) and whose downloaded Release file says Origin: Debian
# when apt has one; the security archive is the entry for a *-security suite.
is_debian() { # URI SUITE
    local list
    list=/var/lib/apt/lists/$(sed -e 's|^[a-z]*://||' -e 's|/*$||' -e 's|/|_|g' <<<"$1")_dists_$2_
    local release_file
    for release_file in "${list}InRelease" "${list}Release"; do
        [[ -f $release_file ]] && { grep -q '^Origin: Debian$' "$release_file"; return; }
    done
    return 0
}
mirror='' security=''
while read -r uri suite; do
    if [[ $suite != *-* && -z $mirror ]] && is_debian "$uri" "$suite"; then
        mirror=$uri
    elif [[ $suite == *-security && -z $security ]] && is_debian "$uri" "$suite"; then
        security=$uri
    fi
done < <(apt_entries)
if [[ -z $mirror ]]; then
    echo "fresh-system-check.sh: this machine's apt sources name no Debian archive" >&2
    exit 2
fi

# --- steps, mounts and clean-up ------------------------------------------------
mounts=()
roots=()
results=()
failed=0

umount_all() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null || true
    done
    mounts=()
}
stop_root_processes() { # root: ends what a step left running in it (Xvfb, cupsd)
    local root proc link
    root=$(realpath "$1")
    for proc in /proc/[0-9]*; do
        link=$(readlink "$proc/root" 2>/dev/null) || continue
        [[ $link == "$root" ]] && kill -9 "${proc#/proc/}" 2>/dev/null
    done
    return 0
}
umount_below() { # root: whatever else is still mounted in it (debootstrap stopped half-way mounts /proc)
    local target
    while read -r target; do
        umount "$target" 2>/dev/null || umount -l "$target" 2>/dev/null || true
    done < <(awk -v root="$(realpath "$1")/" 'index($2, root) == 1 {print $2}' /proc/mounts | sort -r)
}
cleanup() {
    local root
    for root in "${roots[@]}"; do stop_root_processes "$root"; done
    umount_all
    for root in "${roots[@]}"; do umount_below "$root"; done
    if [[ ${FRESH_KEEP:-0} != 1 ]]; then
        for root in "${roots[@]}"; do
            # never remove a root that still has something mounted in it
            grep -q " $(realpath "$root")/" /proc/mounts || rm -rf "$root"
        done
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_root() { # root
    local root=$1
    mount -t proc proc "$root/proc" && mounts+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && mounts+=("$root/sys")
    # private, so nothing mounted below the root shows up on the host
    mount --bind /dev "$root/dev" && mounts+=("$root/dev") && mount --make-private "$root/dev"
    mount --bind /dev/pts "$root/dev/pts" && mounts+=("$root/dev/pts") && mount --make-private "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm" && mounts+=("$root/dev/shm")
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# Runs a command in the root with a clean environment, output to the step's
# log: no locale, no runtime directory, no display. (The build's job count and
# apt's frontend are the only additions to HOME and PATH.)
in_root() { # root, command...
    local root=$1; shift
    env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive CMAKE_BUILD_PARALLEL_LEVEL="$jobs" \
        chroot "$root" "$@"
}

step() { # name, command...   prints PASS/FAIL and the time; the output goes to the log
    local name=$1; shift
    local log
    log=$work/$(tr -c 'a-zA-Z0-9\n' '-' <<<"$name" | tr -s '-' | sed 's/-$//').log
    local start=$SECONDS status
    printf '%-58s ' "$name"
    "$@" >"$log" 2>&1
    status=$?
    local took=$((SECONDS - start))
    local time
    time=$(printf '%dm%02ds' $((took / 60)) $((took % 60)))
    if ((status == 0)); then
        echo "PASS  $time"
        results+=("PASS  $time  $name")
    else
        echo "FAIL  $time  (exit $status; log: $log)"
        tail -n 30 "$log" | sed 's/^/    | /'
        results+=("FAIL  $time  $name")
        failed=1
    fi
    return $status
}

make_root() { # root
    local root=$1
    roots+=("$root")
    debootstrap --variant=minbase "$release" "$root" "$mirror" || return
    # Everything a fresh installation's apt would see: the release, its
    # updates and, where this machine has one, its security archive.
    {
        echo "deb $mirror $release main"
        echo "deb $mirror $release-updates main"
        [[ -n $security ]] && echo "deb $security $release-security main"
    } >"$root/etc/apt/sources.list"
    # Packages installed in the root must not start services (cupsd); the
    # tests start their own.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    put_screenshot_script "$root"
    mount_root "$root" || return
    in_root "$root" apt-get update -q
}

# Waits for the calculator window on the display, screenshots the whole screen
# and checks that the program is still running: /tmp/screenshot.sh OUT.png COMMAND...
# in a root, under xvfb-run.
put_screenshot_script() { # root
    cat >"$1/tmp/screenshot.sh" <<SCRIPT
set -u
out=\$1; shift
"\$@" &
app=\$!
for _ in \$(seq 600); do
    xwininfo -name "$title" >/dev/null 2>&1 && break
    kill -0 \$app 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
    sleep 0.5
done
xwininfo -name "$title" || { echo "no window named $title"; kill \$app; exit 1; }
sleep 2
import -window root "\$out" || exit 1
kill -0 \$app || { echo "the program did not keep running"; exit 1; }
kill \$app
wait \$app 2>/dev/null
echo "screenshot: \$out"
exit 0
SCRIPT
}
xvfb="xvfb-run -a -s '-screen 0 1024x768x24' bash /tmp/screenshot.sh"

echo "Fresh $release systems from the archive in this machine's apt sources; work directory $work"
echo "commit $(git -C "$repo" log -1 --format='%h %s' "$commit")"

deb=$given_deb
if [[ -z $deb ]]; then
    build=$work/build-root
    if step "$release: debootstrap --variant=minbase (build root)" make_root "$build"; then
        clone() {
            git clone -q --no-local --no-checkout "$repo" "$build/root/keldary" || return
            git -C "$build/root/keldary" checkout -q --detach "$commit"
        }
        tarball() {
            mkdir "$build/root/keldary-tarball" || return
            git -C "$repo" archive --format=tar "$commit" | tar -x -C "$build/root/keldary-tarball"
        }
        # CI has shared/ beside its clone; where this checkout has one, the root gets
        # it too, so both runs find the same prebuilt caches (Qt for Windows).
        # FRESH_SHARED=no leaves it out, as a newcomer's machine has none.
        if [[ -d $repo/../shared && ${FRESH_SHARED:-yes} != no ]]; then
            step "$release: ../shared beside the sources, as CI has it" cp -a "$repo/../shared" "$build/root/shared"
        fi
        step "$release: git clone $(git -C "$repo" rev-parse --short "$commit") (no git in the root)" clone &&
        step "$release: env -i bash tools/test.sh (clone)" in_root "$build" bash -c 'cd /root/keldary && bash tools/test.sh'
        if [[ ${FRESH_WINDOWS:-0} == 1 ]]; then
            step "$release: env -i bash tools/test.sh --windows (clone)" \
                in_root "$build" bash -c 'cd /root/keldary && bash tools/test.sh --windows'
        fi
        step "$release: git archive, unpacked (no .git)" tarball &&
        step "$release: env -i bash tools/test.sh (tarball)" \
            in_root "$build" bash -c 'cd /root/keldary-tarball && bash tools/test.sh'
        step "$release: xvfb-run bash tools/run.sh, screenshot" \
            in_root "$build" bash -c "cd /root/keldary && $xvfb /tmp/run.png bash tools/run.sh" &&
            cp "$build/tmp/run.png" "$work/$release-run.png" && echo "    screenshot of tools/run.sh: $work/$release-run.png"
        package() {
            in_root "$build" bash -c 'cd /root/keldary/build/default && rm -f keldary_*.deb && cpack -G DEB' || return
            cp "$build"/root/keldary/build/default/keldary_*.deb "$work/" || return
            ls "$work"/keldary_*.deb
        }
        step "$release: cpack -G DEB in build/default" package &&
            deb=$(ls "$work"/keldary_*.deb | head -n 1) && echo "    package: $deb"
    fi
    stop_root_processes "$build"
    umount_all
fi

if [[ -n $deb ]]; then
    install=$work/install-root
    if step "$release: debootstrap --variant=minbase (second root)" make_root "$install"; then
        cp "$deb" "$install/tmp/" &&
            step "$release: apt install ./$(basename "$deb")" \
                in_root "$install" apt-get install -y -q "/tmp/$(basename "$deb")" &&
            step "$release: installed keldary starts under Xvfb, screenshot" \
                in_root "$install" bash -c "apt-get install -y -q --no-install-recommends xvfb xauth x11-utils imagemagick &&
                    $xvfb /tmp/installed.png keldary" &&
            cp "$install/tmp/installed.png" "$work/$release-installed.png" &&
            echo "    screenshot of the installed program: $work/$release-installed.png"
    fi
    stop_root_processes "$install"
    umount_all
fi

echo
echo "Summary ($release, commit $(git -C "$repo" rev-parse --short "$commit")${given_deb:+, package $(basename "$given_deb")}):"
printf '  %s\n' "${results[@]}"
((failed == 0)) && echo "all steps passed" || echo "some steps FAILED (logs in $work)"
exit $failed
