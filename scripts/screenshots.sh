#!/usr/bin/env bash
# Pictures of the program for the README: starts it on the demonstration logbook under a
# virtual X server and photographs the main window, a catch's photo in the viewer, the
# statistics window with a chart, the sun and moon of a session and the blank form's preview,
# into docs/.
# Run from the project folder after `make build`: bash scripts/screenshots.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin="$top/build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/lunkerledger" "$bin/qry.ini" "$work/"
"$bin/lunkerledger-db" demo "$work/DATA2.MDB" > /dev/null

cat > "$work/shoot.sh" <<'SHOT'
#!/usr/bin/env bash
set -euo pipefail
cd "$1"; out="$2"
./lunkerledger & pid=$!
sleep 7
win=$(xdotool search --onlyvisible --name "LUNKERLEDGER" | head -1)
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep "${3:-0.8}"; }
import -window "$win" "$out/finestra-principale.png"
# The catch's photo, zoomed.
click 457 520 1.5
viewer=$(xdotool search --onlyvisible --name "VISUALIZZAZIONE FOTOGRAFIA" | head -1)
import -window "$viewer" "$out/foto-preda.png"
xdotool key Escape; sleep 0.5
# Statistics: bars of the catches by bait, all lakes.
click 20 8
click 65 28 1.5
stat=$(xdotool search --onlyvisible --name "STATISTICHE" | head -1)
sclick() { xdotool mousemove --window "$stat" "$1" "$2" click 1; sleep 0.5; }
sclick 160 59; xdotool key Down Return; sleep 0.3
sclick 71 83
sclick 140 128; xdotool key Down Down Down Down Down Down Down Return; sleep 0.3
sclick 104 153; sleep 1
sclick 110 24; sleep 0.5
import -window "$stat" "$out/statistiche.png"
xdotool key Escape; sleep 0.5
# Sun and moon over the sixth session, four days at Bolsena.
for i in 1 2 3 4 5; do click 117 230 0.6; done
xdotool key alt+m; sleep 0.7; xdotool key u; sleep 2
sun=$(xdotool search --onlyvisible --name "SOLE E LUNA" | head -1)
import -window "$sun" "$out/sole-e-luna.png"
xdotool key Escape; sleep 0.5
# The blank form's preview.
click 20 8
click 81 50 2.5
preview=$(xdotool search --onlyvisible --name "Anteprima di stampa" | head -1 || true)
if [ -n "$preview" ]; then
    import -window "$preview" "$out/modulo.png"
else
    # Without a printer the program says so instead of opening the preview.
    echo "No printer here: docs/modulo.png left as it was." >&2
fi
kill $pid
SHOT
chmod +x "$work/shoot.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$work" "$top/docs"
echo "Pictures written to docs/."
