#!/usr/bin/env bash
# Set-up, build, and then start the program, run every test, or build the Debian package.
#   ./build.sh run       installs what is missing, builds, starts Pistorelle
#   ./build.sh test      installs what is missing, builds, runs the whole test suite
#   ./build.sh package   installs what is missing, builds, writes build/pistorelle_*.deb
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build pkg-config g++ sqlite3 libsqlite3-dev
    qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libqt6sql6-sqlite
    qt6-tools-dev-tools qt6-tools-dev libgl-dev libxkbcommon-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libusb-1.0-0-dev libespeak-ng-dev espeak-ng socat xvfb
    clang-14 libclang-rt-14-dev g++-mingw-w64-x86-64-win32 qt6-translations-l10n
    qt6-charts-dev libqt6opengl6-dev poppler-utils
    qt6-websockets-dev libqrencode-dev chromium wine wine64
    mosquitto libmosquitto-dev)
# The package's dependencies come from dpkg-shlibdeps, which CPack runs on what `file` finds.
PACKAGE_TOOLS=(dpkg-dev file)

# install_missing [MORE PACKAGES...]
install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
    cmake --build build --parallel "$(nproc)"
}

case "${1:-}" in
    run)
        install_missing
        build
        shift
        exec ./build/app/pistorelle "$@"
        ;;
    test)
        install_missing
        build
        cd build
        exec ctest --output-on-failure --parallel "$(nproc)" --timeout 900
        ;;
    package)
        install_missing "${PACKAGE_TOOLS[@]}"
        build
        rm -f build/pistorelle_*.deb
        (cd build && cpack)
        ls build/pistorelle_*.deb
        ;;
    *)
        echo "usage: $0 run|test|package" >&2
        exit 2
        ;;
esac
