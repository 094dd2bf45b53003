#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++-14 in build-fuzz/ and runs each for the given
# number of seconds (default 20); names after the seconds pick targets. Exits 77 (skipped)
# when clang++-14 or its fuzzer runtime is missing.
#   scripts/fuzz.sh [SEKUNDEN [ZIEL...]]
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
ziele=(fuzz_dszaehler fuzz_controlbox fuzz_sensorbox fuzz_mscomm fuzz_lapster fuzz_szenario
    fuzz_einstellungen fuzz_grenze fuzz_ergebniszeile)
if [ $# -gt 1 ]; then ziele=("${@:2}"); fi

if ! command -v clang++-14 >/dev/null 2>&1; then
    echo "clang++-14 fehlt: Fuzzer übersprungen"
    exit 77
fi
if ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "libFuzzer-Laufzeit von clang 14 fehlt (libclang-rt-14-dev): Fuzzer übersprungen"
    exit 77
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DPISTORELLE_FUZZ=ON \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build build-fuzz --target "${ziele[@]}" -j2

status=0
for ziel in "${ziele[@]}"; do
    korpus=build-fuzz/korpus/$ziel
    mkdir -p "$korpus"
    optionen=(-max_total_time="$sekunden" -print_final_stats=1 -timeout=20
        -artifact_prefix=build-fuzz/"$ziel"-)
    woerter=fuzz/${ziel#fuzz_}.dict
    [ -f "$woerter" ] && optionen+=(-dict="$woerter")
    saat=fuzz/saat/${ziel#fuzz_}
    [ -d "$saat" ] || saat=
    echo "== $ziel: $sekunden s"
    if ! build-fuzz/fuzz/$ziel "${optionen[@]}" "$korpus" $saat 2>build-fuzz/$ziel.log; then
        echo "$ziel: Fehler gefunden, siehe build-fuzz/$ziel.log"
        tail -40 build-fuzz/$ziel.log
        status=1
    else
        grep -E "stat::number_of_executed_units|cov:" build-fuzz/$ziel.log | tail -2
    fi
done
exit $status
