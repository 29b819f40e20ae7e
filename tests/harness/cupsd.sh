#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one way the tests start a CUPS server of their own: cupsd with its
# configuration, spool, state, logs and socket in one folder, no printers,
# nothing of the machine's own CUPS set-up read or changed. Clients reach it
# with CUPS_SERVER=FOLDER/cups.sock and CUPS_SERVERROOT=FOLDER; it takes
# requests once its socket is there and `lpstat -r` says "scheduler is
# running" (its exit status is 0 either way). Its error log is
# FOLDER/log/error_log.
# cupsd runs its filters as the unprivileged lp user, so the folder is
# readable by all and its temp folder writable by all.
#
# Run it:    cupsd.sh FOLDER        the server in the foreground (it becomes
#            this process, so that the caller owns and stops it).
# Source it: start_cupsd FOLDER     the server in the background: exports
#            CUPS_SERVER and CUPS_SERVERROOT, sets cupsd_pid, and returns once
#            the server takes requests (fails after 15 s).

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    set -eu
    folder=${1:?usage: cupsd.sh FOLDER}
    mkdir -p "$folder"/{spool,tmp,cache,state,log}
    chmod 755 "$folder"
    chmod 1777 "$folder/tmp"
    cat >"$folder/cupsd.conf" <<CONF
Listen $folder/cups.sock
Browsing No
WebInterface No
LogLevel info
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
    cat >"$folder/cups-files.conf" <<CONF
ServerRoot $folder
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
CONF
    exec /usr/sbin/cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf"
fi

cupsd_harness=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/cupsd.sh

start_cupsd() { # FOLDER
    bash "$cupsd_harness" "$1" &
    cupsd_pid=$!
    export CUPS_SERVER=$1/cups.sock CUPS_SERVERROOT=$1
    local _
    for _ in $(seq 150); do
        [[ -S $1/cups.sock && $(lpstat -r 2>/dev/null) == "scheduler is running" ]] && return 0
        kill -0 "$cupsd_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "the private CUPS server did not start; its log:" >&2
    tail -n 20 "$1/log/error_log" >&2 2>/dev/null
    return 1
}
