#!/usr/bin/env bash
# Cross-builds portalix.dll (and the simulated portalix_sim.dll) for 64-bit Windows, checks
# that the DLL exports the four functions under their plain names and needs no compiler
# runtime DLL beside it, and runs a probe program under Wine that loads both DLLs by name
# and calls their functions (tests/usbbridge/portalix_windows.cpp).
#   scripts/build-portalix-windows.sh [build folder]    (default: build-windows)
# Exit code 77 when the mingw-w64 tool chain is not installed (apt-get install
# g++-mingw-w64-x86-64-win32); a missing Wine is a failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-windows}"

if ! command -v x86_64-w64-mingw32-g++-win32 >/dev/null &&
   ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "mingw-w64 fehlt: apt-get install g++-mingw-w64-x86-64-win32" >&2
    exit 77
fi
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || { echo "$objdump fehlt" >&2; exit 77; }

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root/usbbridge" -B "$out" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$out" --target portalix portalix_sim

dll="$out/portalix.dll"
[ -f "$dll" ] || { echo "nicht gebaut: $dll" >&2; exit 1; }

dump="$("$objdump" -p "$dll")"
# Names of the export table: the lines after "[Ordinal/Name Pointer] Table".
exports="$(awk '/\[Ordinal\/Name Pointer\] Table/{t=1; next} t && /^[ \t]*\[/{print $NF} t && /^$/{t=0}' \
    <<<"$dump" | sort)"
expected="$(printf '%s\n' readram usbclose usbopen writeram)"
if [ "$exports" != "$expected" ]; then
    echo "Exporte von portalix.dll stimmen nicht:" >&2
    echo "$exports" >&2
    exit 1
fi

# Only DLLs every Windows has may be imported.
imports="$(awk '/DLL Name:/{print tolower($3)}' <<<"$dump" | sort -u)"
for d in $imports; do
    case "$d" in
        kernel32.dll|setupapi.dll|msvcrt.dll|user32.dll|advapi32.dll) ;;
        *) echo "portalix.dll braucht $d" >&2; exit 1 ;;
    esac
done

echo "$dll: exportiert $(tr '\n' ' ' <<<"$exports")"
echo "importiert: $(tr '\n' ' ' <<<"$imports")"

# The probe beside the two DLLs, so that it finds them by name as the program would.
sim="$(find "$out" -maxdepth 2 -name portalix_sim.dll | head -1)"
[ -n "$sim" ] || { echo "nicht gebaut: portalix_sim.dll" >&2; exit 1; }
[ "$sim" -ef "$out/portalix_sim.dll" ] || cp "$sim" "$out/portalix_sim.dll"
cxx=""
for c in x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++; do
    command -v "$c" >/dev/null && { cxx="$c"; break; }
done
probe="$out/portalix_probe.exe"
"$cxx" -std=c++20 -O2 -Wall -Wextra -Werror -static "$root/tests/usbbridge/portalix_windows.cpp" \
    -o "$probe"
source "$root/scripts/wine-umgebung.sh"
wine_bereit "$out"
wine "$probe"
