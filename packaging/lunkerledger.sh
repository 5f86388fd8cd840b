#!/bin/sh
# Starts LunkerLedger from the user's own program folder.
#
# The program keeps its logbook (DATA2.MDB), qry.ini and backup/ beside its executable, and
# finds that folder from the executable itself, so every user runs a copy of the installed
# program files from $XDG_DATA_HOME/LunkerLedger (default ~/.local/share/LunkerLedger).
# First start: the folder, the program files, qry.ini and a new logbook. Later starts: the
# program files again when the installed version is newer. The logbook and backup/ are never
# touched; a qry.ini the user changed is kept and the new one goes beside it as qry.ini.nuovo.
set -eu

here=$(dirname "$(readlink -f "$0")")
installed="$here/../lib/lunkerledger"

case "${XDG_DATA_HOME:-}" in
/*) data_home=$XDG_DATA_HOME ;;
*) data_home="$HOME/.local/share" ;;
esac
folder="$data_home/LunkerLedger"
# Any step that fails stops the start, with a word on what could not be done.
trap '[ $? -eq 0 ] || echo "LunkerLedger: impossibile preparare la cartella $folder." >&2' EXIT

# The version of the program files in the folder, and the qry.ini they came with: a qry.ini
# equal to that one is the user's unchanged copy and may be replaced.
stamp="$folder/.versione-programma"
shipped_ini="$folder/.qry.ini-fornito"

# Replaces $2 with a copy of $1 in one rename: a start killed halfway leaves either the old
# file or the new one, never a part of it. Also works while another copy of the program runs.
# A leftover of a killed start is removed first: cp would keep its mode.
put() {
    rm -f "$2.tmp-avvio"
    cp "$1" "$2.tmp-avvio"
    mv -f "$2.tmp-avvio" "$2"
}

new_version=$(cat "$installed/VERSIONE")
old_version=$(cat "$stamp" 2>/dev/null || true)

refresh=no
if [ -z "$old_version" ]; then
    refresh=yes
elif [ ! -x "$folder/lunkerledger" ] || [ ! -x "$folder/lunkerledger-db" ]; then
    refresh=yes
elif dpkg --compare-versions "$new_version" gt "$old_version"; then
    refresh=yes
fi

if [ "$refresh" = yes ]; then
    mkdir -p "$folder"
    put "$installed/lunkerledger" "$folder/lunkerledger"
    put "$installed/lunkerledger-db" "$folder/lunkerledger-db"

    if [ ! -e "$folder/qry.ini" ]; then
        put "$installed/qry.ini" "$folder/qry.ini"
    elif [ -e "$shipped_ini" ] && cmp -s "$folder/qry.ini" "$shipped_ini"; then
        put "$installed/qry.ini" "$folder/qry.ini"
    elif ! cmp -s "$folder/qry.ini" "$installed/qry.ini"; then
        put "$installed/qry.ini" "$folder/qry.ini.nuovo"
        echo "LunkerLedger: qry.ini era stato modificato ed è rimasto com'era; quello della" \
            "versione $new_version è accanto, in $folder/qry.ini.nuovo." >&2
    fi
    put "$installed/qry.ini" "$shipped_ini"
    # Last: a start killed before this line does the whole refresh again.
    echo "$new_version" >"$stamp.tmp-avvio"
    mv -f "$stamp.tmp-avvio" "$stamp"
fi

# The logbook, only when there is none; made aside and renamed, so a killed start never
# leaves half a logbook for the program to open.
if [ ! -e "$folder/DATA2.MDB" ]; then
    rm -f "$folder/DATA2.MDB.tmp-avvio"
    "$folder/lunkerledger-db" create "$folder/DATA2.MDB.tmp-avvio" >/dev/null
    mv -n "$folder/DATA2.MDB.tmp-avvio" "$folder/DATA2.MDB"
    rm -f "$folder/DATA2.MDB.tmp-avvio"
fi

exec "$folder/lunkerledger" "$@"
