#!/usr/bin/env bash
# Starts the real program on a virtual X server and saves a picture of each
# of its five pages in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh screenshots
cmake --preset default >/dev/null
cmake --build --preset default --target Varnholt

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

build/default/src/Varnholt &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Varnholt Quarnet$' | head -n 1)
# With no window manager to give it, the window takes the keyboard itself.
xdotool windowfocus --sync "$window"
sleep 1

mkdir -p docs
for page in Armor EtcItem Weapon ArmorSets Info; do
    import -window "$window" "docs/$page.png"
    echo "docs/$page.png"
    # Ctrl+Tab brings the next page to the front.
    xdotool key ctrl+Tab
    sleep 0.5
done
