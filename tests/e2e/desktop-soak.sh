#!/usr/bin/env bash
# The real program under an X server for a minute with the light on, while
# random clicks move every control of the "Controls" group and keys type
# into the metal-4 box. It must keep running, and its resident memory after
# the minute must be within 2 MB of what it was after 10 s.
# Usage: desktop-soak.sh PROGRAM [SECONDS] [SEED]  (DISPLAY must be set)
set -euo pipefail

program=$1
seconds=${2:-60}
RANDOM=${3:-20261208}

"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    window=$(xdotool search --name "^Lumetra Photoelectric Effect$" 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "desktop soak: the window did not appear"; exit 1; }
sleep 0.5

resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }

# "Light On", in the window's coordinates.
click 254 484

start=$SECONDS
rss_at_10=
actions=0
while ((SECONDS - start < seconds)); do
    kill -0 "$pid" 2>/dev/null || { echo "desktop soak: the program ended after $actions actions"; exit 1; }
    case $((RANDOM % 10)) in
    0 | 1 | 2 | 3 | 4 | 5)
        # Anywhere in the controls group but the exit button's corner.
        x=$((20 + RANDOM % 690))
        y=$((450 + RANDOM % 130))
        click "$x" "$y"
        ;;
    6) xdotool type --window "$window" --delay 20 "$((RANDOM % 100))" ;;
    7) xdotool key --window "$window" BackSpace BackSpace ;;
    8) click $((60 + RANDOM % 600)) $((60 + RANDOM % 300)) ;;
    9) xdotool key --window "$window" Escape ;;
    esac
    actions=$((actions + 1))
    if [[ -z $rss_at_10 ]] && ((SECONDS - start >= 10)); then
        rss_at_10=$(resident_kib)
    fi
done
kill -0 "$pid" 2>/dev/null || { echo "desktop soak: the program ended"; exit 1; }
rss_at_end=$(resident_kib)
growth=$((rss_at_end - rss_at_10))
echo "desktop soak: $actions actions in ${seconds} s; resident $((rss_at_10 / 1024)) MB after 10 s, $((rss_at_end / 1024)) MB at the end"
if ((growth > 2048)); then
    echo "desktop soak: resident memory grew by ${growth} KiB (limit 2048)"
    exit 1
fi
