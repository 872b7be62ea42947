#!/usr/bin/env bash
# A private Samba server on loopback for the club-save tests.
#   smbd.sh start STATE_FILE PORT   set up a temp folder, start smbd, write the folder to STATE_FILE
#   smbd.sh stop STATE_FILE         stop that smbd and remove its folder
# Address 127.0.0.N gets the share [C] of machine N (N = 1..30) through a per-address include;
# the tests rewrite an include to make one machine refuse writes. Without root or smbd the start
# step only explains why and writes no state file, and the tests skip themselves.
set -euo pipefail

machines=30
command=${1:?usage: smbd.sh start|stop STATE_FILE [PORT]}
state=${2:?state file missing}

share_conf() {  # share_conf FOLDER READ_ONLY
    printf '[C]\n    path = %s\n    guest ok = yes\n    read only = %s\n' "$1" "$2"
}

start() {
    local port=${1:?port missing}
    rm -f "$state"
    if [ "$(id -u)" -ne 0 ]; then
        echo "SMB tests skipped: smbd needs root (running as uid $(id -u))."
        return 0
    fi
    local smbd
    smbd=$(command -v smbd || true)
    [ -n "$smbd" ] || [ ! -x /usr/sbin/smbd ] || smbd=/usr/sbin/smbd
    if [ -z "$smbd" ]; then
        echo "SMB tests skipped: smbd is not installed (Debian package samba)."
        return 0
    fi
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        echo "Port $port on 127.0.0.1 is already taken; another SMB test server is running?" >&2
        return 1
    fi

    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/quillex-smbd.XXXXXX")
    chmod 0755 "$dir"  # the guest account must reach the share folders
    mkdir -p "$dir"/{private,lock,state,cache,pid,log,conf}
    local n
    for ((n = 1; n <= machines; n++)); do
        mkdir -p "$dir/share/$n/Games/Half-Life/cstrike"
        share_conf "$dir/share/$n" no >"$dir/conf/127.0.0.$n.conf"
    done
    chmod -R a+rwX "$dir/share"

    local addresses=""
    for ((n = 1; n <= machines; n++)); do addresses+=" 127.0.0.$n/8"; done
    cat >"$dir/smb.conf" <<CONF
[global]
    server role = standalone server
    workgroup = QUILLEX
    smb ports = $port
    interfaces =$addresses
    bind interfaces only = yes
    disable netbios = yes
    map to guest = Bad User
    guest account = nobody
    private dir = $dir/private
    lock directory = $dir/lock
    state directory = $dir/state
    cache directory = $dir/cache
    pid directory = $dir/pid
    log file = $dir/log/smbd.log
    log level = 1
    load printers = no
    printcap name = /dev/null
    disable spoolss = yes
    rpc start on demand helpers = no
    include = $dir/conf/%i.conf
CONF

    # Its own session, output to a file: the test runner must not wait for it.
    setsid "$smbd" -F --no-process-group -s "$dir/smb.conf" </dev/null >"$dir/log/stdout" 2>&1 &
    local pid=$!
    echo "$pid" >"$dir/smbd.pid"

    local i
    for ((i = 0; i < 100; i++)); do
        if (exec 3<>"/dev/tcp/127.0.0.$machines/$port") 2>/dev/null; then
            printf '%s\n' "$dir" >"$state"
            echo "smbd $pid listening on 127.0.0.1-$machines port $port, folder $dir"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    echo "smbd did not start; its log:" >&2
    cat "$dir/log/stdout" "$dir/log/smbd.log" >&2 2>/dev/null || true
    stop_dir "$dir"
    return 1
}

stop_dir() {
    local dir=$1
    if [ -f "$dir/smbd.pid" ]; then
        local pid
        pid=$(cat "$dir/smbd.pid")
        # smbd leads its own session; its connection children share its process group.
        kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true
        local i
        for ((i = 0; i < 50 && $(kill -0 "$pid" 2>/dev/null && echo 1 || echo 0); i++)); do
            sleep 0.1
        done
        kill -KILL -- "-$pid" 2>/dev/null || true
    fi
    case "$dir" in
        */quillex-smbd.*) rm -rf "$dir" ;;
    esac
}

case "$command" in
    start) start "${3:-}" ;;
    stop)
        if [ -f "$state" ]; then
            stop_dir "$(cat "$state")"
            rm -f "$state"
        fi
        ;;
    *)
        echo "unknown command $command" >&2
        exit 2
        ;;
esac
