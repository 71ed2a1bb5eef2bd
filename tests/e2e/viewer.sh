#!/usr/bin/env bash
# The real viewer under Xvfb, opened on a picture of another folder as the desktop does: keys, the
# wheel and a resized window against the headless renderer; the screenshot, Escape, exit codes.
#   viewer.sh <build dir>
set -euo pipefail

BUILD=$(cd "${1:?build folder}" && pwd)
for tool in xvfb-run xdotool import compare identify; do command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 0; }; done

# The screen is the view pixel for pixel, its eye distance 400 × 768 / 600 = 512.
if [ -z "${PANO_E2E_INNER:-}" ]; then
  PANO_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$@"
fi
D=512
WORK=$(mktemp -d /tmp/pano_e2e_XXXXXX)
trap 'rm -rf "$WORK"' EXIT
PANO="$WORK/my pano"
SMALL="$PANO/small_1024x512.bmp"
mkdir "$PANO" "$WORK/ref" "$WORK/empty"
"$BUILD/gen_samples" "$PANO" >/dev/null
cd "$WORK/empty"
export PANO_QUIET_BOXES=1
fail() { echo "FAIL: $*"; exit 1; }

# Pixels of the screen (or a crop of it) that differ from the renderer's view by more than 20 %.
differing() {  # name geometry render_view options …
  local name=$1 crop=$2
  shift 2
  "$BUILD/render_view" "$@" -o "$WORK/ref/$name.bmp" "$SMALL" >/dev/null
  import -window root ${crop:+-crop "$crop" +repage} "$WORK/ref/$name.png"
  local n
  n=$(compare -metric AE -fuzz 20% "$WORK/ref/$name.png" "$WORK/ref/$name.bmp" null: 2>&1 || true)
  [[ $n =~ ^[0-9.e+]+$ ]] && printf '%.0f\n' "$n" || echo 99999999  # large counts come as 1.04e+06
}

# Under 1.5 % of the pixels differ (one key step: over 10 %), looked at until the overlays should
# long be gone (a slow machine pulses slower).
expect_view() {  # name, render_view options …
  local n tries=0
  until n=$(differing "$1" "" --width 1366 --height 768 "${@:2}") && [ "$n" -lt 15700 ]; do
    tries=$((tries + 1))
    [ $tries -lt 12 ] || fail "$1 does not show the expected view ($n pixels differ)"
    sleep 0.5
  done
  echo "$1: $n pixels differ"
}

"$BUILD/panorama" --mute "$SMALL" 2>"$WORK/stderr.txt" &
PID=$!
timeout 30 xdotool search --sync --name "Tessarin Panorama Player" >/dev/null || fail "no window"
sleep 1
# Yaw π + 0.3, pitch 0.2, the eye 20 pixels further away; the overlays go after 400 quiet pulses,
# before the idle turning at 800.
xdotool mousemove 300 300 key Right Right Right Up
xdotool click 4
sleep 4.5
expect_view moved --yaw 3.4415927 --pitch 0.2 --d $((D + 20))

# F2 writes the screen fitted into 400 × 200 beside the picture, as the thumbnails are.
xdotool key F2
sleep 1
[ "$(identify -format '%w %h' "$PANO/TSSCAN.bmp" 2>/dev/null)" = "355 200" ] || fail "no screenshot of 355 x 200 beside the picture"
xdotool key Escape
code=0
timeout 20 tail --pid=$PID -f /dev/null || fail "Escape did not end the program"
wait $PID || code=$?
[ "$code" = 0 ] || fail "exit code $code after Escape"

# A resized window shows the view at its new size (eye distance 400 × 640 / 600).
"$BUILD/panorama" --mute --window "$SMALL" 2>>"$WORK/stderr.txt" &
PID=$!
WID=$(timeout 30 xdotool search --sync --name "Tessarin Panorama Player" | head -1) || fail "no window"
for size in "700 500" "900 600" "1000 640"; do xdotool windowsize "$WID" $size; sleep 0.05; done
sleep 4.5
eval "$(xdotool getwindowgeometry --shell "$WID")"
n=$(differing window "1000x640+$X+$Y" --width 1000 --height 640 --d 426)
echo "window: $n pixels differ"
[ "$n" -lt 9600 ] || fail "the resized window does not show the view at its size ($n pixels differ)"
xdotool key Escape
timeout 20 tail --pid=$PID -f /dev/null || fail "Escape did not end the windowed program"

# Exit code and message in a folder without panoramas, and with no display at all (not an unseen run).
[ -z "$(ls "$WORK/empty")" ] || fail "files written where the viewer was started"
for case in "0 Žiadne panorámy v lokálnom adresári!" "1 displej nie je k dispozícii"; do
  code=0
  [ "${case%% *}" = 0 ] || unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER
  timeout 30 "$BUILD/panorama" --mute 2>"$WORK/err.txt" || code=$?
  [ "$code" = "${case%% *}" ] && grep -q "${case#* }" "$WORK/err.txt" || fail "exit code $code, not: $case"
done
echo "PASS"
