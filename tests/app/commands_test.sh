#!/usr/bin/env bash
# The program's commands from a shell: lookup in a folder that holds nothing yet and with "--"
# before the calls; countries import of the country file, and of a damaged one.
set -euo pipefail
topband=$1
country_files=$2
installed=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$scratch/new" "$scratch/work"
chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "$*"; exit 1; }
columns() { printf '%s\n' "$1" | cut -f"$2"; }

# A new folder: the installed prefix table answers, and the folder stays empty.
out=$("$topband" --workdir "$scratch/new" lookup W1AW g3xyz/qrp R1FJL 2>/dev/null) || fail "lookup in a new folder failed"
[ "$(columns "$out" 1-3)" = "$(printf 'W1AW\tUSA\tNA\nG3XYZ/QRP\tEngland\tEU\nR1FJL\tFranz Josef Land\tEU')" ] ||
    fail "lookup in a new folder printed: $out"
[ -z "$(ls -A "$scratch/new")" ] || fail "lookup wrote into the working folder"

# "--" ends the options, so that a call may begin with "-".
out=$("$topband" --workdir "$scratch/new" lookup -- -W1AW K1ABC/LH 2>/dev/null) || fail "lookup -- failed"
[ "$(columns "$out" 1-2)" = "$(printf -- '-W1AW\tNot Found\nK1ABC/LH\tUSA')" ] || fail "lookup -- printed: $out"
if "$topband" --workdir "$scratch/new" lookup -W1AW 2>/dev/null; then fail "-W1AW was taken for a call before --"; fi
if "$topband" --workdir "$scratch/work" countries 2>/dev/null; then fail "countries without import was taken"; fi

# Importing the country file makes the installed table and keeps the old one.
printf '"G","Testland","EU",1,52,0,0,0\r\n' >"$scratch/work/arrlpre2.txt"
cp "$scratch/work/arrlpre2.txt" "$scratch/old.txt"
"$topband" --workdir "$scratch/work" countries import "$country_files/cty.dat" >"$scratch/report.txt" ||
    fail "countries import failed"
cmp -s "$scratch/work/arrlpre2.txt" "$installed/arrlpre2.txt" || fail "the imported table differs from the installed one"
cmp -s "$scratch/work/arrlpre2.txt.bak" "$scratch/old.txt" || fail "the old table was not kept as arrlpre2.txt.bak"
grep -qx 'entities removed: 1 (Testland)' "$scratch/report.txt" || fail "the report misses the removed entity"
grep -q '^exact calls added: [0-9]* (' "$scratch/report.txt" || fail "the report misses the exact calls"

# A damaged country file is refused with its line, and the table stays.
sed '6s/: .*//' "$country_files/cty.dat" >"$scratch/damaged.dat"
if "$topband" --workdir "$scratch/work" countries import "$scratch/damaged.dat" >/dev/null 2>"$scratch/errors.txt"; then
    fail "a damaged country file was taken"
fi
grep -qF "damaged.dat line 6: a header needs eight fields; the prefix table was left as it was" "$scratch/errors.txt" ||
    fail "the refusal reads: $(cat "$scratch/errors.txt")"
cmp -s "$scratch/work/arrlpre2.txt" "$installed/arrlpre2.txt" || fail "the damaged file changed the table"
cmp -s "$scratch/work/arrlpre2.txt.bak" "$scratch/old.txt" || fail "the damaged file changed the kept table"
echo "commands work"
