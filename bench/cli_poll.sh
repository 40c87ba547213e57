#!/bin/bash
# commtest-cli poll against the simulated bus (commtest-sim on a pseudo-terminal).
#
#   bench/cli_poll.sh round [BUILD_DIR]   round time of all 18 instruments at 9600 baud against the
#                                         line-time limit (requests, turnarounds and replies)
#   bench/cli_poll.sh soak  [BUILD_DIR]   SOAK_MIN minutes (30) at 19200 baud publishing to a local
#                                         mosquitto that is stopped from OFF_AT_MIN (5) for OFF_MIN (10)
#                                         minutes: resident memory, delivery after the reconnection,
#                                         drops; CPU per 1,000 samples published
#   bench/cli_poll.sh publish [BUILD_DIR] CPU per 1,000 samples published to a local mosquitto alone
#                                         (commtest-mqtt-bench, without the serial line)
#   bench/cli_poll.sh report DIR          the soak's figures from its folder (also while it runs)
set -u
mode=${1:-round}
build=${2:-build}
bin=$(cd "$build/bin" 2>/dev/null && pwd) || { echo "no $build/bin" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)

start_sim() { # baud, folder
    "$bin/commtest-sim" --pty --verbose --baud "$1" >"$2/sim.out" 2>"$2/sim.err" &
    sim=$!
    for _ in $(seq 100); do dev=$(head -1 "$2/sim.out" 2>/dev/null); [ -n "$dev" ] && break; sleep 0.05; done
    [ -n "$dev" ] || { echo "simulator did not start" >&2; exit 1; }
}

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

case "$mode" in
round)
    dir=$(mktemp -d /tmp/cli_poll_round.XXXX)
    start_sim 9600 "$dir"
    # 50 rounds back to back (the shortest interval is below one round of 18 instruments).
    "$bin/commtest-cli" poll $(seq -s, 1 18) --port "$dev" --baud 9600 --interval 100 --count 50 >"$dir/out.jsonl"
    kill "$sim"; wait "$sim" 2>/dev/null
    python3 "$here/cli_poll_report.py" round "$dir/out.jsonl" "$dir/sim.err" 9600 20
    ;;
soak)
    dir=${SOAK_DIR:-$(mktemp -d /tmp/cli_poll_soak.XXXX)}
    mkdir -p "$dir"
    total=$(( ${SOAK_MIN:-30} * 60 )); off_at=$(( ${OFF_AT_MIN:-5} * 60 )); off=$(( ${OFF_MIN:-10} * 60 ))
    port=$(free_port)
    mkdir -p "$dir/broker"
    printf 'listener %s 127.0.0.1\nallow_anonymous true\npersistence true\npersistence_location %s/\nmax_queued_messages 0\n' \
        "$port" "$dir/broker" >"$dir/broker.conf"
    /usr/sbin/mosquitto -c "$dir/broker.conf" >>"$dir/broker.log" 2>&1 & broker=$!
    sleep 1
    start_sim 19200 "$dir"
    # A subscriber with a kept session: what the broker gets while it is away is still delivered.
    mosquitto_sub -h 127.0.0.1 -p "$port" -i soak-sub -c -q 1 -F '%U %t %p' -t 'commtest/#' >"$dir/sub.log" 2>&1 & sub=$!
    sleep 1
    "$bin/commtest-cli" poll $(seq -s, 1 18) --port "$dev" --baud 19200 --interval 100 \
        --mqtt "mqtt://127.0.0.1:$port" --mqtt-line soak >"$dir/cli.out" 2>"$dir/cli.err" & cli=$!
    echo "soak in $dir: pid $cli, broker port $port" >&2
    echo "start $(date +%s.%N)" >"$dir/events"
    t0=$(date +%s)
    off_done=0; on_done=0
    while :; do
        now=$(( $(date +%s) - t0 ))
        [ "$now" -ge "$total" ] && break
        echo "$now $(ps -o rss= -p $cli) $(cut -d' ' -f14,15 /proc/$cli/stat | tr ' ' '+' | bc)" >>"$dir/rss.log"
        if [ $off_done = 0 ] && [ "$now" -ge "$off_at" ]; then
            kill "$broker"; wait "$broker" 2>/dev/null; echo "broker_off $(date +%s.%N)" >>"$dir/events"; off_done=1
        fi
        if [ $on_done = 0 ] && [ "$now" -ge $(( off_at + off )) ]; then
            /usr/sbin/mosquitto -c "$dir/broker.conf" >>"$dir/broker.log" 2>&1 & broker=$!
            echo "broker_on $(date +%s.%N)" >>"$dir/events"; on_done=1
        fi
        sleep 10
    done
    kill -TERM "$cli"; wait "$cli"; echo "cli_exit $?" >>"$dir/events"
    echo "end $(date +%s.%N)" >>"$dir/events"
    sleep 3
    kill "$sub" "$sim" "$broker"; wait 2>/dev/null
    python3 "$here/cli_poll_report.py" soak "$dir"
    ;;
publish)
    dir=$(mktemp -d /tmp/cli_poll_publish.XXXX)
    port=$(free_port)
    /usr/sbin/mosquitto -p "$port" >"$dir/broker.log" 2>&1 & broker=$!
    sleep 1
    bench=$(cd "$bin/.." && pwd)/mqtt/commtest-mqtt-bench
    [ -x "$bench" ] || bench="$bin/commtest-mqtt-bench"
    # Fewer samples than the queue holds: the bench waits for every one to be acknowledged.
    "$bench" "$port" 5000 16
    kill "$broker"; wait "$broker" 2>/dev/null
    ;;
report)
    python3 "$here/cli_poll_report.py" soak "$build"
    ;;
*) echo "usage: $0 round|soak|report [BUILD_DIR|DIR]" >&2; exit 2 ;;
esac
