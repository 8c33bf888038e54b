#!/usr/bin/env bash
# Builds the program and starts it.
# On a machine without a display it runs a short demonstration instead: the program on a virtual X
# display, a few keys typed into another window there, and a screenshot of the result, whose path is
# printed before the script exits.
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/install-deps.sh"
build="${KES_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  cmake --build "$build" --target Vortal_Kes_Shortcuts
  exec "$build"/app/Vortal_Kes_Shortcuts "$@"
fi

cmake --build "$build" --target Vortal_Kes_Shortcuts kes_keytarget kes_xshot
out="$PWD/$build/demo"
mkdir -p "$out"

# A display number nobody uses.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$build"/app/Vortal_Kes_Shortcuts >"$out/program.log" 2>&1 &
pids+=($!)
xdotool search --sync --name "Vortal Kestrova" >/dev/null
# The splash fades in and hands the screen back to the main window before the user turns elsewhere.
sleep 4

"$build"/tests/e2e/kes_keytarget >"$out/typed.txt" 2>"$out/keytarget.log" &
pids+=($!)
target=$(xdotool search --sync --name "^Key target$" | head -n 1)
xdotool windowfocus --sync "$target"

type_key() { xdotool key --delay 120 "$@"; sleep 0.4; }
type_key h e l l o
type_key Next        # PAGEDOWN
type_key Control_L   # tapped: left Ctrl stays on for the next key
type_key z           # Time accelerate, with the left Ctrl key cap lit

"$build"/tests/e2e/kes_xshot "$out/screenshot.png"
echo "Screenshot of the demonstration: $out/screenshot.png"
