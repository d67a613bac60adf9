#!/bin/sh
# Runs "$@" with a gnome-keyring-daemon of its own, unlocked, on the D-Bus session it is
# started in (dbus-run-session), its keyrings in a folder removed afterwards.
set -e
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export HOME="$folder" XDG_DATA_HOME="$folder/data" XDG_RUNTIME_DIR="$folder/run"
mkdir -p "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'keyring-password' | gnome-keyring-daemon --unlock --components=secrets >/dev/null
"$@"
