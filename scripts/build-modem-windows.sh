#!/usr/bin/env bash
# Cross-builds the Windows modem-line watcher (WaitCommEvent in its own thread) with mingw-w64,
# together with a small check program, and makes sure it needs no DLL beyond Windows' own.
# Runs the check under Wine with COM5 mapped to a pseudo-terminal whose other end (socat)
# answers the program's request with a known text: the port opens, the bytes are read, and
# the watcher refuses a port without modem lines cleanly.
#   scripts/build-modem-windows.sh [build folder]    (default: build-windows-modem)
# Exit code 77 when the mingw-w64 tool chain is not installed (apt-get install
# g++-mingw-w64-x86-64-win32); a missing Wine or socat is a failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-windows-modem}"

cxx=""
for c in x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++; do
    command -v "$c" >/dev/null && { cxx="$c"; break; }
done
[ -n "$cxx" ] || { echo "mingw-w64 fehlt: apt-get install g++-mingw-w64-x86-64-win32" >&2; exit 77; }
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || { echo "$objdump fehlt" >&2; exit 77; }

mkdir -p "$out"
exe="$out/modemkanten_windows.exe"
"$cxx" -std=c++20 -O2 -Wall -Wextra -Werror -static -I"$root" \
    "$root/hardware/ModemKantenWindows.cpp" "$root/tests/serial/modemkanten_windows.cpp" \
    -o "$exe"

dump="$("$objdump" -p "$exe")"
grep -q "WaitCommEvent" <<<"$dump" || { echo "WaitCommEvent wird nicht benutzt" >&2; exit 1; }
imports="$(awk '/DLL Name:/{print tolower($3)}' <<<"$dump" | sort -u)"
for d in $imports; do
    case "$d" in
        kernel32.dll|msvcrt.dll|user32.dll|advapi32.dll|api-ms-win-*) ;;
        *) echo "$exe braucht $d" >&2; exit 1 ;;
    esac
done
echo "$exe: importiert $(tr '\n' ' ' <<<"$imports")"

command -v socat >/dev/null || { echo "socat fehlt: apt-get install socat" >&2; exit 1; }
source "$root/scripts/wine-umgebung.sh"
wine_bereit "$out"

text="DS300 an COM5 ueber Wine: 35 Bytes!"
pty="$out/com5-pty"
rm -f "$pty"
# The peer waits for the program's line, then sends the text and stays until it is read.
gegenstelle="$out/gegenstelle.sh"
printf '#!/bin/sh\nread -r zeile\nprintf %%s "$TEXT"\nsleep 20\n' >"$gegenstelle"
chmod +x "$gegenstelle"
TEXT="$text" socat PTY,link="$pty",raw,echo=0 EXEC:"$gegenstelle" &
socat_pid=$!
trap 'wineserver -w >/dev/null 2>&1 || true; kill $socat_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "$pty" ] && break; sleep 0.05; done
[ -e "$pty" ] || { echo "socat hat kein Pseudo-Terminal geöffnet" >&2; exit 1; }
ln -sfn "$(readlink -f "$pty")" "$WINEPREFIX/dosdevices/com5"
wine "$exe" COM5 "$text"
