#!/usr/bin/env bash
# The Debian package end to end: made from this build by CPack, checked by lintian, unpacked
# into a temporary root, and its launcher run there offscreen for two users through a first
# start, a second one and the upgrade to a newer package.
#   tst_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
lib=$root/usr/lib/lunkerledger

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- The package: made, lint-free, with derived dependencies and no maintainer scripts.
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/pkg/lunkerledger_*_*.deb)
[ -f "$deb" ] || fail "no package in $work/pkg"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

lintian --fail-on error,warning "$deb" ||
    fail "lintian"

depends=$(dpkg-deb -f "$deb" Depends)
for lib_package in libqt6widgets6 libsqlite3-0 libjpeg62-turbo libexif12 libnova; do
    [[ $depends == *"$lib_package"* ]] || fail "Depends lacks $lib_package: $depends"
done
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst|rm' || true)
[ -z "$scripts" ] || fail "maintainer scripts (a removal must leave users' folders): $scripts"

dpkg-deb -x "$deb" "$root"
while read -r test path; do
    [ "$test" "$root/$path" ] || fail "not $test: /$path"
done <<'EOF'
-x usr/bin/lunkerledger
-L usr/bin/lunkerledger-db
-x usr/bin/lunkerledger-db
-x usr/lib/lunkerledger/lunkerledger
-x usr/lib/lunkerledger/lunkerledger-db
-f usr/lib/lunkerledger/qry.ini
-f usr/lib/lunkerledger/VERSIONE
-f usr/share/applications/org.lunkerledger.LunkerLedger.desktop
-f usr/share/metainfo/org.lunkerledger.LunkerLedger.metainfo.xml
-f usr/share/icons/hicolor/scalable/apps/lunkerledger.svg
-f usr/share/man/man1/lunkerledger.1.gz
-f usr/share/man/man1/lunkerledger-db.1.gz
EOF
for size in 48 128; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/lunkerledger.png" |
        grep -q "PNG image data, $size x $size" || fail "icon $size"
done
grep -qx 'Comment\[it\]=.*carpfishing.*' "$root/usr/share/applications/org.lunkerledger.LunkerLedger.desktop" ||
    fail "Italian comment of the desktop entry"

# --- The launcher, as a user starting the program from the menu would, offscreen.
# start HOME XDG_DATA_HOME(or -): the program must reach its main window and leave.
start() {
    local home=$1 xdg=$2
    local -a env=(PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen LUNKERLEDGER_SMOKE_EXIT=1)
    [ "$xdg" = - ] || env+=(XDG_DATA_HOME="$xdg")
    if ! env -i "${env[@]}" timeout 120 "$root/usr/bin/lunkerledger" >"$work/out" 2>"$work/err"; then
        cat "$work/out" "$work/err"
        fail "start for $home"
    fi
    grep -q 'finestra principale aperta' "$work/out" || fail "no main window for $home"
}
rows() { sqlite3 "$1/DATA2.MDB" "SELECT COUNT(*) FROM TLago WHERE Ds_desc = 'Lago della prova'"; }
notes() { grep -c 'qry.ini.nuovo' "$work/err" || true; }
same() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }

anna=$work/anna/dati/LunkerLedger    # XDG_DATA_HOME set
bruno=$work/bruno/.local/share/LunkerLedger # the default place
# Bruno's first start was killed while it made the logbook and copied the program.
mkdir -p "$bruno"
echo "mezzo archivio" >"$bruno/DATA2.MDB.tmp-avvio"
echo "mezzo programma" >"$bruno/lunkerledger.tmp-avvio"

start "$work/anna" "$work/anna/dati"
start "$work/bruno" -
for folder in "$anna" "$bruno"; do
    same "$folder/lunkerledger" "$lib/lunkerledger"
    same "$folder/lunkerledger-db" "$lib/lunkerledger-db"
    same "$folder/qry.ini" "$lib/qry.ini"
    [ "$(sqlite3 "$folder/DATA2.MDB" 'SELECT COUNT(*) FROM TLuna')" -gt 0 ] || fail "no logbook in $folder"
    [ -z "$(find "$folder" -name '*.tmp-avvio')" ] || fail "leftovers in $folder"
done

# Anna writes a row, keeps a copy of her own in backup/ and changes qry.ini.
sqlite3 "$anna/DATA2.MDB" "INSERT INTO TLago (Ds_desc) VALUES ('Lago della prova')"
mkdir -p "$anna/backup"
echo "copia di Anna" >"$anna/backup/mia-copia.MDB"
echo "; la mia modifica" >>"$anna/qry.ini"
cp "$anna/qry.ini" "$work/anna-qry.ini"

start "$work/anna" "$work/anna/dati"
[ "$(rows "$anna")" = 1 ] || fail "the row written between two starts is gone"
same "$anna/qry.ini" "$work/anna-qry.ini"
[ "$(notes)" = 0 ] || fail "a note without an upgrade"

# A folder that cannot be made stops the start with a plain word, and no program runs.
touch "$work/file"
if env -i PATH=/usr/bin:/bin HOME="$work" XDG_DATA_HOME="$work/file" \
    "$root/usr/bin/lunkerledger" >"$work/out" 2>"$work/err"; then
    fail "a start without its folder succeeded"
fi
grep -q "impossibile preparare la cartella $work/file/LunkerLedger" "$work/err" || fail "$(cat "$work/err")"

# --- A newer package: the same one with a higher version, a changed qry.ini and program.
dpkg-deb -R "$deb" "$work/new"
new_version="$(cat "$lib/VERSIONE")+1"
sed -i "s/^Version: .*/Version: $new_version/" "$work/new/DEBIAN/control"
echo "$new_version" >"$work/new/usr/lib/lunkerledger/VERSIONE"
echo "; versione successiva" >>"$work/new/usr/lib/lunkerledger/qry.ini"
printf 'versione successiva' >>"$work/new/usr/lib/lunkerledger/lunkerledger" # bytes past the ELF
dpkg-deb --root-owner-group -b "$work/new" "$work/pkg/newer.deb" >/dev/null
dpkg-deb -x "$work/pkg/newer.deb" "$root"

start "$work/anna" "$work/anna/dati"
same "$anna/lunkerledger" "$lib/lunkerledger"
[ "$(rows "$anna")" = 1 ] || fail "the upgrade lost a row"
same "$anna/backup/mia-copia.MDB" <(echo "copia di Anna")
same "$anna/qry.ini" "$work/anna-qry.ini"
same "$anna/qry.ini.nuovo" "$lib/qry.ini"
[ "$(notes)" = 1 ] || fail "not one note about qry.ini.nuovo: $(cat "$work/err")"

start "$work/bruno" -
same "$bruno/lunkerledger" "$lib/lunkerledger"
same "$bruno/qry.ini" "$lib/qry.ini" # unchanged by Bruno, so replaced
[ ! -e "$bruno/qry.ini.nuovo" ] || fail "qry.ini.nuovo beside an unchanged qry.ini"
[ "$(notes)" = 0 ] || fail "a note for an unchanged qry.ini"
echo "package test passed"
