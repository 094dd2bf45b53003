#!/usr/bin/env bash
# Builds the libFuzzer targets of the timing boxes with clang++-14 in build-fuzz/ and runs each
# for the given number of seconds (default 20). Exits 77 (skipped) when clang++-14 or its
# fuzzer runtime is missing.
#   scripts/fuzz.sh [SEKUNDEN]
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
ziele=(fuzz_dszaehler fuzz_controlbox fuzz_sensorbox)

if ! command -v clang++-14 >/dev/null 2>&1; then
    echo "clang++-14 fehlt: Fuzzer übersprungen"
    exit 77
fi
if ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "libFuzzer-Laufzeit von clang 14 fehlt (libclang-rt-14-dev): Fuzzer übersprungen"
    exit 77
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DPISTORELLE_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "${ziele[@]}" -j2

status=0
for ziel in "${ziele[@]}"; do
    korpus=build-fuzz/korpus/$ziel
    mkdir -p "$korpus"
    woerter=fuzz/${ziel#fuzz_}.dict
    echo "== $ziel: $sekunden s"
    if ! build-fuzz/fuzz/$ziel -max_total_time="$sekunden" -print_final_stats=1 \
        -dict="$woerter" -artifact_prefix=build-fuzz/"$ziel"- "$korpus" fuzz/saat/${ziel#fuzz_} \
        2>build-fuzz/$ziel.log; then
        echo "$ziel: Fehler gefunden, siehe build-fuzz/$ziel.log"
        tail -40 build-fuzz/$ziel.log
        status=1
    else
        grep -E "stat::number_of_executed_units|cov:" build-fuzz/$ziel.log | tail -2
    fi
done
exit $status
