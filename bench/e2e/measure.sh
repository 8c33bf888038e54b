#!/usr/bin/env bash
# Measures, from outside, the three figures that matter beside the simulator: key-to-screen latency
# of the command line, resident memory idle and collapsed, and exec to window mapped.
#   measure.sh [build dir]    (default: ../../build next to this script)
# Needs Xvfb, xdotool, xwininfo and the key-latency tools' sources (KES_KEYLATENCY, default
# /work/shared/tools/keylatency). The program's window is never focused: keys go to another one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
program=$build/app/Vortal_Kes_Shortcuts
target=$build/tests/e2e/kes_keytarget
tools_src=${KES_KEYLATENCY:-/work/shared/tools/keylatency}
starts=${KES_STARTS:-5}
keys=${KES_KEYS:-200}

work=$(mktemp -d)
pids=()
cleanup() {
    # the display last, so no client sees its server go
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    sleep 0.2
    rm -rf "$work"
}
trap cleanup EXIT

"$tools_src/build.sh" "$work" >/dev/null

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -ac -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 number <"$work/display"
export DISPLAY=":$number"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Exec to window mapped: the first start pays for the font cache and page cache, so it is shown apart.
maps=()
for i in $(seq "$starts"); do
    # to a file: the child keeps the output open while it runs
    "$work/startmap" -- "$program" >"$work/startmap.out" 2>&1
    out=$(cat "$work/startmap.out")
    ms=$(sed -n 's/^exec->map \([0-9.]*\) ms.*/\1/p' <<<"$out" | head -1)
    pid=$(sed -n 's/^pid \([0-9]*\)$/\1/p' <<<"$out" | head -1)
    [ "$i" = 1 ] && echo "start-up, first (cold) run: $ms ms" || maps+=("$ms")
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    sleep 0.5
done
echo "start-up exec to mapped, median of $((starts - 1)) warm runs: $(printf '%s\n' "${maps[@]}" | median) ms"

"$target" 600 >/dev/null &
pids+=($!)
"$program" &
pids+=($!)
app=$!
sleep 4   # splash and fade-in over, every one-shot timer run out
window=$(xdotool search --sync --onlyvisible --pid "$app" | head -1)
focus=$(xdotool search --sync --onlyvisible --name "Key target" | head -1)
xdotool windowactivate --sync "$focus" 2>/dev/null || xdotool windowfocus --sync "$focus"

echo "resident memory idle, collapsed: $(( $(ps -o rss= -p "$app") / 1024 )) MB"

eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
letters=$(echo {a..z} | tr ' ' ',')
"$work/xtlat" -r "$((x + 8)),$((y + 64)),735,57" -n "$keys" -s 1000 -k "$letters" | grep -v '^sample' 
