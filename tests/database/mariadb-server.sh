#!/usr/bin/env bash
# The throw-away MariaDB server of the database tests.
#
#   mariadb-server.sh start STATE   install a server in a fresh temporary directory
#                                   and start it; STATE records that directory
#   mariadb-server.sh stop STATE    stop the server that STATE records and remove
#                                   its directory and STATE
#
# The server listens on DIR/server.sock only (no TCP), reads no option files
# and keeps its default SQL mode: the statements must work on a server as it
# comes. The few options given only keep its files small and its start quick.
# Its root account has no password; nothing but the socket reaches it.
#
# `start` first stops whatever an earlier run that died left in STATE, and
# removes everything it made again when the server does not come up. The
# programs default to the Debian locations; MARIADBD, MARIADB_INSTALL_DB and
# MARIADB_ADMIN override them.
set -euo pipefail

readonly dir_prefix=varnholt-mariadb.
readonly startup_seconds=60
readonly shutdown_seconds=30

mariadbd=${MARIADBD:-/usr/sbin/mariadbd}
install_db=${MARIADB_INSTALL_DB:-mariadb-install-db}
admin=${MARIADB_ADMIN:-mariadb-admin}

# Small InnoDB files and buffer pool: a few tiny tables is all the tests hold.
server_options=(--innodb-log-file-size=4M --innodb-buffer-pool-size=32M)
# mariadbd refuses to run as root unless told to.
user_options=()
[ "$(id -u)" -ne 0 ] || user_options=(--user=root)

usage()
{
    echo "usage: $0 start|stop STATE" >&2
    exit 2
}

# True while `pid` is a live process of the server in `dir` (a zombie is not
# live, and a pid that has been reused by anything else is not ours to stop).
server_running()
{
    local pid=$1 dir=$2 state
    [ -r "/proc/$pid/cmdline" ] || return 1
    state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$pid/status" 2>/dev/null) || return 1
    [ "$state" != Z ] || return 1
    tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | grep -qxF -- "--datadir=$dir/data"
}

# Stops the server in `dir`, if one runs, and removes `dir`.
stop_server_in()
{
    local dir=$1 pid waited
    case "$(basename -- "$dir")" in
        "$dir_prefix"*) ;;
        *) echo "refusing to remove $dir: not a server directory of these tests" >&2; return 1 ;;
    esac
    if [ -r "$dir/server.pid" ]; then
        pid=$(cat "$dir/server.pid")
        if server_running "$pid" "$dir"; then
            kill -TERM "$pid" 2>/dev/null || true
            waited=0
            while server_running "$pid" "$dir" && [ "$waited" -lt $((shutdown_seconds * 10)) ]; do
                sleep 0.1
                waited=$((waited + 1))
            done
            if server_running "$pid" "$dir"; then
                echo "server $pid did not stop within ${shutdown_seconds}s; killing it" >&2
                kill -KILL "$pid" 2>/dev/null || true
                sleep 0.5
            fi
        fi
    fi
    rm -rf -- "$dir"
}

stop()
{
    local state=$1
    [ -e "$state" ] || return 0
    local dir
    dir=$(cat "$state")
    [ -z "$dir" ] || [ ! -e "$dir" ] || stop_server_in "$dir"
    rm -f -- "$state"
}

start()
{
    state_file=$1
    stop "$state_file"

    server_dir=$(mktemp -d "${TMPDIR:-/tmp}/${dir_prefix}XXXXXXXXXX")
    local socket=$server_dir/server.sock
    # From here on a failure takes the half-made server down with it.
    trap 'status=$?; [ $status -eq 0 ] || { show_log; stop_server_in "$server_dir" || true; rm -f -- "$state_file"; }' EXIT
    printf '%s\n' "$server_dir" >"$state_file"

    # The path of a Unix socket is limited to 107 bytes.
    if [ ${#socket} -gt 107 ]; then
        echo "socket path too long for a Unix socket: $socket (set TMPDIR to a shorter directory)" >&2
        return 1
    fi

    "$install_db" --no-defaults "${user_options[@]}" --datadir="$server_dir/data" \
        --auth-root-authentication-method=normal --skip-test-db --skip-name-resolve \
        "${server_options[@]}" >"$server_dir/install.log" 2>&1 \
        || { echo "mariadb-install-db failed:" >&2; cat "$server_dir/install.log" >&2; return 1; }

    # The server must not hold the test's output open, or CTest would wait for
    # it to exit before it counts this test as done.
    "$mariadbd" --no-defaults "${user_options[@]}" --datadir="$server_dir/data" --socket="$socket" \
        --skip-networking --pid-file="$server_dir/data/mariadbd.pid" --log-error="$server_dir/error.log" \
        --tmpdir="$server_dir" "${server_options[@]}" </dev/null >"$server_dir/server.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$server_dir/server.pid"

    local waited=0
    until "$admin" --no-defaults --socket="$socket" --user=root ping >/dev/null 2>&1; do
        if ! server_running "$pid" "$server_dir"; then
            echo "the server exited while starting" >&2
            return 1
        fi
        if [ "$waited" -ge $((startup_seconds * 10)) ]; then
            echo "the server did not answer within ${startup_seconds}s" >&2
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    echo "MariaDB server $pid listening on $socket"
}

show_log()
{
    [ ! -r "$server_dir/error.log" ] || { echo "--- server log:" >&2; tail -n 40 "$server_dir/error.log" >&2; }
}

[ $# -eq 2 ] || usage
case "$1" in
    start) start "$2" ;;
    stop) stop "$2" ;;
    *) usage ;;
esac
