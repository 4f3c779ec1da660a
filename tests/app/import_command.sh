#!/bin/sh
# pacelog --import over files written here: a dry run stores nothing, the import stores the new
# sessions, the same files a second time add nothing, a path that cannot be read exits 1.
#   import_command.sh PACELOG
set -u
pacelog="$1"
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
mkdir "$d/data" "$d/watch"
cat >"$d/watch/a-run.tcx" <<'XML'
<?xml version="1.0"?>
<TrainingCenterDatabase><Activities><Activity Sport="Running"><Id>2024-03-05T11:30:00Z</Id>
<Lap StartTime="2024-03-05T11:30:00Z"><DistanceMeters>5000</DistanceMeters><Calories>300</Calories></Lap>
</Activity></Activities></TrainingCenterDatabase>
XML
cat >"$d/watch/b-ride.gpx" <<'XML'
<gpx><trk><type>cycling</type><trkseg>
<trkpt lat="0" lon="0"><time>2024-03-06T02:00:00Z</time></trkpt>
<trkpt lat="0" lon="0.01"><time>2024-03-06T02:10:00Z</time></trkpt>
</trkseg></trk></gpx>
XML
printf 'not a device file' >"$d/watch/c-notes.txt"

fail() { echo "FAIL: $1"; echo "--- output:"; cat "$d/out" "$d/err"; exit 1; }
run() { "$pacelog" --data-dir "$d/data" --import "$@" >"$d/out" 2>"$d/err"; }
T="$(printf '\t')"
w="$d/watch"

run "$w" --dry-run || fail "a dry run exits 0"
cat >"$d/expected" <<LINES
new${T}2024-03-05${T}running${T}5000.00${T}300${T}$w/a-run.tcx
skipped${T}2024-03-05${T}cycling${T}1111.95${T}0${T}$w/b-ride.gpx${T}cycling
refused${T}${T}${T}${T}${T}$w/c-notes.txt${T}not a FIT, TCX or GPX file
LINES
cmp -s "$d/out" "$d/expected" || { diff "$d/expected" "$d/out"; fail "dry run lines"; }

run "$w" --dry-run || fail "a second dry run exits 0"
cmp -s "$d/out" "$d/expected" || fail "a dry run stores nothing"

run "$w/a-run.tcx" "$w/b-ride.gpx" --all-sports || fail "the import exits 0"
[ "$(grep -c '^new' "$d/out")" = 2 ] || fail "two new sessions with --all-sports"

run "$w" --all-sports || fail "the second import exits 0"
[ "$(grep -c "^duplicate${T}.*${T}already stored\$" "$d/out")" = 2 ] || fail "both are stored now"

run "$w/a-run.tcx" "$d/missing.fit"
[ $? -eq 1 ] || fail "a path that cannot be read exits 1"
grep -qx "refused${T}${T}${T}${T}${T}$d/missing.fit${T}cannot be read" "$d/out" || fail "its row"
echo "import command: ok"
