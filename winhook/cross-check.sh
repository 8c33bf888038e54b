#!/usr/bin/env bash
# Builds the Windows backend of the hook as a real DLL with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64), so that it keeps compiling, and checks that it exports both functions.
# Usage: winhook/cross-check.sh [output folder]   (default: a temporary folder)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$(mktemp -d)}
mkdir -p "$out"
x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror -O2 -shared \
    -static-libgcc -static-libstdc++ -I"$here" -o "$out/winhook.dll" "$here/WindowsHook.cpp"
exports=$(x86_64-w64-mingw32-objdump -p "$out/winhook.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
for name in SetHook FreeHook; do
    grep -qw "$name" <<<"$exports" || { echo "winhook.dll does not export $name" >&2; exit 1; }
done
echo "$out/winhook.dll"
