#!/usr/bin/env bash
# Opening photo spheres from the desktop, under Xvfb: the build is installed into a
# temporary prefix, and the installed entry's Exec line is run with a JPEG of a folder
# whose name has a blank, from another folder. The picture is shown (as the renderer draws
# it), the thumbnails and the screenshot land in the picture's folder, the next picture
# follows it; then the same folder mounted read-only, when this user may mount.
#   desktop_open.sh <build dir>
set -euo pipefail

BUILD=$(cd "${1:?build folder}" && pwd)
for tool in xvfb-run xdotool import compare convert identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 0; }
done
if [ -z "${PANO_DESKTOP_INNER:-}" ]; then
  PANO_DESKTOP_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

WORK=$(mktemp -d /tmp/pano_desktop_XXXXXX)
MOUNTED=""
cleanup() {
  [ -n "$MOUNTED" ] && umount "$MOUNTED" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

cmake --build "$BUILD" --target panorama render_view gen_samples >/dev/null
cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null
export PATH="$WORK/prefix/bin:$PATH" PANO_QUIET_BOXES=1 SDL_AUDIODRIVER=dummy XDG_PICTURES_DIR="$WORK/pictures"
mkdir -p "$WORK/src" "$WORK/My Spheres" "$WORK/elsewhere" "$WORK/pictures"
"$BUILD/gen_samples" "$WORK/src" >/dev/null
for f in small_1024x512 sectors_2000x1000; do
  convert "$WORK/src/$f.bmp" -quality 95 "$WORK/My Spheres/$f.jpg"
done

# The Exec line of the installed entry, %f being one picture path as a launcher passes it.
EXEC=$(sed -n 's/^Exec=//p' "$WORK/prefix/share/applications/tessarin-panorama.desktop")
read -r -a EXEC_WORDS <<<"$EXEC"
launch() {  # picture path: the entry's command, in the background; PID set
  local words=()
  for w in "${EXEC_WORDS[@]}"; do
    if [ "$w" = "%f" ]; then words+=("$1"); else words+=("$w"); fi
  done
  (cd "$WORK/elsewhere" && exec "${words[@]}") 2>"$WORK/stderr.txt" &
  PID=$!
  timeout 30 xdotool search --sync --name "Tessarin Panorama Player" >/dev/null || fail "no window"
  # Strip and pointer are gone after 400 quiet pulses; the idle turning starts at 800.
  xdotool mousemove 300 300
  sleep 5
}

quit() {
  xdotool key Escape
  timeout 20 tail --pid="$PID" -f /dev/null || fail "Escape did not end the program"
  local code=0
  wait "$PID" || code=$?
  [ "$code" = 0 ] || fail "exit code $code after Escape"
}

# The 1280 × 1024 screen shows the 800 × 600 view scaled by 1.6 with 32 rows above and below.
differing() {  # shot name, picture: pixels (of 480000) off the renderer's view by over 20 %
  import -window root "$WORK/$1.png"
  convert "$WORK/$1.png" -crop 1280x960+0+32 +repage -filter point -resize '800x600!' "$WORK/$1.800.png"
  "$BUILD/render_view" -o "$WORK/$1.ref.bmp" "$2" >/dev/null
  compare -metric AE -fuzz 20% "$WORK/$1.800.png" "$WORK/$1.ref.bmp" null: 2>&1 || true
}

# The view matches the renderer's within the scaling's blur: under 1.5 % of the pixels.
expect_view() {  # shot name, picture
  local n
  n=$(differing "$1" "$2")
  echo "$1: $n pixels differ from the renderer's view"
  [ "${n%%.*}" -lt 7200 ] || fail "$1 does not show $2 ($n pixels differ)"
}

DIR="$WORK/My Spheres"
launch "$DIR/small_1024x512.jpg"
expect_view first "$DIR/small_1024x512.jpg"
for f in small_1024x512 sectors_2000x1000; do
  [ -f "$DIR/$f.jpg.thm" ] || fail "no thumbnail of $f beside the picture"
done
[ -z "$(ls "$WORK/elsewhere")" ] || fail "files written where the viewer was started: $(ls "$WORK/elsewhere")"
xdotool key F2
sleep 1
[ -f "$DIR/TSSCAN.bmp" ] || fail "no screenshot in the picture's folder"
# Next goes on from the picture shown: small_… is the last of the folder, so next wraps
# round to sectors_…; had the list stayed at its start, next would show small_… again.
# The chevron sits at the right edge of the view, at its middle.
xdotool mousemove 1210 526
sleep 0.5
xdotool click 1
sleep 5
expect_view next "$DIR/sectors_2000x1000.jpg"
quit
grep -q "sectors_2000x1000" <<<"$(ls "$DIR")" || fail "picture lost"

# Read-only: the viewer runs, makes no thumbnail, and F2 goes to the pictures folder.
RO="$WORK/read only"
mkdir "$RO"
if mount --bind "$DIR" "$RO" 2>/dev/null && mount -o remount,bind,ro "$RO" 2>/dev/null; then
  MOUNTED="$RO"
  rm -f "$DIR"/*.thm "$DIR/TSSCAN.bmp"
  launch "$RO/sectors_2000x1000.jpg"
  expect_view readonly "$DIR/sectors_2000x1000.jpg"
  xdotool key F2
  sleep 1
  [ -f "$WORK/pictures/TSSCAN.bmp" ] || fail "no screenshot in the pictures folder"
  grep -q "uložená do $WORK/pictures/TSSCAN.bmp" "$WORK/stderr.txt" || fail "no message where the screenshot went"
  quit
  [ -z "$(ls "$DIR"/*.thm 2>/dev/null)" ] || fail "thumbnails in a read-only folder"
else
  echo "note: no read-only mount possible here, that part is left out"
fi
echo "PASS"
