#!/usr/bin/env bash
# Installs the build into a temporary prefix: the programs, a valid desktop entry that opens
# one picture, the icon, and a manual page naming every option of --help.
#   install.sh <build dir>
set -euo pipefail

BUILD=$(cd "${1:?build folder}" && pwd)
SRC=$(cd "$(dirname "$0")/../.." && pwd)
PREFIX=$(mktemp -d /tmp/pano_install_XXXXXX)
trap 'rm -rf "$PREFIX"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --build "$BUILD" --target panorama render_view >/dev/null
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
DESKTOP="$PREFIX/share/applications/tessarin-panorama.desktop"
MAN="$PREFIX/share/man/man1/panorama.1"
for f in bin/panorama bin/render_view share/icons/hicolor/scalable/apps/tessarin-panorama.svg; do
  [ -f "$PREFIX/$f" ] || fail "$f is not installed"
done

if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$DESKTOP" || fail "the entry is not valid"; fi
for line in 'Exec=panorama %f' 'Icon=tessarin-panorama' 'MimeType=.*image/bmp;.*' 'MimeType=.*image/jpeg;.*' \
  'MimeType=.*image/png;.*'; do
  grep -qx "$line" "$DESKTOP" || fail "the entry has no line $line"
done

if command -v groff >/dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$MAN" 2>&1)
  [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi
for opt in $("$PREFIX/bin/panorama" --help | grep -o -- '--[a-z]\+' | sort -u); do
  grep -q -- "${opt//-/\\\\-}" "$MAN" || fail "manual page does not name $opt"
done
version=$(sed -n 's/^project([a-z_]* VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
[ "$("$PREFIX/bin/panorama" --version)" = "panorama (Tessarin Panorama Player) $version" ] ||
  fail "--version does not give $version"
echo "install: ok"
