# Sourced by the scripts that run the mingw builds under Wine (64-bit, Debian's "wine" and
# "wine64"): a prefix of their own below a build folder, no window, no menu entries, no
# downloads. Without Wine the Windows parts go untested, so its absence is a failure.
#   wine_bereit FOLDER      (sets WINEPREFIX to FOLDER/wine and creates it once)

wine_bereit() {
    if ! command -v wine >/dev/null; then
        echo "wine fehlt: apt-get install wine wine64 (die Windows-Teile laufen sonst nie)" >&2
        exit 1
    fi
    export WINEPREFIX="$1/wine"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset DISPLAY WAYLAND_DISPLAY
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$1"
        wineboot -i >/dev/null 2>&1 || { echo "wineboot fehlgeschlagen" >&2; exit 1; }
    fi
    # The server ends by itself a moment after the last program; waited for, not killed
    # (killed, it dumps its objects on stderr).
    trap 'wineserver -w >/dev/null 2>&1 || true' EXIT
}
