#!/usr/bin/env bash
# Runs an end-to-end test program on a virtual X display of its own, which goes with it. Xvfb picks a
# free display itself, so tests running side by side never share one. Without Xvfb the program runs
# with no display, and its tests skip.
#   run-e2e.sh <test program> <arguments...>
set -euo pipefail
if ! command -v Xvfb >/dev/null; then
    unset DISPLAY
    exec "$@"
fi
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -f "$number_file"' EXIT
# The number is written once the server accepts clients.
for _ in $(seq 200); do [ -s "$number_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$number_file")"
"$@"
