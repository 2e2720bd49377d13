#!/usr/bin/env bash
# Times the program from process start until its window is mapped on an X
# server, and measures its peak memory, against a bare Qt window with a
# five-tab page control built from the same toolkit. Runs the two in
# alternating pairs on a private Xvfb display and prints the medians and the
# median of the per-pair ratios.
#
# usage: scripts/startup-timing.sh [PAIRS]     (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=${1:-15}
limit=1.25

bash scripts/deps.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target Varnholt bare_window launch_until_mapped >/dev/null

program=build/bench/src/Varnholt
bare=build/bench/bench/bare_window
launch=build/bench/bench/launch_until_mapped

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# A runtime directory of their own spares both programs Qt's warning about
# a missing one.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# One start of one program: "<ms to mapped window> <peak RSS in KiB>".
measure() {
    local title=$1 binary=$2 line
    line=$("$launch" "$title" "$binary" 2>>"$work/programs.log") || {
        echo "starting $binary failed:" >&2
        cat "$work/programs.log" >&2
        exit 1
    }
    line=${line#map_ms=}
    echo "${line% max_rss_kb=*} ${line#* max_rss_kb=}"
}

echo "Display $DISPLAY, $pairs pairs (after one warm-up pair), alternating which starts first"
measure "Varnholt Quarnet" "$program" >/dev/null
measure "Bare Window" "$bare" >/dev/null

printf '%4s %12s %12s %7s %14s %14s %7s\n' pair program_ms bare_ms ratio program_kib bare_kib ratio
for i in $(seq "$pairs"); do
    if [ $((i % 2)) -eq 1 ]; then
        p=$(measure "Varnholt Quarnet" "$program")
        b=$(measure "Bare Window" "$bare")
    else
        b=$(measure "Bare Window" "$bare")
        p=$(measure "Varnholt Quarnet" "$program")
    fi
    read -r pt pm <<<"$p"
    read -r bt bm <<<"$b"
    awk -v i="$i" -v pt="$pt" -v bt="$bt" -v pm="$pm" -v bm="$bm" \
        'BEGIN { printf "%4d %12.1f %12.1f %7.3f %14d %14d %7.3f\n", i, pt, bt, pt / bt, pm, bm, pm / bm }' |
        tee -a "$work/pairs"
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
m_pt=$(awk '{ print $2 }' "$work/pairs" | median)
m_bt=$(awk '{ print $3 }' "$work/pairs" | median)
m_tr=$(awk '{ print $4 }' "$work/pairs" | median)
m_pm=$(awk '{ print $5 }' "$work/pairs" | median)
m_bm=$(awk '{ print $6 }' "$work/pairs" | median)
m_mr=$(awk '{ print $7 }' "$work/pairs" | median)

verdict() { awk -v r="$1" -v l="$limit" 'BEGIN { print (r <= l) ? "within" : "OVER" }'; }
echo
echo "start to mapped window: program median $m_pt ms, bare window median $m_bt ms"
echo "  median ratio $m_tr ($(verdict "$m_tr") the limit of $limit)"
echo "peak memory (max RSS):  program median $m_pm KiB, bare window median $m_bm KiB"
echo "  median ratio $m_mr ($(verdict "$m_mr") the limit of $limit)"
