#!/usr/bin/env bash
# The program itself in an empty folder: it seeds the folder, runs the whole start-up with
# each window confirmed, writes its preferences and per-user files, and shows every window.
set -euo pipefail
topband=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$scratch/work"
chmod 700 "$XDG_RUNTIME_DIR"

"$topband" --version | grep -qx "topband [0-9.]*"
"$topband" --help | grep -q -- "--workdir DIR"
if "$topband" --no-such-option 2>/dev/null; then echo "a bad option was accepted"; exit 1; fi

timeout 60 "$topband" --workdir "$scratch/work" --screenshot "$scratch/shots"

fail() { echo "$*"; exit 1; }
[ -s "$scratch/work/arrlpre2.txt" ] || fail "the prefix file was not copied into the working folder"
[ -f "$scratch/work/160pref.txt" ] || fail "160pref.txt was not created"
[ "$(sed -n 7p "$scratch/work/160pref.txt")" = $'100\r' ] || fail "160pref.txt does not hold the neutral form size"
[ ! -e "$scratch/work/Log.txt" ] || fail "Log.txt was created without a contact"
shared="$HOME/Documents/KELVO Software/Shared/SharedUserPreferences.xml"
[ "$(head -c 41 "$shared")" = '<?xml version="1.0" encoding="UTF-8" ?>'$'\r' ] || fail "shared preferences missing"
[ -d "$HOME/Documents/KELVO Software/Velmor/BACKUP" ] || fail "the backup folder was not made"
[ ! -e "$HOME/My Documents" ] || fail "a My Documents folder was made"
ls "$scratch/shots" | grep -q "Amateur-Station-I-D" || fail "no picture of the station window"
ls "$scratch/shots" | grep -q "Open-existing-log" || fail "no picture of the log question"
ls "$scratch/shots" | grep -q "Form1" || fail "no picture of the main window"
echo "first start works"
