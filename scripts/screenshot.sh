#!/usr/bin/env bash
# Builds Ombrix in Release when needed and takes pictures on a virtual X display: the main
# window with an example calculation and its results in the messages pane (screenshot.png),
# the find dialog (find.png) and the options dialog at its editor page (options-editor.png).
#   scripts/screenshot.sh [FOLDER]        (default docs)
# Installs what is missing (Debian, as root). The program runs from a copy in a temporary
# folder, so its options there never touch those beside the build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ombrix_install xvfb xauth imagemagick xdotool

out=$(realpath -m "${1:-docs}")
width=760
height=500

build=build-release
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DOMBRIX_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target ombrix

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/ombrix" "$work/"
# Without a window manager the window stands where the options put it: filling the screen.
printf '[FormMain]\r\nUseRegister=0\r\nLeft=0\r\nTop=0\r\nWidth=%s\r\nHeight=%s\r\nShowWindowMessages=1\r\n[ViewResult]\r\nWhereShowResult=1\r\n' \
  "$width" "$height" > "$work/ombrix.ini"
cat > "$work/loan.ombx" <<'EOF'
// A loan paid back in equal monthly payments
principal = 25000;              // the sum borrowed
rate = 4.5 / 100 / 12;          // interest per month
months = 5 * 12;

# the payment of an annuity: sum p, rate r, n payments
payment(p, r, n) = p * r / (1 - (1 + r) ^ (-n));

monthly = payment(principal, rate, months);
total = monthly * months;
EOF

mkdir -p "$out"
cat > "$work/take.sh" <<EOF
set -u
"$work/ombrix" -calc "$work/loan.ombx" &
pid=\$!
sleep 3
import -window root "$out/screenshot.png"
# Without a window manager nothing gives a window the keyboard: focus each by hand.
main=\$(xdotool search --sync --onlyvisible --pid \$pid | head -n 1)
xdotool windowfocus --sync "\$main"
xdotool key --clearmodifiers ctrl+f
dialog=\$(xdotool search --sync --onlyvisible --name '^ Find\$' | head -n 1)
xdotool windowfocus --sync "\$dialog"
xdotool type --delay 20 payment
sleep 1
import -window "\$dialog" "$out/find.png"
xdotool key Escape
xdotool windowfocus --sync "\$main"
# The editor's page of the options: the first entry of the Options menu.
xdotool key --clearmodifiers alt+5 Return
dialog=\$(xdotool search --sync --onlyvisible --name '^ Options\$' | head -n 1)
sleep 1
import -window "\$dialog" "$out/options-editor.png"
xdotool key Escape
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
EOF
xvfb-run -a -s "-screen 0 ${width}x${height}x24" bash "$work/take.sh"
ls "$out"/screenshot.png "$out"/find.png "$out"/options-editor.png
