#!/usr/bin/env bash
# The real window in a real X server with a window manager, used as a person would: click СТАРТ,
# answer the dialog, wait for the picture, compare the client area pixel for pixel with what
# plant-render draws at the same size and frozen clock, then close the window with the window
# manager and find no scratch file left.
#   window_end_to_end.sh PLANT PLANT_RENDER WORK_DIR
set -euo pipefail
plant=$1
render=$2
work=$3
rm -rf "$work" && mkdir -p "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
export TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
answer=2
clock=43200.25

cleanup() {
  [ -n "${plant_pid:-}" ] && kill "$plant_pid" 2>/dev/null || true
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and says which.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 0.5

QT_QPA_PLATFORM=xcb "$plant" --clock "$clock" >"$work/plant.log" 2>&1 &
plant_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"  # WIDTH and HEIGHT of the client area
echo "client area ${WIDTH}x${HEIGHT}"

# The button's centre: (10920 + 735 / 2, 7440 + 495 / 2) twips, at 15 twips to the pixel.
xdotool mousemove --window "$window" 752 512
xdotool click 1
dialog=$(xdotool search --sync --onlyvisible --name '^Количество итераций:$' | head -n 1)
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool type --delay 20 "$answer"
xdotool key Return

"$render" --answer "$answer" --clock "$clock" --size "${WIDTH}x${HEIGHT}" --output "$work/expected.png"
# The button covers part of the picture: leave its rectangle out of the comparison.
hide_button=(-fill white -draw "rectangle 726,494 778,530")
convert "$work/expected.png" "${hide_button[@]}" "$work/expected-masked.png"

matched=no
for _ in $(seq 100); do
  sleep 0.2
  import -window "$window" "$work/window.png" 2>/dev/null || continue
  convert "$work/window.png" "${hide_button[@]}" "$work/window-masked.png"
  differing=$(compare -metric AE "$work/window-masked.png" "$work/expected-masked.png" null: 2>&1 || true)
  if [ "$differing" = "0" ]; then matched=yes; break; fi
done
if [ "$matched" != yes ]; then
  echo "FAIL: the window's picture differs from plant-render's in $differing pixels (see $work)"
  exit 1
fi
echo "the window's picture equals plant-render's, pixel for pixel"

# Close with the window manager, as a person would: the process ends and leaves nothing behind.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool key alt+F4
for _ in $(seq 100); do kill -0 "$plant_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$plant_pid" 2>/dev/null; then echo "FAIL: plant did not end when its window was closed"; exit 1; fi
wait "$plant_pid" || { echo "FAIL: plant ended with status $?"; exit 1; }
plant_pid=
if [ -n "$(ls -A "$TMPDIR")" ]; then echo "FAIL: left behind: $(ls -A "$TMPDIR")"; exit 1; fi
echo "closed by the window manager; no scratch file left"
