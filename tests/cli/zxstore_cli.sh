#!/usr/bin/env bash
# The zxstore command end to end on a small sample: each subcommand's exit status and the round
# trips it promises (document -> JSON -> document gives the same bytes; a damaged section is
# found by info, refused by check and reported by salvage).
#   zxstore_cli.sh ZXSTORE WORKDIR
set -uo pipefail
zx=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
failures=0
expect() {  # expect STATUS DESCRIPTION COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: $what: exit $got, expected $want"
    cat "$work/out" "$work/err" | head -20
    failures=$((failures + 1))
  fi
}

expect 0 "demo writes a document" "$zx" demo "$work/a.zxp" --scale 12
expect 0 "info on an intact document" "$zx" info "$work/a.zxp"
grep -q "total" "$work/out" || { echo "FAIL: info prints no total"; failures=$((failures + 1)); }
expect 0 "check of the sample" "$zx" check "$work/a.zxp"
expect 0 "dump as text" "$zx" dump "$work/a.zxp" --kind Task
grep -q "^Task " "$work/out" || { echo "FAIL: dump --kind Task prints no task"; failures=$((failures + 1)); }
expect 0 "dump as JSON" "$zx" dump "$work/a.zxp" --json
cp "$work/out" "$work/dump1.json"
expect 0 "dump as JSON again" "$zx" dump "$work/a.zxp" --json
cmp -s "$work/out" "$work/dump1.json" || { echo "FAIL: two JSON dumps differ"; failures=$((failures + 1)); }
expect 0 "convert to JSON" "$zx" convert "$work/a.zxp" "$work/a.json"
expect 0 "convert back" "$zx" convert "$work/a.json" "$work/b.zxp"
cmp -s "$work/a.zxp" "$work/b.zxp" || { echo "FAIL: document -> JSON -> document changed bytes"; failures=$((failures + 1)); }
# JSON files go through the file layer: a pipe named like a JSON project is refused at once, and
# a JSON written over an existing file replaces it whole.
mkfifo "$work/pipe.json"
expect 2 "a pipe as JSON input" timeout 20 "$zx" convert "$work/pipe.json" "$work/p.zxp"
grep -q "regular file" "$work/err" || { echo "FAIL: a pipe is not refused as such"; failures=$((failures + 1)); }
expect 0 "convert to JSON over an existing file" "$zx" convert "$work/b.zxp" "$work/a.json"
expect 0 "convert that JSON back" "$zx" convert "$work/a.json" "$work/d.zxp"
cmp -s "$work/a.zxp" "$work/d.zxp" || { echo "FAIL: a replaced JSON file does not read back"; failures=$((failures + 1)); }
expect 0 "diff of equal documents" "$zx" diff "$work/a.zxp" "$work/b.zxp"
expect 0 "demo of another sample" "$zx" demo "$work/c.zxp" --scale 13
expect 1 "diff of different documents" "$zx" diff "$work/a.zxp" "$work/c.zxp" --json

# One flipped bit in the middle of the file damages one section.
size=$(stat -c %s "$work/a.zxp")
cp "$work/a.zxp" "$work/bad.zxp"
printf '\xff' | dd of="$work/bad.zxp" bs=1 seek=$((size / 2)) conv=notrunc status=none
expect 1 "info on a damaged document" "$zx" info "$work/bad.zxp"
grep -q "DAMAGED" "$work/out" || { echo "FAIL: info does not say DAMAGED"; failures=$((failures + 1)); }
expect 2 "check refuses a damaged document" "$zx" check "$work/bad.zxp"
expect 1 "salvage reports the lost section" "$zx" salvage "$work/bad.zxp" "$work/saved.zxp"
expect 0 "the salvaged document is intact" "$zx" info "$work/saved.zxp"

expect 2 "a missing file" "$zx" info "$work/missing.zxp"
expect 2 "a folder" "$zx" check "$work"
expect 2 "no subcommand" "$zx"
expect 2 "an unknown option" "$zx" info "$work/a.zxp" --bogus
expect 0 "help" "$zx" dump --help

rm -rf "$work"
[ "$failures" -eq 0 ] && echo "zxstore: all subcommands behave" 
exit "$failures"
