#!/usr/bin/env bash
# The real viewer under Xvfb ends at once on SIGTERM or SIGINT, also while a message box is
# up, leaving no helper process behind; without a sound card the terminal gets no library noise.
#   signals.sh <build dir>
set -euo pipefail

BUILD=$(cd "${1:?build folder}" && pwd)
for tool in xvfb-run convert; do command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 0; }; done
if [ -z "${PANO_E2E_INNER:-}" ]; then
  PANO_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
WORK=$(mktemp -d /tmp/pano_sig_XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
convert -size 64x32 xc:red BMP3:a.bmp
unset PANO_QUIET_BOXES
set -m  # jobs of their own: a background job's SIGINT would be ignored
fail() { echo "FAIL: $*"; exit 1; }

# words for the viewer, signal: a missing file brings up a message box; none, the running view
for case in "nic.bmp TERM" "nic.bmp INT" "- TERM"; do
  set -- $case
  args=()
  [ "$1" != - ] && args=("$1")
  "$BUILD/panorama" "${args[@]}" >/dev/null 2>err.txt &
  pid=$!
  sleep 2
  kill -"$2" $pid
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && { pkill -9 -P $pid || true; kill -9 $pid; fail "$case: still running 5 s after the signal"; }
  wait $pid || true
  ! pgrep -P $pid >/dev/null || fail "$case: a helper process was left"
  ! grep -qiE "alsa|cannot find card" err.txt || fail "$case: sound library noise: $(cat err.txt)"
  echo "$case: ended"
done
