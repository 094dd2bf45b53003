#!/bin/sh
# Starts a test with its runtime folder made private (mode 0700), as the system makes the
# user's own: Qt refuses any other and would fall back to a folder shared by every process.
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR" && exec "$@"
